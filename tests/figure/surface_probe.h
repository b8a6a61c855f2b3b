#pragma once
// What a viewer sees of a drawn solid: the first face a line of sight meets,
// with its point and colour, and where the faces of one colour reach.
#include "acad/model.h"

#include <BRepBndLib.hxx>
#include <Bnd_Box.hxx>
#include <IntCurvesFace_ShapeIntersector.hxx>
#include <TopExp_Explorer.hxx>
#include <gp_Lin.hxx>

#include <limits>
#include <optional>

struct Seen {
    gp_Pnt point;
    acad::Colour colour;
};

// Looking along `look` on the line through `through`: the first face met.
inline std::optional<Seen> firstSeen(const acad::SolidEntity& solid, const gp_Pnt& through, const gp_Dir& look)
{
    IntCurvesFace_ShapeIntersector x;
    x.Load(solid.shape(), 1e-7);
    x.Perform(gp_Lin(through, look), -1e5, 1e5);
    if (!x.IsDone() || x.NbPnt() == 0)
        return std::nullopt;
    int first = 1;
    for (int i = 2; i <= x.NbPnt(); ++i)
        if (x.WParameter(i) < x.WParameter(first))
            first = i;
    return Seen{x.Pnt(first), solid.faceColour(x.Face(first))};
}

// Looking from the front (along −Z) at (x, y).
inline std::optional<Seen> seenFromFront(const acad::SolidEntity& solid, double x, double y)
{
    return firstSeen(solid, gp_Pnt(x, y, 0), gp_Dir(0, 0, -1));
}

// The box of the faces of that colour; void when there are none.
inline Bnd_Box boxOfColour(const acad::SolidEntity& solid, const acad::Colour& colour)
{
    Bnd_Box box;
    for (TopExp_Explorer e(solid.shape(), TopAbs_FACE); e.More(); e.Next())
        if (solid.faceColour(e.Current()) == colour)
            BRepBndLib::AddOptimal(e.Current(), box, false, false);
    return box;
}

inline int solidCount(const acad::SolidEntity& solid)
{
    int n = 0;
    for (TopExp_Explorer e(solid.shape(), TopAbs_SOLID); e.More(); e.Next())
        ++n;
    return n;
}
