#pragma once
// Bent angles (Panel16): legs B and b bent from a sheet s with the inner radius
// R, length L.
#include "app/shell/part_panel.h"
#include "parts/metal/extruded_profile.h"

#include <memory>

namespace Ui {
class Panel16;
}

namespace metal {

class BentAnglePanel : public shell::PartPanel {
public:
    BentAnglePanel(shell::PanelContext& context, QWidget* parent);
    ~BentAnglePanel() override;

    void BitBtn10Click(); // "3D"

private:
    std::unique_ptr<Ui::Panel16> ui;
    ExtrudedProfile profile_;
};

} // namespace metal
