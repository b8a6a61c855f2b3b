#pragma once
// A shaded rendering of solids without any display: each solid meshed,
// projected orthographically, filled triangle by triangle into a depth
// buffer at twice the size with smooth shading under one light, its sharp
// edges drawn where they are in view, and the result reduced to the size.
#include "tools/pictures/records.h"

#include <QColor>
#include <QImage>
#include <QPointF>
#include <TopoDS_Shape.hxx>
#include <gp_Pnt.hxx>

#include <functional>
#include <utility>
#include <vector>

namespace pictures {

struct ShadedSolid {
    TopoDS_Shape shape;
    QColor colour;
    // Faces of the shape that have a colour of their own; the rest take
    // the solid's.
    std::vector<std::pair<TopoDS_Shape, QColor>> faceColours = {};
};

// A shaded view with the means to mark it: where a point of the solids
// lands in the picture, in pixels.
struct ShadedPicture {
    QImage image;
    std::function<QPointF(const gp_Pnt&)> toPixels;
};

// The solids seen along the view, scaled to fill the frame (a rectangle of
// the picture) with their centre at its centre; pixels that show no solid
// keep the background.
QImage shadedView(const std::vector<ShadedSolid>& solids, const View& view, const QImage& background,
                  const QRect& frame);
// The same with the solids' outline against the background drawn as a
// line where asked, as small pictures of round bodies want it, and of the
// edges between faces only those where the faces fold by smallestFold
// degrees or more: the many slight folds where small round bodies join
// would only blur a small picture.
ShadedPicture shadedPicture(const std::vector<ShadedSolid>& solids, const View& view, const QImage& background,
                            const QRect& frame, bool outlined, double smallestFold);

} // namespace pictures
