#pragma once
// A part seen as a technical line drawing: its edges projected along the
// view by hidden-line removal, split into visible edges, visible tangent
// edges between smooth faces and hidden edges; for a section view the part
// is cut first and the faces of the cut are kept as areas to hatch. Lines
// without faces (a "2D" drawing) are projected as they lie, all visible.
// Coordinates are those of the view plane, in the part's units, y upwards.
#include "tools/pictures/records.h"

#include <HLRAlgo_Projector.hxx>
#include <TopoDS_Shape.hxx>
#include <gp_Pnt.hxx>

#include <QPainterPath>
#include <QPolygonF>

#include <vector>

namespace pictures {

enum class LineKind { Visible, Tangent, Hidden };

struct ProjectedLine {
    LineKind kind;
    QPolygonF points;
};

class Projection {
public:
    Projection(const TopoDS_Shape& part, const View& view, const std::optional<Vector>& cutNormal,
               double cutAt = 0);

    const std::vector<ProjectedLine>& lines() const { return lines_; }
    const std::vector<QPainterPath>& cutFaces() const { return cutFaces_; }
    // The part as projected (after the cut, if any).
    const TopoDS_Shape& shape() const { return shape_; }

    QPointF project(const gp_Pnt& p) const;
    // The point of the part's edges nearest to p.
    gp_Pnt nearestOnEdges(const gp_Pnt& p) const;

private:
    void addLines(const TopoDS_Shape& edges, LineKind kind);

    TopoDS_Shape shape_;
    HLRAlgo_Projector projector_;
    double deflection_;
    std::vector<ProjectedLine> lines_;
    std::vector<QPainterPath> cutFaces_;
};

} // namespace pictures
