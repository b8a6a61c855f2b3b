#pragma once
// I-beams (Panel20): height h, flange width b, web s, flange thickness t, root
// fillets R, tip roundings r, length L and the slope of the flanges' inner faces.
#include "app/shell/part_panel.h"
#include "parts/metal/extruded_profile.h"

#include <memory>

namespace Ui {
class Panel20;
}

namespace metal {

class IBeamPanel : public shell::PartPanel {
public:
    IBeamPanel(shell::PanelContext& context, QWidget* parent);
    ~IBeamPanel() override;

    void BitBtn15Click(); // "3D"

private:
    std::unique_ptr<Ui::Panel20> ui;
    ExtrudedProfile profile_;
};

} // namespace metal
