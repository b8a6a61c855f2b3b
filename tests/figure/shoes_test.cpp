// The shoes' stretch alone, the knee points of the initial pose in the bank
// and a small seed body: each shoe built in its own frame, turned by its
// foot's angles and set on its ankle 422 down the shin.
#include "figure/assembly.h"
#include "figure/stretches.h"

#include "figure_fixture.h"

namespace {

class Shoes : public FigureTest {
protected:
    void draw(const Texts& typed, const Texts& colours = {})
    {
        initialPose();
        type("Panel59", typed);
        type("Panel60", colours);
        runStretch([&](figure::Assembly& a) {
            const double s = a.s();
            acad::WorkingFields& f = fields();
            f.Dim05 = -85 * s, f.Dim06 = -450 * s, f.Dim09 = 0;
            f.Dim27 = 85 * s, f.Dim28 = -450 * s, f.Dim29 = 0;
            f.BodySolid = f.ModelSpace().AddSphere(acad::AcadPoint(0, -900 * s, 0), 1); // within the shoes' box
            figure::shoes(a);
        });
    }
    void expectBox(double x0, double y0, double z0, double x1, double y1, double z1)
    {
        ASSERT_TRUE(errors.empty()) << errors.front().toStdString();
        ASSERT_EQ(count(), 1);
        auto body = item(0).as<acad::IAcad3DSolid>();
        checkedPart(item(0), body.get_color());
        acad::AcadPoint lo, hi;
        body.GetBoundingBox(lo, hi);
        const double expected[6] = {x0, y0, z0, x1, y1, z1};
        const double got[6] = {lo[0], lo[1], lo[2], hi[0], hi[1], hi[2]};
        for (int k = 0; k < 6; ++k)
            EXPECT_NEAR(got[k], expected[k], 1e-6) << k;
    }
};

} // namespace

TEST_F(Shoes, InitialPoseSetsBothShoesOnTheirAnkles)
{
    draw({{"Edit102", num(1755.5)}});
    // Soles 64 either side of x = ±85 and down to 77 below the ankles at
    // y = −872; toes at z = 201, heels at −84; the left collar's top at the ankle.
    expectBox(-149, -949, -84, 149, -872, 201);
    const acad::WorkingFields& f = fields();
    EXPECT_NEAR(f.Dim05, -85, 1e-9);
    EXPECT_NEAR(f.Dim06, -872, 1e-9);
    EXPECT_NEAR(f.Dim09, 0, 1e-9);
    EXPECT_NEAR(f.Dim27, 85, 1e-9);
    EXPECT_NEAR(f.Dim28, -872, 1e-9);
    EXPECT_NEAR(f.Dim25, -422, 1e-9);
    EXPECT_NEAR(f.Dim31, -422, 1e-9);
    EXPECT_NEAR(f.Dim24, 0, 1e-6);
    EXPECT_NEAR(f.Dim32, 0, 1e-9);
}

TEST_F(Shoes, RightFootTurnedDownPointsItsToeBelowTheAnkle)
{
    // B10P = 90: the toe 201 below the right ankle; the heel 84 above it,
    // the sole now at z from −77 to −47.
    draw({{"Edit102", num(1755.5)}, {"Edit132", num(90)}});
    expectBox(-149, -872 - 201, -84, 149, -872 + 84, 201);
}

TEST_F(Shoes, TwiceTheHeightDoublesTheShoes)
{
    draw({{"Edit102", num(3511)}});
    expectBox(-298, -1898, -168, 298, -1744, 402);
}

TEST_F(Shoes, BadShoeColourLeavesTheRightShoePosedAndUncoloured)
{
    draw({{"Edit102", num(1755.5)}}, {{"Edit296", "x"}});
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors.front(), QStringLiteral("'x' is not a valid integer value."));
    ASSERT_EQ(count(), 2);
    auto shoe = item(1).as<acad::IAcad3DSolid>();
    acad::AcadPoint lo, hi;
    shoe.GetBoundingBox(lo, hi);
    EXPECT_NEAR(lo[1], -949, 1e-6);
    EXPECT_NEAR(hi[0], -85 + 64, 1e-6);
    EXPECT_NE(shoe.get_TrueColor().Red(), 77); // not yet in the shoe colour
}

TEST_F(Shoes, EqualFootTurnsTurnBothToesTheSameWay)
{
    // C10P = C10L = 30: both toes towards +X. The left sole's toe arc (64
    // about z = 137) then reaches x = 85 + 137 sin 30 + 64, the right sole's
    // heel arc (51 about z = −33) x = −85 − 33 sin 30 − 51.
    draw({{"Edit102", num(1755.5)}, {"Edit145", num(30)}, {"Edit146", num(30)}});
    ASSERT_TRUE(errors.empty()) << errors.front().toStdString();
    acad::AcadPoint lo, hi;
    item(0).as<acad::IAcad3DSolid>().GetBoundingBox(lo, hi);
    EXPECT_NEAR(hi[0], 85 + 137 * 0.5 + 64, 1e-6);
    EXPECT_NEAR(lo[0], -85 - 33 * 0.5 - 51, 1e-6);
}
