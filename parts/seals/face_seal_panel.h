#pragma once
// The O-ring face seal (Panel53): "3D" revolves the groove body (blue), to be
// subtracted from the part that carries the groove, and the squeezed ring
// (red); "2D" draws their axial section in lines and arcs, both halves.
// The seal's axis is the line y = D2/2 + r parallel to X; x = 0 is the
// groove's bottom and x = H the sealing face.
#include "app/shell/part_panel.h"

#include <memory>

namespace Ui {
class Panel53;
}

namespace seals {

class FaceSealPanel : public shell::PartPanel {
public:
    FaceSealPanel(shell::PanelContext& context, QWidget* parent);
    ~FaceSealPanel() override;

    void BitBtn47Click(); // "3D"
    void BitBtn48Click(); // "2D"

private:
    struct Sizes;
    Sizes readSizes();

    std::unique_ptr<Ui::Panel53> ui;
};

} // namespace seals
