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

TEST_F(Sweep, PiecesOfOneHelixJoinIntoOneSweepUntilTheyComeBack)
{
    // A region a pitch wide, as the thread's: a turn later it touches itself.
    f.SetProfile({{0, R - 0.8}, {0, R}, {P, R}, {P, R - 0.8}, {0, R - 0.8}});
    f.MakeProfileRegion();
    // A turn as the thread builds it: 0..10 degrees, then pieces over 0..11
    // placed at 9, 19, ..., 339 degrees, each overlapping the one before.
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
    // One sweep, joined without the kernel, the same as the sweep over 0..350.
    const SolidBody& body = static_cast<SolidEntity&>(*turn.entity()).body;
    EXPECT_EQ(body.pieceCount(), 1u);
    IAcad3DSolid whole = f.SweepProfile(helix(0, 350));
    const double joined = turn.Volume();
    EXPECT_NEAR(joined, whole.Volume(), 1e-9 * joined);
    whole.Delete();
    // A piece that reaches back to the start (349 to 361 degrees: the region
    // at 360 stands a pitch beyond the one at 0 and touches it) stays a piece
    // of its own, and the union makes one valid solid of the touching ends.
    VertexList closing = helix(0, 12);
    IAcad3DSolid last = f.SweepProfile(closing);
    const double lastVolume = last.Volume();
    place(last, 349);
    turn.Boolean(acUnion, last);
    EXPECT_EQ(body.pieceCount(), 2u);
    const TopoDS_Shape& united = turn.entity()->shape();
    EXPECT_TRUE(BRepCheck_Analyzer(united).IsValid());
    int solids = 0;
    for (TopExp_Explorer e(united, TopAbs_SOLID); e.More(); e.Next())
        ++solids;
    EXPECT_EQ(solids, 1);
    EXPECT_GT(turn.Volume(), joined + 0.5 * lastVolume);
    EXPECT_LT(turn.Volume(), joined + lastVolume);
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
