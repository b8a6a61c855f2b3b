// The sheet frame: typed sizes, format snapping and the 50 lines.
#include "sheets_fixture.h"

namespace {

using Frame = SheetsTest;

// The lines of a frame of length L and height H, as the sheet is laid out:
// edge, frame, title-block grid, upper-left box, margin columns.
std::vector<SheetLine> frameOf(double L, double H)
{
    return {
        {0, 0, 0, H, 0, 5},
        {0, H, L, H, 0, 5},
        {L, H, L, 0, 0, 5},
        {L, 0, 0, 0, 0, 5},
        {20, 5, 20, H - 5, 50, 256},
        {20, H - 5, L - 5, H - 5, 50, 256},
        {L - 5, H - 5, L - 5, 5, 50, 256},
        {L - 5, 5, 20, 5, 50, 256},
        {L - 5, 60, L - 190, 60, 50, 256},
        {L - 190, 60, L - 190, 5, 50, 256},
        {L - 125, 60, L - 125, 5, 50, 256},
        {L - 135, 60, L - 135, 5, 50, 256},
        {L - 150, 60, L - 150, 5, 50, 256},
        {L - 173, 60, L - 173, 5, 50, 256},
        {L - 183, 60, L - 183, 35, 50, 256},
        {L - 55, 45, L - 55, 5, 50, 256},
        {L - 5, 45, L - 125, 45, 50, 256},
        {L - 5, 20, L - 125, 20, 50, 256},
        {L - 5, 40, L - 55, 40, 50, 256},
        {L - 5, 25, L - 55, 25, 50, 256},
        {L - 125, 40, L - 190, 40, 50, 256},
        {L - 125, 35, L - 190, 35, 50, 256},
        {L - 125, 45, L - 190, 45, 25, 256},
        {L - 125, 50, L - 190, 50, 25, 256},
        {L - 125, 55, L - 190, 55, 25, 256},
        {L - 125, 30, L - 190, 30, 25, 256},
        {L - 125, 25, L - 190, 25, 25, 256},
        {L - 125, 20, L - 190, 20, 25, 256},
        {L - 125, 15, L - 190, 15, 25, 256},
        {L - 125, 10, L - 190, 10, 25, 256},
        {L - 23, 45, L - 23, 25, 50, 256},
        {L - 40, 45, L - 40, 25, 50, 256},
        {L - 35, 25, L - 35, 20, 50, 256},
        {20, H - 14, 90, H - 14, 50, 256},
        {90, H - 14, 90, H - 5, 50, 256},
        {8, 5, 8, 150, 50, 256},
        {13, 5, 13, 150, 50, 256},
        {8, 150, 20, 150, 50, 256},
        {8, 292, 20, 292, 50, 256},
        {8, 232, 20, 232, 50, 256},
        {8, 172, 20, 172, 50, 256},
        {8, 5, 20, 5, 50, 256},
        {8, 172, 8, 292, 50, 256},
        {13, 172, 13, 292, 50, 256},
        {8, 30, 20, 30, 50, 256},
        {8, 65, 20, 65, 50, 256},
        {8, 90, 20, 90, 50, 256},
        {8, 115, 20, 115, 50, 256},
        {L - 50, 40, L - 50, 25, 25, 256},
        {L - 45, 40, L - 45, 25, 25, 256},
    };
}

} // namespace

TEST_F(Frame, TypedSizesAreSnappedAndDrawn)
{
    struct Case {
        const char* length;
        const char* height;
        double L, H;
    };
    const Case cases[] = {
        {"1189", "841", 1188, 840},   // A0 lying
        {"841", "1189", 840, 1188},   // A0 upright
        {"1783", "841", 1782, 840},   // A1 x 3
        {"2523", "1189", 2520, 1188}, // A0 x 3
        {"1892", "297", 1890, 297},   // A4 x 9
        {"2080", "420", 2079, 420},   // A3 x 7: 1 above 7 x 297
        {"844", "599", 840, 594},     // 4 and 5 above: within the largest correction of 5
        {"846", "594", 846, 594},     // 6 above 840: beyond the largest correction
        {"841.5", "594", 841.5, 594}, // not a whole millimetre above
        {"3", "297", 0, 297},         // 3 above the multiple 0
        {"210", "297", 210, 297},     // A4 upright
        {"297", "210", 297, 210},     // A4 lying
        {"150", "100", 150, 100},     // shorter than the title block
        {"12182", "210", 12177, 210}, // 2 above 58 x 210, which is 3 above 41 x 297
        {"-3", "0", -3, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        clearDrawing();
        drawSheet(dec(c.length), dec(c.height));
        ASSERT_TRUE(errors.empty()) << errors.front().toStdString();
        EXPECT_EQ(fields().Dim06, c.L);
        EXPECT_EQ(fields().Dim01, c.H);
        ASSERT_EQ(count(), 50);
        const auto expected = frameOf(c.L, c.H);
        const auto drawn = lines(0, 50);
        for (int k = 0; k < 50; ++k)
            EXPECT_EQ(drawn[k], expected[k]) << "line " << k + 1;
        // The edits keep what was typed.
        EXPECT_EQ(text("Panel2", "Edit457"), dec(c.length));
    }
}

TEST_F(Frame, BadSizeDrawsNothingAndKeepsTheStoredSheet)
{
    drawSheet("594", "420");
    ASSERT_EQ(count(), 50);
    clearDrawing();
    struct Case {
        QString length, height, message;
    };
    const Case cases[] = {
        {"", "420", notAFloat("")},
        {"abc", "420", notAFloat("abc")},
        {"1189", "", notAFloat("")},
        {"1189", "8x", notAFloat("8x")},
    };
    for (const Case& c : cases) {
        errors.clear();
        drawSheet(c.length, c.height);
        ASSERT_EQ(errors.size(), 1u);
        EXPECT_EQ(errors.front(), c.message);
        EXPECT_EQ(count(), 0);
        EXPECT_EQ(fields().Dim06, 594);
        EXPECT_EQ(fields().Dim01, 420);
    }
    // A point where the system's separator is a comma is not a number there.
    if (acad::decimalSeparator() == u',') {
        errors.clear();
        drawSheet("841.5", "594");
        EXPECT_EQ(errors, QStringList{notAFloat("841.5")});
        EXPECT_EQ(fields().Dim06, 594);
    }
}

TEST_F(Frame, EveryPressDrawsAWholeFrame)
{
    drawSheet("420", "297");
    drawSheet("420", "297");
    ASSERT_EQ(count(), 100);
    EXPECT_EQ(lines(0, 50), lines(50, 100));
    EXPECT_EQ(fields().LastLine.entity(), item(99).entity());
}

TEST_F(Frame, PanelShowsTheFormatsAndStartsEmpty)
{
    EXPECT_TRUE(text("Panel2", "Edit457").isEmpty());
    EXPECT_TRUE(text("Panel2", "Edit458").isEmpty());
    EXPECT_EQ(edit("Panel2", "Edit457")->geometry(), QRect(484, 156, 49, 23));
    EXPECT_EQ(edit("Panel2", "Edit458")->geometry(), QRect(484, 188, 49, 23));
    struct Button {
        const char* name;
        const char* caption;
        QRect place;
    };
    for (const Button& b : {Button{"BitBtn62", "Чертить", {456, 224, 75, 25}},
                            Button{"BitBtn101", "Текст", {136, 416, 75, 25}},
                            Button{"BitBtn102", "Да, разбить", {448, 416, 75, 25}}}) {
        auto* button = control<QAbstractButton>("Panel2", b.name);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), QString::fromUtf8(b.caption));
        EXPECT_EQ(button->geometry(), b.place);
    }
    QStringList shown;
    for (auto* label : panel("Panel2")->findChildren<QLabel*>())
        shown << label->text();
    for (const char* cell : {"ОСНОВНЫЕ ФОРМАТЫ ЧЕРТЕЖЕЙ", "Обозначение формата", "Размеры сторон, мм", "841 х 1189",
                             "210 х 297", "КРАТНОСТЬ И РАЗМЕРЫ (мм) ПРОИЗВОДНЫХ ФОРМАТОВ", "Кратность", "Формат",
                             "1189 х 1682", "1189 х 2523", "841 х 2378", "594 х 2102", "420 х 2080", "297 х 1892",
                             "РАЗМЕРЫ ФОРМАТА", "РАЗБИТЬ НА А4", "линиями, которые не выводятся на бумагу?"})
        EXPECT_TRUE(shown.contains(QString::fromUtf8(cell))) << cell;
    // Every size of the tables is written with the Cyrillic "х".
    for (const QString& s : shown)
        EXPECT_FALSE(s.contains(QStringLiteral(" x "))) << s.toStdString();
    auto* edit457 = edit("Panel2", "Edit457");
    edit457->ensurePolished();
    EXPECT_EQ(edit457->font().pixelSize(), 12);
    EXPECT_EQ(edit457->font().family(), QStringLiteral("Times New Roman"));
}
