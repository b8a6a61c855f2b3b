#pragma once
// The design-element panels in a client area of their own, over a fresh
// drawing, driven as a user drives them; and the plane geometry that the
// expected volumes are worked out with.
#include "parts/design/design_panels.h"

#include "support/panel_fixture.h"

#include <cmath>
#include <map>
#include <vector>

class DesignTest : public PanelTest {
protected:
    DesignTest() : PanelTest(&design::createPanels) {}

    // The section of a solid by the plane x = const, as a region's box.
    static void sectionBoxAtX(acad::IAcad3DSolid& solid, double x, acad::AcadPoint& lo, acad::AcadPoint& hi)
    {
        acad::IAcadRegion r = solid.SectionSolid(acad::AcadPoint(x, 0, 0), acad::AcadPoint(x, 77, 0),
                                                 acad::AcadPoint(x, 0, 77));
        r.GetBoundingBox(lo, hi);
        r.Delete();
    }

    // Texts of a grid row; "<none>" for a cell never written.
    static QStringList rowTexts(QTableWidget* grid, int row)
    {
        QStringList texts;
        for (int c = 0; c < grid->columnCount(); ++c)
            texts << (grid->item(row, c) ? grid->item(row, c)->text() : QStringLiteral("<none>"));
        return texts;
    }

    static QString notAnInteger(const char* text)
    {
        return QStringLiteral("'%1' is not a valid integer value.").arg(QString::fromUtf8(text));
    }
};

struct Pt {
    double x, y;
};

// The volume that a closed polygon (x along the axis, y >= 0 the distance
// from it) sweeps turning about the X axis: 2π times the area's first moment
// about the axis (Pappus).
inline double revolvedVolume(const std::vector<Pt>& p)
{
    double moment = 0;
    for (std::size_t i = 0; i + 1 < p.size(); ++i)
        moment += (p[i].x * p[i + 1].y - p[i + 1].x * p[i].y) * (p[i].y + p[i + 1].y);
    return 2 * pi * std::abs(moment) / 6;
}

// The circular segment cut off a circle of radius R by a chord seen from
// the centre under the angle theta.
inline double segmentArea(double R, double theta)
{
    return R * R / 2 * (theta - std::sin(theta));
}

// The area inside a closed polyline whose segments from vertex k are arcs of
// the given bulges: the polygon's area plus or minus each arc's segment.
inline double bulgedArea(const std::vector<Pt>& p, const std::map<int, double>& bulges)
{
    double twice = 0;
    for (std::size_t i = 0; i + 1 < p.size(); ++i)
        twice += p[i].x * p[i + 1].y - p[i + 1].x * p[i].y;
    double area = twice / 2;
    for (const auto& [k, bulge] : bulges) {
        const double theta = 4 * std::atan(std::abs(bulge));
        const double chord = std::hypot(p[k + 1].x - p[k].x, p[k + 1].y - p[k].y);
        const double R = chord / (2 * std::sin(theta / 2));
        area += (bulge > 0 ? 1 : -1) * segmentArea(R, theta);
    }
    return std::abs(area);
}
