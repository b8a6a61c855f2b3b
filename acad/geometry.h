#pragma once
// The geometry behind the model-space calls: regions from polylines,
// extrusions, revolutions, sweeps and primitive solids. Every function either
// returns valid geometry or throws EOleException.
#include <TopoDS_Edge.hxx>
#include <TopoDS_Face.hxx>
#include <TopoDS_Shape.hxx>
#include <gp_Ax2.hxx>
#include <gp_Dir.hxx>
#include <gp_Pnt.hxx>
#include <gp_Vec.hxx>

#include <memory>
#include <string>
#include <vector>

namespace acad {
struct SweepRecord;
}

namespace acad::geom {

[[noreturn]] void invalidInput(const char* what);
[[noreturn]] void modelingError(const std::string& what);

// The kernel holds every point to a fixed tolerance of 1e-7 mm, which a
// double can keep only up to about 1e8 mm (100 km) from the origin: regions
// and solids reaching further are refused.
constexpr double kReach = 1e8;
// Edges nearer to each other than this are one edge for the kernel.
constexpr double kTouching = 2e-7;
// The least length, height or radius of a solid.
constexpr double kLeastSize = 1e-6;

// The middle of the arc from a to b with the bulge, in the plane of the
// normal: off the chord's middle by bulge times half the chord, to the right
// of the chord for a positive (counter-clockwise) bulge.
gp_Pnt arcMiddle(const gp_Pnt& a, const gp_Pnt& b, double bulge, const gp_Dir& normal);

// Edges for showing and saving curves. They never fail: where the kernel
// cannot hold the points to its tolerance, the edge's tolerance is widened.
// Null where the points coincide.
TopoDS_Edge lineEdge(const gp_Pnt& a, const gp_Pnt& b);
TopoDS_Edge arcEdge(const gp_Pnt& a, const gp_Pnt& middle, const gp_Pnt& b);
TopoDS_Edge circleEdge(const gp_Ax2& position, double radius, double first, double last);

// The region of a closed planar polyline: consecutive equal vertices are
// left out (with their bulges), bulges of any size make arcs. A polyline
// that is not closed, not planar, crosses itself or encloses nothing is
// refused. The face's normal is the polyline's.
TopoDS_Face regionFromPolyline(const std::vector<gp_Pnt>& points, const std::vector<double>& bulges,
                               const gp_Dir& normal);
TopoDS_Face regionFromCircle(const gp_Pnt& centre, const gp_Dir& normal, double radius);

// A plain extrusion of one face: the face and the vector it was carried by.
struct Prism {
    TopoDS_Face face;
    gp_Vec vector;
};

// The faces of a region along its normal by the height (negative: the other
// way), the sides drawn in by the taper angle (radians). A plain extrusion
// of one face comes with its prism.
struct Extruded {
    TopoDS_Shape solid;
    std::shared_ptr<const Prism> prism;
};
Extruded extrude(const TopoDS_Shape& region, double height, double taper);

// A region turned right-handed about the axis by the angle (radians;
// negative turns the other way, beyond a full turn is a full turn).
TopoDS_Shape revolve(const TopoDS_Shape& region, const gp_Pnt& axisPoint, const gp_Vec& axisDirection,
                     double angle);

// A region carried along a path of points from where it lies: at each
// vertex the region stands turned and shifted as the path has turned and
// advanced up to it; between vertices the solid is ruled. A region of one
// face comes with the record by which its pieces join.
struct Swept {
    TopoDS_Shape solid;
    std::shared_ptr<const SweepRecord> record;
};
Swept sweep(const TopoDS_Shape& region, const std::vector<gp_Pnt>& path);

TopoDS_Shape box(const gp_Pnt& centre, double length, double width, double height);
TopoDS_Shape wedge(const gp_Pnt& centre, double length, double width, double height);
TopoDS_Shape cylinder(const gp_Pnt& centre, double radius, double height);
TopoDS_Shape cone(const gp_Pnt& centre, double baseRadius, double height);
TopoDS_Shape sphere(const gp_Pnt& centre, double radius);
TopoDS_Shape torus(const gp_Pnt& centre, double ringRadius, double tubeRadius);

// A copy of a shape's topology, sharing its curves and surfaces: the kernel's
// sweeps add curves to the edges they are given, which must not pile up on a
// region swept again and again.
TopoDS_Shape copyOf(const TopoDS_Shape& shape);

// The normal of a region's face (the way its outer loop runs
// counter-clockwise); a face that is not flat is refused.
gp_Dir regionNormal(const TopoDS_Face& face);

} // namespace acad::geom
