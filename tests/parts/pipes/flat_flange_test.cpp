// Flat welded flanges: the revolved body with its collar and chamfers, less
// a ring of chamfered bolt holes cut by a loop that tests at its end.
#include "pipes_fixture.h"

namespace {

// The example: D1 = 125, b = 16, d = 18, dв = 57, h = 5, D2 = 70, D = 160,
// z = 2, s = 3, f = 1, with n typed per case.
std::vector<std::pair<const char*, QString>> flange(const QString& n)
{
    return {{"Edit91", "125"}, {"Edit92", "16"}, {"Edit93", n},     {"Edit94", "18"},
            {"Edit95", "57"},  {"Edit96", "5"},  {"Edit97", "70"},  {"Edit98", "160"},
            {"Edit99", "2"},   {"Edit100", "3"}, {"Edit101", "1"}};
}

// Its half sections as the flange's tables give them, about the X axis.
const std::vector<P2> kBody{{3, 28.5}, {0, 31.5}, {0, 78},  {2, 80},      {14, 80},   {16, 78},
                            {16, 40},  {21, 35},  {21, 31.5}, {18, 28.5}, {3, 28.5}};
const std::vector<P2> kHole{{0, 0}, {0, 10}, {1, 9}, {15, 9}, {16, 10}, {16, 0}, {0, 0}};

} // namespace

using FlatFlange = PipesTest;

TEST_F(FlatFlange, BodyLessItsBoltHolesOnTheBoltCircle)
{
    struct Case {
        QString n;
        std::vector<double> degrees; // where the holes' axes stand
    };
    const Case cases[] = {
        {"4", {0, 90, 180, 270}},
        {"1", {0}},
        {"-3", {0}},                 // the loop runs once whatever n is
        {dec("2.5"), {0, 144, 288}}, // turned by 2pi/2.5 until k reaches n
    };
    const double body = revolvedVolume(kBody, false), hole = revolvedVolume(kHole, false);
    // The hole: a cylinder of d = 18 over b - 2f and two 45° frusta.
    ASSERT_NEAR(hole, pi * 81 * 14 + 2 * pi / 3 * (81 + 90 + 100), 1e-9);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.n.toStdString());
        clearDrawing();
        type("Panel57", flange(c.n));
        press("Panel57", "BitBtn52");
        auto part = onlyPart(3);
        const double expected = body - c.degrees.size() * hole;
        EXPECT_NEAR(part.Volume(), expected, 1e-8 * expected);
        expectBox(part, 0, -80, -80, 21, 80, 80, 1e-6);
        const std::vector<gp_Ax1> axes = cylinderAxes(part, 9);
        ASSERT_EQ(axes.size(), c.degrees.size());
        for (double deg : c.degrees) {
            const double t = deg * pi / 180;
            const gp_Pnt at(0, 62.5 * std::cos(t), -62.5 * std::sin(t));
            int found = 0;
            for (const gp_Ax1& a : axes)
                found += gp_Lin(a).Distance(at) < 1e-6 && a.Direction().IsParallel(gp::DX(), 1e-9);
            EXPECT_EQ(found, 1) << deg;
        }
    }
}

TEST_F(FlatFlange, NoHolesMakesADivisionByZeroAndLeavesTheBodyUncoloured)
{
    type("Panel57", flange("0"));
    press("Panel57", "BitBtn52");
    EXPECT_EQ(errors, QStringList{QStringLiteral("Floating point division by zero.")});
    ASSERT_EQ(count(), 1);
    errors.clear();
    auto part = checkedPart(item(0), 256);
    const double body = revolvedVolume(kBody, false);
    EXPECT_NEAR(part.Volume(), body, 1e-8 * body);
}

TEST_F(FlatFlange, AllElevenSizesAreReadBeforeDrawing)
{
    Texts texts = flange("4");
    texts.back().second = "";
    type("Panel57", texts);
    press("Panel57", "BitBtn52");
    EXPECT_EQ(errors, QStringList{notAFloat("")});
    EXPECT_EQ(count(), 0);
}

TEST_F(FlatFlange, HoleCountsBeyondATurnOfDegreesAreRefusedBeforeDrawing)
{
    // One Boolean a hole: 1e9 holes would keep the press going for days.
    for (const char* n : {"361", "1e9"}) {
        SCOPED_TRACE(n);
        errors.clear();
        type("Panel57", flange(n));
        press("Panel57", "BitBtn52");
        EXPECT_EQ(errors, QStringList{QStringLiteral("Число отверстий n не может быть больше 360.")});
        EXPECT_EQ(count(), 0);
    }
}
