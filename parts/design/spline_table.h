#pragma once
// The GOST 1139 spline table (Panel138) beside the spline panel: the
// nominal sizes z x d x D of three series, and the row loader that copies
// size N (z, d, D, b, f, r) into the spline panel.
#include "app/shell/table_side_panel.h"
#include "parts/design/spline_bore_panel.h"

#include <memory>

namespace Ui {
class Panel138;
}

namespace design {

class SplineTable : public shell::TableSidePanel {
public:
    SplineTable(shell::PanelContext& context, QWidget* parent, const SplineEdits& spline);
    ~SplineTable() override;

    // The grid's texts: the header, then each series under its heading.
    static shell::GridText tableText();

    // Writes every cell of the grid, the same texts on every press.
    void fill();

    void BitBtn12Click(); // "№ загрузить"

private:
    std::unique_ptr<Ui::Panel138> ui;
    SplineEdits spline_;
};

} // namespace design
