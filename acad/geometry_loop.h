#pragma once
// Closed loops of straight and circular segments in a plane, checked and
// compared exactly, without the kernel: whether a loop is a proper boundary
// (no crossing, touching or running back over itself, some area), and
// whether two loops keep clear of each other.
#include <gp_Ax3.hxx>
#include <gp_Pnt.hxx>
#include <gp_Pnt2d.hxx>

#include <vector>

namespace acad::geom {

// A segment from a to b; with a bulge other than 0 a circular arc (the
// bulge's sign: positive turns counter-clockwise).
struct LoopSegment {
    gp_Pnt2d a, b;
    double bulge = 0;
};
using Loop = std::vector<LoopSegment>;

// A point of the plane of the axes in the plane's own coordinates
// (counter-clockwise about the axes' direction).
gp_Pnt2d inPlane(const gp_Ax3& axes, const gp_Pnt& p);

// Refuses (as invalid input) a loop that crosses itself, touches itself or
// runs back over its own edges within the tolerance, or encloses no area.
// The segments are consecutive, the last ending where the first begins,
// each longer than the tolerance.
void checkLoop(const Loop& loop, double tol);

// The area the loop encloses, positive when it runs counter-clockwise.
double signedArea(const Loop& loop);

// Whether no segment of one loop comes within the tolerance of the other.
bool loopsApart(const Loop& one, const Loop& other, double tol);

// Whether the point lies inside the loop (and not within the tolerance of it).
bool insideLoop(const Loop& loop, const gp_Pnt2d& p);

} // namespace acad::geom
