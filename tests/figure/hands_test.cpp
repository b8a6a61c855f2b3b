// The hands' stretch alone: the right wrist and the left elbow of the
// initial pose's arms in the bank, a small seed body between them; each
// hand built about its wrist, posed and set on it.
#include "figure/assembly.h"
#include "figure/stretches.h"

#include "figure_fixture.h"

namespace {

constexpr double kShoulder = 190.64, kElbow = kShoulder + 250.94, kWrist = kElbow + 232.58;
// The middle finger's tip from the wrist: its three joint steps, the last
// phalanx's length and its rounded end.
constexpr double kMiddleTip = 100 + 47 + 33 + 25 + 8.25;

class Hands : public FigureTest {
protected:
    void draw(const Texts& body, const Texts& fingers = {})
    {
        initialPose();
        type("Panel59", body);
        type("Panel60", fingers);
        runStretch([&](figure::Assembly& a) {
            acad::WorkingFields& f = fields();
            f.Dim33 = -kWrist, f.Dim34 = 561, f.Dim35 = 0;
            f.Dim27 = kElbow, f.Dim28 = 561, f.Dim29 = 0;
            f.BodySolid = f.ModelSpace().AddSphere(acad::AcadPoint(0, 561, 0), 1);
            figure::hands(a);
        });
    }
    acad::IAcad3DSolid body()
    {
        EXPECT_TRUE(errors.empty()) << (errors.empty() ? "" : errors.front().toStdString());
        EXPECT_EQ(count(), 1);
        return checkedPart(item(0), item(0).as<acad::IAcad3DSolid>().get_color());
    }
};

} // namespace

TEST_F(Hands, InitialPoseContinuesTheArmsWithStraightFingers)
{
    draw({{"Edit102", num(1755.5)}});
    acad::AcadPoint lo, hi;
    body().GetBoundingBox(lo, hi);
    EXPECT_NEAR(lo[0], -kWrist - kMiddleTip, 1e-6);
    EXPECT_NEAR(hi[0], kWrist + kMiddleTip, 1e-6);
    EXPECT_NEAR(lo[2], -53, 1e-6); // the sleeve cuffs
    EXPECT_NEAR(hi[2], 53, 1e-6);
    const acad::WorkingFields& f = fields();
    EXPECT_NEAR(f.Dim05, kWrist, 1e-9); // the left wrist
    EXPECT_NEAR(f.Dim06, 561, 1e-9);
    EXPECT_NEAR(f.Dim10, kElbow, 1e-9); // the left elbow kept
    EXPECT_NEAR(f.Dim24, 232.58, 1e-9);
    EXPECT_NEAR(f.Dim25, 0, 1e-9);
}

TEST_F(Hands, AnIndexFingerBaseTurnedUpCarriesTheRestOfTheFinger)
{
    // AB1P = 90: the first phalanx along +Y from its base (-97.68, 21.39),
    // the next two still along -X from the displaced joint, level with the
    // first one's end; the finger's top is the first phalanx's rounded end.
    draw({{"Edit102", num(1755.5)}}, {{"Edit188", num(90)}});
    acad::AcadPoint lo, hi;
    body().GetBoundingBox(lo, hi);
    EXPECT_NEAR(hi[1], 561 + 21.39 + 40 + 10, 1e-6);
    EXPECT_NEAR(lo[0], -kWrist - kMiddleTip, 1e-6);
}

TEST_F(Hands, BadSkinTextLeavesTheRightHandUnposedAtTheOrigin)
{
    draw({{"Edit102", num(1755.5)}}, {{"Edit285", "x"}});
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors.front(), QStringLiteral("'x' is not a valid integer value."));
    ASSERT_EQ(count(), 2);
    acad::AcadPoint lo, hi;
    item(1).as<acad::IAcad3DSolid>().GetBoundingBox(lo, hi);
    EXPECT_NEAR(lo[0], -kMiddleTip, 1e-6); // the middle finger whole
    EXPECT_NEAR(lo[2], -12.5, 1e-6);       // no cuff yet
}

TEST_F(Hands, HandsTurnedByB5TipTheirFingersOppositeWays)
{
    // B5P = B5L = 30: the right fingertips towards +Z, the left towards −Z;
    // the middle fingertip's end ball (8.25 about 205 from the wrist) leads.
    draw({{"Edit102", num(1755.5)}, {"Edit112", num(30)}, {"Edit120", num(30)}});
    acad::AcadPoint lo, hi;
    body().GetBoundingBox(lo, hi);
    EXPECT_NEAR(hi[2], 205 * 0.5 + 8.25, 1e-6);
    EXPECT_NEAR(lo[2], -(205 * 0.5 + 8.25), 1e-6);
}
