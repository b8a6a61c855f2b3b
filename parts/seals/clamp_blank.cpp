#include "parts/seals/clamp_blank.h"

#include "parts/seals/revolution.h"

#include <algorithm>

namespace seals {

namespace {

constexpr int kOutline = 50;
constexpr int kBendLine = 25;
constexpr int kBendColour = 1;

} // namespace

BlankStations blankStations(const ClampSizes& s, const ClampBends& b, double K, double L1, double h)
{
    const double beta = kPi / 2 - b.phi, gamma = kPi - 2 * b.phi;
    const double bend = (s.r + K * s.S) * beta, wrap = (s.D / 2 + K * s.S) * gamma;
    BlankStations x;
    x.x1 = -b.rho * std::cos(b.phi);
    x.x2 = x.x1 + bend;
    x.x3 = x.x2 + wrap;
    x.x4 = x.x3 + bend;
    x.xP = x.x4 + std::fabs(s.A / 2 + x.x1);
    x.t1 = s.S - L1 + s.r;
    x.t2 = x.t1 - (s.r + K * s.S) * kPi / 2;
    // A leg shorter than its bend would fold back on itself: the clamp is
    // drawn with the tab at least r deep, and so is its blank.
    x.xT = x.t2 - (std::max(h, s.r) - s.r);
    x.xR = x.xP + (s.L - L1 - s.A / 2);
    return x;
}

void drawBlank(acad::WorkingFields& f, ClampType type, const ClampSizes& s, const BlankStations& x)
{
    const double y = -s.L, lo = y - s.B / 2, hi = y + s.B / 2, left = -s.A / 2;
    f.LineStart = acad::AcadPoint(0, 0, 0);
    f.LineEnd = acad::AcadPoint(0, 0, 0);
    f.BasePoint = acad::AcadPoint(0, 0, 0);
    auto bendLine = [&](double at) { f.Line2D(at, lo, at, hi, kBendLine, kBendColour); };

    if (type == ClampType::I) {
        f.Line2D(x.xT, hi, x.xR, hi, kOutline);
        f.Line2D(x.xT, lo, x.xR, lo, kOutline);
        f.Line2D(x.xT, lo, x.xT, hi, kOutline);
        bendLine(x.t1);
        bendLine(x.t2);
        f.Line2D(x.xR, hi, x.xR, lo, kOutline);
    } else {
        f.Arc2D(left, y, s.B / 2, kPi / 2, 3 * kPi / 2, kOutline);
        f.Arc2D(x.xP, y, s.B / 2, 3 * kPi / 2, kPi / 2, kOutline);
        f.Line2D(left, hi, x.xP, hi, kOutline);
        f.Line2D(left, lo, x.xP, lo, kOutline);
    }
    for (const double at : {x.x1, x.x2, x.x3, x.x4})
        bendLine(at);
    f.Circle2D(x.xP, y, s.d / 2, kOutline);
    f.Circle2D(left, y, s.d / 2, kOutline);
}

} // namespace seals
