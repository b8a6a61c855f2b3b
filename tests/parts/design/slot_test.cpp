// The slot's cutting body and the GOST 16030 table beside its panel.
#include "design_fixture.h"

#include <QSize>

using Slot = DesignTest;

TEST_F(Slot, BodyIsTheSlotOutlineExtrudedToItsHeight)
{
    type("Panel127", {{"Edit534", num(40)}, {"Edit535", num(10)}, {"Edit536", num(8)}});
    press("Panel127", "BitBtn120");
    acad::IAcad3DSolid s = onlyPart(20);
    EXPECT_EQ(s, fields().GroupSolid);
    // The straight part B(L - B) and the two half circles, B²π/4 together.
    EXPECT_NEAR(s.Volume(), 8 * (10 * 30 + pi * 100 / 4), 1e-6);
    expectBox(s, -5, -5, 0, 35, 5, 8);
    EXPECT_EQ(fields().Dim06, 40);
    EXPECT_EQ(fields().Dim09, 10);
    EXPECT_EQ(fields().Dim11, 8);
}

TEST_F(Slot, DecimalSizesAndARoundHoleWhenLEqualsB)
{
    type("Panel127", {{"Edit534", dec("20.5")}, {"Edit535", dec("6.6")}, {"Edit536", dec("2.25")}});
    press("Panel127", "BitBtn120");
    EXPECT_NEAR(onlyPart(20).Volume(), 2.25 * (6.6 * 13.9 + pi * 6.6 * 6.6 / 4), 1e-6);
    clearDrawing();

    type("Panel127", {{"Edit534", num(12)}, {"Edit535", num(12)}, {"Edit536", num(5)}});
    press("Panel127", "BitBtn120");
    acad::IAcad3DSolid s = onlyPart(20);
    EXPECT_NEAR(s.Volume(), 5 * pi * 36, 1e-6);
    expectBox(s, -6, -6, 0, 6, 6, 5);
}

TEST_F(Slot, TextThatIsNotANumberDrawsNothing)
{
    type("Panel127", {{"Edit534", num(40)}, {"Edit535", num(10)}, {"Edit536", "8,5,"}});
    press("Panel127", "BitBtn120");
    EXPECT_EQ(errors, QStringList{notAFloat("8,5,")});
    EXPECT_EQ(count(), 0);
}

TEST_F(Slot, TableButtonShowsTheElevenRowsAndLeavesTheEditsAlone)
{
    type("Panel127", {{"Edit534", num(40)}, {"Edit535", dec("6.6")}, {"Edit536", ""}});
    QTableWidget* g = grid("Panel130", "StringGrid11");
    for (int press2 = 0; press2 < 2; ++press2) {
        press("Panel127", "BitBtn121");
        EXPECT_EQ(window.tableShown, panel("Panel130"));
        EXPECT_EQ(panel("Panel130")->geometry(), QRect(601, 0, 250, 533));
        EXPECT_EQ(g->geometry(), QRect(6, 28, 238, 232));
        EXPECT_EQ(g->rowCount(), 12);
        EXPECT_EQ(g->columnCount(), 4);
        // The first B is Latin, the second Cyrillic.
        EXPECT_EQ(rowTexts(g, 0), (QStringList{"   d", " B 1-й ряд", " \u0412 2-й ряд", "           L"}));
        EXPECT_EQ(rowTexts(g, 1), (QStringList{"   6", "      6,6", "      7", "       10...20"}));
        EXPECT_EQ(rowTexts(g, 7), (QStringList{"   24", "      26", "      28", "       32...100"}));
        EXPECT_EQ(rowTexts(g, 11), (QStringList{"   48", "      52", "      56", "       60...125"}));
    }
    EXPECT_EQ(text("Panel127", "Edit534"), num(40));
    EXPECT_EQ(text("Panel127", "Edit535"), dec("6.6"));
    EXPECT_EQ(text("Panel127", "Edit536"), "");
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_EQ(count(), 0);
}
