#pragma once
// The A4 division: lines of lineweight 0 and colour 5 that cut the sheet
// stored in the bank (L in Dim06, H in Dim01) into tiles of 210 x 297 mm
// (upright) or 297 x 210 mm (lying).
#include "acad/fields.h"

#include <QString>

#include <vector>

namespace sheets {

struct TileLine {
    double x1, y1, x2, y2;
};

// The most lines one division draws; a sheet that needs more is refused.
constexpr int kMostTileLines = 1000;

// The message for a sheet too large to divide.
QString sheetTooLargeMessage();

// The tiling lines of a sheet of length L and height H, in drawing order.
// Only L decides the kind of tiles: the upright lines when it is a whole
// multiple of 210, the lying ones when it is one of 297. Each side steps
// down by the tile's side and draws after the step, at least once, until it
// is no longer above the step. Fails with sheetTooLargeMessage() when the
// lines would be more than kMostTileLines.
std::vector<TileLine> tileLines(double L, double H);

// Snaps the stored sheet (largest correction 3 mm), writes it back and draws
// its tiling lines; a sheet too large draws nothing.
void divideIntoA4(acad::WorkingFields& w);

} // namespace sheets
