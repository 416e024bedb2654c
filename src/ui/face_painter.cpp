#include "ui/face_painter.h"

namespace tap::ui {

namespace {
bool overlaps(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}
}  // namespace

void paintFace(QPainter& p, const Face& face, const PictureBook& book, std::optional<Rect> area) {
    for (int i = kElementCount - 1; i >= 0; --i) {
        const El e = static_cast<El>(i);
        const Element& el = face[e];
        if (!el.visible || el.picture.isNone()) continue;
        if (area && !overlaps(*area, face.drawnRect(e))) continue;
        p.drawPixmap(el.pos.x, el.pos.y, book.pixmap(el.picture));
    }
}

}  // namespace tap::ui
