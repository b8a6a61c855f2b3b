#pragma once
// Cotter pins (Panel86): a split pin of half-disc wire pushed through the
// part it locks, in the XY plane with the eye's centre at the origin and the
// legs along +X from x = t = L1 − D/2; the upper leg is the shorter one. The
// legs are bent against the part's flat face or wrapped round an axle, and
// end pointed, square or slanted.
#include "app/shell/part_panel.h"

#include <memory>

namespace Ui {
class Panel86;
}

namespace fasteners {

class CotterPinPanel : public shell::PartPanel {
public:
    CotterPinPanel(shell::PanelContext& context, QWidget* parent);
    ~CotterPinPanel() override;

    void BitBtn78Click(); // "3D"

private:
    std::unique_ptr<Ui::Panel86> ui;
};

} // namespace fasteners
