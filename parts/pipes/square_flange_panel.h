#pragma once
// Square flanges (Panel50): "3D" extrudes the plate with rounded or
// chamfered corners and cuts the central and the four bolt holes; "2D"
// draws the plate's plan and its section A-A in lines, arcs and circles.
#include "app/shell/part_panel.h"

#include <memory>

namespace Ui {
class Panel50;
}

namespace pipes {

class SquareFlangePanel : public shell::PartPanel {
public:
    SquareFlangePanel(shell::PanelContext& context, QWidget* parent);
    ~SquareFlangePanel() override;

    void BitBtn45Click(); // "3D"
    void BitBtn44Click(); // "2D"

private:
    // The plate's sizes as typed: side L, bolt square M, corner R, central
    // hole D, bolt holes d, thickness H.
    struct Sizes {
        double L, M, R, D, d, H;
    };
    // Reads the six edits in order; L, D, d and H also go to the bank.
    Sizes readSizes();

    std::unique_ptr<Ui::Panel50> ui;
};

} // namespace pipes
