// The arms' stretch alone, the girdle centre of the initial pose in the bank
// and a small seed body between the shoulders: each arm's chain of upper
// arm, elbow ball and forearm, and the points it leaves for the hands.
#include "figure/assembly.h"
#include "figure/stretches.h"

#include "figure_fixture.h"

#include <algorithm>
#include <cmath>

namespace {

class Arms : public FigureTest {
protected:
    void draw(const Texts& typed)
    {
        initialPose();
        type("Panel59", typed);
        runStretch([&](figure::Assembly& a) {
            acad::WorkingFields& f = fields();
            f.Dim05 = 0, f.Dim06 = 561 * a.s(), f.Dim09 = 0; // the girdle centre of the initial pose
            f.BodySolid = f.ModelSpace().AddSphere(acad::AcadPoint(0, 561 * a.s(), 0), 1);
            figure::arms(a);
        });
        ASSERT_TRUE(errors.empty()) << errors.front().toStdString();
    }
    static void expectPoint(double x, double y, double z, double ex, double ey, double ez)
    {
        EXPECT_NEAR(x, ex, 1e-9);
        EXPECT_NEAR(y, ey, 1e-9);
        EXPECT_NEAR(z, ez, 1e-9);
    }
};

double frustum(double r1, double r2, double length)
{
    return pi * length / 3 * (r1 * r1 + r1 * r2 + r2 * r2);
}

} // namespace

TEST_F(Arms, InitialPoseStretchesBothArmsSideways)
{
    draw({{"Edit102", num(1755.5)}});
    const acad::WorkingFields& f = fields();
    const double shoulder = 190.64, elbow = shoulder + 250.94, wrist = elbow + 232.58;
    expectPoint(f.Dim05, f.Dim06, f.Dim09, -elbow, 561, 0);
    expectPoint(f.Dim27, f.Dim28, f.Dim29, elbow, 561, 0);
    expectPoint(f.Dim33, f.Dim34, f.Dim35, -wrist, 561, 0);

    ASSERT_EQ(count(), 1);
    auto body = checkedPart(item(0), item(0).as<acad::IAcad3DSolid>().get_color());
    acad::AcadPoint lo, hi;
    body.GetBoundingBox(lo, hi);
    EXPECT_NEAR(lo[0], -wrist, 1e-6);
    EXPECT_NEAR(hi[0], wrist, 1e-6);
    EXPECT_NEAR(lo[1], 561 - 70, 1e-6);
    EXPECT_NEAR(hi[2], 70, 1e-6);
    // Each arm: the two frusta, and of the elbow ball what stands out of the
    // forearm just past the elbow, where the forearm narrows faster than
    // the ball (the upper arm holds the ball's other half whole).
    double outside = 0;
    const int n = 200000;
    for (int k = 0; k < n; ++k) {
        const double t = (k + 0.5) * 64.0 / n, r = 64 - 15 * t / 232.58;
        outside += pi * std::max(0.0, 64 * 64 - t * t - r * r) * 64.0 / n;
    }
    const double arm = frustum(70, 64, 250.94) + frustum(64, 49, 232.58) + outside;
    const double expected = 4 * pi / 3 + 2 * arm;
    EXPECT_NEAR(body.Volume(), expected, 1e-7 * expected);
}

TEST_F(Arms, EachSegmentKeepsItsOwnAngles)
{
    struct Case {
        const char* edit;
        double degrees;
        double ex, ey;  // right elbow
        double wx, wy;  // right wrist
    };
    const double s = 190.64, u = 250.94, w = 232.58, c22 = std::cos(22 * pi / 180), s22 = std::sin(22 * pi / 180);
    const Case cases[] = {
        // The upper arm raised: the forearm still points along -X.
        {"Edit107", 90, -s, 561 + u, -s - w, 561 + u},
        // The girdle clamped to 22 degrees.
        {"Edit105", 40, -s * c22 - u, 561 + s * s22, -s * c22 - u - w, 561 + s * s22},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.edit);
        clearDrawing();
        draw({{"Edit102", num(1755.5)}, {c.edit, num(c.degrees)}});
        const acad::WorkingFields& f = fields();
        expectPoint(f.Dim05, f.Dim06, f.Dim09, c.ex, c.ey, 0);
        expectPoint(f.Dim33, f.Dim34, f.Dim35, c.wx, c.wy, 0);
    }
}

TEST_F(Arms, BadTurtleneckTextStopsBeforeTheFirstArmPiece)
{
    initialPose();
    type("Panel59", {{"Edit102", num(1755.5)}});
    type("Panel60", {{"Edit290", "x"}});
    runStretch([&](figure::Assembly& a) {
        acad::WorkingFields& f = fields();
        f.Dim05 = 0, f.Dim06 = 561, f.Dim09 = 0;
        f.BodySolid = f.ModelSpace().AddSphere(acad::AcadPoint(0, 561, 0), 1);
        figure::arms(a);
    });
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors.front(), QStringLiteral("'x' is not a valid integer value."));
    EXPECT_EQ(count(), 1); // the seed alone
    // Both shoulder points were set before the colour was read.
    EXPECT_NEAR(fields().Dim05, -190.64, 1e-9);
    EXPECT_NEAR(fields().Dim27, 190.64, 1e-9);
}
