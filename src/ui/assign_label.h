#pragma once
// A label of the key setup dialog that is clicked to capture a key or a pad button: its caption and
// colour come from the dialog's model, a click goes back to it.
#include <QLabel>

#include "core/keysetup/key_setup_dialog.h"

namespace tap::ui {

class AssignLabel : public QLabel {
    Q_OBJECT
public:
    AssignLabel(const QString& toolTip, QWidget* parent);
    void setLabel(const tap::AssignLabel& label);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* e) override;
};

}  // namespace tap::ui
