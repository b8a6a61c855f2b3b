// The spline bore's cutting body: the cylinder of the minor diameter united
// with z tooth spaces, and how whole, fractional, small and zero z behave.
#include "design_fixture.h"

namespace {

struct Spline {
    double z, d, D, b, f, r;
};

// One tooth space as the Part lays it out, symmetric about +Y.
std::vector<Pt> toothSpace(const Spline& s, std::map<int, double>& bulges)
{
    const double Yd = std::sqrt(s.d * s.d / 4 - (s.b / 2 + s.f) * (s.b / 2 + s.f));
    const double Yc = std::sqrt((s.D / 2 - s.r) * (s.D / 2 - s.r) - (s.b / 2 - s.r) * (s.b / 2 - s.r));
    const double phi = std::atan((s.b / 2 - s.r) / Yc);
    const double R = s.D / 2;
    bulges = {{2, -std::tan((pi / 2 - phi) / 4)}, {3, -std::tan(phi / 2)}, {4, -std::tan((pi / 2 - phi) / 4)}};
    return {{-s.b / 2 - s.f, Yd}, {-s.b / 2, Yd + s.f},   {-s.b / 2, Yc}, {-R * std::sin(phi), R * std::cos(phi)},
            {R * std::sin(phi), R * std::cos(phi)},      {s.b / 2, Yc},  {s.b / 2, Yd + s.f},
            {s.b / 2 + s.f, Yd}, {-s.b / 2 - s.f, Yd}};
}

// The body's volume: the cylinder plus z spaces, each less the circle's
// segment under its chord (which the cylinder already holds).
double splineVolume(const Spline& s, double L)
{
    std::map<int, double> bulges;
    const std::vector<Pt> space = toothSpace(s, bulges);
    const double cap = segmentArea(s.d / 2, 2 * std::asin((s.b / 2 + s.f) / (s.d / 2)));
    return L * (pi * s.d * s.d / 4 + s.z * (bulgedArea(space, bulges) - cap));
}

const Spline kRow1{6, 23, 26, 6, 0.3, 0.2};

} // namespace

class SplineBore : public DesignTest {
protected:
    void draw(const Spline& s, const QString& z, double L)
    {
        type("Panel133", {{"Edit544", num(s.D)}, {"Edit545", num(s.d)}, {"Edit546", num(s.b)}, {"Edit547", num(s.r)},
                          {"Edit548", z}, {"Edit550", num(s.f)}, {"Edit549", num(L)}});
        press("Panel133", "BitBtn7");
    }
};

TEST_F(SplineBore, FirstRowOfTheTableSixSpacesEvenlyRound)
{
    draw(kRow1, num(6), 40);
    acad::IAcad3DSolid s = onlyPart(20);
    EXPECT_EQ(s, fields().NewSolid);
    EXPECT_NEAR(s.Volume(), splineVolume(kRow1, 40), 1e-6);
    // One space stands on +Y and one on -Y, reaching the circle D.
    acad::AcadPoint lo, hi;
    s.GetBoundingBox(lo, hi);
    EXPECT_NEAR(lo[1], -13, 1e-6);
    EXPECT_NEAR(hi[1], 13, 1e-6);
    EXPECT_NEAR(lo[0], -hi[0], 1e-6);
    EXPECT_GT(hi[0], 11.5);
    EXPECT_LT(hi[0], 13);
    EXPECT_NEAR(lo[2], 0, 1e-6);
    EXPECT_NEAR(hi[2], 40, 1e-6);
    EXPECT_EQ(fields().Dim05, 6);
    EXPECT_DOUBLE_EQ(fields().Dim13, 2 * pi / 6);
    EXPECT_DOUBLE_EQ(fields().Dim23, std::atan(2.8 / std::sqrt(156.0)));
    EXPECT_EQ(fields().Dim06, 40);
}

TEST_F(SplineBore, PassesForFractionalAndSmallNumbersOfSpaces)
{
    struct Case {
        const char* z;
        double passes;
    };
    for (const Case& c : {Case{"6.5", 7}, Case{"1", 1}, Case{"0.5", 1}}) {
        SCOPED_TRACE(c.z);
        draw(kRow1, dec(c.z), 20);
        acad::IAcad3DSolid s = onlyPart(20);
        EXPECT_EQ(fields().Dim05, c.passes);
        if (c.passes == 1) {
            // Turned by a whole number of turns: back on +Y.
            Spline one = kRow1;
            one.z = 1;
            EXPECT_NEAR(s.Volume(), splineVolume(one, 20), 1e-6);
            acad::AcadPoint lo, hi;
            s.GetBoundingBox(lo, hi);
            EXPECT_NEAR(hi[1], 13, 1e-6);
            EXPECT_NEAR(lo[1], -11.5, 1e-6);
        }
        clearDrawing();
    }
}

TEST_F(SplineBore, NoSpacesLeavesTheCylinderAndOneUnturnedSpace)
{
    draw(kRow1, num(0), 10);
    EXPECT_EQ(errors, QStringList{"Floating point division by zero."});
    ASSERT_EQ(count(), 2);
    EXPECT_NEAR(item(0).as<acad::IAcad3DSolid>().Volume(), pi * 11.5 * 11.5 * 10, 1e-6);
    acad::IAcad3DSolid space = item(1).as<acad::IAcad3DSolid>();
    std::map<int, double> bulges;
    EXPECT_NEAR(space.Volume(), 10 * bulgedArea(toothSpace(kRow1, bulges), bulges), 1e-6);
    acad::AcadPoint lo, hi;
    space.GetBoundingBox(lo, hi);
    EXPECT_NEAR(hi[1], 13, 1e-6);
    EXPECT_NEAR(lo[0], -3.3, 1e-6);
    EXPECT_EQ(fields().Dim05, 1);
}

TEST_F(SplineBore, ImpossibleSizesLeaveOnlyTheCylinder)
{
    Spline wide = kRow1;
    wide.b = 24; // the chamfers' ends beyond the circle d
    draw(wide, num(6), 10);
    EXPECT_EQ(errors, QStringList{"Invalid floating point operation."});
    ASSERT_EQ(count(), 1);
    EXPECT_NEAR(item(0).as<acad::IAcad3DSolid>().Volume(), pi * 11.5 * 11.5 * 10, 1e-6);
}

TEST_F(SplineBore, TextThatIsNotANumberDrawsNothing)
{
    draw(kRow1, "шесть", 10);
    EXPECT_EQ(errors, QStringList{notAFloat("шесть")});
    EXPECT_EQ(count(), 0);
}

TEST_F(SplineBore, CountsBeyondAnySplineAreRefusedBeforeDrawing)
{
    // One pass a space: a count of 1e9 would keep the press going for hours.
    for (const char* z : {"361", "1e9", "99999999999999999999"}) {
        SCOPED_TRACE(z);
        errors.clear();
        draw(kRow1, z, 10);
        EXPECT_EQ(errors, QStringList{"Число шлицев z не может быть больше 360."});
        EXPECT_EQ(count(), 0);
    }
}
