#include "parts/metal/sections.h"

#include <cmath>

namespace metal {

namespace {
constexpr double pi = 3.141592653589793;

double tangent(double radians)
{
    return std::sin(radians) / std::cos(radians);
}
} // namespace

double quarterBulge()
{
    return tangent(pi / 8);
}

Section pipeOuter(double b, double h, double R)
{
    const double q = quarterBulge();
    return {{{0, R}, {0, h - R}, {R, h}, {b - R, h}, {b, h - R}, {b, R}, {b - R, 0}, {R, 0}, {0, R}},
            {{1, -q}, {3, -q}, {5, -q}, {7, -q}}};
}

Section pipeInner(double b, double h, double t, double R)
{
    const double q = quarterBulge();
    return {{{t, R}, {t, h - R}, {R, h - t}, {b - R, h - t}, {b - t, h - R}, {b - t, R}, {b - R, t}, {R, t}, {t, R}},
            {{1, -q}, {3, -q}, {5, -q}, {7, -q}}};
}

Section hotRolledAngle(double B, double b, double t, double R, double r)
{
    const double q = quarterBulge();
    return {{{0, 0}, {0, B}, {t - r, B}, {t, B - r}, {t, t + R}, {t + R, t}, {b - r, t}, {b, t - r}, {b, 0}, {0, 0}},
            {{2, -q}, {4, q}, {6, -q}}};
}

Section bentAngle(double B, double b, double s, double R)
{
    const double q = quarterBulge();
    return {{{0, R + s}, {0, B}, {s, B}, {s, R + s}, {s + R, s}, {b, s}, {b, 0}, {R + s, 0}, {0, R + s}},
            {{3, q}, {7, -q}}};
}

Section bentChannel(double h, double b, double s, double R)
{
    const double q = quarterBulge();
    return {{{0, R + s},
             {0, h - s - R},
             {s + R, h},
             {b, h},
             {b, h - s},
             {s + R, h - s},
             {s, h - s - R},
             {s, s + R},
             {s + R, s},
             {b, s},
             {b, 0},
             {s + R, 0},
             {0, s + R}},
            {{1, -q}, {5, q}, {7, q}, {11, -q}}};
}

double hexagonHalfSide(double a)
{
    return a / 2 * tangent(pi / 6);
}

double hexagonCircumradius(double a)
{
    const double m = hexagonHalfSide(a);
    return std::sqrt(m * m + (a / 2) * (a / 2));
}

Section hexagon(double a)
{
    const double m = hexagonHalfSide(a), c = hexagonCircumradius(a);
    return {{{-a / 2, m}, {0, c}, {a / 2, m}, {a / 2, -m}, {0, -c}, {-a / 2, -m}, {-a / 2, m}}, {}};
}

SlopedFlange::SlopedFlange(double overhang, double t, double r, double R, double alphaDegrees) : w(overhang)
{
    const double a = pi * alphaDegrees / 180;
    const double slope = tangent(a);
    xr = r - r * std::sin(a);
    yr = t - slope * (w / 2 - xr);
    y0 = yr - r * std::cos(a);
    xR = R * std::sin(a) + (w - R);
    yR = t + slope * (xR - w / 2);
    yW = yR + R * std::cos(a);
    beta = tangent((90 - alphaDegrees) / 4 * pi / 180);
}

Section slopedChannel(double h, double b, double s, double t, double r, double R, double alphaDegrees)
{
    const SlopedFlange f(b - s, t, r, R, alphaDegrees);
    return {{{0, 0},
             {0, f.y0},
             {f.xr, f.yr},
             {f.xR, f.yR},
             {b - s, f.yW},
             {b - s, h - f.yW},
             {f.xR, h - f.yR},
             {f.xr, h - f.yr},
             {0, h - f.y0},
             {0, h},
             {b, h},
             {b, 0},
             {0, 0}},
            {{1, -f.beta}, {3, f.beta}, {5, f.beta}, {7, -f.beta}}};
}

Section iBeam(double h, double b, double s, double t, double r, double R, double alphaDegrees)
{
    const SlopedFlange f(b / 2 - s / 2, t, r, R, alphaDegrees);
    const double w = f.w;
    return {{{0, 0},
             {0, f.y0},
             {f.xr, f.yr},
             {f.xR, f.yR},
             {w, f.yW},
             {w, h - f.yW},
             {f.xR, h - f.yR},
             {f.xr, h - f.yr},
             {0, h - f.y0},
             {0, h},
             {b, h},
             {b, h - f.y0},
             {b - f.xr, h - f.yr},
             {b - f.xR, h - f.yR},
             {b - w, h - f.yW},
             {b - w, f.yW},
             {b - f.xR, f.yR},
             {b - f.xr, f.yr},
             {b, f.y0},
             {b, 0},
             {0, 0}},
            {{1, -f.beta},
             {3, f.beta},
             {5, f.beta},
             {7, -f.beta},
             {11, -f.beta},
             {13, f.beta},
             {15, f.beta},
             {17, -f.beta}}};
}

} // namespace metal
