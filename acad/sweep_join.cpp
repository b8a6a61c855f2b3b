// Joining pieces of sweeps. A thread is built of hundreds of pieces swept
// along short stretches of one helix, each overlapping the one before, and
// of turns a pitch apart that touch along their whole length. United by the
// kernel, the identical strips where they overlap or touch cost it seconds
// per turn; united here, pieces that continue each other join into one
// sweep and turns that run side by side into one sweep of their regions'
// union, exactly the same solid.
#include "acad/sweep_record.h"

#include "acad/errors.h"
#include "acad/geometry.h"

#include <BRepAlgoAPI_Fuse.hxx>
#include <BRepBndLib.hxx>
#include <BRepBuilderAPI_Transform.hxx>
#include <BRepGProp.hxx>
#include <BRep_Tool.hxx>
#include <GProp_GProps.hxx>
#include <ShapeUpgrade_UnifySameDomain.hxx>
#include <Standard_Failure.hxx>
#include <TopExp.hxx>
#include <TopExp_Explorer.hxx>
#include <TopTools_IndexedMapOfShape.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Edge.hxx>
#include <TopoDS_Vertex.hxx>

#include <BRepAdaptor_Curve.hxx>
#include <gp_Lin.hxx>

#include <array>
#include <cmath>

namespace acad {

double HelixRun::lead() const
{
    return (2 * M_PI) * advance;
}

gp_Trsf HelixRun::screw(double t) const
{
    gp_Trsf r, s;
    r.SetRotation(axis, t);
    s.SetTranslation(gp_Vec(axis.Direction()) * (advance * t));
    return s * r;
}

bool HelixRun::allows(double a, double b) const
{
    const double span = b - a, l = std::fabs(lead());
    const double tol = 1e-9 * (1 + l + extent);
    if (span < (2 * M_PI) - 1e-9)
        return true;
    if (extent < l - tol)
        return true;
    return touching && std::fabs(extent - l) <= tol && span > (2 * M_PI) + 1e-9;
}


namespace geom {

namespace {

// Four corners of the region's box: where a placement takes them tells the
// placement.
std::array<gp_Pnt, 4> referencePoints(const Bnd_Box& box)
{
    double x0, y0, z0, x1, y1, z1;
    box.Get(x0, y0, z0, x1, y1, z1);
    return {gp_Pnt(x0, y0, z0), gp_Pnt(x1, y1, z1), gp_Pnt(x1, y0, z0), gp_Pnt(x0, y1, z1)};
}

gp_Pnt centreOf(const Bnd_Box& box)
{
    double x0, y0, z0, x1, y1, z1;
    box.Get(x0, y0, z0, x1, y1, z1);
    return gp_Pnt((x0 + x1) / 2, (y0 + y1) / 2, (z0 + z1) / 2);
}

Bnd_Box regionBox(const TopoDS_Shape& region)
{
    Bnd_Box box;
    BRepBndLib::AddOptimal(region, box, false, false);
    return box;
}

// Appends placements to a record, with their boxes and travel.
void append(SweepRecord& r, const std::vector<gp_Trsf>& placements, std::size_t from)
{
    const gp_Pnt centre = centreOf(regionBox(r.region));
    for (std::size_t i = from; i < placements.size(); ++i) {
        const gp_Trsf& t = placements[i];
        const double travel = r.travel.empty() ? 0.0
                                               : r.travel.back() + centre.Transformed(r.placements.back())
                                                                       .Distance(centre.Transformed(t));
        r.placements.push_back(t);
        std::vector<Bnd_Box> placed;
        for (const Bnd_Box& part : r.parts)
            placed.push_back(part.Transformed(t));
        r.boxes.push_back(std::move(placed));
        r.travel.push_back(travel);
    }
}

bool samePlacement(const gp_Trsf& a, const gp_Trsf& b, const std::array<gp_Pnt, 4>& points, double tol)
{
    for (const gp_Pnt& p : points)
        if (p.Transformed(a).Distance(p.Transformed(b)) > tol)
            return false;
    return true;
}

double toleranceOf(const SweepRecord& r)
{
    return 1e-9 * (1.0 + placementScale(r.placements) + r.reach);
}

// A box round what a part sweeps from vertex k to vertex k + 1.
Bnd_Box stripBox(const SweepRecord& r, std::size_t k, std::size_t part, double tol)
{
    Bnd_Box box = r.boxes[k][part];
    box.Add(r.boxes[k + 1][part]);
    box.Enlarge(tol);
    return box;
}

// b continues a: b's first section is one of a's, b follows a from there on
// and goes on past a's end.
std::shared_ptr<const SweepRecord> continued(const std::shared_ptr<const SweepRecord>& first,
                                             const std::shared_ptr<const SweepRecord>& second)
{
    const SweepRecord& a = *first;
    const SweepRecord& b = *second;
    if (a.parts.size() != 1)
        return nullptr;
    const std::size_t na = a.placements.size(), nb = b.placements.size();
    const auto points = referencePoints(regionBox(a.region));
    const double tol = toleranceOf(a);
    for (std::size_t j = 0; j < na; ++j) {
        if (!samePlacement(a.placements[j], b.placements[0], points, tol))
            continue;
        bool follows = true;
        for (std::size_t t = 1; j + t < na && t < nb && follows; ++t)
            follows = samePlacement(a.placements[j + t], b.placements[t], points, tol);
        if (!follows)
            return nullptr;
        if (nb <= na - j)
            return first; // b adds nothing
        auto r = std::make_shared<SweepRecord>(a);
        append(*r, b.placements, na - j);
        // The joined sweep must keep clear of itself: a new strip may not
        // come near a strip it is not joined to along the way.
        for (std::size_t s = na - 1; s + 1 < r->placements.size(); ++s) {
            const Bnd_Box added = stripBox(*r, s, 0, tol);
            for (std::size_t o = 0; o + 1 <= s; ++o) {
                if (r->travel[s] - r->travel[o + 1] <= 2 * r->reach)
                    continue;
                if (!added.IsOut(stripBox(*r, o, 0, tol)))
                    return nullptr;
            }
        }
        return r;
    }
    return nullptr;
}

// Where an edge starts, ends and is halfway.
std::array<gp_Pnt, 3> marks(const TopoDS_Edge& e)
{
    BRepAdaptor_Curve c(e);
    const double f = c.FirstParameter(), l = c.LastParameter();
    return {c.Value(f), c.Value((f + l) / 2), c.Value(l)};
}

bool sameEdge(const std::array<gp_Pnt, 3>& a, const std::array<gp_Pnt, 3>& b, double tol)
{
    return a[1].Distance(b[1]) <= tol && ((a[0].Distance(b[0]) <= tol && a[2].Distance(b[2]) <= tol) ||
                                          (a[0].Distance(b[2]) <= tol && a[2].Distance(b[0]) <= tol));
}

// The union of two regions of one plane that meet only along whole edges,
// as one face bounded by edges of the two; null otherwise.
TopoDS_Face unionAlongEdges(const TopoDS_Face& a, const TopoDS_Face& b, double tol)
{
    GProp_GProps pa, pb, pu;
    BRepGProp::SurfaceProperties(a, pa);
    BRepGProp::SurfaceProperties(b, pb);
    BRepAlgoAPI_Fuse fuse(a, b);
    if (!fuse.IsDone() || fuse.HasErrors())
        return {};
    ShapeUpgrade_UnifySameDomain unify(fuse.Shape(), false, true, false);
    unify.Build();
    TopoDS_Face face;
    int faces = 0;
    for (TopExp_Explorer e(unify.Shape(), TopAbs_FACE); e.More(); e.Next()) {
        face = TopoDS::Face(e.Current());
        ++faces;
    }
    if (faces != 1)
        return {};
    // Meeting only along edges: the areas add up.
    BRepGProp::SurfaceProperties(face, pu);
    if (std::fabs(pu.Mass() - pa.Mass() - pb.Mass()) > 1e-9 * (pa.Mass() + pb.Mass()))
        return {};
    // Every edge of the union is a whole edge of one of the two.
    std::vector<std::array<gp_Pnt, 3>> originals;
    for (const TopoDS_Face& f : {a, b})
        for (TopExp_Explorer e(f, TopAbs_EDGE); e.More(); e.Next())
            originals.push_back(marks(TopoDS::Edge(e.Current())));
    TopTools_IndexedMapOfShape edges;
    TopExp::MapShapes(face, TopAbs_EDGE, edges);
    for (int i = 1; i <= edges.Extent(); ++i) {
        const auto m = marks(TopoDS::Edge(edges(i)));
        bool found = false;
        for (const auto& o : originals)
            if ((found = sameEdge(m, o, tol)))
                break;
        if (!found)
            return {};
    }
    return face;
}

// a and b run side by side: b stands at each vertex where a stands, carried
// by one motion G, in a's plane and facing a's way.
gp_Pnt anyPoint(const TopoDS_Face& face)
{
    return BRep_Tool::Pnt(TopExp::FirstVertex(TopoDS::Edge(TopExp_Explorer(face, TopAbs_EDGE).Current())));
}

std::shared_ptr<const SweepRecord> sideBySide(const SweepRecord& a, const SweepRecord& b)
{
    const std::size_t n = a.placements.size();
    if (b.placements.size() != n || a.forward != b.forward)
        return nullptr;
    const gp_Trsf G = a.placements[0].Inverted() * b.placements[0];
    const auto points = referencePoints(regionBox(b.region));
    const double tol = toleranceOf(a);
    for (std::size_t k = 0; k < n; ++k)
        if (!samePlacement(b.placements[k], a.placements[k] * G, points, tol))
            return nullptr;
    const TopoDS_Face& face = TopoDS::Face(a.region);
    const TopoDS_Face other = TopoDS::Face(BRepBuilderAPI_Transform(b.region, G, true).Shape());
    const gp_Dir na = regionNormal(face), nb = regionNormal(other);
    if (na.Dot(nb) < 1 - 1e-12 || gp_Pln(anyPoint(face), na).Distance(anyPoint(other)) > tol)
        return nullptr;
    // Part by part, strips far apart along the path keep clear of each
    // other; nearby, the two stand as their sections do, which meet only
    // along edges.
    auto size = [](const Bnd_Box& box) { return std::sqrt(box.SquareExtent()); };
    for (std::size_t p = 0; p < a.parts.size(); ++p)
        for (std::size_t q = 0; q < b.parts.size(); ++q) {
            const double near = 2 * std::max(size(a.parts[p]), size(b.parts[q]));
            for (std::size_t i = 0; i + 1 < n; ++i) {
                const Bnd_Box ai = stripBox(a, i, p, tol);
                for (std::size_t j = 0; j + 1 < n; ++j)
                    if (std::fabs(a.travel[i] - a.travel[j]) > near && !ai.IsOut(stripBox(b, j, q, tol)))
                        return nullptr;
            }
        }
    const TopoDS_Face both = unionAlongEdges(face, other, tol);
    if (both.IsNull())
        return nullptr;
    auto r = std::make_shared<SweepRecord>();
    r->region = both;
    r->forward = a.forward;
    r->reach = std::sqrt(regionBox(both).SquareExtent());
    r->parts = a.parts;
    for (const Bnd_Box& part : b.parts)
        r->parts.push_back(part.Transformed(G));
    append(*r, a.placements, 0);
    return r;
}

double helixTolerance(const SweepRecord& r)
{
    const HelixRun& h = *r.helix;
    return 1e-9 * (1.0 + gp_Vec(h.axis.Location().XYZ()).Magnitude() + h.base.TranslationPart().Modulus() +
                   std::fabs(h.lead()) * (1 + std::fabs(h.to - h.from) / (2 * M_PI)) + r.reach);
}

// Two runs along one helix: b's run is a's carried on by some angle d.
// Runs that overlap or meet join into one; runs over the same angles a
// whole number of turns apart carry regions side by side, and join into the
// run of the regions' union when those meet only along whole edges.
std::shared_ptr<const SweepRecord> joinedHelix(const std::shared_ptr<const SweepRecord>& first,
                                               const std::shared_ptr<const SweepRecord>& second)
{
    const SweepRecord& a = *first;
    const SweepRecord& b = *second;
    const HelixRun& ha = *a.helix;
    const HelixRun& hb = *b.helix;
    const double tol = std::max(helixTolerance(a), helixTolerance(b));
    const gp_Vec av(ha.axis.Direction());
    if (ha.axis.Direction().Angle(hb.axis.Direction()) > 1e-9 ||
        gp_Lin(ha.axis).Distance(hb.axis.Location()) > tol ||
        std::fabs(ha.advance - hb.advance) > 1e-9 * (1 + std::fabs(ha.advance)))
        return nullptr;
    const gp_Trsf D = ha.base.Inverted() * hb.base;
    const gp_Pnt c = ha.axis.Location();
    const gp_Vec shift(c, c.Transformed(D));
    const double s = shift.Dot(av);
    if ((shift - av * s).Magnitude() > tol)
        return nullptr;
    double d = 0;
    if (std::fabs(ha.advance) > 1e-12) {
        d = s / ha.advance;
    } else {
        gp_XYZ axis;
        double angle = 0;
        if (D.GetRotation(axis, angle) && gp_Vec(axis).Dot(av) < 0)
            angle = -angle;
        d = angle;
    }
    const auto points = referencePoints(regionBox(b.region));
    if (!samePlacement(D, ha.screw(d), points, tol))
        return nullptr;
    const double b0 = hb.from + d, b1 = hb.to + d, eps = 1e-9;
    if (a.region.IsSame(b.region) && a.forward == b.forward && b0 <= ha.to + eps && ha.from <= b1 + eps) {
        if (b0 >= ha.from - eps && b1 <= ha.to + eps)
            return first; // b adds nothing
        const double from = std::min(ha.from, b0), to = std::max(ha.to, b1);
        if (!ha.allows(from, to))
            return nullptr;
        auto r = std::make_shared<SweepRecord>(a);
        r->helix->from = from;
        r->helix->to = to;
        return r;
    }
    const double turns = std::round(d / (2 * M_PI));
    if (turns == 0 || std::fabs(d - turns * 2 * M_PI) > eps || std::fabs(b0 - turns * 2 * M_PI - ha.from) > eps ||
        std::fabs(b1 - turns * 2 * M_PI - ha.to) > eps)
        return nullptr;
    const TopoDS_Face other =
        TopoDS::Face(BRepBuilderAPI_Transform(b.region, ha.screw(turns * 2 * M_PI), true).Shape());
    const TopoDS_Face both = unionAlongEdges(TopoDS::Face(a.region), other, tol);
    if (both.IsNull())
        return nullptr;
    HelixRun run = ha;
    if (!fitsHelix(both, run) || !run.allows(run.from, run.to))
        return nullptr;
    auto r = std::make_shared<SweepRecord>(a);
    r->region = both;
    r->reach = std::sqrt(regionBox(both).SquareExtent());
    r->parts = {regionBox(both)};
    r->helix = run;
    return r;
}

} // namespace

std::shared_ptr<const SweepRecord> makeHelixRecord(const TopoDS_Face& region, const HelixRun& run)
{
    auto record = std::make_shared<SweepRecord>();
    record->region = region;
    const Bnd_Box box = regionBox(region);
    record->reach = std::sqrt(box.SquareExtent());
    record->parts = {box};
    record->helix = run;
    const gp_Pnt any = BRep_Tool::Pnt(TopExp::FirstVertex(TopoDS::Edge(TopExp_Explorer(region, TopAbs_EDGE).Current())));
    record->forward = gp_Vec(run.axis.Direction()).Crossed(gp_Vec(run.axis.Location(), any)).Dot(gp_Vec(regionNormal(region))) > 0;
    return record;
}

double placementScale(const std::vector<gp_Trsf>& placements)
{
    double s = 1.0;
    for (const gp_Trsf& t : placements)
        s = std::max(s, t.TranslationPart().Modulus());
    return s;
}

std::shared_ptr<const SweepRecord> makeSweepRecord(const TopoDS_Face& region, const std::vector<gp_Trsf>& placements,
                                                   bool forward)
{
    auto record = std::make_shared<SweepRecord>();
    record->region = region;
    record->forward = forward;
    const Bnd_Box box = regionBox(region);
    record->reach = std::sqrt(box.SquareExtent());
    record->parts = {box};
    append(*record, placements, 0);
    return record;
}

std::shared_ptr<const SweepRecord> moved(const SweepRecord& record, const gp_Trsf& t)
{
    auto r = std::make_shared<SweepRecord>(record);
    for (gp_Trsf& p : r->placements)
        p = t * p;
    for (auto& boxes : r->boxes)
        for (Bnd_Box& b : boxes)
            b = b.Transformed(t);
    if (r->helix)
        r->helix->base = t * r->helix->base;
    return r;
}

std::shared_ptr<const SweepRecord> joined(const std::shared_ptr<const SweepRecord>& a,
                                          const std::shared_ptr<const SweepRecord>& b)
{
    try {
        if (a->helix || b->helix)
            return a->helix && b->helix ? joinedHelix(a, b) : nullptr;
        if (a->region.IsSame(b->region) && a->forward == b->forward) {
            if (auto r = continued(a, b))
                return r;
            if (auto r = continued(b, a))
                return r;
        }
        return sideBySide(*a, *b);
    } catch (const Standard_Failure&) {
        // Whatever the kernel could not work out is left to the union.
        return nullptr;
    } catch (const EOleException&) {
        return nullptr;
    }
}

} // namespace geom
} // namespace acad
