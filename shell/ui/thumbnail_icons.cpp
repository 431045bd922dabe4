#include "shell/ui/thumbnail_icons.h"

#include <QImage>
#include <QPainter>

namespace shell {
namespace {

// The pixmap holds its own copy: the picture's pixels go when the picture does.
QPixmap PixmapOf(const exif::Image& picture) {
    const QImage view(picture.Pixels().data(), static_cast<int>(picture.Width()),
                      static_cast<int>(picture.Height()), static_cast<int>(picture.Width() * 3),
                      QImage::Format_RGB888);
    return QPixmap::fromImage(view.convertToFormat(QImage::Format_RGB32));
}

} // namespace

QSize LargeIconSize(bool listThumbSize) {
    const exif::PictureSize size = LargeIconPicture(listThumbSize);
    return {static_cast<int>(size.width), static_cast<int>(size.height)};
}

QPixmap PlaceholderPicture(QSize size) {
    QPixmap picture(size);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setPen(Qt::black);
    const int right = size.width() - 2;
    const int bottom = size.height() - 2;
    painter.drawRect(1, 1, right - 1, bottom - 1);
    painter.drawLine(1, 1, right, bottom);
    painter.drawLine(right, 1, 1, bottom);
    return picture;
}

QIcon PlaceholderIcon(QSize large) {
    QIcon icon;
    icon.addPixmap(PlaceholderPicture(kSmallIconSize));
    icon.addPixmap(PlaceholderPicture(large));
    return icon;
}

QIcon ThumbnailIcon(const IconPictures& pictures) {
    QIcon icon;
    icon.addPixmap(PixmapOf(pictures.small));
    icon.addPixmap(PixmapOf(pictures.large));
    return icon;
}

} // namespace shell
