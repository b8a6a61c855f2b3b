// A region carried along a path of points.
//
// The path is read as a smooth curve sampled at its vertices: the tangent at
// a vertex is that of the circle through it and its neighbours, the plane of
// the three points gives the binormal, and at the ends the curve goes on
// turning as it turned between the neighbouring vertices. The region stands
// at vertex i turned by the rotation that carries the frame at the first
// vertex into the frame at vertex i, and shifted from the first vertex to
// vertex i. Along a helix sampled at equal steps this is exactly the screw
// motion of the helix, so pieces swept along overlapping stretches of one
// helix meet in identical sections. Between vertices the solid is ruled: a
// curved edge of the region sweeps a ruled surface; a straight edge sweeps a
// flat face where its two positions lie in one plane and otherwise two flat
// triangles. Flat faces keep the solid cheap to combine: where pieces of
// one thread touch or overlap, the kernel meets identical planes instead of
// identical twisted surfaces, which it handles many times faster.
#include "acad/geometry.h"

#include "acad/body.h"
#include "acad/sweep_record.h"
#include "acad/errors.h"

#include <BRepBndLib.hxx>
#include <BRepTools.hxx>
#include <Bnd_Box.hxx>
#include <algorithm>
#include <array>
#include <BRepTools_WireExplorer.hxx>
#include <BRep_Builder.hxx>
#include <BRep_Tool.hxx>
#include <GeomConvert.hxx>
#include <Geom2d_BSplineCurve.hxx>
#include <Geom2d_Line.hxx>
#include <Geom_Line.hxx>
#include <TColgp_Array1OfPnt2d.hxx>
#include <Geom_BSplineCurve.hxx>
#include <Geom_BSplineSurface.hxx>
#include <Geom_CylindricalSurface.hxx>
#include <Geom_Plane.hxx>
#include <Geom_TrimmedCurve.hxx>
#include <Precision.hxx>
#include <Standard_Failure.hxx>
#include <TColStd_Array1OfInteger.hxx>
#include <TColStd_Array1OfReal.hxx>
#include <TColStd_Array2OfReal.hxx>
#include <TColgp_Array2OfPnt.hxx>
#include <TopExp.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Compound.hxx>
#include <TopoDS_Edge.hxx>
#include <TopoDS_Shell.hxx>
#include <TopoDS_Solid.hxx>
#include <TopoDS_Vertex.hxx>
#include <TopoDS_Wire.hxx>
#include <TopLoc_Location.hxx>
#include <gp_Ax3.hxx>
#include <gp_Mat.hxx>
#include <gp_Pln.hxx>
#include <gp_Quaternion.hxx>

#include <cmath>
#include <map>

namespace acad::geom {

namespace {

constexpr double kTol = 1e-7;

// Rotation taking unit vector a onto unit vector b about a × b.
gp_Mat minimalRotation(const gp_Vec& a, const gp_Vec& b)
{
    gp_Quaternion q(a, b);
    return q.GetMatrix();
}

// A rotation's angle scaled by a factor, about the same axis.
gp_Mat power(const gp_Mat& rotation, double factor)
{
    gp_Quaternion q(rotation);
    q.Normalize();
    gp_Vec axis;
    double angle = 0;
    q.GetVectorAndAngle(axis, angle);
    if (std::fabs(angle) < 1e-15)
        return rotation;
    return gp_Quaternion(axis, angle * factor).GetMatrix();
}

gp_Vec slerp(const gp_Vec& a, const gp_Vec& b, double w)
{
    const double angle = a.Angle(b);
    if (angle < 1e-12)
        return a;
    const gp_Vec axis = a.Crossed(b).Normalized();
    gp_Quaternion q(axis, angle * w);
    return q.Multiply(a).Normalized();
}

gp_Mat frameOf(const gp_Vec& t, const gp_Vec& b)
{
    const gp_Vec n = b.Crossed(t);
    return gp_Mat(t.XYZ(), n.XYZ(), b.XYZ());
}

// The placements of the region at the path's vertices.
std::vector<gp_Trsf> placements(const std::vector<gp_Pnt>& path)
{
    const std::size_t n = path.size();
    std::vector<gp_Vec> u(n - 1);
    std::vector<double> len(n - 1);
    for (std::size_t j = 0; j + 1 < n; ++j) {
        const gp_Vec d(path[j], path[j + 1]);
        len[j] = d.Magnitude();
        u[j] = d / len[j];
    }
    std::vector<gp_Mat> frame(n);
    if (n >= 3) {
        std::vector<gp_Vec> t(n), b(n);
        std::vector<bool> known(n, false);
        for (std::size_t i = 1; i + 1 < n; ++i) {
            if (u[i - 1].Dot(u[i]) < -1 + 1e-12)
                invalidInput("траектория поворачивает назад");
            t[i] = slerp(u[i - 1], u[i], len[i - 1] / (len[i - 1] + len[i]));
            const gp_Vec c = u[i - 1].Crossed(u[i]);
            if (c.Magnitude() > 1e-12) {
                b[i] = c.Normalized();
                known[i] = true;
            }
        }
        // Where the path runs straight, the binormal is carried on.
        auto carry = [&](std::size_t from, std::size_t to) {
            gp_Vec v = b[from] - t[to] * b[from].Dot(t[to]);
            if (v.Magnitude() < 1e-12)
                return false;
            b[to] = v.Normalized();
            return true;
        };
        std::size_t firstKnown = n;
        for (std::size_t i = 1; i + 1 < n; ++i)
            if (known[i]) {
                firstKnown = i;
                break;
            }
        if (firstKnown == n) {
            // A straight path: any binormal, the same everywhere.
            gp_Vec any = std::fabs(t[1].X()) < 0.9 ? gp_Vec(1, 0, 0) : gp_Vec(0, 1, 0);
            b[1] = t[1].Crossed(any).Normalized();
            firstKnown = 1;
            known[1] = true;
        }
        for (std::size_t i = firstKnown + 1; i + 1 < n; ++i) {
            if (!known[i] && !carry(i - 1, i))
                invalidInput("траектория");
            if (b[i].Dot(b[i - 1]) < 0)
                b[i].Reverse();
        }
        for (std::size_t i = firstKnown; i-- > 1;) {
            if (!known[i] && !carry(i + 1, i))
                invalidInput("траектория");
            if (b[i].Dot(b[i + 1]) < 0)
                b[i].Reverse();
        }
        for (std::size_t i = 1; i + 1 < n; ++i)
            frame[i] = frameOf(t[i], b[i]);
        if (n >= 4) {
            // The ends continue the turning between the neighbouring inner
            // vertices, in proportion to the end chords' lengths.
            frame[0] = power(frame[1] * frame[2].Transposed(), len[0] / len[1]) * frame[1];
            frame[n - 1] = power(frame[n - 2] * frame[n - 3].Transposed(), len[n - 2] / len[n - 3]) * frame[n - 2];
        } else {
            // One inner vertex: each end chord bisects the tangents at its two ends.
            const gp_Vec t0 = u[0] * (2 * t[1].Dot(u[0])) - t[1];
            frame[0] = minimalRotation(t[1], t0.Normalized()) * frame[1];
            const gp_Vec tn = u[1] * (2 * t[1].Dot(u[1])) - t[1];
            frame[2] = minimalRotation(t[1], tn.Normalized()) * frame[1];
        }
    } else {
        frame[0] = frame[1] = gp_Mat(1, 0, 0, 0, 1, 0, 0, 0, 1);
    }
    std::vector<gp_Trsf> result(n);
    const gp_Mat back = frame[0].Transposed();
    for (std::size_t i = 0; i < n; ++i) {
        const gp_Mat q = frame[i] * back;
        gp_Quaternion rotation(q);
        rotation.Normalize();
        gp_Trsf r;
        r.SetRotation(rotation);
        // x -> v_i + Q (x - v_0)
        gp_Trsf toOrigin, toVertex;
        toOrigin.SetTranslation(gp_Vec(path[0].XYZ()).Reversed());
        toVertex.SetTranslation(gp_Vec(path[i].XYZ()));
        result[i] = toVertex * r * toOrigin;
    }
    return result;
}

// A closed loop of the profile, each curve running along the loop.
struct Loop {
    std::vector<Handle(Geom_BSplineCurve)> curves;
};

struct ProfileFace {
    gp_Pnt origin;
    gp_Dir normal;
    std::vector<Loop> loops; // the outer loop first, counter-clockwise about the normal
};

double signedArea(const Loop& loop, const gp_Dir& normal, const gp_Pnt& origin)
{
    gp_Vec sum(0, 0, 0);
    gp_Pnt prev;
    bool first = true;
    gp_Pnt start;
    for (const auto& c : loop.curves) {
        for (int k = 0; k < 8; ++k) {
            const double t = c->FirstParameter() + (c->LastParameter() - c->FirstParameter()) * k / 8;
            const gp_Pnt p = c->Value(t);
            if (first) {
                start = p;
                first = false;
            } else {
                sum += gp_Vec(origin, prev).Crossed(gp_Vec(origin, p));
            }
            prev = p;
        }
    }
    sum += gp_Vec(origin, prev).Crossed(gp_Vec(origin, start));
    return sum.Dot(gp_Vec(normal)) / 2;
}

void reverse(Loop& loop)
{
    std::reverse(loop.curves.begin(), loop.curves.end());
    for (auto& c : loop.curves)
        c = Handle(Geom_BSplineCurve)::DownCast(c->Reversed());
}

ProfileFace profileOf(const TopoDS_Face& face)
{
    ProfileFace profile;
    profile.normal = regionNormal(face); // refuses a face that is not flat
    profile.origin = Handle(Geom_Plane)::DownCast(BRep_Tool::Surface(face))->Location();
    const TopoDS_Wire outer = BRepTools::OuterWire(face);
    std::vector<TopoDS_Wire> wires{outer};
    for (TopExp_Explorer e(face, TopAbs_WIRE); e.More(); e.Next())
        if (!e.Current().IsSame(outer))
            wires.push_back(TopoDS::Wire(e.Current()));
    for (std::size_t w = 0; w < wires.size(); ++w) {
        Loop loop;
        for (BRepTools_WireExplorer ex(wires[w], face); ex.More(); ex.Next()) {
            const TopoDS_Edge& edge = ex.Current();
            double f, l;
            Handle(Geom_Curve) curve = BRep_Tool::Curve(edge, f, l);
            if (curve.IsNull())
                continue; // a degenerated edge
            Handle(Geom_BSplineCurve) bs =
                GeomConvert::CurveToBSplineCurve(new Geom_TrimmedCurve(curve, f, l));
            if (edge.Orientation() == TopAbs_REVERSED)
                bs = Handle(Geom_BSplineCurve)::DownCast(bs->Reversed());
            loop.curves.push_back(bs);
        }
        if (loop.curves.empty())
            invalidInput("пустой контур");
        if (loop.curves.size() == 1) {
            // A loop of one closed curve is swept as two halves.
            const Handle(Geom_BSplineCurve) whole = loop.curves.front();
            const double f = whole->FirstParameter(), l = whole->LastParameter(), mid = (f + l) / 2;
            auto half = [&](double a, double b) {
                Handle(Geom_BSplineCurve) c = Handle(Geom_BSplineCurve)::DownCast(whole->Copy());
                c->Segment(a, b);
                return c;
            };
            loop.curves = {half(f, mid), half(mid, l)};
        }
        const double area = signedArea(loop, profile.normal, profile.origin);
        if ((w == 0) != (area > 0))
            reverse(loop);
        profile.loops.push_back(std::move(loop));
    }
    return profile;
}

Handle(Geom_BSplineCurve) moved(const Handle(Geom_BSplineCurve)& c, const gp_Trsf& t)
{
    return Handle(Geom_BSplineCurve)::DownCast(c->Transformed(t));
}

// The ruled surface between a curve and its copy: the plane where the two
// lie in one, otherwise a B-spline surface linear across.
Handle(Geom_Surface) ruled(const Handle(Geom_BSplineCurve)& a, const Handle(Geom_BSplineCurve)& b, double tol)
{
    const int np = a->NbPoles();
    // Coplanar poles (with the same weights) make a plane.
    const gp_Pnt p0 = a->Pole(1), p1 = a->Pole(np), q0 = b->Pole(1);
    gp_Vec normal = gp_Vec(p0, p1).Crossed(gp_Vec(p0, q0));
    if (normal.Magnitude() > 1e-14) {
        normal.Normalize();
        bool flat = true;
        for (int i = 1; i <= np && flat; ++i)
            flat = std::fabs(gp_Vec(p0, a->Pole(i)).Dot(normal)) < tol &&
                   std::fabs(gp_Vec(p0, b->Pole(i)).Dot(normal)) < tol;
        if (flat)
            return new Geom_Plane(p0, gp_Dir(normal));
    }
    TColgp_Array2OfPnt poles(1, np, 1, 2);
    TColStd_Array2OfReal weights(1, np, 1, 2);
    for (int i = 1; i <= np; ++i) {
        poles(i, 1) = a->Pole(i);
        poles(i, 2) = b->Pole(i);
        weights(i, 1) = weights(i, 2) = a->Weight(i);
    }
    TColStd_Array1OfReal uKnots(1, a->NbKnots());
    TColStd_Array1OfInteger uMults(1, a->NbKnots());
    a->Knots(uKnots);
    a->Multiplicities(uMults);
    TColStd_Array1OfReal vKnots(1, 2);
    TColStd_Array1OfInteger vMults(1, 2);
    vKnots(1) = 0;
    vKnots(2) = 1;
    vMults(1) = vMults(2) = 2;
    return new Geom_BSplineSurface(poles, weights, uKnots, vKnots, uMults, vMults, a->Degree(), 1,
                                   a->IsPeriodic(), false);
}

class SweepBuilder {
public:
    SweepBuilder(const ProfileFace& profile, const std::vector<gp_Trsf>& place, double sense)
        : profile_(profile), place_(place), forward_(sense > 0)
    {
        b_.MakeShell(shell_);
    }

    TopoDS_Solid build()
    {
        for (const Loop& loop : profile_.loops)
            buildLoop(loop);
        addCap(0, !forward_);
        addCap(place_.size() - 1, forward_);
        shell_.Closed(true);
        TopoDS_Solid solid;
        b_.MakeSolid(solid);
        b_.Add(solid, shell_);
        return solid;
    }

private:
    struct LoopTopology {
        std::vector<std::vector<TopoDS_Edge>> sectionEdges; // [section][curve]
    };

    void buildLoop(const Loop& loop)
    {
        const std::size_t n = place_.size(), m = loop.curves.size();
        // Section curves, vertices and edges.
        std::vector<std::vector<Handle(Geom_BSplineCurve)>> curves(n, std::vector<Handle(Geom_BSplineCurve)>(m));
        std::vector<std::vector<TopoDS_Vertex>> vertices(n, std::vector<TopoDS_Vertex>(m));
        std::vector<std::vector<TopoDS_Edge>> edges(n, std::vector<TopoDS_Edge>(m));
        for (std::size_t i = 0; i < n; ++i) {
            for (std::size_t k = 0; k < m; ++k) {
                curves[i][k] = moved(loop.curves[k], place_[i]);
                b_.MakeVertex(vertices[i][k], curves[i][k]->StartPoint(), kTol);
            }
            for (std::size_t k = 0; k < m; ++k) {
                TopoDS_Edge& e = edges[i][k];
                const auto& c = curves[i][k];
                b_.MakeEdge(e, asLine(c), kTol);
                b_.Add(e, vertices[i][k].Oriented(TopAbs_FORWARD));
                b_.Add(e, vertices[i][(k + 1) % m].Oriented(TopAbs_REVERSED));
                b_.Range(e, c->FirstParameter(), c->LastParameter());
            }
        }
        // Longitudinal edges between the sections, straight from vertex to vertex.
        std::vector<std::vector<TopoDS_Edge>> along(n - 1, std::vector<TopoDS_Edge>(m));
        for (std::size_t i = 0; i + 1 < n; ++i) {
            for (std::size_t k = 0; k < m; ++k) {
                const gp_Pnt a = BRep_Tool::Pnt(vertices[i][k]), c = BRep_Tool::Pnt(vertices[i + 1][k]);
                if (a.Distance(c) < 10 * kTol)
                    invalidInput("траектория стоит на месте");
                along[i][k] = straightEdge(vertices[i][k], vertices[i + 1][k]);
            }
        }
        // The ruled strips.
        for (std::size_t i = 0; i + 1 < n; ++i) {
            for (std::size_t k = 0; k < m; ++k) {
                const auto& c0 = curves[i][k];
                const auto& c1 = curves[i + 1][k];
                const double u0 = c0->FirstParameter(), u1 = c0->LastParameter();
                Handle(Geom_Surface) surface = ruled(c0, c1, 1e-9 * scale_ + 1e-12);
                if (!surface->IsKind(STANDARD_TYPE(Geom_Plane)) && c0->Degree() == 1 && c0->NbPoles() == 2) {
                    addTriangles(edges[i][k], along[i][(k + 1) % m], edges[i + 1][k], along[i][k]);
                    continue;
                }
                TopoDS_Face face;
                b_.MakeFace(face, surface, kTol);
                const TopoDS_Edge& bottom = edges[i][k];
                const TopoDS_Edge& top = edges[i + 1][k];
                const TopoDS_Edge& right = along[i][(k + 1) % m];
                const TopoDS_Edge& left = along[i][k];
                if (!surface->IsKind(STANDARD_TYPE(Geom_Plane))) {
                    b_.UpdateEdge(bottom, new Geom2d_Line(gp_Pnt2d(0, 0), gp_Dir2d(1, 0)), face, kTol);
                    b_.UpdateEdge(top, new Geom2d_Line(gp_Pnt2d(0, 1), gp_Dir2d(1, 0)), face, kTol);
                    b_.UpdateEdge(right, across(u1, right), face, kTol);
                    b_.UpdateEdge(left, across(u0, left), face, kTol);
                    b_.Range(bottom, face, u0, u1);
                    b_.Range(top, face, u0, u1);
                    b_.Range(right, face, 0, length(right));
                    b_.Range(left, face, 0, length(left));
                }
                TopoDS_Wire wire;
                b_.MakeWire(wire);
                b_.Add(wire, bottom.Oriented(TopAbs_FORWARD));
                b_.Add(wire, right.Oriented(TopAbs_FORWARD));
                b_.Add(wire, top.Oriented(TopAbs_REVERSED));
                b_.Add(wire, left.Oriented(TopAbs_REVERSED));
                wire.Closed(true);
                b_.Add(face, wire);
                b_.Add(shell_, forward_ ? face : TopoDS::Face(face.Reversed()));
            }
        }
        capEdges_.push_back({std::move(edges.front()), std::move(edges.back())});
    }

    // A straight edge between two vertices, parametrised by length.
    TopoDS_Edge straightEdge(const TopoDS_Vertex& from, const TopoDS_Vertex& to)
    {
        const gp_Pnt a = BRep_Tool::Pnt(from), c = BRep_Tool::Pnt(to);
        TopoDS_Edge e;
        b_.MakeEdge(e, new Geom_Line(a, gp_Dir(gp_Vec(a, c))), kTol);
        b_.Add(e, from.Oriented(TopAbs_FORWARD));
        b_.Add(e, to.Oriented(TopAbs_REVERSED));
        b_.Range(e, 0, a.Distance(c));
        return e;
    }

    static double length(const TopoDS_Edge& e)
    {
        double f, l;
        BRep_Tool::Range(e, f, l);
        return l - f;
    }

    // The trace of a straight edge across a ruled strip, from v = 0 to v = 1
    // at u, parametrised as the edge.
    static Handle(Geom2d_Curve) across(double u, const TopoDS_Edge& e)
    {
        TColgp_Array1OfPnt2d poles(1, 2);
        poles(1) = gp_Pnt2d(u, 0);
        poles(2) = gp_Pnt2d(u, 1);
        TColStd_Array1OfReal knots(1, 2);
        TColStd_Array1OfInteger mults(1, 2);
        knots(1) = 0;
        knots(2) = length(e);
        mults(1) = mults(2) = 2;
        return new Geom2d_BSplineCurve(poles, knots, mults, 1);
    }

    // A section curve that is straight (a line run at unit speed) as a line,
    // with the same parameters; others as they are.
    static Handle(Geom_Curve) asLine(const Handle(Geom_BSplineCurve)& c)
    {
        if (c->Degree() != 1 || c->NbPoles() != 2)
            return Handle(Geom_Curve)(c);
        const gp_Pnt a = c->Pole(1), b = c->Pole(2);
        const double f = c->FirstParameter(), l = c->LastParameter();
        if (std::fabs(a.Distance(b) - (l - f)) > 1e-12 * (l - f) || a.Distance(b) < Precision::Confusion())
            return Handle(Geom_Curve)(c);
        const gp_Dir d(gp_Vec(a, b));
        return new Geom_Line(a.Translated(gp_Vec(d) * -f), d);
    }

    // A twisted straight strip as two flat triangles, split along its shorter
    // diagonal (the same choice for the same four corners, whichever sweep
    // they belong to).
    void addTriangles(const TopoDS_Edge& bottom, const TopoDS_Edge& right, const TopoDS_Edge& top,
                      const TopoDS_Edge& left)
    {
        TopoDS_Vertex a, b, c, d;
        TopExp::Vertices(bottom, a, b);
        TopExp::Vertices(top, d, c);
        const gp_Pnt pa = BRep_Tool::Pnt(a), pb = BRep_Tool::Pnt(b), pc = BRep_Tool::Pnt(c), pd = BRep_Tool::Pnt(d);
        const double ac = pa.Distance(pc), bd = pb.Distance(pd);
        bool useAC;
        if (std::fabs(ac - bd) > 1e-9 * (ac + bd)) {
            useAC = ac < bd;
        } else {
            // Diagonals of one length: the one through the corner lowest in a
            // fixed oblique direction, a choice that rounding cannot sway.
            auto height = [](const gp_Pnt& p) {
                return 0.5772156649 * p.X() + 0.6180339887 * p.Y() + 0.7071067812 * p.Z();
            };
            const gp_Pnt* lowest = &pa;
            for (const gp_Pnt* p : {&pb, &pc, &pd})
                if (height(*p) < height(*lowest))
                    lowest = p;
            useAC = lowest == &pa || lowest == &pc;
        }
        auto straight = [&](const TopoDS_Vertex& from, const TopoDS_Vertex& to) { return straightEdge(from, to); };
        auto triangle = [&](const gp_Pnt& p, const gp_Pnt& q, const gp_Pnt& r,
                            std::initializer_list<TopoDS_Shape> boundary) {
            TopoDS_Face face;
            b_.MakeFace(face, new Geom_Plane(p, gp_Dir(gp_Vec(p, q).Crossed(gp_Vec(p, r)))), kTol);
            TopoDS_Wire wire;
            b_.MakeWire(wire);
            for (const TopoDS_Shape& e : boundary)
                b_.Add(wire, e);
            wire.Closed(true);
            b_.Add(face, wire);
            b_.Add(shell_, forward_ ? face : TopoDS::Face(face.Reversed()));
        };
        if (useAC) {
            const TopoDS_Edge diagonal = straight(a, c);
            triangle(pa, pb, pc, {bottom.Oriented(TopAbs_FORWARD), right.Oriented(TopAbs_FORWARD), diagonal.Oriented(TopAbs_REVERSED)});
            triangle(pa, pc, pd, {diagonal.Oriented(TopAbs_FORWARD), top.Oriented(TopAbs_REVERSED), left.Oriented(TopAbs_REVERSED)});
        } else {
            const TopoDS_Edge diagonal = straight(b, d);
            triangle(pa, pb, pd, {bottom.Oriented(TopAbs_FORWARD), diagonal.Oriented(TopAbs_FORWARD), left.Oriented(TopAbs_REVERSED)});
            triangle(pb, pc, pd, {right.Oriented(TopAbs_FORWARD), top.Oriented(TopAbs_REVERSED), diagonal.Oriented(TopAbs_REVERSED)});
        }
    }

    void addCap(std::size_t section, bool forward)
    {
        const gp_Pnt origin = profile_.origin.Transformed(place_[section]);
        const gp_Dir normal = profile_.normal.Transformed(place_[section]);
        TopoDS_Face face;
        b_.MakeFace(face, new Geom_Plane(origin, normal), kTol);
        for (const auto& loopEdges : capEdges_) {
            const auto& edges = section == 0 ? loopEdges.first : loopEdges.second;
            TopoDS_Wire wire;
            b_.MakeWire(wire);
            for (const TopoDS_Edge& e : edges)
                b_.Add(wire, e.Oriented(TopAbs_FORWARD));
            wire.Closed(true);
            b_.Add(face, wire);
        }
        b_.Add(shell_, forward ? face : TopoDS::Face(face.Reversed()));
    }

public:
    double scale_ = 1.0;

private:
    const ProfileFace& profile_;
    const std::vector<gp_Trsf>& place_;
    bool forward_;
    BRep_Builder b_;
    TopoDS_Shell shell_;
    std::vector<std::pair<std::vector<TopoDS_Edge>, std::vector<TopoDS_Edge>>> capEdges_;
};

} // namespace

namespace {

TopoDS_Shape buildSolid(const TopoDS_Face& face, const std::vector<gp_Trsf>& place, bool forward, double scale)
{
    const ProfileFace profile = profileOf(face);
    SweepBuilder builder(profile, place, forward ? 1.0 : -1.0);
    builder.scale_ = scale;
    return builder.build();
}

} // namespace

// Sweeps along a helix.
//
// When every vertex of a path lies on one helix, the region is carried by
// the helix's own screw motion: its section at each vertex is the region
// turned by the vertex's angle about the axis and shifted by the helix's
// advance, however the vertices are spaced, and pieces swept along stretches
// of one helix are pieces of one screw sweep. Each edge of the region sweeps
// one face per turn of the run: a band of a cylinder where the edge runs
// along the axis, otherwise the surface through the edge's screwed
// positions, of degree 7 across and exact (position and three derivatives)
// every twelfth of a turn, within a few nanometres of the true screw surface
// between. A region a lead wide meets itself a turn later along whole edges
// (the teeth of a thread): those faces are shared inside and left out.

namespace {

constexpr double kTurn = 2 * M_PI;
constexpr double kSpan = kTurn / 12;
constexpr int kDegree = 7;
constexpr double kFace = kTurn;
constexpr double kAngleTol = 1e-10;

struct Screw {
    gp_Pnt c;
    gp_Dir a;
    double h;
    // Where a point stands at angle t, with the first and second derivatives.
    void at(const gp_Pnt& x, double t, gp_Vec& p, gp_Vec& d1, gp_Vec& d2) const
    {
        const gp_Vec q(c, x);
        const gp_Vec av(a);
        const double z = q.Dot(av);
        const gp_Vec w = q - av * z;
        const gp_Vec aw = av.Crossed(w);
        const double co = std::cos(t), si = std::sin(t);
        const gp_Vec rw = w * co + aw * si;
        p = gp_Vec(c.XYZ()) + av * (z + h * t) + rw;
        d1 = aw * co - w * si + av * h;
        d2 = -rw;
    }
    gp_Pnt point(const gp_Pnt& x, double t) const
    {
        gp_Vec p, d1, d2;
        at(x, t, p, d1, d2);
        return gp_Pnt(p.XYZ());
    }
};

Screw screwOf(const HelixRun& run)
{
    return {run.axis.Location(), run.axis.Direction(), run.advance};
}

// The angles of a grid over [a, b]: the given points that fall inside, with
// a and b themselves at the ends.
std::vector<double> within(const std::vector<double>& grid, double a, double b)
{
    std::vector<double> r{a};
    for (double g : grid)
        if (g > a + kAngleTol && g < b - kAngleTol)
            r.push_back(g);
    r.push_back(b);
    return r;
}

// Hermite spans of degree 7 of a point's screw path over the grid: the
// poles (7 per span and one).
void hermite(const Screw& s, const gp_Pnt& x, const std::vector<double>& grid, std::vector<gp_Pnt>& poles)
{
    poles.clear();
    for (std::size_t k = 0; k + 1 < grid.size(); ++k) {
        const double ta = grid[k], tb = grid[k + 1], d = tb - ta;
        gp_Vec pa, da, dda, pb, db, ddb;
        s.at(x, ta, pa, da, dda);
        s.at(x, tb, pb, db, ddb);
        // The third derivatives: the first's part about the axis, turned back.
        const gp_Vec av(s.a), ja = -(da - av * s.h), jb = -(db - av * s.h);
        const gp_Vec p1 = pa + da * (d / 7), p6 = pb - db * (d / 7);
        const gp_Vec p2 = p1 * 2 - pa + dda * (d * d / 42), p5 = p6 * 2 - pb + ddb * (d * d / 42);
        const gp_Vec p3 = p2 * 3 - p1 * 3 + pa + ja * (d * d * d / 210);
        const gp_Vec p4 = pb - p6 * 3 + p5 * 3 - jb * (d * d * d / 210);
        if (k == 0)
            poles.emplace_back(pa.XYZ());
        for (const gp_Vec* v : std::initializer_list<const gp_Vec*>{&p1, &p2, &p3, &p4, &p5, &p6, &pb})
            poles.emplace_back(v->XYZ());
    }
}

void knotsOf(const std::vector<double>& grid, TColStd_Array1OfReal& knots, TColStd_Array1OfInteger& mults)
{
    const int n = static_cast<int>(grid.size());
    knots.Resize(1, n, false);
    mults.Resize(1, n, false);
    for (int i = 0; i < n; ++i) {
        knots(i + 1) = grid[i];
        mults(i + 1) = (i == 0 || i == n - 1) ? kDegree + 1 : kDegree;
    }
}

Handle(Geom_BSplineCurve) helixCurve(const Screw& s, const gp_Pnt& x, const std::vector<double>& grid)
{
    std::vector<gp_Pnt> p;
    hermite(s, x, grid, p);
    TColgp_Array1OfPnt poles(1, static_cast<int>(p.size()));
    for (std::size_t i = 0; i < p.size(); ++i)
        poles(static_cast<int>(i) + 1) = p[i];
    TColStd_Array1OfReal knots(1, 2);
    TColStd_Array1OfInteger mults(1, 2);
    knotsOf(grid, knots, mults);
    Handle(Geom_BSplineCurve) c = new Geom_BSplineCurve(poles, knots, mults, kDegree);
    for (int i = 2; i < c->NbKnots(); ++i)
        c->RemoveKnot(i, kDegree - 3, 1e-12 * (1 + gp_Vec(x.XYZ()).Magnitude()));
    return c;
}

// The surface a profile curve sweeps over the grid: the curve's poles each
// carried along their screw paths.
Handle(Geom_BSplineSurface) helixSurface(const Screw& s, const Handle(Geom_BSplineCurve)& curve,
                                         const std::vector<double>& grid)
{
    const int nu = curve->NbPoles();
    std::vector<std::vector<gp_Pnt>> rows(nu);
    for (int i = 1; i <= nu; ++i)
        hermite(s, curve->Pole(i), grid, rows[i - 1]);
    const int nv = static_cast<int>(rows[0].size());
    TColgp_Array2OfPnt poles(1, nu, 1, nv);
    TColStd_Array2OfReal weights(1, nu, 1, nv);
    for (int i = 1; i <= nu; ++i)
        for (int k = 1; k <= nv; ++k) {
            poles(i, k) = rows[i - 1][k - 1];
            weights(i, k) = curve->Weight(i);
        }
    TColStd_Array1OfReal uKnots(1, curve->NbKnots());
    TColStd_Array1OfInteger uMults(1, curve->NbKnots());
    curve->Knots(uKnots);
    curve->Multiplicities(uMults);
    TColStd_Array1OfReal vKnots(1, 2);
    TColStd_Array1OfInteger vMults(1, 2);
    knotsOf(grid, vKnots, vMults);
    Handle(Geom_BSplineSurface) surface =
        new Geom_BSplineSurface(poles, weights, uKnots, vKnots, uMults, vMults, curve->Degree(), kDegree, false, false);
    double size = 1;
    for (int i = 1; i <= nu; ++i)
        size = std::max(size, gp_Vec(curve->Pole(i).XYZ()).Magnitude());
    for (int i = 2; i < surface->NbVKnots(); ++i)
        surface->RemoveVKnot(i, kDegree - 3, 1e-12 * size);
    return surface;
}

bool straight(const Handle(Geom_BSplineCurve)& c)
{
    return c->Degree() == 1 && c->NbPoles() == 2;
}

// The edges of a profile, loop by loop, with their vertices numbered.
struct ProfileEdges {
    std::vector<Handle(Geom_BSplineCurve)> curves;
    std::vector<int> start, end, loop;
    int vertices = 0;
};

ProfileEdges edgesOf(const ProfileFace& profile)
{
    ProfileEdges e;
    int l = 0;
    for (const Loop& loop : profile.loops) {
        const int first = e.vertices, m = static_cast<int>(loop.curves.size());
        for (int k = 0; k < m; ++k) {
            e.curves.push_back(loop.curves[k]);
            e.start.push_back(first + k);
            e.end.push_back(first + (k + 1) % m);
            e.loop.push_back(l);
        }
        e.vertices += m;
        ++l;
    }
    return e;
}

// Edges a lead apart: partner[e] is the edge that e, moved by one lead,
// lies on (reversed); -1 for none.
std::vector<int> partnersOf(const ProfileEdges& e, const gp_Vec& lead, double tol)
{
    const int n = static_cast<int>(e.curves.size());
    std::vector<int> partner(n, -1);
    for (int i = 0; i < n; ++i) {
        if (!straight(e.curves[i]))
            continue;
        const gp_Pnt a = e.curves[i]->StartPoint().Translated(lead), b = e.curves[i]->EndPoint().Translated(lead);
        for (int j = 0; j < n; ++j)
            if (j != i && straight(e.curves[j]) && e.curves[j]->StartPoint().Distance(b) < tol &&
                e.curves[j]->EndPoint().Distance(a) < tol)
                partner[i] = j;
    }
    return partner;
}

double curveLength(const Handle(Geom_BSplineCurve)& c)
{
    return c->FirstParameter() < c->LastParameter() ? c->StartPoint().Distance(c->EndPoint()) : 0;
}

class HelixBuilder {
public:
    HelixBuilder(const ProfileFace& profile, const HelixRun& run)
        : profile_(profile), run_(run), s_(screwOf(run)), edges_(edgesOf(profile))
    {
        b_.MakeShell(shell_);
        const gp_Vec lead = gp_Vec(run.axis.Direction()) * run.lead();
        // Which way the region travels through its plane.
        const gp_Pnt any = edges_.curves.front()->StartPoint();
        const gp_Vec side = gp_Vec(run.axis.Direction()).Crossed(gp_Vec(run.axis.Location(), any));
        forward_ = side.Dot(gp_Vec(profile.normal)) > 0;
        const int n = static_cast<int>(edges_.curves.size());
        low_.assign(n, -1);
        high_.assign(n, -1);
        cls_.resize(edges_.vertices);
        off_.assign(edges_.vertices, 0.0);
        for (int v = 0; v < edges_.vertices; ++v)
            cls_[v] = v;
        if (run.touching) {
            double size = 1;
            for (const auto& curve : edges_.curves)
                for (int i = 1; i <= curve->NbPoles(); ++i)
                    size = std::max(size, curve->Pole(i).Distance(run.axis.Location()));
            const std::vector<int> partner = partnersOf(edges_, lead, 1e-9 * size);
            for (int i = 0; i < n; ++i) {
                if (partner[i] < 0)
                    continue;
                const int j = partner[i];
                low_[j] = i;  // j, the higher edge, lies on i moved by a lead
                high_[i] = j;
                cls_[edges_.start[j]] = edges_.end[i];
                off_[edges_.start[j]] = kTurn;
                cls_[edges_.end[j]] = edges_.start[i];
                off_[edges_.end[j]] = kTurn;
            }
        }
        const double t0 = run.from, t1 = run.to;
        for (double k = 0; t0 + k * kSpan < t1 - kAngleTol; k += 1)
            grid_.push_back(t0 + k * kSpan);
        for (double t = t1 - kTurn; t > t0 + kAngleTol; t -= kTurn)
            grid_.push_back(t);
        grid_.push_back(t1);
        normalise(grid_);
        extended_ = grid_;
        for (double g : grid_)
            extended_.push_back(g + kTurn);
        normalise(extended_);
        // Faces end every turn from either end, so that no face meets itself
        // along an edge a turn later; the edges along which vertices travel
        // break where the faces on either side of them end.
        for (double k = 0; t0 + k * kFace < t1 - kAngleTol; k += 1)
            cuts_.push_back(t0 + k * kFace);
        for (double k = 1; t1 - k * kFace > t0 + kAngleTol; k += 1)
            cuts_.push_back(t1 - k * kFace);
        cuts_.push_back(t1);
        normalise(cuts_);
        for (double t : cuts_) {
            breaks_.push_back(t);
            breaks_.push_back(t + kTurn);
        }
        normalise(breaks_);
    }

    TopoDS_Solid build()
    {
        const int n = static_cast<int>(edges_.curves.size());
        const double t0 = run_.from, t1 = run_.to;
        for (int e = 0; e < n; ++e) {
            double from = t0, to = t1;
            if (high_[e] >= 0)
                to = std::min(t1, t0 + kTurn); // a turn later the edge lies inside
            if (low_[e] >= 0)
                from = std::max(t0, t1 - kTurn);
            for (std::size_t k = 0; k + 1 < cuts_.size(); ++k)
                if (cuts_[k] > from - kAngleTol && cuts_[k + 1] < to + kAngleTol)
                    addFace(e, cuts_[k], cuts_[k + 1]);
        }
        addCap(t0, !forward_);
        addCap(t1, forward_);
        shell_.Closed(true);
        TopoDS_Solid solid;
        b_.MakeSolid(solid);
        b_.Add(solid, shell_);
        return solid;
    }

private:
    static void normalise(std::vector<double>& v)
    {
        std::sort(v.begin(), v.end());
        std::vector<double> r;
        for (double x : v)
            if (r.empty() || x - r.back() > kAngleTol)
                r.push_back(x);
        v = std::move(r);
    }

    int breakIndex(double t) const
    {
        for (std::size_t i = 0; i < breaks_.size(); ++i)
            if (std::fabs(breaks_[i] - t) <= 1e-9)
                return static_cast<int>(i);
        throw Standard_Failure("helix: no break");
    }

    const TopoDS_Vertex& vertex(int v, double t)
    {
        const int c = cls_[v];
        const int i = breakIndex(t + off_[v]);
        auto [it, made] = vertices_.try_emplace({c, i});
        if (made)
            b_.MakeVertex(it->second, s_.point(vertexPoint(c), breaks_[i]), kTol);
        return it->second;
    }

    gp_Pnt vertexPoint(int v) const
    {
        for (std::size_t e = 0; e < edges_.curves.size(); ++e)
            if (edges_.start[e] == v)
                return edges_.curves[e]->StartPoint();
        return {};
    }

    // The section edge of a profile edge at angle t, and whether it runs
    // against the edge (when it is kept as the lower partner's).
    std::pair<TopoDS_Edge, bool> section(int e, double t)
    {
        int owner = e;
        double at = t;
        if (low_[e] >= 0) {
            owner = low_[e];
            at = t + kTurn;
        }
        const int i = breakIndex(at);
        auto [it, made] = sections_.try_emplace({owner, i});
        if (made) {
            gp_Trsf place = run_.screw(breaks_[i]);
            const Handle(Geom_BSplineCurve) c = moved(edges_.curves[owner], place);
            TopoDS_Edge& edge = it->second;
            b_.MakeEdge(edge, asLineCurve(c), kTol);
            b_.Add(edge, vertex(edges_.start[owner], breaks_[i]).Oriented(TopAbs_FORWARD));
            b_.Add(edge, vertex(edges_.end[owner], breaks_[i]).Oriented(TopAbs_REVERSED));
            b_.Range(edge, c->FirstParameter(), c->LastParameter());
        }
        return {it->second, owner != e};
    }

    // The edges along which a vertex travels from t to u (angles of the
    // vertex's own, not lifted).
    std::vector<TopoDS_Edge> chain(int v, double t, double u)
    {
        const int c = cls_[v];
        const int i0 = breakIndex(t + off_[v]), i1 = breakIndex(u + off_[v]);
        std::vector<TopoDS_Edge> r;
        for (int i = i0; i < i1; ++i) {
            auto [it, made] = helices_.try_emplace({c, i});
            if (made) {
                const Handle(Geom_BSplineCurve) curve =
                    helixCurve(s_, vertexPoint(c), within(extended_, breaks_[i], breaks_[i + 1]));
                TopoDS_Edge& edge = it->second;
                b_.MakeEdge(edge, curve, kTol);
                b_.Add(edge, vertex(c, breaks_[i]).Oriented(TopAbs_FORWARD));
                b_.Add(edge, vertex(c, breaks_[i + 1]).Oriented(TopAbs_REVERSED));
                b_.Range(edge, breaks_[i], breaks_[i + 1]);
            }
            r.push_back(it->second);
        }
        return r;
    }

    // A straight segment from (u, v) at parameter f to its end at l.
    static Handle(Geom2d_Curve) segment2d(const gp_Pnt2d& a, const gp_Pnt2d& b, double f, double l)
    {
        TColgp_Array1OfPnt2d poles(1, 2);
        poles(1) = a;
        poles(2) = b;
        TColStd_Array1OfReal knots(1, 2);
        TColStd_Array1OfInteger mults(1, 2);
        knots(1) = f;
        knots(2) = l;
        mults(1) = mults(2) = 2;
        return new Geom2d_BSplineCurve(poles, knots, mults, 1);
    }

    // Whether a profile edge runs along the axis at one distance from it:
    // it then sweeps a band of a cylinder about the axis; sign is +1 when it
    // runs along the axis' direction.
    bool alongAxis(const Handle(Geom_BSplineCurve)& curve, double& radius, double& sign) const
    {
        if (!straight(curve))
            return false;
        const gp_Vec a(run_.axis.Direction());
        const gp_Vec d(curve->StartPoint(), curve->EndPoint());
        if (d.Magnitude() < Precision::Confusion() || d.Crossed(a).Magnitude() > 1e-12 * d.Magnitude())
            return false;
        const gp_Vec w(run_.axis.Location(), curve->StartPoint());
        radius = (w - a * w.Dot(a)).Magnitude();
        sign = d.Dot(a) > 0 ? 1 : -1;
        return radius > Precision::Confusion();
    }

    void addFace(int e, double from, double to)
    {
        const Handle(Geom_BSplineCurve)& curve = edges_.curves[e];
        double radius = 0, sign = 0;
        const bool cylinder = alongAxis(curve, radius, sign);
        TopoDS_Face face;
        gp_Ax3 frame;
        double uShift = 0;
        if (cylinder) {
            // The cylinder's angle is the helix angle, from the region's side
            // of the axis; its height is along the axis from the axis point.
            const gp_Vec w(run_.axis.Location(), curve->StartPoint());
            const gp_Vec a(run_.axis.Direction());
            frame = gp_Ax3(run_.axis.Location(), run_.axis.Direction(), gp_Dir(w - a * w.Dot(a)));
            uShift = kTurn * std::floor(from / kTurn);
            b_.MakeFace(face, new Geom_CylindricalSurface(frame, radius), kTol);
        } else {
            b_.MakeFace(face, helixSurface(s_, curve, within(grid_, from, to)), kTol);
        }
        auto height = [&](const gp_Pnt& p) { return gp_Vec(frame.Location(), p).Dot(gp_Vec(frame.Direction())); };
        const double u0 = curve->FirstParameter(), u1 = curve->LastParameter();
        TopoDS_Wire wire;
        b_.MakeWire(wire);
        // Across: the section edges at the two ends.
        auto across = [&](double t, bool bottom) {
            auto [edge, against] = section(e, t);
            double f, l;
            BRep_Tool::Range(edge, f, l);
            Handle(Geom2d_Curve) p;
            if (cylinder) {
                double ef, el;
                const Handle(Geom_Curve) c3 = BRep_Tool::Curve(edge, ef, el);
                p = segment2d(gp_Pnt2d(t - uShift, height(c3->Value(f))), gp_Pnt2d(t - uShift, height(c3->Value(l))),
                              f, l);
            } else if (!against) {
                p = new Geom2d_Line(gp_Pnt2d(0, t), gp_Dir2d(1, 0));
            } else {
                // The partner's edge, run the other way.
                p = segment2d(gp_Pnt2d(u1, t), gp_Pnt2d(u0, t), f, l);
            }
            b_.UpdateEdge(edge, p, face, kTol);
            b_.Range(edge, face, f, l);
            const bool forward = bottom != against;
            b_.Add(wire, edge.Oriented(forward ? TopAbs_FORWARD : TopAbs_REVERSED));
        };
        auto along = [&](int v, double u, bool forward) {
            std::vector<TopoDS_Edge> edges = chain(v, from, to);
            for (const TopoDS_Edge& edge : edges) {
                double f, l;
                BRep_Tool::Range(edge, f, l);
                Handle(Geom2d_Curve) p;
                if (cylinder) {
                    TopoDS_Vertex first, last;
                    TopExp::Vertices(edge, first, last);
                    p = segment2d(gp_Pnt2d(f - off_[v] - uShift, height(BRep_Tool::Pnt(first))),
                                  gp_Pnt2d(l - off_[v] - uShift, height(BRep_Tool::Pnt(last))), f, l);
                } else {
                    p = new Geom2d_Line(gp_Pnt2d(u, -off_[v]), gp_Dir2d(0, 1));
                }
                b_.UpdateEdge(edge, p, face, kTol);
                b_.Range(edge, face, f, l);
            }
            if (!forward)
                std::reverse(edges.begin(), edges.end());
            for (const TopoDS_Edge& edge : edges)
                b_.Add(wire, edge.Oriented(forward ? TopAbs_FORWARD : TopAbs_REVERSED));
        };
        across(from, true);
        along(edges_.end[e], u1, true);
        across(to, false);
        along(edges_.start[e], u0, false);
        wire.Closed(true);
        // On the cylinder the wire runs round the other way when the edge
        // runs along the axis, and the face's own normal is the other way.
        const bool flip = cylinder && sign > 0;
        b_.Add(face, flip ? wire.Reversed() : wire);
        b_.Add(shell_, forward_ != flip ? face : TopoDS::Face(face.Reversed()));
    }

    void addCap(double t, bool forward)
    {
        const gp_Trsf place = run_.screw(t);
        const gp_Pnt origin = profile_.origin.Transformed(place);
        const gp_Dir normal = profile_.normal.Transformed(place);
        TopoDS_Face face;
        b_.MakeFace(face, new Geom_Plane(origin, normal), kTol);
        const int n = static_cast<int>(edges_.curves.size());
        for (std::size_t l = 0; l < profile_.loops.size(); ++l) {
            TopoDS_Wire wire;
            b_.MakeWire(wire);
            for (int e = 0; e < n; ++e) {
                if (edges_.loop[e] != static_cast<int>(l))
                    continue;
                auto [edge, against] = section(e, t);
                b_.Add(wire, edge.Oriented(against ? TopAbs_REVERSED : TopAbs_FORWARD));
            }
            wire.Closed(true);
            b_.Add(face, wire);
        }
        b_.Add(shell_, forward ? face : TopoDS::Face(face.Reversed()));
    }

    static Handle(Geom_Curve) asLineCurve(const Handle(Geom_BSplineCurve)& c)
    {
        if (!straight(c))
            return Handle(Geom_Curve)(c);
        const gp_Pnt a = c->Pole(1), b = c->Pole(2);
        const double f = c->FirstParameter(), l = c->LastParameter();
        if (std::fabs(a.Distance(b) - (l - f)) > 1e-12 * (l - f) || a.Distance(b) < Precision::Confusion())
            return Handle(Geom_Curve)(c);
        const gp_Dir d(gp_Vec(a, b));
        return new Geom_Line(a.Translated(gp_Vec(d) * -f), d);
    }

    const ProfileFace& profile_;
    const HelixRun& run_;
    Screw s_;
    ProfileEdges edges_;
    bool forward_ = true;
    std::vector<int> low_, high_, cls_;
    std::vector<double> off_;
    std::vector<double> grid_, extended_, cuts_, breaks_;
    std::map<std::pair<int, int>, TopoDS_Vertex> vertices_;
    std::map<std::pair<int, int>, TopoDS_Edge> sections_, helices_;
    BRep_Builder b_;
    TopoDS_Shell shell_;
};

// The residuals of points from a helix about the axis through c along a:
// the distances from the mean radius and from the best line of axial
// position against angle. Fills the angles, radius, advance and offset.
struct HelixFit {
    std::vector<double> angles;
    double radius = 0, advance = 0, offset = 0, worst = 0;
};

HelixFit fitAbout(const std::vector<gp_Pnt>& path, const gp_Pnt& c, const gp_Dir& a, std::vector<double>* residuals)
{
    HelixFit fit;
    const gp_Ax3 frame(c, a);
    const gp_Vec f1(frame.XDirection()), f2(frame.YDirection()), av(a);
    const std::size_t n = path.size();
    std::vector<double> z(n), rho(n);
    fit.angles.resize(n);
    for (std::size_t i = 0; i < n; ++i) {
        const gp_Vec q(c, path[i]);
        z[i] = q.Dot(av);
        const gp_Vec w = q - av * z[i];
        rho[i] = w.Magnitude();
        double t = std::atan2(w.Dot(f2), w.Dot(f1));
        if (i > 0) {
            while (t - fit.angles[i - 1] > M_PI)
                t -= kTurn;
            while (t - fit.angles[i - 1] < -M_PI)
                t += kTurn;
        }
        fit.angles[i] = t;
        fit.radius += rho[i] / n;
    }
    double mt = 0, mz = 0;
    for (std::size_t i = 0; i < n; ++i) {
        mt += fit.angles[i] / n;
        mz += z[i] / n;
    }
    double stt = 0, stz = 0;
    for (std::size_t i = 0; i < n; ++i) {
        stt += (fit.angles[i] - mt) * (fit.angles[i] - mt);
        stz += (fit.angles[i] - mt) * (z[i] - mz);
    }
    fit.advance = stt > 0 ? stz / stt : 0;
    fit.offset = mz - fit.advance * mt;
    if (residuals)
        residuals->clear();
    for (std::size_t i = 0; i < n; ++i) {
        const double r1 = rho[i] - fit.radius, r2 = z[i] - fit.offset - fit.advance * fit.angles[i];
        fit.worst = std::max({fit.worst, std::fabs(r1), std::fabs(r2)});
        if (residuals) {
            residuals->push_back(r1);
            residuals->push_back(r2);
        }
    }
    return fit;
}

// Solves the small normal equations by Gaussian elimination.
bool solve4(double m[4][4], double rhs[4], double x[4])
{
    for (int i = 0; i < 4; ++i) {
        int p = i;
        for (int r = i + 1; r < 4; ++r)
            if (std::fabs(m[r][i]) > std::fabs(m[p][i]))
                p = r;
        if (std::fabs(m[p][i]) < 1e-300)
            return false;
        std::swap(m[i], m[p]);
        std::swap(rhs[i], rhs[p]);
        for (int r = i + 1; r < 4; ++r) {
            const double f = m[r][i] / m[i][i];
            for (int k = i; k < 4; ++k)
                m[r][k] -= f * m[i][k];
            rhs[r] -= f * rhs[i];
        }
    }
    for (int i = 3; i >= 0; --i) {
        double s = rhs[i];
        for (int k = i + 1; k < 4; ++k)
            s -= m[i][k] * x[k];
        x[i] = s / m[i][i];
    }
    return true;
}

} // namespace

bool fitsHelix(const TopoDS_Face& region, HelixRun& run)
{
    const ProfileFace profile = profileOf(region);
    const gp_Pnt c = run.axis.Location();
    const gp_Vec a(run.axis.Direction()), n(profile.normal);
    if (std::fabs(n.Dot(a)) > 1e-9)
        return false;
    const ProfileEdges edges = edgesOf(profile);
    const gp_Vec m = n.Crossed(a); // across the axis, in the plane
    double scale = 1;
    for (const auto& curve : edges.curves)
        for (int i = 1; i <= curve->NbPoles(); ++i)
            scale = std::max(scale, curve->Pole(i).Distance(c));
    const double tol = 1e-9 * scale;
    if (std::fabs(gp_Vec(c, profile.origin).Dot(n)) > tol)
        return false;
    double lo = 1e300, hi = -1e300, sideMin = 1e300, sideMax = -1e300;
    for (const auto& curve : edges.curves)
        for (int i = 1; i <= curve->NbPoles(); ++i) {
            const gp_Vec q(c, curve->Pole(i));
            lo = std::min(lo, q.Dot(a));
            hi = std::max(hi, q.Dot(a));
            sideMin = std::min(sideMin, q.Dot(m));
            sideMax = std::max(sideMax, q.Dot(m));
        }
    if (!(sideMin > tol || sideMax < -tol))
        return false;
    run.extent = hi - lo;
    run.touching = false;
    const double l = std::fabs(run.lead());
    if (std::fabs(run.extent - l) > 1e-9 * (1 + l + run.extent))
        return true;
    // A lead wide: turns meet where the region's ends meet a lead apart,
    // which must be along whole straight edges only.
    const gp_Vec lead = a * run.lead();
    const std::vector<int> partner = partnersOf(edges, lead, tol);
    const double endLo = run.lead() > 0 ? lo : hi, endHi = run.lead() > 0 ? hi : lo;
    std::vector<bool> onLow(edges.vertices, false), onHigh(edges.vertices, false);
    const int ne = static_cast<int>(edges.curves.size());
    for (int e = 0; e < ne; ++e) {
        const Handle(Geom_BSplineCurve)& curve = edges.curves[e];
        const double us = gp_Vec(c, curve->StartPoint()).Dot(a), ue = gp_Vec(c, curve->EndPoint()).Dot(a);
        const bool sLow = std::fabs(us - endLo) < tol, eLow = std::fabs(ue - endLo) < tol;
        const bool sHigh = std::fabs(us - endHi) < tol, eHigh = std::fabs(ue - endHi) < tol;
        // Every edge lying along an end must have its partner a lead away.
        if ((sLow && eLow && straight(curve)) || (sHigh && eHigh && straight(curve))) {
            bool found = partner[e] >= 0;
            for (int j = 0; j < ne && !found; ++j)
                found = partner[j] == e;
            if (!found)
                return false;
            onLow[edges.start[e]] = onLow[edges.start[e]] || (sLow && eLow);
            onLow[edges.end[e]] = onLow[edges.end[e]] || (sLow && eLow);
            onHigh[edges.start[e]] = onHigh[edges.start[e]] || (sHigh && eHigh);
            onHigh[edges.end[e]] = onHigh[edges.end[e]] || (sHigh && eHigh);
        }
        // A curve may touch an end only at its own ends.
        for (int i = 2; i < curve->NbPoles(); ++i) {
            const double u = gp_Vec(c, curve->Pole(i)).Dot(a);
            if (std::fabs(u - endLo) < tol || std::fabs(u - endHi) < tol)
                return false;
        }
    }
    // Every vertex on an end belongs to an edge that meets its partner.
    for (int e = 0; e < ne; ++e) {
        const double us = gp_Vec(c, edges.curves[e]->StartPoint()).Dot(a);
        const int v = edges.start[e];
        if ((std::fabs(us - endLo) < tol && !onLow[v]) || (std::fabs(us - endHi) < tol && !onHigh[v]))
            return false;
    }
    run.touching = true;
    return true;
}

std::optional<HelixRun> helixThrough(const std::vector<gp_Pnt>& path)
{
    const std::size_t n = path.size();
    if (n < 4)
        return std::nullopt;
    double scale = 1;
    for (const gp_Pnt& p : path)
        scale = std::max(scale, gp_Vec(p.XYZ()).Magnitude());
    // A first guess from the turning of the path between its inner vertices.
    const std::vector<gp_Trsf> place = placements(path);
    const gp_Trsf motion = place[n - 2] * place[1].Inverted();
    gp_XYZ axisDir;
    double angle = 0;
    if (!motion.GetRotation(axisDir, angle) || std::fabs(angle) < 1e-9 || axisDir.Modulus() < 1e-12)
        return std::nullopt;
    gp_Vec a(axisDir);
    a.Normalize();
    const gp_Vec t = gp_Vec(motion.TranslationPart());
    const gp_Vec across = t - a * t.Dot(a);
    gp_Pnt c((across + a.Crossed(across) / std::tan(angle / 2)).XYZ() / 2);
    gp_Dir dir(a);
    std::vector<double> r0, r1;
    HelixFit fit = fitAbout(path, c, dir, &r0);
    auto squares = [](const std::vector<double>& r) {
        double sum = 0;
        for (double x : r)
            sum += x * x;
        return sum;
    };
    double lambda = 1e-3;
    for (int iteration = 0; iteration < 100 && fit.worst > 1e-14 * scale; ++iteration) {
        // Levenberg-Marquardt steps on the axis: its direction and its point.
        const gp_Ax3 frame(c, dir);
        const gp_Vec e1(frame.XDirection()), e2(frame.YDirection());
        const double hd = 1e-8, hp = 1e-8 * scale;
        std::vector<std::vector<double>> columns;
        for (int k = 0; k < 4; ++k) {
            gp_Vec d(dir), p(c.XYZ());
            if (k == 0)
                d += e1 * hd;
            if (k == 1)
                d += e2 * hd;
            if (k == 2)
                p += e1 * hp;
            if (k == 3)
                p += e2 * hp;
            fitAbout(path, gp_Pnt(p.XYZ()), gp_Dir(d), &r1);
            if (r1.size() != r0.size())
                return std::nullopt;
            std::vector<double> col(r0.size());
            for (std::size_t i = 0; i < r0.size(); ++i)
                col[i] = (r1[i] - r0[i]) / (k < 2 ? hd : hp);
            columns.push_back(std::move(col));
        }
        double jtj[4][4], jtr[4];
        for (int i = 0; i < 4; ++i) {
            jtr[i] = 0;
            for (std::size_t j = 0; j < r0.size(); ++j)
                jtr[i] -= columns[i][j] * r0[j];
            for (int k = 0; k < 4; ++k) {
                jtj[i][k] = 0;
                for (std::size_t j = 0; j < r0.size(); ++j)
                    jtj[i][k] += columns[i][j] * columns[k][j];
            }
        }
        const double before = squares(r0);
        bool better = false;
        for (int attempt = 0; attempt < 12 && !better; ++attempt) {
            double m[4][4], rhs[4], x[4];
            for (int i = 0; i < 4; ++i) {
                rhs[i] = jtr[i];
                for (int k = 0; k < 4; ++k)
                    m[i][k] = jtj[i][k] + (i == k ? lambda * (jtj[i][i] + 1e-30) : 0);
            }
            if (!solve4(m, rhs, x)) {
                lambda *= 10;
                continue;
            }
            const gp_Vec nd = gp_Vec(dir) + e1 * x[0] + e2 * x[1];
            if (nd.Magnitude() < 1e-12) {
                lambda *= 10;
                continue;
            }
            const gp_Pnt nc = c.Translated(e1 * x[2] + e2 * x[3]);
            std::vector<double> rn;
            const HelixFit next = fitAbout(path, nc, gp_Dir(nd), &rn);
            if (squares(rn) < before) {
                c = nc;
                dir = gp_Dir(nd);
                fit = next;
                r0 = rn;
                lambda = std::max(lambda / 10, 1e-12);
                better = true;
            } else {
                lambda *= 10;
            }
        }
        if (!better)
            break;
    }
    if (fit.worst > 1e-10 * scale || fit.radius < 1e-6 * scale)
        return std::nullopt;
    // The angles must advance, each chord less than half a turn.
    if (fit.angles.back() < fit.angles.front()) {
        dir.Reverse();
        fit = fitAbout(path, c, dir, nullptr);
    }
    for (std::size_t i = 0; i + 1 < n; ++i) {
        const double step = fit.angles[i + 1] - fit.angles[i];
        if (!(step > 1e-9) || step > M_PI - 1e-9)
            return std::nullopt;
    }
    // The axis through the point nearest the origin, so that the same helix
    // always gets the same axis.
    const gp_Vec av(dir);
    c = c.Translated(-av * gp_Vec(c.XYZ()).Dot(av));
    HelixRun run;
    run.axis = gp_Ax1(c, dir);
    run.advance = fit.advance;
    run.from = 0;
    run.to = fit.angles.back() - fit.angles.front();
    return run;
}

TopoDS_Shape helixSolid(const TopoDS_Face& region, const HelixRun& run)
{
    try {
        const ProfileFace profile = profileOf(region);
        HelixBuilder builder(profile, run);
        TopoDS_Shape solid = builder.build();
        solid.Move(TopLoc_Location(run.base));
        return solid;
    } catch (const Standard_Failure&) {
        throw EOleException("Ошибка моделирования: сдвиг по винтовой линии", kErrModeling);
    }
}

Swept sweep(const TopoDS_Shape& region, const std::vector<gp_Pnt>& rawPath)
{
    // Vertices that repeat the one before add nothing.
    std::vector<gp_Pnt> path;
    for (const gp_Pnt& p : rawPath) {
        if (!std::isfinite(p.X()) || !std::isfinite(p.Y()) || !std::isfinite(p.Z()))
            invalidInput("траектория");
        if (path.empty() || path.back().Distance(p) > 1e-9)
            path.push_back(p);
    }
    if (path.size() < 2)
        invalidInput("траектория вырождена");
    for (const gp_Pnt& p : path)
        if (std::fabs(p.X()) > kReach || std::fabs(p.Y()) > kReach || std::fabs(p.Z()) > kReach)
            modelingError("сдвиг по траектории: тело слишком велико");
    try {
        // Vertices all on one helix: the screw sweep, made when first needed.
        TopExp_Explorer faceOf(region, TopAbs_FACE);
        if (faceOf.More()) {
            const TopoDS_Face face = TopoDS::Face(faceOf.Current());
            faceOf.Next();
            std::optional<HelixRun> run = faceOf.More() ? std::nullopt : helixThrough(path);
            if (run && fitsHelix(face, *run) && run->allows(run->from, run->to)) {
                Swept result;
                result.record = makeHelixRecord(face, *run);
                return result;
            }
        }
        const std::vector<gp_Trsf> place = placements(path);
        std::vector<TopoDS_Shape> solids;
        std::vector<TopoDS_Face> faces;
        std::vector<bool> senses;
        for (TopExp_Explorer e(region, TopAbs_FACE); e.More(); e.Next()) {
            const TopoDS_Face face = TopoDS::Face(e.Current());
            const ProfileFace profile = profileOf(face);
            const double sense = gp_Vec(profile.normal).Dot(gp_Vec(path[0], path[1]));
            if (std::fabs(sense) < 1e-9 * path[0].Distance(path[1]))
                invalidInput("траектория лежит в плоскости области");
            faces.push_back(face);
            senses.push_back(sense > 0);
            // The construction is sound by itself: its faces face outwards as
            // the path leaves the region's plane.
            solids.push_back(buildSolid(face, place, sense > 0, placementScale(place)));
        }
        if (solids.empty())
            invalidInput("пустая область");
        Swept result;
        if (solids.size() == 1) {
            result.solid = solids.front();
            result.record = makeSweepRecord(faces.front(), place, senses.front());
        } else {
            std::vector<SolidPiece> pieces;
            for (const auto& s : solids)
                pieces.push_back({s, {}, nullptr, nullptr});
            result.solid = fuseAll(std::move(pieces)).shape;
        }
        return result;
    } catch (const Standard_Failure&) {
        throw EOleException("Ошибка моделирования: сдвиг по траектории", kErrModeling);
    }
}

TopoDS_Shape sweepSolid(const SweepRecord& record)
{
    if (record.helix)
        return helixSolid(TopoDS::Face(record.region), *record.helix);
    try {
        return buildSolid(TopoDS::Face(record.region), record.placements, record.forward,
                          placementScale(record.placements));
    } catch (const Standard_Failure&) {
        throw EOleException("Ошибка моделирования: сдвиг по траектории", kErrModeling);
    }
}

} // namespace acad::geom
