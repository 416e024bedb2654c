#pragma once
// The dark instrument panel around green screens that the analyzer and the history windows share.
#include <QPalette>
#include <QWidget>

namespace tap::ui {

// Gives `w` the panel's colours and paints its background with them; returns the palette for additions.
QPalette instrumentPalette(QWidget& w);

}  // namespace tap::ui
