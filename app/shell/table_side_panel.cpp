#include "app/shell/table_side_panel.h"

#include <QHeaderView>

namespace shell {

namespace {

// The property that marks a grid whose first row is its fixed header.
constexpr char kHeaderRow[] = "headerRow";

bool hasHeaderRow(const QTableWidget* grid)
{
    return grid->property(kHeaderRow).toBool();
}

// The header row is shown by the grid's horizontal header, which stays at
// the top while the rows scroll and takes no selection; its row in the
// grid keeps the texts and stays hidden.
void showHeaderRow(QTableWidget* grid)
{
    for (int c = 0; c < grid->columnCount(); ++c) {
        const QTableWidgetItem* cell = grid->rowCount() > 0 ? grid->item(0, c) : nullptr;
        auto* section = new QTableWidgetItem(cell ? cell->text() : QString());
        section->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        grid->setHorizontalHeaderItem(c, section);
    }
    if (grid->rowCount() > 0)
        grid->setRowHidden(0, true);
}

} // namespace

TableSidePanel::TableSidePanel(PanelContext& context, QWidget* parent) : PartPanel(context, parent) {}

void TableSidePanel::prepareLayoutGrid(QTableWidget* grid)
{
    prepareGrid(grid);
    const QStringList widths = grid->property("columnWidths").toString().split(u',', Qt::SkipEmptyParts);
    for (int c = 0; c < widths.size() && c < grid->columnCount(); ++c)
        grid->setColumnWidth(c, widths[c].trimmed().toInt());
}

void TableSidePanel::prepareGrid(QTableWidget* grid, bool headerRow)
{
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->verticalHeader()->hide();
    grid->setProperty(kHeaderRow, headerRow);
    QHeaderView* header = grid->horizontalHeader();
    if (!headerRow) {
        header->hide();
        return;
    }
    // The fixed row is as high as the grid's other rows.
    header->setFixedHeight(grid->verticalHeader()->defaultSectionSize());
    header->setSectionsClickable(false);
    header->setHighlightSections(false);
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->show();
    showHeaderRow(grid);
}

void TableSidePanel::fillGrid(QTableWidget* grid, const GridText& rows, bool setRowCount)
{
    if (setRowCount)
        grid->setRowCount(static_cast<int>(rows.size()));
    const bool header = hasHeaderRow(grid);
    for (int r = 0; r < static_cast<int>(rows.size()) && r < grid->rowCount(); ++r) {
        for (int c = 0; c < rows[r].size() && c < grid->columnCount(); ++c) {
            auto* item = new QTableWidgetItem(rows[r][c]);
            item->setFlags(r == 0 && header ? Qt::ItemIsEnabled : Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            grid->setItem(r, c, item);
        }
    }
    if (header)
        showHeaderRow(grid);
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
