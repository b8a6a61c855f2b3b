#pragma once
// The geometry behind the model-space calls: regions from polylines,
// extrusions, revolutions, sweeps and primitive solids. Every function either
// returns valid geometry or throws EOleException.
#include <TopoDS_Face.hxx>
#include <TopoDS_Shape.hxx>
#include <gp_Dir.hxx>
#include <gp_Pnt.hxx>
#include <gp_Vec.hxx>

#include <memory>
#include <vector>

namespace acad {
struct SweepRecord;
}

namespace acad::geom {

[[noreturn]] void invalidInput(const char* what);

// The region of a closed planar polyline: consecutive equal vertices are
// left out (with their bulges), bulges of any size make arcs. A polyline
// that is not closed, not planar, crosses itself or encloses nothing is
// refused. The face's normal is the polyline's.
TopoDS_Face regionFromPolyline(const std::vector<gp_Pnt>& points, const std::vector<double>& bulges,
                               const gp_Dir& normal);
TopoDS_Face regionFromCircle(const gp_Pnt& centre, const gp_Dir& normal, double radius);

// The faces of a region along its normal by the height (negative: the other
// way), the sides drawn in by the taper angle (radians).
TopoDS_Shape extrude(const TopoDS_Shape& region, double height, double taper);

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

// The normal of a region's face (the way its outer loop runs
// counter-clockwise); a face that is not flat is refused.
gp_Dir regionNormal(const TopoDS_Face& face);

// A fresh copy of a region's faces, sharing nothing with it.
TopoDS_Shape copyOf(const TopoDS_Shape& shape);

} // namespace acad::geom
