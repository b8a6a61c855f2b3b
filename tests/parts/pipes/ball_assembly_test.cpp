// The ball connection drawn from its pages: the end fitting, the nipple and
// the union nut, laid with point A at the typed point.
#include "pipes_fixture.h"


namespace {

double deg(double d)
{
    return d * pi / 180;
}

// Row 1 of the sizes, cylindrical thread.
const double d1 = 8, D2a = 25, D1 = 21.5, d = 18, d2 = 13, c = 1.6, c1 = 1.6, L = 34, Lm = 14, b = 3, d3 = 15.8,
             L1 = 12, D0 = 13.138, b1 = 2.5, d4 = 11, S3 = 19, S2 = 22, d5 = 18;
// The nipple's and the nut's.
const double nL1 = 4, nL2 = 7, nL = 27, nLm = 17, nd3 = 12, nd2 = 10, nd = 14, nD = 16, R = 6;
const double uD3 = 17.4, ud1 = 14, uh = 14, uD4 = 17, uH = 18, uLm = 15, ud = 18, uD2 = 21, ub = 5.4;

// Where the nipple's ball-side face lies: its ball of radius R in the
// fitting's cone of 18.5 degrees, 0.0001 off the seat.
double coneStart()
{
    return L - (d2 / 2 - d1 / 2) / std::tan(deg(18.5));
}
double ballFace()
{
    const double T = (R * std::sin(deg(71.5)) - d1 / 2) / std::tan(deg(18.5)) + coneStart();
    return R * std::cos(deg(71.5)) + T - nL1 + 0.0001;
}

// The end fitting's half section for row 1, G: d - 2c < d3 and
// D0 - 2c1 < d4, so both chamfers run from their undercuts.
std::vector<P2> fittingSection()
{
    const double u = L - Lm + b;
    return {{0, d1 / 2},
            {coneStart(), d1 / 2},
            {L, d2 / 2},
            {L, d / 2 - c},
            {L - c, d / 2},
            {u + (d / 2 - d3 / 2), d / 2},
            {u, d3 / 2},
            {L - Lm, d3 / 2},
            {L - Lm, d5 / 2},
            {L - Lm - std::tan(deg(30)) * (D1 / 2 - d5 / 2), D1 / 2},
            {L1, D1 / 2},
            {L1, d4 / 2},
            {L1 - b1, d4 / 2},
            {L1 - b1 - (D0 / 2 - d4 / 2), D0 / 2},
            {c1, D0 / 2},
            {0, D0 / 2 - c1},
            {0, d1 / 2}};
}

} // namespace

class BallAssembly : public PipesTest {
protected:
    void SetUp() override
    {
        PipesTest::SetUp();
        loadRow(1, true);
    }
    void loadRow(int n, bool gThread)
    {
        check("Panel94", gThread ? "RadioButton31" : "RadioButton30");
        type("Panel122", {{"Edit523", QString::number(n)}});
        press("Panel122", "SpeedButton18");
    }
    void draw() { press("Panel94", "BitBtn86"); }
    // The three bodies in the order drawn: end fitting, nipple, nut.
    std::vector<acad::IAcad3DSolid> bodies()
    {
        EXPECT_TRUE(errors.isEmpty()) << (errors.isEmpty() ? "" : errors.front().toStdString());
        EXPECT_EQ(count(), 3);
        if (count() != 3)
            return {};
        return {checkedPart(item(0), 82), checkedPart(item(1), 52), checkedPart(item(2), 77)};
    }
};

TEST_F(BallAssembly, RowOneLyingWithPointAAtTheOrigin)
{
    draw();
    const auto s = bodies();
    ASSERT_EQ(s.size(), 3u);
    const double A = L1;

    // The end fitting: the revolved section less what the hexagon S3 takes
    // from the collar and its chamfer.
    const std::vector<P2> section = fittingSection();
    const double chamferTop = L - Lm - std::tan(deg(30)) * (D1 / 2 - d5 / 2);
    auto chamfer = [&](double x) { return d5 / 2 + (L - Lm - x) / (L - Lm - chamferTop) * (D1 / 2 - d5 / 2); };
    const double removed = (chamferTop - L1) * outsideHexagon(D1 / 2, S3) +
                           integrate([&](double x) { return outsideHexagon(chamfer(x), S3); }, chamferTop, L - Lm);
    const double fitting = revolvedVolume(section, false) - removed;
    EXPECT_NEAR(s[0].Volume(), fitting, 1e-6 * fitting);
    // Flats facing +-Z; across the corners the collar's circle.
    expectBox(s[0], -A, -D1 / 2, -S3 / 2, L - A, D1 / 2, S3 / 2, 1e-5);

    // The nipple: its section by Pappus, the ball's arc by Green's theorem.
    const double B = ballFace();
    const double face = std::sqrt(R * R - nL1 * nL1);
    const std::vector<P2> nipple{{B, d1 / 2},
                                 {B + nL, d1 / 2},
                                 {B + nL, nd2 / 2},
                                 {B + nL - (nd / 2 - nd2 / 2), nd / 2},
                                 {B + nL - nLm, nd / 2},
                                 {B + nL - nLm, nD / 2},
                                 {B + nL2 + std::tan(deg(30)) * (nD / 2 - nd3 / 2), nD / 2},
                                 {B + nL2, nd3 / 2},
                                 {B + nL1, nd3 / 2}};
    // The moment about the axis, -y^2/2 dx round the outline: straight
    // edges, the arc from the ball's top (angle pi/2) to the face, then the
    // face down to the bore.
    double moment = 0;
    for (std::size_t k = 0; k + 1 < nipple.size(); ++k) {
        const P2 p = nipple[k], q = nipple[k + 1];
        moment -= (q.x - p.x) * (p.y * p.y + p.y * q.y + q.y * q.y) / 6;
    }
    const double end = pi - std::atan(face / nL1);
    auto F = [](double phi) { return -std::cos(phi) + std::pow(std::cos(phi), 3) / 3; };
    moment += R * R * R / 2 * (F(end) - F(pi / 2));
    EXPECT_NEAR(s[1].Volume(), 2 * pi * moment, 1e-6 * 2 * pi * moment);
    expectBox(s[1], B - A, -nD / 2, -nD / 2, B + nL - A, nD / 2, nD / 2, 1e-5);

    // The nut: from its open face to its far face, the hexagon S2 flat at
    // +-Z, across the corners the hexagon part's circle D2a.
    const double Bn = B + nL - nLm + 0.0001;
    expectBox(s[2], Bn - uLm - A, -D2a / 2, -S2 / 2, Bn - uLm + uH - A, D2a / 2, S2 / 2, 1e-5);
    // Its inner shoulder rests 0.0001 beyond the nipple's collar face and
    // its hole keeps 0.0001 off the nipple.
    EXPECT_EQ(cylinderAxes(s[2], ud1 / 2 + 0.0001).size(), 1u);
    EXPECT_EQ(cylinderAxes(s[2], uD3 / 2).size(), 1u);
    EXPECT_EQ(cylinderAxes(s[2], ud / 2 + 0.0001).size(), 1u);

    // What the bank keeps.
    EXPECT_EQ(fields().Dim05, L1);
    EXPECT_EQ(fields().Dim06, L);
    EXPECT_EQ(fields().Dim03, S2);
    EXPECT_EQ(fields().Dim04, ub);
    EXPECT_EQ(fields().Dim07, uD4);
    EXPECT_EQ(fields().Dim14, uD3);
    EXPECT_EQ(fields().Dim16, D2a);
    EXPECT_DOUBLE_EQ(fields().Dim09, Bn);
    EXPECT_EQ(fields().Dim01, uh);
    EXPECT_EQ(fields().Dim12, uD2);
}

TEST_F(BallAssembly, TaperedThreadUprightAndPointAMoveTheWholeConnection)
{
    struct Case {
        bool gThread, upright;
        double X, Y, Z;
        double A, length; // point A from the pipe-thread end, the fitting's L
    };
    const Case cases[] = {
        {false, false, 0, 0, 0, 5.08, 36},
        {true, true, 0, 0, 0, 12, 34},
        {false, true, 100, -50, 7.5, 5.08, 36},
        {true, false, -20, 30, 40, 12, 34},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(testing::Message() << k.gThread << k.upright << k.X);
        clearDrawing();
        loadRow(1, k.gThread);
        check("Panel96", k.upright ? "RadioButton33" : "RadioButton32");
        type("Panel94", {{"Edit409", num(k.X)}, {"Edit410", num(k.Y)}, {"Edit411", num(k.Z)}});
        draw();
        const auto s = bodies();
        ASSERT_EQ(s.size(), 3u);
        // The end fitting from its pipe-thread end at -A along the axis;
        // upright its flats face +-X.
        if (k.upright)
            expectBox(s[0], k.X - S3 / 2, k.Y - D1 / 2, k.Z - k.A, k.X + S3 / 2, k.Y + D1 / 2, k.Z + k.length - k.A,
                      1e-5);
        else
            expectBox(s[0], k.X - k.A, k.Y - D1 / 2, k.Z - S3 / 2, k.X + k.length - k.A, k.Y + D1 / 2, k.Z + S3 / 2,
                      1e-5);
        EXPECT_EQ(fields().Dim24, k.X);
        EXPECT_EQ(fields().Dim26, k.Z);
    }
}

TEST_F(BallAssembly, EveryRowWithEitherThreadGivesThreeValidBodies)
{
    for (int n = 1; n <= 7; ++n)
        for (bool g : {true, false}) {
            SCOPED_TRACE(testing::Message() << "row " << n << (g ? " G" : " K"));
            clearDrawing();
            loadRow(n, g);
            draw();
            const auto s = bodies();
            ASSERT_EQ(s.size(), 3u);
            for (const auto& body : s)
                EXPECT_GT(body.Volume(), 0);
            // The ball sits in the end fitting's mouth and the nut is
            // screwed onto its thread.
            acad::AcadPoint lo0, hi0, lo1, hi1, lo2, hi2;
            s[0].GetBoundingBox(lo0, hi0);
            s[1].GetBoundingBox(lo1, hi1);
            s[2].GetBoundingBox(lo2, hi2);
            EXPECT_LT(lo1[0], hi0[0]);
            EXPECT_GT(hi1[0], hi0[0]);
            EXPECT_LT(lo2[0], hi0[0]);
            EXPECT_LT(lo2[0], lo1[0]);
        }
}

TEST_F(BallAssembly, BadInputsStopWhereTheyAreRead)
{
    // S3 after the end fitting is revolved: no hexagon, no colour.
    type("Panel94", {{"Edit418", "S"}});
    draw();
    EXPECT_EQ(errors, QStringList{notAFloat("S")});
    ASSERT_EQ(count(), 1);
    auto fitting = checkedPart(item(0), 256);
    EXPECT_NEAR(fitting.Volume(), revolvedVolume(fittingSection(), false), 1e-6 * fitting.Volume());
    expectBox(fitting, 0, -D1 / 2, -D1 / 2, L, D1 / 2, D1 / 2, 1e-5);

    // A nut input after the nipple is finished, before anything is moved.
    clearDrawing();
    errors.clear();
    type("Panel94", {{"Edit418", num(S3)}});
    type("Panel95", {{"Edit430", "d"}});
    draw();
    EXPECT_EQ(errors, QStringList{notAFloat("d")});
    ASSERT_EQ(count(), 2);
    checkedPart(item(0), 82);
    expectBox(checkedPart(item(1), 52), ballFace(), -nD / 2, -nD / 2, ballFace() + nL, nD / 2, nD / 2, 1e-5);

    // A nipple L1 beyond the ball's radius fails before the nipple's outline.
    clearDrawing();
    errors.clear();
    type("Panel95", {{"Edit430", num(ud)}});
    type("Panel96", {{"Edit404", "7"}});
    draw();
    ASSERT_EQ(errors.size(), 1);
    EXPECT_EQ(count(), 1);
    checkedPart(item(0), 82);

    // L1 = 0 fails in the arc's bulge, the nipple's outline left behind.
    clearDrawing();
    errors.clear();
    type("Panel96", {{"Edit404", "0"}});
    draw();
    ASSERT_EQ(errors.size(), 1);
    ASSERT_EQ(count(), 2);
    checkedPart(item(0), 82);
    EXPECT_EQ(item(1).ObjectName(), QStringLiteral("AcDbPolyline"));
}
