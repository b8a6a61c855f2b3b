#pragma once
// The seal panels in a client area of their own, over a fresh drawing, and
// the volumes of solids of revolution worked out from their sections.
#include "parts/seals/seal_panels.h"

#include "support/panel_fixture.h"

#include <TopAbs_ShapeEnum.hxx>
#include <TopExp_Explorer.hxx>

#include <cmath>
#include <vector>

class SealsTest : public PanelTest {
protected:
    SealsTest() : PanelTest(&seals::createPanels) {}

    // The solid at index k of the drawing, checked valid and of the colour.
    acad::IAcad3DSolid solid(int k, int colour) { return checkedPart(item(k), colour); }

    // The number of separate solids (lumps) in one solid entity.
    static int lumps(const acad::IAcad3DSolid& s)
    {
        int n = 0;
        for (TopExp_Explorer e(s.entity()->shape(), TopAbs_SOLID); e.More(); e.Next())
            ++n;
        return n;
    }
};

// The corner left over when a quarter circle of radius 1 rounds a square
// corner, and the distance of its centroid from either side of the corner.
constexpr double kCorner = 1 - pi / 4;
inline const double kCornerCentroid = (10 - 3 * pi) / (12 - 3 * pi);

// A section outline as the drawing gets it: vertices (the last repeats the
// first) and the bulge that starts at each vertex (0 for a straight side).
struct Outline {
    std::vector<double> x, y, bulge;
    void add(double px, double py, double b = 0)
    {
        x.push_back(px);
        y.push_back(py);
        bulge.push_back(b);
    }
};

// The volume of the solid that the outline sweeps turning about the line
// y = axisY in its plane (on one side of it), by Pappus: 2π times the first
// moment of the section's area about the axis. The boundary integral
// ∮ (y − axisY)²/2 dx is taken exactly along straight sides and by
// Simpson's rule (fine enough for 1e-12) along the arcs.
inline double pappusVolume(const Outline& o, double axisY = 0)
{
    double moment = 0;
    auto lineTerm = [](double x1, double y1, double x2, double y2) {
        return (y1 * y1 + y1 * y2 + y2 * y2) / 6 * (x2 - x1);
    };
    for (std::size_t k = 0; k + 1 < o.x.size(); ++k) {
        const double x1 = o.x[k], y1 = o.y[k] - axisY, x2 = o.x[k + 1], y2 = o.y[k + 1] - axisY, b = o.bulge[k];
        const double chord = std::hypot(x2 - x1, y2 - y1);
        if (b == 0 || chord == 0) {
            moment += lineTerm(x1, y1, x2, y2);
            continue;
        }
        // The arc's centre lies off the chord's middle, on its left for a
        // counter-clockwise arc; theta is its signed included angle.
        const double theta = 4 * std::atan(b);
        const double off = chord / 2 * (1 - b * b) / (2 * b);
        const double ux = (x2 - x1) / chord, uy = (y2 - y1) / chord;
        const double cx = (x1 + x2) / 2 - uy * off, cy = (y1 + y2) / 2 + ux * off;
        const double rho = std::hypot(x1 - cx, y1 - cy), a0 = std::atan2(y1 - cy, x1 - cx);
        const int n = 2000;
        double sum = 0;
        for (int i = 0; i <= n; ++i) {
            const double a = a0 + theta * i / n;
            const double y = cy + rho * std::sin(a);
            const double dxda = -rho * std::sin(a);
            const double wgt = (i == 0 || i == n) ? 1 : (i % 2 ? 4 : 2);
            sum += wgt * y * y / 2 * dxda;
        }
        moment += sum * theta / n / 3;
    }
    return 2 * pi * std::fabs(moment);
}
