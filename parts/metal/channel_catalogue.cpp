#include "parts/metal/channel_catalogue.h"


#include "ui_channel_catalogue.h"

namespace metal {

using gost8240::Series;

namespace {

const QSize kShownGrid(241, 151);

QString blanks(int n)
{
    return QString(n, u' ');
}

// Blanks before a designation: 6, or 7 for the П and Э sizes from 8 on and
// for "8С", which aligns them in the printed table.
int designationIndent(const gost8240::ChannelSize& c)
{
    const QString d = QString::fromUtf8(c.designation);
    switch (c.series) {
    case Series::P:
    case Series::E:
        return d.startsWith(u"5") || d.startsWith(u"6,5") ? 6 : 7;
    case Series::S:
        return d == QStringLiteral("8С") ? 7 : 6;
    default:
        return 6;
    }
}

} // namespace

ChannelCatalogue::ChannelCatalogue(shell::PanelContext& context, QWidget* parent, const ChannelEdits& channel)
    : TableSidePanel(context, parent), ui(std::make_unique<Ui::Panel125>()), channel_(channel)
{
    ui->setupUi(this);
    for (QTableWidget* grid : {ui->StringGrid3, ui->StringGrid4, ui->StringGrid5, ui->StringGrid6, ui->StringGrid7})
        shell::TableSidePanel::prepareLayoutGrid(grid);
    onClick(ui->BitBtn115, &ChannelCatalogue::BitBtn115Click);
    onClick(ui->BitBtn116, &ChannelCatalogue::BitBtn116Click);
    onClick(ui->BitBtn117, &ChannelCatalogue::BitBtn117Click);
    onClick(ui->BitBtn118, &ChannelCatalogue::BitBtn118Click);
    onClick(ui->BitBtn119, &ChannelCatalogue::BitBtn119Click);
    onClick(ui->BitBtn114, &ChannelCatalogue::BitBtn114Click);
}

ChannelCatalogue::~ChannelCatalogue() = default;

shell::GridText ChannelCatalogue::seriesText(Series series)
{
    shell::GridText rows{{QStringLiteral("     №"), QStringLiteral("      № шв."), QStringLiteral("        h"),
                          QStringLiteral("        b")}};
    const gost8240::SeriesRows range = gost8240::rowsOf(series);
    for (int n = range.first; n <= range.last; ++n) {
        const gost8240::ChannelSize& c = gost8240::size(n);
        const QString designation = blanks(designationIndent(c)) + QString::fromUtf8(c.designation);
        const int width = series == Series::U ? 9 : 10;
        const QString number = series == Series::U ? QStringLiteral("%1").arg(n, 6) : blanks(5) + QString::number(n);
        rows.push_back({number, designation, QStringLiteral("%1").arg(static_cast<int>(c.h), width),
                        QStringLiteral("%1").arg(static_cast<int>(c.b), width)});
    }
    return rows;
}

void ChannelCatalogue::showSeries(Series series, QTableWidget* grid)
{
    showStacked(grid, {ui->StringGrid3, ui->StringGrid4, ui->StringGrid5, ui->StringGrid6, ui->StringGrid7},
                kShownGrid);
    fillGrid(grid, seriesText(series));
}

void ChannelCatalogue::BitBtn115Click()
{
    showSeries(Series::U, ui->StringGrid3);
}

void ChannelCatalogue::BitBtn116Click()
{
    showSeries(Series::P, ui->StringGrid4);
}

void ChannelCatalogue::BitBtn117Click()
{
    showSeries(Series::E, ui->StringGrid5);
}

void ChannelCatalogue::BitBtn118Click()
{
    showSeries(Series::L, ui->StringGrid6);
}

void ChannelCatalogue::BitBtn119Click()
{
    showSeries(Series::S, ui->StringGrid7);
}

void ChannelCatalogue::BitBtn114Click()
{
    const int n = rowNumber(ui->Edit532);
    double& scratch = w().Dim06;
    writeThrough(scratch, channel_.slope, gost8240::flangeSlope(n), 15, 0);
    if (n < 1 || n > gost8240::kRows)
        return;
    const gost8240::ChannelSize& c = gost8240::size(n);
    writeThrough(scratch, channel_.h, c.h, 15, 1);
    writeThrough(scratch, channel_.b, c.b, 15, 1);
    writeThrough(scratch, channel_.s, c.s, 15, 1);
    writeThrough(scratch, channel_.t, c.t, 15, 1);
    writeThrough(scratch, channel_.R, c.R, 15, 1);
    // The special series from 14С on gives r to hundredths.
    writeThrough(scratch, channel_.r, c.r, 15, n >= 63 ? 2 : 1);
}

} // namespace metal
