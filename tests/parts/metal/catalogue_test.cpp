// The channel catalogue: its series grids, its row loader, and every size of
// it drawn by the channel panel.
#include "metal_fixture.h"

#include <QSize>

#include <array>
#include <cstdlib>

using Catalogue = MetalTest;

namespace {
const char* const kGrids[] = {"StringGrid3", "StringGrid4", "StringGrid5", "StringGrid6", "StringGrid7"};
const char* const kLoaded[] = {"Edit35", "Edit28", "Edit29", "Edit30", "Edit31", "Edit32", "Edit33"};

QStringList rowTexts(QTableWidget* grid, int row)
{
    QStringList texts;
    for (int c = 0; c < grid->columnCount(); ++c)
        texts << (grid->item(row, c) ? grid->item(row, c)->text() : QStringLiteral("<none>"));
    return texts;
}
} // namespace

TEST_F(Catalogue, TableButtonOpensTheCatalogueShowingTheEmptyGridOfSeriesS)
{
    press("Panel24", "BitBtn113");
    EXPECT_EQ(window.tableShown, panel("Panel125"));
    EXPECT_EQ(panel("Panel125")->geometry(), QRect(601, 0, 250, 533));
    for (const char* name : kGrids) {
        QTableWidget* g = grid("Panel125", name);
        const bool last = QByteArray(name) == "StringGrid7";
        EXPECT_EQ(g->size(), last ? QSize(241, 151) : QSize(0, 0)) << name;
        EXPECT_EQ(g->item(0, 0), nullptr) << name;
    }
}

TEST_F(Catalogue, SeriesButtonsShowTheirGridWithTheTextsAsPrinted)
{
    struct Case {
        const char* button;
        int grid;      // index into kGrids
        int rows;      // with the header
        int row;       // a telling row
        QStringList texts;
    };
    const QStringList header{"     №", "      № шв.", "        h", "        b"};
    const Case cases[] = {
        {"BitBtn115", 0, 19, 1, {"     1", "      5У", "       50", "       32"}},
        {"BitBtn115", 0, 19, 8, {"     8", "      16aУ", "      160", "       68"}},   // Latin a
        {"BitBtn115", 0, 19, 18, {"    18", "      40У", "      400", "      115"}},
        {"BitBtn116", 1, 19, 1, {"     19", "      5П", "        50", "        32"}},
        {"BitBtn116", 1, 19, 3, {"     21", "       8П", "        80", "        40"}},
        {"BitBtn116", 1, 19, 10, {"     28", "       18aП", "       180", "        74"}},
        {"BitBtn117", 2, 17, 2, {"     38", "      6,5Э", "        65", "        36"}},
        {"BitBtn117", 2, 17, 16, {"     52", "       40Э", "       400", "       115"}},
        {"BitBtn118", 3, 10, 1, {"     53", "      12Л", "       120", "        30"}},
        {"BitBtn119", 4, 18, 1, {"     62", "       8С", "        80", "        45"}},
        {"BitBtn119", 4, 18, 3, {"     64", "      14С\u0430", "       140", "        60"}},  // Cyrillic а
        {"BitBtn119", 4, 18, 17, {"     78", "      30С\u0431", "       300", "        89"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.texts.join(u'|').toStdString());
        press("Panel125", c.button);
        QTableWidget* shown = grid("Panel125", kGrids[c.grid]);
        for (const char* name : kGrids)
            EXPECT_EQ(grid("Panel125", name)->size(), name == kGrids[c.grid] ? QSize(241, 151) : QSize(0, 0));
        EXPECT_EQ(shown->rowCount(), c.rows);
        EXPECT_EQ(rowTexts(shown, 0), header);
        EXPECT_EQ(rowTexts(shown, c.row), c.texts);
        // Every cell of the series is written, the last row's included.
        EXPECT_EQ(shown->columnCount(), 4);
        for (int row = 0; row < shown->rowCount(); ++row) {
            const QStringList texts = rowTexts(shown, row);
            EXPECT_FALSE(texts.contains(QStringLiteral("<none>")) || texts.contains(QString())) << "row " << row;
        }
    }
    // The Latin and Cyrillic letters are told apart.
    press("Panel125", "BitBtn115");
    EXPECT_EQ(grid("Panel125", "StringGrid3")->item(8, 1)->text().back(), QChar(u'У'));
    EXPECT_EQ(grid("Panel125", "StringGrid3")->item(8, 1)->text().at(8), QChar(u'a'));
}

TEST_F(Catalogue, LoaderWritesSlopeAndSizesWithTheSystemSeparator)
{
    struct Case {
        const char* N;
        QStringList texts; // Edit35, Edit28 ... Edit33, with "." for the separator
        double scratch;    // Dim06 afterwards: r of the row
    };
    const Case cases[] = {
        {"1", {"7", "50.0", "32.0", "4.4", "7.0", "6.0", "2.5"}, 2.5},
        {"18", {"7", "400.0", "115.0", "8.0", "13.5", "15.0", "6.0"}, 6},
        {"19", {"0", "50.0", "32.0", "4.4", "7.0", "6.0", "3.5"}, 3.5},
        {" 32 ", {"0", "270.0", "95.0", "6.0", "10.5", "11.0", "6.5"}, 6.5},
        {"53", {"0", "120.0", "30.0", "3.0", "4.8", "7.0", "0.0"}, 0},
        {"62", {"6", "80.0", "45.0", "5.5", "9.0", "9.0", "1.5"}, 1.5},
        {"63", {"0", "140.0", "58.0", "6.0", "9.5", "9.5", "4.75"}, 4.75},
        {"64", {"10", "140.0", "60.0", "8.0", "9.5", "9.5", "5.00"}, 5},
        {"75", {"8", "260.0", "90.0", "10.0", "15.0", "15.0", "7.50"}, 7.5},
        {"76", {"10", "300.0", "85.0", "7.5", "13.5", "13.5", "7.00"}, 7},
    };
    // The loader writes whatever series is shown, and never the length.
    press("Panel125", "BitBtn115");
    type("Panel24", {{"Edit34", "1234"}});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.N);
        type("Panel125", {{"Edit532", c.N}});
        press("Panel125", "BitBtn114");
        EXPECT_TRUE(errors.isEmpty());
        QStringList texts, expected;
        for (const char* name : kLoaded)
            texts << text("Panel24", name);
        for (const QString& t : c.texts)
            expected << dec(t);
        EXPECT_EQ(texts, expected);
        EXPECT_EQ(fields().Dim06, c.scratch);
        EXPECT_EQ(text("Panel24", "Edit34"), QStringLiteral("1234"));
    }
    EXPECT_EQ(count(), 0);
}

TEST_F(Catalogue, NumberOutsideTheCatalogueChangesOnlyTheSlope)
{
    struct Case {
        const char* N;
        const char* slope;
    };
    for (const Case& c : {Case{"0", "7"}, Case{"-3", "7"}, Case{"79", "10"}, Case{"1000", "10"}}) {
        SCOPED_TRACE(c.N);
        for (const char* name : kLoaded)
            edit("Panel24", name)->setText(QStringLiteral("typed"));
        type("Panel125", {{"Edit532", c.N}});
        press("Panel125", "BitBtn114");
        EXPECT_TRUE(errors.isEmpty());
        EXPECT_EQ(text("Panel24", "Edit35"), QString::fromLatin1(c.slope));
        for (int k = 1; k < 7; ++k)
            EXPECT_EQ(text("Panel24", kLoaded[k]), QStringLiteral("typed")) << kLoaded[k];
        EXPECT_EQ(fields().Dim06, std::atoi(c.slope));
    }
}

TEST_F(Catalogue, RowNumberThatIsNoWholeNumberChangesNothing)
{
    for (const char* N : {"2.5", "", "12a", "2,0"}) {
        SCOPED_TRACE(N);
        errors.clear();
        for (const char* name : kLoaded)
            edit("Panel24", name)->setText(QStringLiteral("typed"));
        fields().Dim06 = -1;
        type("Panel125", {{"Edit532", N}});
        press("Panel125", "BitBtn114");
        EXPECT_EQ(errors, QStringList{QStringLiteral("'%1' is not a valid integer value.").arg(QString::fromLatin1(N))});
        for (const char* name : kLoaded)
            EXPECT_EQ(text("Panel24", name), QStringLiteral("typed")) << name;
        EXPECT_EQ(fields().Dim06, -1);
    }
}

// Every size loaded and drawn: a valid channel whose section has the area of
// the sloped-flange construction.
TEST_F(Catalogue, EverySizeDrawsAValidChannelOfItsArea)
{
    // The slopes of the catalogue, row by row.
    const std::array<int, 78> slopes = {
        7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7,   // У
        0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,   // П
        0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,         // Э
        0, 0, 0, 0, 0, 0, 0, 0, 0,                              // Л
        6, 0, 10, 0, 0, 0, 0, 6, 10, 10, 6, 0, 0, 8, 10, 10, 10 // С
    };
    const double L = 100;
    type("Panel24", {{"Edit34", num(L)}});
    for (int n = 1; n <= 78; ++n) {
        SCOPED_TRACE(n);
        clearDrawing();
        type("Panel125", {{"Edit532", QString::number(n)}});
        press("Panel125", "BitBtn114");
        double v[7];
        for (int k = 0; k < 7; ++k)
            v[k] = text("Panel24", kLoaded[k]).replace(acad::decimalSeparator(), u'.').toDouble();
        const double alpha = v[0], h = v[1], b = v[2], s = v[3], t = v[4], R = v[5], r = v[6];
        EXPECT_EQ(alpha, slopes[n - 1]);
        press("Panel24", "BitBtn19");
        auto channel = onlyPart();
        if (count() != 1)
            continue;
        const double phi = pi / 2 - alpha * pi / 180, g = std::tan(phi / 2) - phi / 2, w = b - s;
        const double area = b * h - w * (h - 2 * t) - 2 * r * r * g + 2 * R * R * g;
        EXPECT_NEAR(channel.Volume(), area * L, 1e-6 * area * L);
        expectBox(channel, 0, 0, 0, b, h, L);
    }
}
