#include "parts/metal/pipe_tables.h"


#include "ui_pipe_tables.h"

#include <cmath>

namespace metal {

namespace {

const QSize kGridSize(238, 214);

bool within(int n, int first, int last)
{
    return n >= first && n <= last;
}

// A size as the standard prints it: whole millimetres, or halves with a
// decimal comma.
QString millimetres(double v)
{
    if (v == std::floor(v))
        return QString::number(static_cast<int>(v));
    return QString::number(v, 'f', 1).replace(u'.', u',');
}

QString indented(int blanks, const QString& text)
{
    return QString(blanks, u' ') + text;
}

} // namespace

PipeTables::PipeTables(shell::PanelContext& context, QWidget* parent)
    : TableSidePanel(context, parent), ui(std::make_unique<Ui::Panel132>())
{
    ui->setupUi(this);
    shell::TableSidePanel::prepareLayoutGrid(ui->StringGrid12);
    onClick(ui->BitBtn128, &PipeTables::BitBtn128Click);
    onClick(ui->BitBtn129, &PipeTables::BitBtn129Click);
}

PipeTables::~PipeTables() = default;

shell::GridText PipeTables::tableText(const std::vector<pipes::PipeEntry>& entries)
{
    shell::GridText rows{{QStringLiteral("   №"), QStringLiteral("      b"), QStringLiteral("     h"),
                          QStringLiteral("      t"), QStringLiteral("   Rmax")}};
    for (const pipes::PipeEntry& e : entries) {
        const int n = e.number;
        // A blank more in some cells of the rectangular table, as printed.
        const bool wideB = within(n, 166, 190) || within(n, 329, 337);
        const bool wideH = within(n, 166, 190) || within(n, 306, 310) || within(n, 316, 320) || within(n, 329, 339);
        const bool wideT = within(n, 316, 345);
        rows.push_back({indented(n >= 100 ? 2 : 3, QString::number(n)), indented(wideB ? 4 : 3, millimetres(e.b)),
                        indented(wideH ? 4 : 3, millimetres(e.h)), indented(wideT ? 5 : 4, millimetres(e.t)),
                        indented(6, millimetres(e.rmax))});
    }
    return rows;
}

void PipeTables::show(const std::vector<pipes::PipeEntry>& entries)
{
    ui->StringGrid12->resize(kGridSize);
    fillGrid(ui->StringGrid12, tableText(entries), true);
}

void PipeTables::BitBtn128Click()
{
    show(pipes::gost8639());
}

void PipeTables::BitBtn129Click()
{
    show(pipes::gost8645());
}

} // namespace metal
