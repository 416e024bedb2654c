#pragma once
// Picture1 of the key setup dialog: our controller picture with the model's leader lines drawn over it.
#include <QPixmap>
#include <QWidget>
#include <vector>

#include "core/keysetup/key_setup_dialog.h"

namespace tap::ui {

class ControllerPicture : public QWidget {
    Q_OBJECT
public:
    explicit ControllerPicture(QWidget* parent);
    void setLines(const std::vector<LeaderLine>& lines);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QPixmap controller_;
    std::vector<LeaderLine> lines_;
};

}  // namespace tap::ui
