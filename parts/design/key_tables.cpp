#include "parts/design/key_tables.h"


#include "ui_key_tables.h"

namespace design {

namespace {

const QSize kShownGrid(238, 175);

QString blanks(int n)
{
    return QString(n, u' ');
}

} // namespace

KeyTables::KeyTables(shell::PanelContext& context, QWidget* parent, const KeywayEdits& keyway)
    : TableSidePanel(context, parent), ui(std::make_unique<Ui::Panel129>()), keyway_(keyway)
{
    ui->setupUi(this);
    for (QTableWidget* grid : {ui->StringGrid8, ui->StringGrid9, ui->StringGrid10})
        shell::TableSidePanel::prepareLayoutGrid(grid);
    onClick(ui->BitBtn124, &KeyTables::BitBtn124Click);
    onClick(ui->BitBtn125, &KeyTables::BitBtn125Click);
    onClick(ui->BitBtn126, &KeyTables::BitBtn126Click);
    onClick(ui->BitBtn127, &KeyTables::BitBtn127Click);
}

KeyTables::~KeyTables() = default;

shell::GridText KeyTables::standardText(keys::Standard standard)
{
    shell::GridText rows{{QStringLiteral("   №"), QStringLiteral("       d"), QStringLiteral(" Сечение шпонки b x h")}};
    for (int n = standard.first; n <= standard.last; ++n) {
        const keys::KeyRow& k = keys::row(n);
        const QString shaft = QString::fromUtf8(k.shaft);
        const QString section = QStringLiteral("%1 x %2").arg(k.b).arg(k.h);
        rows.push_back({blanks(3) + QString::number(n), blanks(shaft.startsWith(u'>') ? 2 : 3) + shaft,
                        blanks(k.b < 10 ? 16 : 15) + section});
    }
    return rows;
}

void KeyTables::showStandard(keys::Standard standard, QTableWidget* grid)
{
    showStacked(grid, {ui->StringGrid8, ui->StringGrid9, ui->StringGrid10}, kShownGrid);
    fillGrid(grid, standardText(standard));
}

void KeyTables::BitBtn124Click()
{
    showStandard(keys::kGost23360, ui->StringGrid8);
    // The header of this grid stands on white.
    for (int c = 0; c < ui->StringGrid8->columnCount(); ++c)
        if (QTableWidgetItem* item = ui->StringGrid8->item(0, c))
            item->setBackground(Qt::white);
}

void KeyTables::BitBtn125Click()
{
    showStandard(keys::kGost10748, ui->StringGrid9);
}

void KeyTables::BitBtn126Click()
{
    showStandard(keys::kGost8790, ui->StringGrid10);
}

void KeyTables::BitBtn127Click()
{
    const int n = rowNumber(ui->Edit542);
    if (n < 1 || n > keys::kRows)
        return;
    const keys::KeyRow& k = keys::row(n);
    double& scratch = w().Dim06;
    writeThrough(scratch, keyway_.b, k.b, 5, 0);
    writeThrough(scratch, keyway_.t2, k.t2, 5, 1);
    writeThrough(scratch, keyway_.r1, k.r1, 5, n <= 3 ? 2 : 3);
}

} // namespace design
