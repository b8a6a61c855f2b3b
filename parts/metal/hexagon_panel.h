#pragma once
// Hexagon bar (Panel37): size across flats a and length L; the diameter of the
// circumscribed circle is written back into the panel.
#include "app/shell/part_panel.h"
#include "parts/metal/extruded_profile.h"

#include <memory>

namespace Ui {
class Panel37;
}

namespace metal {

class HexagonPanel : public shell::PartPanel {
public:
    HexagonPanel(shell::PanelContext& context, QWidget* parent);
    ~HexagonPanel() override;

    void BitBtn27Click(); // "3D"

private:
    std::unique_ptr<Ui::Panel37> ui;
    ExtrudedProfile profile_;
};

} // namespace metal
