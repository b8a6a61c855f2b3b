// The key section tables beside the keyed-bore panel: the three standards'
// grids stacked in one place, the row loader, and every row drawn.
#include "design_fixture.h"

#include <QSize>

namespace {
const char* const kGrids[] = {"StringGrid8", "StringGrid9", "StringGrid10"};
const QStringList kHeader{"   №", "       d", " Сечение шпонки b x h"};
} // namespace

class KeyTables : public DesignTest {
protected:
    void load(const QString& n)
    {
        edit("Panel129", "Edit542")->setText(n);
        press("Panel129", "BitBtn127");
    }
    QStringList keyway() { return {text("Panel128", "Edit538"), text("Panel128", "Edit539"), text("Panel128", "Edit541")}; }
};

TEST_F(KeyTables, TableButtonShowsThePanelWithTheGridLastChosen)
{
    press("Panel128", "BitBtn123");
    EXPECT_EQ(window.tableShown, panel("Panel129"));
    EXPECT_EQ(panel("Panel129")->geometry(), QRect(601, 0, 250, 533));
    for (const char* name : kGrids) {
        EXPECT_EQ(grid("Panel129", name)->size(), QSize(0, 0)) << name;
        EXPECT_EQ(grid("Panel129", name)->item(0, 0), nullptr) << name;
    }
    press("Panel129", "BitBtn125");
    press("Panel128", "BitBtn123");
    EXPECT_EQ(grid("Panel129", "StringGrid9")->size(), QSize(238, 175));
    EXPECT_EQ(grid("Panel129", "StringGrid8")->size(), QSize(0, 0));
}

TEST_F(KeyTables, StandardButtonsShowTheirRowsInTheSamePlace)
{
    struct Case {
        const char* button;
        int grid;
        int rows;
        int row;
        QStringList texts;
    };
    const Case cases[] = {
        {"BitBtn124", 0, 19, 1, {"   1", "   6...8", "                2 x 2"}},
        {"BitBtn124", 0, 19, 2, {"   2", "  >8...10", "                3 x 3"}},
        {"BitBtn124", 0, 19, 8, {"   8", "  >30...38", "               10 x 8"}},
        {"BitBtn124", 0, 19, 18, {"   18", "  >110...130", "               32 x 18"}},
        {"BitBtn125", 1, 12, 1, {"   19", "  >30...38", "               10 x 9"}},
        {"BitBtn125", 1, 12, 11, {"   29", "  >130...150", "               36 x 32"}},
        {"BitBtn126", 2, 15, 1, {"   30", "   22...30", "                8 x 7"}},
        {"BitBtn126", 2, 15, 14, {"   43", "  >170...200", "               45 x 25"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.texts.join(u'|').toStdString());
        press("Panel129", c.button);
        press("Panel129", c.button);
        QTableWidget* shown = grid("Panel129", kGrids[c.grid]);
        for (const char* name : kGrids)
            EXPECT_EQ(grid("Panel129", name)->geometry(),
                      QRect(QPoint(6, 48), name == kGrids[c.grid] ? QSize(238, 175) : QSize(0, 0)));
        EXPECT_EQ(shown->rowCount(), c.rows);
        EXPECT_EQ(rowTexts(shown, 0), kHeader);
        EXPECT_EQ(rowTexts(shown, c.row), c.texts);
    }
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(KeyTables, LoaderWritesTheKeywayWithItsDecimals)
{
    type("Panel128", {{"Edit537", num(30)}, {"Edit540", num(40)}});
    struct Case {
        const char* n;
        QStringList keyway;
        double r1;
    };
    const Case cases[] = {
        {"1", {"2", dec("1.0"), dec("0.12")}, 0.12},
        {" 7 ", {"8", dec("3.3"), dec("0.205")}, 0.205},
        {"30", {"8", dec("3.3"), dec("0.205")}, 0.205},
        {"13", {"20", dec("4.9"), dec("0.500")}, 0.5},
        {"43", {"45", dec("10.4"), dec("0.850")}, 0.85},
    };
    for (const Case& c : cases) {
        load(c.n);
        EXPECT_EQ(keyway(), c.keyway) << c.n;
        EXPECT_EQ(fields().Dim06, c.r1) << c.n;
    }
    // Rows that are not in the tables change nothing, not even the scratch slot.
    for (const char* n : {"0", "44", "-1"}) {
        load(n);
        EXPECT_EQ(keyway(), cases[4].keyway) << n;
        EXPECT_EQ(fields().Dim06, 0.85) << n;
    }
    EXPECT_TRUE(errors.isEmpty());
    // d, L and the corner switch are the user's.
    EXPECT_EQ(text("Panel128", "Edit537"), num(30));
    EXPECT_EQ(text("Panel128", "Edit540"), num(40));
    EXPECT_TRUE(control<QRadioButton>("Panel128", "RadioButton50")->isChecked());
    EXPECT_EQ(count(), 0);
}

TEST_F(KeyTables, RowNumberThatIsNotAWholeNumberChangesNothing)
{
    load("5");
    for (const char* n : {"", "abc", "1.5", "1,5"}) {
        errors.clear();
        load(n);
        EXPECT_EQ(errors, QStringList{notAnInteger(n)});
        EXPECT_EQ(keyway(), (QStringList{"6", dec("2.8"), dec("0.205")}));
    }
}

TEST_F(KeyTables, EveryRowDrawnOnTheLargestShaftOfItsRange)
{
    for (const char* button : {"BitBtn124", "BitBtn125", "BitBtn126"})
        press("Panel129", button);
    for (int n = 1; n <= 43; ++n) {
        QTableWidget* g = grid("Panel129", n <= 18 ? "StringGrid8" : n <= 29 ? "StringGrid9" : "StringGrid10");
        const int row = n <= 18 ? n : n <= 29 ? n - 18 : n - 29;
        const QString range = g->item(row, 1)->text();
        const double d = range.mid(range.indexOf(QStringLiteral("...")) + 3).toDouble();
        SCOPED_TRACE(QStringLiteral("%1: d = %2").arg(n).arg(d).toStdString());
        load(QString::number(n));
        edit("Panel128", "Edit537")->setText(num(d));
        edit("Panel128", "Edit540")->setText(num(10));
        press("Panel128", "BitBtn122");
        const double b = acad::StrToFloat(text("Panel128", "Edit538"));
        const double t2 = acad::StrToFloat(text("Panel128", "Edit539"));
        const double r1 = acad::StrToFloat(text("Panel128", "Edit541"));
        EXPECT_EQ(QString::number(b), g->item(row, 2)->text().trimmed().section(u' ', 0, 0));
        const double R = d / 2, yc = std::sqrt(R * R - b * b / 4);
        const double area = pi * R * R - segmentArea(R, 2 * std::asin(b / d)) + b * (d + t2 - R - yc) -
                            2 * r1 * r1 * (1 - pi / 4);
        EXPECT_NEAR(onlyPart(20).Volume(), 10 * area, 1e-6);
        clearDrawing();
    }
}
