#include "parts/design/table_grid.h"

#include "app/shell/table_side_panel.h"

#include <QTableWidget>

namespace design {

void prepareLayoutGrid(QTableWidget* grid)
{
    shell::TableSidePanel::prepareGrid(grid);
    const QStringList widths = grid->property("columnWidths").toString().split(u',', Qt::SkipEmptyParts);
    for (int c = 0; c < widths.size() && c < grid->columnCount(); ++c)
        grid->setColumnWidth(c, widths[c].trimmed().toInt());
}

} // namespace design
