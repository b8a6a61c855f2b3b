// Primitive solids, placing and the senses of turning.
#include "drawing_fixture.h"

#include <BRepCheck_Analyzer.hxx>

using namespace acad;

namespace {
constexpr double pi = M_PI;
}

using Primitives = DrawingTest;

TEST_F(Primitives, CentreConventionsAndVolumes)
{
    const AcadPoint c(10, 20, 30);
    // A box centred on the point.
    IAcad3DSolid box = ms().AddBox(c, 4, 6, 8);
    expectBox(box, 8, 17, 26, 12, 23, 34);
    EXPECT_NEAR(box.Volume(), 4 * 6 * 8, 1e-9);
    // A cylinder: axis along Z, the point at mid-height.
    IAcad3DSolid cyl = ms().AddCylinder(c, 5, 12);
    expectBox(cyl, 5, 15, 24, 15, 25, 36);
    EXPECT_NEAR(cyl.Volume(), pi * 25 * 12, 1e-6);
    // A cone: base below, apex above, the point at mid-height.
    IAcad3DSolid cone = ms().AddCone(c, 3, 9);
    expectBox(cone, 7, 17, 25.5, 13, 23, 34.5);
    EXPECT_NEAR(cone.Volume(), pi * 9 * 9 / 3, 1e-6);
    // A sphere and a torus with its ring in the XY plane.
    EXPECT_NEAR(ms().AddSphere(c, 2).Volume(), 4.0 / 3 * pi * 8, 1e-6);
    IAcad3DSolid torus = ms().AddTorus(c, 10, 2);
    expectBox(torus, -2, 8, 28, 22, 32, 32);
    EXPECT_NEAR(torus.Volume(), 2 * pi * pi * 10 * 4, 1e-6);
    EXPECT_EQ(ms().Count(), 5);
}

TEST_F(Primitives, WedgeIsFullHeightAtMinusX)
{
    IAcad3DSolid wedge = ms().AddWedge(AcadPoint(0, 0, 0), 10, 4, 6);
    expectBox(wedge, -5, -2, -3, 5, 2, 3);
    EXPECT_NEAR(wedge.Volume(), 10 * 4 * 6 / 2.0, 1e-9);
    // A thin slice near -X holds nearly the full height, one near +X nearly none.
    IAcad3DSolid nearMinus = ms().AddBox(AcadPoint(-4.5, 0, 0), 1, 10, 10);
    IAcad3DSolid copy = ms().AddWedge(AcadPoint(0, 0, 0), 10, 4, 6);
    copy.Boolean(acIntersection, nearMinus);
    EXPECT_NEAR(copy.Volume(), 4 * (6 * 1.0 - 0.6 * 1.0 / 2 - 0.6 * 0), 1e-9); // z from -3 up to 3 - 0.6(x+5)
}

TEST_F(Primitives, Rotate3DIsRightHandedAboutTheDirectionFromPoint1ToPoint2)
{
    struct Case {
        AcadPoint p1, p2;
        double x0, y0, x1, y1;
    };
    // A unit box at x in [9, 11], y in [-1, 1] turned a quarter about Z.
    const Case cases[] = {
        {AcadPoint(0, 0, 0), AcadPoint(0, 0, 77), -1, 9, 1, 11},   // counter-clockwise seen from +Z
        {AcadPoint(0, 0, 77), AcadPoint(0, 0, 0), -1, -11, 1, -9}, // the pair reversed turns the other way
    };
    for (const Case& k : cases) {
        IAcad3DSolid box = ms().AddBox(AcadPoint(10, 0, 0), 2, 2, 2);
        box.Rotate3D(k.p1, k.p2, pi / 2);
        expectBox(box, k.x0, k.y0, -1, k.x1, k.y1, 1);
    }
    // Move is by to - from.
    IAcad3DSolid box = ms().AddBox(AcadPoint(0, 0, 0), 2, 2, 2);
    box.Move(AcadPoint(1, 1, 1), AcadPoint(4, -1, 2));
    expectBox(box, 2, -3, 0, 4, -1, 2);
    // Scaling about a base point.
    box.ScaleEntity(AcadPoint(2, -3, 0), 2);
    expectBox(box, 2, -3, 0, 6, 1, 4);
    EXPECT_NEAR(box.Volume(), 64, 1e-9);
}

TEST_F(Primitives, RefusedInputLeavesNothingBehind)
{
    EXPECT_THROW(ms().AddCylinder(AcadPoint(0, 0, 0), 0, 5), EOleException);
    EXPECT_THROW(ms().AddBox(AcadPoint(0, 0, 0), 1, -1, 1), EOleException);
    EXPECT_THROW(ms().AddTorus(AcadPoint(0, 0, 0), 2, 3), EOleException);
    EXPECT_EQ(ms().Count(), 0);
    // A zero-length line is a line.
    IAcadLine line = ms().AddLine(AcadPoint(1, 1, 0), AcadPoint(1, 1, 0));
    EXPECT_EQ(line.ObjectName(), QStringLiteral("AcDbLine"));
    EXPECT_EQ(ms().Count(), 1);
}
