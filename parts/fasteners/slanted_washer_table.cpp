#include "parts/fasteners/slanted_washer_table.h"

#include "parts/fasteners/gost10906.h"

#include "ui_slanted_washer_table.h"

namespace fasteners {

namespace {

constexpr int kColumnWidths[] = {28, 35, 38, 35, 32, 45};

} // namespace

SlantedWasherTable::SlantedWasherTable(shell::PanelContext& context, QWidget* parent,
                                       const SlantedWasherEdits& washer)
    : TableSidePanel(context, parent), ui(std::make_unique<Ui::Panel124>()), washer_(washer)
{
    ui->setupUi(this);
    prepareGrid(ui->StringGrid2);
    for (int c = 0; c < ui->StringGrid2->columnCount(); ++c)
        ui->StringGrid2->setColumnWidth(c, kColumnWidths[c]);
    onClick(ui->SpeedButton20, &SlantedWasherTable::SpeedButton20Click);
}

SlantedWasherTable::~SlantedWasherTable() = default;

shell::GridText SlantedWasherTable::tableText()
{
    // The texts as the printed table gives them: d and S with one decimal, B
    // and h whole, the decimal comma whatever the regional settings.
    shell::GridText rows{{QStringLiteral("  №"), QStringLiteral("    d"), QStringLiteral("     B"),
                          QStringLiteral("    S"), QStringLiteral("   h"), QStringLiteral("  Rmax")}};
    for (int n = 1; n <= gost10906::kRows; ++n) {
        const gost10906::WasherSize& s = gost10906::size(n);
        const auto comma = [](double v, int decimals) {
            return QString::number(v, 'f', decimals).replace(u'.', u',');
        };
        rows.push_back({QStringLiteral("%1").arg(n, 4), QStringLiteral("  ") + comma(s.d, 1),
                        QStringLiteral("   ") + QString::number(static_cast<int>(s.B)),
                        QStringLiteral("   ") + comma(s.S, 1),
                        QStringLiteral("   ") + QString::number(static_cast<int>(gost10906::kH)),
                        QStringLiteral("  ") + comma(gost10906::kRmax, 1)});
    }
    return rows;
}

void SlantedWasherTable::showTable()
{
    context().TableSidePanelLayout(this);
    fillGrid(ui->StringGrid2, tableText());
}

void SlantedWasherTable::SpeedButton20Click()
{
    const int n = rowNumber(ui->Edit531);
    double& scratch = w().Dim06;
    writeThrough(scratch, washer_.R, gost10906::kRmax, 7, 3);
    writeThrough(scratch, washer_.h, gost10906::kH, 7, 3);
    if (n < 1 || n > gost10906::kRows)
        return;
    const gost10906::WasherSize& s = gost10906::size(n);
    writeThrough(scratch, washer_.d, s.d, 7, 3);
    writeThrough(scratch, washer_.B, s.B, 7, 3);
    writeThrough(scratch, washer_.S, s.S, 7, 3);
}

} // namespace fasteners
