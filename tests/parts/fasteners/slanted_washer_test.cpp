// Slanted washers: the slope and the reference thickness, the rounded washer
// against its ideal volume and height, the GOST 10906 table and its loader,
// and the faults.
#include "fastener_fixture.h"

#include <QLabel>

namespace {

struct Washer {
    double B, d, S, h, R;

    double alpha() const { return std::atan((S - h) / B); }
    // The top of the thick end's fillet, the highest point of the washer.
    double top() const
    {
        const double a = alpha();
        const double k = R * std::sin(a) * (1 + std::sin(a)) / std::cos(a);
        return S - h / 2 + R * (1 - std::cos(a)) - k;
    }
    // The plate with its hole, every edge rounded with R: the material at
    // an edge whose faces meet at the angle phi is the region between them
    // and the fillet, R²(cot(phi/2) − (π − phi)/2), along the edge less R at
    // either end; each of the eight corners loses the cube R³ less an
    // eighth of the ball. The two top edges of the ends meet at 90° ± α,
    // all others square.
    double volume() const
    {
        const double a = alpha();
        const auto section = [this](double phi) { return R * R * (1 / std::tan(phi / 2) - (pi - phi) / 2); };
        const double square = section(pi / 2);
        const double plate = (S + h) / 2 * (B * B - pi * d * d / 4);
        const double edges = square * (4 * (B - 2 * R) + 2 * (S - 2 * R) + 2 * (h - 2 * R) +
                                       2 * (B / std::cos(a) - 2 * R)) +
                             (section(pi / 2 + a) + section(pi / 2 - a)) * (B - 2 * R);
        const double corners = 8 * R * R * R * (1 - pi / 6);
        return plate - edges - corners;
    }
};

class SlantedWasherTest : public FastenerTest {
protected:
    void typeWasher(const Washer& w)
    {
        type("Panel123", {{"Edit524", num(w.B)}, {"Edit525", num(w.d)}, {"Edit526", num(w.S)}, {"Edit527", num(w.h)},
                          {"Edit528", num(w.R)}});
    }
    // A valid washer of colour 52 on its footprint; with `whole`, also its
    // volume and its top against the ideally rounded washer.
    void checkWasher(const Washer& w, bool whole = true)
    {
        acad::IAcad3DSolid s = onlyPart(52);
        if (s.isNull())
            return;
        acad::AcadPoint lo, hi;
        s.GetBoundingBox(lo, hi);
        EXPECT_NEAR(lo[0], -w.B / 2, 1e-6);
        EXPECT_NEAR(hi[0], w.B / 2, 1e-6);
        EXPECT_NEAR(lo[1], -w.B / 2, 1e-6);
        EXPECT_NEAR(hi[1], w.B / 2, 1e-6);
        EXPECT_NEAR(lo[2], -w.h / 2, 1e-6);
        if (!whole)
            return;
        // The rounding removes a few hundred cubic millimetres; the Part's
        // placing of the top corner spheres and cylinders differs from the
        // ideal rounding by far less than a thousandth of the washer.
        EXPECT_NEAR(s.Volume(), w.volume(), 5e-4 * w.volume());
        EXPECT_NEAR(hi[2], w.top(), 1e-6);
    }
    void everyRow(bool whole);
};

} // namespace

TEST_F(SlantedWasherTest, AlfaAndS1ForRowFour)
{
    typeWasher({30, 13, 7.3, 4, 1.6});
    press("Panel123", "SpeedButton16");
    EXPECT_EQ(text("Panel123", "Edit529"), dec("6.277"));
    EXPECT_EQ(text("Panel123", "Edit530"), dec("5.650"));
    checkWasher({30, 13, 7.3, 4, 1.6}, false);
    EXPECT_DOUBLE_EQ(fields().Dim03, 5.65);
    EXPECT_NEAR(fields().Dim13, std::atan(3.3 / 30), 1e-15);
}

// Every row loads and draws a valid washer; with its volume and top, every
// row keeps the fillet of the thick end's top edge, which touches the faces
// exactly where the cutter before it ends (the rounding pieces united all
// at once lost it).
TEST_F(SlantedWasherTest, EveryTableRowLoadsAndDraws)
{
    everyRow(false);
}

TEST_F(SlantedWasherTest, EveryTableRowKeepsItsThickEndFillet)
{
    everyRow(true);
}

void SlantedWasherTest::everyRow(bool whole)
{
    struct Row {
        double d, B, S;
        const char *alfa, *s1;
    };
    const Row rows[] = {{6.6, 16, 5.8, "6.419", "4.900"}, {9, 16, 5.8, "6.419", "4.900"},
                        {11, 20, 6.2, "6.277", "5.100"},  {13, 30, 7.3, "6.277", "5.650"},
                        {15, 30, 7.3, "6.277", "5.650"},  {17, 30, 7.3, "6.277", "5.650"},
                        {19, 40, 8.4, "6.277", "6.200"},  {22, 40, 8.4, "6.277", "6.200"},
                        {24, 40, 8.4, "6.277", "6.200"},  {26, 50, 9.5, "6.277", "6.750"},
                        {30, 50, 9.5, "6.277", "6.750"}};
    for (int n = 1; n <= 11; ++n) {
        SCOPED_TRACE(n);
        const Row& r = rows[n - 1];
        edit("Panel124", "Edit531")->setText(QString::number(n));
        press("Panel124", "SpeedButton20");
        EXPECT_EQ(text("Panel123", "Edit525"), dec(QString::number(r.d, 'f', 3)));
        EXPECT_EQ(text("Panel123", "Edit524"), dec(QString::number(r.B, 'f', 3)));
        EXPECT_EQ(text("Panel123", "Edit526"), dec(QString::number(r.S, 'f', 3)));
        EXPECT_EQ(text("Panel123", "Edit527"), dec("4.000"));
        EXPECT_EQ(text("Panel123", "Edit528"), dec("1.600"));
        press("Panel123", "SpeedButton16");
        EXPECT_EQ(text("Panel123", "Edit529"), dec(r.alfa));
        EXPECT_EQ(text("Panel123", "Edit530"), dec(r.s1));
        checkWasher({r.B, r.d, r.S, 4, 1.6}, whole);
        clearDrawing();
    }
}

// Sizes outside the table: a washer whose sloped side bars a kernel once
// handed back unchanged, and one wider than its through tools are long,
// whose edges must be rounded to their ends all the same.
TEST_F(SlantedWasherTest, WashersOutsideTheTableAreRoundedAllRound)
{
    for (const Washer& w : {Washer{36, 17, 9, 4.5, 1.2}, Washer{80, 10, 5, 4, 1}}) {
        SCOPED_TRACE(w.B);
        typeWasher(w);
        press("Panel123", "SpeedButton16");
        checkWasher(w);
        clearDrawing();
    }
}

TEST_F(SlantedWasherTest, LoaderWritesRAndHForAnyNumberAndNothingForAText)
{
    type("Panel123", {{"Edit524", "b"}, {"Edit525", "dd"}, {"Edit526", "s"}, {"Edit527", "x"}, {"Edit528", "y"}});
    // Every write passes through Dim06: R, then h, then d, B and S.
    edit("Panel124", "Edit531")->setText("4");
    QStringList order;
    for (const char* name : {"Edit528", "Edit527", "Edit525", "Edit524", "Edit526"})
        QObject::connect(edit("Panel123", name), &QLineEdit::textChanged, [&order, name] {
            order << QString::fromLatin1(name);
        });
    press("Panel124", "SpeedButton20");
    EXPECT_EQ(order, QStringList({"Edit528", "Edit527", "Edit525", "Edit524", "Edit526"}));
    EXPECT_DOUBLE_EQ(fields().Dim06, 7.3);

    for (const char* n : {"0", "12", "-1"}) {
        SCOPED_TRACE(n);
        type("Panel123", {{"Edit524", "b"}, {"Edit525", "dd"}, {"Edit526", "s"}, {"Edit527", "x"}, {"Edit528", "y"}});
        edit("Panel124", "Edit531")->setText(QString::fromLatin1(n));
        press("Panel124", "SpeedButton20");
        EXPECT_EQ(text("Panel123", "Edit528"), dec("1.600"));
        EXPECT_EQ(text("Panel123", "Edit527"), dec("4.000"));
        EXPECT_EQ(text("Panel123", "Edit525"), "dd");
        EXPECT_EQ(text("Panel123", "Edit524"), "b");
        EXPECT_EQ(text("Panel123", "Edit526"), "s");
        EXPECT_DOUBLE_EQ(fields().Dim06, 4);
    }

    type("Panel123", {{"Edit527", "x"}, {"Edit528", "y"}});
    edit("Panel124", "Edit531")->setText(dec("2.5"));
    press("Panel124", "SpeedButton20");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], QStringLiteral("'%1' is not a valid integer value.").arg(dec("2.5")));
    EXPECT_EQ(text("Panel123", "Edit528"), "y");
    EXPECT_EQ(text("Panel123", "Edit527"), "x");
}

TEST_F(SlantedWasherTest, TableButtonShowsTheGridBesideThePanel)
{
    press("Panel123", "SpeedButton19");
    EXPECT_EQ(window.tableShown, panel("Panel124"));
    QTableWidget* g = grid("Panel124", "StringGrid2");
    ASSERT_EQ(g->rowCount(), 12);
    ASSERT_EQ(g->columnCount(), 6);
    const QStringList header{"  №", "    d", "     B", "    S", "   h", "  Rmax"};
    const QStringList row1{"   1", "  6,6", "   16", "   5,8", "   4", "  1,6"};
    const QStringList row2{"   2", "  9,0", "   16", "   5,8", "   4", "  1,6"};
    const QStringList row11{"  11", "  30,0", "   50", "   9,5", "   4", "  1,6"};
    for (int c = 0; c < 6; ++c) {
        EXPECT_EQ(g->item(0, c)->text(), header[c]);
        EXPECT_EQ(g->item(1, c)->text(), row1[c]);
        EXPECT_EQ(g->item(2, c)->text(), row2[c]);
        EXPECT_EQ(g->item(11, c)->text(), row11[c]);
    }
    const int widths[] = {28, 35, 38, 35, 32, 45};
    for (int c = 0; c < 6; ++c)
        EXPECT_EQ(g->columnWidth(c), widths[c]);
    // The header is Latin B, and rows 1 to 11 are the table's.
    EXPECT_EQ(g->item(0, 2)->text().trimmed(), QStringLiteral("B"));
    EXPECT_EQ(g->item(7, 1)->text(), QStringLiteral("  19,0"));
    EXPECT_EQ(g->item(10, 3)->text(), QStringLiteral("   9,5"));
    EXPECT_EQ(count(), 0);
}

TEST_F(SlantedWasherTest, FaultsEndTheProcedureAsTheyArise)
{
    // B = 0: the slope divides by zero before Alfa is shown.
    edit("Panel123", "Edit529")->setText("keep");
    edit("Panel123", "Edit530")->setText("keep");
    typeWasher({0, 13, 7.3, 4, 1.6});
    press("Panel123", "SpeedButton16");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], QStringLiteral("Floating point division by zero."));
    EXPECT_EQ(text("Panel123", "Edit529"), "keep");
    EXPECT_EQ(count(), 0);

    // A text that is not a number: nothing drawn, the outputs kept.
    errors.clear();
    type("Panel123", {{"Edit524", num(30)}, {"Edit527", ""}});
    press("Panel123", "SpeedButton16");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], notAFloat(""));
    EXPECT_EQ(text("Panel123", "Edit529"), "keep");
    EXPECT_EQ(count(), 0);

    // The thin-end corner cylinders get no positive height (H2 < 0 < H1):
    // the drawing refuses them; Alfa is shown, S1* is not, Dim03 holds S.
    errors.clear();
    typeWasher({30, 13, 7.3, 4, 2.2});
    press("Panel123", "SpeedButton16");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], QStringLiteral("Неверные данные: высота."));
    EXPECT_EQ(text("Panel123", "Edit529"), dec("6.277"));
    EXPECT_EQ(text("Panel123", "Edit530"), "keep");
    EXPECT_DOUBLE_EQ(fields().Dim03, 7.3);
    EXPECT_GE(count(), 1);

    // R = 0: the first rounding tool has no size.
    errors.clear();
    clearDrawing();
    typeWasher({30, 13, 7.3, 4, 0});
    press("Panel123", "SpeedButton16");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], QStringLiteral("Неверные данные: радиус."));
    EXPECT_EQ(text("Panel123", "Edit530"), "keep");
    ASSERT_EQ(count(), 1);
    EXPECT_EQ(item(0).get_color(), kUncoloured);
}
