#pragma once
// Dimension marks laid out on a sheet: a linear dimension with extension
// lines, arrowheads and its letter beside the dimension line (arrows and
// letter outside when the line is short), a leader with its letter on a
// shelf, and a centre line.
#include "tools/pictures/records.h"
#include "tools/pictures/sheet.h"

#include <QTransform>

namespace pictures {

// A mark with its points on the view plane, in the part's units.
struct PlacedMark {
    Mark mark;
    QString letter;
    QPointF from, to;              // measured points, arrow tip and shelf, or the axis' ends
    QPointF lineFrom, lineTo;      // a linear dimension's line
};

// Adds the mark, mapped into pixels by toPixels.
// Letters are letterPixels high (the panels' size unless told).
void addMark(Sheet& sheet, const PlacedMark& mark, const QTransform& toPixels, double letterPixels = kLetterPixels);

} // namespace pictures
