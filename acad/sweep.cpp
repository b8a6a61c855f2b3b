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
// helix meet in identical sections. Between vertices the solid is ruled.
#include "acad/geometry.h"

#include "acad/body.h"
#include "acad/errors.h"

#include <BRepTools.hxx>
#include <Bnd_Box.hxx>
#include <algorithm>
#include <BRepTools_WireExplorer.hxx>
#include <BRep_Builder.hxx>
#include <BRep_Tool.hxx>
#include <GeomConvert.hxx>
#include <Geom2d_Line.hxx>
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
    const Handle(Geom_Plane) plane = Handle(Geom_Plane)::DownCast(BRep_Tool::Surface(face));
    if (plane.IsNull())
        invalidInput("область не плоская");
    ProfileFace profile;
    profile.normal = plane->Axis().Direction();
    if (face.Orientation() == TopAbs_REVERSED)
        profile.normal.Reverse();
    profile.origin = plane->Location();
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
                b_.MakeEdge(e, c, kTol);
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
                TColgp_Array1OfPnt poles(1, 2);
                poles(1) = a;
                poles(2) = c;
                TColStd_Array1OfReal knots(1, 2);
                TColStd_Array1OfInteger mults(1, 2);
                knots(1) = 0;
                knots(2) = 1;
                mults(1) = mults(2) = 2;
                Handle(Geom_BSplineCurve) line = new Geom_BSplineCurve(poles, knots, mults, 1);
                TopoDS_Edge& e = along[i][k];
                b_.MakeEdge(e, line, kTol);
                b_.Add(e, vertices[i][k].Oriented(TopAbs_FORWARD));
                b_.Add(e, vertices[i + 1][k].Oriented(TopAbs_REVERSED));
                b_.Range(e, 0, 1);
            }
        }
        // The ruled strips.
        for (std::size_t i = 0; i + 1 < n; ++i) {
            for (std::size_t k = 0; k < m; ++k) {
                const auto& c0 = curves[i][k];
                const auto& c1 = curves[i + 1][k];
                const double u0 = c0->FirstParameter(), u1 = c0->LastParameter();
                Handle(Geom_Surface) surface = ruled(c0, c1, 1e-9 * scale_ + 1e-12);
                TopoDS_Face face;
                b_.MakeFace(face, surface, kTol);
                const TopoDS_Edge& bottom = edges[i][k];
                const TopoDS_Edge& top = edges[i + 1][k];
                const TopoDS_Edge& right = along[i][(k + 1) % m];
                const TopoDS_Edge& left = along[i][k];
                if (!surface->IsKind(STANDARD_TYPE(Geom_Plane))) {
                    b_.UpdateEdge(bottom, new Geom2d_Line(gp_Pnt2d(0, 0), gp_Dir2d(1, 0)), face, kTol);
                    b_.UpdateEdge(top, new Geom2d_Line(gp_Pnt2d(0, 1), gp_Dir2d(1, 0)), face, kTol);
                    b_.UpdateEdge(right, new Geom2d_Line(gp_Pnt2d(u1, 0), gp_Dir2d(0, 1)), face, kTol);
                    b_.UpdateEdge(left, new Geom2d_Line(gp_Pnt2d(u0, 0), gp_Dir2d(0, 1)), face, kTol);
                    b_.Range(bottom, face, u0, u1);
                    b_.Range(top, face, u0, u1);
                    b_.Range(right, face, 0, 1);
                    b_.Range(left, face, 0, 1);
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

TopoDS_Shape sweep(const TopoDS_Shape& region, const std::vector<gp_Pnt>& rawPath)
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
    try {
        const std::vector<gp_Trsf> place = placements(path);
        std::vector<TopoDS_Shape> solids;
        for (TopExp_Explorer e(region, TopAbs_FACE); e.More(); e.Next()) {
            const ProfileFace profile = profileOf(TopoDS::Face(e.Current()));
            const double sense = gp_Vec(profile.normal).Dot(gp_Vec(path[0], path[1]));
            if (std::fabs(sense) < 1e-9 * path[0].Distance(path[1]))
                invalidInput("траектория лежит в плоскости области");
            SweepBuilder builder(profile, place, sense);
            Bnd_Box box;
            for (const gp_Pnt& p : path)
                box.Add(p);
            builder.scale_ = std::max(1.0, std::sqrt(box.SquareExtent()));
            TopoDS_Solid solid = builder.build();
            solids.push_back(solid);
        }
        if (solids.empty())
            invalidInput("пустая область");
        TopoDS_Shape result = solids.front();
        if (solids.size() > 1) {
            std::vector<SolidPiece> pieces;
            for (const auto& s : solids)
                pieces.push_back({s, {}});
            result = fuseAll(std::move(pieces)).shape;
        }
        // The construction is sound by itself: its faces face outwards as the
        // path leaves the region's plane.
        return result;
    } catch (const Standard_Failure&) {
        throw EOleException("Ошибка моделирования: сдвиг по траектории", kErrModeling);
    }
}

} // namespace acad::geom
