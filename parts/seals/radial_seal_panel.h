#pragma once
// The O-ring radial seal (Panel54): "3D" revolves the groove body (blue),
// to be subtracted from the shaft (variant A) or the housing (variant Б),
// and the ring squeezed between the groove's bottom and the mating surface
// (green), both about the X axis with the groove centred on x = 0.
#include "app/shell/part_panel.h"

#include <memory>

namespace Ui {
class Panel54;
}

namespace seals {

class RadialSealPanel : public shell::PartPanel {
public:
    RadialSealPanel(shell::PanelContext& context, QWidget* parent);
    ~RadialSealPanel() override;

    void BitBtn51Click(); // "3D"

private:
    std::unique_ptr<Ui::Panel54> ui;
};

} // namespace seals
