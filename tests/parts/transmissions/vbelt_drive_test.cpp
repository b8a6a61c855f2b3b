// The drive in 3D from the boxes of page 5: two grooved pulleys and one belt
// per groove. Volumes are worked by Pappus from the outlines of the groove
// tool and the belt section as the page's sizes give them.
#include "vbelt_fixture.h"

#include <cmath>

namespace {

constexpr double deg = pi / 180;

// A vertex of a closed outline and the bulge of the segment leaving it.
struct Vertex {
    double x, y, bulge = 0;
};

// Signed area and first moment about the X axis (the integral of y over the
// area) of a closed outline whose segments may be circular arcs.
std::pair<double, double> areaAndMoment(const std::vector<Vertex>& v)
{
    double area = 0, moment = 0;
    for (size_t i = 0; i + 1 < v.size(); ++i) {
        const Vertex &p = v[i], &q = v[i + 1];
        const double cross = p.x * q.y - q.x * p.y;
        area += cross / 2;
        moment += cross * (p.y + q.y) / 6;
        if (p.bulge == 0)
            continue;
        // The circular segment between the chord and the arc.
        const double theta = 4 * std::atan(std::fabs(p.bulge));
        const double chord = std::hypot(q.x - p.x, q.y - p.y);
        const double radius = chord / (2 * std::sin(theta / 2));
        const double segment = radius * radius / 2 * (theta - std::sin(theta));
        const double ux = (q.x - p.x) / chord;
        const double side = p.bulge > 0 ? 1 : -1; // a positive bulge lies right of the chord
        const double ny = -side * ux; // y of the unit normal towards the arc
        const double sagitta = std::fabs(p.bulge) * chord / 2;
        const double cy = (p.y + q.y) / 2 + ny * (sagitta - radius);
        const double centroid = 4 * radius * std::pow(std::sin(theta / 2), 3) / (3 * (theta - std::sin(theta)));
        area += side * segment;
        moment += side * segment * (cy + ny * centroid);
    }
    return {area, moment};
}

// The groove of section А with γ = 38°, at pitch diameter d: lower and upper tool.
double grooveVolume(double d)
{
    const double Lp = 11, H = 8.7, b = 3.3, f = 10, r = 1, g = 38 * deg;
    const double k = std::tan(g / 2);
    const std::vector<Vertex> lower = {
        {f - Lp / 2, d / 2}, {f - Lp / 2 + H * k, d / 2 - H}, {f + Lp / 2 - H * k, d / 2 - H}, {f + Lp / 2, d / 2}, {f - Lp / 2, d / 2}};
    const double xL = f - Lp / 2 - b * k, yT = d / 2 + b - r + r * std::sin(g / 2);
    const double xT = xL + k * (d / 2 + b - yT), xR = xL - r * std::tan(pi / 4 - g / 4);
    const double q = std::tan((pi / 2 - g / 2) / 4);
    const std::vector<Vertex> upper = {{f + Lp / 2, d / 2}, {f - Lp / 2, d / 2},       {xT, yT, q}, {xR, d / 2 + b},
                                       {2 * f - xR, d / 2 + b, q}, {2 * f - xT, yT}, {f + Lp / 2, d / 2}};
    return 2 * pi * (std::fabs(areaAndMoment(lower).second) + std::fabs(areaAndMoment(upper).second));
}

// The belt section of section А (h 8, Yo 2.8, β 40°) at pitch radius R.
std::vector<Vertex> beltSection(double R)
{
    const double Lq = 11 - 0.0002, Yo = 2.8, h = 8, f = 10, k = std::tan(20 * deg);
    const double right = f + Lq / 2 + Yo * k;
    return {{f - Lq / 2, R}, {f - Lq / 2 - Yo * k, R + Yo, -std::tan(10 * deg)}, {right, R + Yo}, {right - h * k, R + Yo - h},
            {2 * f - (right - h * k), R + Yo - h}, {f - Lq / 2, R}};
}

} // namespace

class VBeltDriveTest : public VBeltTest {
protected:
    // Section А on page 5 with γ 38 and the example's diameters and angles.
    void sectionA(double z)
    {
        put({{"Edit470", num(125)}, {"Edit471", num(250)}, {"Edit483", dec("324.456")}, {"Edit495", num(z)},
             {"Edit505", dec("11.000")}, {"Edit506", dec("8.700")}, {"Edit507", dec("3.300")}, {"Edit508", dec("10.000")},
             {"Edit509", dec("15.000")}, {"Edit510", dec("1.000")}, {"Edit511", num(38)}, {"Edit512", dec("156.884")},
             {"Edit513", dec("203.116")}, {"Edit515", dec("8.000")}, {"Edit516", dec("2.800")}});
    }
    static double pulleyVolume(double d, int grooves, double width)
    {
        const double R = d / 2 + 3.3;
        return pi * R * R * width - grooves * grooveVolume(d);
    }
};

TEST_F(VBeltDriveTest, StartValuesOfPageFive)
{
    expectTexts({{"Edit511", ""}, {"Edit514", "40"}, {"Edit518", "0"}, {"Edit519", "0"}, {"Edit520", "0"}, {"Edit521", "0"}});
}

TEST_F(VBeltDriveTest, ThreeBeltsOnSectionA)
{
    sectionA(3);
    pressOn("BitBtn112");
    ASSERT_TRUE(errors.empty()) << errors.front().toStdString();
    ASSERT_EQ(count(), 5);
    const double W = 2 * 15 + 2 * 10, a = 324.456;
    auto small = checkedPart(item(0), 52);
    auto large = checkedPart(item(1), 42);
    expectBox(small, 0, -65.8, -65.8, W, 65.8, 65.8, 1e-4);
    expectBox(large, 0, a - 128.3, -128.3, W, a + 128.3, 128.3, 1e-4);
    EXPECT_NEAR(small.Volume(), pulleyVolume(125, 3, W), 1e-6 * small.Volume());
    EXPECT_NEAR(large.Volume(), pulleyVolume(250, 3, W), 1e-6 * large.Volume());
    // Belt k sits in groove k: the section spans 3.48 to 16.52 about x = 10 + 15(k - 1).
    const double halfWidth = (11 - 0.0002) / 2 + 2.8 * std::tan(20 * deg);
    for (int k = 0; k < 3; ++k) {
        auto belt = checkedPart(item(2 + k), 156);
        acad::AcadPoint lo, hi;
        belt.GetBoundingBox(lo, hi);
        EXPECT_NEAR(lo[0], 10 + 15 * k - halfWidth, 1e-4);
        EXPECT_NEAR(hi[0], 10 + 15 * k + halfWidth, 1e-4);
        EXPECT_GT(belt.Volume(), 0);
    }
    EXPECT_EQ(fields().ModeFlag, 3);
}

TEST_F(VBeltDriveTest, BeltSectionAndItsClosedVolume)
{
    // The section is the trapezoid of the belt's angle plus the segment of its outer face.
    const double area = areaAndMoment(beltSection(0)).first;
    const double Lq = 11 - 0.0002, k = std::tan(20 * deg), outer = Lq + 2 * 2.8 * k, inner = outer - 2 * 8 * k;
    const double theta = 40 * deg, chord = outer, radius = chord / (2 * std::sin(theta / 2));
    EXPECT_NEAR(std::fabs(area), (outer + inner) / 2 * 8 + radius * radius / 2 * (theta - std::sin(theta)), 1e-9);

    // Equal pulleys with half wraps: the arcs and the branches close exactly.
    sectionA(1);
    put({{"Edit470", num(125)}, {"Edit471", num(125)}, {"Edit483", num(400)}, {"Edit512", num(180)}, {"Edit513", num(180)}});
    pressOn("BitBtn112");
    ASSERT_TRUE(errors.empty()) << errors.front().toStdString();
    ASSERT_EQ(count(), 3);
    auto belt = checkedPart(item(2), 156);
    const double M = std::fabs(areaAndMoment(beltSection(62.5)).second);
    EXPECT_NEAR(belt.Volume(), 2 * pi * M + 2 * std::fabs(area) * 400, 1e-6 * belt.Volume());
    // Outermost: the top of the outer face's arc, its sagitta above R + Yo.
    const double top = 62.5 + 2.8 + std::tan(10 * deg) * outer / 2;
    expectBox(belt, 10 - outer / 2, -top, -top, 10 + outer / 2, 400 + top, top, 1e-4);
}

TEST_F(VBeltDriveTest, BeltClosesOnTheExactTangentAngles)
{
    const double a = 324.456, phi = std::asin((125 - 62.5) / a);
    sectionA(1);
    put({{"Edit512", num(180 - 2 * phi / deg)}, {"Edit513", num(180 + 2 * phi / deg)}});
    pressOn("BitBtn112");
    ASSERT_TRUE(errors.empty()) << errors.front().toStdString();
    ASSERT_EQ(count(), 3);
    auto belt = checkedPart(item(2), 156);
    const double area = std::fabs(areaAndMoment(beltSection(0)).first);
    const double expected = (pi - 2 * phi) * std::fabs(areaAndMoment(beltSection(62.5)).second) +
                            (pi + 2 * phi) * std::fabs(areaAndMoment(beltSection(125)).second) +
                            2 * area * a * std::cos(phi);
    EXPECT_NEAR(belt.Volume(), expected, 1e-6 * expected);
}

TEST_F(VBeltDriveTest, OneBeltAndAFractionalCount)
{
    for (auto [z, grooves] : {std::pair{1.0, 1}, {2.5, 3}}) {
        SCOPED_TRACE(z);
        clearDrawing();
        sectionA(z);
        pressOn("BitBtn112");
        ASSERT_TRUE(errors.empty()) << errors.front().toStdString();
        ASSERT_EQ(count(), 2 + grooves);
        const double W = (z - 1) * 15 + 20;
        auto small = checkedPart(item(0), 52);
        expectBox(small, 0, -65.8, -65.8, W, 65.8, 65.8, 1e-4);
        if (grooves == 1) {
            EXPECT_NEAR(small.Volume(), pulleyVolume(125, 1, W), 1e-6 * small.Volume());
        } else {
            // The third groove runs out over the narrower rim's face.
            EXPECT_LT(small.Volume(), pulleyVolume(125, 2, W));
            EXPECT_GT(small.Volume(), pulleyVolume(125, 3, W));
        }
        for (int k = 0; k < grooves; ++k)
            checkedPart(item(2 + k), 156);
    }
}

TEST_F(VBeltDriveTest, EverySectionOfTheTableDrawsValidSolids)
{
    const char* radios[] = {"RadioButton45", "RadioButton46", "RadioButton47", "RadioButton48", "RadioButton49",
                            "RadioButton52", "RadioButton53", "RadioButton54", "RadioButton55"};
    for (const char* radio : radios) {
        SCOPED_TRACE(radio);
        clearDrawing();
        put({{"Edit485", dec("7.540")}, {"Edit470", num(200)}, {"Edit486", dec("1.12")}, {"Edit473", dec("9.425")},
             {"Edit487", dec("0.95")}, {"Edit488", num(0.8)}});
        choose(radio);
        pressOn("BitBtn108");
        put({{"Edit471", num(400)}, {"Edit483", num(600)}, {"Edit495", num(2)}, {"Edit511", num(38)},
             {"Edit512", dec("160.000")}, {"Edit513", dec("200.000")}});
        pressOn("BitBtn112");
        ASSERT_TRUE(errors.empty()) << errors.front().toStdString();
        ASSERT_EQ(count(), 4);
        checkedPart(item(0), 52);
        checkedPart(item(1), 42);
        checkedPart(item(2), 156);
        checkedPart(item(3), 156);
    }
}

TEST_F(VBeltDriveTest, GrooveAngleMustBeTypedAndBeltBoxesAreReadAfterThePulleys)
{
    sectionA(2);
    put({{"Edit511", ""}});
    pressOn("BitBtn112");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors.front(), notAFloat(""));
    EXPECT_EQ(count(), 0);

    errors.clear();
    sectionA(2);
    put({{"Edit516", ""}});
    pressOn("BitBtn112");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors.front(), notAFloat(""));
    ASSERT_EQ(count(), 2);
    checkedPart(item(0), 52);
    checkedPart(item(1), 42);
}
