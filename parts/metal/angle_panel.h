#pragma once
// Hot-rolled angles (Panel12): legs B and b, thickness t, root fillet R, leg-end
// roundings r and length L.
#include "app/shell/part_panel.h"
#include "parts/metal/extruded_profile.h"

#include <memory>

namespace Ui {
class Panel12;
}

namespace metal {

class AnglePanel : public shell::PartPanel {
public:
    AnglePanel(shell::PanelContext& context, QWidget* parent);
    ~AnglePanel() override;

    void BitBtn8Click(); // "3D"

private:
    std::unique_ptr<Ui::Panel12> ui;
    ExtrudedProfile profile_;
};

} // namespace metal
