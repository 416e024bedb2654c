#pragma once
// The pad tab's live view: each attached pad by number and name, with its twelve buttons lit while down.
#include <QWidget>
#include <vector>

#include "core/keysetup/pad_tester.h"

namespace tap::ui {

class PadTesterView : public QWidget {
    Q_OBJECT
public:
    explicit PadTesterView(QWidget* parent);
    void setPads(const std::vector<TestedPad>& pads);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    std::vector<TestedPad> pads_;
};

}  // namespace tap::ui
