// Square flanges: the plate with rounded, chamfered or sharp corners and its
// five holes, and its drawing of plan and section A-A.
#include "pipes_fixture.h"

namespace {

struct Plate {
    const char *L, *M, *R, *D, *d, *H;
    bool chamfers;
    double Lv, Mv, Rv, Dv, dv, Hv;
};

const Plate kExample{"100", "70", "10", "40", "11", "12", false, 100, 70, 10, 40, 11, 12};

// What each corner takes off the square: a quarter circle's leftover or a
// chamfer's triangle.
double cornerLoss(const Plate& p)
{
    return p.chamfers ? p.Rv * p.Rv / 2 : p.Rv * p.Rv * (1 - pi / 4);
}

} // namespace

class SquareFlange : public PipesTest {
protected:
    void typePlate(const Plate& p)
    {
        check("Panel50", p.chamfers ? "RadioButton8" : "RadioButton7");
        type("Panel50", {{"Edit70", dec(p.L)}, {"Edit71", dec(p.M)}, {"Edit72", dec(p.R)}, {"Edit73", dec(p.D)},
                         {"Edit74", dec(p.d)}, {"Edit75", dec(p.H)}});
    }
};

TEST_F(SquareFlange, PlateWithItsCornersLessTheFiveHoles)
{
    const Plate plates[] = {
        kExample,
        {"100", "70", "10", "40", "11", "12", true, 100, 70, 10, 40, 11, 12},
        {"100", "70", "0", "40", "11", "12", false, 100, 70, 0, 40, 11, 12}, // sharp corners
        {"120", "80", "12.5", "50", "13.5", "10", true, 120, 80, 12.5, 50, 13.5, 10},
    };
    for (const Plate& p : plates) {
        SCOPED_TRACE(std::string(p.R) + (p.chamfers ? " chamfers" : " rounded"));
        clearDrawing();
        typePlate(p);
        press("Panel50", "BitBtn45");
        auto plate = onlyPart(3);
        const double L = p.Lv, M = p.Mv;
        const double holes = pi * p.Dv * p.Dv / 4 + 4 * pi * p.dv * p.dv / 4;
        const double expected = (L * L - 4 * cornerLoss(p) - holes) * p.Hv;
        EXPECT_NEAR(plate.Volume(), expected, 1e-8 * expected);
        expectBox(plate, 0, 0, 0, L, L, p.Hv, 1e-6);
        // The holes stand upright where the pattern puts them.
        const auto centre = cylinderAxes(plate, p.Dv / 2);
        ASSERT_EQ(centre.size(), 1u);
        EXPECT_TRUE(centre[0].Direction().IsParallel(gp::DZ(), 1e-9));
        EXPECT_LT(gp_Lin(centre[0]).Distance(gp_Pnt(L / 2, L / 2, 0)), 1e-6);
        const auto bolts = cylinderAxes(plate, p.dv / 2);
        ASSERT_EQ(bolts.size(), 4u);
        for (const gp_Pnt& at : {gp_Pnt(L / 2 - M / 2, L / 2 - M / 2, 0), gp_Pnt(L / 2 + M / 2, L / 2 + M / 2, 0),
                                 gp_Pnt(L / 2 - M / 2, L / 2 + M / 2, 0), gp_Pnt(L / 2 + M / 2, L / 2 - M / 2, 0)}) {
            int found = 0;
            for (const gp_Ax1& a : bolts)
                found += gp_Lin(a).Distance(at) < 1e-6 && a.Direction().IsParallel(gp::DZ(), 1e-9);
            EXPECT_EQ(found, 1) << at.X() << " " << at.Y();
        }
        EXPECT_EQ(fields().Dim06, L);
        EXPECT_EQ(fields().Dim14, p.Dv);
        EXPECT_EQ(fields().Dim15, p.dv);
        EXPECT_EQ(fields().Dim01, p.Hv);
    }
}

namespace {

// The drawing as its tables give it, in drawing order.
struct Expected {
    acad::EntityType type;
    double a, b, c, d = 0; // a line's ends, or an arc's centre, radius and (c, d) angles, or a circle's centre and radius
    double e = 0;
};

std::vector<Expected> drawing(const Plate& p)
{
    const double L = p.Lv, M = p.Mv, R = p.Rv, D = p.Dv, d = p.dv, H = p.Hv;
    using T = acad::EntityType;
    std::vector<Expected> out{{T::Line, R, 0, L - R, 0},
                              {T::Line, L, R, L, L - R},
                              {T::Line, L - R, L, R, L},
                              {T::Line, 0, L - R, 0, R}};
    if (p.chamfers)
        out.insert(out.end(), {{T::Line, 0, L - R, R, L},
                               {T::Line, L - R, L, L, L - R},
                               {T::Line, L, R, L - R, 0},
                               {T::Line, R, 0, 0, R}});
    const double y0 = L + 25, y1 = L + 25 + H;
    out.insert(out.end(), {{T::Line, 0, y0, L, y0},
                           {T::Line, L, y0, L, y1},
                           {T::Line, L, y1, 0, y1},
                           {T::Line, 0, y1, 0, y0},
                           {T::Line, L / 2 - D / 2, y0, L / 2 - D / 2, y1},
                           {T::Line, L / 2 + D / 2, y0, L / 2 + D / 2, y1},
                           {T::Line, L / 2 + M / 2 - d / 2, y0, L / 2 + M / 2 - d / 2, y1},
                           {T::Line, L / 2 + M / 2 + d / 2, y0, L / 2 + M / 2 + d / 2, y1}});
    if (!p.chamfers && R > 0)
        out.insert(out.end(), {{T::Arc, R, R, R, pi, 3 * pi / 2},
                               {T::Arc, L - R, R, R, 3 * pi / 2, 0},
                               {T::Arc, L - R, L - R, R, 0, pi / 2},
                               {T::Arc, R, L - R, R, pi / 2, pi}});
    out.insert(out.end(), {{T::Circle, L / 2 - M / 2, L / 2 - M / 2, d / 2},
                           {T::Circle, L / 2 - M / 2, L / 2 + M / 2, d / 2},
                           {T::Circle, L / 2 + M / 2, L / 2 + M / 2, d / 2},
                           {T::Circle, L / 2 + M / 2, L / 2 - M / 2, d / 2},
                           {T::Circle, L / 2, L / 2, D / 2}});
    return out;
}

} // namespace

TEST_F(SquareFlange, TwoDDrawsThePlanAndSectionAA)
{
    struct Case {
        Plate plate;
        int lines, arcs;
    };
    const Case cases[] = {
        {kExample, 12, 4},
        {{"100", "70", "10", "40", "11", "12", true, 100, 70, 10, 40, 11, 12}, 16, 0},
        {{"100", "70", "0", "40", "11", "12", false, 100, 70, 0, 40, 11, 12}, 12, 0},
        {{"100", "70", "0", "40", "11", "12", true, 100, 70, 0, 40, 11, 12}, 16, 0}, // zero-length chamfers
        {{"100", "70", "-5", "40", "11", "12", false, 100, 70, -5, 40, 11, 12}, 12, 0}, // sides beyond the square
        {{"120", "80", "12.5", "50", "13.5", "10", false, 120, 80, 12.5, 50, 13.5, 10}, 12, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.plate.R) + (c.plate.chamfers ? " chamfers" : " rounded"));
        clearDrawing();
        typePlate(c.plate);
        press("Panel50", "BitBtn44");
        EXPECT_TRUE(errors.isEmpty());
        const std::vector<Expected> expected = drawing(c.plate);
        ASSERT_EQ(count(), c.lines + c.arcs + 5);
        ASSERT_EQ(expected.size(), static_cast<std::size_t>(count()));
        for (int k = 0; k < count(); ++k) {
            SCOPED_TRACE(k);
            const Expected& x = expected[k];
            acad::IAcadEntity e = item(k);
            ASSERT_EQ(e.entity()->type(), x.type);
            EXPECT_EQ(e.get_Lineweight(), 50);
            EXPECT_EQ(e.get_color(), 256);
            if (x.type == acad::EntityType::Line) {
                expectLine(e, x.a, x.b, x.c, x.d);
                continue;
            }
            const auto& arc = static_cast<const acad::ArcEntity&>(*e.entity());
            EXPECT_NEAR(arc.position.Location().Distance(gp_Pnt(x.a, x.b, 0)), 0, 1e-9);
            EXPECT_TRUE(arc.position.Direction().IsEqual(gp::DZ(), 1e-12));
            EXPECT_NEAR(arc.radius, x.c, 1e-12);
            if (x.type == acad::EntityType::Arc) {
                EXPECT_NEAR(arc.startAngle, x.d, 1e-12);
                EXPECT_NEAR(arc.endAngle, x.e, 1e-12);
            }
        }
        EXPECT_EQ(fields().Dim06, c.plate.Lv);
        EXPECT_EQ(fields().Dim14, c.plate.Dv);
        EXPECT_EQ(fields().Dim15, c.plate.dv);
        EXPECT_EQ(fields().Dim01, c.plate.Hv);
        EXPECT_EQ(fields().ArcRadius, c.plate.Dv / 2);
    }
}

TEST_F(SquareFlange, TwoDOfTheExampleStandsWhereTheFigureHasIt)
{
    typePlate(kExample);
    press("Panel50", "BitBtn44");
    ASSERT_EQ(count(), 21);
    expectLine(item(0), 10, 0, 90, 0);
    expectLine(item(3), 0, 90, 0, 10);
    expectLine(item(4), 0, 125, 100, 125);
    expectLine(item(6), 100, 137, 0, 137);
    expectLine(item(8), 30, 125, 30, 137);
    expectLine(item(9), 70, 125, 70, 137);
    expectLine(item(10), 79.5, 125, 79.5, 137);
    expectLine(item(11), 90.5, 125, 90.5, 137);
    expectBox(item(12), 0, 0, 0, 10, 10, 0);   // bottom left corner arc
    expectBox(item(14), 90, 90, 0, 100, 100, 0); // top right
    expectBox(item(16), 9.5, 9.5, 0, 20.5, 20.5, 0);
    expectBox(item(20), 30, 30, 0, 70, 70, 0);
}

TEST_F(SquareFlange, ABadTextDrawsNothing)
{
    for (const char* button : {"BitBtn45", "BitBtn44"}) {
        SCOPED_TRACE(button);
        errors.clear();
        typePlate(kExample);
        type("Panel50", {{"Edit75", "12 мм"}});
        press("Panel50", button);
        EXPECT_EQ(errors, QStringList{notAFloat("12 мм")});
        EXPECT_EQ(count(), 0);
    }
}
