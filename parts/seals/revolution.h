#pragma once
// What the seal panels share: the bulges of their arcs and the profile
// revolved a full turn into a solid of revolution.
#include "acad/fields.h"

#include <cmath>
#include <vector>

namespace seals {

// The bulge of an arc whose included angle is four times the given angle,
// worked out as its sine over its cosine.
inline double bulgeOf(double quarterAngle)
{
    return std::sin(quarterAngle) / std::cos(quarterAngle);
}

constexpr double kPi = 3.141592653589793;
constexpr double kFullTurn = 6.283185307179586;

// A closed outline: its vertices (the last repeats the first) and the
// bulges of its arcs in ascending order of vertex.
struct Profile {
    std::vector<acad::XY> vertices;
    std::vector<acad::Bulge> bulges;
};

// The profile-to-solid sequence for a solid of revolution: the outline into
// VertexArray, its polyline, bulges and region, the region revolved a full
// turn about the axis through axisPoint along axisDirection, then the
// polyline and the region deleted.
acad::IAcad3DSolid revolve(acad::WorkingFields& f, const Profile& profile, const acad::AcadPoint& axisPoint,
                           const acad::AcadPoint& axisDirection);

// The same about the X axis, the seals' usual axis.
inline acad::IAcad3DSolid revolveAboutX(acad::WorkingFields& f, const Profile& profile)
{
    return revolve(f, profile, acad::AcadPoint(0, 0, 0), acad::AcadPoint(77, 0, 0));
}

} // namespace seals
