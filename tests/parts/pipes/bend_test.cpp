// Pipe bends: the wall swept through the bend angle and laid with its first
// end at the origin, and its section through the centre line.
#include "pipes_fixture.h"

namespace {

struct BendCase {
    const char *D, *s, *R, *alfa;
    double Dv, sv, Rv, degrees;
    double box[6]; // worked out from the laid bend: x0, y0, z0, x1, y1, z1
};

const double r3 = std::sqrt(3.0);
// D = 100, R = 150: the centre line has the radius 200 about (200 cos a, -200 sin a).
const BendCase kBends[] = {
    {"100", "5", "150", "90", 100, 5, 150, 90, {-250, -200, -50, 0, 50, 50}},
    {"100", "5.5", "150", "60", 100, 5.5, 150, 60, {-150, -100 * r3, -50, 25, 25 * r3, 50}},
    {"100", "5", "150", "180", 100, 5, 150, 180, {-450, 0, -50, 50, 250, 50}},
};

} // namespace

class Bend : public PipesTest {
protected:
    void typeBend(const BendCase& c)
    {
        type("Panel41", {{"Edit50", dec(c.D)}, {"Edit51", dec(c.s)}, {"Edit52", dec(c.R)}, {"Edit53", dec(c.alfa)}});
    }
};

TEST_F(Bend, WallSweptThroughTheAngleFromTheOriginToAnEndFacingMinusY)
{
    for (const BendCase& c : kBends) {
        SCOPED_TRACE(c.alfa);
        clearDrawing();
        typeBend(c);
        press("Panel41", "BitBtn31");
        auto bend = onlyPart(3);
        const double D = c.Dv, s = c.sv, rho = c.Rv + c.Dv / 2, a = c.degrees * pi / 180;
        const double expected = pi / 4 * (D * D - (D - 2 * s) * (D - 2 * s)) * rho * a;
        EXPECT_NEAR(bend.Volume(), expected, 1e-7 * expected);
        expectBox(bend, c.box[0], c.box[1], c.box[2], c.box[3], c.box[4], c.box[5], 1e-5);
        // The end faces: one centred at the origin, the pipe leaving it along
        // (-sin a, -cos a, 0); the other where the centre line ends,
        // perpendicular to Y.
        const std::vector<gp_Ax1> ends = planeFaces(bend.entity()->shape());
        ASSERT_EQ(ends.size(), 2u);
        const gp_Pnt first(0, 0, 0), second(-rho * (1 - std::cos(a)), -rho * std::sin(a), 0);
        const bool inOrder = ends[0].Location().Distance(first) < ends[1].Location().Distance(first);
        const gp_Ax1 &start = ends[inOrder ? 0 : 1], &end = ends[inOrder ? 1 : 0];
        EXPECT_LT(start.Location().Distance(first), 1e-6);
        EXPECT_TRUE(start.Direction().IsParallel(gp_Dir(-std::sin(a), -std::cos(a), 0), 1e-9));
        EXPECT_LT(end.Location().Distance(second), 1e-6);
        EXPECT_TRUE(end.Direction().IsParallel(gp::DY(), 1e-9));
        EXPECT_EQ(fields().Dim00, D);
        EXPECT_EQ(fields().Dim03, s);
        EXPECT_EQ(fields().Dim07, c.Rv);
        EXPECT_DOUBLE_EQ(fields().Dim13, a);
    }
}

TEST_F(Bend, TwoDLeavesTheTwoWallStripsAndClosesTheBoreAtBothEnds)
{
    for (const BendCase& c : kBends) {
        SCOPED_TRACE(c.alfa);
        clearDrawing();
        typeBend(c);
        press("Panel41", "BitBtn31");
        auto bend = onlyPart(3);
        // Edits changed after "3D" change nothing.
        type("Panel41", {{"Edit50", "60"}, {"Edit51", "3"}, {"Edit52", "80"}, {"Edit53", "45"}});
        press("Panel41", "BitBtn32");
        EXPECT_TRUE(errors.isEmpty());
        ASSERT_EQ(count(), 3);
        EXPECT_THROW(bend.Volume(), acad::EOleException);

        const double D = c.Dv, s = c.sv, R = c.Rv, rho = R + D / 2, a = c.degrees * pi / 180;
        // Two annular sectors of width s at the radii rho -/+ (D/2 - s/2).
        auto section = item(0).as<acad::IAcadRegion>();
        EXPECT_EQ(faces(section.entity()->shape()).size(), 2u);
        EXPECT_NEAR(section.Area(), 2 * s * rho * a, 1e-6);
        EXPECT_EQ(section.get_Lineweight(), 50);
        EXPECT_EQ(section.get_color(), 256);
        EXPECT_NEAR(section.entity()->boundingBox().CornerMin().Z(), 0, 1e-7);

        const double r = D / 2 - s;
        expectLine(item(1), -r * std::cos(a), r * std::sin(a), r * std::cos(a), -r * std::sin(a));
        expectLine(item(2), rho * std::cos(a) - R - (D - s), -rho * std::sin(a), rho * std::cos(a) - R - s,
                   -rho * std::sin(a));
        for (int k = 1; k <= 2; ++k) {
            EXPECT_EQ(item(k).get_Lineweight(), 50);
            EXPECT_EQ(item(k).get_color(), 256);
        }
    }
}

TEST_F(Bend, TwoDLinesOfTheRightAngleBendLieAcrossTheEndFaces)
{
    type("Panel41", {{"Edit50", "100"}, {"Edit51", "5"}, {"Edit52", "150"}, {"Edit53", "90"}});
    press("Panel41", "BitBtn31");
    fields().Dim00 = 20; // a thread drawn in between
    fields().Dim03 = 1;
    press("Panel41", "BitBtn32");
    ASSERT_EQ(count(), 3);
    expectLine(item(1), 0, 45, 0, -45, 1e-12);
    expectLine(item(2), -245, -200, -155, -200, 1e-12);
}

TEST_F(Bend, TwoDWithoutItsOwnBendChangesNothing)
{
    press("Panel41", "BitBtn32");
    EXPECT_EQ(errors, QStringList{noPartToSection()});
    EXPECT_EQ(count(), 0);
    type("Panel41", {{"Edit50", "100"}, {"Edit51", "5"}, {"Edit52", "150"}, {"Edit53", "90"}});
    press("Panel41", "BitBtn31");
    // The head's "3D" after it.
    type("Panel1", {{"Edit1", "1000"}, {"Edit2", "250"}, {"Edit3", "40"}, {"Edit4", "10"}});
    press("Panel1", "BitBtn2");
    errors.clear();
    press("Panel41", "BitBtn32");
    EXPECT_EQ(errors, QStringList{noPartToSection()});
    ASSERT_EQ(count(), 2);
    checkedPart(item(0), 3);
    checkedPart(item(1), 1);
}

TEST_F(Bend, AllFourSizesAreReadBeforeDrawing)
{
    type("Panel41", {{"Edit50", "100"}, {"Edit51", "5"}, {"Edit52", "150"}, {"Edit53", "девяносто"}});
    press("Panel41", "BitBtn31");
    EXPECT_EQ(errors, QStringList{notAFloat("девяносто")});
    EXPECT_EQ(count(), 0);
    EXPECT_EQ(fields().Dim07, 150);
}

TEST_F(Bend, ARefusedSweepLeavesItsProfileAndTheEarlierBendKeepsItsSection)
{
    type("Panel41", {{"Edit50", "100"}, {"Edit51", "5"}, {"Edit52", "150"}, {"Edit53", "90"}});
    press("Panel41", "BitBtn31");
    // No angle, no sweep: the drawing refuses it; the outer circle's
    // polyline and region stay, and the first bend stays the panel's part.
    type("Panel41", {{"Edit53", "0"}});
    press("Panel41", "BitBtn31");
    ASSERT_EQ(errors.size(), 1);
    ASSERT_EQ(count(), 3);
    EXPECT_EQ(item(1).ObjectName(), QStringLiteral("AcDbPolyline"));
    EXPECT_EQ(item(2).ObjectName(), QStringLiteral("AcDbRegion"));
    errors.clear();
    press("Panel41", "BitBtn32");
    EXPECT_TRUE(errors.isEmpty());
    ASSERT_EQ(count(), 5);
    EXPECT_NEAR(item(2).as<acad::IAcadRegion>().Area(), 2 * 5 * 200 * pi / 2, 1e-6);
    expectLine(item(3), 0, 45, 0, -45);
    expectLine(item(4), -245, -200, -155, -200);
}
