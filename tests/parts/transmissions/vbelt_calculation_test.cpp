// The V-belt calculation as the designer goes through it: type, press "=",
// read the boxes. Expected texts are worked by hand from the formulas, each
// step from the rounded texts of the steps before it.
#include "vbelt_fixture.h"

#include "parts/transmissions/vbelt_tables.h"

#include <QLabel>

#include <cmath>

using transmissions::ratioFactor;
using transmissions::recommendationFor;
using transmissions::wrapFactor;

TEST_F(VBeltTest, WorkedExampleWithANormalSectionFromPowerToShaftLoad)
{
    exampleToPage3();
    choose("RadioButton46"); // А
    exampleToPage5();
    EXPECT_TRUE(errors.empty()) << (errors.empty() ? "" : errors.front().toStdString());
    // M1 = 5500/150.796 lies between 15 and 50: sections А and У0 (digit zero).
    // dм = 40 · 3.3166 (stepped cube root of 36.473); u actual 2.02, α1 156.884.
    expectTexts({{"Edit462", "36.473"}, {"Edit472", "150.796"}, {"Edit463", "А"}, {"Edit464", "У0"},
                 {"Edit465", "90"}, {"Edit466", "63"}, {"Edit468", "132.656"}, {"Edit469", "265.312"},
                 {"Edit473", "9.425"}, {"Edit475", "74.644"}, {"Edit476", "2.020"}, {"Edit477", "583.568"},
                 {"Edit478", "296.651"}, {"Edit479", "589.049"}, {"Edit480", "3906.250"}, {"Edit481", "1195.519"},
                 {"Edit483", "324.456"}, {"Edit484", "156.884"}, {"Edit512", "156.884"}, {"Edit513", "203.116"},
                 {"Edit485", "7.540"}, {"Edit486", "1.12"}, {"Edit487", "0.95"},
                 // Section А into the hidden area box and onto page 5.
                 {"Edit493", "81.000"}, {"Edit505", "11.000"}, {"Edit506", "8.700"}, {"Edit507", "3.300"},
                 {"Edit508", "10.000"}, {"Edit509", "15.000"}, {"Edit510", "1.000"}, {"Edit515", "8.000"},
                 {"Edit516", "2.800"}, {"Edit517", "13.000"},
                 // Ko = 5.55/1.1994 - 6·43.2.../(125·1.12) - 9.425²/1000, [K] = Ko·0.95·0.8.
                 {"Edit489", "2.689"}, {"Edit490", "2.044"}, {"Edit492", "3.525"}, {"Edit494", "3.710"},
                 {"Edit496", "0.509"}, {"Edit497", "3.075"}, {"Edit499", "8.994"}, {"Edit500", "873.800"},
                 {"Edit501", "290.232"}, {"Edit502", "583.815"}, {"Edit504", "1162.950"}});
    // The normal formula line of Ko is shown, the narrow one hidden.
    auto* p4 = panel("Panel113");
    EXPECT_EQ(p4->findChild<QLabel*>("Label784")->size(), QSize(528, 15));
    EXPECT_EQ(p4->findChild<QLabel*>("Label785")->size(), QSize(376, 15));
    EXPECT_EQ(p4->findChild<QLabel*>("Label779")->size(), QSize(0, 0));
    EXPECT_EQ(p4->findChild<QLabel*>("Label789")->size(), QSize(0, 0));
}

TEST_F(VBeltTest, NarrowSectionTakesTheOtherStressFormulaAndLine)
{
    exampleToPage3();
    choose("RadioButton53"); // УА
    exampleToPage5();
    EXPECT_TRUE(errors.empty());
    // Ko = (27.1 - 2.214879·ln 7.54)/2.74427 - 49·11/(125·1.12) - 1.12·9.425²/1000,
    // 2.74427 the stepped root 11^0.421.
    expectTexts({{"Edit493", "93.000"}, {"Edit506", "13.000"}, {"Edit508", "10.000"}, {"Edit516", "2.800"},
                 {"Edit489", "4.295"}, {"Edit490", "3.264"}, {"Edit492", "1.922"}, {"Edit494", "2.024"},
                 {"Edit499", "10.327"}, {"Edit500", "875.132"}, {"Edit501", "291.564"}, {"Edit502", "585.413"},
                 {"Edit504", "1167.999"}});
    auto* p4 = panel("Panel113");
    EXPECT_EQ(p4->findChild<QLabel*>("Label779")->size(), QSize(491, 15));
    EXPECT_EQ(p4->findChild<QLabel*>("Label789")->size(), QSize(129, 15));
    EXPECT_EQ(p4->findChild<QLabel*>("Label782")->size(), QSize(31, 14));
    EXPECT_EQ(p4->findChild<QLabel*>("Label778")->size(), QSize(301, 15));
    EXPECT_EQ(p4->findChild<QLabel*>("Label781")->size(), QSize(7, 14));
    for (const char* hidden : {"Label784", "Label785", "Label786", "Label787", "Label788"})
        EXPECT_EQ(p4->findChild<QLabel*>(hidden)->size(), QSize(0, 0)) << hidden;
}

TEST_F(VBeltTest, SectionOIsSelectedAtStart)
{
    exampleToPage3();
    pressOn("BitBtn108");
    expectTexts({{"Edit493", "47.000"}, {"Edit505", "8.500"}, {"Edit516", "2.100"}, {"Edit517", "10.000"}});
}

TEST(VBeltTables, RecommendedSectionsAtTheTorqueBounds)
{
    struct Case {
        double torque;
        const char *normal, *narrow;
        int dmin, dminNarrow;
    };
    const Case cases[] = {
        {6000, "Е", "УВ", 800, 224}, {std::nextafter(6000.0, 0.0), "Д", "УВ", 500, 224}, {1550, "Г", "УВ", 355, 224},
        {450, "Г", "УБ", 355, 140},  {120, "В", "УА", 200, 90},  {90, "Б", "УА", 125, 90},
        {50, "Б", "У0", 125, 63},    {15, "А", "У0", 90, 63},    {std::nextafter(15.0, 0.0), "О", "У0", 63, 63},
        {-3, "О", "У0", 63, 63},
    };
    for (const Case& c : cases) {
        const auto& r = recommendationFor(c.torque);
        EXPECT_STREQ(r.normal, c.normal) << c.torque;
        EXPECT_STREQ(r.narrow, c.narrow) << c.torque;
        EXPECT_EQ(r.normalDmin, c.dmin) << c.torque;
        EXPECT_EQ(r.narrowDmin, c.dminNarrow) << c.torque;
    }
}

TEST(VBeltTables, CorrectionFactorsAtTheirBounds)
{
    const std::pair<double, double> ku[] = {{0.5, 1.00}, {1.01, 1.00}, {1.011, 1.02}, {1.1, 1.04},
                                            {1.5, 1.11}, {1.51, 1.12}, {2.09, 1.12}, {2.1, 1.14}};
    for (auto [u, factor] : ku)
        EXPECT_EQ(ratioFactor(u), factor) << u;
    const std::pair<double, double> ca[] = {{85, 0.64},  {85.001, 0.69}, {155, 0.92}, {175, 0.98},
                                            {176, 1.00}, {185, 1.00},    {215, 1.15}, {216, 1.20}};
    for (auto [alpha, factor] : ca)
        EXPECT_EQ(wrapFactor(alpha), factor) << alpha;
}

TEST_F(VBeltTest, FactorsShowTwoDecimalsAndNoRatioCorrectionUpTo101)
{
    exampleToPage3();
    put({{"Edit476", num(1.005)}});
    pressOn("BitBtn107");
    expectTexts({{"Edit486", "1.00"}, {"Edit487", "0.95"}});
    put({{"Edit476", num(1.5)}});
    pressOn("BitBtn107");
    expectTexts({{"Edit486", "1.11"}});
}

TEST_F(VBeltTest, EmptyBeltLengthWritesNothing)
{
    exampleToPage3();
    put({{"Edit482", ""}, {"Edit483", "old"}, {"Edit484", "old"}, {"Edit485", "old"}});
    pressOn("BitBtn107");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors.front(), notAFloat(""));
    expectTexts({{"Edit483", "old"}, {"Edit484", "old"}, {"Edit485", "old"}});
}

TEST_F(VBeltTest, StepsFourToEightDoNotNeedTheBeltLength)
{
    exampleToPage3();
    put({{"Edit482", ""}});
    pressOn("BitBtn106");
    EXPECT_TRUE(errors.empty());
    expectTexts({{"Edit481", "1195.519"}});
}

TEST_F(VBeltTest, ZeroSpeedIsADivisionByZero)
{
    put({{"Edit459", num(5.5)}, {"Edit460", num(0)}});
    pressOn("BitBtn103");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors.front(), QStringLiteral("Floating point division by zero."));
    EXPECT_EQ(at("Edit462"), QString());
}

TEST_F(VBeltTest, BeltTooShortForTheDiametersIsAnInvalidOperation)
{
    exampleToPage3();
    // (700 - 589.049)² = 12310 < 8 · 3906.25.
    put({{"Edit482", num(700)}});
    pressOn("BitBtn107");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors.front(), QStringLiteral("Invalid floating point operation."));
    expectTexts({{"Edit483", "324.456"}, {"Edit484", "156.884"}});
}

TEST_F(VBeltTest, NegativeStressIsShownAsZeroAndThenDividesByZero)
{
    exampleToPage3();
    choose("RadioButton46");
    put({{"Edit473", num(80)}}); // V²/1000 = 6.4 outweighs 5.55/t
    pressOn("BitBtn108");
    EXPECT_TRUE(errors.empty());
    expectTexts({{"Edit489", "0.000"}, {"Edit490", "0.000"}});
    put({{"Edit491", num(0.95)}, {"Edit492", "old"}});
    pressOn("BitBtn109");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors.front(), QStringLiteral("Floating point division by zero."));
    EXPECT_EQ(at("Edit492"), QStringLiteral("old"));
}

TEST_F(VBeltTest, AreaBoxIsNeededBeforePageFour)
{
    exampleToPage3();
    put({{"Edit491", num(0.95)}, {"Edit498", num(1250)}});
    pressOn("BitBtn109");
    pressOn("BitBtn110");
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_EQ(errors[0], notAFloat(""));
    EXPECT_EQ(errors[1], notAFloat(""));
}
