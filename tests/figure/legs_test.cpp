// The legs' stretch alone over a small seed body far above the hips: the
// thighs with their hip blocks and the shins posed by the leg angles, the
// knee points and vectors left in the bank for the shoes.
#include "figure/assembly.h"
#include "figure/stretches.h"

#include "figure_fixture.h"

#include <TopExp_Explorer.hxx>

#include <cmath>

namespace {

class Legs : public FigureTest {
protected:
    // The legs drawn for the pose typed over the initial one, the rest of
    // the legs' angles at 0.
    void draw(std::vector<std::pair<const char*, QString>> typed)
    {
        initialPose();
        Texts texts{{"Edit102", num(1755.5)}};
        for (const char* e : {"Edit127", "Edit128", "Edit129", "Edit130", "Edit135", "Edit136", "Edit137", "Edit138"})
            texts.push_back({e, num(0)});
        for (const auto& t : typed)
            texts.push_back(t);
        type("Panel59", texts);
        runStretch([&](figure::Assembly& a) {
            fields().BodySolid = fields().ModelSpace().AddSphere(acad::AcadPoint(0, 0, 1000), 1);
            figure::legs(a);
        });
    }
    void expectBox(double x0, double y0, double z0, double x1, double y1, double z1)
    {
        ASSERT_TRUE(errors.empty()) << errors.front().toStdString();
        ASSERT_EQ(count(), 1);
        auto body = checkedPart(item(0), item(0).as<acad::IAcad3DSolid>().get_color());
        acad::AcadPoint lo, hi;
        body.GetBoundingBox(lo, hi);
        EXPECT_NEAR(lo[0], x0, 1e-6);
        EXPECT_NEAR(lo[1], y0, 1e-6);
        EXPECT_NEAR(lo[2], z0, 1e-6);
        EXPECT_NEAR(hi[0], x1, 1e-6);
        EXPECT_NEAR(hi[1], y1, 1e-6);
        EXPECT_NEAR(hi[2], z1, 1e-6);
    }
    // The solids of the drawn body: the legs and the seed ball.
    int solids()
    {
        const auto& solid = static_cast<const acad::SolidEntity&>(*item(0).entity());
        int n = 0;
        for (TopExp_Explorer e(solid.body.shape(), TopAbs_SOLID); e.More(); e.Next())
            ++n;
        return n;
    }
    void expectPoint(double x, double y, double z, double ex, double ey, double ez)
    {
        EXPECT_NEAR(x, ex, 1e-9);
        EXPECT_NEAR(y, ey, 1e-9);
        EXPECT_NEAR(z, ez, 1e-9);
    }
};

} // namespace

TEST_F(Legs, RestPoseStandsBothLegsStraightDown)
{
    draw({});
    // The thighs' hip balls (radius 109 about x = ±85) bound the legs
    // sideways and upwards, the hip cylinders (radius 120 about z = −3)
    // backwards, the shins' feet 470 below the knees at y = −450.
    expectBox(-194, -920, -123, 194, 109, 1001);
    // The shins meet each other and their thighs at the knee balls, the
    // thighs meet between the hip balls: one solid beside the seed ball,
    // not four overlapping ones.
    EXPECT_EQ(solids(), 2);
    const acad::WorkingFields& f = fields();
    expectPoint(f.Dim05, f.Dim06, f.Dim09, -85, -450, 0);
    expectPoint(f.Dim27, f.Dim28, f.Dim29, 85, -450, 0);
    expectPoint(f.Dim24, f.Dim25, f.Dim26, 0, -450, 0);
    expectPoint(f.Dim30, f.Dim31, f.Dim32, 0, -450, 0);
}

TEST_F(Legs, KneesFollowTheThighAngles)
{
    struct Case {
        const char* edit;
        double degrees;
        double x, y, z; // the right knee point
    };
    const Case cases[] = {
        {"Edit128", 90, -85, 0, -450},                                           // B8P: the thigh backwards
        {"Edit127", 30, -85 + 450 * std::sin(7 * pi / 6), 450 * std::cos(7 * pi / 6), 0}, // A8P: swung outwards
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.edit);
        clearDrawing();
        draw({{c.edit, num(c.degrees)}});
        ASSERT_TRUE(errors.empty()) << errors.front().toStdString();
        const acad::WorkingFields& f = fields();
        expectPoint(f.Dim05, f.Dim06, f.Dim09, c.x, c.y, c.z);
        expectPoint(f.Dim24, f.Dim25, f.Dim26, c.x + 85, c.y, c.z);
        expectPoint(f.Dim27, f.Dim28, f.Dim29, 85, -450, 0); // the left leg stays
        EXPECT_EQ(solids(), 2); // each shin joined to its thigh at the knee
    }
    EXPECT_NEAR(fields().Dim05, -310, 1e-2);
    EXPECT_NEAR(fields().Dim06, -389.71, 1e-2);
}

TEST_F(Legs, HalfTheHeightHalvesTheLegs)
{
    draw({{"Edit102", num(877.75)}});
    expectBox(-97, -460, -61.5, 97, 54.5, 1001);
    expectPoint(fields().Dim05, fields().Dim06, fields().Dim09, -42.5, -225, 0);
}
