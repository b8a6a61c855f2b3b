// Elliptic heads: the solid of one-degree bands from outer or inner sizes,
// its axial section with the bore's edges and the axis, and the refusals of
// a "2D" without its own head.
#include "pipes_fixture.h"

namespace {

// The head's half cross-section from outer sizes, vertex by vertex as the
// head is specified: each ellipse one vertex per whole degree.
std::vector<P2> headOutline(double D, double h, double h1, double S)
{
    const double deg = pi / 180;
    std::vector<P2> v{{-D / 2, 0}, {-D / 2, h1}};
    for (int k = 1; k <= 89; ++k)
        v.push_back({-(D / 2) * std::cos(k * deg), h1 + h * std::sin(k * deg)});
    v.push_back({0, h1 + h});
    v.push_back({0, h1 + h - S});
    for (int k = 1; k <= 89; ++k)
        v.push_back({-(D / 2 - S) * std::sin(k * deg), h1 + (h - S) * std::cos(k * deg)});
    v.push_back({-(D / 2 - S), h1});
    v.push_back({-(D / 2 - S), 0});
    v.push_back({-D / 2, 0});
    return v;
}

// The same head with smooth half ellipsoids: outer less inner, each a half
// ellipsoid on its cylinder.
double smoothHead(double D, double h, double h1, double S)
{
    const double a = D / 2, b = D / 2 - S;
    return pi * (2.0 / 3 * a * a * h + a * a * h1) - pi * (2.0 / 3 * b * b * (h - S) + b * b * h1);
}

struct HeadCase {
    bool inner;
    const char *D, *h, *h1, *S;
    double outerD, outerH, h1v, Sv; // the outer sizes the head is drawn from
};

const HeadCase kHeads[] = {
    {false, "1000", "250", "40", "10", 1000, 250, 40, 10},
    {true, "1000", "250", "40", "10", 1020, 260, 40, 10},
    {false, "1000", "250", "0", "10", 1000, 250, 0, 10}, // no flange: zero-length segments
    {true, "391", "95.5", "25.5", "4.5", 400, 100, 25.5, 4.5},
};

} // namespace

using Head = PipesTest;

TEST_F(Head, OuterOrInnerSizesGiveAHeadOfOneDegreeBands)
{
    for (const HeadCase& c : kHeads) {
        SCOPED_TRACE(std::string(c.D) + (c.inner ? " inner" : " outer") + " h1=" + c.h1);
        clearDrawing();
        check("Panel1", c.inner ? "RadioButton2" : "RadioButton1");
        type("Panel1", {{"Edit1", dec(c.D)}, {"Edit2", dec(c.h)}, {"Edit3", dec(c.h1)}, {"Edit4", dec(c.S)}});
        press("Panel1", "BitBtn2");
        auto head = onlyPart(1);
        const double D = c.outerD, h = c.outerH, h1 = c.h1v, S = c.Sv;
        const double expected = revolvedVolume(headOutline(D, h, h1, S), true);
        EXPECT_NEAR(head.Volume(), expected, 1e-8 * expected);
        // Straight bands, not a smooth ellipsoid.
        EXPECT_GT(std::abs(smoothHead(D, h, h1, S) - expected), 3e-5 * expected);
        expectBox(head, -D / 2, 0, -D / 2, D / 2, h1 + h, D / 2, 1e-6);
        EXPECT_EQ(fields().Dim00, D);
        EXPECT_EQ(fields().Dim01, h);
        EXPECT_EQ(fields().Dim02, h1);
        EXPECT_EQ(fields().Dim03, S);
        // The edits keep what was typed.
        EXPECT_EQ(text("Panel1", "Edit1"), dec(c.D));
        EXPECT_EQ(text("Panel1", "Edit2"), dec(c.h));
    }
}

TEST_F(Head, SecondThreeDAddsASecondHead)
{
    type("Panel1", {{"Edit1", "1000"}, {"Edit2", "250"}, {"Edit3", "40"}, {"Edit4", "10"}});
    press("Panel1", "BitBtn2");
    press("Panel1", "BitBtn2");
    ASSERT_EQ(count(), 2);
    EXPECT_TRUE(fields().BodySolid == item(1));
    // "2D" sections the second one only.
    press("Panel1", "BitBtn1");
    EXPECT_TRUE(errors.isEmpty());
    checkedPart(item(0), 1);
    EXPECT_EQ(count(), 5);
}

TEST_F(Head, ABadTextEndsTheProcedureBeforeDrawing)
{
    type("Panel1", {{"Edit1", "1000"}, {"Edit2", "250"}, {"Edit3", "сорок"}, {"Edit4", "10"}});
    press("Panel1", "BitBtn2");
    EXPECT_EQ(errors, QStringList{notAFloat("сорок")});
    EXPECT_EQ(count(), 0);
    // What was converted before stays in the bank.
    EXPECT_EQ(fields().Dim00, 1000);
    EXPECT_EQ(fields().Dim01, 250);
    errors.clear();
    type("Panel1", {{"Edit3", "40"}, {"Edit4", ""}});
    press("Panel1", "BitBtn2");
    EXPECT_EQ(errors, QStringList{notAFloat("")});
    EXPECT_EQ(count(), 0);
}

TEST_F(Head, TwoDLeavesTheWallSectionTheBoreEdgesAndTheAxis)
{
    for (const HeadCase& c : kHeads) {
        SCOPED_TRACE(std::string(c.D) + (c.inner ? " inner" : " outer") + " h1=" + c.h1);
        clearDrawing();
        check("Panel1", c.inner ? "RadioButton2" : "RadioButton1");
        type("Panel1", {{"Edit1", dec(c.D)}, {"Edit2", dec(c.h)}, {"Edit3", dec(c.h1)}, {"Edit4", dec(c.S)}});
        press("Panel1", "BitBtn2");
        auto head = onlyPart(1);
        // Edits and switches changed after "3D" change nothing.
        check("Panel1", c.inner ? "RadioButton1" : "RadioButton2");
        type("Panel1", {{"Edit1", "700"}, {"Edit2", "175"}, {"Edit3", "12"}, {"Edit4", "6"}});
        press("Panel1", "BitBtn1");
        EXPECT_TRUE(errors.isEmpty());
        ASSERT_EQ(count(), 4);
        EXPECT_THROW(head.Volume(), acad::EOleException);

        const double D = c.outerD, h = c.outerH, h1 = c.h1v, S = c.Sv;
        auto section = item(0).as<acad::IAcadRegion>();
        EXPECT_NEAR(section.Area(), 2 * polygonArea(headOutline(D, h, h1, S)), 1e-6);
        EXPECT_EQ(section.get_Lineweight(), 50);
        EXPECT_EQ(section.get_color(), 256);
        expectBox(section, -D / 2, 0, 0, D / 2, h1 + h, 0, 1e-6);

        const double r = D / 2 - S;
        expectLine(item(1), -r, h1, r, h1);
        expectLine(item(2), -r, 0, r, 0);
        expectLine(item(3), 0, h + h1 + 3, 0, -3);
        const int weights[] = {50, 50, 25}, colours[] = {256, 256, 1};
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(item(1 + k).get_Lineweight(), weights[k]);
            EXPECT_EQ(item(1 + k).get_color(), colours[k]);
        }
        EXPECT_EQ(fields().Dim00, D);
        EXPECT_EQ(fields().Dim01, h);
    }
}

TEST_F(Head, TwoDDrawsFromTheHeadsOwnSizesWhateverTheBankHolds)
{
    type("Panel1", {{"Edit1", "1000"}, {"Edit2", "250"}, {"Edit3", "40"}, {"Edit4", "10"}});
    press("Panel1", "BitBtn2");
    // A thread drawn in between leaves its D and P in the bank; the square
    // flange's drawing writes its H over h, touching no solid.
    fields().Dim00 = 20;
    fields().Dim01 = 2.5;
    type("Panel50", {{"Edit70", "100"}, {"Edit71", "70"}, {"Edit72", "10"}, {"Edit73", "40"}, {"Edit74", "11"},
                     {"Edit75", "12"}});
    press("Panel50", "BitBtn44");
    ASSERT_EQ(fields().Dim01, 12);
    const int before = count();
    press("Panel1", "BitBtn1");
    EXPECT_TRUE(errors.isEmpty());
    ASSERT_EQ(count(), before + 3);
    expectLine(item(before), -490, 40, 490, 40);
    expectLine(item(before + 1), -490, 0, 490, 0);
    expectLine(item(before + 2), 0, 293, 0, -3);
}

TEST_F(Head, TwoDWithoutItsOwnHeadChangesNothing)
{
    // At start.
    press("Panel1", "BitBtn1");
    EXPECT_EQ(errors, QStringList{noPartToSection()});
    EXPECT_EQ(count(), 0);

    // After its head went with a first "2D".
    type("Panel1", {{"Edit1", "1000"}, {"Edit2", "250"}, {"Edit3", "40"}, {"Edit4", "10"}});
    press("Panel1", "BitBtn2");
    press("Panel1", "BitBtn1");
    ASSERT_EQ(count(), 4);
    errors.clear();
    press("Panel1", "BitBtn1");
    EXPECT_EQ(errors, QStringList{noPartToSection()});
    EXPECT_EQ(count(), 4);

    // After the bend's "3D": the head and the bend both stay, and neither
    // "2D" takes the other's part.
    clearDrawing();
    press("Panel1", "BitBtn2");
    type("Panel41", {{"Edit50", "100"}, {"Edit51", "5"}, {"Edit52", "150"}, {"Edit53", "90"}});
    press("Panel41", "BitBtn31");
    errors.clear();
    press("Panel1", "BitBtn1");
    EXPECT_EQ(errors, QStringList{noPartToSection()});
    ASSERT_EQ(count(), 2);
    checkedPart(item(0), 1);
    checkedPart(item(1), 3);
    // The bend's own "2D" still works; then the head's part is still not its own.
    errors.clear();
    press("Panel41", "BitBtn32");
    EXPECT_TRUE(errors.isEmpty());
    press("Panel1", "BitBtn1");
    EXPECT_EQ(errors, QStringList{noPartToSection()});
    EXPECT_EQ(count(), 4);
    checkedPart(item(0), 1);
}
