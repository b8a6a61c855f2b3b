// Hexagon heads and nut blanks: the hexagon cut from the cylinder e, the
// chamfer rings, the cross holes, the shank and the zero rules.
#include "fastener_fixture.h"

namespace {

// The section of a hexagon prism S across flats by a circle of radius rho
// about its axis: the disc less the six segments beyond the flats.
double hexagonInCircle(double S, double rho)
{
    const double p = S / 2;
    if (rho <= p)
        return pi * rho * rho;
    if (rho >= S / std::sqrt(3.0))
        return std::sqrt(3.0) / 2 * S * S;
    return pi * rho * rho - 6 * (rho * rho * std::acos(p / rho) - p * std::sqrt(rho * rho - p * p));
}

struct Head {
    double e, S, D1, alfa, m;
    bool bothFaces = true;
    // The integral over the height of the section: hexagon, cylinder e and
    // the chamfer cones, which widen from D1/2 at a face by cot(alfa) per unit depth.
    double volume() const
    {
        const double cot = 1 / std::tan(alfa * pi / 180);
        return integrate(
            [this, cot](double z) {
                double rho = std::min(e / 2, D1 / 2 + (m / 2 - z) * cot);
                if (bothFaces)
                    rho = std::min(rho, D1 / 2 + (z + m / 2) * cot);
                return hexagonInCircle(S, rho);
            },
            -m / 2, m / 2, 20000);
    }
};

// Two holes of radius r along flats S apart, crossing at 60°.
double crossHoles(double d, double S)
{
    const double r = d / 2;
    return 2 * pi * r * r * S - 16 * r * r * r / (3 * std::sin(pi / 3));
}

// The shank: the cylinder D over L, the fillet R at the head, the flare r.
double shank(double D, double L, double R, double r)
{
    return pi * D * D / 4 * L + spandrelRing(D / 2, R) + spandrelRing(D / 2, r);
}

class HexagonHead : public FastenerTest {
protected:
    void typeHead(const Head& h, double d, double D, double L, double R, double r)
    {
        type("Panel46", {{"Edit62", num(h.e)}, {"Edit63", num(h.S)}, {"Edit64", num(h.D1)}, {"Edit65", num(h.alfa)},
                         {"Edit66", num(h.m)}, {"Edit241", num(d)}, {"Edit240", num(D)}, {"Edit242", num(L)},
                         {"Edit239", num(R)}, {"Edit330", num(r)}});
        check("Panel46", h.bothFaces ? "RadioButton3" : "RadioButton4");
    }
    void expectHeadBox(const acad::IAcadEntity& part, const Head& h, double bottom)
    {
        const double y = std::min(h.e / 2, h.S / std::sqrt(3.0));
        expectBox(part, h.e / 2 - h.S / 2, h.e / 2 - y, bottom, h.e / 2 + h.S / 2, h.e / 2 + y, h.m / 2, 1e-5);
    }
};

} // namespace

TEST_F(HexagonHead, NutBlankIsTheChamferedHexagonAboutXEqualsYEqualsHalfE)
{
    // e above and below the sharp-corner width 2S/√3 = 19.63; both faces or
    // the top face only.
    const Head cases[] = {
        {20, 17, 16, 30, 8, true},
        {20, 17, 16, 30, 8, false},
        {18.5, 17, 15, 30, 8, true},
        {18.5, 17, 15, 30, 8, false},
        {24, 19, 18, 15, 10, true},
    };
    for (const Head& h : cases) {
        SCOPED_TRACE(h.e + h.bothFaces);
        clearDrawing();
        typeHead(h, 0, 0, 0, 0, 0);
        press("Panel46", "BitBtn38");
        auto head = onlyPart(3);
        EXPECT_NEAR(head.Volume(), h.volume(), 1e-6 * h.volume());
        expectHeadBox(head, h, -h.m / 2);
        // The bottom face keeps its full hexagon when only the top is chamfered.
        const double bottom = areaAtZ(head, -h.m / 2 + 1e-4);
        const double top = areaAtZ(head, h.m / 2 - 1e-4);
        const double face = h.D1 / 2 + 1e-4 / std::tan(h.alfa * pi / 180);
        EXPECT_NEAR(top, pi * face * face, 1e-3);
        if (h.bothFaces)
            EXPECT_NEAR(bottom, top, 1e-3);
        else
            EXPECT_NEAR(bottom, hexagonInCircle(h.S, h.e / 2), 0.01);
    }
}

TEST_F(HexagonHead, BoltHeadWithCrossHolesAndShank)
{
    const Head h{20, 17, 16, 30, 8};
    typeHead(h, 3, 10, 30, 1, 0.5);
    press("Panel46", "BitBtn38");
    auto bolt = onlyPart(3);
    const double expected = h.volume() - crossHoles(3, 17) + shank(10, 30, 1, 0.5);
    EXPECT_NEAR(bolt.Volume(), expected, 1e-6 * expected);
    expectHeadBox(bolt, h, -4 - 30);
    // The shank stands on the head axis: 0.01 short of its end the flare
    // r = 0.5 has widened it to 5 + 0.5 - sqrt(0.5² - 0.49²).
    const double flare = 5.5 - std::sqrt(0.25 - 0.49 * 0.49);
    acad::IAcadRegion end = bolt.SectionSolid({0, 0, -33.99}, {77, 0, -33.99}, {0, 77, -33.99});
    expectBox(end, 10 - flare, 10 - flare, -33.99, 10 + flare, 10 + flare, -33.99, 1e-6);
    end.Delete();
    // The holes cross in the mid-plane.
    EXPECT_NEAR(areaAtZ(bolt, 0), hexagonInCircle(17, 10) - 2 * 3 * 17 + 3 * 3 / std::sin(pi / 3), 1e-6);
    EXPECT_EQ(fields().Dim03, 17);
    EXPECT_EQ(fields().Dim13, 30);
    EXPECT_EQ(fields().Dim15, 3);
}

TEST_F(HexagonHead, ZeroRulesLeaveNoShankAndTheirValuesInTheBank)
{
    struct Case {
        double d, D, L, R, r;     // typed
        double bD, bL, bR, br;   // in the bank afterwards
    };
    const Case cases[] = {
        {0, 0, 30, 1, 0.5, 0, 0, 0, 0},       // D = 0
        {0, 10, 0, 1, 0.5, 0, 0, 0, 0},       // L = 0
        {-3, -10, 30, 1, 0.5, -10, 30, 1, 0.5}, // D < 0: no rule fires, no shank, no holes
    };
    const Head h{20, 17, 16, 30, 8};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.D * 100 + c.L);
        clearDrawing();
        typeHead(h, c.d, c.D, c.L, c.R, c.r);
        press("Panel46", "BitBtn38");
        auto head = onlyPart(3);
        EXPECT_NEAR(head.Volume(), h.volume(), 1e-6 * h.volume());
        expectHeadBox(head, h, -4);
        EXPECT_EQ(fields().Dim00, c.bD);
        EXPECT_EQ(fields().Dim06, c.bL);
        EXPECT_EQ(fields().Dim11, c.bR);
        EXPECT_EQ(fields().Dim07, c.br);
        EXPECT_EQ(fields().Dim15, c.d);
        // The edits keep what was typed.
        EXPECT_EQ(text("Panel46", "Edit242"), num(c.L));
    }
}

TEST_F(HexagonHead, FreshPanelDrawsNothing)
{
    press("Panel46", "BitBtn38");
    EXPECT_EQ(errors, QStringList{notAFloat("")});
    EXPECT_EQ(count(), 0);
}
