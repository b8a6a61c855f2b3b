// Permanent hose connections: the barbed nipple on a head with an inner G
// thread or a hexagon with an outer tapered K thread, one solid.
#include "pipes_fixture.h"

#include "parts/pipes/hose_threads.h"


namespace {

// What a hexagon S takes from a blank of radius r0 (its chamfered ends
// rising at 30 degrees over [a, a + e] and falling over [b - e, b]) up to
// the corner radius r1.
double hexagonCut(double r0, double r1, double a, double b, double S)
{
    const double e = (r1 - r0) * std::tan(pi / 6);
    auto rise = [&](double x) { return outsideHexagon(r0 + (x - a) / e * (r1 - r0), S); };
    auto fall = [&](double x) { return outsideHexagon(r1 - (x - (b - e)) / e * (r1 - r0), S); };
    return integrate(rise, a, a + e) + (b - a - 2 * e) * outsideHexagon(r1, S) + integrate(fall, b - e, b);
}

// The barb: pitch p, root radius r, crest radius R, its tip at x = tip.
std::vector<P2> barb(double p, double r, double R, double tip)
{
    const double c = R - r;
    return {{tip, r},          {tip - p, R},         {tip - p - c, r}, {tip - 2 * p, R},
            {tip - 2 * p - c, r}, {tip - 3 * p, R},  {tip - 3 * p - c, r}, {tip - 4 * p, R},
            {tip - 4 * p, 0},  {tip, 0},             {tip, r}};
}

const double L1 = 5, d1 = 10, d2 = 12, d = 6, L = 60;
// G
const double lm = 25, L2 = 18, L3 = 8, D = 30, D1 = 24, d3 = 22, f = 3, S = 26;
// K
const double S1 = 24, D3 = 22, D2 = 27, L4 = 12, L5 = 24;
const double t = std::tan(1.79 * pi / 180);

} // namespace

class Hose : public PipesTest {
protected:
    void SetUp() override
    {
        PipesTest::SetUp();
        type("Panel91", {{"Edit331", num(L1)}, {"Edit332", num(d1)}, {"Edit333", num(d2)}, {"Edit334", num(d)},
                         {"Edit335", num(L)},  {"Edit336", num(lm)}, {"Edit337", num(L2)}, {"Edit338", num(L3)},
                         {"Edit339", num(D)},  {"Edit340", num(D1)}, {"Edit341", num(d3)}, {"Edit342", num(f)},
                         {"Edit343", num(S)},  {"Edit344", num(S1)}, {"Edit345", num(D3)}, {"Edit346", num(D2)},
                         {"Edit347", num(L4)}, {"Edit348", num(L5)}});
    }
    void sizes(const char* first, double W, double N, double Q)
    {
        const int k = QByteArray(first).mid(4).toInt();
        type("Panel91", {{first, num(W)},
                         {QByteArray("Edit" + QByteArray::number(k + 1)).constData(), num(N)},
                         {QByteArray("Edit" + QByteArray::number(k + 2)).constData(), num(Q)}});
    }
    // The body of either variant with its barb, less the through bore
    // where the body has none of its own (inside the barb, and with no
    // threaded bore its place as well) and the hexagon.
    static double gVolume(double dG)
    {
        const double e = std::tan(pi / 6) * (D - D1) / 2, end = L - 4 * L1;
        const std::vector<P2> body{{0, -dG / 2},    {0, -D1 / 2},      {L3, -D1 / 2},     {L3 + e, -D / 2},
                                   {lm - e, -D / 2}, {lm, -D1 / 2},     {lm, -d2 / 2},     {end, -d2 / 2},
                                   {end, -d / 2},   {L2, -d / 2},      {L2, -d3 / 2},     {L2 - f, -d3 / 2},
                                   {L2 - f, -dG / 2}, {0, -dG / 2}};
        return revolvedVolume(body, false) + revolvedVolume(barb(L1, d1 / 2, d2 / 2, L), false) -
               pi * d * d / 4 * 4 * L1 - pi / 4 * std::max(0.0, d * d - dG * dG) * (L2 - f) -
               hexagonCut(D1 / 2, D / 2, L3, lm, S);
    }
    static double kBody()
    {
        const double e = std::tan(pi / 6) * (D2 - D3) / 2, end = L - 4 * L1;
        const std::vector<P2> body{{0, 0},           {0, D3 / 2},  {L4, D3 / 2},  {L4 + e, D2 / 2}, {L5 - e, D2 / 2},
                                   {L5, D3 / 2},     {L5, d2 / 2}, {end, d2 / 2}, {end, 0},         {0, 0}};
        return revolvedVolume(body, false) + revolvedVolume(barb(L1, d1 / 2, d2 / 2, L), false) -
               pi * d * d / 4 * L - hexagonCut(D3 / 2, D2 / 2, L4, L5, S1);
    }
};

TEST_F(Hose, CylindricalThreadHeadWithCollarHexagonAndBarb)
{
    sizes("Edit349", 0, 1, 2);
    press("Panel91", "BitBtn88");
    auto part = onlyPart(52);
    EXPECT_NEAR(part.Volume(), gVolume(20.995), 1e-6 * part.Volume());
    // Flats facing +-Y, the corners cut by the blank's cylinder.
    expectBox(part, 0, -S / 2, -D / 2, L, S / 2, D / 2, 1e-5);
    EXPECT_EQ(cylinderAxes(part, 20.995 / 2).size(), 1u);

    // A size that matches no row: no threaded bore.
    clearDrawing();
    sizes("Edit349", 0, 1, 3);
    press("Panel91", "BitBtn88");
    part = onlyPart(52);
    EXPECT_NEAR(part.Volume(), gVolume(0), 1e-6 * part.Volume());
}

TEST_F(Hose, TaperedThreadCutToItsConeWithTheEndChamfer)
{
    check("Panel91", "RadioButton25");
    sizes("Edit352", 0, 1, 2);
    press("Panel91", "BitBtn88");
    auto part = onlyPart(52);
    const double lK = 8.128, dK = 21.223, hK = 1.5;
    // The cone and the third side of its cutter, which reaches the thread
    // end's radius just before x = L4.
    auto cone = [&](double x) { return dK / 2 + t * (x - lK); };
    const double farY = dK / 2 + t * (L4 - lK);
    auto top = [&](double x) { return 2 * dK + x / L4 * (farY - 2 * dK); };
    const double meet = (D3 / 2 - 2 * dK) / (farY - 2 * dK) * L4;
    const double coneCut =
        pi * integrate([&](double x) { return D3 * D3 / 4 - cone(x) * cone(x); }, 0, meet) +
        pi * integrate([&](double x) { return std::max(0.0, top(x) * top(x) - cone(x) * cone(x)); }, meet, L4);
    // The chamfer rises by sin 45 degrees from hK inside the cone.
    auto chamfer = [&](double x) { return cone(0) - hK + x * std::sin(pi / 4); };
    const double reach = hK / (std::sin(pi / 4) - t);
    const double chamferCut = pi * integrate([&](double x) { return cone(x) * cone(x) - chamfer(x) * chamfer(x); },
                                             0, reach);
    EXPECT_NEAR(part.Volume(), kBody() - coneCut - chamferCut, 1e-6 * part.Volume());
    expectBox(part, 0, -S1 / 2, -D2 / 2, L, S1 / 2, D2 / 2, 1e-5);

    // No matching size: dK = 0, lK = L, hK = W. The cone's cutter stays
    // inside the bore; the chamfer's opens a recess from the end face.
    clearDrawing();
    sizes("Edit352", 7, 0, 0);
    press("Panel91", "BitBtn88");
    part = onlyPart(52);
    auto low = [&](double x) { return t * L + 7 - x * std::sin(pi / 4); };
    const double recess = pi * integrate([&](double x) { return low(x) * low(x) - d * d / 4; }, 0,
                                         (t * L + 7 - d / 2) / std::sin(pi / 4));
    EXPECT_NEAR(part.Volume(), kBody() - recess, 1e-6 * part.Volume());
}

TEST_F(Hose, BadTextsLeaveWhatWasDrawnUncoloured)
{
    // "L =": the barb alone, unmoved.
    type("Panel91", {{"Edit335", "L"}});
    press("Panel91", "BitBtn88");
    EXPECT_EQ(errors, QStringList{notAFloat("L")});
    ASSERT_EQ(count(), 1);
    auto barbAlone = checkedPart(item(0), 256);
    EXPECT_NEAR(barbAlone.Volume(), revolvedVolume(barb(L1, d1 / 2, d2 / 2, 0), false), 1e-6 * barbAlone.Volume());
    expectBox(barbAlone, -4 * L1, -d2 / 2, -d2 / 2, 0, d2 / 2, d2 / 2, 1e-5);

    // A K size column: the body with its bore and hexagon.
    clearDrawing();
    errors.clear();
    type("Panel91", {{"Edit335", num(L)}});
    check("Panel91", "RadioButton25");
    sizes("Edit352", 0, 1, 2);
    type("Panel91", {{"Edit353", "N"}});
    press("Panel91", "BitBtn88");
    EXPECT_EQ(errors, QStringList{notAFloat("N")});
    ASSERT_EQ(count(), 1);
    auto body = checkedPart(item(0), 256);
    EXPECT_NEAR(body.Volume(), kBody(), 1e-6 * body.Volume());

    // G reads its size before anything of the body is drawn.
    clearDrawing();
    errors.clear();
    check("Panel91", "RadioButton24");
    type("Panel91", {{"Edit351", "Q"}});
    press("Panel91", "BitBtn88");
    EXPECT_EQ(errors, QStringList{notAFloat("Q")});
    EXPECT_EQ(count(), 1);
}

TEST(HoseThreads, RowsTriedInOrderTheLaterMatchOverriding)
{
    struct G {
        double W, N, Q, dG;
    };
    const G g[] = {
        {0, 1, 2, 20.995}, {0, 5, 2, 20.995}, {0, 3, 16, 7.723},  {1, 0, 0, 33.249}, {2, 3, 2, 81.534},
        {2, 3, 0, 81.534}, {6, 0, 0, 163.83}, {6, 7, 9, 163.83},  {1, 1, 4, 41.91},  {0, 1, 3, 0},
        {7, 0, 0, 0},      {3, 3, 5, 106.68}, {0.5, 0, 2, 0},
    };
    for (const G& c : g)
        EXPECT_EQ(pipes::hose::cylindricalBore(c.W, c.N, c.Q), c.dG) << c.W << " " << c.N << " " << c.Q;

    struct K {
        double W, N, Q, lK, dK, hK;
    };
    const K k[] = {
        {0, 1, 16, 4.064, 7.895, 1.0},   {2, 5, 16, 4.064, 7.895, 1.0},  {1, 1, 2, 10.688, 48.054, 2.0},
        {1, 0, 0, 10.160, 33.228, 2.0},  {0, 3, 8, 6.096, 17.055, 1.5},  {0, 7, 2, 8.128, 21.223, 1.5},
        {1, 3, 4, 10.668, 41.985, 2.0},  {3, 0, 0, 50, 0, 3},            {0, 1, 3, 50, 0, 0},
    };
    for (const K& c : k) {
        SCOPED_TRACE(testing::Message() << c.W << " " << c.N << " " << c.Q);
        const auto r = pipes::hose::taperedThread(c.W, c.N, c.Q, 50);
        EXPECT_EQ(r.lK, c.lK);
        EXPECT_EQ(r.dK, c.dK);
        EXPECT_EQ(r.hK, c.hK);
    }
}
