#pragma once
#include <QImage>
#include <QPainter>

#include "core/appearance/face.h"
#include "ui/picture_book.h"

namespace tap::ui {

// Paints the visible face elements bottom-up, as the window shows them.
void paintFace(QPainter& p, const Face& face, const PictureBook& book);

}  // namespace tap::ui
