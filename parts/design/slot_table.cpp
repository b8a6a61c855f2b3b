#include "parts/design/slot_table.h"


#include "ui_slot_table.h"

namespace design {

namespace {

// Shank diameter d, slot width B in the first and second series, lengths L,
// as the standard prints them.
struct SlotRow {
    const char* d;
    const char* first;
    const char* second;
    const char* lengths;
};

constexpr SlotRow kRows[] = {
    {"6", "6,6", "7", "10...20"},    {"8", "9", "10", "12...40"},     {"10", "11", "12", "14...45"},
    {"12", "13", "14", "18...45"},   {"16", "17", "18", "20...60"},   {"20", "22", "24", "25...80"},
    {"24", "26", "28", "32...100"},  {"30", "33", "35", "40...125"},  {"36", "39", "42", "45...125"},
    {"42", "45", "48", "50...125"},  {"48", "52", "56", "60...125"},
};

QString indented(int blanks, const char* text)
{
    return QString(blanks, u' ') + QString::fromUtf8(text);
}

} // namespace

SlotTable::SlotTable(shell::PanelContext& context, QWidget* parent)
    : TableSidePanel(context, parent), ui(std::make_unique<Ui::Panel130>())
{
    ui->setupUi(this);
    shell::TableSidePanel::prepareLayoutGrid(ui->StringGrid11);
}

SlotTable::~SlotTable() = default;

shell::GridText SlotTable::tableText()
{
    // The first B is Latin, the second Cyrillic, as printed.
    shell::GridText rows{{QStringLiteral("   d"), QStringLiteral(" B 1-й ряд"), QStringLiteral(" В 2-й ряд"),
                          QStringLiteral("           L")}};
    for (const SlotRow& r : kRows)
        rows.push_back({indented(3, r.d), indented(6, r.first), indented(6, r.second), indented(7, r.lengths)});
    return rows;
}

void SlotTable::fill()
{
    fillGrid(ui->StringGrid11, tableText());
}

} // namespace design
