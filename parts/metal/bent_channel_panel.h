#pragma once
// Bent channels (Panel28): height h, flanges b, sheet s, inner bend radius R,
// length L.
#include "app/shell/part_panel.h"
#include "parts/metal/extruded_profile.h"

#include <memory>

namespace Ui {
class Panel28;
}

namespace metal {

class BentChannelPanel : public shell::PartPanel {
public:
    BentChannelPanel(shell::PanelContext& context, QWidget* parent);
    ~BentChannelPanel() override;

    void BitBtn23Click(); // "3D"

private:
    std::unique_ptr<Ui::Panel28> ui;
    ExtrudedProfile profile_;
};

} // namespace metal
