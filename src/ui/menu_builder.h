#pragma once
// Pop-up menus built from a menu model each time they open.
#include <QPoint>
#include <QString>
#include <QWidget>

#include "core/appearance/menu.h"

namespace tap::ui {

// Shows `model` at a screen point and returns the name of the chosen item, or an empty string.
QString execMenu(QWidget* parent, const Menu& model, QPoint screenPos);

}  // namespace tap::ui
