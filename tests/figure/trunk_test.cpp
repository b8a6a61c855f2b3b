// The trunk core's stretch alone over a small seed body: the block with the
// badge on its front and back, each layer in its fixed colour index, and
// the girdle centre that the upper trunk's angles move.
#include "figure/assembly.h"
#include "figure/stretches.h"

#include "figure_fixture.h"

#include <BRepAdaptor_Surface.hxx>
#include <BRepGProp.hxx>
#include <GProp_GProps.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>

#include <cmath>
#include <map>

namespace {

class Trunk : public FigureTest {
protected:
    void draw(const Texts& typed)
    {
        initialPose();
        type("Panel59", typed);
        runStretch([&](figure::Assembly& a) {
            fields().BodySolid = fields().ModelSpace().AddSphere(acad::AcadPoint(0, 300 * a.s(), 2000), 1); // out of the way
            figure::trunkCore(a);
        });
        ASSERT_TRUE(errors.empty()) << errors.front().toStdString();
        ASSERT_EQ(count(), 1);
    }
    const acad::SolidEntity& body() { return static_cast<const acad::SolidEntity&>(*item(0).entity()); }
};

// A stadium: a w × h rectangle with half discs of diameter w on its top and bottom.
double stadium(double w, double h)
{
    return w * h + pi * w * w / 4;
}

} // namespace

TEST_F(Trunk, BlockAndBadgeInTheirLayersAndColours)
{
    draw({{"Edit102", num(1755.5)}});
    const double seed = 4 * pi / 3;
    // Each layer adds its outline's area times the depth it stands beyond
    // the layer under it, on both faces together.
    const double block = 164 * 174.23 * 232;
    const double frame = 158.0 * 137;
    const double field = 152.0 * 131;
    const double gableAndRings = 142.0 * 22 + 92.0 * 19 + 98.0 * 25 / 2 + 2 * stadium(34, 25.2282) + stadium(34, 8.2282);
    const double insets = 2 * stadium(20, 25.2282) + stadium(20, 8.2282);
    EXPECT_NEAR(item(0).as<acad::IAcad3DSolid>().Volume(), seed + block + frame + field + gableAndRings + insets, 1e-3);

    // The front faces at each layer's depth carry the layer's colour index.
    std::map<double, std::set<int>> colours;
    for (TopExp_Explorer e(body().body.shape(), TopAbs_FACE); e.More(); e.Next()) {
        BRepAdaptor_Surface surface(TopoDS::Face(e.Current()));
        if (surface.GetType() != GeomAbs_Plane || std::abs(surface.Plane().Axis().Direction().Z()) < 0.5)
            continue;
        const double z = std::round(surface.Plane().Location().Z() * 10) / 10;
        if (z > 100 && z < 200)
            colours[z].insert(body().faceColour(e.Current()).index);
    }
    const std::map<double, std::set<int>> expected = {
        {116, {2}}, {116.5, {106}}, {117, {50}}, {117.5, {106}}, {118, {50}}};
    EXPECT_EQ(colours, expected);
    // The girdle centre of the initial pose.
    EXPECT_NEAR(fields().Dim05, 0, 1e-9);
    EXPECT_NEAR(fields().Dim06, 561, 1e-9);
    EXPECT_NEAR(fields().Dim09, 0, 1e-9);
}

TEST_F(Trunk, UpperTrunkAnglesMoveOnlyTheGirdleCentre)
{
    struct Case {
        const char* edit;
        double degrees;
        double x, y, z;
    };
    const double a = 11 * pi / 180;
    const Case cases[] = {
        {"Edit121", 11, 235 * std::sin(a), 235 * std::cos(a) + 326, 0},
        {"Edit121", 40, 235 * std::sin(a), 235 * std::cos(a) + 326, 0}, // clamped
        {"Edit122", 11, 0, 235 * std::cos(a) + 326, 235 * std::sin(a)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.edit);
        clearDrawing();
        draw({{"Edit102", num(1755.5)}, {c.edit, num(c.degrees)}});
        EXPECT_NEAR(fields().Dim05, c.x, 1e-9);
        EXPECT_NEAR(fields().Dim06, c.y, 1e-9);
        EXPECT_NEAR(fields().Dim09, c.z, 1e-9);
        acad::AcadPoint lo, hi;
        item(0).as<acad::IAcad3DSolid>().GetBoundingBox(lo, hi);
        EXPECT_NEAR(lo[0], -82, 1e-6);
        EXPECT_NEAR(lo[1], 222, 1e-6);
        EXPECT_NEAR(lo[2], -118, 1e-6);
        EXPECT_NEAR(hi[0], 82, 1e-6);
        EXPECT_NEAR(hi[1], 396.23, 1e-6);
    }
    EXPECT_NEAR(fields().Dim09, 44.840, 1e-3);
    EXPECT_NEAR(fields().Dim06, 556.682, 1e-3);
}

TEST_F(Trunk, TwiceTheHeightDoublesEverything)
{
    draw({{"Edit102", num(3511)}});
    acad::AcadPoint lo, hi;
    item(0).as<acad::IAcad3DSolid>().GetBoundingBox(lo, hi);
    EXPECT_NEAR(lo[1], 444, 1e-6);
    EXPECT_NEAR(hi[1], 792.46, 1e-6);
    EXPECT_NEAR(lo[2], -236, 1e-6);
    EXPECT_NEAR(fields().Dim06, 1122, 1e-9);
}
