#include "sheets/a4_division.h"

#include "acad/errors.h"
#include "sheets/format_snapping.h"

#include <cmath>

namespace sheets {

namespace {

// Lines of one direction: the side steps down by `step` before each line,
// drawing at least one, until it is no longer above the step.
void stepLines(std::vector<TileLine>& lines, double side, double step, bool vertical, double L, double H)
{
    double v = side;
    do {
        if (v > step)
            v -= step;
        if (static_cast<int>(lines.size()) >= kMostTileLines)
            throw acad::Exception(sheetTooLargeMessage());
        lines.push_back(vertical ? TileLine{v, 0, v, H} : TileLine{0, v, L, v});
    } while (v > step);
}

void tiles(std::vector<TileLine>& lines, double L, double H, double across, double up)
{
    if (L - across * std::trunc(L / across) != 0)
        return;
    stepLines(lines, L, across, true, L, H);
    stepLines(lines, H, up, false, L, H);
}

} // namespace

QString sheetTooLargeMessage()
{
    return QStringLiteral("Лист слишком велик для разбиения на А4.");
}

std::vector<TileLine> tileLines(double L, double H)
{
    std::vector<TileLine> lines;
    tiles(lines, L, H, 210, 297);
    tiles(lines, L, H, 297, 210);
    return lines;
}

void divideIntoA4(acad::WorkingFields& w)
{
    w.LineStart = acad::AcadPoint();
    w.LineEnd = acad::AcadPoint();
    snapFormat(w.Dim06, w.Dim01, 3);
    for (const TileLine& t : tileLines(w.Dim06, w.Dim01))
        w.Line2D(t.x1, t.y1, t.x2, t.y2, 0, 5);
}

} // namespace sheets
