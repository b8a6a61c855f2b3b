#pragma once
// The geometry of a solid entity: a B-rep, with the colours of the faces
// that differ from the entity's own colour.
//
// Unions are kept pending: a union only adds the other solid's pieces to
// this one, and the pieces are fused when the shape is next needed, many at
// a time in a balanced tree of bounded fuses. Uniting hundreds of pieces one
// by one into a growing body would cost time quadratic in their number.
#include "acad/colour.h"
#include "acad/geometry.h"
#include "acad/sweep_record.h"

#include <Bnd_Box.hxx>
#include <Standard_Handle.hxx>
#include <TopoDS_Shape.hxx>
#include <TopoDS_TShape.hxx>
#include <gp_Pln.hxx>
#include <gp_Trsf.hxx>

#include <cstddef>
#include <memory>
#include <unordered_map>
#include <utility>
#include <vector>

namespace acad {

// Colours of single faces, by the face's own geometry (whatever its place).
class FaceColours {
public:
    void set(const TopoDS_Shape& face, const Colour& colour);
    const Colour* find(const TopoDS_Shape& face) const;
    bool empty() const { return map_.empty(); }
    std::size_t size() const { return map_.size(); }
    void clear() { map_.clear(); }
    void erase(const TopoDS_Shape& face);

private:
    std::unordered_map<const TopoDS_TShape*, std::pair<Handle(TopoDS_TShape), Colour>> map_;
};

struct SolidPiece {
    TopoDS_Shape shape; // null until made from the sweep
    FaceColours colours;
    std::shared_ptr<const SweepRecord> sweep;
    // Set while the piece is still the plain extrusion of one face.
    std::shared_ptr<const geom::Prism> prism;
};

class SolidBody {
public:
    explicit SolidBody(const TopoDS_Shape& shape, std::shared_ptr<const SweepRecord> sweep = nullptr,
                       std::shared_ptr<const geom::Prism> prism = nullptr);

    // The B-rep, every pending union made. Throws EOleException when the
    // kernel cannot make it; the pieces then stay as they are.
    const TopoDS_Shape& shape() const;
    const FaceColours& faceColours() const;
    // Pieces waiting to be fused (1 when none).
    std::size_t pieceCount() const { return pieces_.size(); }
    // The pieces as they stand, fused or not (for showing them quickly).
    TopoDS_Shape piecesCompound() const;
    const std::vector<SolidPiece>& pieces() const
    {
        build();
        return pieces_;
    }

    void transform(const gp_Trsf& t);

    // This := this ∪ other. The other's faces keep the other's colour.
    void unite(SolidBody&& other, const Colour& otherColour, const Colour& ownColour);
    // This := this − other; this := this ∩ other. Throw EOleException and
    // leave both unchanged when the kernel fails. A prism cut by a prism of
    // the same plane and vector lying inside it becomes one prism of the
    // region with a hole.
    void subtract(SolidBody&& other);
    void intersect(SolidBody&& other);

    void clearFaceColours();

    double volume() const;
    // The faces of the section by a plane; null when the plane misses.
    TopoDS_Shape section(const gp_Pln& plane) const;

private:
    mutable std::vector<SolidPiece> pieces_;
    void resolve() const;
    void build() const;
};

namespace geom {
// Fuses pieces in a balanced tree of fuses of at most `chunk` arguments.
SolidPiece fuseAll(std::vector<SolidPiece> pieces, std::size_t chunk = 32);
// Checks that a shape is a valid solid (or solids) with positive volume and
// returns the volume; throws EOleException otherwise. The volume is worked
// out while the kernel's analyser runs.
double checkSolid(const TopoDS_Shape& shape, const char* what);
double volumeOf(const TopoDS_Shape& shape);
} // namespace geom

} // namespace acad
