// The head set on the neck: a marker ball at the nose tip and one at the
// neck pivot stand in for the head group, and the turned head's markers
// are found again in the body as the spheres of their radii.
#include "figure/assembly.h"
#include "figure/stretches.h"

#include "figure_fixture.h"

#include <BRepAdaptor_Surface.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>

#include <cmath>

namespace {

class HeadPose : public FigureTest {
protected:
    // The pose typed over the initial pose, then the head pose alone over a
    // seed body far below and a head group of the two markers.
    void draw(const Texts& typed)
    {
        initialPose();
        type("Panel59", typed);
        runStretch([&](figure::Assembly& a) {
            const double s = a.s();
            acad::WorkingFields& f = fields();
            f.BodySolid = f.ModelSpace().AddSphere(acad::AcadPoint(0, -5000 * s, 0), 1);
            f.GroupSolid = f.ModelSpace().AddSphere(acad::AcadPoint(0, 106.34 * s, 145.68 * s), 3 * s);
            f.ToolSolid = f.ModelSpace().AddSphere(acad::AcadPoint(0, -69.87 * s, 0), 2 * s);
            f.GroupSolid.Boolean(acad::acUnion, f.ToolSolid);
            // The girdle centre as the trunk leaves it is overwritten on purpose.
            f.Dim05 = f.Dim06 = f.Dim09 = 12345;
            figure::headPose(a);
            scale_ = s;
        });
        ASSERT_TRUE(errors.empty()) << errors.front().toStdString();
        ASSERT_EQ(count(), 1);
        ASSERT_TRUE(item(0).as<acad::IAcad3DSolid>().Volume() > 0);
    }
    // The centre of the body's spherical face of that radius (reference size).
    gp_Pnt centreOf(double radius)
    {
        const auto& solid = static_cast<const acad::SolidEntity&>(*item(0).entity());
        for (TopExp_Explorer e(solid.body.shape(), TopAbs_FACE); e.More(); e.Next()) {
            BRepAdaptor_Surface surface(TopoDS::Face(e.Current()));
            if (surface.GetType() == GeomAbs_Sphere && std::abs(surface.Sphere().Radius() - radius * scale_) < 1e-9)
                return surface.Sphere().Location();
        }
        ADD_FAILURE() << "no sphere of radius " << radius;
        return {};
    }
    double scale_ = 1;
};

TEST_F(HeadPose, NoseTipFollowsTheHeadTurnsInTheirOrder)
{
    struct Case {
        Texts typed;
        double x, y, z;
    };
    // The nose tip lies 176.21 above the neck pivot and 145.68 before it;
    // the pivot lands 561 above the hip joints in the initial pose.
    const std::vector<Case> cases = {
        {{}, 0, 737.21, 145.68},
        {{{"Edit103", "90"}}, -176.21, 561, 145.68},
        {{{"Edit104", "90"}}, 0, 415.32, 176.21},
        {{{"Edit142", "90"}}, 145.68, 737.21, 0},
        {{{"Edit103", "90"}, {"Edit104", "90"}}, -176.21, 415.32, 0},
        {{{"Edit104", "90"}, {"Edit142", "90"}}, 176.21, 415.32, 0},
        // A6 moves the head without turning it: the pivot lands on
        // (−235 sin 11°, 235 cos 11° + 326, 0).
        {{{"Edit121", "11"}}, -44.8404, 732.8917, 145.68},
        {{{"Edit102", "3511"}}, 0, 1474.42, 291.36},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.empty() ? "initial pose" : c.typed.front().first);
        clearDrawing();
        Texts typed = c.typed;
        if (typed.empty() || std::string(typed.front().first) != "Edit102")
            typed.insert(typed.begin(), {"Edit102", num(1755.5)});
        draw(typed);
        const gp_Pnt nose = centreOf(3);
        EXPECT_NEAR(nose.X(), c.x, 1e-3);
        EXPECT_NEAR(nose.Y(), c.y, 1e-3);
        EXPECT_NEAR(nose.Z(), c.z, 1e-3);
    }
}

TEST_F(HeadPose, NeckPivotLandsOnTheGirdleCentreWhateverTheHeadTurns)
{
    draw({{"Edit102", num(1755.5)},
          {"Edit121", "11"},
          {"Edit122", "-5"},
          {"Edit103", "30"},
          {"Edit104", "-20"},
          {"Edit142", "45"}});
    // 235 turned by B6 = −5° about X, then A6 = 11° about Z, above y = 326.
    const double a6 = 11 * pi / 180, b6 = -5 * pi / 180;
    const double x = 235 * std::cos(b6) * std::sin(a6), y = 235 * std::cos(b6) * std::cos(a6) + 326,
                 z = 235 * std::sin(b6);
    EXPECT_NEAR(x, 44.669, 1e-3);
    EXPECT_NEAR(y, 555.805, 1e-3);
    EXPECT_NEAR(z, -20.482, 1e-3);
    const gp_Pnt pivot = centreOf(2);
    EXPECT_NEAR(pivot.X(), -x, 1e-9);
    EXPECT_NEAR(pivot.Y(), y, 1e-9);
    EXPECT_NEAR(pivot.Z(), z, 1e-9);
    EXPECT_NEAR(fields().Dim05, x, 1e-9);
    EXPECT_NEAR(fields().Dim06, y, 1e-9);
    EXPECT_NEAR(fields().Dim09, z, 1e-9);
    // The nose tip stays 176.21 above and 145.68 before the pivot in the
    // head's own turned frame: its distance from the pivot is unchanged.
    EXPECT_NEAR(centreOf(3).Distance(pivot), std::hypot(176.21, 145.68), 1e-9);
    acad::AcadPoint direction = fields().AxisDirection;
    EXPECT_NEAR(direction[0], -x, 1e-9);
}

} // namespace
