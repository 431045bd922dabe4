#include "shell/ui/thumbnail_icons.h"

#include <QImage>
#include <QPainter>

namespace shell {

QSize LargeIconSize(bool listThumbSize) {
    return listThumbSize ? QSize(80, 60) : QSize(160, 120);
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

std::optional<QIcon> ThumbnailIcon(std::span<const std::uint8_t> jpeg, QSize large) {
    QImage picture;
    if (jpeg.size() > static_cast<std::size_t>(INT_MAX) ||
        !picture.loadFromData(jpeg.data(), static_cast<int>(jpeg.size()), "JPEG")) {
        return std::nullopt;
    }
    QIcon icon;
    for (const QSize size : {kSmallIconSize, large}) {
        icon.addPixmap(QPixmap::fromImage(
            picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    }
    return icon;
}

} // namespace shell
