#include "ui/face_painter.h"

namespace tap::ui {

void paintFace(QPainter& p, const Face& face, const PictureBook& book) {
    for (int i = kElementCount - 1; i >= 0; --i) {
        const El e = static_cast<El>(i);
        const Element& el = face[e];
        if (!el.visible || el.picture.isNone()) continue;
        p.drawPixmap(el.pos.x, el.pos.y, book.pixmap(el.picture));
    }
}

}  // namespace tap::ui
