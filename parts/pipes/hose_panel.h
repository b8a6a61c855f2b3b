#pragma once
// Permanent hose connections (Panel91): a one-piece fitting with the barbed
// nipple, a shank and either a head with an inner cylindrical inch thread G,
// a collar and a hexagon, or a hexagon and an outer tapered inch thread K.
// "3D" draws it as one solid: axis along X, the thread's end face in the
// plane x = 0, the nipple's tip at x = L. The thread's diameters are looked
// up by its size in inches.
#include "app/shell/part_panel.h"

#include <memory>

namespace Ui {
class Panel91;
}

namespace pipes {

class HosePanel : public shell::PartPanel {
public:
    HosePanel(shell::PanelContext& context, QWidget* parent);
    ~HosePanel() override;

    void BitBtn88Click(); // "3D"

private:
    void drawCylindricalThread();
    void drawTaperedThread();

    std::unique_ptr<Ui::Panel91> ui;
};

} // namespace pipes
