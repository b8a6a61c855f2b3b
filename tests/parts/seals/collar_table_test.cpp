// The collar table beside the collar panel: its two lists, its row loader,
// and every row drawn by the collar panel.
#include "seals_fixture.h"

using CollarTable = SealsTest;

namespace {

const char* const kPistonEdits[] = {"Edit223", "Edit224", "Edit212", "Edit213", "Edit214",
                                    "Edit215", "Edit216", "Edit217", "Edit218"};
const char* const kRodEdits[] = {"Edit223", "Edit224", "Edit219", "Edit220", "Edit221", "Edit222", "Edit225", "Edit226"};

// Rows 1 to 29 as the table prints them, in the loader's order of writing
// (see kPistonEdits, kRodEdits); "-" where a rod row writes no d1.
const char* const kRows[] = {
    "2 1.2 40.025 39.84 30 24 10 4.0 0.5",
    "2.5 1.5 50.025 49.84 38 30 12 4.0 0.5",
    "2.5 1.5 60.03 59.8 48 40 12 4.0 0.5",
    "2.5 1.5 75.03 74.8 65 55 12 4.0 0.5",
    "2.5 1.5 90.035 89.82 85 70 12 4 1",
    "2.5 1.5 100.035 99.82 98 80 12 4 1",
    "3.0 1.8 105.035 104.82 103 80 14.5 6 1",
    "3.5 2.3 125.040 124.71 123 95 17.0 6 1.5",
    "3.5 2.3 150.040 149.74 148 120 17.0 6 1.5",
    "3.5 2.3 180.040 179.74 178 150 17.0 6 1.5",
    "3.5 2.3 200.045 199.70 198 170 17.0 6 1.5",
    "3.5 2.3 215.045 214.70 208 170 17.0 6 1.5",
    "5.0 3.0 250.045 249.70 248 210 22 8 2",
    "5.0 3.0 300.05 299.67 298 260 22 8 2",
    "1.0 0.6 5.97 6.01 10 14 6 12",
    "1.0 0.6 7.97 8.01 12 16 6 12",
    "1.0 0.6 9.97 10.01 13.7 18 6 12",
    "1.0 0.6 11.96 12.02 15.6 20 6 12",
    "1.0 0.6 15.96 16.02 20 24 6 12",
    "1.5 1.0 19.94 20.02 26 32 8 12",
    "2.5 1.5 24.94 25.02 39 45 12 12",
    "2.5 1.5 29.94 30.02 40 50 12 12",
    "2.5 1.5 34.93 35.03 40 55 12 12",
    "2.5 1.5 39.93 40.03 - 60 12 18",
    "2.5 1.5 44.93 45.03 - 65 12 18",
    "2.5 1.5 49.93 50.03 - 70 12 18",
    "2.5 1.5 59.92 60.03 - 80 12 18",
    "2.5 1.5 69.92 70.03 - 90 12 22",
    "2.5 1.5 79.92 80.03 - 100 12 22",
};

QStringList rowTexts(QTableWidget* grid, int row)
{
    QStringList texts;
    for (int c = 0; c < grid->columnCount(); ++c)
        texts << (grid->item(row, c) ? grid->item(row, c)->text() : QStringLiteral("<none>"));
    return texts;
}

} // namespace

TEST_F(CollarTable, TableButtonsOpenTheTableWithTheirList)
{
    QTableWidget* g = grid("Panel139", "StringGrid15");
    const QStringList header{"  №", "        Манжеты", "            D "};
    struct Case {
        const char* button;
        int rows;
        std::vector<std::pair<int, QStringList>> telling;
    };
    const Case cases[] = {
        {"BitBtn43", 16,
         {{1, {"   15", "         6 x 14", "            6 "}},
          {2, {"   16", "         8 x 16", "            8"}},
          {9, {"   23", "        35 x 55", "           35"}},
          {15, {"   29", "        80 x 100", "           80"}}}},
        {"BitBtn36", 15,
         {{1, {"   1", "        24 x 40", "           40 "}},
          {6, {"   6", "        80 x 100", "          100 "}},
          {9, {"   9", "       120 x 150", "          150 "}},
          {12, {"  12", "       180 x 210", "          210 "}},
          {14, {"  14", "       260 x 300", "          300 "}}}},
        {"BitBtn43", 16, {{10, {"   24", "        40 x 60", "           40"}}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        window.tableShown = nullptr;
        press("Panel69", c.button);
        EXPECT_EQ(window.tableShown, panel("Panel139"));
        EXPECT_EQ(panel("Panel139")->geometry(), QRect(601, 0, 250, 533));
        ASSERT_EQ(g->rowCount(), c.rows);
        EXPECT_EQ(rowTexts(g, 0), header);
        for (const auto& [row, texts] : c.telling)
            EXPECT_EQ(rowTexts(g, row), texts) << row;
        // Every size is "inner x outer" with the Latin x, numbered in turn.
        const int first = c.rows == 15 ? 1 : 15;
        for (int r = 1; r < c.rows; ++r) {
            EXPECT_EQ(g->item(r, 0)->text().trimmed().toInt(), first + r - 1);
            EXPECT_TRUE(g->item(r, 1)->text().contains(QStringLiteral(" x "))) << r;
        }
    }
    EXPECT_EQ(count(), 0);
}

// Every row loaded under the separator in force, then drawn by its group.
TEST_F(CollarTable, EveryRowLoadsAsPrintedAndDraws)
{
    press("Panel69", "BitBtn36");
    for (int n = 1; n <= 29; ++n) {
        SCOPED_TRACE(n);
        clearDrawing();
        for (const char* name : kPistonEdits)
            type("Panel69", {{name, "typed"}});
        for (const char* name : kRodEdits)
            type("Panel69", {{name, "typed"}});
        type("Panel139", {{"Edit564", QString::number(n)}});
        press("Panel139", "BitBtn40");
        EXPECT_TRUE(errors.empty());
        const QStringList values = QString::fromLatin1(kRows[n - 1]).split(u' ');
        const bool piston = n <= 14;
        const char* const* edits = piston ? kPistonEdits : kRodEdits;
        for (int k = 0; k < values.size(); ++k)
            EXPECT_EQ(text("Panel69", edits[k]), values[k] == "-" ? QStringLiteral("typed") : dec(values[k]))
                << edits[k];
        // The other group's own edits keep their texts.
        const char* const* others = piston ? kRodEdits : kPistonEdits;
        for (int k = 2; k < (piston ? 8 : 9); ++k)
            EXPECT_EQ(text("Panel69", others[k]), QStringLiteral("typed")) << others[k];
        EXPECT_EQ(fields().Dim05, values.back().toDouble());

        // Row 12 as it stands: its collar is wider than its groove.
        press("Panel69", piston ? "BitBtn65" : "BitBtn66");
        EXPECT_TRUE(errors.empty()) << (errors.empty() ? "" : errors.front().toStdString());
        ASSERT_EQ(count(), 2);
        solid(0, 5);
        solid(1, 1);
        errors.clear();
    }
}

TEST_F(CollarTable, NumbersOutsideTheTableChangeNothingAndNonIntegersStopTheLoader)
{
    type("Panel139", {{"Edit564", "1"}});
    press("Panel139", "BitBtn40");
    for (const char* N : {"0", "30", "-1"}) {
        SCOPED_TRACE(N);
        fields().Dim05 = -7;
        type("Panel139", {{"Edit564", N}});
        press("Panel139", "BitBtn40");
        EXPECT_TRUE(errors.empty());
        EXPECT_EQ(text("Panel69", "Edit212"), dec("40.025"));
        EXPECT_EQ(text("Panel69", "Edit219"), QString());
        EXPECT_EQ(fields().Dim05, -7);
    }
    for (const char* N : {"1,5", "1.5", "", "N"}) {
        SCOPED_TRACE(N);
        errors.clear();
        type("Panel139", {{"Edit564", N}});
        press("Panel139", "BitBtn40");
        EXPECT_EQ(errors, QStringList{QStringLiteral("'%1' is not a valid integer value.").arg(QString::fromLatin1(N))});
        EXPECT_EQ(text("Panel69", "Edit212"), dec("40.025"));
        EXPECT_EQ(fields().Dim05, -7);
    }
}

TEST_F(CollarTable, RowTwentyFourLeavesDOneForTheSeatThatHasNone)
{
    // Loaded while the piston list is shown: the row number alone counts.
    press("Panel69", "BitBtn36");
    type("Panel139", {{"Edit564", "24"}});
    press("Panel139", "BitBtn40");
    EXPECT_EQ(text("Panel69", "Edit221"), QString());
    EXPECT_EQ(text("Panel69", "Edit219"), dec("39.93"));
    press("Panel69", "BitBtn66");
    EXPECT_TRUE(errors.empty());
    ASSERT_EQ(count(), 2);
    // Seat variant 2 starts at the groove's near wall.
    expectBox(solid(0, 5), 0.5, -30, -30, 30.5, 30, 30, 1e-6);
}
