#pragma once
// A shaded rendering of solids without any display: each solid meshed,
// projected orthographically, filled triangle by triangle into a depth
// buffer at twice the size with smooth shading under one light, its sharp
// edges drawn where they are in view, and the result reduced to the size.
#include "tools/pictures/records.h"

#include <QColor>
#include <QImage>
#include <TopoDS_Shape.hxx>

#include <vector>

namespace pictures {

struct ShadedSolid {
    TopoDS_Shape shape;
    QColor colour;
};

// The solids seen along the view, scaled to fill the frame (a rectangle of
// the picture) with their centre at its centre; pixels that show no solid
// keep the background.
QImage shadedView(const std::vector<ShadedSolid>& solids, const View& view, const QImage& background,
                  const QRect& frame);

} // namespace pictures
