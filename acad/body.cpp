#include "acad/body.h"

#include "acad/errors.h"
#include "acad/geometry_loop.h"

#include <BOPAlgo_PaveFiller.hxx>
#include <BRepAdaptor_Curve.hxx>
#include <BRepAlgoAPI_Common.hxx>
#include <BRepAlgoAPI_Cut.hxx>
#include <BRepAlgoAPI_Fuse.hxx>
#include <BRepAdaptor_Surface.hxx>
#include <BRepClass3d_SolidClassifier.hxx>
#include <BRepClass_FaceClassifier.hxx>
#include <BRepBndLib.hxx>
#include <BRepBuilderAPI_Copy.hxx>
#include <BRepBuilderAPI_MakeFace.hxx>
#include <BRepBuilderAPI_MakeVertex.hxx>
#include <BRepExtrema_DistShapeShape.hxx>
#include <BRepBuilderAPI_Transform.hxx>
#include <BRepCheck_Analyzer.hxx>
#include <BRepGProp.hxx>
#include <BRepPrimAPI_MakePrism.hxx>
#include <BRepTools.hxx>
#include <BRepTools_Modifier.hxx>
#include <BRepTools_WireExplorer.hxx>
#include <BRep_Builder.hxx>
#include <BRep_Tool.hxx>
#include <Bnd_Box.hxx>
#include <GProp_GProps.hxx>
#include <Geom2d_Curve.hxx>
#include <Geom_Plane.hxx>
#include <Precision.hxx>
#include <ShapeCustom_ConvertToRevolution.hxx>
#include <TopExp.hxx>
#include <TopExp_Explorer.hxx>
#include <TopTools_IndexedMapOfShape.hxx>
#include <TopTools_ListOfShape.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Compound.hxx>
#include <TopoDS_Wire.hxx>
#include <gp_Ax3.hxx>
#include <gp_Cylinder.hxx>
#include <gp_Lin.hxx>
#include <gp_Pln.hxx>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <exception>
#include <functional>
#include <future>
#include <memory>
#include <optional>
#include <thread>
#include <unordered_set>

namespace acad {

void FaceColours::set(const TopoDS_Shape& face, const Colour& colour)
{
    const Handle(TopoDS_TShape)& t = face.TShape();
    map_[t.get()] = {t, colour};
}

const Colour* FaceColours::find(const TopoDS_Shape& face) const
{
    const auto it = map_.find(face.TShape().get());
    return it == map_.end() ? nullptr : &it->second.second;
}

void FaceColours::erase(const TopoDS_Shape& face)
{
    map_.erase(face.TShape().get());
}

namespace geom {

namespace {

enum class Op { Fuse, Cut, Common };

const char* opName(Op op)
{
    switch (op) {
    case Op::Fuse: return "объединение";
    case Op::Cut: return "вычитание";
    case Op::Common: return "пересечение";
    }
    return "";
}

int solidCount(const TopoDS_Shape& shape)
{
    int n = 0;
    for (TopExp_Explorer e(shape, TopAbs_SOLID); e.More(); e.Next())
        ++n;
    return n;
}

// A compound of one solid is the solid itself; a compound of solids keeps
// only its solids. Other results stay as they are.
TopoDS_Shape simplified(const TopoDS_Shape& shape)
{
    if (shape.IsNull() || shape.ShapeType() != TopAbs_COMPOUND)
        return shape;
    const int n = solidCount(shape);
    if (n == 0)
        return shape;
    if (n == 1) {
        TopExp_Explorer e(shape, TopAbs_SOLID);
        return e.Current();
    }
    TopoDS_Compound c;
    BRep_Builder b;
    b.MakeCompound(c);
    for (TopExp_Explorer e(shape, TopAbs_SOLID); e.More(); e.Next())
        b.Add(c, e.Current());
    return c;
}

// Carries the face colours of the pieces over to the result of an operation.
// Where the pieces share a face, the earlier piece's colour stands; a face
// without a colour of its own shows the first piece's (the receiver's).
void carryColours(BRepAlgoAPI_BooleanOperation& algo, const std::vector<const SolidPiece*>& pieces,
                  FaceColours& out)
{
    for (std::size_t k = pieces.size(); k-- > 0;) {
        const SolidPiece* piece = pieces[k];
        if (piece->colours.empty() && k != 0)
            continue;
        TopTools_IndexedMapOfShape faces;
        TopExp::MapShapes(piece->shape, TopAbs_FACE, faces);
        for (int i = 1; i <= faces.Extent(); ++i) {
            const TopoDS_Shape& face = faces(i);
            const Colour* c = piece->colours.find(face);
            if (!c && k != 0)
                continue;
            auto apply = [&](const TopoDS_Shape& f) {
                if (c)
                    out.set(f, *c);
                else
                    out.erase(f);
            };
            const TopTools_ListOfShape& modified = algo.Modified(face);
            if (!modified.IsEmpty()) {
                for (const TopoDS_Shape& f : modified)
                    apply(f);
            } else if (!algo.IsDeleted(face)) {
                apply(face);
            }
        }
    }
}

// The piece's face colours on the faces that `modified` gives for its faces.
template <class Modified>
FaceColours carriedColours(const SolidPiece& piece, Modified modified)
{
    FaceColours carried;
    if (piece.colours.empty())
        return carried;
    TopTools_IndexedMapOfShape faces;
    TopExp::MapShapes(piece.shape, TopAbs_FACE, faces);
    for (int i = 1; i <= faces.Extent(); ++i)
        if (const Colour* colour = piece.colours.find(faces(i)))
            carried.set(modified(faces(i)), *colour);
    return carried;
}

// A private copy of a piece, which a destructive operation may change as it
// likes; the face colours follow the copy. With `geometry` the copy shares
// not even its curves and surfaces with the piece, as work on another thread
// needs: the kernel's evaluators of some surfaces keep caches that two
// threads must not share.
SolidPiece privateCopy(const SolidPiece& piece, bool geometry = false)
{
    BRepBuilderAPI_Copy copy(piece.shape, geometry, false);
    SolidPiece c;
    c.shape = copy.Shape();
    c.colours = carriedColours(piece, [&](const TopoDS_Shape& face) { return copy.ModifiedShape(face); });
    return c;
}

Bnd_Box boxOf(const TopoDS_Shape& shape)
{
    Bnd_Box box;
    BRepBndLib::Add(shape, box);
    return box;
}

bool boxesOverlap(const TopoDS_Shape& a, const TopoDS_Shape& b)
{
    return !boxOf(a).IsOut(boxOf(b));
}

// Beyond this distance from the origin (100 km) a coordinate keeps fewer
// digits below the millimetre than the kernel's tolerance needs.
constexpr double kFarthest = 1e8;

bool beyondReach(const TopoDS_Shape& shape)
{
    const Bnd_Box box = boxOf(shape);
    if (box.IsVoid())
        return false;
    double x0, y0, z0, x1, y1, z1;
    box.Get(x0, y0, z0, x1, y1, z1);
    for (double v : {x0, y0, z0, x1, y1, z1})
        if (!(std::fabs(v) < kFarthest))
            return true;
    return false;
}

// Runs the kernel's operations destructively, on private copies of the
// operands: it may then keep what it computed on the operands' edges instead
// of working it out again on every query. The operands are intersected once
// for all the operations asked.
std::vector<SolidPiece> runOnce(const std::vector<Op>& ops, const std::vector<const SolidPiece*>& originalArguments,
                                const std::vector<const SolidPiece*>& originalTools, double fuzzy,
                                bool swapRoles = false)
{
    for (const auto* list : {&originalArguments, &originalTools})
        for (const SolidPiece* p : *list)
            if (beyondReach(p->shape))
                modelingError(std::string(opName(ops.front())) + ": тело дальше 100 км от начала координат");
    std::vector<SolidPiece> copies;
    copies.reserve(originalArguments.size() + originalTools.size());
    std::vector<const SolidPiece*> arguments, tools;
    for (const SolidPiece* p : originalArguments)
        arguments.push_back(&copies.emplace_back(privateCopy(*p)));
    for (const SolidPiece* p : originalTools)
        tools.push_back(&copies.emplace_back(privateCopy(*p)));
    TopTools_ListOfShape a, t, all;
    for (const SolidPiece* p : arguments)
        a.Append(p->shape);
    for (const SolidPiece* p : tools)
        t.Append(p->shape);
    // A union gives the kernel the same pieces the other way round when
    // asked; the colours still stand in the order given.
    if (swapRoles)
        std::swap(a, t);
    for (const auto* list : {&a, &t})
        for (const TopoDS_Shape& shape : *list)
            all.Append(shape);
    BOPAlgo_PaveFiller intersection;
    intersection.SetArguments(all);
    intersection.SetRunParallel(false);
    intersection.SetNonDestructive(false);
    if (fuzzy > 0)
        intersection.SetFuzzyValue(fuzzy);
    intersection.Perform();
    if (intersection.HasErrors())
        modelingError(std::string(opName(ops.front())) + " не выполнено");
    std::vector<SolidPiece> results;
    for (Op op : ops) {
        BRepAlgoAPI_BooleanOperation algo(intersection);
        algo.SetOperation(op == Op::Fuse ? BOPAlgo_FUSE : op == Op::Cut ? BOPAlgo_CUT : BOPAlgo_COMMON);
        algo.SetArguments(a);
        algo.SetTools(t);
        algo.Build();
        if (!algo.IsDone() || algo.HasErrors())
            modelingError(std::string(opName(op)) + " не выполнено");
        SolidPiece& result = results.emplace_back();
        result.shape = simplified(algo.Shape());
        std::vector<const SolidPiece*> coloured = arguments;
        if (op == Op::Fuse)
            coloured.insert(coloured.end(), tools.begin(), tools.end());
        carryColours(algo, coloured, result.colours);
    }
    return results;
}

SolidPiece runOnce(Op op, const std::vector<const SolidPiece*>& arguments,
                   const std::vector<const SolidPiece*>& tools, double fuzzy, bool swapRoles = false)
{
    return std::move(runOnce(std::vector<Op>{op}, arguments, tools, fuzzy, swapRoles).front());
}

int faceCount(const TopoDS_Shape& shape)
{
    int n = 0;
    for (TopExp_Explorer e(shape, TopAbs_FACE); e.More(); e.Next())
        ++n;
    return n;
}

double size(const TopoDS_Shape& shape)
{
    const Bnd_Box box = boxOf(shape);
    if (box.IsVoid())
        return 1.0;
    return std::sqrt(box.SquareExtent());
}

// Whether a point of a face of `a`, away from its edges, lies inside `b`.
// Faces are sampled on a grid over their parameter range; only faces and
// points within `b`'s box are classified, which is what costs.
bool reachesInto(const TopoDS_Shape& a, const TopoDS_Shape& b)
{
    const Bnd_Box reach = boxOf(b);
    std::optional<BRepClass3d_SolidClassifier> inside;
    constexpr int n = 4;
    for (TopExp_Explorer e(a, TopAbs_FACE); e.More(); e.Next()) {
        const TopoDS_Face& face = TopoDS::Face(e.Current());
        if (reach.IsOut(boxOf(face)))
            continue;
        double u0, u1, v0, v1;
        BRepTools::UVBounds(face, u0, u1, v0, v1);
        const BRepAdaptor_Surface surface(face, false);
        for (int i = 1; i < n; ++i)
            for (int j = 1; j < n; ++j) {
                const gp_Pnt2d uv(u0 + (u1 - u0) * i / n, v0 + (v1 - v0) * j / n);
                const gp_Pnt point = surface.Value(uv.X(), uv.Y());
                if (reach.IsOut(point))
                    continue;
                if (BRepClass_FaceClassifier(face, uv, Precision::Confusion()).State() != TopAbs_IN)
                    continue;
                if (!inside)
                    inside.emplace(b);
                inside->Perform(point, 10 * Precision::Confusion());
                if (inside->State() == TopAbs_IN)
                    return true;
            }
    }
    return false;
}

// Solids of one result that overlap: the kernel missed where they meet
// (a ball coinciding with another piece's end ball, for one) and left both
// whole instead of joining them.
bool overlappingSolids(const TopoDS_Shape& shape)
{
    std::vector<TopoDS_Shape> solids;
    std::vector<Bnd_Box> boxes;
    for (TopExp_Explorer e(shape, TopAbs_SOLID); e.More(); e.Next()) {
        solids.push_back(e.Current());
        BRepBndLib::Add(e.Current(), boxes.emplace_back());
    }
    for (std::size_t i = 0; i < solids.size(); ++i)
        for (std::size_t j = i + 1; j < solids.size(); ++j)
            if (!boxes[i].IsOut(boxes[j]) && (reachesInto(solids[i], solids[j]) || reachesInto(solids[j], solids[i])))
                return true;
    return false;
}

// The cylinders of `a` whose axes run nearly side by side with those of
// cylinders of `b`, at less than 0.03 rad (but not parallel) and closer than
// their radii together: the kernel's own method for two cylinders finds no
// intersection there, and a union of many pieces at once then comes out a
// valid solid of the wrong volume.
std::unordered_set<const TopoDS_TShape*> sideBySideFaces(const TopoDS_Shape& a, const TopoDS_Shape& b)
{
    struct Cylinder {
        const TopoDS_TShape* face;
        gp_Cylinder surface;
        Bnd_Box box;
    };
    auto cylinders = [](const TopoDS_Shape& shape) {
        std::vector<Cylinder> found;
        for (TopExp_Explorer e(shape, TopAbs_FACE); e.More(); e.Next()) {
            const BRepAdaptor_Surface s(TopoDS::Face(e.Current()), false);
            if (s.GetType() != GeomAbs_Cylinder)
                continue;
            Cylinder& c = found.emplace_back();
            c.face = e.Current().TShape().get();
            c.surface = s.Cylinder();
            BRepBndLib::Add(e.Current(), c.box);
        }
        return found;
    };
    std::unordered_set<const TopoDS_TShape*> faces;
    const std::vector<Cylinder> ca = cylinders(a);
    if (ca.empty())
        return faces;
    for (const Cylinder& q : cylinders(b))
        for (const Cylinder& p : ca) {
            if (faces.count(p.face) || p.box.IsOut(q.box))
                continue;
            double angle = p.surface.Axis().Direction().Angle(q.surface.Axis().Direction());
            angle = std::min(angle, M_PI - angle);
            if (angle <= Precision::Angular() || angle >= 0.03)
                continue;
            if (gp_Lin(p.surface.Axis()).Distance(gp_Lin(q.surface.Axis())) < p.surface.Radius() + q.surface.Radius())
                faces.insert(p.face);
        }
    return faces;
}

bool nearlySideBySide(const TopoDS_Shape& a, const TopoDS_Shape& b)
{
    return !sideBySideFaces(a, b).empty();
}

// Whether the point lies on the inner side of the piece's face nearest to
// it: a second opinion, by another method, where the classifier by rays has
// been seen to take a point outside two capsules side by side for one inside.
// A point nearest an edge or a vertex keeps the classifier's answer.
bool insideByNearestFace(const gp_Pnt& point, const TopoDS_Shape& piece)
{
    TopoDS_Compound faces;
    BRep_Builder builder;
    builder.MakeCompound(faces);
    for (TopExp_Explorer e(piece, TopAbs_FACE); e.More(); e.Next())
        builder.Add(faces, e.Current());
    BRepExtrema_DistShapeShape nearest(BRepBuilderAPI_MakeVertex(point).Vertex(), faces);
    if (!nearest.IsDone() || nearest.NbSolution() == 0 || nearest.SupportTypeShape2(1) != BRepExtrema_IsInFace)
        return true;
    const TopoDS_Face face = TopoDS::Face(nearest.SupportOnShape2(1));
    double u, v;
    nearest.ParOnFaceS2(1, u, v);
    gp_Pnt on;
    gp_Vec du, dv;
    BRepAdaptor_Surface(face, false).D1(u, v, on, du, dv);
    gp_Vec normal = du.Crossed(dv);
    if (face.Orientation() == TopAbs_REVERSED)
        normal.Reverse();
    return gp_Vec(on, point).Dot(normal) < 0;
}

// Whether a face of the union lies inside one of its pieces: the kernel
// missed where another piece crosses that face (two cylinders nearly side by
// side) and kept it whole, inside and out. A face of a union lies on its
// boundary, never inside a piece. Faces are sampled on a grid over their
// parameter range.
bool sinksIntoPiece(const TopoDS_Shape& united, const std::vector<const SolidPiece*>& pieces)
{
    struct Piece {
        Bnd_Box box;
        std::unique_ptr<BRepClass3d_SolidClassifier> inside;
        std::unordered_set<const Geom_Surface*> surfaces;
    };
    std::vector<Piece> checked(pieces.size());
    for (std::size_t k = 0; k < pieces.size(); ++k) {
        BRepBndLib::Add(pieces[k]->shape, checked[k].box);
        for (TopExp_Explorer e(pieces[k]->shape, TopAbs_FACE); e.More(); e.Next()) {
            TopLoc_Location where;
            checked[k].surfaces.insert(BRep_Tool::Surface(TopoDS::Face(e.Current()), where).get());
        }
    }
    constexpr int n = 4;
    for (TopExp_Explorer e(united, TopAbs_FACE); e.More(); e.Next()) {
        const TopoDS_Face& face = TopoDS::Face(e.Current());
        // A face on a piece's own surface is a part of that piece's
        // boundary: only the other pieces can hold it.
        TopLoc_Location where;
        const Geom_Surface* own = BRep_Tool::Surface(face, where).get();
        double u0, u1, v0, v1;
        BRepTools::UVBounds(face, u0, u1, v0, v1);
        const BRepAdaptor_Surface surface(face, false);
        for (int i = 1; i < n; ++i)
            for (int j = 1; j < n; ++j) {
                const gp_Pnt2d uv(u0 + (u1 - u0) * i / n, v0 + (v1 - v0) * j / n);
                gp_Pnt point;
                bool onFace = false;
                for (std::size_t k = 0; k < pieces.size(); ++k) {
                    Piece& p = checked[k];
                    if (p.surfaces.count(own))
                        continue;
                    if (!onFace) {
                        if (BRepClass_FaceClassifier(face, uv, Precision::Confusion()).State() != TopAbs_IN)
                            break;
                        onFace = true;
                        point = surface.Value(uv.X(), uv.Y());
                    }
                    if (p.box.IsOut(point))
                        continue;
                    if (!p.inside)
                        p.inside = std::make_unique<BRepClass3d_SolidClassifier>(pieces[k]->shape);
                    p.inside->Perform(point, 10 * Precision::Confusion());
                    if (p.inside->State() == TopAbs_IN && insideByNearestFace(point, pieces[k]->shape))
                        return true;
                }
            }
    }
    return false;
}

// Whether the union leaves out the centre of a small piece (a ball, a
// frustum) whose centre lies inside it: the kernel, given a cone whose point
// stands in a ball, has dropped most of the cone and still made a valid
// solid. Larger pieces, the body so far, are left to the volume check.
bool losesCentre(const TopoDS_Shape& united, const TopoDS_Shape& piece)
{
    int faces = 0;
    for (TopExp_Explorer e(piece, TopAbs_FACE); e.More() && faces <= 16; e.Next())
        ++faces;
    if (faces > 16)
        return false;
    GProp_GProps props;
    BRepGProp::VolumeProperties(piece, props);
    if (!(props.Mass() > 0))
        return false;
    const gp_Pnt centre = props.CentreOfMass();
    if (BRepClass3d_SolidClassifier(piece, centre, Precision::Confusion()).State() != TopAbs_IN)
        return false;
    for (TopExp_Explorer e(united, TopAbs_SOLID); e.More(); e.Next())
        if (BRepClass3d_SolidClassifier(e.Current(), centre, Precision::Confusion()).State() != TopAbs_OUT)
            return false;
    return true;
}

// A result that the kernel reported as made can still be wrong: a union
// without a solid, one whose solids overlap, or one holding less than its
// largest piece or more than all of them together, is a failure. With
// `check` the result is also checked as a solid; otherwise a later check
// covers it.
void verify(Op op, const SolidPiece& r, const std::vector<const SolidPiece*>& arguments,
            const std::vector<const SolidPiece*>& tools, bool check)
{
    const int solids = solidCount(r.shape);
    if (op == Op::Fuse && solids == 0)
        modelingError("объединение: тело пропало");
    if (op == Op::Fuse && solids > 1 && overlappingSolids(r.shape))
        modelingError("объединение: тела не слились");
    if (op == Op::Fuse)
        for (const auto* list : {&arguments, &tools})
            for (const SolidPiece* p : *list)
                if (losesCentre(r.shape, p->shape))
                    modelingError("объединение: часть тела пропала");
    if (op == Op::Fuse && solids > 0 && arguments.size() == 1 && tools.size() == 1 &&
        nearlySideBySide(arguments.front()->shape, tools.front()->shape) &&
        sinksIntoPiece(r.shape, {arguments.front(), tools.front()}))
        modelingError("объединение: тела не слились");
    // Two pieces that reach into one another have something in common.
    if (op == Op::Common && solids == 0 && arguments.size() == 1 && tools.size() == 1) {
        const TopoDS_Shape& a = arguments.front()->shape;
        const TopoDS_Shape& b = tools.front()->shape;
        if (boxesOverlap(a, b) && (reachesInto(a, b) || reachesInto(b, a)))
            modelingError("пересечение: тела не пересеклись");
    }
    if (solids == 0 || (!check && op != Op::Fuse))
        return;
    // Only a union's volume is compared; otherwise it need only be positive.
    // A union's volume is compared even where its check is left to a later
    // one: a piece lost here would be lost from that one's pieces too.
    const double volume = check ? checkSolid(r.shape, opName(op), op == Op::Fuse) : volumeOf(r.shape);
    if (op != Op::Fuse)
        return;
    double largest = 0, total = 0;
    for (const auto* list : {&arguments, &tools})
        for (const SolidPiece* p : *list) {
            const double v = volumeOf(p->shape);
            largest = std::max(largest, v);
            total += v;
        }
    if (volume < largest * (1 - 1e-7) || volume > total * (1 + 1e-7))
        modelingError("объединение: объем не сходится");
}

// The axis about which the piece is a solid of revolution: every curved
// face a cylinder, cone, torus or sphere on one axis, every flat face square
// to it. Turned about that axis, the piece stays the same solid with its
// faces' seams elsewhere.
std::optional<gp_Ax1> axisOfRevolution(const TopoDS_Shape& shape)
{
    std::optional<gp_Ax1> axis;
    std::vector<gp_Pnt> centres;
    std::vector<gp_Dir> normals;
    for (TopExp_Explorer e(shape, TopAbs_FACE); e.More(); e.Next()) {
        const BRepAdaptor_Surface s(TopoDS::Face(e.Current()), false);
        std::optional<gp_Ax1> own;
        switch (s.GetType()) {
        case GeomAbs_Plane: normals.push_back(s.Plane().Axis().Direction()); break;
        case GeomAbs_Cylinder: own = s.Cylinder().Axis(); break;
        case GeomAbs_Cone: own = s.Cone().Axis(); break;
        case GeomAbs_Torus: own = s.Torus().Axis(); break;
        case GeomAbs_Sphere: centres.push_back(s.Sphere().Location()); break;
        default: return std::nullopt;
        }
        if (!own)
            continue;
        if (!axis)
            axis = own;
        else if (!axis->IsCoaxial(*own, 1e-12, Precision::Confusion()))
            return std::nullopt;
    }
    if (!axis) {
        // A ball: any line through its centre.
        if (centres.empty() || !normals.empty())
            return std::nullopt;
        for (const gp_Pnt& c : centres)
            if (c.Distance(centres.front()) > Precision::Confusion())
                return std::nullopt;
        return gp_Ax1(centres.front(), gp_Dir(1, 2, 3));
    }
    const gp_Lin line(*axis);
    for (const gp_Pnt& c : centres)
        if (line.Distance(c) > Precision::Confusion())
            return std::nullopt;
    for (const gp_Dir& n : normals)
        if (!n.IsParallel(axis->Direction(), 1e-12))
            return std::nullopt;
    return axis;
}

// Gives by revolution only the faces chosen; the others keep their surfaces
// and their edges' curves on them.
class RevolveChosen : public ShapeCustom_ConvertToRevolution {
public:
    explicit RevolveChosen(std::unordered_set<const TopoDS_TShape*> faces) : faces_(std::move(faces)) {}
    Standard_Boolean NewSurface(const TopoDS_Face& face, Handle(Geom_Surface)& surface, TopLoc_Location& location,
                                Standard_Real& tolerance, Standard_Boolean& reverseWires,
                                Standard_Boolean& reverseFace) override
    {
        return faces_.count(face.TShape().get()) &&
               ShapeCustom_ConvertToRevolution::NewSurface(face, surface, location, tolerance, reverseWires,
                                                           reverseFace);
    }
    Standard_Boolean NewCurve2d(const TopoDS_Edge& edge, const TopoDS_Face& face, const TopoDS_Edge& newEdge,
                                const TopoDS_Face& newFace, Handle(Geom2d_Curve)& curve,
                                Standard_Real& tolerance) override
    {
        if (faces_.count(face.TShape().get()))
            return ShapeCustom_ConvertToRevolution::NewCurve2d(edge, face, newEdge, newFace, curve, tolerance);
        // A face left as it is keeps its curve on the edge's copy.
        if (edge.IsSame(newEdge))
            return Standard_False;
        double first, last;
        curve = BRep_Tool::CurveOnSurface(edge, face, first, last);
        if (!curve.IsNull())
            curve = Handle(Geom2d_Curve)::DownCast(curve->Copy());
        tolerance = BRep_Tool::Tolerance(edge);
        return Standard_True;
    }

private:
    std::unordered_set<const TopoDS_TShape*> faces_;
};

// The piece with every cylinder, cone, ball and torus given as the surface
// swept by its outline about its axis: the same solid, which the kernel
// intersects by its general method. Two cylinders whose axes nearly run
// side by side defeat the kernel's own method for cylinders, which finds no
// intersection at all and leaves both whole.
// With `only`, just those faces.
SolidPiece revolved(const SolidPiece& piece, std::unordered_set<const TopoDS_TShape*> only = {})
{
    BRepTools_Modifier modifier(piece.shape, only.empty() ? new ShapeCustom_ConvertToRevolution
                                                          : new RevolveChosen(std::move(only)));
    if (!modifier.IsDone())
        modelingError("объединение не выполнено");
    SolidPiece r;
    r.shape = modifier.ModifiedShape(piece.shape);
    r.colours = carriedColours(piece, [&](const TopoDS_Shape& face) { return modifier.ModifiedShape(face); });
    return r;
}

// Whether the piece has a face that `revolved` would change.
bool hasRevolvedFaces(const TopoDS_Shape& shape)
{
    for (TopExp_Explorer e(shape, TopAbs_FACE); e.More(); e.Next())
        switch (BRepAdaptor_Surface(TopoDS::Face(e.Current()), false).GetType()) {
        case GeomAbs_Cylinder:
        case GeomAbs_Cone:
        case GeomAbs_Sphere:
        case GeomAbs_Torus: return true;
        default: break;
        }
    return false;
}

SolidPiece turned(const SolidPiece& piece, const gp_Ax1& axis, double angle)
{
    gp_Trsf t;
    t.SetRotation(axis, angle);
    SolidPiece r;
    // The faces keep their own surfaces, so their colours still find them.
    r.shape = piece.shape.Moved(TopLoc_Location(t));
    r.colours = piece.colours;
    return r;
}

SolidPiece solidBySolid(const SolidPiece& first, const SolidPiece& second, bool check);
void addApart(SolidPiece& united, const std::vector<TopoDS_Shape>& apart, const FaceColours& colours);

// Runs an operation; on failure once more with a small fuzzy tolerance. A
// union or common part of two pieces that still fails is tried with one
// piece's surfaces given by revolution; a union then with the pieces the
// other way round, with a solid of revolution turned about its own axis (a
// ball about its centre), which moves its seams and poles off wherever they
// confused the kernel, and last with a larger tolerance.
SolidPiece run(Op op, const std::vector<const SolidPiece*>& arguments,
               const std::vector<const SolidPiece*>& tools, bool check = true, bool split = true)
{
    const bool pair = arguments.size() == 1 && tools.size() == 1;
    // Two pieces whose cylinders run nearly side by side: the kernel's own
    // method for cylinders misses where they cross, with or without a
    // tolerance, so the union goes straight to the surfaces by revolution.
    const bool sideBySide =
        op == Op::Fuse && pair && nearlySideBySide(arguments.front()->shape, tools.front()->shape);
    double extent = 0;
    for (const SolidPiece* p : arguments)
        extent = std::max(extent, size(p->shape));
    // The failure reported when every way fails.
    std::exception_ptr failure;
    if (!sideBySide) {
        try {
            SolidPiece r = runOnce(op, arguments, tools, 0.0);
            verify(op, r, arguments, tools, check);
            return r;
        } catch (const EOleException&) {
        }
        try {
            SolidPiece r = runOnce(op, arguments, tools, 1e-7 * std::max(extent, 1.0));
            verify(op, r, arguments, tools, check);
            return r;
        } catch (const EOleException&) {
            if (op == Op::Cut || !pair)
                throw;
            failure = std::current_exception();
        }
    }
    std::vector<std::function<SolidPiece()>> others;
    // The piece with fewer faces, then the other, with its surfaces
    // given by revolution. The union is then checked against the common
    // part worked out the same way: together they hold both pieces, to
    // within what the kernel's approximate intersection curves allow.
    // Where cylinders run nearly side by side, only those of the one
    // piece are given so first: the kernel's general method costs in
    // proportion to the faces it is given.
    const bool toolFirst = faceCount(tools.front()->shape) <= faceCount(arguments.front()->shape);
    std::vector<std::pair<int, std::unordered_set<const TopoDS_TShape*>>> ways;
    if (sideBySide) {
        const SolidPiece& one = toolFirst ? *tools.front() : *arguments.front();
        const SolidPiece& other = toolFirst ? *arguments.front() : *tools.front();
        ways.emplace_back(toolFirst ? 1 : 0, sideBySideFaces(one.shape, other.shape));
    }
    for (int k : {toolFirst ? 1 : 0, toolFirst ? 0 : 1})
        if (hasRevolvedFaces(k == 0 ? arguments.front()->shape : tools.front()->shape))
            ways.emplace_back(k, std::unordered_set<const TopoDS_TShape*>{});
    for (const auto& way : ways) {
        others.push_back([&, way] {
            const int k = way.first;
            const SolidPiece r = revolved(k == 0 ? *arguments.front() : *tools.front(), way.second);
            const SolidPiece* a = k == 0 ? &r : arguments.front();
            const SolidPiece* t = k == 0 ? tools.front() : &r;
            if (op != Op::Fuse)
                return runOnce(op, {a}, {t}, 0.0);
            // Both from one intersection of the two.
            const std::vector<SolidPiece> both = runOnce({Op::Fuse, Op::Common}, {a}, {t}, 0.0);
            const SolidPiece& result = both[0];
            const SolidPiece& common = both[1];
            if (solidCount(result.shape) > 0) {
                const double va = volumeOf(a->shape), vt = volumeOf(t->shape);
                const double balance = volumeOf(result.shape) + volumeOf(common.shape) - va - vt;
                if (!(std::fabs(balance) <= 1e-5 * (va + vt)))
                    modelingError("объединение: объем не сходится");
            }
            return result;
        });
    }
    if (op != Op::Fuse) {
        for (std::size_t i = 0; i < others.size(); ++i) {
            try {
                SolidPiece r = others[i]();
                verify(op, r, arguments, tools, check);
                return r;
            } catch (const EOleException&) {
                if (i + 1 == others.size())
                    throw;
            }
        }
        std::rethrow_exception(failure);
    }
    others.push_back([&] { return runOnce(op, arguments, tools, 0.0, true); });
    for (double angle : {1.0, 2.0})
        for (int k : {1, 0}) {
            const SolidPiece& p = k == 0 ? *arguments.front() : *tools.front();
            const std::optional<gp_Ax1> axis = axisOfRevolution(p.shape);
            if (!axis)
                continue;
            others.push_back([&, k, angle, axis] {
                const SolidPiece t = turned(p, *axis, angle);
                return k == 0 ? runOnce(op, {&t}, tools, 0.0) : runOnce(op, arguments, {&t}, 0.0);
            });
        }
    // Last, a tolerance a hundred times larger: a piece the kernel
    // leaves out at the small one can come in at the larger.
    const double wider = 1e-5 * std::max(extent, 1.0);
    others.push_back([&] { return runOnce(op, arguments, tools, wider); });
    others.push_back([&] { return runOnce(op, arguments, tools, wider, true); });
    for (const auto& attempt : others) {
        try {
            SolidPiece r = attempt();
            verify(op, r, arguments, tools, check);
            return r;
        } catch (const EOleException&) {
            if (!failure)
                failure = std::current_exception();
        }
    }
    // A piece of several solids apart (pieces made in one go that do not
    // meet) can defeat the kernel where each of its solids alone does
    // not: then its solids go in one by one.
    if (split && (solidCount(arguments.front()->shape) > 1 || solidCount(tools.front()->shape) > 1))
        return solidBySolid(*arguments.front(), *tools.front(), check);
    if (!failure)
        modelingError(std::string(opName(op)) + " не выполнено");
    std::rethrow_exception(failure);
}

SolidPiece solidBySolid(const SolidPiece& first, const SolidPiece& second, bool check)
{
    const bool firstSplit = solidCount(first.shape) >= solidCount(second.shape);
    const SolidPiece& many = firstSplit ? first : second;
    SolidPiece united = firstSplit ? second : first;
    std::vector<TopoDS_Shape> apart;
    for (TopExp_Explorer e(many.shape, TopAbs_SOLID); e.More(); e.Next()) {
        if (!boxesOverlap(e.Current(), united.shape)) {
            apart.push_back(e.Current());
            continue;
        }
        SolidPiece part;
        part.shape = e.Current();
        part.colours = many.colours;
        united = firstSplit ? run(Op::Fuse, {&part}, {&united}, false, false)
                            : run(Op::Fuse, {&united}, {&part}, false, false);
    }
    addApart(united, apart, many.colours);
    verify(Op::Fuse, united, {&first}, {&second}, check);
    return united;
}

// Solids that meet nothing of the union join it as they are, with the face
// colours they had in their own piece.
void addApart(SolidPiece& united, const std::vector<TopoDS_Shape>& apart, const FaceColours& colours)
{
    if (apart.empty())
        return;
    TopoDS_Compound all;
    BRep_Builder builder;
    builder.MakeCompound(all);
    for (TopExp_Explorer e(united.shape, TopAbs_SOLID); e.More(); e.Next())
        builder.Add(all, e.Current());
    for (const TopoDS_Shape& solid : apart) {
        builder.Add(all, solid);
        for (TopExp_Explorer e(solid, TopAbs_FACE); e.More(); e.Next())
            if (const Colour* c = colours.find(e.Current()))
                united.colours.set(e.Current(), *c);
    }
    united.shape = all;
}

} // namespace

double volumeOf(const TopoDS_Shape& shape)
{
    GProp_GProps props;
    BRepGProp::VolumeProperties(shape, props);
    return props.Mass();
}

double roughVolumeOf(const TopoDS_Shape& shape)
{
    GProp_GProps props;
    BRepGProp::VolumeProperties(shape, props, 1e-6, true);
    return props.Mass();
}

double checkSolid(const TopoDS_Shape& shape, const char* what, bool precise)
{
    if (shape.IsNull() || solidCount(shape) == 0)
        modelingError(std::string(what) + ": тело не получилось");
    std::future<double> volume = std::async(std::launch::async, [&shape, precise] { return precise ? volumeOf(shape) : roughVolumeOf(shape); });
    bool valid = false;
    try {
        // One thread: the kernel's checker, run in parallel, checks an edge
        // from each of its faces at once through one shared evaluator of
        // its curve and has been seen to crash there.
        valid = BRepCheck_Analyzer(shape, true, false).IsValid();
    } catch (...) {
        volume.wait();
        throw;
    }
    const double v = volume.get();
    if (!valid)
        modelingError(std::string(what) + ": получено неправильное тело");
    if (!(v > 0))
        modelingError(std::string(what) + ": тело нулевого объема");
    return v;
}

namespace {

// Whether the union holds every piece: a point in the middle of each face
// of a piece lies inside the union or on its surface. The kernel, given
// many pieces at once, has been seen to drop some of them whole.
bool holdsEveryPiece(const TopoDS_Shape& shape, const std::vector<SolidPiece*>& pieces)
{
    BRepClass3d_SolidClassifier inside(shape);
    for (const SolidPiece* p : pieces)
        for (TopExp_Explorer e(p->shape, TopAbs_FACE); e.More(); e.Next()) {
            const TopoDS_Face& face = TopoDS::Face(e.Current());
            double u0, u1, v0, v1;
            BRepTools::UVBounds(face, u0, u1, v0, v1);
            const gp_Pnt2d uv((u0 + u1) / 2, (v0 + v1) / 2);
            if (BRepClass_FaceClassifier(face, uv, Precision::Confusion()).State() != TopAbs_IN)
                continue;
            inside.Perform(BRepAdaptor_Surface(face, false).Value(uv.X(), uv.Y()), 10 * Precision::Confusion());
            if (inside.State() == TopAbs_OUT)
                return false;
        }
    return true;
}

// How many pairs of the pieces have overlapping boxes.
std::size_t crossingPairs(const std::vector<SolidPiece*>& set)
{
    std::vector<Bnd_Box> boxes(set.size());
    for (std::size_t i = 0; i < set.size(); ++i)
        BRepBndLib::Add(set[i]->shape, boxes[i]);
    std::size_t n = 0;
    for (std::size_t i = 0; i < set.size(); ++i)
        for (std::size_t j = i + 1; j < set.size(); ++j)
            n += !boxes[i].IsOut(boxes[j]);
    return n;
}

// The solids of a piece that may meet what lies in `other`, as a piece with
// the same colours; those whose boxes stand apart from it go to `apart`.
SolidPiece nearPart(const SolidPiece& piece, const Bnd_Box& other, std::vector<TopoDS_Shape>& apart)
{
    if (solidCount(piece.shape) < 2)
        return piece;
    TopoDS_Compound near;
    BRep_Builder builder;
    builder.MakeCompound(near);
    int kept = 0;
    for (TopExp_Explorer e(piece.shape, TopAbs_SOLID); e.More(); e.Next()) {
        if (other.IsOut(boxOf(e.Current()))) {
            apart.push_back(e.Current());
            continue;
        }
        builder.Add(near, e.Current());
        ++kept;
    }
    SolidPiece r;
    r.colours = piece.colours;
    if (kept == 1) {
        TopExp_Explorer e(near, TopAbs_SOLID);
        r.shape = e.Current();
    } else if (kept > 1) {
        r.shape = near;
    }
    return r;
}

// The union of the two results, the one holding the first piece first (its
// colours stand where the two share a face). The solids of a result of
// several that stand clear of the other result are left out of the kernel's
// work, which costs in proportion to every face it is given, and join the
// union as they are, with their colours.
SolidPiece fusePair(SolidPiece& first, SolidPiece& second, bool check)
{
    if (solidCount(first.shape) < 2 && solidCount(second.shape) < 2)
        return run(Op::Fuse, {&first}, {&second}, check);
    std::vector<TopoDS_Shape> apartOfFirst, apartOfSecond;
    SolidPiece a = nearPart(first, boxOf(second.shape), apartOfFirst);
    SolidPiece b = a.shape.IsNull() ? SolidPiece{} : nearPart(second, boxOf(a.shape), apartOfSecond);
    if (apartOfFirst.empty() && apartOfSecond.empty())
        return run(Op::Fuse, {&first}, {&second}, check);
    SolidPiece united;
    if (a.shape.IsNull())
        united = second;
    else if (b.shape.IsNull())
        united = a;
    else
        united = run(Op::Fuse, {&a}, {&b}, false);
    addApart(united, apartOfFirst, first.colours);
    addApart(united, apartOfSecond, second.colours);
    if (check)
        checkSolid(united.shape, opName(Op::Fuse), true);
    return united;
}

// The pieces united one by one, in their order.
SolidPiece oneByOne(const std::vector<SolidPiece*>& set, bool check)
{
    SolidPiece united = fusePair(*set[0], *set[1], true);
    for (std::size_t i = 2; i < set.size(); ++i)
        united = fusePair(united, *set[i], i + 1 < set.size() || check);
    return united;
}

// Helper threads, one fewer than the machine's processors, and how many of
// them are at work.
const int kHelpers = static_cast<int>(std::max(1U, std::thread::hardware_concurrency())) - 1;
std::atomic<int> helpersBusy{0};

bool takeHelper()
{
    int busy = helpersBusy.load();
    while (busy < kHelpers)
        if (helpersBusy.compare_exchange_weak(busy, busy + 1))
            return true;
    return false;
}

SolidPiece fuseSet(const std::vector<SolidPiece*>& set, bool check);

// The fuse of a set of pieces, made on a helper thread when one is free (on
// copies of the pieces of its own), otherwise here when it is asked for.
std::future<SolidPiece> fuseElsewhere(const std::vector<SolidPiece*>& set, bool check)
{
    if (!takeHelper())
        return std::async(std::launch::deferred, [set, check] { return fuseSet(set, check); });
    try {
        std::vector<SolidPiece> own;
        own.reserve(set.size());
        for (const SolidPiece* p : set)
            own.push_back(privateCopy(*p, true));
        return std::async(std::launch::async, [own = std::move(own), check]() mutable {
            struct Done {
                ~Done() { --helpersBusy; }
            } done;
            std::vector<SolidPiece*> pieces;
            for (SolidPiece& p : own)
                pieces.push_back(&p);
            return fuseSet(pieces, check);
        });
    } catch (...) {
        --helpersBusy;
        throw;
    }
}

// Fuses a set of pieces, the first one's colours standing. Every kernel
// operation costs in proportion to all the faces it is given, so a piece
// larger than all the others together joins them only once they are one;
// otherwise the set goes in one go and, when the kernel fails, half by half.
SolidPiece fuseSet(const std::vector<SolidPiece*>& set, bool check)
{
    // A copy: when the other half fails, the caller goes on with the pieces
    // one by one, this one among them.
    if (set.size() == 1)
        return *set.front();
    if (set.size() > 2) {
        std::vector<int> faces;
        int total = 0;
        for (SolidPiece* p : set)
            total += faces.emplace_back(faceCount(p->shape));
        const auto largest = std::max_element(faces.begin(), faces.end()) - faces.begin();
        if (2 * faces[largest] > total) {
            std::vector<SolidPiece*> rest;
            for (std::size_t i = 0; i < set.size(); ++i)
                if (static_cast<std::ptrdiff_t>(i) != largest)
                    rest.push_back(set[i]);
            SolidPiece others = fuseSet(rest, true);
            return largest == 0 ? fusePair(*set.front(), others, check) : fusePair(others, *set[largest], check);
        }
        std::vector<const SolidPiece*> tools(set.begin() + 1, set.end());
        try {
            // Pieces that cross many others (balls heaped on one spot, the
            // rounding pieces along a washer's edges) cost the kernel many
            // times more in one go than in halves, and in one go it has
            // dropped a fillet where a rounding piece meets the cutter
            // before it. A chain of pieces, each meeting the next few, goes
            // in one go.
            if (crossingPairs(set) > 2 * set.size())
                modelingError("объединение: слишком много пересечений сразу");
            // Nor do cylinders nearly side by side, whose union in one go
            // can come out whole and wrong.
            for (std::size_t i = 0; i < set.size(); ++i)
                for (std::size_t j = i + 1; j < set.size(); ++j)
                    if (nearlySideBySide(set[i]->shape, set[j]->shape))
                        modelingError("объединение: цилиндры почти вдоль друг друга");
            SolidPiece r = runOnce(Op::Fuse, {set.front()}, tools, 0.0);
            verify(Op::Fuse, r, {set.front()}, tools, check);
            if (!holdsEveryPiece(r.shape, set))
                modelingError("объединение: часть тела пропала");
            return r;
        } catch (const EOleException&) {
        }
        try {
            const std::size_t mid = set.size() / 2;
            std::future<SolidPiece> second = fuseElsewhere({set.begin() + mid, set.end()}, true);
            SolidPiece left = fuseSet({set.begin(), set.begin() + mid}, true);
            SolidPiece right = second.get();
            return fusePair(left, right, check);
        } catch (const EOleException&) {
            // Pieces that cross one another everywhere (a heap of balls on
            // one spot) defeat the kernel in bulk; one by one, in the order
            // they were united, they come together.
            return oneByOne(set, check);
        }
    }
    return fusePair(*set[0], *set[1], check);
}
} // namespace

namespace {

// The loop of a wire of a flat face in the plane's coordinates; false when
// an edge is neither straight nor circular.
bool loopOf(const TopoDS_Wire& wire, const TopoDS_Face& face, const gp_Ax3& axes, Loop& loop)
{
    for (BRepTools_WireExplorer e(wire, face); e.More(); e.Next()) {
        const TopoDS_Edge& edge = e.Current();
        TopoDS_Vertex first, last;
        TopExp::Vertices(edge, first, last, true);
        if (first.IsNull() || last.IsNull())
            return false;
        const BRepAdaptor_Curve curve(edge);
        const gp_Pnt2d a = inPlane(axes, BRep_Tool::Pnt(first)), b = inPlane(axes, BRep_Tool::Pnt(last));
        if (curve.GetType() == GeomAbs_Line) {
            loop.push_back({a, b, 0});
            continue;
        }
        if (curve.GetType() != GeomAbs_Circle)
            return false;
        const double angle = curve.LastParameter() - curve.FirstParameter();
        const bool forward = edge.Orientation() != TopAbs_REVERSED;
        const double sign =
            (curve.Circle().Axis().Direction().Dot(axes.Direction()) > 0) == forward ? 1 : -1;
        if (a.Distance(b) > kTouching) {
            loop.push_back({a, b, sign * std::tan(angle / 4)});
            continue;
        }
        // A whole circle: two half circles through the point opposite.
        if (angle < M_PI)
            return false;
        const double middle = (curve.FirstParameter() + curve.LastParameter()) / 2;
        const gp_Pnt2d opposite = inPlane(axes, curve.Value(middle));
        loop.push_back({a, opposite, sign * std::tan(angle / 8)});
        loop.push_back({opposite, b, sign * std::tan(angle / 8)});
    }
    // The edges must follow one another.
    for (std::size_t i = 0; i < loop.size(); ++i)
        if (loop[i].b.Distance(loop[(i + 1) % loop.size()].a) > kTouching)
            return false;
    return !loop.empty();
}

double faceArea(const TopoDS_Shape& face)
{
    GProp_GProps props;
    BRepGProp::SurfaceProperties(face, props);
    return props.Mass();
}

} // namespace

std::optional<SolidPiece> cutPrism(const SolidPiece& receiver, const SolidPiece& tool)
{
    if (!receiver.prism || !tool.prism || !receiver.colours.empty())
        return std::nullopt;
    const Prism& a = *receiver.prism;
    const Prism& b = *tool.prism;
    if (a.vector.Subtracted(b.vector).Magnitude() > kTouching)
        return std::nullopt;
    const Handle(Geom_Plane) planeA = Handle(Geom_Plane)::DownCast(BRep_Tool::Surface(a.face));
    const Handle(Geom_Plane) planeB = Handle(Geom_Plane)::DownCast(BRep_Tool::Surface(b.face));
    if (planeA.IsNull() || planeB.IsNull())
        return std::nullopt;
    const gp_Pln pa = planeA->Pln(), pb = planeB->Pln();
    if (!pa.Axis().IsParallel(pb.Axis(), 1e-12) || pa.Distance(pb.Location()) > kTouching)
        return std::nullopt;
    // Every loop in the receiver's plane; the tool's one loop must lie inside
    // the receiver's outer loop, clear of every loop, and hold no hole.
    const gp_Ax3 axes(pa.Location(), regionNormal(a.face), pa.XAxis().Direction());
    const TopoDS_Wire outer = BRepTools::OuterWire(a.face);
    std::vector<TopoDS_Wire> holes;
    Loop outerLoop;
    std::vector<Loop> holeLoops;
    for (TopExp_Explorer e(a.face, TopAbs_WIRE); e.More(); e.Next()) {
        const TopoDS_Wire& w = TopoDS::Wire(e.Current());
        if (w.IsSame(outer)) {
            if (!loopOf(w, a.face, axes, outerLoop))
                return std::nullopt;
            continue;
        }
        holes.push_back(w);
        if (!loopOf(w, a.face, axes, holeLoops.emplace_back()))
            return std::nullopt;
    }
    int toolWires = 0;
    for (TopExp_Explorer e(b.face, TopAbs_WIRE); e.More(); e.Next())
        ++toolWires;
    if (toolWires != 1)
        return std::nullopt;
    const TopoDS_Wire bore = BRepTools::OuterWire(b.face);
    Loop boreLoop;
    if (!loopOf(bore, b.face, axes, boreLoop) || !loopsApart(outerLoop, boreLoop, kTouching) ||
        !insideLoop(outerLoop, boreLoop.front().a))
        return std::nullopt;
    for (const Loop& hole : holeLoops)
        if (!loopsApart(hole, boreLoop, kTouching) || insideLoop(hole, boreLoop.front().a) ||
            insideLoop(boreLoop, hole.front().a))
            return std::nullopt;

    const double expected = faceArea(a.face) - std::fabs(signedArea(boreLoop));
    for (const TopoDS_Shape& hole : {bore.Reversed(), static_cast<const TopoDS_Shape&>(bore)}) {
        BRepBuilderAPI_MakeFace make(pa, outer, true);
        for (const TopoDS_Wire& w : holes)
            make.Add(w);
        make.Add(TopoDS::Wire(hole));
        if (!make.IsDone())
            return std::nullopt;
        TopoDS_Face face = make.Face();
        if (face.Orientation() != a.face.Orientation())
            face.Orientation(a.face.Orientation());
        if (std::fabs(faceArea(face) - expected) > 1e-9 * std::max(expected, 1.0))
            continue;
        SolidPiece result;
        result.shape = BRepPrimAPI_MakePrism(copyOf(face), a.vector, false).Shape();
        result.prism = std::make_shared<const Prism>(Prism{face, a.vector});
        return result;
    }
    return std::nullopt;
}

SolidPiece fuseAll(std::vector<SolidPiece> pieces, std::size_t chunk)
{
    chunk = std::max<std::size_t>(chunk, 2);
    if (pieces.size() == 1)
        return std::move(pieces.front());
    while (pieces.size() > 1) {
        // Intermediate results are checked through the final one.
        const bool last = pieces.size() <= chunk;
        std::vector<SolidPiece> next;
        next.reserve(pieces.size() / chunk + 1);
        std::vector<std::vector<SolidPiece*>> sets;
        for (std::size_t i = 0; i < pieces.size(); i += chunk) {
            std::vector<SolidPiece*>& set = sets.emplace_back();
            for (std::size_t j = i; j < std::min(pieces.size(), i + chunk); ++j)
                set.push_back(&pieces[j]);
        }
        // The sets of a level are fused side by side where helpers are
        // free, the last one here.
        std::vector<std::future<SolidPiece>> fused;
        for (std::size_t i = 0; i + 1 < sets.size(); ++i)
            fused.push_back(fuseElsewhere(sets[i], last));
        SolidPiece lastSet = fuseSet(sets.back(), last);
        for (std::future<SolidPiece>& f : fused)
            next.push_back(f.get());
        next.push_back(std::move(lastSet));
        pieces = std::move(next);
    }
    return std::move(pieces.front());
}

} // namespace geom

SolidBody::SolidBody(const TopoDS_Shape& shape, std::shared_ptr<const SweepRecord> sweep,
                     std::shared_ptr<const geom::Prism> prism)
{
    pieces_.push_back({shape, {}, std::move(sweep), std::move(prism)});
}

void SolidBody::build() const
{
    for (SolidPiece& p : pieces_)
        if (p.shape.IsNull() && p.sweep)
            p.shape = geom::sweepSolid(*p.sweep);
}

void SolidBody::resolve() const
{
    build();
    if (pieces_.size() <= 1)
        return;
    SolidPiece fused = geom::fuseAll(pieces_);
    pieces_.clear();
    pieces_.push_back(std::move(fused));
}

const TopoDS_Shape& SolidBody::shape() const
{
    resolve();
    return pieces_.front().shape;
}

const FaceColours& SolidBody::faceColours() const
{
    resolve();
    return pieces_.front().colours;
}

TopoDS_Shape SolidBody::piecesCompound() const
{
    build();
    if (pieces_.size() == 1)
        return pieces_.front().shape;
    TopoDS_Compound c;
    BRep_Builder b;
    b.MakeCompound(c);
    for (const SolidPiece& p : pieces_)
        b.Add(c, p.shape);
    return c;
}

void SolidBody::transform(const gp_Trsf& t)
{
    const bool rigid = std::fabs(t.ScaleFactor() - 1.0) < 1e-15 && !t.IsNegative();
    if (!rigid)
        build();
    for (SolidPiece& p : pieces_) {
        if (rigid) {
            if (!p.shape.IsNull())
                p.shape.Move(TopLoc_Location(t));
            if (p.sweep)
                p.sweep = geom::moved(*p.sweep, t);
            if (p.prism) {
                geom::Prism moved = *p.prism;
                moved.face.Move(TopLoc_Location(t));
                moved.vector.Transform(t);
                p.prism = std::make_shared<const geom::Prism>(std::move(moved));
            }
            continue;
        }
        p.sweep.reset();
        p.prism.reset();
        BRepBuilderAPI_Transform tr(p.shape, t, true);
        if (!tr.IsDone())
            throw EOleException("Ошибка моделирования: масштабирование не выполнено", kErrModeling);
        FaceColours moved;
        if (!p.colours.empty()) {
            TopTools_IndexedMapOfShape faces;
            TopExp::MapShapes(p.shape, TopAbs_FACE, faces);
            for (int i = 1; i <= faces.Extent(); ++i)
                if (const Colour* c = p.colours.find(faces(i)))
                    moved.set(tr.ModifiedShape(faces(i)), *c);
        }
        p.shape = tr.Shape();
        p.colours = std::move(moved);
    }
}

void SolidBody::unite(SolidBody&& other, const Colour& otherColour, const Colour& ownColour)
{
    const bool sameColour = otherColour == ownColour;
    for (SolidPiece& p : other.pieces_) {
        // A piece of a sweep that continues one of ours joins it.
        if (sameColour && p.sweep && p.colours.empty()) {
            bool joined = false;
            for (auto it = pieces_.rbegin(); it != pieces_.rend() && !joined; ++it) {
                if (!it->sweep || !it->colours.empty())
                    continue;
                if (auto sweep = geom::joined(it->sweep, p.sweep)) {
                    if (sweep != it->sweep) {
                        it->sweep = std::move(sweep);
                        it->shape.Nullify();
                    }
                    joined = true;
                }
            }
            if (joined)
                continue;
        }
        if (p.shape.IsNull())
            p.shape = geom::sweepSolid(*p.sweep);
        if (!sameColour) {
            // Faces that showed the other's colour keep it.
            TopTools_IndexedMapOfShape faces;
            TopExp::MapShapes(p.shape, TopAbs_FACE, faces);
            for (int i = 1; i <= faces.Extent(); ++i)
                if (!p.colours.find(faces(i)))
                    p.colours.set(faces(i), otherColour);
        }
        pieces_.push_back(std::move(p));
    }
    other.pieces_.clear();
}

void SolidBody::subtract(SolidBody&& other)
{
    other.resolve();
    const bool sweeps = pieces_.size() > 1 && std::all_of(pieces_.begin(), pieces_.end(), [](const SolidPiece& p) {
                            return p.sweep && p.colours.empty();
                        });
    if (sweeps) {
        // Swept pieces still apart are cut one by one, each far cheaper than
        // their union, and a piece the tool takes whole is gone.
        build();
        SolidPiece tool{other.pieces_.front().shape, {}, nullptr, nullptr};
        std::vector<SolidPiece> kept;
        for (SolidPiece& p : pieces_) {
            if (!geom::boxesOverlap(p.shape, tool.shape)) {
                kept.push_back(std::move(p));
                continue;
            }
            SolidPiece r = geom::run(geom::Op::Cut, {&p}, {&tool});
            if (geom::solidCount(r.shape) > 0)
                kept.push_back(std::move(r));
        }
        if (kept.empty())
            throw EOleException("Ошибка моделирования: после вычитания не осталось тела", kErrModeling);
        pieces_ = std::move(kept);
        other.pieces_.clear();
        return;
    }
    resolve();
    if (std::optional<SolidPiece> holed = geom::cutPrism(pieces_.front(), other.pieces_.front())) {
        pieces_.front() = std::move(*holed);
        other.pieces_.clear();
        return;
    }
    SolidPiece& a = pieces_.front();
    SolidPiece tool{other.pieces_.front().shape, {}, nullptr, nullptr};
    SolidPiece r = geom::run(geom::Op::Cut, {&a}, {&tool});
    if (geom::solidCount(r.shape) == 0)
        throw EOleException("Ошибка моделирования: после вычитания не осталось тела", kErrModeling);
    // A kernel may hand the receiver back unchanged although the tool cuts it.
    // A real cut changes the faces, so only an unchanged face count needs the
    // volumes compared.
    if (geom::faceCount(r.shape) == geom::faceCount(a.shape) && geom::boxesOverlap(a.shape, tool.shape)) {
        const double before = geom::volumeOf(a.shape);
        const double after = geom::volumeOf(r.shape);
        if (std::fabs(before - after) <= 1e-9 * before) {
            SolidPiece common = geom::runOnce(geom::Op::Common, {&a}, {&tool}, 0.0);
            if (geom::solidCount(common.shape) > 0 && geom::volumeOf(common.shape) > 1e-9 * before)
                throw EOleException("Ошибка моделирования: вычитание не выполнено", kErrModeling);
        }
    }
    a = std::move(r);
    other.pieces_.clear();
}

void SolidBody::intersect(SolidBody&& other)
{
    resolve();
    other.resolve();
    SolidPiece& a = pieces_.front();
    SolidPiece tool{other.pieces_.front().shape, {}, nullptr, nullptr};
    SolidPiece r = geom::run(geom::Op::Common, {&a}, {&tool});
    if (geom::solidCount(r.shape) == 0)
        throw EOleException("Ошибка моделирования: тела не пересекаются", kErrModeling);
    a = std::move(r);
    other.pieces_.clear();
}

void SolidBody::clearFaceColours()
{
    for (SolidPiece& p : pieces_)
        p.colours.clear();
}

double SolidBody::volume() const
{
    return geom::volumeOf(shape());
}

TopoDS_Shape SolidBody::section(const gp_Pln& plane) const
{
    const TopoDS_Shape& s = shape();
    const double r = geom::size(s) * 2 + 1;
    // A square of the plane large enough to cut through the whole solid.
    gp_Pnt origin = plane.Location();
    Bnd_Box box;
    BRepBndLib::Add(s, box);
    double x0, y0, z0, x1, y1, z1;
    box.Get(x0, y0, z0, x1, y1, z1);
    const gp_Pnt centre((x0 + x1) / 2, (y0 + y1) / 2, (z0 + z1) / 2);
    // Project the box centre onto the plane, so the square covers the solid.
    const gp_Vec n(plane.Axis().Direction());
    const gp_Vec d(origin, centre);
    const gp_Pnt foot = centre.Translated(-n * d.Dot(n));
    gp_Pln centred(gp_Ax3(foot, plane.Axis().Direction(), plane.XAxis().Direction()));
    const TopoDS_Face square = BRepBuilderAPI_MakeFace(centred, -r, r, -r, r).Face();
    SolidPiece a{s, {}, nullptr, nullptr}, f{square, {}, nullptr, nullptr};
    SolidPiece result = geom::runOnce(geom::Op::Common, {&a}, {&f}, 0.0);
    int faces = 0;
    for (TopExp_Explorer e(result.shape, TopAbs_FACE); e.More(); e.Next())
        ++faces;
    if (faces == 0)
        return {};
    return result.shape;
}

} // namespace acad
