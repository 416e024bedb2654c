#pragma once
#include <QPointer>
#include <QWidget>

#include "core/platform.h"

namespace tap::qt {

class QtDialogs : public Dialogs {
public:
    void setOwner(QWidget* owner) { owner_ = owner; }
    MessageAnswer messageBox(const std::string& text, MessageIcon icon, MessageButtons buttons) override;

private:
    QPointer<QWidget> owner_;
};

}  // namespace tap::qt
