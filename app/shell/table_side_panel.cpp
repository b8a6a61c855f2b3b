#include "app/shell/table_side_panel.h"

#include <QHeaderView>

namespace shell {

TableSidePanel::TableSidePanel(PanelContext& context, QWidget* parent) : PartPanel(context, parent) {}

void TableSidePanel::prepareGrid(QTableWidget* grid, bool headerRow)
{
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->setProperty("headerRow", headerRow);
}

void TableSidePanel::fillGrid(QTableWidget* grid, const GridText& rows, bool setRowCount)
{
    if (setRowCount)
        grid->setRowCount(static_cast<int>(rows.size()));
    const bool header = grid->property("headerRow").toBool();
    for (int r = 0; r < static_cast<int>(rows.size()) && r < grid->rowCount(); ++r) {
        for (int c = 0; c < rows[r].size() && c < grid->columnCount(); ++c) {
            auto* item = new QTableWidgetItem(rows[r][c]);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            if (r == 0 && header)
                item->setBackground(grid->palette().button());
            grid->setItem(r, c, item);
        }
    }
}

void TableSidePanel::showStacked(QTableWidget* chosen, const std::vector<QTableWidget*>& all, QSize shown)
{
    for (QTableWidget* g : all)
        if (g != chosen)
            g->resize(0, 0);
    chosen->resize(shown);
}

void TableSidePanel::writeThrough(double& slot, QLineEdit* edit, double value, int precision, int digits)
{
    slot = value;
    writeFloat(edit, slot, precision, digits);
}

} // namespace shell
