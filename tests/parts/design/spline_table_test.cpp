// The GOST 1139 spline table beside the spline panel: the grid with its
// three series, the row loader, and every size drawn.
#include "design_fixture.h"

#include <QSize>

class SplineTable : public DesignTest {
protected:
    void load(const QString& n)
    {
        edit("Panel138", "Edit563")->setText(n);
        press("Panel138", "BitBtn12");
    }
    QStringList spline()
    {
        QStringList t;
        for (const char* e : {"Edit548", "Edit545", "Edit544", "Edit546", "Edit550", "Edit547"})
            t << text("Panel133", e);
        return t;
    }
};

TEST_F(SplineTable, TableButtonShowsTheThreeSeries)
{
    QTableWidget* g = grid("Panel138", "StringGrid14");
    for (int twice = 0; twice < 2; ++twice) {
        press("Panel133", "BitBtn3");
        EXPECT_EQ(window.tableShown, panel("Panel138"));
        EXPECT_EQ(panel("Panel138")->geometry(), QRect(601, 0, 250, 533));
        EXPECT_EQ(g->geometry(), QRect(5, 32, 238, 157));
        EXPECT_EQ(g->rowCount(), 57);
        EXPECT_EQ(rowTexts(g, 0), (QStringList{"  №", "    Номинальный размер z x d x D"}));
        EXPECT_EQ(g->item(1, 1)->text(), "          Размеры легкой серии");
        EXPECT_EQ(rowTexts(g, 2), (QStringList{"  1", "                   6 x 23 x 26"}));
        EXPECT_EQ(rowTexts(g, 12), (QStringList{" 11", "                  10 x 72 x 78"}));
        EXPECT_EQ(g->item(17, 1)->text(), "          Размеры средней серии");
        EXPECT_EQ(rowTexts(g, 18), (QStringList{" 16", "                   6 x 11 x 14"}));
        EXPECT_EQ(g->item(38, 1)->text(), "          Размеры тяжелой серии");
        EXPECT_EQ(rowTexts(g, 56), (QStringList{" 53", "                  20 x 112 x 125"}));
        for (int heading : {1, 17, 38})
            EXPECT_TRUE(!g->item(heading, 0) || g->item(heading, 0)->text().isEmpty()) << heading;
    }
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(SplineTable, LoaderWritesTheSizeWithItsDecimals)
{
    type("Panel133", {{"Edit549", num(40)}});
    struct Case {
        const char* n;
        QStringList texts;
    };
    const Case cases[] = {
        {"1", {"6", "23", "26", "6", dec("0.3"), dec("0.2")}},
        {"16", {"6", "11", "14", dec("3.0"), dec("0.3"), dec("0.2")}},
        {"17", {"6", "13", "16", dec("3.5"), dec("0.3"), dec("0.2")}},
        {"26", {"8", "42", "48", dec("8.0"), dec("0.4"), dec("0.3")}},
        {"27", {"8", "46", "54", "9", dec("0.5"), dec("0.5")}},
        {"36", {"10", "16", "20", dec("2.5"), dec("0.3"), dec("0.2")}},
        {"37", {"10", "18", "23", "3", dec("0.3"), dec("0.2")}},
        {"53", {"20", "112", "125", "9", dec("0.5"), dec("0.5")}},
    };
    for (const Case& c : cases) {
        load(c.n);
        EXPECT_EQ(spline(), c.texts) << c.n;
        EXPECT_EQ(fields().Dim05, acad::StrToFloat(c.texts[5])) << c.n;
    }
    for (const char* n : {"0", "54", "-3"}) {
        load(n);
        EXPECT_EQ(spline(), cases[7].texts) << n;
    }
    errors.clear();
    for (const char* n : {"", "2.0", "N1"}) {
        errors.clear();
        load(n);
        EXPECT_EQ(errors, QStringList{notAnInteger(n)});
        EXPECT_EQ(spline(), cases[7].texts) << n;
    }
    EXPECT_EQ(text("Panel133", "Edit549"), num(40));
    EXPECT_EQ(count(), 0);
}

TEST_F(SplineTable, EverySizeLoadedAndDrawnGivesItsBody)
{
    type("Panel133", {{"Edit549", num(10)}});
    for (int n = 1; n <= 53; ++n) {
        SCOPED_TRACE(n);
        load(QString::number(n));
        QStringList t = spline();
        double v[6];
        for (int k = 0; k < 6; ++k)
            v[k] = acad::StrToFloat(t[k]);
        const double z = v[0], d = v[1], D = v[2], b = v[3], f = v[4], r = v[5];
        press("Panel133", "BitBtn7");
        const double Yd = std::sqrt(d * d / 4 - (b / 2 + f) * (b / 2 + f));
        const double Yc = std::sqrt((D / 2 - r) * (D / 2 - r) - (b / 2 - r) * (b / 2 - r));
        const double phi = std::atan((b / 2 - r) / Yc);
        const std::vector<Pt> space{{-b / 2 - f, Yd}, {-b / 2, Yd + f}, {-b / 2, Yc},
                                    {-D / 2 * std::sin(phi), D / 2 * std::cos(phi)},
                                    {D / 2 * std::sin(phi), D / 2 * std::cos(phi)},
                                    {b / 2, Yc}, {b / 2, Yd + f}, {b / 2 + f, Yd}, {-b / 2 - f, Yd}};
        const std::map<int, double> bulges{
            {2, -std::tan((pi / 2 - phi) / 4)}, {3, -std::tan(phi / 2)}, {4, -std::tan((pi / 2 - phi) / 4)}};
        const double cap = segmentArea(d / 2, 2 * std::asin((b / 2 + f) / (d / 2)));
        EXPECT_NEAR(onlyPart(20).Volume(), 10 * (pi * d * d / 4 + z * (bulgedArea(space, bulges) - cap)), 1e-6);
        EXPECT_EQ(fields().Dim05, z);
        clearDrawing();
    }
}
