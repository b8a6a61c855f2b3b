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
#include <gp_Mat.hxx>
#include <gp_Pln.hxx>
#include <gp_Quaternion.hxx>

#include <cmath>

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
    try {
        return buildSolid(TopoDS::Face(record.region), record.placements, record.forward,
                          placementScale(record.placements));
    } catch (const Standard_Failure&) {
        throw EOleException("Ошибка моделирования: сдвиг по траектории", kErrModeling);
    }
}

} // namespace acad::geom
