// The grooved nozzle: its solid of revolution, the bore's volume in litres,
// the bank it leaves, its axial section, and the refusals.
#include "metal_fixture.h"

#include <TopAbs_ShapeEnum.hxx>
#include <TopExp_Explorer.hxx>

namespace {
// The volume of a wall of revolution between the radii over a length.
double ring(double outerDiameter, double innerDiameter, double length)
{
    return pi / 4 * (outerDiameter * outerDiameter - innerDiameter * innerDiameter) * length;
}

int loops(const acad::IAcadEntity& region)
{
    int n = 0;
    for (TopExp_Explorer e(region.entity()->shape(), TopAbs_WIRE); e.More(); e.Next())
        ++n;
    return n;
}
} // namespace

using Nozzle = MetalTest;

TEST_F(Nozzle, PlainPipeWithoutGrooveLeavesMetresAndLitresInTheBank)
{
    // Lv = 0: Dv is not read, so its empty edit does no harm.
    type("Panel33", {{"Edit41", "108"}, {"Edit42", "4"}, {"Edit43", "1000"}, {"Edit44", "0"}, {"Edit45", ""}});
    press("Panel33", "BitBtn26");
    auto nozzle = onlyPart();
    EXPECT_NEAR(nozzle.Volume(), ring(108, 100, 1000), 1e-6 * ring(108, 100, 1000));
    expectBox(nozzle, 0, -54, -54, 1000, 54, 54, 1e-5);
    EXPECT_EQ(text("Panel33", "Edit46"), dec("7.854"));
    EXPECT_NEAR(fields().Dim00, 0.108, 1e-15);
    EXPECT_NEAR(fields().Dim03, 0.004, 1e-15);
    EXPECT_NEAR(fields().Dim06, 1, 1e-15);
    EXPECT_NEAR(fields().Dim11, 7.853981633974483, 1e-12);
    EXPECT_EQ(fields().Dim12, 108);
}

TEST_F(Nozzle, GrooveChangesTheSolidButNeverTheVolume)
{
    struct Case {
        const char *S, *L, *Lv, *Dv; // with "." for the separator
        double length, groove, grooveDiameter;
        const char* litres;
    };
    const Case cases[] = {
        {"3.5", "100", "20", "54", 100, 20, 54, "0.196"},
        {"3.5", "100.0", "20.5", "54", 100, 20.5, 54, "0.196"},
        {"3.5", "100", "30", "60", 100, 30, 60, "0.196"},  // a raised band
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Lv);
        clearDrawing();
        type("Panel33", {{"Edit41", "57"}, {"Edit42", dec(c.S)}, {"Edit43", dec(c.L)}, {"Edit44", dec(c.Lv)}, {"Edit45", dec(c.Dv)}});
        press("Panel33", "BitBtn26");
        auto nozzle = onlyPart();
        const double expected = ring(57, 50, c.length - c.groove) + ring(c.grooveDiameter, 50, c.groove);
        EXPECT_NEAR(nozzle.Volume(), expected, 1e-6 * expected);
        const double r = std::max(57.0, c.grooveDiameter) / 2;
        expectBox(nozzle, 0, -r, -r, c.length, r, r, 1e-5);
        // Across the groove the wall reaches only to Dv.
        EXPECT_NEAR(areaAtX(nozzle, c.length - c.groove / 2), pi / 4 * (c.grooveDiameter * c.grooveDiameter - 2500),
                    1e-6 * 2500);
        EXPECT_EQ(text("Panel33", "Edit46"), dec(c.litres));
        EXPECT_EQ(fields().Dim12, c.grooveDiameter);
    }
}

TEST_F(Nozzle, MissingGrooveDiameterAndNegativeGrooveAreRefusedBeforeDrawing)
{
    struct Case {
        const char *Lv, *Dv;
        QString message;
    };
    const Case cases[] = {
        {"10", "", notAFloat("")},
        {"-5", "50", QStringLiteral("Длина проточки Lv не может быть отрицательной.")},
        {"-5", "", QStringLiteral("Длина проточки Lv не может быть отрицательной.")},
    };
    edit("Panel33", "Edit46")->setText(QStringLiteral("1.000"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Lv);
        errors.clear();
        fields().Dim12 = 33;
        type("Panel33", {{"Edit41", "57"}, {"Edit42", dec("3.5")}, {"Edit43", "100"}, {"Edit44", c.Lv}, {"Edit45", c.Dv}});
        press("Panel33", "BitBtn26");
        EXPECT_EQ(errors, QStringList{c.message});
        EXPECT_EQ(count(), 0);
        EXPECT_EQ(text("Panel33", "Edit46"), QStringLiteral("1.000"));
        EXPECT_EQ(fields().Dim12, 33);
    }
}

TEST_F(Nozzle, TwoDReplacesItsNozzleByTheAxialSectionAndClosesTheBore)
{
    type("Panel33", {{"Edit41", "57"}, {"Edit42", dec("3.5")}, {"Edit43", "100"}, {"Edit44", "20"}, {"Edit45", "54"}});
    press("Panel33", "BitBtn26");
    auto nozzle = onlyPart();
    // Edits changed after "3D": the section shows the nozzle as drawn, the
    // bore lines take the new sizes.
    type("Panel33", {{"Edit41", "62"}, {"Edit42", "5"}, {"Edit43", "120"}});
    press("Panel33", "BitBtn28");
    EXPECT_TRUE(errors.isEmpty());
    ASSERT_EQ(count(), 3);
    EXPECT_THROW(nozzle.Volume(), acad::EOleException);
    auto section = item(0).as<acad::IAcadRegion>();
    EXPECT_EQ(loops(section), 2);
    EXPECT_NEAR(section.Area(), 2 * (3.5 * 80 + 2 * 20), 1e-6);
    EXPECT_EQ(section.get_Lineweight(), 50);
    expectBox(section, 0, -28.5, 0, 100, 28.5, 0, 1e-6);
    const double bore[][4] = {{0, 26, 0, -26}, {120, 26, 120, -26}};
    for (int k = 0; k < 2; ++k) {
        auto line = item(1 + k).as<acad::IAcadLine>();
        EXPECT_EQ(line.get_Lineweight(), 50);
        expectBox(line, bore[k][0], bore[k][3], 0, bore[k][2], bore[k][1], 0);
    }
    EXPECT_EQ(fields().Dim00, 62);
    EXPECT_EQ(fields().Dim03, 5);
    EXPECT_EQ(fields().Dim06, 120);
}

TEST_F(Nozzle, TwoDWithoutItsOwnNozzleChangesNothing)
{
    const QString refusal = QStringLiteral("Нет детали для сечения: сначала постройте ее кнопкой «3D» этой панели.");
    type("Panel33", {{"Edit41", "57"}, {"Edit42", dec("3.5")}, {"Edit43", "100"}, {"Edit44", "0"}});
    // Before any "3D".
    press("Panel33", "BitBtn28");
    EXPECT_EQ(errors, QStringList{refusal});
    EXPECT_EQ(count(), 0);
    // After another panel's "3D": both solids stay.
    press("Panel33", "BitBtn26");
    type("Panel37", {{"Edit47", "10"}, {"Edit49", "50"}});
    press("Panel37", "BitBtn27");
    errors.clear();
    press("Panel33", "BitBtn28");
    EXPECT_EQ(errors, QStringList{refusal});
    EXPECT_EQ(count(), 2);
    checkedPart(item(0));
    checkedPart(item(1));
    // Its own "3D" again, a "2D", and a second "2D" that finds its nozzle gone.
    press("Panel33", "BitBtn26");
    press("Panel33", "BitBtn28");
    EXPECT_EQ(count(), 5);
    errors.clear();
    press("Panel33", "BitBtn28");
    EXPECT_EQ(errors, QStringList{refusal});
    EXPECT_EQ(count(), 5);
}

TEST_F(Nozzle, TwoDWithABadSizeKeepsTheNozzle)
{
    type("Panel33", {{"Edit41", "57"}, {"Edit42", dec("3.5")}, {"Edit43", "100"}, {"Edit44", "0"}});
    press("Panel33", "BitBtn26");
    type("Panel33", {{"Edit43", "сто"}});
    press("Panel33", "BitBtn28");
    EXPECT_EQ(errors, QStringList{notAFloat("сто")});
    errors.clear();
    onlyPart();
    // Corrected, the same nozzle still takes its "2D".
    type("Panel33", {{"Edit43", "100"}});
    press("Panel33", "BitBtn28");
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_EQ(count(), 3);
}
