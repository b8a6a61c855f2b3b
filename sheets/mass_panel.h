#pragma once
// Mass calculator (Panel44): the mass in kilograms of bodies whose volume in
// cubic millimetres the drawing window reports, at the typed density in
// kilograms per cubic metre.
#include "app/shell/part_panel.h"

#include <memory>

namespace Ui {
class Panel44;
}

namespace sheets {

class MassPanel : public shell::PartPanel {
public:
    MassPanel(shell::PanelContext& context, QWidget* parent);
    ~MassPanel() override;

    void BitBtn34Click(); // the calculator button

private:
    std::unique_ptr<Ui::Panel44> ui;
};

} // namespace sheets
