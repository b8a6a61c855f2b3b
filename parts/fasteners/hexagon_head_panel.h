#pragma once
// Hexagon heads of bolts and nut blanks (Panel46): a cylinder of diameter e
// cut to a hexagon S across flats, one or both faces chamfered by cone
// rings, two cross holes d and a shank D with its fillet and flare. The head
// stands on the axis x = y = e/2, its faces at z = ±m/2, the shank along -Z.
#include "app/shell/part_panel.h"

#include <memory>

namespace Ui {
class Panel46;
}

namespace fasteners {

class HexagonHeadPanel : public shell::PartPanel {
public:
    HexagonHeadPanel(shell::PanelContext& context, QWidget* parent);
    ~HexagonHeadPanel() override;

    void BitBtn38Click(); // "3D"

private:
    std::unique_ptr<Ui::Panel46> ui;
};

} // namespace fasteners
