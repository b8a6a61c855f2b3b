// Regions from polylines, and the profile-to-solid sequence.
#include "drawing_fixture.h"

#include <BRepCheck_Analyzer.hxx>
#include <TopExp_Explorer.hxx>

using namespace acad;

namespace {
constexpr double pi = M_PI;
const double quarter = std::tan(pi / 8);

// The outer contour of a rectangular pipe b x h with outer corner radius R,
// run clockwise from (0, R), its four corners rounded: 9 vertices.
std::vector<XY> roundedRectangle(double b, double h, double R)
{
    return {{0, R}, {0, h - R}, {R, h}, {b - R, h}, {b, h - R}, {b, R}, {b - R, 0}, {R, 0}, {0, R}};
}
} // namespace

class Profiles : public DrawingTest {
protected:
    WorkingFields f{connection};
};

TEST_F(Profiles, RoundedCornersGiveTheAreaOfTheirArcs)
{
    struct Case {
        double b, h, R;
    };
    // R = 0 makes every corner a zero-length segment carrying a bulge.
    for (const Case& c : {Case{40, 20, 5}, Case{30, 30, 15}, Case{25, 10, 0}}) {
        SCOPED_TRACE(c.R);
        f.SetProfile(roundedRectangle(c.b, c.h, c.R));
        EXPECT_EQ(f.VertexArray.size(), 27u);
        EXPECT_EQ(f.VertexArray[24], f.VertexArray[0]);
        EXPECT_EQ(f.VertexArray[25], f.VertexArray[1]);
        f.MakeProfileRegion({{1, -quarter}, {3, -quarter}, {5, -quarter}, {7, -quarter}});
        EXPECT_NEAR(f.ProfileRegion.Area(), c.b * c.h - (4 - pi) * c.R * c.R, 1e-9);
        IAcad3DSolid solid = f.ExtrudeProfile(12);
        EXPECT_NEAR(solid.Volume(), 12 * (c.b * c.h - (4 - pi) * c.R * c.R), 1e-7);
        expectBox(solid, 0, 0, 0, c.b, c.h, 12);
        // The polyline and the region are gone, the solid stays.
        EXPECT_EQ(ms().Count(), 1);
        solid.Delete();
    }
}

TEST_F(Profiles, BulgesOfAnySize)
{
    // A half disc: bulge -1 on the first of three vertices.
    f.SetProfile({{-3, 0}, {3, 0}, {-3, 0}});
    f.MakeProfileRegion({{0, -1}});
    EXPECT_NEAR(f.ProfileRegion.Area(), pi * 9 / 2, 1e-9);
    EXPECT_GT(f.ProfileRegion.Area(), 0);
    // Above 1 the arc is more than a half circle: 270 degrees over a chord of 2.
    f.SetProfile({{-1, 0}, {1, 0}, {-1, 0}});
    f.MakeProfileRegion({{0, std::tan(3 * pi / 8)}});
    EXPECT_NEAR(f.ProfileRegion.Area(), 3 * pi / 2 + 1, 1e-9);
    // The counter-clockwise bulge lies below the chord going +X.
    AcadPoint lo, hi;
    f.ProfileRegion.GetBoundingBox(lo, hi);
    EXPECT_NEAR(lo[1], -1 - std::sqrt(2.0), 1e-9);
    EXPECT_NEAR(hi[1], 0, 1e-9);
}

TEST_F(Profiles, BadContoursAreRefusedAndThePolylineStays)
{
    struct Case {
        const char* name;
        std::vector<XY> vertices;
        std::vector<Bulge> bulges;
        const char* message;
    };
    const double q = -quarter;
    const Case cases[] = {
        {"crossing", {{0, 0}, {10, 10}, {10, 0}, {0, 10}, {0, 0}}, {}, "Неверные данные: контур пересекает сам себя"},
        {"collapsed", {{0, 0}, {10, 0}, {5, 0}, {0, 0}}, {}, "Неверные данные: контур накладывается сам на себя"},
        {"open", {{0, 0}, {10, 0}, {10, 10}}, {}, "Неверные данные: контур не замкнут"},
        // A pipe of width 0: the outline runs back down its own left edge.
        {"running back over an edge",
         {{0, 4.0001}, {0, 35.9999}, {4.0001, 40}, {-4.0001, 40}, {0, 35.9999}, {0, 4.0001}, {-4.0001, 0}, {4.0001, 0},
          {0, 4.0001}},
         {{1, q}, {3, q}, {5, q}, {7, q}},
         "Неверные данные: контур накладывается сам на себя"},
        // Two bars meeting along a stretch of their edges.
        {"two bars sharing an edge",
         {{0, 0}, {0, 10}, {5, 10}, {5, 2}, {5, 8}, {5, 10}, {10, 10}, {10, 0}, {0, 0}},
         {},
         "Неверные данные: контур пересекает сам себя"},
        // A slot narrower than the kernel's tolerance: its sides are one edge.
        {"slot of 1e-7", {{0, 0}, {0, 10}, {5, 10}, {5, 2}, {5 + 1e-7, 2}, {5 + 1e-7, 10}, {10, 10}, {10, 0}, {0, 0}}, {},
         "Неверные данные: контур накладывается сам на себя"},
        {"touching itself at a vertex", {{0, 0}, {0, 10}, {5, 5}, {10, 8}, {10, 2}, {5, 5}, {0, 0}}, {},
         "Неверные данные: контур пересекает сам себя"},
        {"no area", {{0, 0}, {10, 0}, {0, 0}}, {}, "Неверные данные: контур вырожден"},
        {"out of the kernel's reach", {{0, 0}, {0, 1e9}, {10, 1e9}, {10, 0}, {0, 0}}, {},
         "Ошибка моделирования: область слишком велика"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const int before = ms().Count();
        f.SetProfile(c.vertices);
        try {
            f.MakeProfileRegion(c.bulges);
            ADD_FAILURE() << "made a region";
        } catch (const EOleException& e) {
            EXPECT_EQ(e.message(), QString::fromUtf8(c.message));
        }
        EXPECT_EQ(ms().Count(), before + 1);
        EXPECT_EQ(ms().Item(before).ObjectName(), QStringLiteral("AcDbPolyline"));
    }
}

TEST_F(Profiles, NarrowGapsCuspsAndMirroredOutlinesAreRegions)
{
    // A slot 1e-6 wide keeps clear of itself for the kernel.
    f.SetProfile({{0, 0}, {0, 10}, {5, 10}, {5, 2}, {5 + 1e-6, 2}, {5 + 1e-6, 10}, {10, 10}, {10, 0}, {0, 0}});
    f.MakeProfileRegion();
    EXPECT_NEAR(f.ProfileRegion.Area(), 100 - 8e-6, 1e-9);
    IAcad3DSolid slotted = f.ExtrudeProfile(10);
    EXPECT_TRUE(BRepCheck_Analyzer(slotted.entity()->shape()).IsValid());
    // The pipe's outline with a negative width: its rounded corners turn
    // back at cusps, touching the next edge only there. Each corner's arc
    // (radius 2 about a point 2 inside the rectangle's side) closes with the
    // side beyond it an ear of a square less a quarter disc.
    const double R = 2, b = -20, h = 10, q = -quarter;
    f.SetProfile({{0, R}, {0, h - R}, {R, h}, {b - R, h}, {b, h - R}, {b, R}, {b - R, 0}, {R, 0}, {0, R}});
    f.MakeProfileRegion({{1, q}, {3, q}, {5, q}, {7, q}});
    const double cuspArea = 20 * 10 + 4 * (R * R - pi * R * R / 4);
    EXPECT_NEAR(f.ProfileRegion.Area(), cuspArea, 1e-9);
    IAcad3DSolid mirrored = f.ExtrudeProfile(5);
    EXPECT_TRUE(BRepCheck_Analyzer(mirrored.entity()->shape()).IsValid());
    EXPECT_NEAR(mirrored.Volume(), 5 * cuspArea, 1e-6);
}

TEST_F(Profiles, RoundedCornersTangentToTheirEdgesAreRegions)
{
    // A V-groove's cutter at radius 100: sides sloped by 19 degrees, its
    // mouth flared at both upper corners by arcs of r = 1.5 tangent to the
    // side and to the rim line. The arcs touch their neighbours only at
    // their ends, wherever the last digits place the tangent points: the
    // cutter is turned about the origin degree by degree to vary them.
    const double c = 17, Lp = 19, b = 5.7, r = 1.5, half = 19 * pi / 180, y = 100;
    const double k = std::tan(half);
    const double xL = c - Lp / 2 - b * k;             // the side meets the rim line
    const double t = r * std::tan(pi / 4 - half / 2); // tangent length of the flare
    const double yT = y + b - r + r * std::sin(half);
    const double xT = xL + k * (y + b - yT);
    const double q = std::tan((pi / 2 - half) / 4);
    // The trapezoid, and at each corner the piece between the two tangent
    // lines and the arc: the kite r t less the sector of 71 degrees.
    const double flare = r * t - (pi / 2 - half) * r * r / 2;
    const double area = b * (Lp + b * k) + 2 * flare;
    for (int degrees = 0; degrees < 180; ++degrees) {
        SCOPED_TRACE(degrees);
        const double a = degrees * pi / 180;
        auto turned = [a](double x, double z) { return XY{x * std::cos(a) - z * std::sin(a), x * std::sin(a) + z * std::cos(a)}; };
        f.SetProfile({turned(c + Lp / 2, y), turned(c - Lp / 2, y), turned(xT, yT), turned(xL - t, y + b),
                      turned(2 * c - xL + t, y + b), turned(2 * c - xT, yT), turned(c + Lp / 2, y)});
        try {
            f.MakeProfileRegion({{2, q}, {4, q}});
            EXPECT_NEAR(f.ProfileRegion.Area(), area, 1e-9);
            f.DeleteProfile();
        } catch (const EOleException& e) {
            ADD_FAILURE() << e.message().toStdString();
        }
    }
}

TEST_F(Profiles, SolidsBeyondTheKernelsReachOrThinnerThanItsToleranceAreRefused)
{
    f.SetProfile({{0, 0}, {0, 10}, {10, 10}, {10, 0}, {0, 0}});
    f.MakeProfileRegion();
    struct Case {
        double height;
        const char* message;
    };
    for (const Case& c : {Case{1e9, "Ошибка моделирования: выдавливание: тело слишком велико"},
                          Case{-1e9, "Ошибка моделирования: выдавливание: тело слишком велико"},
                          Case{1e-7, "Неверные данные: высота выдавливания"}}) {
        SCOPED_TRACE(c.height);
        try {
            ms().AddExtrudedSolid(f.ProfileRegion, c.height, 0);
            ADD_FAILURE() << "made a solid";
        } catch (const EOleException& e) {
            EXPECT_EQ(e.message(), QString::fromUtf8(c.message));
        }
    }
    EXPECT_EQ(ms().Count(), 2); // the polyline and the region
    try {
        ms().AddBox(AcadPoint(0, 0, 0), 1e9, 1, 1);
        ADD_FAILURE() << "made a box";
    } catch (const EOleException& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Ошибка моделирования: параллелепипед: тело слишком велико"));
    }
    // 100 km is still within reach.
    IAcad3DSolid bar = ms().AddExtrudedSolid(f.ProfileRegion, 1e8 - 1, 0);
    EXPECT_TRUE(BRepCheck_Analyzer(bar.entity()->shape()).IsValid());
}

TEST_F(Profiles, NewestEntityThatIsNoRegionIsNotSupported)
{
    ms().AddLine(AcadPoint(0, 0, 0), AcadPoint(1, 0, 0));
    try {
        ms().Item(ms().Count() - 1).as<IAcadRegion>();
        FAIL();
    } catch (const EIntfCastError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Interface not supported"));
    }
}

TEST_F(Profiles, ExtrusionDownwardsAndWithTaper)
{
    f.SetProfile({{0, 0}, {0, 10}, {10, 10}, {10, 0}, {0, 0}});
    f.MakeProfileRegion();
    IAcad3DSolid down = f.ExtrudeProfile(-5);
    expectBox(down, 0, 0, -5, 10, 10, 0);
    // Sides drawn in by atan(0.2): the top square is 6 x 6 at height 10.
    f.SetProfile({{0, 0}, {0, 10}, {10, 10}, {10, 0}, {0, 0}});
    f.MakeProfileRegion();
    IAcad3DSolid frustum = f.ExtrudeProfile(10, std::atan(0.2));
    EXPECT_NEAR(frustum.Volume(), 10.0 / 3 * (100 + 36 + 60), 1e-6);
    // A negative taper widens the solid: the top is 14 x 14.
    f.SetProfile({{0, 0}, {0, 10}, {10, 10}, {10, 0}, {0, 0}});
    f.MakeProfileRegion();
    IAcad3DSolid flared = f.ExtrudeProfile(10, -std::atan(0.2));
    expectBox(flared, -2, -2, 0, 12, 12, 10);
    EXPECT_NEAR(flared.Volume(), 10.0 / 3 * (100 + 196 + 140), 1e-6);
}

TEST_F(Profiles, RevolutionIsRightHandedAboutTheDirection)
{
    struct Case {
        AcadPoint direction;
        double angle;
        double zLow, zHigh;
    };
    // The unit square x 1..2, y 1..2 turned a quarter about the X axis.
    const Case cases[] = {
        {AcadPoint(77, 0, 0), pi / 2, 0, 2},    // +Y goes to +Z
        {AcadPoint(0.5, 0, 0), pi / 2, 0, 2},   // the direction's length does not matter
        {AcadPoint(-77, 0, 0), pi / 2, -2, 0},  // the other direction turns the other way
        {AcadPoint(77, 0, 0), -pi / 2, -2, 0},  // as does a negative angle
    };
    for (const Case& c : cases) {
        f.SetProfile({{1, 1}, {1, 2}, {2, 2}, {2, 1}, {1, 1}});
        f.MakeProfileRegion();
        IAcad3DSolid s = f.RevolveProfile(AcadPoint(0, 0, 0), c.direction, c.angle);
        expectBox(s, 1, 0, c.zLow, 2, 2, c.zHigh);
        // Pappus: area 1 times the path of the centroid at radius 1.5.
        EXPECT_NEAR(s.Volume(), 1.5 * pi / 2, 1e-9);
    }
}

TEST_F(Profiles, RevolvedProfilesTouchingTheAxis)
{
    // Along an edge: a rectangle on the X axis makes a cylinder.
    f.SetProfile({{0, 0}, {0, 3}, {8, 3}, {8, 0}, {0, 0}});
    f.MakeProfileRegion();
    IAcad3DSolid cylinder = f.RevolveProfile(AcadPoint(0, 0, 0), AcadPoint(77, 0, 0));
    EXPECT_NEAR(cylinder.Volume(), pi * 9 * 8, 1e-6);
    EXPECT_TRUE(BRepCheck_Analyzer(cylinder.entity()->shape()).IsValid());
    // At a point: a triangle with its apex on the axis makes a cone
    // (area 6, centroid at y = 1: Pappus gives 12 pi).
    f.SetProfile({{0, 0}, {4, 3}, {4, 0}, {0, 0}});
    f.MakeProfileRegion();
    IAcad3DSolid cone = f.RevolveProfile(AcadPoint(0, 0, 0), AcadPoint(77, 0, 0));
    EXPECT_NEAR(cone.Volume(), pi * 9 * 4 / 3, 1e-6);
    // Across the axis it is refused; the profile stays for the caller.
    f.SetProfile({{0, -1}, {0, 3}, {8, 3}, {8, -1}, {0, -1}});
    f.MakeProfileRegion();
    const int before = ms().Count();
    EXPECT_THROW(ms().AddRevolvedSolid(f.ProfileRegion, AcadPoint(0, 0, 0), AcadPoint(77, 0, 0), 2 * pi),
                 EOleException);
    EXPECT_EQ(ms().Count(), before);
}
