// Screw heads: the five heads with their necks, standing on Z with the top
// in z = 0, the slot or the hexagon socket, the zero rule and the late reads
// of the socket.
#include "fastener_fixture.h"

namespace {

// The section of a hexagon prism S across flats by a circle of radius rho.
double hexagonInCircle(double S, double rho)
{
    const double p = S / 2;
    if (rho <= p)
        return pi * rho * rho;
    if (rho >= S / std::sqrt(3.0))
        return std::sqrt(3.0) / 2 * S * S;
    return pi * rho * rho - 6 * (rho * rho * std::acos(p / rho) - p * std::sqrt(rho * rho - p * p));
}

// The neck d1 over L with the fillet R under the head and the flare r.
double neck(double d1, double L, double R, double r)
{
    return pi * d1 * d1 / 4 * L + spandrelRing(d1 / 2, R) + spandrelRing(d1 / 2, r);
}

// A slot n wide and t deep across a head whose radius at the depth u is rho(u).
template <class Radius>
double slot(Radius rho, double n, double t)
{
    return integrate([&](double u) { return discStrip(rho(u), n / 2); }, 0, t, 20000);
}

// A solid of revolution of radius rho(u) over the depths 0 to h.
template <class Radius>
double revolved(Radius rho, double h)
{
    return integrate([&](double u) { return pi * rho(u) * rho(u); }, 0, h, 20000);
}

// The radius at the depth u of a sphere R1 touching the top, no wider than D.
double domeRadius(double R1, double D, double u)
{
    return std::min(D / 2, std::sqrt(std::max(0.0, 2 * R1 * u - u * u)));
}

struct Socket {
    double D2, D1, r1, t, K1, R, d1, r, L, e1, S1;
    // The cylinder less the rounding r1 of its top edge.
    double head() const
    {
        return pi * D2 * D2 / 4 * K1 - 2 * pi * (D2 / 2 - spandrelCentroid(r1)) * spandrelArea(r1);
    }
    // The conical mouth (radius D1/2 at the top, apex at D1/4) and the
    // hexagon e1 / S1 over the depth t, together.
    double recess() const
    {
        const double rhoE = e1 / 2;
        return integrate(
            [this, rhoE](double u) {
                const double cone = std::max(0.0, D1 / 2 - 2 * u);
                if (u > t)
                    return pi * cone * cone;
                if (cone >= rhoE)
                    return pi * cone * cone;
                return hexagonInCircle(S1, rhoE) + pi * cone * cone - hexagonInCircle(S1, cone);
            },
            0, std::max(t, D1 / 4), 20000);
    }
};

class ScrewHeads : public FastenerTest {
protected:
    void typeSocket(const Socket& s)
    {
        type("Panel77", {{"Edit243", num(s.D2)}, {"Edit244", num(s.D1)}, {"Edit245", num(s.r1)}, {"Edit246", num(s.t)},
                         {"Edit247", num(s.K1)}, {"Edit248", num(s.R)}, {"Edit249", num(s.d1)}, {"Edit250", num(s.r)},
                         {"Edit251", num(s.L)}, {"Edit252", num(s.e1)}, {"Edit253", num(s.S1)}});
    }
    // Cylinder, countersunk: D, K, n, t, R, r, d1, L.
    void typePlain(const char* panel, const char* const edits[8], const double values[8])
    {
        for (int k = 0; k < 8; ++k)
            edit(panel, edits[k])->setText(num(values[k]));
    }
    // The head reaches x and y about the axis, from the depth up to the top.
    void expectHead(const acad::IAcad3DSolid& head, double x, double y, double depth, double top,
                    double expectedVolume)
    {
        EXPECT_NEAR(head.Volume(), expectedVolume, 1e-6 * expectedVolume);
        expectBox(head, -x, -y, -depth, x, y, top, 1e-5);
        EXPECT_TRUE(head == fields().NewSolid);
    }
};

// Where a slot n = 1.6 wide runs out of a band of radius 5.5 along X.
const double kCutBand = std::sqrt(5.5 * 5.5 - 0.8 * 0.8);
// The top of a dome R1 left at the edges of that slot.
double domeTop(double R1)
{
    return -(R1 - std::sqrt(R1 * R1 - 0.8 * 0.8));
}

const char* const kCylinderEdits[8] = {"Edit254", "Edit258", "Edit255", "Edit259",
                                       "Edit256", "Edit260", "Edit257", "Edit261"};
const char* const kCountersunkEdits[8] = {"Edit271", "Edit272", "Edit273", "Edit274",
                                          "Edit275", "Edit276", "Edit277", "Edit278"};

} // namespace

TEST_F(ScrewHeads, SocketHeadWithRoundedAndSharpHexagon)
{
    // e1 below and above the sharp-corner width 2·6/√3 = 6.93.
    for (const double e1 : {6.86, 8.0}) {
        SCOPED_TRACE(e1);
        clearDrawing();
        const Socket s{13, 7, 0.5, 4, 8, 0.4, 8, 0.5, 10, e1, 6};
        typeSocket(s);
        press("Panel77", "BitBtn69");
        auto head = onlyPart(5);
        expectHead(head, 6.5, 6.5, 18, 0, s.head() - s.recess() + neck(8, 10, 0.4, 0.5));
        // A pair of flats square to X: halfway down the socket the head is
        // cut to the hexagon, its corners on the Y axis.
        acad::IAcadRegion ring = head.SectionSolid({0, 0, -3}, {77, 0, -3}, {0, 77, -3});
        EXPECT_NEAR(ring.Area(), pi * 13 * 13 / 4 - hexagonInCircle(6, e1 / 2), 1e-6);
        ring.Delete();
        EXPECT_EQ(fields().Dim00, e1);
        EXPECT_EQ(fields().Dim12, 6);
    }
}

TEST_F(ScrewHeads, SocketHeadWithBadS1IsLeftTurnedAndUncolouredWithoutSocket)
{
    const Socket s{13, 7, 0.5, 4, 8, 0.4, 8, 0.5, 10, 6.86, 6};
    typeSocket(s);
    edit("Panel77", "Edit253")->setText(QStringLiteral("S1"));
    press("Panel77", "BitBtn69");
    EXPECT_EQ(errors, QStringList{notAFloat("S1")});
    ASSERT_EQ(count(), 1);
    auto head = checkedPart(item(0), kUncoloured);
    const double mouth = pi * 3.5 * 3.5 * 1.75 / 3;
    EXPECT_NEAR(head.Volume(), s.head() - mouth + neck(8, 10, 0.4, 0.5), 1e-6 * head.Volume());
    expectBox(head, -6.5, -6.5, -18, 6.5, 6.5, 0, 1e-5);
    EXPECT_EQ(fields().Dim00, 6.86);
    EXPECT_EQ(fields().Dim12, 7);
}

TEST_F(ScrewHeads, SlottedHeadsAreTheirProfilesLessTheSlotAlongX)
{
    // Cylinder head: D 10, K 6, n 1.6, t 2.5, R 0.4, r 0.5, d1 6, L 12.
    const double cylinder[8] = {10, 6, 1.6, 2.5, 0.4, 0.5, 6, 12};
    typePlain("Panel78", kCylinderEdits, cylinder);
    press("Panel78", "BitBtn70");
    {
        auto head = onlyPart(82);
        expectHead(head, 5, 5, 18, 0,
                   pi * 25 * 6 + neck(6, 12, 0.4, 0.5) - slot([](double) { return 5.0; }, 1.6, 2.5));
        // The slot runs along X: the top face is cut across its whole width.
        EXPECT_NEAR(areaAtZ(head, -1), pi * 25 - discStrip(5, 0.8), 1e-6);
    }

    // Countersunk head: D 11, K 3.3, n 1.6, t 1.6, R 0.4, r 0.5, d1 6, L 12;
    // the band of D reaches to 3.3 - (5.5 - 3) = 0.8, the 45° cone on to (K, d1/2).
    clearDrawing();
    const double countersunk[8] = {11, 3.3, 1.6, 1.6, 0.4, 0.5, 6, 12};
    typePlain("Panel80", kCountersunkEdits, countersunk);
    press("Panel80", "BitBtn74");
    {
        auto head = onlyPart(82);
        auto rho = [](double u) { return u <= 0.8 ? 5.5 : 5.5 - (u - 0.8); };
        const double body = pi * 5.5 * 5.5 * 0.8 + frustum(5.5, 3, 2.5) + filletRing45(3, 0.4);
        expectHead(head, kCutBand, 5.5, 15.3, 0, body + neck(6, 12, 0, 0.5) - slot(rho, 1.6, 1.6));
    }
}

TEST_F(ScrewHeads, DomedHeadsAreTrimmedSpheresOnTheirBodies)
{
    // Semicircular: D 10, K1 4.2, n 1.6, t1 2.4, R 0.4, r 0.5, d1 6, L 12,
    // R1 5.2; the sphere is wider than D near K1 and is trimmed there.
    type("Panel79", {{"Edit262", num(10)}, {"Edit266", num(4.2)}, {"Edit263", num(1.6)}, {"Edit267", num(2.4)},
                     {"Edit268", num(0.4)}, {"Edit265", num(0.5)}, {"Edit269", num(6)}, {"Edit270", num(12)},
                     {"Edit264", num(5.2)}});
    press("Panel79", "BitBtn72");
    auto dome = [](double u) { return domeRadius(5.2, 10, u); };
    {
        auto head = onlyPart(82);
        expectHead(head, 5, 5, 16.2, domeTop(5.2), revolved(dome, 4.2) + neck(6, 12, 0.4, 0.5) - slot(dome, 1.6, 2.4));
        EXPECT_EQ(fields().Dim08, 5.2);
    }

    // Raised countersunk: D 11, K 3.3, n 1.6, t 2, f 1.5, R1 11, R 0.4,
    // r 0.5, d1 6, L 12: the countersunk body under a cap 1.5 high.
    clearDrawing();
    type("Panel81", {{"Edit297", num(11)}, {"Edit302", num(3.3)}, {"Edit298", num(1.6)}, {"Edit303", num(2)},
                     {"Edit299", num(1.5)}, {"Edit304", num(11)}, {"Edit300", num(0.4)}, {"Edit305", num(0.5)},
                     {"Edit301", num(6)}, {"Edit306", num(12)}});
    press("Panel81", "BitBtn76");
    {
        auto head = onlyPart(82);
        auto rho = [](double u) { return u <= 1.5 ? domeRadius(11, 11, u) : u <= 2.3 ? 5.5 : 5.5 - (u - 2.3); };
        const double body = pi * 5.5 * 5.5 * 0.8 + frustum(5.5, 3, 2.5) + filletRing45(3, 0.4);
        expectHead(head, 5.5, 5.5, 16.8, domeTop(11), revolved(rho, 1.5) + body + neck(6, 12, 0, 0.5) - slot(rho, 1.6, 2));
        EXPECT_EQ(fields().Dim01, 1.5);
    }
}

TEST_F(ScrewHeads, WithoutNeckDiameterOrLengthEachHeadIsDrawnAlone)
{
    struct Case {
        const char* what;
        double d1, L;
    };
    const Case neckless[] = {{"d1 = 0", 0, 12}, {"L = 0", 6, 0}};
    for (const Case& c : neckless) {
        SCOPED_TRACE(c.what);
        // Cylinder head: R, r, d1 and L are 0 in the bank afterwards.
        clearDrawing();
        const double cylinder[8] = {10, 6, 1.6, 2.5, 0.4, 0.5, c.d1, c.L};
        typePlain("Panel78", kCylinderEdits, cylinder);
        press("Panel78", "BitBtn70");
        expectHead(onlyPart(82), 5, 5, 6, 0, pi * 25 * 6 - slot([](double) { return 5.0; }, 1.6, 2.5));
        EXPECT_EQ(fields().Dim11, 0);
        EXPECT_EQ(fields().Dim07, 0);
        EXPECT_EQ(fields().Dim14, 0);
        EXPECT_EQ(fields().Dim06, 0);

        // Socket head.
        clearDrawing();
        const Socket s{13, 7, 0.5, 4, 8, 0.4, c.d1, 0.5, c.L, 8, 6};
        typeSocket(s);
        press("Panel77", "BitBtn69");
        expectHead(onlyPart(5), 6.5, 6.5, 8, 0, s.head() - s.recess());
        EXPECT_EQ(fields().Dim07, 0);
        EXPECT_EQ(fields().Dim16, 0);
        EXPECT_EQ(fields().Dim14, 0);
        EXPECT_EQ(fields().Dim06, 0);

        // Countersunk head K 6: its cone runs down to the axis at K.
        clearDrawing();
        const double countersunk[8] = {11, 6, 1.6, 1.6, 0.4, 0.5, c.d1, c.L};
        typePlain("Panel80", kCountersunkEdits, countersunk);
        press("Panel80", "BitBtn74");
        auto cone = [](double u) { return u <= 0.5 ? 5.5 : 5.5 - (u - 0.5); };
        expectHead(onlyPart(82), kCutBand, 5.5, 6, 0, pi * 5.5 * 5.5 * 0.5 + frustum(5.5, 0, 5.5) - slot(cone, 1.6, 1.6));
        EXPECT_EQ(fields().Dim11, 0);
        EXPECT_EQ(fields().Dim14, 0);

        // Semicircular head: the trimmed dome alone, no neck profile.
        clearDrawing();
        errors.clear();
        type("Panel79", {{"Edit262", num(10)}, {"Edit266", num(4.2)}, {"Edit263", num(1.6)}, {"Edit267", num(2.4)},
                         {"Edit268", num(0.4)}, {"Edit265", num(0.5)}, {"Edit269", num(c.d1)}, {"Edit270", num(c.L)},
                         {"Edit264", num(5.2)}});
        press("Panel79", "BitBtn72");
        auto dome = [](double u) { return domeRadius(5.2, 10, u); };
        expectHead(onlyPart(82), 5, 5, 4.2, domeTop(5.2), revolved(dome, 4.2) - slot(dome, 1.6, 2.4));
        EXPECT_EQ(fields().Dim11, 0);
        EXPECT_EQ(fields().Dim14, 0);
    }
}

TEST_F(ScrewHeads, FreshPanelsDrawNothing)
{
    const std::pair<const char*, const char*> buttons[] = {
        {"Panel77", "BitBtn69"}, {"Panel78", "BitBtn70"}, {"Panel79", "BitBtn72"},
        {"Panel80", "BitBtn74"}, {"Panel81", "BitBtn76"}};
    for (const auto& [panel, button] : buttons)
        press(panel, button);
    EXPECT_EQ(errors, QStringList(5, notAFloat("")));
    EXPECT_EQ(count(), 0);
}
