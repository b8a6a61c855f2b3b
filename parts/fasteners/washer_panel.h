#pragma once
// Washers (Panel45): a flat ring with 45° chamfers on the outer and the bore
// edge of its upper face. "3D" revolves its wall about the line x = D/2;
// "2D" draws its axial section as eleven lines at the same place.
#include "app/shell/part_panel.h"

#include <memory>

namespace Ui {
class Panel45;
}

namespace fasteners {

class WasherPanel : public shell::PartPanel {
public:
    WasherPanel(shell::PanelContext& context, QWidget* parent);
    ~WasherPanel() override;

    void BitBtn37Click(); // "3D"
    void BitBtn99Click(); // "2D"

private:
    // D, d, H, s and z into the bank, all before anything is drawn.
    void readSizes();
    std::unique_ptr<Ui::Panel45> ui;
};

} // namespace fasteners
