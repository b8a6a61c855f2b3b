#include "parts/seals/collar_table.h"

#include "parts/seals/collar_sizes.h"

#include "ui_collar_table.h"

namespace seals {

namespace {

// A value as the table prints it, written with as many decimals.
void load(double& scratch, QLineEdit* edit, const char* printed)
{
    const QString text = QString::fromLatin1(printed);
    const int point = text.indexOf(u'.');
    const int decimals = point < 0 ? 0 : static_cast<int>(text.size()) - point - 1;
    shell::TableSidePanel::writeThrough(scratch, edit, text.toDouble(), 15, decimals);
}

} // namespace

CollarTable::CollarTable(shell::PanelContext& context, QWidget* parent, const CollarEdits& collar)
    : TableSidePanel(context, parent), ui(std::make_unique<Ui::Panel139>()), collar_(collar)
{
    ui->setupUi(this);
    prepareGrid(ui->StringGrid15);
    const QStringList widths = ui->StringGrid15->property("columnWidths").toString().split(u',');
    for (int c = 0; c < widths.size(); ++c)
        ui->StringGrid15->setColumnWidth(c, widths[c].toInt());
    onClick(ui->BitBtn40, &CollarTable::BitBtn40Click);
}

CollarTable::~CollarTable() = default;

void CollarTable::showPistonList()
{
    fillGrid(ui->StringGrid15, collar_sizes::pistonList(), true);
}

void CollarTable::showRodList()
{
    fillGrid(ui->StringGrid15, collar_sizes::rodList(), true);
}

void CollarTable::BitBtn40Click()
{
    using namespace collar_sizes;
    const int n = rowNumber(ui->Edit564);
    double& scratch = w().Dim05;
    const CollarEdits& c = collar_;
    if (n >= kFirstRow && n <= kLastPistonRow) {
        const PistonRow& row = pistonRow(n);
        QLineEdit* const edits[] = {c.R3, c.fc, c.Dc, c.Dp, c.D1, c.d, c.h, c.h1, c.f};
        for (std::size_t k = 0; k < row.size(); ++k)
            load(scratch, edits[k], row[k]);
    } else if (n > kLastPistonRow && n <= kLastRow) {
        const RodRow& row = rodRow(n);
        QLineEdit* const edits[] = {c.R3, c.fc, c.dr, c.dh, c.d1, c.d2, c.b, c.H};
        for (std::size_t k = 0; k < row.size(); ++k)
            if (row[k])
                load(scratch, edits[k], row[k]);
    }
}

} // namespace seals
