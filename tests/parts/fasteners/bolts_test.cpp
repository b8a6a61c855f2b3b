// Conical and swing bolts: bodies of revolution about X, the slot and the
// late-read stud of the conical bolt, the eye of the swing bolt.
#include "fastener_fixture.h"

namespace {

struct Conical {
    double D, L, c, n, t, d;  // read first
    double d1, r, L1, L2;     // read once the body is drawn
    double xD() const { return L - (D / 2 - d / 2); }
    double RT() const { return D / 2 + (xD() - c) / 20; }
    // The body's radius at x: the chamfer, the 1:20 taper, the step to d.
    double radius(double x) const
    {
        if (x <= c)
            return RT() - c + x;
        if (x <= xD())
            return RT() - (x - c) / 20;
        return D / 2 - (x - xD());
    }
    double body() const
    {
        return frustum(RT() - c, RT(), c) + frustum(RT(), D / 2, xD() - c) + frustum(D / 2, d / 2, L - xD());
    }
    // The slot runs out at both sides: strips of the sections over its depth.
    double slot() const
    {
        return integrate([this](double x) { return discStrip(radius(x), n / 2); }, 0, t, 4000);
    }
    // The stud: d, the 45° step to d1 ending at xS, d1 to the end, and the
    // fillet r in the corner at (xS, d1/2), turning through 45°.
    double stud() const
    {
        const double xS = L + L1 - L2, x2 = xS - (d / 2 - d1 / 2);
        return pi * d * d / 4 * (x2 - L) + frustum(d / 2, d1 / 2, xS - x2) + pi * d1 * d1 / 4 * (L + L1 - xS) +
               filletRing45(d1 / 2, r);
    }
};

struct Swing {
    double D, b, r, d1, L;
    double volume() const
    {
        const double R = D / 2, h = b / 2;
        const double slice = pi * (R * R * 2 * h - 2 * h * h * h / 3);
        const double phi = std::asin((d1 / 2 + r) / (R + r));
        const double xF = R * std::cos(phi), y0 = R * std::sin(phi), x1 = (R + r) * std::cos(phi);
        // The shank from xF, and the fillet between the sphere and the shank:
        // the triangle under the chord less the segment of the arc.
        const double shank = pi * d1 * d1 / 4 * (L - xF);
        const double triangle = (x1 - xF) * (y0 - d1 / 2) / 2;
        const double triangleY = (d1 / 2 + y0 + d1 / 2) / 3;
        const Segment seg = circularSegment(x1, d1 / 2 + r, r, xF, y0, x1, d1 / 2);
        const double fillet = 2 * pi * (triangle * triangleY - seg.area * seg.y);
        // The hole d1 with its 0.6 chamfers at both faces.
        const double hole = pi * d1 * d1 / 4 * (b - 1.2) + 2 * frustum(d1 / 2, d1 / 2 + 0.6, 0.6);
        return slice + shank + fillet - sphericalCap(R, R - xF) - hole;
    }
};

class Bolts : public FastenerTest {
protected:
    void typeConical(const Conical& c)
    {
        type("Panel75", {{"Edit227", num(c.D)}, {"Edit228", num(c.L)}, {"Edit229", num(c.c)}, {"Edit230", num(c.n)},
                         {"Edit231", num(c.t)}, {"Edit232", num(c.d)}, {"Edit455", num(c.d1)}, {"Edit456", num(c.r)},
                         {"Edit453", num(c.L1)}, {"Edit454", num(c.L2)}});
    }
    void typeSwing(const Swing& s, const QString& d2)
    {
        type("Panel76", {{"Edit233", num(s.D)}, {"Edit234", num(s.b)}, {"Edit236", num(s.r)}, {"Edit237", num(s.d1)},
                         {"Edit238", d2}, {"Edit235", num(s.L)}});
    }
};

const Conical kConical{20, 40, 1, 3, 2.5, 16, 12, 1, 20, 10};

} // namespace

TEST_F(Bolts, ConicalBoltIsTheSlottedTaperWithItsStud)
{
    const Conical cases[] = {kConical, {24, 50, 1.5, 4, 1, 20, 16, 2, 30, 25}};
    for (const Conical& c : cases) {
        SCOPED_TRACE(c.D);
        clearDrawing();
        typeConical(c);
        press("Panel75", "BitBtn41");
        auto bolt = onlyPart(5);
        const double expected = c.body() - c.slot() + c.stud();
        EXPECT_NEAR(bolt.Volume(), expected, 1e-6 * expected);
        // Across the slot the thickest section keeps RT along Y; along Z the
        // slot takes the tops off when it reaches past the chamfer.
        const double zTop = c.t <= c.c ? c.RT() : std::max(c.radius(c.t), std::sqrt(c.RT() * c.RT() - c.n * c.n / 4));
        expectBox(bolt, 0, -c.RT(), -zTop, c.L + c.L1, c.RT(), zTop, 1e-5);
        EXPECT_TRUE(bolt == fields().NewSolid);
        // The stud's sizes have taken the places of D, c, n and t.
        EXPECT_EQ(fields().Dim00, c.d1);
        EXPECT_EQ(fields().Dim03, c.r);
        EXPECT_EQ(fields().Dim16, c.L1);
        EXPECT_EQ(fields().Dim05, c.L2);
        EXPECT_EQ(fields().Dim06, c.L);
        EXPECT_EQ(fields().Dim15, c.d);
    }
}

TEST_F(Bolts, ConicalBoltWithBadStudTextIsLeftUncolouredWithoutStud)
{
    typeConical(kConical);
    edit("Panel75", "Edit453")->setText(QStringLiteral("двадцать"));
    press("Panel75", "BitBtn41");
    EXPECT_EQ(errors, QStringList{notAFloat("двадцать")});
    ASSERT_EQ(count(), 1);
    auto body = checkedPart(item(0), kUncoloured);
    EXPECT_NEAR(body.Volume(), kConical.body() - kConical.slot(), 1e-6 * kConical.body());
    // d1 and r were read before L1 failed; n and t stay.
    EXPECT_EQ(fields().Dim00, kConical.d1);
    EXPECT_EQ(fields().Dim03, kConical.r);
    EXPECT_EQ(fields().Dim16, kConical.n);
    EXPECT_EQ(fields().Dim05, kConical.t);

    // An empty first edit draws nothing.
    clearDrawing();
    errors.clear();
    edit("Panel75", "Edit227")->clear();
    press("Panel75", "BitBtn41");
    EXPECT_EQ(errors, QStringList{notAFloat("")});
    EXPECT_EQ(count(), 0);
}

TEST_F(Bolts, SwingBoltIsTheEyeOnItsShankWhateverD2Says)
{
    const Swing s{30, 16, 2, 12, 60};
    for (const char* d2 : {"14", "0", "-3"}) {
        SCOPED_TRACE(d2);
        clearDrawing();
        typeSwing(s, QString::fromLatin1(d2));
        press("Panel76", "BitBtn42");
        auto bolt = onlyPart(5);
        EXPECT_NEAR(bolt.Volume(), s.volume(), 1e-6 * s.volume());
        expectBox(bolt, -15, -15, -8, 60, 15, 8, 1e-5);
        EXPECT_TRUE(bolt == fields().GroupSolid);
        EXPECT_EQ(fields().Dim15, QString::fromLatin1(d2).toDouble());
        EXPECT_EQ(fields().Dim12, 12);
    }
}

TEST_F(Bolts, SwingBoltFaultsLeaveTheSphereAlone)
{
    struct Case {
        double d1;
        QString message;
    };
    const Case cases[] = {
        {30, QStringLiteral("Floating point division by zero.")},
        {34, QStringLiteral("Invalid floating point operation.")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.d1);
        clearDrawing();
        errors.clear();
        typeSwing({30, 16, 2, c.d1, 60}, QStringLiteral("14"));
        press("Panel76", "BitBtn42");
        EXPECT_EQ(errors, QStringList{c.message});
        ASSERT_EQ(count(), 1);
        auto sphere = checkedPart(item(0), kUncoloured);
        EXPECT_NEAR(sphere.Volume(), 4 * pi * 15 * 15 * 15 / 3, 1e-3);
    }
    // A d2 that is not a number stops the procedure before drawing.
    clearDrawing();
    errors.clear();
    typeSwing({30, 16, 2, 12, 60}, QStringLiteral("M12"));
    press("Panel76", "BitBtn42");
    EXPECT_EQ(errors, QStringList{notAFloat("M12")});
    EXPECT_EQ(count(), 0);
}
