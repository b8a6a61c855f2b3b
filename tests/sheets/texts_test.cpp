// The title-block texts: 44 texts and the fraction line, placed from the
// sheet size that the frame stored.
#include "sheets_fixture.h"

namespace {

class Texts : public SheetsTest {
protected:
    struct Row {
        int row;
        const char* text; // null: the notes
        double x, y;      // the point the text is written at
        double width, height;
        int attachment;
        double rotation;
    };

    // The texts of a sheet of length L and height H, in writing order.
    static std::vector<Row> rowsOf(double L, double H)
    {
        return {
        {1, "Формат А7 х 77", L - 32, 4, 35, 2.5, 1, 0},
        {2, "Изм", L - 189, 39, 5, 2.5, 1, 0},
        {3, "Лист", L - 182, 39, 10, 2.5, 1, 0},
        {4, "N документа", L - 171.5, 39, 23, 2.5, 1, 0},
        {5, "Подпись", L - 148.7, 39, 15, 2.5, 1, 0},
        {6, "Дата", L - 134.2, 39, 15, 2.5, 1, 0},
        {7, "Разраб.", L - 189, 34, 17, 2.5, 1, 0},
        {8, "Пров.", L - 189, 29, 17, 2.5, 1, 0},
        {9, "Т.контр", L - 189, 24, 17, 2.5, 1, 0},
        {10, "Н.контр", L - 189, 14, 17, 2.5, 1, 0},
        {11, "Утв.", L - 189, 9, 17, 2.5, 1, 0},
        {12, "Карнелов ", L - 172, 34, 23, 2.5, 1, 0},
        {13, "Берлатов ", L - 172, 29, 23, 2.5, 1, 0},
        {14, "Ситнова ", L - 172, 24, 23, 2.5, 1, 0},
        {15, "Ранжева ", L - 172, 14, 23, 2.5, 1, 0},
        {16, "Волгарев ", L - 172, 9, 23, 2.5, 1, 0},
        {17, "07.07", L - 134, 33.7, 10, 2.5, 1, 0},
        {18, "07.07", L - 134, 28.7, 10, 2.5, 1, 0},
        {19, "07.07", L - 134, 23.7, 10, 2.5, 1, 0},
        {20, "07.07", L - 134, 13.7, 10, 2.5, 1, 0},
        {21, "07.07", L - 134, 8.7, 10, 2.5, 1, 0},
        {22, "Лит.", L - 50, 44, 15, 2.5, 1, 0},
        {23, "Масса, кг", L - 39, 44, 17, 2.5, 1, 0},
        {24, "Масштаб", L - 21, 44, 18, 2.5, 1, 0},
        {25, "Лист 1", L - 53, 24, 20, 2.5, 1, 0},
        {26, "Листов", L - 31, 24, 30, 2.5, 1, 0},
        {27, "И", L - 53.5, 33.5, 30, 2.5, 1, 0},
        {28, "ООО \"7 z IZAV\"", L - 55, 14.5, 50, 3.5, 5, 0},
        {29, "777,77", L - 40, 34, 17, 3.5, 5, 0},
        {30, "1:1", L - 23, 34, 18, 3.5, 5, 0},
        {31, "ДЕТАЛЬ", L - 125, 34, 70, 3.5, 5, 0},
        {32, "Инв. N подл.", -2, 18.5, 25, 2.5, 5, pi / 2},
        {33, "Подп. и дата", -7, 49.17, 35, 2.5, 5, pi / 2},
        {34, "Взам. инв. N", -2, 78.5, 25, 2.5, 5, pi / 2},
        {35, "Инв. N дубл.", -2, 103.5, 25, 2.5, 5, pi / 2},
        {36, "Подп. и дата", -7, 134.17, 35, 2.5, 5, pi / 2},
        {37, "Справ. N", -19.5, 203.67, 60, 2.5, 5, pi / 2},
        {38, "Перв. примен.", -19.5, 263.67, 60, 2.5, 5, pi / 2},
        {39, "7ZO7-000-000-000", L - 60, 54, 77, 3.5, 1, 0},
        {40, "7ZO7-000-000-000", 20, H - 8, 70, 3.5, 5, pi},
        {41, "Лист", L - 121, 14.5, 5, 3.5, 1, 0},
        {42, "Б-ПН-0-3,0 ГОСТ 19903-74", L - 105, 16, 50, 2.5, 1, 0},
        {43, "ВСт3пс2ГОСТ 14637-89", L - 102, 10.5, 50, 2.5, 1, 0},
        {44, nullptr, L - 188, 110, 180, 3.5, 1, 0},
        };
    }

    static QString notes()
    {
        return QStringLiteral("1. * Размеры для справок.") + QString(47, u' ') + QStringLiteral("2. Н16, h16, ±IT16/2.")
               + QString(51, u' ') + QStringLiteral("3. Маркировать обозначение.");
    }

    // Checks the 44 texts and the fraction line written from entity `first`
    // on for a sheet of L x H.
    void expectTitleBlock(int first, double L, double H)
    {
        ASSERT_EQ(count(), first + 45);
        const auto rows = rowsOf(L, H);
        int k = first;
        for (const Row& r : rows) {
            SCOPED_TRACE(r.row);
            if (r.row == 44) {
                // The fraction line of the material entry comes before the notes.
                EXPECT_EQ(lineAt(k), (SheetLine{L - 107, 12, L - 58, 12, 25, 256}));
                ++k;
            }
            const acad::MTextEntity& t = textAt(k++);
            EXPECT_EQ(t.text, r.text ? QString::fromUtf8(r.text) : notes());
            EXPECT_EQ(t.width, r.width);
            EXPECT_EQ(t.height, r.height);
            EXPECT_EQ(t.attachment, r.attachment);
            EXPECT_EQ(t.rotation, r.rotation);
            // A centred text stands in the middle of its box of one line,
            // whose upper-left corner is the point it was written at.
            const double x = r.attachment == 5 ? r.x + r.width / 2 : r.x;
            const double y = r.attachment == 5 ? r.y - r.height / 2 : r.y;
            EXPECT_NEAR(t.insertion.X(), x, 1e-9);
            EXPECT_NEAR(t.insertion.Y(), y, 1e-9);
            EXPECT_EQ(t.insertion.Z(), 0.0);
            EXPECT_EQ(t.lines().size(), r.row == 44 ? 3 : 1);
        }
    }
};


} // namespace

TEST_F(Texts, FillTheSheetThatTheFrameStored)
{
    drawSheet("841", "594"); // stored as 840 x 594
    ASSERT_EQ(count(), 50);
    press("Panel2", "BitBtn101");
    EXPECT_TRUE(errors.empty());
    expectTitleBlock(50, 840, 594);
    // Row 2 in the title block's first cell, the designation centred in the
    // upper-left box (x from 20 to 90, y from 580 to 589) and turned over.
    expectPoint(textAt(51).insertion, 651, 39);
    const acad::MTextEntity& upsideDown = textAt(50 + 39);
    expectPoint(upsideDown.insertion, 55, 586 - 1.75);
    EXPECT_EQ(upsideDown.rotation, pi);
    // The margin-column captions are centred on x = 10.5.
    for (int k = 50 + 31; k < 50 + 38; ++k)
        EXPECT_NEAR(textAt(k).insertion.X(), 10.5, 1e-9) << k;
    // The notes fall into their three lines.
    EXPECT_EQ(textAt(94).lines(), QStringList({"1. * Размеры для справок.", "2. Н16, h16, ±IT16/2.",
                                               "3. Маркировать обозначение."}));
    EXPECT_EQ(fields().LastText.entity(), item(94).entity());
    EXPECT_EQ(fields().LastLine.entity(), item(93).entity());
    // The sheet size stays as it was.
    EXPECT_EQ(fields().Dim06, 840);
    EXPECT_EQ(fields().Dim01, 594);
}

TEST_F(Texts, BeforeAnyFrameTheSheetIsEmpty)
{
    press("Panel2", "BitBtn101");
    EXPECT_TRUE(errors.empty());
    expectTitleBlock(0, 0, 0);
    expectPoint(textAt(0).insertion, -32, 4);
    expectPoint(textAt(39).insertion, 55, -9.75);
}

TEST_F(Texts, FollowTheSizeInTheBankAtThePress)
{
    drawSheet("420", "297");
    clearDrawing();
    // Another part has since given the two slots values of its own.
    fields().Dim06 = 500;
    fields().Dim01 = 300;
    press("Panel2", "BitBtn101");
    expectTitleBlock(0, 500, 300);
    expectPoint(textAt(1).insertion, 311, 39);
    // The margin-column captions do not move.
    expectPoint(textAt(31).insertion, 10.5, 17.25);
    expectPoint(textAt(37).insertion, 10.5, 263.67 - 1.25);
    // Every press writes them all again.
    press("Panel2", "BitBtn101");
    EXPECT_EQ(count(), 90);
}
