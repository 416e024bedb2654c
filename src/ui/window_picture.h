#pragma once
// What a game window or the loader's preview shows: one of our pictures or the user's, from the
// top-left corner, cut to the given size.
#include <QPainter>
#include <QRegion>

#include "core/appearance/secondary_windows.h"
#include "ui/picture_book.h"

namespace tap::ui {

void paintWindowPicture(QPainter& p, const WindowPicture& picture, const PictureBook& book, QSize cut);

// A window shape as a window mask, pixel for pixel.
QRegion maskOf(const Region& region);

}  // namespace tap::ui
