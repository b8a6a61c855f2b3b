// The rod and the sleeve with a conventional thread: the ring at the root
// diameter united with the thin skin at the visible thread diameter, the
// clamps, the chamfers, the placement and point A.
#include "design_fixture.h"

namespace {

constexpr double e = 1e-4;

struct Twin {
    const char* panel;
    const char* button;
    const char* D;
    const char* d;
    const char* c;
    const char* b;
    const char* X;
    const char* Y;
    const char* Z;
    const char* vertical;
    const char* horizontal;
    const char* both;
    const char* none;
};

const Twin kRod{"Panel82", "BitBtn82", "Edit307", "Edit543", "Edit308", "Edit309", "Edit310", "Edit311",
                "Edit312", "RadioButton17", "RadioButton18", "RadioButton15", "RadioButton16"};
const Twin kSleeve{"Panel90", "BitBtn94", "Edit389", "Edit391", "Edit390", "Edit388", "Edit385", "Edit386",
                   "Edit387", "RadioButton26", "RadioButton27", "RadioButton28", "RadioButton29"};

// The ring and the skin as the thread's half sections, with the twin's
// values worked out by hand: Y0 root radius, Y1 skin radius, Y2 the skin's
// inner face.
double rodVolume(double D, double d, double c, double b, double eChamfer)
{
    const double Y0 = D / 2 - c, Y1 = D / 2, Y2 = Y1 - e;
    const std::vector<Pt> ring{{0, Y0}, {0, d / 2}, {b, d / 2}, {b, Y0}, {0, Y0}};
    const std::vector<Pt> skin{{e, Y0},           {0, Y0},         {eChamfer, Y1},     {b - c, Y1}, {b, Y0},
                               {b - e, Y0},       {b - c - e, Y2}, {eChamfer + e, Y2}, {e, Y0}};
    return revolvedVolume(ring) + revolvedVolume(skin);
}

double sleeveVolume(double D, double d, double c, double b, double eChamfer)
{
    const double Y0 = d / 2, Y1 = d / 2 - c, Y2 = Y1 + e;
    const std::vector<Pt> ring{{0, D / 2}, {b, D / 2}, {b, d / 2}, {0, d / 2}, {0, D / 2}};
    const std::vector<Pt> skin{{e, Y0},     {0, Y0},         {eChamfer, Y1},     {b - c, Y1}, {b, Y0},
                               {b - e, Y0}, {b - c - e, Y2}, {eChamfer + e, Y2}, {e, Y0}};
    return revolvedVolume(ring) + revolvedVolume(skin);
}

} // namespace

class Thread : public DesignTest {
protected:
    void draw(const Twin& t, double D, double d, double c, double b)
    {
        type(t.panel, {{t.D, num(D)}, {t.d, num(d)}, {t.c, num(c)}, {t.b, num(b)}});
        press(t.panel, t.button);
    }
};

TEST_F(Thread, PanelsStartWithPointAAtTheOriginUprightAndOneChamfer)
{
    for (const Twin& t : {kRod, kSleeve}) {
        for (const char* edit : {t.X, t.Y, t.Z})
            EXPECT_EQ(text(t.panel, edit), "0");
        for (const char* edit : {t.D, t.d, t.c, t.b})
            EXPECT_EQ(text(t.panel, edit), "");
        EXPECT_TRUE(control<QRadioButton>(t.panel, t.vertical)->isChecked());
        EXPECT_TRUE(control<QRadioButton>(t.panel, t.none)->isChecked());
    }
}

TEST_F(Thread, LyingRodIsRingPlusSkinWithTheThreadDiameterOnlyOnTheSkin)
{
    check("Panel82", "RadioButton18");
    draw(kRod, 20, 8, 1.5, 30);
    acad::IAcad3DSolid s = onlyPart(82);
    EXPECT_EQ(s, fields().NewSolid);
    EXPECT_NEAR(s.Volume(), rodVolume(20, 8, 1.5, 30, 0), 1e-6);
    // The ring alone reaches only the root radius 8.5.
    expectBox(s, 0, -10, -10, 30, 10, 10);
    EXPECT_EQ(fields().Dim15, 8);
    EXPECT_EQ(fields().Dim00, 0); // point A's X after the drawing
}

TEST_F(Thread, SolidRodAndLyingSleeve)
{
    check("Panel82", "RadioButton18");
    draw(kRod, 16, 0, 1, 20);
    EXPECT_NEAR(onlyPart(82).Volume(), rodVolume(16, 0, 1, 20, 0), 1e-6);
    clearDrawing();

    check("Panel90", "RadioButton27");
    draw(kSleeve, 40, 20, 1.5, 25);
    acad::IAcad3DSolid s = onlyPart(82);
    EXPECT_NEAR(s.Volume(), sleeveVolume(40, 20, 1.5, 25, 0), 1e-6);
    expectBox(s, 0, -20, -20, 25, 20, 20);
    EXPECT_EQ(fields().Dim15, 20 - 3);
}

TEST_F(Thread, WallsTooThinAreClampedInTheFieldsOnly)
{
    check("Panel82", "RadioButton18");
    draw(kRod, 20, 17, 1.5, 30); // D - 2c = d: the bore becomes 17 - 2e-4
    EXPECT_NEAR(onlyPart(82).Volume(), rodVolume(20, 17 - 2 * e, 1.5, 30, 0), 1e-6);
    EXPECT_DOUBLE_EQ(fields().Dim15, 17 - 2 * e);
    EXPECT_EQ(text("Panel82", "Edit543"), "17");
    clearDrawing();

    draw(kRod, 20, 18, 1.5, 30); // a bore beyond the root clamps the same
    EXPECT_NEAR(onlyPart(82).Volume(), rodVolume(20, 17 - 2 * e, 1.5, 30, 0), 1e-6);
    clearDrawing();

    check("Panel90", "RadioButton27");
    draw(kSleeve, 20, 20, 1.5, 25); // D = d: the wall becomes 1e-4
    EXPECT_NEAR(onlyPart(82).Volume(), sleeveVolume(20 + 2 * e, 20, 1.5, 25, 0), 1e-6);
    EXPECT_DOUBLE_EQ(fields().Dim00, 0);
    EXPECT_EQ(text("Panel90", "Edit389"), "20");
}

TEST_F(Thread, JoinedEndIsSquareWithNoChamferAndChamferedWithOne)
{
    for (const Twin& t : {kRod, kSleeve}) {
        check(t.panel, t.horizontal);
        for (const char* chamfer : {t.none, t.both}) {
            SCOPED_TRACE(std::string(t.panel) + " " + chamfer);
            check(t.panel, chamfer);
            const double eChamfer = chamfer == t.both ? 2 : 0;
            draw(t, 40, 30, 2, 24);
            acad::IAcad3DSolid s = onlyPart(82);
            const double expected = t.panel == kRod.panel ? rodVolume(40, 30, 2, 24, eChamfer)
                                                : sleeveVolume(40, 30, 2, 24, eChamfer);
            EXPECT_NEAR(s.Volume(), expected, 1e-6);
            if (t.panel == kRod.panel) {
                // Half way up the chamfers the skin stands at the root radius
                // 18 plus 1; beside a square end it stands at 20.
                acad::AcadPoint lo, hi;
                sectionBoxAtX(s, 1, lo, hi);
                EXPECT_NEAR(hi[1], eChamfer ? 19 : 20, 1e-6);
                sectionBoxAtX(s, 23, lo, hi);
                EXPECT_NEAR(hi[1], 19, 1e-6);
            }
            clearDrawing();
        }
    }
}

TEST_F(Thread, UprightIsTheLyingSolidTurnedAboutYWithTheFreeEndDown)
{
    for (const Twin& t : {kRod, kSleeve}) {
        SCOPED_TRACE(t.panel);
        draw(t, 30, 12, 1.5, 40);
        acad::IAcad3DSolid s = onlyPart(82);
        const double volume = t.panel == kRod.panel ? rodVolume(30, 12, 1.5, 40, 0) : sleeveVolume(30, 12, 1.5, 40, 0);
        EXPECT_NEAR(s.Volume(), volume, 1e-6);
        // The rod's skin and the sleeve's outer wall both have radius 15.
        expectBox(s, -15, -15, -40, 15, 15, 0);
        clearDrawing();
    }
}

TEST_F(Thread, PointAMovesTheJoinedEndsCentre)
{
    type("Panel82", {{"Edit310", num(10)}, {"Edit311", num(-5)}, {"Edit312", num(3.5)}});
    draw(kRod, 20, 8, 1.5, 30);
    expectBox(onlyPart(82), 0, -15, -26.5, 20, 5, 3.5);
    EXPECT_EQ(fields().Dim00, 10);
    EXPECT_EQ(fields().Dim01, -5);
    EXPECT_EQ(fields().Dim06, 3.5);
    clearDrawing();

    check("Panel90", "RadioButton27");
    type("Panel90", {{"Edit385", num(-100)}, {"Edit386", num(0.25)}, {"Edit387", num(7)}});
    draw(kSleeve, 40, 20, 1.5, 25);
    expectBox(onlyPart(82), -100, -19.75, -13, -75, 20.25, 27);
}

TEST_F(Thread, BadPointLeavesTheFinishedSolidAtTheOrigin)
{
    type("Panel82", {{"Edit310", num(10)}, {"Edit311", "5 мм"}});
    draw(kRod, 20, 8, 1.5, 30);
    ASSERT_EQ(errors, QStringList{notAFloat("5 мм")});
    ASSERT_EQ(count(), 1);
    acad::IAcad3DSolid s = checkedPart(item(0), 82);
    expectBox(s, -10, -10, -30, 10, 10, 0); // coloured and turned, not moved
    EXPECT_EQ(fields().Dim00, 10);
}

TEST_F(Thread, BadSizeDrawsNothing)
{
    type("Panel90", {{"Edit389", num(40)}, {"Edit391", ""}, {"Edit390", num(1)}, {"Edit388", num(10)}});
    press("Panel90", "BitBtn94");
    EXPECT_EQ(errors, QStringList{notAFloat("")});
    EXPECT_EQ(count(), 0);
}
