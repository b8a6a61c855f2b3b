// The ball connection's three pages, its pipe sizes beside them and the
// row loader that fills the pages.
#include "support/window_fixture.h"
#include "pipes_fixture.h"

#include <QHeaderView>
#include <QLabel>

namespace {

// The end fitting's edits in the order of the thread-dependent columns:
// c1, L, L1, D0, L2, b1, L3, d4.
const char* const kThreadEdits[] = {"Edit395", "Edit396", "Edit412", "Edit413",
                                    "Edit414", "Edit416", "Edit415", "Edit417"};

struct Value {
    const char* page;
    const char* edit;
    double value;
};

// Row 3 of the sizes, every value but the thread-dependent ones.
const Value kRow3Common[] = {
    {"Panel94", "Edit402", 14},   {"Panel94", "Edit400", 34},  {"Panel94", "Edit401", 34},
    {"Panel94", "Edit392", 27},   {"Panel94", "Edit393", 22},  {"Panel94", "Edit394", 1.6},
    {"Panel94", "Edit397", 16},   {"Panel94", "Edit398", 3},   {"Panel94", "Edit399", 24.8},
    {"Panel94", "Edit418", 30},   {"Panel94", "Edit420", 30},  {"Panel94", "Edit419", 28},
    {"Panel96", "Edit404", 6},    {"Panel96", "Edit405", 10},  {"Panel96", "Edit406", 35},
    {"Panel96", "Edit407", 22},   {"Panel96", "Edit408", 20},  {"Panel96", "Edit421", 16},
    {"Panel96", "Edit422", 22},   {"Panel96", "Edit423", 25},  {"Panel96", "Edit403", 10},
    {"Panel95", "Edit424", 26.4}, {"Panel95", "Edit425", 22},  {"Panel95", "Edit426", 16},
    {"Panel95", "Edit435", 25},   {"Panel95", "Edit427", 22},  {"Panel95", "Edit428", 18},
    {"Panel95", "Edit430", 27},   {"Panel95", "Edit431", 30},  {"Panel95", "Edit433", 30},
    {"Panel95", "Edit434", 30},   {"Panel95", "Edit429", 5.4},
};

} // namespace

class BallPages : public PipesTest {
protected:
    // A value as the loader writes it: three decimals, the separator in force.
    static QString fixed3(double v) { return dec(QString::number(v, 'f', 3)); }

    void load(const QString& n)
    {
        type("Panel122", {{"Edit523", n}});
        press("Panel122", "SpeedButton18");
    }
    QRect geometry(const char* name) { return panel(name)->geometry(); }
};

TEST_F(BallPages, PageButtonsSwitchSizesOnlyUnderTheTopStripOfTheEndFittingPage)
{
    EXPECT_EQ(geometry("Panel94"), QRect(0, 50, 0, 0));
    EXPECT_EQ(geometry("Panel96"), QRect(0, 257, 0, 0));
    EXPECT_EQ(geometry("Panel95"), QRect(0, 257, 0, 0));
    window.FullPanelLayout(panel("Panel94"));

    press("Panel94", "BitBtn95");
    EXPECT_EQ(geometry("Panel94"), QRect(0, 50, 601, 207));
    EXPECT_EQ(geometry("Panel96"), QRect(0, 257, 601, 250));
    EXPECT_EQ(geometry("Panel95"), QRect(0, 257, 0, 0));
    press("Panel96", "SpeedButton2");
    EXPECT_EQ(geometry("Panel94"), QRect(0, 50, 601, 207));
    EXPECT_EQ(geometry("Panel95"), QRect(0, 257, 601, 250));
    EXPECT_EQ(geometry("Panel96"), QRect(0, 257, 0, 0));
    press("Panel95", "SpeedButton3");
    EXPECT_EQ(geometry("Panel96"), QRect(0, 257, 601, 250));
    EXPECT_EQ(geometry("Panel95"), QRect(0, 257, 0, 0));
    press("Panel96", "BitBtn96");
    EXPECT_EQ(geometry("Panel94"), QRect(0, 50, 601, 459));
    EXPECT_EQ(geometry("Panel96"), QRect(0, 257, 0, 0));
    EXPECT_EQ(geometry("Panel95"), QRect(0, 257, 0, 0));

    // What stays in sight above the other pages.
    for (const char* name : {"Image44", "Edit402", "Edit401", "Edit400", "Edit409", "Edit410", "Edit411",
                             "BitBtn86", "SpeedButton17"}) {
        SCOPED_TRACE(name);
        EXPECT_LE(control<QWidget>("Panel94", name)->geometry().bottom(), 207);
    }
}

TEST_F(BallPages, StartWithPointAAtTheOriginCylindricalThreadAndHorizontalAxis)
{
    for (const char* xyz : {"Edit409", "Edit410", "Edit411"})
        EXPECT_EQ(text("Panel94", xyz), QStringLiteral("0"));
    for (const Value& v : kRow3Common)
        EXPECT_TRUE(text(v.page, v.edit).isEmpty()) << v.edit;
    EXPECT_TRUE(control<QRadioButton>("Panel94", "RadioButton31")->isChecked());
    EXPECT_FALSE(control<QRadioButton>("Panel94", "RadioButton30")->isChecked());
    EXPECT_TRUE(control<QRadioButton>("Panel96", "RadioButton32")->isChecked());
    EXPECT_FALSE(control<QRadioButton>("Panel96", "RadioButton33")->isChecked());
    // The two groups are separate.
    check("Panel96", "RadioButton33");
    EXPECT_TRUE(control<QRadioButton>("Panel94", "RadioButton31")->isChecked());
    EXPECT_EQ(control<QLabel>("Panel91", "Image40")->size(), QSize(518, 246));
}

TEST_F(BallPages, TableButtonShowsSevenPipeSizesWithTheirHeaderAsAnOrdinaryRow)
{
    press("Panel94", "SpeedButton17");
    EXPECT_EQ(window.tableShown, panel("Panel122"));
    QTableWidget* g = grid("Panel122", "StringGrid1");
    ASSERT_EQ(g->rowCount(), 8);
    ASSERT_EQ(g->columnCount(), 3);
    const QStringList expected[] = {
        {"№", "Труба, dн х S", "Dу"}, {"1", "12 x 2", "8"},   {"2", "14 x 2", "10"}, {"3", "20 x 2,5", "15"},
        {"4", "25 x 3", "20"},        {"5", "32 x 3,5", "25"}, {"6", "40 x 4", "32"}, {"7", "50 x 5", "40"},
    };
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 3; ++c)
            EXPECT_EQ(g->item(r, c)->text(), expected[r][c]) << r << ", " << c;
    EXPECT_FALSE(g->isRowHidden(0));
    EXPECT_TRUE(g->horizontalHeader()->isHidden());
    EXPECT_TRUE(g->item(0, 0)->flags() & Qt::ItemIsSelectable);
    EXPECT_FALSE(g->item(3, 1)->flags() & Qt::ItemIsEditable);
    EXPECT_EQ(g->columnWidth(1), 102);
}

TEST_F(BallPages, RowThreeWritesTheThreadValuesOfTheSwitchSelectedAtLoadTime)
{
    const double g[] = {2, 41, 14, 20.956, 0, 3, 0, 18};
    const double k[] = {1.6, 46, 13.5, 21.56, 8.128, 0, 19, 0};
    struct Case {
        const char* radio;
        const double* values;
    };
    for (const Case& c : {Case{"RadioButton31", g}, Case{"RadioButton30", k}}) {
        SCOPED_TRACE(c.radio);
        check("Panel94", c.radio);
        load(QStringLiteral("3"));
        EXPECT_TRUE(errors.isEmpty());
        for (int i = 0; i < 8; ++i)
            EXPECT_EQ(text("Panel94", kThreadEdits[i]), fixed3(c.values[i])) << kThreadEdits[i];
        for (const Value& v : kRow3Common)
            EXPECT_EQ(text(v.page, v.edit), fixed3(v.value)) << v.edit;
        // The last value written, the nut's b, stays in the bank.
        EXPECT_EQ(fields().Dim06, 5.4);
    }
    // Switching afterwards does not reload.
    check("Panel94", "RadioButton31");
    EXPECT_EQ(text("Panel94", "Edit414"), fixed3(8.128));
}

TEST_F(BallPages, RowSevenHasItsOwnNutWidthAndMainPlane)
{
    check("Panel94", "RadioButton30");
    load(QStringLiteral(" 7 "));
    EXPECT_EQ(text("Panel94", "Edit414"), fixed3(10.868));
    EXPECT_EQ(text("Panel95", "Edit429"), fixed3(6.5));
    EXPECT_EQ(text("Panel95", "Edit424"), fixed3(54.8));
    EXPECT_EQ(text("Panel94", "Edit394"), QStringLiteral("2") + acad::decimalSeparator() + QStringLiteral("000"));
    EXPECT_EQ(fields().Dim06, 6.5);
}

TEST_F(BallPages, LoaderLeavesPointAAndTheSwitchesAndIgnoresNumbersOutsideTheTable)
{
    type("Panel94", {{"Edit409", dec("12.5")}, {"Edit410", "-3"}, {"Edit411", "7"}, {"Edit396", "99"}});
    check("Panel94", "RadioButton30");
    check("Panel96", "RadioButton33");
    for (const char* n : {"0", "8", "-1"}) {
        SCOPED_TRACE(n);
        fields().Dim06 = 123;
        load(QString::fromLatin1(n));
        EXPECT_TRUE(errors.isEmpty());
        EXPECT_EQ(text("Panel94", "Edit396"), QStringLiteral("99"));
        EXPECT_TRUE(text("Panel95", "Edit429").isEmpty());
        EXPECT_EQ(fields().Dim06, 123);
    }
    load(QStringLiteral("1"));
    EXPECT_EQ(text("Panel94", "Edit396"), fixed3(36));
    EXPECT_EQ(text("Panel94", "Edit409"), dec("12.5"));
    EXPECT_EQ(text("Panel94", "Edit410"), QStringLiteral("-3"));
    EXPECT_EQ(text("Panel94", "Edit411"), QStringLiteral("7"));
    EXPECT_TRUE(control<QRadioButton>("Panel94", "RadioButton30")->isChecked());
    EXPECT_TRUE(control<QRadioButton>("Panel96", "RadioButton33")->isChecked());
}

TEST_F(BallPages, NumberThatIsNotWholeEndsTheLoaderBeforeAnyEditChanges)
{
    for (const QString& n : {dec("2.5"), QStringLiteral("x"), QString()}) {
        SCOPED_TRACE(n.toStdString());
        errors.clear();
        fields().Dim06 = 123;
        load(n);
        EXPECT_EQ(errors, QStringList{QStringLiteral("'%1' is not a valid integer value.").arg(n)});
        EXPECT_TRUE(text("Panel94", "Edit402").isEmpty());
        EXPECT_EQ(fields().Dim06, 123);
    }
}

using BallInTheWindow = InTheWindow;

TEST_F(BallInTheWindow, ToolbarButtonAlwaysOpensTheEndFittingPage)
{
    for (const char* page : {"BitBtn95", "SpeedButton2"}) {
        SCOPED_TRACE(page);
        press("SpeedButton1");
        press("SpeedButton17");
        EXPECT_EQ(widget("Panel122")->geometry(), QRect(601, 0, 250, 533));
        press("BitBtn95");
        if (QByteArray(page) == "SpeedButton2")
            press("SpeedButton2");
        press("SpeedButton1");
        EXPECT_EQ(widget("Panel94")->geometry(), QRect(0, 50, 601, 459));
        EXPECT_EQ(widget("Panel96")->size(), QSize(0, 0));
        EXPECT_EQ(widget("Panel95")->size(), QSize(0, 0));
        EXPECT_EQ(widget("Panel122")->size(), QSize(0, 0));
    }
    press("SpeedButton56");
    EXPECT_EQ(widget("Panel91")->geometry(), QRect(0, 50, 601, 459));
    EXPECT_EQ(widget("Panel94")->size(), QSize(0, 0));
}

TEST_F(BallPages, EveryPictureShowsAtItsSize)
{
    const std::pair<const char*, const char*> pictures[] = {
        {"Panel94", "Image44"}, {"Panel94", "Image45"}, {"Panel94", "Image46"}, {"Panel96", "Image47"},
        {"Panel95", "Image48"}, {"Panel95", "Image49"}, {"Panel91", "Image40"}};
    for (const auto& [name, image] : pictures) {
        SCOPED_TRACE(image);
        const QLabel* label = control<QLabel>(name, image);
        ASSERT_NE(label, nullptr);
        EXPECT_FALSE(label->pixmap().isNull());
        EXPECT_EQ(label->pixmap().size(), label->size());
    }
    EXPECT_EQ(control<QLabel>("Panel95", "Image49")->size(), QSize(17, 17));
    EXPECT_EQ(control<QLabel>("Panel94", "Image44")->size(), QSize(283, 165));
}
