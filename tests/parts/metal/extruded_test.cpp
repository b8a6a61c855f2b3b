// The extruded profiles: pipes, angles, bent channels, hexagon bar, hot-rolled
// channels and I-beams, typed in and drawn, against their areas worked out by
// hand.
#include "metal_fixture.h"

#include <string>
#include <vector>

using Profiles = MetalTest;

TEST_F(Profiles, PipeIsTheOuterContourLessTheBoreWithTheCornerRadiusRule)
{
    struct Case {
        const char* R;   // as typed
        double b, h, t, L;
        double radius;   // the outer radius drawn
    };
    const Case cases[] = {
        {"5", 40, 20, 2, 100, 5},
        {"0", 40, 20, 2, 100, 2.0001},  // no radius: just over the wall
        {"1", 40, 20, 2, 100, 2.0001},  // below the wall: the same
        {"2", 40, 20, 2, 100, 2},       // equal to the wall: kept, the bore's corners sharp
        {"6", 30, 30, 3, 50, 6},        // a square pipe
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.R);
        clearDrawing();
        type("Panel10", {{"Edit5", num(c.b)},
                         {"Edit6", num(c.h)},
                         {"Edit7", num(c.t)},
                         {"Edit8", num(c.L)},
                         {"Edit522", QString::fromUtf8(c.R)}});
        press("Panel10", "BitBtn4");
        auto pipe = onlyPart();
        const double R = c.radius, bore = R - c.t;
        const double area = c.b * c.h - (4 - pi) * R * R - ((c.b - 2 * c.t) * (c.h - 2 * c.t) - (4 - pi) * bore * bore);
        EXPECT_NEAR(pipe.Volume(), area * c.L, 1e-6 * area * c.L);
        expectBox(pipe, 0, 0, 0, c.b, c.h, c.L);
        // The wall at mid-length of the long side: two walls of t across the height.
        EXPECT_NEAR(areaAtX(pipe, c.b / 2), 2 * c.t * c.L, 1e-6);
        EXPECT_EQ(fields().Dim07, R);
        EXPECT_EQ(text("Panel10", "Edit522"), QString::fromUtf8(c.R));
        EXPECT_TRUE(fields().BodySolid == pipe);
    }
}

TEST_F(Profiles, HotRolledAngleHasItsLegBAlongY)
{
    type("Panel12", {{"Edit9", "63"}, {"Edit10", "40"}, {"Edit11", "6"}, {"Edit12", "7"}, {"Edit13", dec("2.5")},
                     {"Edit14", "120"}});
    press("Panel12", "BitBtn8");
    auto angle = onlyPart();
    const double area = 63 * 6 + (40 - 6) * 6 + corner * (7 * 7 - 2 * 2.5 * 2.5);
    EXPECT_NEAR(angle.Volume(), area * 120, 1e-6);
    expectBox(angle, 0, 0, 0, 40, 63, 120);
    EXPECT_EQ(fields().Dim09, 63);
    EXPECT_EQ(fields().Dim10, 40);
    EXPECT_EQ(fields().Dim08, 2.5);
}

TEST_F(Profiles, BentAngleAndChannelBendAboutTheInnerRadius)
{
    struct Case {
        const char* R;
        double radius;
    };
    // R = 0: sharp inside corners, the outer bends of radius s.
    for (const Case& c : {Case{"4", 4}, Case{"0", 0}}) {
        SCOPED_TRACE(c.R);
        clearDrawing();
        const double R = c.radius, s = 3, bend = corner * ((R + s) * (R + s) - R * R);

        type("Panel16", {{"Edit15", "50"}, {"Edit16", "40"}, {"Edit17", "3"}, {"Edit18", QString::fromUtf8(c.R)}, {"Edit19", "80"}});
        press("Panel16", "BitBtn10");
        auto angle = onlyPart();
        EXPECT_NEAR(angle.Volume(), (s * 50 + (40 - s) * s - bend) * 80, 1e-6);
        expectBox(angle, 0, 0, 0, 40, 50, 80);
        angle.Delete();

        type("Panel28", {{"Edit36", "80"}, {"Edit37", "40"}, {"Edit38", "3"}, {"Edit39", QString::fromUtf8(c.R)}, {"Edit40", "60"}});
        press("Panel28", "BitBtn23");
        auto channel = onlyPart();
        EXPECT_NEAR(channel.Volume(), (s * 80 + 2 * (40 - s) * s - 2 * bend) * 60, 1e-6);
        expectBox(channel, 0, 0, 0, 40, 80, 60);
        // Open towards +X: across the flanges only the two sheets.
        EXPECT_NEAR(areaAtX(channel, 30), 2 * s * 60, 1e-6);
    }
}

TEST_F(Profiles, HexagonWritesTheCircumscribedDiameterWithTheSystemSeparator)
{
    struct Case {
        const char* a; // with "." for the separator
        double across;
        const char* diameter;
    };
    const Case cases[] = {
        {"10", 10, "11.5470"},
        {"24.0", 24, "27.7128"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.diameter);
        clearDrawing();
        type("Panel37", {{"Edit47", dec(c.a)}, {"Edit49", "50"}});
        press("Panel37", "BitBtn27");
        auto bar = onlyPart();
        const double a = c.across, corner = a / std::sqrt(3.0);
        EXPECT_NEAR(bar.Volume(), std::sqrt(3.0) / 2 * a * a * 50, 1e-6);
        expectBox(bar, -a / 2, -corner, 0, a / 2, corner, 50);
        EXPECT_EQ(text("Panel37", "Edit48"), dec(c.diameter));
        EXPECT_NEAR(fields().Dim00, 2 * corner, 1e-12);
    }
    // A second press lays a second bar over the first.
    press("Panel37", "BitBtn27");
    EXPECT_EQ(count(), 2);
    expectBox(item(1), -12, -24 / std::sqrt(3.0), 0, 12, 24 / std::sqrt(3.0), 50);
}

// The sloped-flange profiles: the flange's inner face passes through the
// height t at the middle of the overhang w, sloped by alpha; the tip rounding
// r and root fillet R each span 90 - alpha degrees.
namespace {
struct Flanged {
    double alpha;
    double h, b, s, t, R, r;
};

double slopedTangent(double alphaDegrees)
{
    return std::tan(alphaDegrees * pi / 180);
}

// What an arc of 90 - alpha degrees, tangent to both sides, cuts off its corner.
double roundingLoss(double alphaDegrees, double radius)
{
    const double phi = pi / 2 - alphaDegrees * pi / 180;
    return radius * radius * (std::tan(phi / 2) - phi / 2);
}
} // namespace

TEST_F(Profiles, HotRolledChannelOpensTowardsMinusXWithItsFlangesSloped)
{
    const Flanged cases[] = {
        {7, 160, 64, 5, 8.4, 8.5, 3.5},
        {0, 160, 64, 5, 8.4, 8.5, 3.5},
        {10, 140, 60, 8, 9.5, 9.5, 5},
        {0, 120, 30, 3, 4.8, 0, 0},   // no roundings: zero-length arcs
    };
    for (const Flanged& c : cases) {
        SCOPED_TRACE(c.alpha);
        clearDrawing();
        type("Panel24", {{"Edit28", num(c.h)},
                         {"Edit29", num(c.b)},
                         {"Edit30", num(c.s)},
                         {"Edit31", num(c.t)},
                         {"Edit32", num(c.R)},
                         {"Edit33", num(c.r)},
                         {"Edit34", "100"},
                         {"Edit35", num(c.alpha)}});
        press("Panel24", "BitBtn19");
        auto channel = onlyPart();
        const double alpha = c.alpha, w = c.b - c.s;
        const double area =
            c.b * c.h - w * (c.h - 2 * c.t) - 2 * roundingLoss(alpha, c.r) + 2 * roundingLoss(alpha, c.R);
        EXPECT_NEAR(channel.Volume(), area * 100, 1e-6 * area * 100);
        expectBox(channel, 0, 0, 0, c.b, c.h, 100);
        // Thickness t at the middle of the overhang, thinner towards the tips.
        EXPECT_NEAR(areaAtX(channel, w / 2), 2 * c.t * 100, 1e-6);
        EXPECT_NEAR(areaAtX(channel, w / 4), 2 * (c.t - slopedTangent(alpha) * w / 4) * 100, 1e-6);
        // The web at the right.
        EXPECT_NEAR(areaAtX(channel, c.b - c.s / 2), c.h * 100, 1e-6);
        EXPECT_EQ(fields().Dim08, c.r);
        EXPECT_EQ(fields().Dim07, c.R);
    }
}

TEST_F(Profiles, IBeamIsSymmetricWithFourSlopedFlanges)
{
    const Flanged cases[] = {
        {0, 200, 100, 5.2, 8.4, 9, 3.5},
        {7, 200, 100, 5.2, 8.4, 9, 3.5},
        {10, 300, 135, 6.5, 10.2, 12, 5},
    };
    for (const Flanged& c : cases) {
        SCOPED_TRACE(c.alpha);
        clearDrawing();
        type("Panel20", {{"Edit20", num(c.h)},
                         {"Edit21", num(c.b)},
                         {"Edit22", num(c.s)},
                         {"Edit23", num(c.t)},
                         {"Edit24", num(c.R)},
                         {"Edit25", num(c.r)},
                         {"Edit26", "250"},
                         {"Edit27", num(c.alpha)}});
        press("Panel20", "BitBtn15");
        auto beam = onlyPart();
        const double alpha = c.alpha, w = (c.b - c.s) / 2;
        const double cavity = w * (c.h - 2 * c.t) + 2 * roundingLoss(alpha, c.r) - 2 * roundingLoss(alpha, c.R);
        const double area = c.b * c.h - 2 * cavity;
        EXPECT_NEAR(beam.Volume(), area * 250, 1e-6 * area * 250);
        expectBox(beam, 0, 0, 0, c.b, c.h, 250);
        for (double x : {w / 2, c.b - w / 2})
            EXPECT_NEAR(areaAtX(beam, x), 2 * c.t * 250, 1e-6);
        const double tip = 2 * (c.t - slopedTangent(alpha) * w / 4) * 250;
        EXPECT_NEAR(areaAtX(beam, w / 4), tip, 1e-6);
        EXPECT_NEAR(areaAtX(beam, c.b - w / 4), tip, 1e-6);
        EXPECT_NEAR(areaAtX(beam, c.b / 2), c.h * 250, 1e-6);
    }
}

TEST_F(Profiles, TextThatIsNoNumberStopsBeforeAnythingIsDrawn)
{
    struct Case {
        const char* panel;
        const char* button;
        Texts texts;
        QString bad;
    };
    // A decimal written with the separator of the other regional settings.
    const QString otherSeparator = u'5' + QChar(acad::decimalSeparator() == u'.' ? u',' : u'.') + u'5';
    const Case cases[] = {
        {"Panel10", "BitBtn4", {{"Edit5", "40"}, {"Edit6", "20"}, {"Edit7", "2"}, {"Edit8", "100"}, {"Edit522", ""}}, ""},
        {"Panel12", "BitBtn8",
         {{"Edit9", "63"}, {"Edit10", "40"}, {"Edit11", otherSeparator}, {"Edit12", "7"}, {"Edit13", "2"}, {"Edit14", "9"}},
         otherSeparator},
        {"Panel16", "BitBtn10", {{"Edit15", "50"}, {"Edit16", "40"}, {"Edit17", "3"}, {"Edit18", "4"}, {"Edit19", "L"}}, "L"},
        {"Panel28", "BitBtn23", {{"Edit36", " "}, {"Edit37", "40"}, {"Edit38", "3"}, {"Edit39", "4"}, {"Edit40", "6"}}, " "},
        {"Panel37", "BitBtn27", {{"Edit47", "10"}, {"Edit49", "1e"}}, "1e"},
        {"Panel24", "BitBtn19",
         {{"Edit28", "160"}, {"Edit29", "64"}, {"Edit30", "5"}, {"Edit31", dec("8.4")}, {"Edit32", dec("8.5")}, {"Edit33", dec("3.5")},
          {"Edit34", "100"}, {"Edit35", "7°"}},
         "7°"},
        {"Panel20", "BitBtn15",
         {{"Edit20", "200"}, {"Edit21", "100"}, {"Edit22", dec("5.2")}, {"Edit23", dec("8.4")}, {"Edit24", "9"}, {"Edit25", dec("3.5")},
          {"Edit26", ""}, {"Edit27", "0"}},
         ""},
    };
    edit("Panel37", "Edit48")->setText(QStringLiteral("keep"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.panel);
        errors.clear();
        type(c.panel, c.texts);
        press(c.panel, c.button);
        EXPECT_EQ(errors, QStringList{notAFloat(c.bad.toUtf8().constData())});
        EXPECT_EQ(count(), 0);
    }
    EXPECT_EQ(text("Panel37", "Edit48"), QStringLiteral("keep"));
}

// A slope of 1e308 degrees overflows in its conversion to radians before the
// sine of the infinity is invalid: the error box names the overflow, and
// nothing is drawn.
TEST_F(Profiles, FaultOfTheComputationNamedInTheOrderItHappened)
{
    const Flanged c{0, 160, 64, 5, 8.4, 8.5, 3.5};
    type("Panel24", {{"Edit28", num(c.h)},
                     {"Edit29", num(c.b)},
                     {"Edit30", num(c.s)},
                     {"Edit31", num(c.t)},
                     {"Edit32", num(c.R)},
                     {"Edit33", num(c.r)},
                     {"Edit34", "100"},
                     {"Edit35", "1e308"}});
    type("Panel20", {{"Edit20", "200"}, {"Edit21", "100"}, {"Edit22", dec("5.2")}, {"Edit23", dec("8.4")},
                     {"Edit24", "9"}, {"Edit25", dec("3.5")}, {"Edit26", "250"}, {"Edit27", "-1e308"}});
    press("Panel24", "BitBtn19");
    press("Panel20", "BitBtn15");
    EXPECT_EQ(errors, QStringList({QStringLiteral("Floating point overflow."), QStringLiteral("Floating point overflow.")}));
    EXPECT_EQ(count(), 0);
}
