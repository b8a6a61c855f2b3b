#pragma once
// The pipe tables (Panel132) beside the pipe panel: square pipes after
// GOST 8639 or rectangular pipes after GOST 8645 in one grid, for reading.
#include "app/shell/table_side_panel.h"
#include "parts/metal/gost_pipes.h"

#include <memory>

namespace Ui {
class Panel132;
}

namespace metal {

class PipeTables : public shell::TableSidePanel {
public:
    PipeTables(shell::PanelContext& context, QWidget* parent);
    ~PipeTables() override;

    // The grid's texts for a table: the header, then one row per entry.
    static shell::GridText tableText(const std::vector<pipes::PipeEntry>& entries);

    void BitBtn128Click(); // "ГОСТ 8639"
    void BitBtn129Click(); // "ГОСТ 8645"

private:
    void show(const std::vector<pipes::PipeEntry>& entries);

    std::unique_ptr<Ui::Panel132> ui;
};

} // namespace metal
