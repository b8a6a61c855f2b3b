// The A4 division of the stored sheet: tiling lines of lineweight 0 and
// colour 5, upright or lying as the sheet length decides.
#include "sheets_fixture.h"

#include <cmath>

namespace {

class A4 : public SheetsTest {
protected:
    // The lines expected: vertical ones at the xs, then horizontal ones at the ys.
    static std::vector<SheetLine> tiling(double L, double H, std::vector<double> xs, std::vector<double> ys)
    {
        std::vector<SheetLine> out;
        for (double x : xs)
            out.push_back({x, 0, x, H, 0, 5});
        for (double y : ys)
            out.push_back({0, y, L, y, 0, 5});
        return out;
    }
    void divideStored(double L, double H)
    {
        fields().Dim06 = L;
        fields().Dim01 = H;
        press("Panel2", "BitBtn102");
    }
};

} // namespace

TEST_F(A4, FormatsOfThePanelAreTiled)
{
    struct Case {
        const char* length;
        const char* height;
        double L, H;
        std::vector<double> xs, ys;
    };
    const Case cases[] = {
        {"1189", "841", 1188, 840, {891, 594, 297}, {630, 420, 210}},
        {"841", "1189", 840, 1188, {630, 420, 210}, {891, 594, 297}},
        {"841", "594", 840, 594, {630, 420, 210}, {297}},
        {"594", "841", 594, 840, {297}, {630, 420, 210}},
        {"1783", "841", 1782, 840, {1485, 1188, 891, 594, 297}, {630, 420, 210}},
        {"1682", "1189", 1680, 1188, {1470, 1260, 1050, 840, 630, 420, 210}, {891, 594, 297}},
        {"420", "297", 420, 297, {210}, {297}},
        {"297", "420", 297, 420, {297}, {210}},
        {"210", "297", 210, 297, {210}, {297}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        clearDrawing();
        drawSheet(c.length, c.height);
        clearDrawing();
        press("Panel2", "BitBtn102");
        EXPECT_TRUE(errors.empty());
        EXPECT_EQ(lines(0, count()), tiling(c.L, c.H, c.xs, c.ys));
        EXPECT_EQ(fields().Dim06, c.L);
        EXPECT_EQ(fields().Dim01, c.H);
    }
}

TEST_F(A4, StoredSizesAreSnappedByThreeAndWrittenBack)
{
    struct Case {
        double storedL, storedH;
        double L, H; // after the press
        std::vector<SheetLine> drawn;
    };
    const Case cases[] = {
        {841, 594, 840, 594, tiling(840, 594, {630, 420, 210}, {297})},
        {844, 594, 844, 594, {}},                       // 4 above 840: more than 3
        {1000, 500, 1000, 500, {}},                     // a multiple of neither tile side
        {840, 500, 840, 500, tiling(840, 500, {630, 420, 210}, {203})},
        {0, 0, 0, 0, tiling(0, 0, {0, 0}, {0, 0})},     // both kinds: four points at the origin
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.storedL);
        clearDrawing();
        divideStored(c.storedL, c.storedH);
        EXPECT_TRUE(errors.empty());
        EXPECT_EQ(fields().Dim06, c.L);
        EXPECT_EQ(fields().Dim01, c.H);
        EXPECT_EQ(lines(0, count()), c.drawn);
    }
    // 12182 is 2 above 58 x 210 and, brought down to it, 3 above 41 x 297:
    // the lying tiles of 41 columns, one row on the top edge.
    clearDrawing();
    divideStored(12182, 210);
    EXPECT_EQ(fields().Dim06, 12177);
    EXPECT_EQ(count(), 41);
    EXPECT_EQ(lineAt(0), (SheetLine{11880, 0, 11880, 210, 0, 5}));
    EXPECT_EQ(lineAt(39), (SheetLine{297, 0, 297, 210, 0, 5}));
    EXPECT_EQ(lineAt(40), (SheetLine{0, 210, 12177, 210, 0, 5}));
    // The typed sizes are not read: only what the bank holds.
    type("Panel2", {{"Edit457", "420"}, {"Edit458", "297"}});
    clearDrawing();
    divideStored(1000, 500);
    EXPECT_EQ(count(), 0);
}

TEST_F(A4, SheetsNeedingMoreThanAThousandLinesAreRefused)
{
    // 900 columns of 210 and 100 rows of 297: a thousand lines, drawn.
    divideStored(210 * 901, 297 * 101);
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(count(), 1000);
    clearDrawing();
    // One row more, and nothing is drawn.
    divideStored(210 * 901, 297 * 102);
    EXPECT_EQ(errors, QStringList{QStringLiteral("Лист слишком велик для разбиения на А4.")});
    EXPECT_EQ(count(), 0);
    // A size so large that a step no longer changes it is refused at once.
    errors.clear();
    const double huge = 210 * std::ldexp(1.0, 80);
    divideStored(huge, 297);
    EXPECT_EQ(errors, QStringList{QStringLiteral("Лист слишком велик для разбиения на А4.")});
    EXPECT_EQ(count(), 0);
    EXPECT_EQ(fields().Dim06, huge);
}
