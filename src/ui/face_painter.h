#pragma once
#include <QImage>
#include <QPainter>
#include <optional>

#include "core/appearance/face.h"
#include "ui/picture_book.h"

namespace tap::ui {

// Paints the visible face elements bottom-up, as the window shows them; with `area`, only the elements
// that reach into it.
void paintFace(QPainter& p, const Face& face, const PictureBook& book, std::optional<Rect> area = std::nullopt);

}  // namespace tap::ui
