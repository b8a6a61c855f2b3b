// A region carried along a helix of chords, as the metric thread sweeps its
// profile: at each vertex the region stands turned and shifted with the helix.
#include "drawing_fixture.h"

#include <BRepCheck_Analyzer.hxx>
#include <TopExp_Explorer.hxx>

using namespace acad;

namespace {
constexpr double pi = M_PI;
constexpr double P = 1.5, R = 5;

VertexList helix(int first, int last)
{
    VertexList path = newVertexList(last - first + 1);
    for (int k = first; k <= last; ++k)
        setVertex(path, k - first, k * P / 360, R * std::cos(k * pi / 180), R * std::sin(k * pi / 180));
    return path;
}
} // namespace

class Sweep : public DrawingTest {
protected:
    void SetUp() override
    {
        DrawingTest::SetUp();
        // A 1 x 0.8 rectangle on the helix's start, in the XY plane.
        f.SetProfile({{0, R - 0.8}, {0, R}, {1, R}, {1, R - 0.8}, {0, R - 0.8}});
        f.MakeProfileRegion();
    }
    WorkingFields f{connection};
};

TEST_F(Sweep, SectionAtEachVertexIsTheRegionScrewedWithTheHelix)
{
    IAcad3DSolid piece = f.SweepProfile(helix(0, 10));
    EXPECT_TRUE(BRepCheck_Analyzer(piece.entity()->shape()).IsValid());
    // Region and path both stay usable; the path was deleted by the sequence.
    EXPECT_EQ(ms().Count(), 3);
    for (int k : {3, 7}) {
        SCOPED_TRACE(k);
        const double a = k * pi / 180;
        IAcadRegion cut = piece.SectionSolid(AcadPoint(0, 0, 0), AcadPoint(77, 0, 0),
                                             AcadPoint(0, std::cos(a), std::sin(a)));
        EXPECT_NEAR(cut.Area(), 0.8, 1e-9);
        // (the box of a section holds the edges' tolerance of 1e-7)
        AcadPoint lo, hi;
        cut.GetBoundingBox(lo, hi);
        EXPECT_NEAR(lo[0], k * P / 360, 2e-7);
        EXPECT_NEAR(hi[0], 1 + k * P / 360, 2e-7);
        EXPECT_NEAR(hi[1], R * std::cos(a), 2e-7);
        EXPECT_NEAR(hi[2], R * std::sin(a), 2e-7);
        cut.Delete();
    }
    // The swept volume: the rectangle's area times the path of its centroid
    // (radius R - 0.4 over 10 degrees, with the advance of the helix).
    const double rc = R - 0.4;
    const double path = std::sqrt(std::pow(rc * 10 * pi / 180, 2) + std::pow(10 * P / 360, 2));
    EXPECT_NEAR(piece.Volume(), 0.8 * path * (rc * 10 * pi / 180) / path, 1e-3);
}

TEST_F(Sweep, PiecesOnOverlappingStretchesMeetInIdenticalSections)
{
    // One piece over 0..11 degrees, a second one over the same path placed
    // at 9 degrees: together they cover 0..20 and share two strips.
    IAcad3DSolid first = f.SweepProfile(helix(0, 11));
    IAcad3DSolid second = f.SweepProfile(helix(0, 11));
    AcadPoint origin(0, 0, 0), along(9 * P / 360, 0, 0);
    second.Move(origin, along);
    second.Rotate3D(origin, along, 9 * pi / 180);
    const double v1 = first.Volume(), v2 = second.Volume();
    first.Boolean(acUnion, second);
    const double united = first.Volume();
    EXPECT_TRUE(BRepCheck_Analyzer(first.entity()->shape()).IsValid());
    // The same as one sweep over 0..20.
    IAcad3DSolid whole = f.SweepProfile(helix(0, 20));
    EXPECT_NEAR(united, whole.Volume(), 1e-7 * united);
    EXPECT_NEAR(v1 + v2 - united, 2.0 / 11 * v1, 1e-4 * v1);
}

int faceCount(const TopoDS_Shape& shape)
{
    int n = 0;
    for (TopExp_Explorer e(shape, TopAbs_FACE); e.More(); e.Next())
        ++n;
    return n;
}

TEST_F(Sweep, PiecesOfOneHelixJoinIntoOneSweepPastTheFullTurn)
{
    // A region a pitch wide, as the thread's: a turn later it touches itself.
    f.SetProfile({{0, R - 0.8}, {0, R}, {P, R}, {P, R - 0.8}, {0, R - 0.8}});
    f.MakeProfileRegion();
    // A turn as the thread builds it: 0..10 degrees, then pieces over 0..11
    // placed at 9, 19, ..., 339 degrees, each overlapping the one before,
    // and a last one over 0..10 and 12.5 placed at 349, past the full turn.
    IAcad3DSolid turn = f.SweepProfile(helix(0, 10));
    const VertexList segment = helix(0, 11);
    auto place = [&](IAcad3DSolid& piece, double a) {
        AcadPoint origin(0, 0, 0), along(a * P / 360, 0, 0);
        piece.Move(origin, along);
        piece.Rotate3D(origin, along, a * pi / 180);
    };
    for (int i = 1; i <= 34; ++i) {
        IAcad3DSolid piece = f.SweepProfile(segment);
        place(piece, 10 * i - 1);
        turn.Boolean(acUnion, piece);
    }
    VertexList closing = newVertexList(12);
    for (int k = 0; k <= 10; ++k)
        setVertex(closing, k, k * P / 360, R * std::cos(k * pi / 180), R * std::sin(k * pi / 180));
    setVertex(closing, 11, 12.5 * P / 360, R * std::cos(12.5 * pi / 180), R * std::sin(12.5 * pi / 180));
    IAcad3DSolid last = f.SweepProfile(closing);
    place(last, 349);
    turn.Boolean(acUnion, last);
    // One sweep over 0..361.5 degrees, joined without the kernel: the
    // rectangle's area times the arc its centroid (radius R - 0.4) runs.
    const SolidBody& body = static_cast<SolidEntity&>(*turn.entity()).body;
    EXPECT_EQ(body.pieceCount(), 1u);
    const TopoDS_Shape& united = turn.entity()->shape();
    EXPECT_TRUE(BRepCheck_Analyzer(united).IsValid());
    EXPECT_NEAR(turn.Volume(), P * 0.8 * (R - 0.4) * 361.5 * pi / 180, 1e-7);
    // Where it touches itself a turn later, the faces of the two ends of
    // the region lie inside and are left out: a few faces per turn,
    // as one sweep over the same stretch has.
    IAcad3DSolid whole = f.SweepProfile(helix(0, 361));
    EXPECT_LE(faceCount(united), faceCount(whole.entity()->shape()) + 4);
    EXPECT_LT(faceCount(united), 40);
}

TEST_F(Sweep, UnevenlySpacedVerticesOfOneHelixStandAtTheScrewPlacement)
{
    // Vertices at 0, 0.5, 3, 4 and 11.7 degrees: the section at each is the
    // region turned by the angle and shifted by angle * P / 360.
    const std::vector<double> angles{0, 0.5, 3, 4, 11.7};
    VertexList path = newVertexList(angles.size());
    for (std::size_t i = 0; i < angles.size(); ++i)
        setVertex(path, i, angles[i] * P / 360, R * std::cos(angles[i] * pi / 180),
                  R * std::sin(angles[i] * pi / 180));
    IAcad3DSolid piece = f.SweepProfile(path);
    EXPECT_TRUE(BRepCheck_Analyzer(piece.entity()->shape()).IsValid());
    for (double k : {3.0, 11.7}) {
        SCOPED_TRACE(k);
        const double a = k * pi / 180;
        IAcadRegion cut = piece.SectionSolid(AcadPoint(0, 0, 0), AcadPoint(77, 0, 0),
                                             AcadPoint(0, std::cos(a), std::sin(a)));
        EXPECT_NEAR(cut.Area(), 0.8, 1e-8);
        AcadPoint lo, hi;
        cut.GetBoundingBox(lo, hi);
        EXPECT_NEAR(lo[0], k * P / 360, 2e-7);
        EXPECT_NEAR(hi[0], 1 + k * P / 360, 2e-7);
        EXPECT_NEAR(hi[1], R * std::cos(a), 2e-7);
        EXPECT_NEAR(hi[2], R * std::sin(a), 2e-7);
        cut.Delete();
    }
    // The same path placed at 11.7 degrees carries on from its last section:
    // the two join into one sweep over 0..23.4 degrees.
    IAcad3DSolid next = f.SweepProfile(path);
    AcadPoint origin(0, 0, 0), along(11.7 * P / 360, 0, 0);
    next.Move(origin, along);
    next.Rotate3D(origin, along, 11.7 * pi / 180);
    piece.Boolean(acUnion, next);
    EXPECT_EQ(static_cast<SolidEntity&>(*piece.entity()).body.pieceCount(), 1u);
    EXPECT_NEAR(piece.Volume(), 0.8 * (R - 0.4) * 23.4 * pi / 180, 1e-9);
    // Placed a little off the helix, it is a union for the kernel.
    IAcad3DSolid off = f.SweepProfile(path);
    off.Move(origin, AcadPoint(11.7 * P / 360 + 0.01, 0, 0));
    off.Rotate3D(origin, along, 11.7 * pi / 180);
    piece.Boolean(acUnion, off);
    EXPECT_EQ(static_cast<SolidEntity&>(*piece.entity()).body.pieceCount(), 2u);
}

TEST_F(Sweep, TurnsAPitchApartJoinIntoOneSweepOfTheirRegions)
{
    // A region a pitch wide: the next turn of a helix stands beside it, the
    // two touching along a whole edge.
    f.SetProfile({{0, R - 0.8}, {0, R}, {P, R}, {P, R - 0.8}, {0, R - 0.8}});
    f.MakeProfileRegion();
    const VertexList path = helix(0, 40);
    IAcad3DSolid thread = f.SweepProfile(path);
    const double one = thread.Volume();
    for (int n : {1, 2}) {
        IAcad3DSolid turn = f.SweepProfile(path);
        turn.Move(AcadPoint(0, 0, 0), AcadPoint(n * P, 0, 0));
        thread.Boolean(acUnion, turn);
    }
    const SolidBody& body = static_cast<SolidEntity&>(*thread.entity()).body;
    EXPECT_EQ(body.pieceCount(), 1u);
    EXPECT_NEAR(thread.Volume(), 3 * one, 1e-9 * one);
    EXPECT_TRUE(BRepCheck_Analyzer(thread.entity()->shape()).IsValid());
    // Half a pitch apart the regions overlap: that is a union for the kernel.
    IAcad3DSolid overlapping = f.SweepProfile(path);
    overlapping.Move(AcadPoint(0, 0, 0), AcadPoint(P / 2, 0, 0));
    IAcad3DSolid single = f.SweepProfile(path);
    single.Boolean(acUnion, overlapping);
    EXPECT_EQ(static_cast<SolidEntity&>(*single.entity()).body.pieceCount(), 2u);
    EXPECT_NEAR(single.Volume(), 1.5 * one, 1e-6 * one);
}

TEST_F(Sweep, StraightPathIsAnExtrusionAlongIt)
{
    VertexList path = newVertexList(3);
    setVertex(path, 0, 0, R, 0);
    setVertex(path, 1, 0, R, 4);
    setVertex(path, 2, 0, R, 10);
    IAcad3DSolid bar = f.SweepProfile(path);
    EXPECT_NEAR(bar.Volume(), 0.8 * 10, 1e-9);
    expectBox(bar, 0, R - 0.8, 0, 1, R, 10);
    // A path lying in the region's plane sweeps nothing.
    VertexList flat = newVertexList(2);
    setVertex(flat, 1, 5, 0, 0);
    EXPECT_THROW(f.SweepProfile(flat), EOleException);
}
