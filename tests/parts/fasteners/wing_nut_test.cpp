// Wing nuts: the wing plate cut to the front outline, the hub, the bore with
// its countersink, the wing holes read last, and the faults.
#include "fastener_fixture.h"

namespace {

struct WingNut {
    double L, H, R, d, P, b, b1, D1, D, h;
    // Thickness of the wing plate at the height y.
    double plate(double y) const { return b1 + (b - b1) * y / H; }
    // The front outline with sharp corners at the hub's top: its area and
    // first moment about y = 0. The polygon of its corners, plus each wing
    // tip's segment beyond the chord: the arc of radius R about
    // (∓(L/2 - R), H - R) from 229.16° over the top to 31.34°.
    std::pair<double, double> outline() const
    {
        const double deg = pi / 180, cx = L / 2 - R, cy = H - R;
        const double x1 = -cx + R * std::cos(229.16 * deg), y1 = cy + R * std::sin(229.16 * deg);
        const double x2 = -cx + R * std::cos(31.34 * deg), y2 = cy + R * std::sin(31.34 * deg);
        const std::vector<std::pair<double, double>> corners = {
            {-D / 2, 0}, {x1, y1}, {x2, y2}, {-D1 / 2, h}, {D1 / 2, h}, {-x2, y2}, {-x1, y1}, {D / 2, 0}};
        double area = 0, moment = 0;
        for (std::size_t k = 0; k < corners.size(); ++k) {
            const auto [xa, ya] = corners[k];
            const auto [xb, yb] = corners[(k + 1) % corners.size()];
            const double cross = xa * yb - xb * ya;
            area += cross / 2;
            moment += cross * (ya + yb) / 6;
        }
        // The corners run clockwise.
        area = -area;
        moment = -moment;
        const double theta = 197.82 * deg;
        const double segment = R * R / 2 * (theta - std::sin(theta));
        const double middle = (229.16 - 197.82 / 2) * deg;
        const double segmentY = cy + 4 * R * std::pow(std::sin(theta / 2), 3) / (3 * (theta - std::sin(theta))) *
                                         std::sin(middle);
        return {area + 2 * segment, moment + 2 * segment * segmentY};
    }
    double hubRadius(double y) const { return D / 2 - (D / 2 - D1 / 2) * y / h; }
    double volume() const
    {
        const auto [area, moment] = outline();
        const double wings = b1 * area + (b - b1) / H * moment;
        const double hub = frustum(D / 2, D1 / 2, h);
        // The plate inside the hub is counted once.
        const double overlap =
            integrate([this](double y) { return discStrip(hubRadius(y), plate(y) / 2); }, 0, h, 4000);
        // Bore and countersink, both inside the hub; above it there is
        // nothing between the wings.
        const double sink = d / 2 + 0.4 * P;
        const double bore = integrate(
            [&](double y) {
                const double r = std::max(d / 2, sink - y * std::sqrt(3.0));
                return pi * r * r;
            },
            0, h, 20000);
        return wings + hub - overlap - bore;
    }
    // The two wing holes d1 through the plate at the tip centres.
    double holes(double d1) const { return 2 * plate(H - R) * pi * d1 * d1 / 4; }
};

const WingNut kNut{40, 20, 4, 8, 1.25, 4, 6, 12, 16, 8};

class WingNutTest : public FastenerTest {
protected:
    void typeNut(const WingNut& n, const QString& d1)
    {
        type("Panel85", {{"Edit313", num(n.L)}, {"Edit320", num(n.H)}, {"Edit321", num(n.R)}, {"Edit315", num(n.d)},
                         {"Edit322", num(n.P)}, {"Edit317", num(n.b)}, {"Edit323", num(n.b1)}, {"Edit318", num(n.D1)},
                         {"Edit324", num(n.D)}, {"Edit319", num(n.h)}, {"Edit325", d1}});
    }
};

} // namespace

TEST_F(WingNutTest, NutStandsOnYWithItsWingsAndHoles)
{
    struct Case {
        double d1, holes;
    };
    const Case cases[] = {{0, 0}, {-2, 0}, {3, kNut.holes(3)}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.d1);
        clearDrawing();
        typeNut(kNut, num(c.d1));
        press("Panel85", "BitBtn81");
        auto nut = onlyPart(82);
        const double expected = kNut.volume() - c.holes;
        EXPECT_NEAR(nut.Volume(), expected, 1e-6 * expected);
        expectBox(nut, -20, 0, -8, 20, 20, 8, 1e-5);
        EXPECT_TRUE(nut == fields().NewSolid);
        // The same on either side of the wings' mid-plane.
        EXPECT_NEAR(sectionArea(nut, {0, 0, 1}, {77, 0, 1}, {0, 77, 1}),
                    sectionArea(nut, {0, 0, -1}, {77, 0, -1}, {0, 77, -1}), 1e-6);
        // The bottom face: the hub's disc D, the corners of the plate b1
        // beyond it, less the countersink d + 0.8 P across.
        EXPECT_NEAR(areaAtY(nut, 1e-6), pi * 64 + (16 * 6 - discStrip(8, 3)) - pi * 4.5 * 4.5, 1e-3);
        EXPECT_NEAR(fields().Dim23, std::atan(2.0 / 8), 1e-15);
        EXPECT_NEAR(fields().Dim13, (pi / 2 - std::atan(2.0 / 8)) / 2, 1e-15);
        EXPECT_EQ(fields().Dim08, 0);
        EXPECT_EQ(fields().Dim15, c.d1);
    }
}

TEST_F(WingNutTest, WhatAnotherPanelLeftInTheBankDoesNotChangeTheNut)
{
    // A washer leaves its chamfer s in Dim03.
    type("Panel45", {{"Edit57", num(40)}, {"Edit58", num(20)}, {"Edit59", num(5)}, {"Edit60", num(2.5)},
                     {"Edit61", num(1)}});
    press("Panel45", "BitBtn37");
    ASSERT_EQ(fields().Dim03, 2.5);
    clearDrawing();
    typeNut(kNut, num(0));
    press("Panel85", "BitBtn81");
    auto nut = onlyPart(82);
    EXPECT_NEAR(nut.Volume(), kNut.volume(), 1e-6 * kNut.volume());
    expectBox(nut, -20, 0, -8, 20, 20, 8, 1e-5);
    EXPECT_EQ(fields().Dim03, 2.5);
}

TEST_F(WingNutTest, BadD1LeavesTheNutUncolouredWithoutHoles)
{
    typeNut(kNut, QString());
    press("Panel85", "BitBtn81");
    EXPECT_EQ(errors, QStringList{notAFloat("")});
    ASSERT_EQ(count(), 1);
    auto nut = checkedPart(item(0), kUncoloured);
    EXPECT_NEAR(nut.Volume(), kNut.volume(), 1e-6 * kNut.volume());
    EXPECT_EQ(fields().Dim15, kNut.d);
}

TEST_F(WingNutTest, FaultsAndBadTextsStopBeforeDrawing)
{
    struct Case {
        double D1, h;
        QString message;
    };
    const Case cases[] = {
        {12, 0, QStringLiteral("Floating point division by zero.")},
        {16, 0, QStringLiteral("Invalid floating point operation.")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.D1);
        errors.clear();
        WingNut n = kNut;
        n.D1 = c.D1;
        n.h = c.h;
        typeNut(n, num(3));
        press("Panel85", "BitBtn81");
        EXPECT_EQ(errors, QStringList{c.message});
        EXPECT_EQ(count(), 0);
    }
    // A fresh panel.
    errors.clear();
    for (const char* name : {"Edit313", "Edit320", "Edit321", "Edit315", "Edit322", "Edit317", "Edit323", "Edit318",
                             "Edit324", "Edit319", "Edit325"})
        edit("Panel85", name)->clear();
    press("Panel85", "BitBtn81");
    EXPECT_EQ(errors, QStringList{notAFloat("")});
    EXPECT_EQ(count(), 0);
}
