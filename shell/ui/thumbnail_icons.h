#pragma once

// The pictures of the file list: each file's embedded thumbnail at the two icon sizes (the
// report view's small icons and the icon view's large ones, see list_icon_pictures.h), and the
// crossed box that stands for a file without one.

#include "shell/list_icon_pictures.h"

#include <QIcon>
#include <QPixmap>
#include <QSize>

namespace shell {

// The report view's icons.
inline constexpr QSize kSmallIconSize{static_cast<int>(kSmallIconPicture.width),
                                      static_cast<int>(kSmallIconPicture.height)};

// LargeIconPicture as the window's size.
[[nodiscard]] QSize LargeIconSize(bool listThumbSize);

// A rectangle from (1,1) to (width-2, height-2) with both diagonals, on white.
[[nodiscard]] QPixmap PlaceholderPicture(QSize size);

// One icon holding a picture at each of the two sizes; a view picks the one of its icon size.
[[nodiscard]] QIcon PlaceholderIcon(QSize large);
// One icon holding the two pictures read from a file's thumbnail.
[[nodiscard]] QIcon ThumbnailIcon(const IconPictures& pictures);

} // namespace shell
