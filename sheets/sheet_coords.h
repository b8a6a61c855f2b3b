#pragma once
// Positions on a sheet: the sheet's lower-left corner at the origin, x along
// its length L, y along its height H, millimetres. A coordinate is either a
// fixed value or a distance from the far side (L + offset for x, H + offset
// for y), so that tables of lines and texts are written as they are
// measured on the sheet.
namespace sheets {

struct SheetCoord {
    double fromSize; // 1 when measured from the far side, 0 when fixed
    double offset;
    constexpr double at(double size) const { return fromSize * size + offset; }
};

// A fixed coordinate.
constexpr SheetCoord at(double value) { return {0, value}; }
// L + offset (x) or H + offset (y).
constexpr SheetCoord L(double offset) { return {1, offset}; }
constexpr SheetCoord H(double offset) { return {1, offset}; }

} // namespace sheets
