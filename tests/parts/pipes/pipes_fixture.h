#pragma once
// The pipe-fitting panels in a client area of their own, over a fresh
// drawing, and the measures their tests work out by hand.
#include "parts/pipes/pipes_panels.h"

#include "support/panel_fixture.h"

#include <BRepAdaptor_Surface.hxx>
#include <BRepGProp.hxx>
#include <GProp_GProps.hxx>
#include <TopAbs_ShapeEnum.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>

#include <cmath>
#include <functional>
#include <vector>

class PipesTest : public PanelTest {
protected:
    PipesTest() : PanelTest(&pipes::createPanels) {}

    // The refusal of a "2D" that finds no part of its own panel.
    static QString noPartToSection() { return acad::noBodyToSectionMessage() + u'.'; }
};

struct P2 {
    double x, y;
};

// A closed polygon (its last vertex repeats the first): its area and, by
// Pappus, the volume it sweeps in a full turn about the Y axis (byY) or the
// X axis.
inline double polygonArea(const std::vector<P2>& p)
{
    double a = 0;
    for (std::size_t k = 0; k + 1 < p.size(); ++k)
        a += p[k].x * p[k + 1].y - p[k + 1].x * p[k].y;
    return std::abs(a) / 2;
}
inline double revolvedVolume(const std::vector<P2>& p, bool byY)
{
    double m = 0;
    for (std::size_t k = 0; k + 1 < p.size(); ++k) {
        const double cross = p[k].x * p[k + 1].y - p[k + 1].x * p[k].y;
        m += (byY ? p[k].x + p[k + 1].x : p[k].y + p[k + 1].y) * cross;
    }
    return 2 * pi * std::abs(m) / 6;
}

// The faces of a shape of the given kind.
inline std::vector<TopoDS_Face> faces(const TopoDS_Shape& shape)
{
    std::vector<TopoDS_Face> out;
    for (TopExp_Explorer e(shape, TopAbs_FACE); e.More(); e.Next())
        out.push_back(TopoDS::Face(e.Current()));
    return out;
}

// The axes of the cylindrical faces of the radius: one point on each axis
// and its direction, each axis once.
inline std::vector<gp_Ax1> cylinderAxes(const acad::IAcadEntity& solid, double radius)
{
    std::vector<gp_Ax1> axes;
    for (const TopoDS_Face& f : faces(solid.entity()->shape())) {
        BRepAdaptor_Surface s(f);
        if (s.GetType() != GeomAbs_Cylinder || std::abs(s.Cylinder().Radius() - radius) > 1e-6)
            continue;
        const gp_Ax1 axis = s.Cylinder().Axis();
        const gp_Lin line(axis);
        bool known = false;
        for (const gp_Ax1& a : axes)
            known = known || (line.Distance(a.Location()) < 1e-6 && a.IsParallel(axis, 1e-9));
        if (!known)
            axes.push_back(axis);
    }
    return axes;
}

// The plane faces of a shape: the centre of mass of each, with its plane's normal.
inline std::vector<gp_Ax1> planeFaces(const TopoDS_Shape& shape)
{
    std::vector<gp_Ax1> out;
    for (const TopoDS_Face& f : faces(shape)) {
        BRepAdaptor_Surface s(f);
        if (s.GetType() != GeomAbs_Plane)
            continue;
        GProp_GProps props;
        BRepGProp::SurfaceProperties(f, props);
        out.push_back(gp_Ax1(props.CentreOfMass(), s.Plane().Axis().Direction()));
    }
    return out;
}

// A line's ends as drawn.
inline void expectLine(const acad::IAcadEntity& e, double x1, double y1, double x2, double y2, double tol = 1e-9)
{
    ASSERT_EQ(e.entity()->type(), acad::EntityType::Line);
    const auto& line = static_cast<const acad::LineEntity&>(*e.entity());
    EXPECT_NEAR(line.start.X(), x1, tol);
    EXPECT_NEAR(line.start.Y(), y1, tol);
    EXPECT_NEAR(line.start.Z(), 0, tol);
    EXPECT_NEAR(line.end.X(), x2, tol);
    EXPECT_NEAR(line.end.Y(), y2, tol);
    EXPECT_NEAR(line.end.Z(), 0, tol);
}

// Simpson's rule on [a, b].
inline double integrate(const std::function<double(double)>& f, double a, double b, int n = 2000)
{
    if (b <= a)
        return 0;
    const double h = (b - a) / n;
    double s = f(a) + f(b);
    for (int k = 1; k < n; ++k)
        s += f(a + k * h) * (k % 2 ? 4 : 2);
    return s * h / 3;
}

// The area of a circle of radius r outside a hexagon S across flats about
// its centre (r not beyond the hexagon's corners).
inline double outsideHexagon(double r, double S)
{
    const double h = S / 2;
    return r <= h ? 0 : 6 * (r * r * std::acos(h / r) - h * std::sqrt(r * r - h * h));
}
