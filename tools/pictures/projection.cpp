#include "tools/pictures/projection.h"

#include <BRepAdaptor_Curve.hxx>
#include <BRepAdaptor_Surface.hxx>
#include <BRepAlgoAPI_Cut.hxx>
#include <BRepBndLib.hxx>
#include <BRepBuilderAPI_MakeVertex.hxx>
#include <BRepExtrema_DistShapeShape.hxx>
#include <BRepPrimAPI_MakeBox.hxx>
#include <BRepTools_WireExplorer.hxx>
#include <BRepLib.hxx>
#include <BRep_Builder.hxx>
#include <BRep_Tool.hxx>
#include <TopExp.hxx>
#include <TopTools_IndexedDataMapOfShapeListOfShape.hxx>
#include <TopTools_ListOfShape.hxx>
#include <Bnd_Box.hxx>
#include <GCPnts_TangentialDeflection.hxx>
#include <HLRBRep_Algo.hxx>
#include <HLRBRep_HLRToShape.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Compound.hxx>
#include <gp_Ax2.hxx>
#include <gp_Pln.hxx>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace pictures {

namespace {

gp_Dir dir(const Vector& v)
{
    return gp_Dir(v[0], v[1], v[2]);
}

// The points of an edge in the order of its orientation.
std::vector<gp_Pnt> edgePoints(const TopoDS_Edge& edge, double deflection)
{
    std::vector<gp_Pnt> points;
    BRepAdaptor_Curve curve(edge);
    GCPnts_TangentialDeflection sampler(curve, 0.05, deflection);
    for (int i = 1; i <= sampler.NbPoints(); ++i)
        points.push_back(sampler.Value(i));
    if (edge.Orientation() == TopAbs_REVERSED)
        std::reverse(points.begin(), points.end());
    return points;
}

// The solid on the normal's side of the plane through the origin, larger
// than the part.
TopoDS_Shape halfSpace(const gp_Dir& normal, double at, double size)
{
    gp_Ax2 frame(gp::Origin().Translated(gp_Vec(normal) * at), normal);
    const gp_Vec corner = -(gp_Vec(frame.XDirection()) + gp_Vec(frame.YDirection())) * size;
    frame.SetLocation(frame.Location().Translated(corner));
    return BRepPrimAPI_MakeBox(frame, 2 * size, 2 * size, size).Shape();
}

bool liesInPlane(const TopoDS_Face& face, const gp_Dir& normal, double at)
{
    BRepAdaptor_Surface surface(face);
    if (surface.GetType() != GeomAbs_Plane)
        return false;
    const gp_Pln plane = surface.Plane();
    return plane.Axis().Direction().IsParallel(normal, 1e-6) && plane.Distance(gp::Origin().Translated(gp_Vec(normal) * at)) < 1e-6;
}

// Faces that meet at an edge at less than five degrees are the
// facets of one smooth surface (an outline of one straight segment per
// degree, revolved): their edges are tagged smooth beyond tangency, which
// the hidden-line removal leaves out of the drawing. Edges between faces
// that are tangent outright keep their lines as before.
void smoothFacets(const TopoDS_Shape& shape)
{
    constexpr double kFacetAngle = 5.0 * M_PI / 180;
    TopTools_IndexedDataMapOfShapeListOfShape faces;
    TopExp::MapShapesAndAncestors(shape, TopAbs_EDGE, TopAbs_FACE, faces);
    BRep_Builder builder;
    for (int k = 1; k <= faces.Extent(); ++k) {
        TopoDS_Edge edge = TopoDS::Edge(faces.FindKey(k));
        const TopTools_ListOfShape& around = faces(k);
        if (around.Extent() != 2 || BRep_Tool::Degenerated(edge))
            continue;
        const TopoDS_Face f1 = TopoDS::Face(around.First()), f2 = TopoDS::Face(around.Last());
        if (f1.IsSame(f2) || BRep_Tool::HasContinuity(edge, f1, f2))
            continue;
        BRepLib::EncodeRegularity(edge, f1, f2, 1e-7);
        if (BRep_Tool::HasContinuity(edge, f1, f2) && BRep_Tool::Continuity(edge, f1, f2) != GeomAbs_C0) {
            builder.Continuity(edge, f1, f2, GeomAbs_C0);
            continue;
        }
        BRepLib::EncodeRegularity(edge, f1, f2, kFacetAngle);
        if (BRep_Tool::HasContinuity(edge, f1, f2) && BRep_Tool::Continuity(edge, f1, f2) != GeomAbs_C0)
            builder.Continuity(edge, f1, f2, GeomAbs_C2);
    }
}

} // namespace

Projection::Projection(const TopoDS_Shape& part, const View& view, const std::optional<Vector>& cutNormal,
                       double cutAt)
{
    const gp_Dir toViewer = dir(view.toViewer);
    const gp_Dir right = dir(view.up).Crossed(toViewer);
    projector_ = HLRAlgo_Projector(gp_Ax2(gp::Origin(), toViewer, right));

    Bnd_Box box;
    BRepBndLib::Add(part, box);
    const double size = std::sqrt(box.SquareExtent());
    deflection_ = size * 5e-4;

    shape_ = part;
    if (cutNormal) {
        const gp_Dir normal = dir(*cutNormal);
        // Each solid is cut on its own: the solids of one press may overlap
        // (a ring squeezed into its groove), which one cut of them all
        // would take for one body.
        const TopoDS_Shape away = halfSpace(normal, cutAt, 2 * size);
        TopoDS_Compound halves;
        BRep_Builder builder;
        builder.MakeCompound(halves);
        for (TopExp_Explorer solid(part, TopAbs_SOLID); solid.More(); solid.Next()) {
            BRepAlgoAPI_Cut cut(solid.Current(), away);
            if (!cut.IsDone())
                throw std::runtime_error("the section failed");
            builder.Add(halves, cut.Shape());
        }
        shape_ = halves;
        for (TopExp_Explorer f(shape_, TopAbs_FACE); f.More(); f.Next()) {
            const TopoDS_Face face = TopoDS::Face(f.Current());
            if (!liesInPlane(face, normal, cutAt))
                continue;
            QPainterPath path;
            path.setFillRule(Qt::OddEvenFill);
            for (TopExp_Explorer w(face, TopAbs_WIRE); w.More(); w.Next()) {
                QPolygonF outline;
                for (BRepTools_WireExplorer e(TopoDS::Wire(w.Current()), face); e.More(); e.Next())
                    for (const gp_Pnt& p : edgePoints(e.Current(), deflection_))
                        outline << project(p);
                path.addPolygon(outline);
                path.closeSubpath();
            }
            cutFaces_.push_back(path);
        }
    }

    // Lines drawn in the drawing are shown as they lie, all of them in view.
    if (!TopExp_Explorer(shape_, TopAbs_FACE).More()) {
        for (TopExp_Explorer e(shape_, TopAbs_EDGE); e.More(); e.Next()) {
            QPolygonF line;
            for (const gp_Pnt& p : edgePoints(TopoDS::Edge(e.Current()), deflection_))
                line << project(p);
            if (line.size() > 1)
                lines_.push_back({LineKind::Visible, line});
        }
        return;
    }

    smoothFacets(shape_);
    Handle(HLRBRep_Algo) algo = new HLRBRep_Algo();
    algo->Add(shape_);
    algo->Projector(projector_);
    algo->Update();
    algo->Hide();
    HLRBRep_HLRToShape hlr(algo);
    addLines(hlr.HCompound(), LineKind::Hidden);
    addLines(hlr.OutLineHCompound(), LineKind::Hidden);
    addLines(hlr.Rg1LineVCompound(), LineKind::Tangent);
    addLines(hlr.VCompound(), LineKind::Visible);
    addLines(hlr.OutLineVCompound(), LineKind::Visible);
}

void Projection::addLines(const TopoDS_Shape& edges, LineKind kind)
{
    if (edges.IsNull())
        return;
    for (TopExp_Explorer e(edges, TopAbs_EDGE); e.More(); e.Next()) {
        QPolygonF line;
        // The edges of hidden-line removal lie in the view plane already.
        for (const gp_Pnt& p : edgePoints(TopoDS::Edge(e.Current()), deflection_))
            line << QPointF(p.X(), p.Y());
        if (line.size() > 1)
            lines_.push_back({kind, line});
    }
}

QPointF Projection::project(const gp_Pnt& p) const
{
    gp_Pnt2d q;
    projector_.Project(p, q);
    return {q.X(), q.Y()};
}

gp_Pnt Projection::nearestOnEdges(const gp_Pnt& p) const
{
    TopoDS_Compound edges;
    BRep_Builder builder;
    builder.MakeCompound(edges);
    for (TopExp_Explorer e(shape_, TopAbs_EDGE); e.More(); e.Next())
        builder.Add(edges, e.Current());
    BRepExtrema_DistShapeShape distance(BRepBuilderAPI_MakeVertex(p).Vertex(), edges);
    if (!distance.IsDone() || distance.NbSolution() == 0)
        throw std::runtime_error("no edge near an anchor");
    return distance.PointOnShape2(1);
}

} // namespace pictures
