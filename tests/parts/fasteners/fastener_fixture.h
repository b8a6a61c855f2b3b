#pragma once
// The fastener panels in a client area of their own, over a fresh drawing,
// and the volumes of the shapes their parts are made of.
#include "parts/fasteners/fastener_panels.h"

#include "support/panel_fixture.h"

#include <cmath>

class FastenerTest : public PanelTest {
protected:
    FastenerTest() : PanelTest(&fasteners::createPanels) {}

    // The area of the section of a solid by the plane through three points.
    static double sectionArea(acad::IAcad3DSolid& solid, const acad::AcadPoint& p1, const acad::AcadPoint& p2,
                              const acad::AcadPoint& p3)
    {
        acad::IAcadRegion r = solid.SectionSolid(p1, p2, p3);
        const double area = r.Area();
        r.Delete();
        return area;
    }
    static double areaAtZ(acad::IAcad3DSolid& solid, double z)
    {
        return sectionArea(solid, {0, 0, z}, {77, 0, z}, {0, 77, z});
    }
    static double areaAtY(acad::IAcad3DSolid& solid, double y)
    {
        return sectionArea(solid, {0, y, 0}, {77, y, 0}, {0, y, 77});
    }
};

// The region between two lines at right angles and a quarter circle of
// radius a touching both (a fillet or a flare): its area and the distance
// of its centroid from either line.
inline double spandrelArea(double a)
{
    return a * a * (1 - pi / 4);
}
inline double spandrelCentroid(double a)
{
    return a * (10 - 3 * pi) / (12 - 3 * pi);
}
// The ring swept by that region about an axis parallel to one of its lines,
// that line at the distance `base` from the axis and the region beyond it.
inline double spandrelRing(double base, double a)
{
    return 2 * pi * (base + spandrelCentroid(a)) * spandrelArea(a);
}
// A frustum of height h between the radii r1 and r2.
inline double frustum(double r1, double r2, double h)
{
    return pi * h / 3 * (r1 * r1 + r1 * r2 + r2 * r2);
}
// A spherical cap of height h on a sphere of radius R.
inline double sphericalCap(double R, double h)
{
    return pi * h * h * (3 * R - h) / 3;
}
// Simpson's rule with n (even) intervals.
template <class F>
double integrate(F f, double a, double b, int n = 2000)
{
    const double step = (b - a) / n;
    double sum = f(a) + f(b);
    for (int k = 1; k < n; ++k)
        sum += f(a + k * step) * (k % 2 ? 4 : 2);
    return sum * step / 3;
}

// The colour of a part whose procedure stopped before colouring it.
constexpr int kUncoloured = 256;

// The circular segment between the chord from (x0, y0) to (x1, y1) and the
// shorter arc of radius r about (cx, cy): its area and the y of its centroid.
struct Segment {
    double area, y;
};
inline Segment circularSegment(double cx, double cy, double r, double x0, double y0, double x1, double y1)
{
    const double chord = std::hypot(x1 - x0, y1 - y0);
    const double theta = 2 * std::asin(chord / (2 * r));
    const double area = r * r / 2 * (theta - std::sin(theta));
    // The centroid lies on the bisector, beyond the chord as seen from the centre.
    const double mx = (x0 + x1) / 2 - cx, my = (y0 + y1) / 2 - cy;
    const double distance = 4 * r * std::pow(std::sin(theta / 2), 3) / (3 * (theta - std::sin(theta)));
    return {area, cy + my / std::hypot(mx, my) * distance};
}

// The ring swept by the fillet of radius R in the corner where a line at 45°
// comes down onto a line at the distance `base` from the axis (the fillet
// turns through 45°): the kite of the corner, the two tangent points and
// the centre, less the sector.
inline double filletRing45(double base, double R)
{
    const double k = R * std::tan(pi / 8);
    const double cy = base + R, t1y = base + k * std::sin(pi / 4), t2y = base;
    const double kite = R * k, kiteY = ((base + t1y + cy) + (base + t2y + cy)) / 6;
    const double sector = R * R * (pi / 4) / 2;
    const double sectorY = cy - 4 * R * std::sin(pi / 8) / (3 * (pi / 4)) * std::cos(pi / 8);
    return 2 * pi * (kite * kiteY - sector * sectorY);
}

// The width of a strip |y| <= a across a disc of radius rho, as an area.
inline double discStrip(double rho, double a)
{
    if (a >= rho)
        return pi * rho * rho;
    return 2 * (a * std::sqrt(rho * rho - a * a) + rho * rho * std::asin(a / rho));
}
