// The light single clamp in 3D: one solid of colour 20 for each type,
// checked against volumes worked out piece by piece from the bent strip's
// section, and the inputs that fault before anything is drawn.
#include "clamp_fixture.h"

// Rows 22 and 5 of the table, and both with the pipe axis moved: type II
// with H above D/2 + S (the axis still below the feet, at H - D/2 - S), and
// type III with H above D/2 + 2S + r (the bend centres below the axis).
TEST_F(ClampTest, TypesTwoAndThreeAreTheBentStripWithRoundEndsLessTheHoles)
{
    struct Case {
        const char* what;
        const char* radio;
        Sizes s;
        double u, w, top;
    };
    const Case cases[] = {
        // u = |16 + 1.5 - 14.5| + 1.5 + 2, rho = 19.5; the axis 3 below the feet.
        {"row 22", "RadioButton57", {32, 14.5, 2, 1.5, 75, 25, 6.6, 50}, 6.5, std::sqrt(338.0), 14.5},
        // u = |17.5 - 20| + 3.5; the top at D + 2S - H = 15.
        {"type II, H > D/2 + S", "RadioButton57", {32, 20, 2, 1.5, 75, 25, 6.6, 50}, 6, std::sqrt(344.25), 15},
        // u = 4 + 2 + 1.5 - 6, rho = 6.5; the top at H.
        {"row 5", "RadioButton58", {8, 6, 1.5, 1, 28, 8, 3.4, 20}, 1.5, std::sqrt(40.0), 6},
        // u = 7.5 - 9 < 0: phi < 0, the wrap more than a half circle.
        {"type III, H > D/2 + 2S + r", "RadioButton58", {8, 9, 1.5, 1, 28, 8, 3.4, 20}, -1.5, std::sqrt(40.0), 9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const double phi = std::atan(c.u / c.w);
        const Sizes& s = c.s;
        const acad::IAcad3DSolid clamp = draw(c.radio, s);
        ASSERT_FALSE(clamp.isNull());
        EXPECT_EQ(lumps(clamp), 1);
        const double volume = s.B * stripArea(s, c.w, phi) + roundEnds(s) - holes(s);
        EXPECT_NEAR(clamp.Volume(), volume, 1e-6 * volume);
        expectBox(clamp, -(s.A / 2 + s.B / 2), -s.B / 2, 0, s.A / 2 + s.B / 2, s.B / 2, c.top, 1e-6);
        EXPECT_DOUBLE_EQ(fields().Dim02, c.w);
        EXPECT_DOUBLE_EQ(fields().Dim13, phi);
        EXPECT_EQ(fields().Dim05, std::string(c.radio) == "RadioButton58" ? 0 : 1);
        EXPECT_TRUE(fields().GroupSolid == clamp);
    }
}

// Row 47: rho = 18.5, u = |15 + 1.5 - 14| + 3.5 = 6, w = 17.5. The left
// foot goes on past the hole into the tab; the right foot ends square at
// L - L1.
TEST_F(ClampTest, TypeOneHasTheTabAndTheSquareEnd)
{
    const Sizes s{30, 14, 2, 1.5, 71, 25, 6.6, 52};
    const double L1 = 35, w = 17.5, phi = std::atan(6 / 17.5);
    struct Case {
        const char* typed;
        double h;          // drawn
        const char* shown; // in Edit561 afterwards
    };
    for (const Case& c : {Case{"4", 4, "4.0"}, Case{"1", 2, "2.0"}, Case{"2.04", 2.04, "2.0"}}) {
        SCOPED_TRACE(c.typed);
        type("Panel134", {{"Edit559", num(L1)}, {"Edit561", dec(c.typed)}});
        const acad::IAcad3DSolid clamp = draw("RadioButton56", s);
        ASSERT_FALSE(clamp.isNull());
        EXPECT_EQ(lumps(clamp), 1);
        const double volume = s.B * (stripArea(s, w, phi) + typeOneEnds(s, L1, c.h)) - holes(s);
        EXPECT_NEAR(clamp.Volume(), volume, 1e-6 * volume);
        expectBox(clamp, -L1, -s.B / 2, -c.h, s.L - L1, s.B / 2, 14, 1e-6);
        EXPECT_EQ(text("Panel134", "Edit561"), dec(c.shown));
        EXPECT_DOUBLE_EQ(fields().Dim02, c.h);
        EXPECT_EQ(fields().Dim05, 1);
    }
}

TEST_F(ClampTest, TypesTwoAndThreeReadNeitherLOneNorH)
{
    type("Panel134", {{"Edit559", ""}, {"Edit561", "x"}, {"Edit562", ""}});
    for (const char* radio : {"RadioButton57", "RadioButton58"}) {
        SCOPED_TRACE(radio);
        draw(radio, {32, 14.5, 2, 1.5, 75, 25, 6.6, 50});
        EXPECT_EQ(text("Panel134", "Edit561"), QStringLiteral("x"));
    }
}

// The pipe cannot be wrapped: |u| > rho takes the root of a negative
// number, |u| = rho (type III with H = S) leaves w = 0 to divide by.
TEST_F(ClampTest, ImpossibleBendsFaultBeforeAnythingIsDrawn)
{
    struct Case {
        const char* radio;
        Sizes s;
        const char* message;
    };
    const Case cases[] = {
        {"RadioButton57", {32, 100, 2, 1.5, 75, 25, 6.6, 50}, "Invalid floating point operation."},
        {"RadioButton58", {8, -20, 1.5, 1, 28, 8, 3.4, 20}, "Invalid floating point operation."},
        {"RadioButton58", {8, 1, 1.5, 1, 28, 8, 3.4, 20}, "Floating point division by zero."},
        {"RadioButton56", {30, 60, 2, 1.5, 71, 25, 6.6, 52}, "Invalid floating point operation."},
    };
    type("Panel134", {{"Edit559", "35"}, {"Edit561", "4"}});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        errors.clear();
        check("Panel134", c.radio);
        typeSizes(c.s);
        press("Panel134", "BitBtn13");
        EXPECT_EQ(errors, QStringList{c.message});
        EXPECT_EQ(count(), 0);
    }
}

TEST_F(ClampTest, NumbersThatAreNotStopTheDrawing)
{
    const Sizes row47{30, 14, 2, 1.5, 71, 25, 6.6, 52};
    // A bad L1 is read before anything is drawn.
    check("Panel134", "RadioButton56");
    typeSizes(row47);
    type("Panel134", {{"Edit559", ""}, {"Edit561", "4"}});
    press("Panel134", "BitBtn13");
    EXPECT_EQ(errors, QStringList{notAFloat("")});
    EXPECT_EQ(count(), 0);
    // A bad h only after the bent strip with its round ends, left uncoloured.
    errors.clear();
    type("Panel134", {{"Edit559", "35"}, {"Edit561", "h"}});
    press("Panel134", "BitBtn13");
    EXPECT_EQ(errors, QStringList{notAFloat("h")});
    ASSERT_EQ(count(), 1);
    EXPECT_EQ(item(0).get_color(), 256);
    // D comes first.
    errors.clear();
    clearDrawing();
    type("Panel134", {{"Edit551", "3O"}});
    press("Panel134", "BitBtn13");
    EXPECT_EQ(errors, QStringList{notAFloat("3O")});
    EXPECT_EQ(count(), 0);
}
