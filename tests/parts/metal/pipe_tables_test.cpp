// The pipe tables: one grid for either standard, every entry where its number
// puts it, with the texts as the standards print them.
#include "metal_fixture.h"

#include <QSize>

#include <span>
#include <tuple>

using PipeTables = MetalTest;

namespace {
QStringList rowTexts(QTableWidget* grid, int row)
{
    QStringList texts;
    for (int c = 0; c < grid->columnCount(); ++c)
        texts << (grid->item(row, c) ? grid->item(row, c)->text() : QStringLiteral("<none>"));
    return texts;
}

double number(const QString& text)
{
    return QString(text).replace(u',', u'.').toDouble();
}

const QStringList kHeader{"   №", "      b", "     h", "      t", "   Rmax"};
} // namespace

TEST_F(PipeTables, TableButtonOpensTheEmptyTableBesideThePipePanel)
{
    press("Panel10", "BitBtn5");
    EXPECT_EQ(window.tableShown, panel("Panel132"));
    EXPECT_EQ(panel("Panel132")->geometry(), QRect(601, 0, 250, 533));
    QTableWidget* g = grid("Panel132", "StringGrid12");
    EXPECT_EQ(g->item(0, 0), nullptr);
    press("Panel10", "BitBtn5");
    EXPECT_EQ(g->item(0, 0), nullptr);
}

TEST_F(PipeTables, BothStandardsShareTheGridWithTheirTellingRows)
{
    struct Case {
        int row;
        QStringList texts;
    };
    const Case square[] = {
        {1, {"   1", "   10", "   10", "    1", "      2"}},
        {3, {"   3", "   15", "   15", "    1,5", "      3"}},
        {23, {"   23", "   40", "   40", "    2", "      4"}},
        {48, {"   48", "   50", "   50", "    8", "      12"}},
        {93, {"   93", "   180", "   180", "    14", "      28"}},
        {94, {"   94", "   32", "   32", "    4", "      8"}},
        {96, {"   96", "   40", "   40", "    2", "      4"}},
        {97, {"   97", "   65", "   65", "    6", "      12"}},
    };
    const Case rectangular[] = {
        {1, {"   98", "   15", "   10", "    1", "      2"}},
        {3, {"  100", "   15", "   10", "    2", "      4"}},
        {202, {"  299", "   140", "   80", "    6", "      12"}},
        {203, {"  300", "   140", "   80", "    7", "      14"}},
        {231, {"  328", "   180", "   150", "     12", "      24"}},
        {232, {"  329", "    28", "    25", "     1,5", "      3"}},
        {244, {"  341", "   180", "   145", "     20", "      40"}},
        {248, {"  345", "   230", "   100", "     8", "      16"}},
    };
    QTableWidget* g = grid("Panel132", "StringGrid12");
    // Either order of the buttons, and each pressed twice: the grid shows the last.
    for (const char* first : {"BitBtn129", "BitBtn128"}) {
        press("Panel132", first);
        press("Panel132", first);
        press("Panel132", first == QByteArray("BitBtn128") ? "BitBtn129" : "BitBtn128");
        const bool squares = first == QByteArray("BitBtn129");
        EXPECT_EQ(g->rowCount(), squares ? 98 : 249);
        EXPECT_EQ(g->size(), QSize(238, 214));
        EXPECT_EQ(rowTexts(g, 0), kHeader);
        for (const Case& c : squares ? std::span<const Case>(square) : std::span<const Case>(rectangular))
            EXPECT_EQ(rowTexts(g, c.row), c.texts) << c.row;
    }
    EXPECT_TRUE(errors.isEmpty());
}

// Sizes as b, h, t, for the order of the ordered part of a table.
using Size = std::tuple<double, double, double>;

Size sizeOf(const QStringList& t)
{
    return {number(t[1]), number(t[2]), number(t[3])};
}

TEST_F(PipeTables, EveryEntryStandsOnceInNumberOrderWithItsLargestRadius)
{
    QTableWidget* g = grid("Panel132", "StringGrid12");
    press("Panel132", "BitBtn128");
    for (int row = 1; row < g->rowCount(); ++row) {
        const QStringList t = rowTexts(g, row);
        if (row > 1 && row <= 93) {
            EXPECT_LT(sizeOf(rowTexts(g, row - 1)), sizeOf(t));
        }
        SCOPED_TRACE(t.join(u'|').toStdString());
        EXPECT_EQ(t[0].trimmed().toInt(), row);
        EXPECT_EQ(t[1], t[2]);
        EXPECT_EQ(number(t[4]), row == 48 ? 12 : 2 * number(t[3]));
        for (const QString& cell : t)
            EXPECT_FALSE(cell.endsWith(u' '));
    }
    press("Panel132", "BitBtn129");
    for (int row = 1; row < g->rowCount(); ++row) {
        const QStringList t = rowTexts(g, row);
        SCOPED_TRACE(t.join(u'|').toStdString());
        const int n = row + 97;
        EXPECT_EQ(t[0].trimmed().toInt(), n);
        if (n > 98 && n <= 328) {
            EXPECT_LT(sizeOf(rowTexts(g, row - 1)), sizeOf(t));
        }
        EXPECT_GT(number(t[1]), number(t[2]));
        EXPECT_EQ(number(t[4]), 2 * number(t[3]));
    }
}
