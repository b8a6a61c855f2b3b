#pragma once
// Cross-sections of the rolled-metal profiles: closed contours in the XY
// plane, run clockwise, their last vertex repeating the first, with the
// bulges that make arcs of the rounded corners (convex roundings negative,
// concave fillets positive).
#include "acad/fields.h"

#include <vector>

namespace metal {

struct Section {
    std::vector<acad::XY> vertices;
    std::vector<acad::Bulge> bulges;
};

// The bulge of a quarter circle, tan(pi/8).
double quarterBulge();

// Rectangular pipe b x h with outer corner radius R, filling 0..b, 0..h.
Section pipeOuter(double b, double h, double R);
// Its bore for the wall t: the same corner centres, radius R - t.
Section pipeInner(double b, double h, double t, double R);

// Hot-rolled angle: leg B along Y, leg b along X, thickness t, root fillet
// R, rounding r at the inner edge of each leg's end; the heel at the origin.
Section hotRolledAngle(double B, double b, double t, double R, double r);

// Bent angle: legs B (Y) and b (X), sheet s, inner bend radius R.
Section bentAngle(double B, double b, double s, double R);

// Bent channel: height h, flanges b (web included), sheet s, inner bend
// radius R; the web on the Y axis, opening towards +X.
Section bentChannel(double h, double b, double s, double R);

// Hexagon of size a across flats, centred on the origin, two corners on Y.
Section hexagon(double a);
// Half a side, and the radius of the circumscribed circle.
double hexagonHalfSide(double a);
double hexagonCircumradius(double a);

// The sloped-flange construction of hot-rolled channels and I-beams: a
// flange of overhang w whose thickness t is taken at w/2, its inner face
// sloped by alpha degrees, a tip rounding r and a root fillet R both tangent
// to that face.
struct SlopedFlange {
    SlopedFlange(double w, double t, double r, double R, double alphaDegrees);
    double w;
    double xr, yr; // where the tip rounding meets the inner face
    double y0;     // where it meets the tip face x = 0
    double xR, yR; // where the root fillet meets the inner face
    double yW;     // where it meets the web's inner face x = w
    double beta;   // bulge of both roundings, each of 90 - alpha degrees
};

// Hot-rolled channel: height h, flange width b (web included), web s,
// flange thickness t; web at the right, opening towards -X.
Section slopedChannel(double h, double b, double s, double t, double r, double R, double alphaDegrees);
// I-beam: height h, flange width b, web s centred at b/2.
Section iBeam(double h, double b, double s, double t, double r, double R, double alphaDegrees);

} // namespace metal
