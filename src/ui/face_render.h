#pragma once
#include <QImage>

#include "core/appearance/face.h"
#include "core/platform.h"
#include "ui/picture_book.h"

namespace tap::ui {

// What the window shows, as an image: the face cut to the window's shape, transparent elsewhere.
QImage renderFace(const Face& face, const WindowShape& shape, const PictureBook& book, qreal dpr);

}  // namespace tap::ui
