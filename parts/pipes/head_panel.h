#pragma once
// Elliptic heads to GOST 6533 (Panel1): "3D" revolves the head's half
// cross-section, both ellipses followed degree by degree, about the Y axis;
// "2D" replaces that head by its axial section with the bore's edges and
// the axis.
#include "app/shell/part_panel.h"

#include <memory>

namespace Ui {
class Panel1;
}

namespace pipes {

class HeadPanel : public shell::PartPanel {
public:
    HeadPanel(shell::PanelContext& context, QWidget* parent);
    ~HeadPanel() override;

    void BitBtn2Click(); // "3D"
    void BitBtn1Click(); // "2D"

private:
    std::unique_ptr<Ui::Panel1> ui;
};

} // namespace pipes
