#pragma once
// Records of swept solids, by which pieces swept along one path join into
// one sweep without the kernel.
#include <Bnd_Box.hxx>
#include <TopoDS_Face.hxx>
#include <TopoDS_Shape.hxx>
#include <gp_Trsf.hxx>

#include <memory>
#include <vector>

namespace acad {

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
};

namespace geom {

// The record of a region swept with the placements.
std::shared_ptr<const SweepRecord> makeSweepRecord(const TopoDS_Face& region, const std::vector<gp_Trsf>& placements,
                                                   bool forward);
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
