// Cases the fastener parts lean on: bulges on segments of zero length, cuts
// along coincident cylinders, and unions of coaxial solids across a shared
// face.
#include "drawing_fixture.h"

#include <BRepCheck_Analyzer.hxx>

using namespace acad;

namespace {
constexpr double pi = M_PI;
} // namespace

class FastenerCases : public DrawingTest {
protected:
    WorkingFields f{connection};
};

TEST_F(FastenerCases, BulgeOnASegmentOfZeroLengthIsIgnored)
{
    // A 4 x 3 rectangle whose corner (4, 3) is given twice, with a bulge
    // between the two: the region is the plain rectangle.
    f.SetProfile({{0, 0}, {0, 3}, {4, 3}, {4, 3}, {4, 0}, {0, 0}});
    f.MakeProfileRegion({{2, -0.5}});
    EXPECT_NEAR(f.ProfileRegion.Area(), 12, 1e-9);
    // Revolved about the side x = 0 it gives a cylinder.
    IAcad3DSolid solid = f.RevolveProfile(AcadPoint(0, 0, 0), AcadPoint(0, 77, 0));
    EXPECT_NEAR(solid.Volume(), pi * 16 * 3, 1e-6);
    EXPECT_TRUE(BRepCheck_Analyzer(solid.entity()->shape()).IsValid());
}

TEST_F(FastenerCases, CutAlongACoincidentCylinder)
{
    // A ring of the cylinder's own radius, its bore a cone, cut from the
    // cylinder's end: a chamfer whose outer surface lies on the cylinder.
    IAcad3DSolid body = ms().AddCylinder(AcadPoint(0, 0, 0), 5, 10);
    IAcad3DSolid ring = ms().AddCylinder(AcadPoint(0, 0, 5), 5, 10);
    IAcad3DSolid cone = ms().AddCone(AcadPoint(0, 0, 0), 5, 10);
    cone.Move(AcadPoint(0, 0, 0), AcadPoint(0, 0, 5));
    ring.Boolean(acSubtraction, cone);
    ring.Move(AcadPoint(0, 0, 0), AcadPoint(0, 0, -2));
    body.Boolean(acSubtraction, ring);
    // Up to z = -2 the cylinder is whole; above, the cone narrows from
    // radius 5 at z = -2 to 1.5 at the top face z = 5.
    const double expected = pi * 25 * 3 + pi * 7 / 3 * (25 + 7.5 + 2.25);
    EXPECT_NEAR(body.Volume(), expected, 1e-6 * expected);
    EXPECT_TRUE(BRepCheck_Analyzer(body.entity()->shape()).IsValid());
    EXPECT_EQ(ms().Count(), 1);
}

TEST_F(FastenerCases, UnionOfCoaxialSolidsAcrossTheirSharedFace)
{
    // A disc and a thinner shank standing on its lower face.
    IAcad3DSolid head = ms().AddCylinder(AcadPoint(0, 0, 0), 8, 4);
    IAcad3DSolid shank = ms().AddCylinder(AcadPoint(0, 0, -7), 3, 10);
    head.Boolean(acUnion, shank);
    EXPECT_NEAR(head.Volume(), pi * 64 * 4 + pi * 9 * 10, 1e-6);
    EXPECT_TRUE(BRepCheck_Analyzer(head.entity()->shape()).IsValid());
    expectBox(head, -8, -8, -12, 8, 8, 2, 1e-6);
    EXPECT_EQ(ms().Count(), 1);
}
