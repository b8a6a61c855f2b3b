#pragma once
// The GOST 10906 table of slanted washers (Panel124), beside the washer
// panel: its grid, and the row loader that copies size N into the panel.
#include "app/shell/table_side_panel.h"
#include "parts/fasteners/slanted_washer_panel.h"

#include <memory>

namespace Ui {
class Panel124;
}

namespace fasteners {

class SlantedWasherTable : public shell::TableSidePanel {
public:
    SlantedWasherTable(shell::PanelContext& context, QWidget* parent, const SlantedWasherEdits& washer);
    ~SlantedWasherTable() override;

    // The texts of the grid: the header, then N, d, B, S, h and Rmax.
    static shell::GridText tableText();

    // Shows the panel beside the washer panel and writes its grid.
    void showTable();

    void SpeedButton20Click(); // "№ ЗАГРУЗИТЬ"

private:
    std::unique_ptr<Ui::Panel124> ui;
    SlantedWasherEdits washer_;
};

} // namespace fasteners
