#include "ui/window_picture.h"

#include "platform/qt/picture_files.h"

namespace tap::ui {

void paintWindowPicture(QPainter& p, const WindowPicture& picture, const PictureBook& book, QSize cut) {
    p.setClipRect(QRect(QPoint(0, 0), cut));
    if (const auto* user = dynamic_cast<const qt::QtUserPicture*>(picture.user.get())) {
        // A picture smaller than the panel leaves the rest in the window's own colour.
        p.fillRect(QRect(QPoint(0, 0), cut), QColor(0x5a, 0x5d, 0x63));
        p.drawImage(0, 0, user->image());
    } else if (!picture.id.isNone()) {
        p.drawPixmap(0, 0, book.pixmap(picture.id));
    }
}

QRegion maskOf(const Region& region) {
    QRegion mask;
    for (const Rect& r : region.rects()) mask += QRect(r.left, r.top, r.width(), r.height());
    return mask;
}

}  // namespace tap::ui
