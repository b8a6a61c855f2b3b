// The clamp table beside the clamp panel: the grid of each type, the row
// loader, and every row loaded and drawn with its own type.
#include "clamp_fixture.h"

namespace {

const char* const kEdits[] = {"Edit551", "Edit552", "Edit553", "Edit554", "Edit555",
                              "Edit556", "Edit557", "Edit558", "Edit559", "Edit561"};

QStringList rowTexts(QTableWidget* grid, int row)
{
    QStringList texts;
    for (int c = 0; c < grid->columnCount(); ++c)
        texts << (grid->item(row, c) ? grid->item(row, c)->text() : QStringLiteral("<none>"));
    return texts;
}

// The radio button of a row's type: 1-21 type III, 22-46 type II, 47-73 type I.
const char* radioOf(int n)
{
    return n <= 21 ? "RadioButton58" : n <= 46 ? "RadioButton57" : "RadioButton56";
}

} // namespace

class ClampTable : public ClampTest {
protected:
    void load(const QString& n)
    {
        type("Panel135", {{"Edit560", n}});
        press("Panel135", "BitBtn33");
    }
    void typeEverywhere(const QString& t)
    {
        for (const char* e : kEdits)
            type("Panel134", {{e, t}});
    }
    QStringList edits()
    {
        QStringList t;
        for (const char* e : kEdits)
            t << text("Panel134", e);
        return t;
    }
};

TEST_F(ClampTable, TheTableButtonOnlyOpensTheTable)
{
    QTableWidget* g = grid("Panel135", "StringGrid13");
    press("Panel134", "BitBtn16");
    EXPECT_EQ(window.tableShown, panel("Panel135"));
    EXPECT_EQ(panel("Panel135")->geometry(), QRect(601, 0, 250, 533));
    // Empty until a type is chosen.
    ASSERT_EQ(g->rowCount(), 28);
    for (int r = 1; r < 28; ++r)
        EXPECT_EQ(rowTexts(g, r), QStringList({"<none>", "<none>", "<none>"})) << r;
    EXPECT_EQ(g->columnWidth(0), 43);
    EXPECT_EQ(g->columnWidth(1), 89);
    EXPECT_EQ(g->columnWidth(2), 83);
    EXPECT_EQ(count(), 0);
}

TEST_F(ClampTable, TypeButtonsFillTheGridWithTheirRows)
{
    QTableWidget* g = grid("Panel135", "StringGrid13");
    const QStringList header{"    №", "             D", "             H"};
    struct Case {
        const char* button;
        int rows, first;
        std::vector<std::pair<int, QStringList>> telling;
    };
    const Case cases[] = {
        {"BitBtn20", 28, 47,
         {{1, {"    47", "            30", "            14,0"}},
          {8, {"    54", "            45", "            21,5"}},
          {27, {"    73", "           150", "            74,5"}}}},
        // Type I then type III: the grid shrinks to 22 rows, the last row 21.
        {"BitBtn30", 22, 1,
         {{1, {"    1", "             3", "             2,5"}},
          {9, {"    9", "            16", "            14,2"}},
          {10, {"   10", "            18", "            16,2"}},
          {21, {"   21", "            60", "            55,5"}}}},
        {"BitBtn25", 26, 22,
         {{1, {"    22", "            32", "            14,5"}},
          {9, {"    30", "            70", "            33,0"}},
          {25, {"    46", "           150", "            73,0"}}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        press("Panel135", c.button);
        ASSERT_EQ(g->rowCount(), c.rows);
        EXPECT_EQ(rowTexts(g, 0), header);
        EXPECT_EQ(g->horizontalHeaderItem(0)->text(), header[0]);
        for (const auto& [row, texts] : c.telling)
            EXPECT_EQ(rowTexts(g, row), texts) << row;
        for (int r = 1; r < c.rows; ++r) {
            EXPECT_EQ(g->item(r, 0)->text().trimmed().toInt(), c.first + r - 1);
            EXPECT_EQ(g->item(r, 1)->text().size(), 14);
            EXPECT_EQ(g->item(r, 2)->text().size(), 16);
            EXPECT_TRUE(g->item(r, 2)->text().contains(u',')) << r;
            EXPECT_FALSE(g->item(r, 1)->flags() & Qt::ItemIsEditable);
        }
    }
    EXPECT_TRUE(errors.empty());
}

TEST_F(ClampTable, TheLoaderWritesTheRowsSizesAndTheTabDepth)
{
    struct Case {
        const char* n;
        // D, H, r, S, L, B, d, A, L1, h as the edits read afterwards.
        const char* texts;
        double dim05;
    };
    const Case cases[] = {
        {"1", "3.0 2.5 1.2 0.5 17.0 6.0 2.4 11.0 t t", 1.2},
        {"47", "30.0 14.0 2.0 1.5 71.0 25.0 6.6 52.0 35.0 4", 2},
        {"73", "150.0 74.5 3.0 2.0 203.0 25.0 9.0 180.0 101.0 4", 3},
        {"46", "150.0 73.0 3.0 2.0 205.0 25.0 9.0 180.0 t t", 3},
        {"74", "t t t t t t t t t 4", 4},
        {"0", "t t t t t t t t t t", -7},
        {"-5", "t t t t t t t t t t", -7},
    };
    type("Panel134", {{"Edit562", "K"}});
    check("Panel134", "RadioButton57");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.n);
        typeEverywhere("t");
        fields().Dim05 = -7;
        load(QString::fromLatin1(c.n));
        EXPECT_TRUE(errors.empty());
        QStringList expected;
        for (const QString& t : QString::fromLatin1(c.texts).split(u' '))
            expected << dec(t);
        EXPECT_EQ(edits(), expected);
        EXPECT_EQ(fields().Dim05, c.dim05);
        // Neither the coefficient nor the type is touched.
        EXPECT_EQ(text("Panel134", "Edit562"), QStringLiteral("K"));
        EXPECT_TRUE(control<QRadioButton>("Panel134", "RadioButton57")->isChecked());
    }
    EXPECT_EQ(count(), 0);
}

TEST_F(ClampTable, NumbersThatAreNotWholeChangeNothing)
{
    for (const char* n : {"", "1.5", "1,5", "N"}) {
        SCOPED_TRACE(n);
        errors.clear();
        typeEverywhere("t");
        load(QString::fromLatin1(n));
        EXPECT_EQ(errors, QStringList{QStringLiteral("'%1' is not a valid integer value.").arg(n)});
        EXPECT_EQ(edits(), QStringList(10, QStringLiteral("t")));
    }
}

// Every row loaded with its type selected draws one clamp and its blank.
TEST_F(ClampTable, EveryRowDrawsItsClampAndItsBlank)
{
    type("Panel134", {{"Edit562", dec("0.4")}});
    for (int n = 1; n <= 73; ++n) {
        SCOPED_TRACE(n);
        clearDrawing();
        errors.clear();
        check("Panel134", radioOf(n));
        load(QString::number(n));
        press("Panel134", "BitBtn13");
        const acad::IAcad3DSolid clamp = onlyPart(20);
        if (clamp.isNull())
            continue;
        EXPECT_EQ(lumps(clamp), 1);
        // The volume from the loaded sizes, piece by piece: the holes pass
        // through the flat feet, clear of the bends.
        auto value = [this](const char* e) { return acad::StrToFloat(text("Panel134", e)); };
        const Sizes s{value("Edit551"), value("Edit552"), value("Edit553"), value("Edit554"),
                      value("Edit555"), value("Edit556"), value("Edit557"), value("Edit558")};
        const double rho = s.D / 2 + s.S + s.r;
        const double u = n <= 21 ? s.D / 2 + 2 * s.S + s.r - s.H : std::fabs(s.D / 2 + s.S - s.H) + s.S + s.r;
        const double w = std::sqrt(rho * rho - u * u), phi = std::atan(u / w);
        const double ends = n <= 46 ? roundEnds(s) : s.B * typeOneEnds(s, value("Edit559"), 4);
        const double volume = s.B * stripArea(s, w, phi) + ends - holes(s);
        EXPECT_NEAR(clamp.Volume(), volume, 1e-6 * volume);
        press("Panel134", "BitBtn35");
        EXPECT_TRUE(errors.empty());
        EXPECT_EQ(count(), 1 + (n > 46 ? 12 : 10));
    }
}
