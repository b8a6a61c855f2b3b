// The whole figure as "3D" draws it: every stretch in body order, then the
// final pose and scale.
#include "figure_fixture.h"

#include <BRepCheck_Analyzer.hxx>
#include <TopExp_Explorer.hxx>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <set>
#include <tuple>

namespace {

class WholeFigure : public FigureTest {
protected:
    // The final pose's fixed scale factor.
    static constexpr double k = 0.94933970732973534215;
    const acad::SolidEntity& body() { return static_cast<const acad::SolidEntity&>(*item(0).entity()); }
    // The colours the body's faces show: palette indexes as negative
    // numbers, true colours as their red, green and blue.
    std::set<std::tuple<int, int, int>> colours(int k = 0)
    {
        const auto& solid = static_cast<const acad::SolidEntity&>(*item(k).entity());
        std::set<std::tuple<int, int, int>> shown;
        for (TopExp_Explorer e(solid.body.shape(), TopAbs_FACE); e.More(); e.Next()) {
            const acad::Colour c = solid.faceColour(e.Current());
            if (c.kind == acad::Colour::Kind::Index)
                shown.insert({-c.index, 0, 0});
            else if (c.kind == acad::Colour::Kind::Rgb)
                shown.insert({c.r, c.g, c.b});
            else
                shown.insert({256, 0, 0});
        }
        return shown;
    }
    int solids()
    {
        int n = 0;
        for (TopExp_Explorer e(body().body.shape(), TopAbs_SOLID); e.More(); e.Next())
            ++n;
        return n;
    }
};

TEST_F(WholeFigure, InitialPoseIsOneBodyInItsPoseColours)
{
    initialPose();
    press("Panel61", "BitBtn57");
    ASSERT_TRUE(errors.empty()) << errors.front().toStdString();
    ASSERT_EQ(count(), 1);
    EXPECT_TRUE(BRepCheck_Analyzer(body().body.shape()).IsValid());
    // The body with the head, and the shoulders with both arms and hands:
    // the shoulder joints sit above the trunk, which only the skin would
    // join them to.
    EXPECT_EQ(solids(), 2);
    // The overalls, turtleneck, shoes and skin of the initial pose; the
    // lips, hair (the eyebrows), eyeballs and pupils; the trunk's badge in
    // its three palette colours; the half cylinder of the hips with no
    // colour of its own.
    const std::set<std::tuple<int, int, int>> expected = {
        {61, 112, 174}, {111, 116, 174}, {77, 48, 40}, {253, 216, 201}, {223, 43, 12}, {16, 29, 45},
        {202, 252, 252}, {36, 61, 198}, {-2, 0, 0},    {-106, 0, 0},    {-50, 0, 0},   {256, 0, 0}};
    EXPECT_EQ(colours(), expected);
    // Stood up along +Z and scaled by the fixed factor: the crown, the top
    // of the cranium ball of radius 88 at 182.2 in the head's frame, whose
    // origin stands 69.87 over the neck pivot on the girdle centre 561 above
    // the hip joints, is the top; the shins' feet 920 below the hip joints,
    // the shoes lower still.
    acad::AcadPoint lo, hi;
    item(0).as<acad::IAcad3DSolid>().GetBoundingBox(lo, hi);
    EXPECT_NEAR(hi[2], (561 + 69.87 + 182.2 + 88) * k, 1e-6);
    EXPECT_LT(lo[2], -920 * k);
}

// The head turned by A1 about Z, B1 about X and C1 about Y on its pivot,
// the girdle centre moved by A6 and B6: the top is still the top of a
// skull ball, worked out here turn by turn.
TEST_F(WholeFigure, TurnedHeadsTopIsItsHighestSkullBall)
{
    initialPose();
    type("Panel59", {{"Edit103", "20"}, {"Edit104", "-15"}, {"Edit142", "30"}, {"Edit121", "11"}, {"Edit122", "-5"}});
    press("Panel61", "BitBtn57");
    ASSERT_TRUE(errors.empty()) << errors.front().toStdString();
    ASSERT_EQ(count(), 1);
    EXPECT_TRUE(BRepCheck_Analyzer(body().body.shape()).IsValid());
    const double d = std::numbers::pi / 180;
    const double a1 = 20 * d, b1 = -15 * d, a6 = 11 * d, b6 = -5 * d;
    struct Ball {
        double r, x, y, z;
    };
    const Ball skull[] = {{55, 0, 0, 0},           {88, 0, 182.2, 33.03}, {88, 0, 177.13, -4.46},
                          {88, 0, 181.2, 6.64},    {80, -8, 179.79, 46},  {80, 8, 179.79, 46}};
    double top = -1e9;
    for (const Ball& b : skull) {
        // Over the pivot, then about Z and about X; the turn about Y keeps
        // the height.
        const double y = b.y + 69.87, x = b.x;
        const double yz = x * std::sin(a1) + y * std::cos(a1);
        const double yx = yz * std::cos(b1) - b.z * std::sin(b1);
        top = std::max(top, yx + b.r);
    }
    const double girdle = 235 * std::cos(b6) * std::cos(a6) + 326;
    acad::AcadPoint lo, hi;
    item(0).as<acad::IAcad3DSolid>().GetBoundingBox(lo, hi);
    EXPECT_NEAR(hi[2], (girdle + top) * k, 1e-6);
}

TEST_F(WholeFigure, TwiceTheHeightTakesEightTimesTheVolume)
{
    initialPose();
    press("Panel61", "BitBtn57");
    ASSERT_TRUE(errors.empty()) << errors.front().toStdString();
    const double v = item(0).as<acad::IAcad3DSolid>().Volume();
    clearDrawing();
    type("Panel59", {{"Edit102", num(3511)}});
    press("Panel61", "BitBtn57");
    ASSERT_TRUE(errors.empty()) << errors.front().toStdString();
    ASSERT_EQ(count(), 1);
    EXPECT_NEAR(item(0).as<acad::IAcad3DSolid>().Volume() / v, 8, 1e-6);
}

// A colour text that is not a whole number stops the press at the first
// read of that colour: the drawing keeps the body as the stretches before
// left it, in their colours only, and beside it the piece in hand,
// uncoloured.
TEST_F(WholeFigure, BadColourTextStopsThePressAtItsFirstRead)
{
    using Shown = std::set<std::tuple<int, int, int>>;
    const std::tuple<int, int, int> none{256, 0, 0}, overalls{61, 112, 174}, turtleneck{111, 116, 174},
        shoes{77, 48, 40};
    const Shown trunk = {{-2, 0, 0}, {-106, 0, 0}, {-50, 0, 0}};
    struct Case {
        const char* edit;
        const char* stretch;
        Shown shown; // by the body and the piece beside it together
    };
    const Case cases[] = {
        // The two blocks of the abdomen beside the hips' half cylinder.
        {"Edit208", "abdomen", {none}},
        // The right shoe beside the abdomen and legs.
        {"Edit210", "shoes", {none, overalls}},
        // The right shoulder's ball beside the body up to the trunk.
        {"Edit289", "right shoulder", [&] {
             Shown s = trunk;
             s.insert({none, overalls, shoes});
             return s;
         }()},
        // The right hand's fingers beside the body with both arms.
        {"Edit203", "hands", [&] {
             Shown s = trunk;
             s.insert({none, overalls, shoes, turtleneck});
             return s;
         }()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stretch);
        clearDrawing();
        errors.clear();
        initialPose();
        type("Panel60", {{c.edit, "x"}});
        press("Panel61", "BitBtn57");
        ASSERT_EQ(errors.size(), 1u);
        EXPECT_EQ(errors.front(), QStringLiteral("'x' is not a valid integer value."));
        ASSERT_EQ(count(), 2);
        Shown shown = colours(0);
        shown.merge(colours(1));
        EXPECT_EQ(shown, c.shown);
    }
}

} // namespace
