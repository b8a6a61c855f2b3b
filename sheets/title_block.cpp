#include "sheets/title_block.h"

#include <array>

namespace sheets {

namespace {

// Three notes, each padded with blanks so that the box of 180 mm breaks the
// text after it.
constexpr const char* kNotes = "1. * Размеры для справок."
                               "                                               "
                               "2. Н16, h16, ±IT16/2."
                               "                                                   "
                               "3. Маркировать обозначение.";

// Text, insertion point, box width, height, attachment and turn.
constexpr std::array<TitleText, 44> kTexts{{
    {"Формат А7 х 77", L(-32), at(4), 35, 0, 0, Turn::None},
    {"Изм", L(-189), at(39), 5, 0, 0, Turn::None},
    {"Лист", L(-182), at(39), 10, 0, 0, Turn::None},
    {"N документа", L(-171.5), at(39), 23, 0, 0, Turn::None},
    {"Подпись", L(-148.7), at(39), 15, 0, 0, Turn::None},
    {"Дата", L(-134.2), at(39), 15, 0, 0, Turn::None},
    {"Разраб.", L(-189), at(34), 17, 0, 0, Turn::None},
    {"Пров.", L(-189), at(29), 17, 0, 0, Turn::None},
    {"Т.контр", L(-189), at(24), 17, 0, 0, Turn::None},
    {"Н.контр", L(-189), at(14), 17, 0, 0, Turn::None},
    {"Утв.", L(-189), at(9), 17, 0, 0, Turn::None},
    {"Карнелов ", L(-172), at(34), 23, 0, 0, Turn::None},
    {"Берлатов ", L(-172), at(29), 23, 0, 0, Turn::None},
    {"Ситнова ", L(-172), at(24), 23, 0, 0, Turn::None},
    {"Ранжева ", L(-172), at(14), 23, 0, 0, Turn::None},
    {"Волгарев ", L(-172), at(9), 23, 0, 0, Turn::None},
    {"07.07", L(-134), at(33.7), 10, 0, 0, Turn::None},
    {"07.07", L(-134), at(28.7), 10, 0, 0, Turn::None},
    {"07.07", L(-134), at(23.7), 10, 0, 0, Turn::None},
    {"07.07", L(-134), at(13.7), 10, 0, 0, Turn::None},
    {"07.07", L(-134), at(8.7), 10, 0, 0, Turn::None},
    {"Лит.", L(-50), at(44), 15, 0, 0, Turn::None},
    {"Масса, кг", L(-39), at(44), 17, 0, 0, Turn::None},
    {"Масштаб", L(-21), at(44), 18, 0, 0, Turn::None},
    {"Лист 1", L(-53), at(24), 20, 0, 0, Turn::None},
    {"Листов", L(-31), at(24), 30, 0, 0, Turn::None},
    {"И", L(-53.5), at(33.5), 30, 0, 0, Turn::None},
    {"ООО \"7 z IZAV\"", L(-55), at(14.5), 50, 3.5, 5, Turn::None},
    {"777,77", L(-40), at(34), 17, 3.5, 5, Turn::None},
    {"1:1", L(-23), at(34), 18, 3.5, 5, Turn::None},
    {"ДЕТАЛЬ", L(-125), at(34), 70, 3.5, 5, Turn::None},
    {"Инв. N подл.", at(-2), at(18.5), 25, 0, 5, Turn::Quarter},
    {"Подп. и дата", at(-7), at(49.17), 35, 0, 5, Turn::Quarter},
    {"Взам. инв. N", at(-2), at(78.5), 25, 0, 5, Turn::Quarter},
    {"Инв. N дубл.", at(-2), at(103.5), 25, 0, 5, Turn::Quarter},
    {"Подп. и дата", at(-7), at(134.17), 35, 0, 5, Turn::Quarter},
    {"Справ. N", at(-19.5), at(203.67), 60, 0, 5, Turn::Quarter},
    {"Перв. примен.", at(-19.5), at(263.67), 60, 0, 5, Turn::Quarter},
    {"7ZO7-000-000-000", L(-60), at(54), 77, 3.5, 0, Turn::None},
    {"7ZO7-000-000-000", at(20), H(-8), 70, 3.5, 5, Turn::Half},
    {"Лист", L(-121), at(14.5), 5, 3.5, 0, Turn::None},
    {"Б-ПН-0-3,0 ГОСТ 19903-74", L(-105), at(16), 50, 0, 0, Turn::None},
    {"ВСт3пс2ГОСТ 14637-89", L(-102), at(10.5), 50, 0, 0, Turn::None},
    {kNotes, L(-188), at(110), 180, 3.5, 0, Turn::None},
}};

constexpr FractionLine kFraction{L(-107), at(12), L(-58), at(12), 25};

double angleOf(Turn turn)
{
    switch (turn) {
    case Turn::Quarter:
        return 1.5707963267948966;
    case Turn::Half:
        return 3.141592653589793;
    case Turn::None:
        break;
    }
    return 0;
}

void writeText(acad::WorkingFields& w, const TitleText& t, double L, double H)
{
    w.TextPoint = acad::AcadPoint(t.x.at(L), t.y.at(H), 0);
    w.LastText = w.ModelSpace().AddMText(w.TextPoint, t.width, QString::fromUtf8(t.text));
    if (t.height > 0)
        w.LastText.Set(QStringLiteral("Height"), t.height);
    if (t.attachment > 0)
        w.LastText.Set(QStringLiteral("AttachmentPoint"), t.attachment);
    if (t.turn != Turn::None)
        w.LastText.Set(QStringLiteral("Rotation"), angleOf(t.turn));
}

} // namespace

std::span<const TitleText> titleTexts()
{
    return kTexts;
}

FractionLine fractionLine()
{
    return kFraction;
}

void writeTitleBlock(acad::WorkingFields& w, double L, double H)
{
    w.TextPoint = acad::AcadPoint();
    w.LineStart = acad::AcadPoint();
    w.LineEnd = acad::AcadPoint();
    for (std::size_t k = 0; k < kTexts.size(); ++k) {
        if (k + 1 == kTexts.size())
            w.Line2D(kFraction.x1.at(L), kFraction.y1.at(H), kFraction.x2.at(L), kFraction.y2.at(H),
                     kFraction.lineweight);
        writeText(w, kTexts[k], L, H);
    }
}

} // namespace sheets
