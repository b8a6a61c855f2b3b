// The whole figure as "3D" draws it: every stretch in body order, then the
// final pose and scale.
#include "figure_fixture.h"

#include <BRepCheck_Analyzer.hxx>
#include <TopExp_Explorer.hxx>

#include <set>
#include <tuple>

namespace {

class WholeFigure : public FigureTest {
protected:
    const acad::SolidEntity& body() { return static_cast<const acad::SolidEntity&>(*item(0).entity()); }
    // The colours the body's faces show: palette indexes as negative
    // numbers, true colours as their red, green and blue.
    std::set<std::tuple<int, int, int>> colours()
    {
        std::set<std::tuple<int, int, int>> shown;
        for (TopExp_Explorer e(body().body.shape(), TopAbs_FACE); e.More(); e.Next()) {
            const acad::Colour c = body().faceColour(e.Current());
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
    // The body, and the shoulders with both arms and hands: the shoulder
    // joints sit above the trunk, which only the skin would join them to.
    EXPECT_EQ(solids(), 2);
    // The overalls, turtleneck, shoes and skin of the initial pose; the
    // trunk's badge in its three palette colours; the half cylinder of the
    // hips with no colour of its own.
    const std::set<std::tuple<int, int, int>> expected = {
        {61, 112, 174}, {111, 116, 174}, {77, 48, 40}, {253, 216, 201}, {-2, 0, 0}, {-106, 0, 0}, {-50, 0, 0}, {256, 0, 0}};
    EXPECT_EQ(colours(), expected);
    // Stood up along +Z and scaled by the fixed factor: the shoulder caps
    // of radius 73 over the girdle 561 above the hip joints are the top;
    // the shins' feet 920 below the hip joints, the shoes lower still.
    const double k = 0.94933970732973534215;
    acad::AcadPoint lo, hi;
    item(0).as<acad::IAcad3DSolid>().GetBoundingBox(lo, hi);
    EXPECT_NEAR(hi[2], (561 + 73) * k, 1e-6);
    EXPECT_LT(lo[2], -920 * k);
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

} // namespace
