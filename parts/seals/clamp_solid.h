#pragma once
// The clamp in 3D, built into GroupSolid step by step: the bent strip with
// its semicircular foot ends, for type I the square end and the tab in
// their place, then the two holes.
#include "parts/seals/clamp_shape.h"

#include "acad/fields.h"

namespace seals {

// The strip bent over the pipe, extruded by B and stood up on the feet
// (width along Y, pipe axis parallel to Y), with both semicircular ends.
void drawBentStrip(acad::WorkingFields& f, const ClampSizes& s, const ClampBends& b);

// Type I: both semicircular ends cut away, the right foot squared off at
// x = L - L1, and the left foot carried on into the tab bent down through a
// right angle, its outer face at x = -L1 and its end at depth h.
void makeTabAndSquareEnd(acad::WorkingFields& f, const ClampSizes& s, double L1, double h);

// The two holes of diameter d at x = -A/2 and A/2.
void drillHoles(acad::WorkingFields& f, const ClampSizes& s);

constexpr int kClampColour = 20;

} // namespace seals
