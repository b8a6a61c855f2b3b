#pragma once
// Records of swept solids, by which pieces swept along one path join into
// one sweep without the kernel.
#include <Bnd_Box.hxx>
#include <TopoDS_Face.hxx>
#include <TopoDS_Shape.hxx>
#include <gp_Ax1.hxx>
#include <gp_Trsf.hxx>

#include <memory>
#include <optional>
#include <vector>

namespace acad {

// A region carried along a helix: at angle t (radians, right-handed about
// the axis) the region stands turned by t about the axis and shifted along
// it by advance * t. The region lies in a plane through the axis, on one
// side of it, and stands as it lies at t = 0.
struct HelixRun {
    gp_Ax1 axis;
    double advance = 0;  // along the axis per radian
    double from = 0, to = 0;
    gp_Trsf base;        // where the whole run has been moved since
    double extent = 0;   // the region's length along the axis
    bool touching = false; // a turn later the region meets itself along whole edges
    double lead() const;
    // The screw by t about the axis (without the base).
    gp_Trsf screw(double t) const;
    // Whether a run over [from, to] keeps clear of itself (turns a lead
    // apart may meet along whole edges only).
    bool allows(double from, double to) const;
};

// How a solid swept along a path came about: the region as it lies and its
// placement at each vertex of the path. Pieces of one region swept along
// overlapping stretches of one path join into one sweep when united, without
// the kernel: the strips they share are the same strips.
struct SweepRecord {
    TopoDS_Shape region;             // the region's face, also what identifies it
    std::vector<gp_Trsf> placements; // where the region stands at each vertex
    // The region is the union of these parts (one, unless sweeps running
    // side by side were joined); a box round each part where the region
    // lies, and at each vertex.
    std::vector<Bnd_Box> parts;
    std::vector<std::vector<Bnd_Box>> boxes; // [vertex][part]
    std::vector<double> travel;      // how far the region's centre has come
    bool forward = true;             // the path leaves along the region's normal
    double reach = 0;                // the region's size
    // Set when the path's vertices all lie on one helix: the sweep is then
    // the screw sweep over the run, whatever the spacing of the vertices,
    // and the placements, boxes and travel above stay empty.
    std::optional<HelixRun> helix;
};

namespace geom {

// The record of a region swept with the placements.
std::shared_ptr<const SweepRecord> makeSweepRecord(const TopoDS_Face& region, const std::vector<gp_Trsf>& placements,
                                                   bool forward);
// Completes a helix run for a region: its extent along the axis and whether
// turns a lead apart touch; false when the region does not lie in a plane
// through the axis on one side of it.
bool fitsHelix(const TopoDS_Face& region, HelixRun& run);
// The helix through all the vertices of a path, if there is one.
std::optional<HelixRun> helixThrough(const std::vector<gp_Pnt>& path);
// The solid of a region swept along a helix run, one face for each edge of
// the region over the run and the two end faces.
TopoDS_Shape helixSolid(const TopoDS_Face& region, const HelixRun& run);
// The record of a region swept along a helix run.
std::shared_ptr<const SweepRecord> makeHelixRecord(const TopoDS_Face& region, const HelixRun& run);
// How far the placements carry anything: a scale for tolerances.
double placementScale(const std::vector<gp_Trsf>& placements);
// The record of a sweep moved rigidly.
std::shared_ptr<const SweepRecord> moved(const SweepRecord& record, const gp_Trsf& t);
// Makes the solid of a sweep record.
TopoDS_Shape sweepSolid(const SweepRecord& record);
// One sweep that is the union of the two, or null. Two sweeps join when one
// continues the other through sections they share, or when they run side by
// side: the same placements carrying regions of one plane that meet only
// along whole edges (the turns of a thread, a pitch apart), whose union is
// then swept once. The joined sweep must keep clear of itself. Returns a
// itself when b adds nothing to it.
std::shared_ptr<const SweepRecord> joined(const std::shared_ptr<const SweepRecord>& a,
                                          const std::shared_ptr<const SweepRecord>& b);

} // namespace geom
} // namespace acad
