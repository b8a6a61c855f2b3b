#pragma once
// The collar table (Panel139) beside the collar panel: the piston list or
// the rod list of standard collars in one grid, and a row loader that
// copies row N (1 to 29, whichever list is shown) into the collar panel.
#include "app/shell/table_side_panel.h"
#include "parts/seals/collar_panel.h"

#include <memory>

namespace Ui {
class Panel139;
}

namespace seals {

class CollarTable : public shell::TableSidePanel {
public:
    CollarTable(shell::PanelContext& context, QWidget* parent, const CollarEdits& collar);
    ~CollarTable() override;

    void showPistonList(); // rows 1 to 14
    void showRodList();    // rows 15 to 29

    void BitBtn40Click(); // "№ загрузить"

private:
    std::unique_ptr<Ui::Panel139> ui;
    CollarEdits collar_;
};

} // namespace seals
