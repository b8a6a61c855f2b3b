#include "parts/pipes/ball_table.h"

#include "ui_ball_table.h"

namespace pipes {

BallTable::BallTable(shell::PanelContext& context, QWidget* parent)
    : TableSidePanel(context, parent), ui(std::make_unique<Ui::Panel122>())
{
    ui->setupUi(this);
    // The header is an ordinary row of this grid.
    prepareGrid(ui->StringGrid1, false);
    const QStringList widths = ui->StringGrid1->property("columnWidths").toString().split(u',');
    for (int c = 0; c < widths.size() && c < ui->StringGrid1->columnCount(); ++c)
        ui->StringGrid1->setColumnWidth(c, widths[c].trimmed().toInt());
    onClick(ui->SpeedButton18, &BallTable::SpeedButton18Click);
}

BallTable::~BallTable() = default;

void BallTable::fillSizes()
{
    fillGrid(ui->StringGrid1, ball::tableText());
}

void BallTable::SpeedButton18Click()
{
    const int n = rowNumber(ui->Edit523);
    if (n < 1 || n > ball::kRows)
        return;
    const auto values = ball::rowValues(n, targets_.gThread->isChecked());
    for (int k = 0; k < ball::kValues; ++k)
        writeThrough(w().Dim06, targets_.edits[k], values[k], 7, 3);
}

} // namespace pipes
