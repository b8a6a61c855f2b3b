#pragma once
// A table side panel: the table of a standard or a handbook shown right of
// the work area in a read-only string grid, on some panels split into series
// chosen by buttons, with a row loader that copies one row, held by the
// program, into the part panel's edit boxes. Row 0 of a grid holds the
// column headers; on a grid with a header row it shows as a fixed row that
// stays in sight while the other rows scroll and cannot be selected.
#include "app/shell/part_panel.h"

#include <QSize>
#include <QStringList>
#include <QTableWidget>

#include <vector>

namespace shell {

// The literal texts of a grid: the header row, then one row per table row.
using GridText = std::vector<QStringList>;

class TableSidePanel : public PartPanel {
public:
    TableSidePanel(PanelContext& context, QWidget* parent);

    // Makes a grid of the layout read-only; with headerRow its row 0 is the
    // fixed header row, otherwise an ordinary row.
    static void prepareGrid(QTableWidget* grid, bool headerRow = true);
    // prepareGrid with row 0 the header row, and the column widths of the
    // grid's "columnWidths" property in its layout ("36,62,64,54").
    static void prepareLayoutGrid(QTableWidget* grid);
    // Writes every cell; with setRowCount the grid's row count becomes the
    // number of rows given (a grid shared by several series).
    static void fillGrid(QTableWidget* grid, const GridText& rows, bool setRowCount = false);
    // Stacked grids: the chosen one gets its shown size, the others 0 x 0.
    static void showStacked(QTableWidget* chosen, const std::vector<QTableWidget*>& all, QSize shown);

    // The row number typed into the loader's edit; a text that is not a whole
    // number ends the loader before anything is written.
    static int rowNumber(const QLineEdit* edit) { return readInt(edit); }
    // A loaded value passes through the bank slot into the edit box.
    static void writeThrough(double& slot, QLineEdit* edit, double value, int precision, int digits);
};

} // namespace shell
