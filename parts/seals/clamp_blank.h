#pragma once
// The flat blank a clamp is bent from, drawn in lines, arcs and circles on
// the XY plane beside the clamp, its centre line on y = -L. Every bend and
// the wrap are developed on the neutral radius K·S beyond their inner one.
#include "parts/seals/clamp_shape.h"

#include "acad/fields.h"

namespace seals {

// Where the bend lines and the ends of the blank fall along X.
struct BlankStations {
    double x1, x2, x3, x4; // the bends beside the wrap and the wrap between them
    double xP;             // the right hole's centre (the left one is at -A/2)
    double t1, t2;         // type I: the tab's bend
    double xT, xR;         // type I: the tab's free end and the square right end
};

// For type I the tab's depth h is taken at least r, as the clamp is drawn.
BlankStations blankStations(const ClampSizes& s, const ClampBends& b, double K, double L1 = 0, double h = 0);

// Types II and III: the two semicircular ends, the long edges, four bend
// lines and the two holes (10 entities). Type I: the long edges, the tab's
// end, its two bend lines, the square end, four bend lines and the holes
// (12 entities). Outlines lineweight 50, bend lines 25 in colour 1.
void drawBlank(acad::WorkingFields& f, ClampType type, const ClampSizes& s, const BlankStations& x);

} // namespace seals
