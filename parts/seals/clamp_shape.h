#pragma once
// The light single clamp as its panel gives it: a strip S thick and B wide
// bent over a pipe of diameter D, the wrap joined to two flat feet by bends
// of inner radius r, hole centres A apart. The pipe axis and the two bend
// centres fix the shape of the bent strip.
#include "parts/seals/clamp_sizes.h"

#include <cmath>

namespace seals {

using clamp_sizes::ClampType;

struct ClampSizes {
    double D, H, r, S, L, B, d, A;
};

// Seen along the pipe axis, with the feet's underside on y = 0.
struct ClampBends {
    double rho; // from the pipe axis to either bend centre
    double u;   // the bend centres above the pipe axis
    double w;   // the bend centres either side of the pipe axis
    double phi; // elevation of the right bend centre seen from the pipe axis
    double e;   // the pipe axis above the feet's underside
};

// The square root of a negative number (|u| > rho) and the division by
// w = 0 are left to fault as they happen: the first drawing call or
// conversion that follows reports them.
inline ClampBends bendsOf(const ClampSizes& s, ClampType type)
{
    ClampBends b;
    b.rho = s.D / 2 + s.S + s.r;
    // Types I and II stand the pipe axis below the feet whatever H is.
    b.u = type == ClampType::III ? s.D / 2 + 2 * s.S + s.r - s.H : std::fabs(s.D / 2 + s.S - s.H) + s.S + s.r;
    b.w = std::sqrt(b.rho * b.rho - b.u * b.u);
    b.phi = std::atan(b.u / b.w);
    b.e = s.S + s.r - b.u;
    return b;
}

} // namespace seals
