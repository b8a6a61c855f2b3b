#include "parts/design/spline_table.h"

#include "parts/design/gost1139.h"

#include "ui_spline_table.h"

namespace design {

namespace {

struct Heading {
    gost1139::Series series;
    const char* title;
};

const Heading kHeadings[] = {
    {gost1139::kLight, "Размеры легкой серии"},
    {gost1139::kMedium, "Размеры средней серии"},
    {gost1139::kHeavy, "Размеры тяжелой серии"},
};

bool within(int n, int first, int last)
{
    return n >= first && n <= last;
}

} // namespace

SplineTable::SplineTable(shell::PanelContext& context, QWidget* parent, const SplineEdits& spline)
    : TableSidePanel(context, parent), ui(std::make_unique<Ui::Panel138>()), spline_(spline)
{
    ui->setupUi(this);
    shell::TableSidePanel::prepareLayoutGrid(ui->StringGrid14);
    onClick(ui->BitBtn12, &SplineTable::BitBtn12Click);
}

SplineTable::~SplineTable() = default;

shell::GridText SplineTable::tableText()
{
    shell::GridText rows{{QStringLiteral("  №"), QStringLiteral("    Номинальный размер z x d x D")}};
    for (const Heading& h : kHeadings) {
        // The heading's number cell stays empty.
        rows.push_back({QString(), QString(10, u' ') + QString::fromUtf8(h.title)});
        for (int n = h.series.first; n <= h.series.last; ++n) {
            const gost1139::SplineSize& s = gost1139::size(n);
            rows.push_back({QStringLiteral("%1").arg(n, 3), QStringLiteral("%1 x %2 x %3").arg(s.z, 20).arg(s.d).arg(s.D)});
        }
    }
    return rows;
}

void SplineTable::fill()
{
    fillGrid(ui->StringGrid14, tableText());
}

void SplineTable::BitBtn12Click()
{
    const int n = rowNumber(ui->Edit563);
    if (n < 1 || n > gost1139::kRows)
        return;
    const gost1139::SplineSize& s = gost1139::size(n);
    double& scratch = w().Dim05;
    writeThrough(scratch, spline_.z, s.z, 5, 0);
    writeThrough(scratch, spline_.d, s.d, 5, 0);
    writeThrough(scratch, spline_.D, s.D, 5, 0);
    // The medium sizes up to 8 x 42 x 48 and the first heavy one give b to tenths.
    writeThrough(scratch, spline_.b, s.b, 5, within(n, 16, 26) || n == 36 ? 1 : 0);
    writeThrough(scratch, spline_.f, s.f, 5, 1);
    writeThrough(scratch, spline_.r, s.r, 5, 1);
}

} // namespace design
