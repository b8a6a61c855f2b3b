#include "acad/geometry.h"

#include "acad/body.h"
#include "acad/errors.h"
#include "acad/geometry_loop.h"

#include <BRepAdaptor_Curve.hxx>
#include <BRepBndLib.hxx>
#include <BRepBuilderAPI_Copy.hxx>
#include <BRepBuilderAPI_MakeEdge.hxx>
#include <BRepBuilderAPI_MakeFace.hxx>
#include <BRepBuilderAPI_MakePolygon.hxx>
#include <BRepBuilderAPI_MakeVertex.hxx>
#include <BRepBuilderAPI_MakeWire.hxx>
#include <BRepBuilderAPI_Transform.hxx>
#include <BRepGProp.hxx>
#include <BRepOffsetAPI_MakeOffset.hxx>
#include <BRepOffsetAPI_ThruSections.hxx>
#include <BRepPrimAPI_MakeBox.hxx>
#include <BRepPrimAPI_MakeCone.hxx>
#include <BRepPrimAPI_MakeCylinder.hxx>
#include <BRepPrimAPI_MakePrism.hxx>
#include <BRepPrimAPI_MakeRevol.hxx>
#include <BRepPrimAPI_MakeSphere.hxx>
#include <BRepPrimAPI_MakeTorus.hxx>
#include <BRepTools.hxx>
#include <BRep_Builder.hxx>
#include <BRep_Tool.hxx>
#include <Bnd_Box.hxx>
#include <GC_MakeArcOfCircle.hxx>
#include <GProp_GProps.hxx>
#include <Geom_Circle.hxx>
#include <Geom_Line.hxx>
#include <Geom_Plane.hxx>
#include <Geom_TrimmedCurve.hxx>
#include <Geom_Surface.hxx>
#include <Precision.hxx>
#include <Standard_Failure.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Compound.hxx>
#include <TopoDS_Wire.hxx>
#include <gp_Ax1.hxx>
#include <gp_Ax2.hxx>
#include <gp_Circ.hxx>
#include <gp_Ax3.hxx>
#include <gp_Pln.hxx>

#include <algorithm>
#include <cmath>

namespace acad::geom {

void invalidInput(const char* what)
{
    throw EOleException(std::string("Неверные данные: ") + what, kErrInvalidInput);
}

void modelingError(const std::string& what)
{
    throw EOleException("Ошибка моделирования: " + what, kErrModeling);
}

gp_Pnt arcMiddle(const gp_Pnt& a, const gp_Pnt& b, double bulge, const gp_Dir& normal)
{
    const gp_Vec chord(a, b);
    const gp_Vec right = chord.Crossed(gp_Vec(normal)).Normalized();
    return a.Translated(chord * 0.5).Translated(right * (bulge * chord.Magnitude() / 2));
}

namespace {

// An edge of the curve between the points, its tolerance as wide as the
// curve's distance from them needs.
TopoDS_Edge toleratedEdge(const Handle(Geom_Curve)& curve, double first, double last, const gp_Pnt& a,
                          const gp_Pnt& b)
{
    const double tol = 2 * std::max({Precision::Confusion(), curve->Value(first).Distance(a),
                                     curve->Value(last).Distance(b),
                                     1e-15 * std::max(gp_Vec(a.XYZ()).Magnitude(), gp_Vec(b.XYZ()).Magnitude())});
    BRep_Builder builder;
    TopoDS_Edge edge;
    builder.MakeEdge(edge, curve, tol);
    TopoDS_Vertex va, vb;
    builder.MakeVertex(va, a, tol);
    builder.MakeVertex(vb, b, tol);
    builder.Add(edge, va.Oriented(TopAbs_FORWARD));
    builder.Add(edge, vb.Oriented(TopAbs_REVERSED));
    builder.Range(edge, first, last);
    return edge;
}

} // namespace

TopoDS_Edge lineEdge(const gp_Pnt& a, const gp_Pnt& b)
{
    const double length = a.Distance(b);
    if (!(length > 0))
        return {};
    try {
        BRepBuilderAPI_MakeEdge edge(a, b);
        if (edge.IsDone())
            return edge.Edge();
    } catch (const Standard_Failure&) {
    }
    return toleratedEdge(new Geom_Line(a, gp_Dir(gp_Vec(a, b))), 0, length, a, b);
}

TopoDS_Edge arcEdge(const gp_Pnt& a, const gp_Pnt& middle, const gp_Pnt& b)
{
    try {
        GC_MakeArcOfCircle arc(a, middle, b);
        if (arc.IsDone()) {
            BRepBuilderAPI_MakeEdge edge(arc.Value());
            if (edge.IsDone())
                return edge.Edge();
            const Handle(Geom_TrimmedCurve)& c = arc.Value();
            return toleratedEdge(c, c->FirstParameter(), c->LastParameter(), a, b);
        }
    } catch (const Standard_Failure&) {
    }
    // Too flat, or too far out, for a circle: its chord.
    return lineEdge(a, b);
}

TopoDS_Edge circleEdge(const gp_Ax2& position, double radius, double first, double last)
{
    Handle(Geom_Circle) circle = new Geom_Circle(position, radius);
    try {
        BRepBuilderAPI_MakeEdge edge(circle, first, last);
        if (edge.IsDone())
            return edge.Edge();
    } catch (const Standard_Failure&) {
    }
    return toleratedEdge(circle, first, last, circle->Value(first), circle->Value(last));
}

namespace {

double extentOf(const std::vector<gp_Pnt>& points)
{
    Bnd_Box box;
    for (const gp_Pnt& p : points)
        box.Add(p);
    return box.IsVoid() ? 0.0 : std::sqrt(box.SquareExtent());
}

void requirePositive(double value, const char* what)
{
    if (!(value >= kLeastSize))
        invalidInput(what);
}

void requireFinite(const gp_Pnt& p)
{
    if (!std::isfinite(p.X()) || !std::isfinite(p.Y()) || !std::isfinite(p.Z()))
        invalidInput("точка");
}

bool withinReach(const gp_Pnt& p)
{
    return std::fabs(p.X()) <= kReach && std::fabs(p.Y()) <= kReach && std::fabs(p.Z()) <= kReach;
}

void requireWithinReach(const std::vector<gp_Pnt>& points)
{
    for (const gp_Pnt& p : points)
        if (!withinReach(p))
            modelingError("область слишком велика");
}

// A solid whose box reaches beyond what the kernel can hold is refused.
void requireWithinReach(const Bnd_Box& box, const char* what)
{
    if (box.IsVoid())
        return;
    double x0, y0, z0, x1, y1, z1;
    box.Get(x0, y0, z0, x1, y1, z1);
    if (!withinReach(gp_Pnt(x0, y0, z0)) || !withinReach(gp_Pnt(x1, y1, z1)))
        modelingError(std::string(what) + ": тело слишком велико");
}

// Runs a kernel construction, turning its exceptions into a refusal.
template <class F>
auto guarded(const char* what, F&& f) -> decltype(f())
{
    try {
        return f();
    } catch (const EOleException&) {
        throw;
    } catch (const Standard_Failure&) {
        throw EOleException(std::string("Ошибка моделирования: ") + what, kErrModeling);
    }
}

// The kernel's own constructions from a valid region are valid; what is left
// to check is that they made a solid.
TopoDS_Shape checkedSolid(const TopoDS_Shape& shape, const char* what)
{
    if (shape.IsNull() || TopExp_Explorer(shape, TopAbs_SOLID).More() == Standard_False)
        throw EOleException(std::string("Ошибка моделирования: ") + what + ": тело не получилось", kErrModeling);
    return shape;
}

} // namespace

TopoDS_Face regionFromPolyline(const std::vector<gp_Pnt>& points, const std::vector<double>& bulges,
                               const gp_Dir& normal)
{
    return guarded("область", [&]() -> TopoDS_Face {
        for (const gp_Pnt& p : points)
            requireFinite(p);
        requireWithinReach(points);
        const double tol = std::max(1e-9 * std::max(1.0, extentOf(points)), kTouching);
        if (points.size() < 3 || points.front().Distance(points.back()) > tol)
            invalidInput("контур не замкнут");
        const gp_Pln plane(points.front(), normal);
        for (const gp_Pnt& p : points)
            if (plane.Distance(p) > 10 * tol)
                invalidInput("контур не плоский");

        // The segments that have a length; the closing vertex is the first.
        struct Segment {
            gp_Pnt a, b;
            double bulge;
        };
        std::vector<Segment> segments;
        for (std::size_t i = 0; i + 1 < points.size(); ++i) {
            if (points[i].Distance(points[i + 1]) <= tol)
                continue;
            const double bulge = i < bulges.size() ? bulges[i] : 0.0;
            if (!std::isfinite(bulge))
                invalidInput("выпуклость");
            segments.push_back({points[i], points[i + 1], bulge});
        }
        const bool hasArc = std::any_of(segments.begin(), segments.end(),
                                        [](const Segment& s) { return s.bulge != 0.0; });
        if (segments.size() < (hasArc ? 2u : 3u))
            invalidInput("контур вырожден");

        // The loop in the plane's own coordinates, counter-clockwise about
        // the normal, checked before the kernel sees it: a loop that crosses,
        // touches or runs back over itself would give a face that is no
        // proper region.
        const gp_Ax3 axes(points.front(), normal);
        Loop loop;
        for (std::size_t i = 0; i < segments.size(); ++i)
            loop.push_back({inPlane(axes, segments[i].a), inPlane(axes, segments[(i + 1) % segments.size()].a),
                            segments[i].bulge});
        checkLoop(loop, kTouching);
        const double area = signedArea(loop);
        if (!(std::fabs(area) > tol * tol))
            invalidInput("контур вырожден");

        std::vector<TopoDS_Vertex> vertices;
        for (const Segment& s : segments)
            vertices.push_back(BRepBuilderAPI_MakeVertex(s.a));
        BRepBuilderAPI_MakeWire wire;
        for (std::size_t i = 0; i < segments.size(); ++i) {
            const Segment& s = segments[i];
            const TopoDS_Vertex& va = vertices[i];
            const TopoDS_Vertex& vb = vertices[(i + 1) % segments.size()];
            const gp_Pnt b = BRep_Tool::Pnt(vb);
            TopoDS_Edge edge;
            if (s.bulge == 0.0) {
                edge = BRepBuilderAPI_MakeEdge(va, vb);
            } else {
                GC_MakeArcOfCircle arc(s.a, arcMiddle(s.a, b, s.bulge, normal), b);
                if (!arc.IsDone())
                    invalidInput("дуга");
                edge = BRepBuilderAPI_MakeEdge(arc.Value(), va, vb);
            }
            wire.Add(edge);
            if (!wire.IsDone())
                invalidInput("контур разорван");
        }
        // The outer loop of a face runs counter-clockwise about its normal;
        // the loop's area says which way the polyline runs.
        const TopoDS_Wire boundary = area > 0 ? wire.Wire() : TopoDS::Wire(wire.Wire().Reversed());
        BRepBuilderAPI_MakeFace face(plane, boundary, false);
        if (!face.IsDone())
            invalidInput("область не построена");
        return face.Face();
    });
}

TopoDS_Face regionFromCircle(const gp_Pnt& centre, const gp_Dir& normal, double radius)
{
    requirePositive(radius, "радиус");
    requireFinite(centre);
    Bnd_Box reach;
    reach.Add(centre);
    reach.Enlarge(radius);
    double x0, y0, z0, x1, y1, z1;
    reach.Get(x0, y0, z0, x1, y1, z1);
    requireWithinReach(std::vector<gp_Pnt>{gp_Pnt(x0, y0, z0), gp_Pnt(x1, y1, z1)});
    return guarded("область", [&]() -> TopoDS_Face {
        const gp_Circ circle(gp_Ax2(centre, normal), radius);
        const TopoDS_Edge edge = BRepBuilderAPI_MakeEdge(circle);
        const TopoDS_Wire wire = BRepBuilderAPI_MakeWire(edge);
        return BRepBuilderAPI_MakeFace(gp_Pln(centre, normal), wire, true).Face();
    });
}

TopoDS_Shape copyOf(const TopoDS_Shape& shape)
{
    return BRepBuilderAPI_Copy(shape, false, false).Shape();
}

gp_Dir regionNormal(const TopoDS_Face& face)
{
    const Handle(Geom_Plane) plane = Handle(Geom_Plane)::DownCast(BRep_Tool::Surface(face));
    if (plane.IsNull())
        invalidInput("область не плоская");
    gp_Dir n = plane->Axis().Direction();
    if (face.Orientation() == TopAbs_REVERSED)
        n.Reverse();
    return n;
}

namespace {

std::vector<TopoDS_Face> facesOf(const TopoDS_Shape& region)
{
    std::vector<TopoDS_Face> faces;
    for (TopExp_Explorer e(region, TopAbs_FACE); e.More(); e.Next())
        faces.push_back(TopoDS::Face(e.Current()));
    if (faces.empty())
        invalidInput("пустая область");
    return faces;
}

// Several solids as one shape.
TopoDS_Shape combined(const std::vector<TopoDS_Shape>& solids)
{
    if (solids.size() == 1)
        return solids.front();
    std::vector<SolidPiece> pieces;
    for (const TopoDS_Shape& s : solids)
        pieces.push_back({s, {}, nullptr, nullptr});
    return fuseAll(std::move(pieces)).shape;
}

// A single loop offset in its plane: positive outwards.
TopoDS_Wire offsetLoop(const TopoDS_Wire& loop, const gp_Dir& normal, const gp_Pnt& origin, double distance)
{
    const TopoDS_Face face = BRepBuilderAPI_MakeFace(gp_Pln(origin, normal), loop, true).Face();
    if (std::fabs(distance) < Precision::Confusion())
        return BRepTools::OuterWire(face);
    BRepOffsetAPI_MakeOffset offset(face, GeomAbs_Intersection);
    offset.Perform(distance);
    if (!offset.IsDone())
        invalidInput("уклон слишком велик");
    TopoDS_Wire result;
    int wires = 0;
    for (TopExp_Explorer e(offset.Shape(), TopAbs_WIRE); e.More(); e.Next()) {
        result = TopoDS::Wire(e.Current());
        ++wires;
    }
    if (wires != 1)
        invalidInput("уклон слишком велик");
    return result;
}

TopoDS_Shape taperedLoop(const TopoDS_Wire& loop, const gp_Dir& normal, const gp_Pnt& origin, double height,
                         double distance)
{
    const TopoDS_Wire top = offsetLoop(loop, normal, origin, distance);
    gp_Trsf lift;
    lift.SetTranslation(gp_Vec(normal) * height);
    const TopoDS_Wire moved = TopoDS::Wire(BRepBuilderAPI_Transform(top, lift, true).Shape());
    BRepOffsetAPI_ThruSections loft(true, true, 1e-6);
    loft.AddWire(loop);
    loft.AddWire(moved);
    loft.Build();
    if (!loft.IsDone())
        invalidInput("уклон");
    return loft.Shape();
}

} // namespace

Extruded extrude(const TopoDS_Shape& region, double height, double taper)
{
    if (!std::isfinite(height) || !(std::fabs(height) >= kLeastSize))
        invalidInput("высота выдавливания");
    if (!std::isfinite(taper) || std::fabs(taper) >= M_PI / 2)
        invalidInput("угол сужения");
    return guarded("выдавливание", [&]() -> Extruded {
        const std::vector<TopoDS_Face> faces = facesOf(region);
        Bnd_Box box;
        BRepBndLib::Add(region, box);
        if (taper == 0.0) {
            // The kernel's prism of a proper region is a proper solid.
            std::vector<TopoDS_Shape> solids;
            gp_Vec vector;
            for (const TopoDS_Face& face : faces) {
                vector = gp_Vec(regionNormal(face)) * height;
                gp_Trsf lift;
                lift.SetTranslation(vector);
                Bnd_Box reach = box;
                reach.Add(box.Transformed(lift));
                requireWithinReach(reach, "выдавливание");
                solids.push_back(BRepPrimAPI_MakePrism(copyOf(face), vector, false).Shape());
            }
            Extruded result{checkedSolid(combined(solids), "выдавливание"), nullptr};
            if (faces.size() == 1)
                result.prism = std::make_shared<const Prism>(Prism{faces.front(), vector});
            return result;
        }
        std::vector<TopoDS_Shape> solids;
        for (const TopoDS_Face& face : faces) {
            const gp_Dir n = regionNormal(face);
            // Positive taper draws the sides in as the solid rises.
            const double inset = std::fabs(height) * std::tan(taper);
            const TopExp_Explorer firstVertex(face, TopAbs_VERTEX);
            const gp_Pnt origin = BRep_Tool::Pnt(TopoDS::Vertex(firstVertex.Current()));
            const TopoDS_Wire outer = BRepTools::OuterWire(face);
            TopoDS_Shape solid = taperedLoop(outer, n, origin, height, -inset);
            for (TopExp_Explorer e(face, TopAbs_WIRE); e.More(); e.Next()) {
                const TopoDS_Wire w = TopoDS::Wire(e.Current());
                if (w.IsSame(outer))
                    continue;
                const TopoDS_Shape hole = taperedLoop(w, n, origin, height, inset);
                SolidBody body(solid);
                body.subtract(SolidBody(hole));
                solid = body.shape();
            }
            solids.push_back(solid);
        }
        // A loft of offset loops is the layer's own construction: checked whole.
        const TopoDS_Shape solid = combined(solids);
        Bnd_Box whole;
        BRepBndLib::Add(solid, whole);
        requireWithinReach(whole, "выдавливание");
        checkSolid(solid, "выдавливание");
        return {solid, nullptr};
    });
}

TopoDS_Shape revolve(const TopoDS_Shape& region, const gp_Pnt& axisPoint, const gp_Vec& axisDirection,
                     double angle)
{
    requireFinite(axisPoint);
    if (!std::isfinite(angle) || angle == 0.0)
        invalidInput("угол вращения");
    if (!(axisDirection.Magnitude() > Precision::Confusion()))
        invalidInput("направление оси");
    gp_Dir dir(axisDirection);
    if (angle < 0) {
        dir.Reverse();
        angle = -angle;
    }
    const bool full = angle >= 2 * M_PI - 1e-12;
    return guarded("вращение", [&]() -> TopoDS_Shape {
        const gp_Ax1 axis(axisPoint, dir);
        {
            // Every point of the solid lies as far from the axis point as a
            // corner of the region's box at most.
            Bnd_Box box;
            BRepBndLib::Add(region, box);
            double x0, y0, z0, x1, y1, z1;
            box.Get(x0, y0, z0, x1, y1, z1);
            double r = 0;
            for (double x : {x0, x1})
                for (double y : {y0, y1})
                    for (double z : {z0, z1})
                        r = std::max(r, axisPoint.Distance(gp_Pnt(x, y, z)));
            Bnd_Box reach;
            reach.Add(axisPoint);
            reach.Enlarge(r);
            requireWithinReach(reach, "вращение");
        }
        std::vector<TopoDS_Shape> solids;
        for (const TopoDS_Face& face : facesOf(region)) {
            // The profile must lie on one side of the axis.
            const gp_Dir n = regionNormal(face);
            const gp_Vec side = gp_Vec(dir).Crossed(gp_Vec(n));
            if (side.Magnitude() > 1e-12) {
                double lo = 0, hi = 0;
                for (TopExp_Explorer e(face, TopAbs_EDGE); e.More(); e.Next()) {
                    BRepAdaptor_Curve c(TopoDS::Edge(e.Current()));
                    for (int k = 0; k <= 16; ++k) {
                        const double t = c.FirstParameter() + (c.LastParameter() - c.FirstParameter()) * k / 16;
                        const double s = gp_Vec(axisPoint, c.Value(t)).Dot(side.Normalized());
                        lo = std::min(lo, s);
                        hi = std::max(hi, s);
                    }
                }
                const double tol = 1e-7 * std::max(1.0, hi - lo);
                if (lo < -tol && hi > tol)
                    invalidInput("профиль пересекает ось вращения");
            }
            const TopoDS_Shape base = copyOf(face);
            BRepPrimAPI_MakeRevol revol = full ? BRepPrimAPI_MakeRevol(base, axis, false)
                                               : BRepPrimAPI_MakeRevol(base, axis, angle, false);
            if (!revol.IsDone())
                invalidInput("вращение");
            solids.push_back(revol.Shape());
        }
        return checkedSolid(combined(solids), "вращение");
    });
}

namespace {

// A primitive reaching as far as the size from its centre.
void requireWithinReach(const gp_Pnt& centre, double size, const char* what)
{
    Bnd_Box reach;
    reach.Add(centre);
    reach.Enlarge(size);
    requireWithinReach(reach, what);
}

} // namespace

TopoDS_Shape box(const gp_Pnt& centre, double length, double width, double height)
{
    requireFinite(centre);
    requirePositive(length, "длина");
    requirePositive(width, "ширина");
    requirePositive(height, "высота");
    const gp_Pnt corner(centre.X() - length / 2, centre.Y() - width / 2, centre.Z() - height / 2);
    requireWithinReach(centre, std::max({length, width, height}), "параллелепипед");
    return guarded("параллелепипед", [&] { return BRepPrimAPI_MakeBox(corner, length, width, height).Shape(); });
}

TopoDS_Shape wedge(const gp_Pnt& centre, double length, double width, double height)
{
    requireFinite(centre);
    requirePositive(length, "длина");
    requirePositive(width, "ширина");
    requirePositive(height, "высота");
    requireWithinReach(centre, std::max({length, width, height}), "клин");
    return guarded("клин", [&]() -> TopoDS_Shape {
        // Full height at -X, nothing at +X: a right triangle in the XZ plane
        // carried across the width.
        const double x0 = centre.X() - length / 2, x1 = centre.X() + length / 2;
        const double y0 = centre.Y() - width / 2;
        const double z0 = centre.Z() - height / 2, z1 = centre.Z() + height / 2;
        BRepBuilderAPI_MakePolygon triangle(gp_Pnt(x0, y0, z0), gp_Pnt(x1, y0, z0), gp_Pnt(x0, y0, z1), true);
        const TopoDS_Face face = BRepBuilderAPI_MakeFace(triangle.Wire(), true).Face();
        return BRepPrimAPI_MakePrism(face, gp_Vec(0, width, 0)).Shape();
    });
}

TopoDS_Shape cylinder(const gp_Pnt& centre, double radius, double height)
{
    requireFinite(centre);
    requirePositive(radius, "радиус");
    requirePositive(height, "высота");
    const gp_Ax2 base(gp_Pnt(centre.X(), centre.Y(), centre.Z() - height / 2), gp::DZ());
    requireWithinReach(centre, std::max(radius, height), "цилиндр");
    return guarded("цилиндр", [&] { return BRepPrimAPI_MakeCylinder(base, radius, height).Shape(); });
}

TopoDS_Shape cone(const gp_Pnt& centre, double baseRadius, double height)
{
    requireFinite(centre);
    requirePositive(baseRadius, "радиус");
    requirePositive(height, "высота");
    const gp_Ax2 base(gp_Pnt(centre.X(), centre.Y(), centre.Z() - height / 2), gp::DZ());
    requireWithinReach(centre, std::max(baseRadius, height), "конус");
    return guarded("конус", [&] { return BRepPrimAPI_MakeCone(base, baseRadius, 0.0, height).Shape(); });
}

TopoDS_Shape sphere(const gp_Pnt& centre, double radius)
{
    requireFinite(centre);
    requirePositive(radius, "радиус");
    requireWithinReach(centre, radius, "шар");
    return guarded("шар", [&] { return BRepPrimAPI_MakeSphere(centre, radius).Shape(); });
}

TopoDS_Shape torus(const gp_Pnt& centre, double ringRadius, double tubeRadius)
{
    requireFinite(centre);
    requirePositive(tubeRadius, "радиус трубки");
    if (!(ringRadius > tubeRadius))
        invalidInput("радиус тора");
    requireWithinReach(centre, ringRadius + tubeRadius, "тор");
    return guarded("тор", [&] {
        return BRepPrimAPI_MakeTorus(gp_Ax2(centre, gp::DZ()), ringRadius, tubeRadius).Shape();
    });
}

} // namespace acad::geom
