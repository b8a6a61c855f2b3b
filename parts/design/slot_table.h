#pragma once
// The GOST 16030 table of longitudinal holes (Panel130) beside the slot
// panel, for reading only: the slot widths of both series and the range of
// lengths for each diameter of a fastener's shank.
#include "app/shell/table_side_panel.h"

#include <memory>

namespace Ui {
class Panel130;
}

namespace design {

class SlotTable : public shell::TableSidePanel {
public:
    SlotTable(shell::PanelContext& context, QWidget* parent);
    ~SlotTable() override;

    // The grid's texts: the header, then the eleven rows.
    static shell::GridText tableText();

    // Writes every cell of the grid, the same texts on every press.
    void fill();

private:
    std::unique_ptr<Ui::Panel130> ui;
};

} // namespace design
