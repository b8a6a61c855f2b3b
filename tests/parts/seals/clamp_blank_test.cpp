// The clamp's flat blank: its entities in order with their lineweights and
// colours, and where its bend lines and ends fall. With K = 0.5 every bend
// is developed on the middle of the strip, so each stretch of the blank is
// the area of its piece of the section divided by S.
#include "clamp_fixture.h"

namespace {

// The x extent of an entity, from its bounding box.
struct Span {
    double x0, x1, y0, y1;
};
Span span(const acad::IAcadEntity& e)
{
    acad::AcadPoint lo, hi;
    e.GetBoundingBox(lo, hi);
    return {lo[0], hi[0], lo[1], hi[1]};
}

const Sizes kRow22{32, 14.5, 2, 1.5, 75, 25, 6.6, 50};
const Sizes kRow5{8, 6, 1.5, 1, 28, 8, 3.4, 20};
const Sizes kRow47{30, 14, 2, 1.5, 71, 25, 6.6, 52};

} // namespace

class ClampBlank : public ClampTest {
protected:
    void drawBlank(const char* radio, const Sizes& s, const QString& K)
    {
        clearDrawing();
        errors.clear();
        check("Panel134", radio);
        typeSizes(s);
        type("Panel134", {{"Edit562", K}});
        press("Panel134", "BitBtn35");
        EXPECT_TRUE(errors.empty()) << (errors.empty() ? "" : errors.front().toStdString());
    }
    void expectEntities(const std::vector<const char*>& kinds, const std::vector<int>& lineweights)
    {
        ASSERT_EQ(count(), static_cast<int>(kinds.size()));
        for (int k = 0; k < count(); ++k) {
            SCOPED_TRACE(k);
            EXPECT_EQ(item(k).ObjectName(), QString::fromLatin1(kinds[k]));
            EXPECT_EQ(item(k).get_Lineweight(), lineweights[k]);
            // Bend lines are thin and red; the outline takes the drawing's colour.
            EXPECT_EQ(item(k).get_color(), lineweights[k] == 25 ? 1 : 256);
        }
    }
};

// Row 22 as type II (u = 6.5, w = sqrt 338) and row 5 as type III (u = 1.5,
// w = sqrt 40), and row 5 with the bend centres below the pipe axis.
TEST_F(ClampBlank, TypesTwoAndThreeDevelopEveryBendOnTheMiddleOfTheStrip)
{
    struct Case {
        const char* what;
        const char* radio;
        Sizes s;
        double u, w;
    };
    const Case cases[] = {
        {"row 22", "RadioButton57", kRow22, 6.5, std::sqrt(338.0)},
        {"row 5", "RadioButton58", kRow5, 1.5, std::sqrt(40.0)},
        {"row 5, H = 9", "RadioButton58", {8, 9, 1.5, 1, 28, 8, 3.4, 20}, -1.5, std::sqrt(40.0)},
    };
    type("Panel134", {{"Edit559", ""}, {"Edit561", ""}});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Sizes& s = c.s;
        const double phi = std::atan(c.u / c.w), y = -s.L, S = s.S;
        drawBlank(c.radio, s, dec("0.5"));
        expectEntities({"AcDbArc", "AcDbArc", "AcDbLine", "AcDbLine", "AcDbLine", "AcDbLine", "AcDbLine", "AcDbLine",
                        "AcDbCircle", "AcDbCircle"},
                       {50, 50, 50, 50, 25, 25, 25, 25, 50, 50});
        if (count() != 10)
            continue;
        const double bend = (pi / 2 - phi) / 2 * ((s.r + S) * (s.r + S) - s.r * s.r) / S;
        const double wrap = (pi - 2 * phi) / 2 * ((s.D / 2 + S) * (s.D / 2 + S) - s.D * s.D / 4) / S;
        const double xP = -s.A / 2 + stripArea(s, c.w, phi) / S;
        // The left end beyond the left hole, the right end beyond the right.
        expectBox(item(0), -s.A / 2 - s.B / 2, y - s.B / 2, 0, -s.A / 2, y + s.B / 2, 0, 1e-9);
        expectBox(item(1), xP, y - s.B / 2, 0, xP + s.B / 2, y + s.B / 2, 0, 1e-9);
        expectBox(item(2), -s.A / 2, y + s.B / 2, 0, xP, y + s.B / 2, 0, 1e-9);
        expectBox(item(3), -s.A / 2, y - s.B / 2, 0, xP, y - s.B / 2, 0, 1e-9);
        const double bendLines[] = {-c.w, -c.w + bend, -c.w + bend + wrap, -c.w + 2 * bend + wrap};
        for (int k = 0; k < 4; ++k)
            expectBox(item(4 + k), bendLines[k], y - s.B / 2, 0, bendLines[k], y + s.B / 2, 0, 1e-9);
        expectBox(item(8), xP - s.d / 2, y - s.d / 2, 0, xP + s.d / 2, y + s.d / 2, 0, 1e-9);
        expectBox(item(9), -s.A / 2 - s.d / 2, y - s.d / 2, 0, -s.A / 2 + s.d / 2, y + s.d / 2, 0, 1e-9);
        EXPECT_DOUBLE_EQ(fields().Dim13, std::string(c.radio) == "RadioButton58" ? -phi : phi);
        EXPECT_DOUBLE_EQ(fields().Dim05, 0.5);
    }
}

// The hole distance grows by 2 S beta + S gamma per unit of K: K = 0
// develops on the inner faces, K = 1 on the outer ones.
TEST_F(ClampBlank, TheHoleDistanceGrowsWithK)
{
    const Sizes& s = kRow22;
    const double phi = std::atan(6.5 / std::sqrt(338.0)), beta = pi / 2 - phi, gamma = pi - 2 * phi;
    type("Panel134", {{"Edit559", ""}, {"Edit561", ""}});
    double previous = 0;
    for (const double K : {0.0, 0.5, 1.0, 1.5}) {
        SCOPED_TRACE(K);
        drawBlank("RadioButton57", s, num(K));
        ASSERT_EQ(count(), 10);
        const Span right = span(item(8));
        const double holes = (right.x0 + right.x1) / 2 + s.A / 2;
        if (K > 0)
            EXPECT_NEAR(holes - previous, 0.5 * (2 * s.S * beta + s.S * gamma), 1e-9);
        else // every bend on its inner radius
            EXPECT_NEAR(holes, 2 * (s.A / 2 - std::sqrt(338.0)) + 2 * s.r * beta + s.D / 2 * gamma, 1e-9);
        previous = holes;
    }
}

// Row 47 (rho = 18.5, u = 6, w = 17.5): read along the blank, the tab's
// leg, its bend, the foot, the bends and the wrap, the foot and the square
// end; with K = 0.5 the whole blank is the section's area over S, and the
// blank of the clamp drawn by "3D" is its volume without holes over S·B.
TEST_F(ClampBlank, TypeOneDevelopsTheTabAndTheSquareEnd)
{
    const Sizes& s = kRow47;
    const double L1 = 35, h = 4, w = 17.5, phi = std::atan(6 / 17.5), y = -s.L;
    const double t1 = -31.5, t2 = t1 - (s.r + s.S / 2) * pi / 2, xT = t2 - (h - s.r);
    type("Panel134", {{"Edit559", num(L1)}, {"Edit561", num(h)}});
    check("Panel134", "RadioButton56");
    typeSizes(s);
    press("Panel134", "BitBtn13");
    const double volume = onlyPart(20).Volume();

    type("Panel134", {{"Edit562", dec("0.5")}});
    press("Panel134", "BitBtn35");
    EXPECT_TRUE(errors.empty());
    ASSERT_EQ(count(), 13);
    item(0).Delete();
    expectEntities({"AcDbLine", "AcDbLine", "AcDbLine", "AcDbLine", "AcDbLine", "AcDbLine", "AcDbLine", "AcDbLine",
                    "AcDbLine", "AcDbLine", "AcDbCircle", "AcDbCircle"},
                   {50, 50, 50, 25, 25, 50, 25, 25, 25, 25, 50, 50});
    ASSERT_EQ(count(), 12);
    const double length = stripArea(s, w, phi) / s.S + typeOneEnds(s, L1, h) / s.S;
    EXPECT_NEAR(length, (volume + holes(s)) / (s.S * s.B), 1e-6 * length);
    const double xR = xT + length;
    expectBox(item(0), xT, y + s.B / 2, 0, xR, y + s.B / 2, 0, 1e-9);
    expectBox(item(1), xT, y - s.B / 2, 0, xR, y - s.B / 2, 0, 1e-9);
    const double across[] = {xT, t1, t2, xR, -w};
    const int acrossItems[] = {2, 3, 4, 5, 6};
    for (int k = 0; k < 5; ++k)
        expectBox(item(acrossItems[k]), across[k], y - s.B / 2, 0, across[k], y + s.B / 2, 0, 1e-9);
    // The right hole lies L - L1 - A/2 short of the square end.
    const Span right = span(item(10));
    EXPECT_NEAR((right.x0 + right.x1) / 2, xR - (s.L - L1 - s.A / 2), 1e-9);
    expectBox(item(11), -s.A / 2 - s.d / 2, y - s.d / 2, 0, -s.A / 2 + s.d / 2, y + s.d / 2, 0, 1e-9);
    EXPECT_DOUBLE_EQ(fields().Dim13, phi);
}

// A tab shallower than its bend is developed as "3D" draws it, with no leg:
// its end line falls on the bend line, not beyond it. The edit keeps what
// was typed.
TEST_F(ClampBlank, TypeOneTabShallowerThanItsBendHasNoLeg)
{
    type("Panel134", {{"Edit559", num(35)}, {"Edit561", num(1)}});
    drawBlank("RadioButton56", kRow47, dec("0.4"));
    ASSERT_EQ(count(), 12);
    const double t2 = -31.5 - (2 + 0.4 * 1.5) * pi / 2;
    EXPECT_NEAR(span(item(2)).x0, t2, 1e-9);
    EXPECT_NEAR(span(item(4)).x0, t2, 1e-9);
    EXPECT_EQ(text("Panel134", "Edit561"), num(1));
}

TEST_F(ClampBlank, BadInputsStopItBeforeAnythingIsDrawn)
{
    struct Case {
        const char* radio;
        Sizes s;
        QString K, L1, h;
        QString message;
    };
    const Case cases[] = {
        {"RadioButton57", kRow22, "", "", "", notAFloat("")},
        {"RadioButton58", kRow5, "K", "", "", notAFloat("K")},
        {"RadioButton56", kRow47, "0", "", "4", notAFloat("")},
        {"RadioButton56", kRow47, "0", "35", " ", notAFloat(" ")},
        {"RadioButton57", {32, 100, 2, 1.5, 75, 25, 6.6, 50}, "0", "", "", "Invalid floating point operation."},
        {"RadioButton58", {8, 1, 1.5, 1, 28, 8, 3.4, 20}, "0", "", "", "Floating point division by zero."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        errors.clear();
        check("Panel134", c.radio);
        typeSizes(c.s);
        type("Panel134", {{"Edit562", c.K}, {"Edit559", c.L1}, {"Edit561", c.h}});
        press("Panel134", "BitBtn35");
        EXPECT_EQ(errors, QStringList{c.message});
        EXPECT_EQ(count(), 0);
    }
}
