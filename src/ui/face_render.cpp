#include "ui/face_render.h"

#include <QPainter>

#include "core/device/settings.h"
#include "platform/qt/qt_window_ops.h"
#include "ui/face_painter.h"

namespace tap::ui {

QImage renderFace(const Face& face, const WindowShape& shape, const PictureBook& book, qreal dpr) {
    QImage image(QSize(qRound(kWindowWidth * dpr), qRound(kWindowHeight * dpr)), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setClipRegion(qt::regionOf(shape));
    paintFace(p, face, book);
    return image;
}

}  // namespace tap::ui
