#include "ui/menu_builder.h"

#include <QMenu>
#include <memory>

namespace tap::ui {

namespace {
QMenu* buildMenu(QWidget* parent, const std::vector<MenuItem>& items, QString& chosen) {
    auto* menu = new QMenu(parent);
    for (const auto& it : items) {
        if (!it.visible) continue;
        if (it.isSeparator()) {
            menu->addSeparator();
            continue;
        }
        if (!it.children.empty()) {
            QMenu* sub = buildMenu(menu, it.children, chosen);
            sub->setTitle(QString::fromStdString(it.caption));
            menu->addMenu(sub);
            continue;
        }
        QAction* a = menu->addAction(QString::fromStdString(it.caption));
        a->setObjectName(QString::fromStdString(it.name));
        a->setEnabled(it.enabled);
        a->setCheckable(it.checked);
        a->setChecked(it.checked);
        QObject::connect(a, &QAction::triggered, [&chosen, name = a->objectName()] { chosen = name; });
    }
    return menu;
}
}  // namespace

QString execMenu(QWidget* parent, const Menu& model, QPoint screenPos) {
    QString chosen;
    std::unique_ptr<QMenu> menu(buildMenu(parent, model.items(), chosen));
    menu->exec(screenPos);
    return chosen;
}

}  // namespace tap::ui
