#include "parts/seals/clamp_table.h"

#include "ui_clamp_table.h"

namespace seals {

namespace {

constexpr int kPrecision = 5;
constexpr int kDecimals = 1;

} // namespace

ClampTable::ClampTable(shell::PanelContext& context, QWidget* parent, const ClampEdits& clamp)
    : TableSidePanel(context, parent), ui(std::make_unique<Ui::Panel135>()), clamp_(clamp)
{
    ui->setupUi(this);
    prepareGrid(ui->StringGrid13);
    const QStringList widths = ui->StringGrid13->property("columnWidths").toString().split(u',');
    for (int c = 0; c < widths.size(); ++c)
        ui->StringGrid13->setColumnWidth(c, widths[c].toInt());
    onClick(ui->BitBtn20, &ClampTable::BitBtn20Click);
    onClick(ui->BitBtn25, &ClampTable::BitBtn25Click);
    onClick(ui->BitBtn30, &ClampTable::BitBtn30Click);
    onClick(ui->BitBtn33, &ClampTable::BitBtn33Click);
}

ClampTable::~ClampTable() = default;

void ClampTable::showType(ClampType type)
{
    fillGrid(ui->StringGrid13, clamp_sizes::gridText(type), true);
}

void ClampTable::BitBtn20Click()
{
    showType(ClampType::I);
}

void ClampTable::BitBtn25Click()
{
    showType(ClampType::II);
}

void ClampTable::BitBtn30Click()
{
    showType(ClampType::III);
}

void ClampTable::BitBtn33Click()
{
    using namespace clamp_sizes;
    const int n = rowNumber(ui->Edit560);
    double& scratch = w().Dim05;
    const ClampEdits& c = clamp_;
    if (n > kLastRowWithoutTab)
        writeThrough(scratch, c.h, kTabDepth, kPrecision, 0);
    if (n < kFirstRow || n > kLastRow)
        return;
    const ClampRow& r = row(n);
    for (const auto& [edit, value] : {std::pair{c.D, r.D}, {c.d, r.d}, {c.A, r.A}, {c.B, r.B}, {c.L, r.L}})
        writeThrough(scratch, edit, value, kPrecision, kDecimals);
    if (r.type == ClampType::I)
        writeThrough(scratch, c.L1, r.L1, kPrecision, kDecimals);
    for (const auto& [edit, value] : {std::pair{c.H, r.H}, {c.S, r.S}, {c.r, r.r}})
        writeThrough(scratch, edit, value, kPrecision, kDecimals);
}

} // namespace seals
