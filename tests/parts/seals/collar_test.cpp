// The collars: the piston's seat body with its collar, and the housing's
// seat cutter (two variants by the rod's diameter) with its collar.
#include "seals_fixture.h"

#include <array>
#include <initializer_list>

using Collar = SealsTest;

namespace {

constexpr double k = 0.09267275933942601;
const double q = std::tan(pi / 8), e = std::tan(pi / 72), s = std::tan(pi / 12), slope = std::tan(pi / 6);

// The collar's section as drawn: heel at x, lips towards m (-1 or +1), the
// recess's half circle centred `recess` from the heel.
Outline collar(double x, double m, double inner, double outer, double R3, double fc, double recess)
{
    const double a = outer - inner;
    Outline o;
    o.add(x + m * a, inner, m * e);
    o.add(x + m * fc, inner + k * a);
    o.add(x, inner + k * a + slope * fc);
    o.add(x, outer - k * a - slope * fc);
    o.add(x + m * fc, outer - k * a, m * e);
    o.add(x + m * a, outer, -m * s);
    o.add(x + m * recess, inner + a / 2 + R3, m * 1);
    o.add(x + m * recess, inner + a / 2 - R3, -m * s);
    o.add(x + m * a, inner);
    return o;
}

struct Piston {
    double Dc, Dp, D1, d, h, h1, f, R3, fc;
};
struct Rod {
    double dr, dh, d1, d2, b, H, R3, fc;
};

} // namespace

class CollarDrawn : public Collar {
protected:
    void drawPiston(const Piston& p)
    {
        typePiston(p);
        press("Panel69", "BitBtn65");
    }
    void typePiston(const Piston& p)
    {
        type("Panel69", {{"Edit212", num(p.Dc)}, {"Edit213", num(p.Dp)}, {"Edit214", num(p.D1)}, {"Edit215", num(p.d)},
                         {"Edit216", num(p.h)}, {"Edit217", num(p.h1)}, {"Edit218", num(p.f)}, {"Edit223", num(p.R3)},
                         {"Edit224", num(p.fc)}});
    }
    void typeRod(const Rod& r)
    {
        type("Panel69", {{"Edit219", num(r.dr)}, {"Edit220", num(r.dh)}, {"Edit221", num(r.d1)}, {"Edit222", num(r.d2)},
                         {"Edit225", num(r.b)}, {"Edit226", num(r.H)}, {"Edit223", num(r.R3)}, {"Edit224", num(r.fc)}});
    }
};

// Table row 1: the seat spans x = 0 to 14.5, the collar's heel lies on the
// groove's far wall x = 14, its lips reach back to 14 - a.
TEST_F(CollarDrawn, PistonSeatIsThePistonsCoreRoundTheGrooveWithTheCollarInIt)
{
    const Piston p{40.025, 39.84, 30, 24, 10, 4, 0.5, 2, 1.2};
    drawPiston(p);
    EXPECT_TRUE(errors.empty());
    ASSERT_EQ(count(), 2);
    const double X = p.h1 + p.h, a = (p.Dc - p.d) / 2, c = kCornerCentroid;
    // Cylinders of the shoulder, the groove's bottom and the rim, less the
    // three 45° chamfers, plus the two fillets at the groove's bottom.
    const double cylinders = pi * (p.D1 * p.D1 / 4 * p.h1 + p.d * p.d / 4 * p.h + p.Dp * p.Dp / 4 * 0.5);
    const double chamfers = 2 * pi * (0.125 * (p.D1 / 2 - 0.5 / 3) + p.f * p.f / 2 * (p.D1 / 2 - p.f / 3) +
                                      0.125 * (p.Dp / 2 - 0.5 / 3));
    const double fillets = 2 * 2 * pi * kCorner * 0.25 * (p.d / 2 + c * 0.5);
    acad::IAcad3DSolid seat = solid(0, 5);
    EXPECT_NEAR(seat.Volume(), cylinders - chamfers + fillets, 1e-6 * cylinders);
    // The rim of the piston is the widest.
    expectBox(seat, 0, -p.Dp / 2, -p.Dp / 2, X + 0.5, p.Dp / 2, p.Dp / 2, 1e-6);

    acad::IAcad3DSolid ring = solid(1, 1);
    const double collarVolume = pappusVolume(collar(X, -1, p.d / 2, p.Dc / 2, p.R3, p.fc, a / 2 + p.R3));
    EXPECT_NEAR(ring.Volume(), collarVolume, 1e-6 * collarVolume);
    expectBox(ring, X - a, -p.Dc / 2, -p.Dc / 2, X, p.Dc / 2, p.Dc / 2, 1e-6);
    EXPECT_TRUE(fields().GroupSolid == seat);
    EXPECT_TRUE(fields().NewSolid == ring);
    EXPECT_EQ(fields().Dim14, p.Dc);
    EXPECT_EQ(fields().Dim09, p.R3);
    EXPECT_EQ(fields().Dim05, p.fc);
    EXPECT_EQ(fields().Dim03, p.f);
}

// Table row 15 (variant 1, entry wall and bore d1) and row 24 (variant 2).
TEST_F(CollarDrawn, RodSeatVariantFollowsTheRodTypedForThisPress)
{
    struct Case {
        Rod rod;
        bool d1Typed;
        double seatFrom; // the cutter's near end
        double seatVolume;
    };
    const double c = kCornerCentroid, sq = kCorner;
    // Variant 1, row 15: dr 5.97, dh 6.01, d1 10, d2 14, b 6, H 12.
    const Rod r15{5.97, 6.01, 10, 14, 6, 12, 1.0, 0.6};
    Outline v1;
    for (auto [x, y, bulge] : std::initializer_list<std::array<double, 3>>{
             {0, 0, 0}, {0, r15.dh / 2, q}, {0.5, r15.dh / 2 + 0.5, 0}, {0.5, r15.d2 / 2 - 0.5, -q},
             {1, r15.d2 / 2, 0}, {r15.b, r15.d2 / 2, -q}, {r15.b + 0.5, r15.d2 / 2 - 0.5, 0},
             {r15.b + 0.5, r15.d1 / 2, 0}, {r15.b + 0.5 + r15.H, r15.d1 / 2, 0}, {r15.b + 0.5 + r15.H, 0, 0},
             {0, 0, 0}})
        v1.add(x, y, bulge);
    // Variant 2, row 24 with d1 left empty: the groove from x = 0.5 at d2,
    // bored to dh behind it, by hand: cylinders, the near corner's fillet
    // of 0.5, the far corner's of 1, and the 2 x 45° chamfer.
    const Rod r24{39.93, 40.03, 0, 60, 12, 18, 2.5, 1.5};
    const double b = r24.b, R2 = r24.d2 / 2, Rh = r24.dh / 2;
    const double v2 = pi * R2 * R2 * b + pi * Rh * Rh * r24.H +
                      2 * pi * (-sq * 0.25 * (R2 - c * 0.5) - sq * 1 * (R2 - c * 1) + 2 * (Rh + 2.0 / 3));
    const Case cases[] = {{r15, true, 0, pappusVolume(v1)}, {r24, false, 0.5, v2}};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.rod.dr);
        clearDrawing();
        typeRod(k.rod);
        if (!k.d1Typed)
            type("Panel69", {{"Edit221", ""}});
        press("Panel69", "BitBtn66");
        EXPECT_TRUE(errors.empty()) << (errors.empty() ? "" : errors.front().toStdString());
        ASSERT_EQ(count(), 2);
        const Rod& r = k.rod;
        acad::IAcad3DSolid seat = solid(0, 5);
        EXPECT_NEAR(seat.Volume(), k.seatVolume, 1e-6 * k.seatVolume);
        expectBox(seat, k.seatFrom, -r.d2 / 2, -r.d2 / 2, r.b + 0.5 + r.H, r.d2 / 2, r.d2 / 2, 1e-6);
        const double a = (r.d2 - r.dr) / 2;
        acad::IAcad3DSolid ring = solid(1, 1);
        const double collarVolume = pappusVolume(collar(0.5, 1, r.dr / 2, r.d2 / 2, r.R3, r.fc, a / 2));
        EXPECT_NEAR(ring.Volume(), collarVolume, 1e-6 * collarVolume);
        expectBox(ring, 0.5, -r.d2 / 2, -r.d2 / 2, 0.5 + a, r.d2 / 2, r.d2 / 2, 1e-6);
        EXPECT_EQ(fields().Dim03, 0.5);
    }
}

TEST_F(CollarDrawn, ARodOfThirtyFiveReadsDOneAndOneOfThirtySixDoesNot)
{
    const Rod r{35, 35.03, 40, 55, 12, 12, 2.5, 1.5};
    for (double dr : {35.0, 36.0}) {
        SCOPED_TRACE(dr);
        clearDrawing();
        errors.clear();
        Rod typed = r;
        typed.dr = dr;
        typeRod(typed);
        type("Panel69", {{"Edit221", ""}});
        press("Panel69", "BitBtn66");
        if (dr == 35) {
            EXPECT_EQ(errors, QStringList{notAFloat("")});
            EXPECT_EQ(count(), 0);
            continue;
        }
        EXPECT_TRUE(errors.empty());
        ASSERT_EQ(count(), 2);
        expectBox(solid(0, 5), 0.5, -27.5, -27.5, 24.5, 27.5, 27.5, 1e-6);
    }
    // 35 with d1 typed: variant 1, from the housing's face x = 0; an earlier
    // piston press plays no part in the choice.
    clearDrawing();
    drawPiston({50.025, 49.84, 38, 30, 12, 4, 0.5, 2.5, 1.5});
    clearDrawing();
    typeRod(r);
    press("Panel69", "BitBtn66");
    ASSERT_EQ(count(), 2);
    expectBox(solid(0, 5), 0, -27.5, -27.5, 24.5, 27.5, 27.5, 1e-6);
}

TEST_F(CollarDrawn, ABadCollarSizeLeavesTheSeatWithoutTheCollar)
{
    for (const char* button : {"BitBtn65", "BitBtn66"}) {
        SCOPED_TRACE(button);
        clearDrawing();
        errors.clear();
        if (QByteArray(button) == "BitBtn65")
            typePiston({40.025, 39.84, 30, 24, 10, 4, 0.5, 2, 1.2});
        else
            typeRod({5.97, 6.01, 10, 14, 6, 12, 1, 0.6});
        type("Panel69", {{"Edit223", "2,5,"}});
        fields().Dim03 = 7;
        press("Panel69", button);
        EXPECT_EQ(errors, QStringList{notAFloat("2,5,")});
        ASSERT_EQ(count(), 1);
        solid(0, 5);
        EXPECT_EQ(fields().Dim03, QByteArray(button) == "BitBtn65" ? 0.5 : 7);
    }
    // The seat's own sizes are read before anything is drawn.
    clearDrawing();
    errors.clear();
    type("Panel69", {{"Edit223", num(2)}, {"Edit216", ""}});
    press("Panel69", "BitBtn65");
    EXPECT_EQ(errors, QStringList{notAFloat("")});
    EXPECT_EQ(count(), 0);
}
