// Cotter pins: the six variants, the flat-face pin's volume piece by piece,
// the axle pin's extent, the refusals of legs too short or too long, and the
// faults the procedure keeps.
#include "fastener_fixture.h"

#include <algorithm>

namespace {

struct Pin {
    double D, L1, L, L2, d, L3;

    double dw() const { return d - 0.1; }
    double r() const { return dw() / 2; }
    double t() const { return L1 - D / 2; }
    double ringR() const { return D / 2 - r(); }
    double Lw() const { return L + 0.0005; }
    double Lr() const { return Lw() - L3 - pi * dw() / 12; }
    double psi() const
    {
        const double h = D / 2;
        return std::atan(h / std::sqrt(std::fabs(r() * r() + t() * t() - h * h))) - std::atan(r() / t());
    }
    double stretch() const
    {
        const double p = psi();
        return std::hypot(std::cos(p) * D / 2 - r(), std::sin(p) * D / 2 - t());
    }
    // The half disc of the wire less the strip within 0.025 of its flat
    // face: its area and its centroid's distance from the flat face.
    double shavedArea() const
    {
        const double a = 0.025, R = r();
        const double strip = a * std::sqrt(R * R - a * a) + R * R * std::asin(a / R);
        return pi * R * R / 2 - strip;
    }
    double shavedCentroid() const
    {
        const double a = 0.025, R = r();
        return 2.0 / 3 * std::pow(R * R - a * a, 1.5) / shavedArea();
    }
    // The flat-face pin with square ends as the sum of its pieces: the eye
    // (the shaved half disc about the eye's axis over π + 2ψ), the two
    // stretches and the two straight legs (prisms of the shaved half disc),
    // the knees over ψ and the bends over π/2 (the shaved half disc with its
    // curved side on the axis), the bent legs (whole half discs).
    double flatVolume() const
    {
        const double A = shavedArea(), u = shavedCentroid();
        const double eye = A * 2 * pi * (ringR() + u) * (pi + 2 * psi()) / (2 * pi);
        const double straight = 2 * A * (stretch() + L3);
        const double turns = 2 * A * (r() - u) * (psi() + pi / 2);
        const double bent = pi * r() * r() / 2 * (2 * Lr() + L2);
        return eye + straight + turns + bent;
    }
};

// A pin whose legs run well beyond a part 12 thick and wrap about 40° and
// 60° round a 12 axle.
const Pin kPin{10, 10, 19, 2, 4, 12};

struct Box {
    double x0, y0, x1, y1;
};

class CotterPinTest : public FastenerTest {
protected:
    void typePin(const Pin& p)
    {
        type("Panel86", {{"Edit314", num(p.D)}, {"Edit316", num(p.L1)}, {"Edit326", num(p.L)}, {"Edit327", num(p.L2)},
                         {"Edit328", num(p.d)}, {"Edit329", num(p.L3)}});
    }
    acad::IAcad3DSolid drawn(const Pin& p, const Box& b, double tolerance = 1e-6)
    {
        acad::IAcad3DSolid s = onlyPart(82);
        if (s.isNull())
            return s;
        acad::AcadPoint lo, hi;
        s.GetBoundingBox(lo, hi);
        EXPECT_NEAR(lo[0], b.x0, tolerance);
        EXPECT_NEAR(lo[1], b.y0, tolerance);
        EXPECT_NEAR(hi[0], b.x1, tolerance);
        EXPECT_NEAR(hi[1], b.y1, tolerance);
        EXPECT_NEAR(lo[2], -p.r(), 1e-6);
        EXPECT_NEAR(hi[2], p.r(), 1e-6);
        return s;
    }
    // Cut ends on the axle: the eye stays whole, the exit bends are the
    // farthest along X, and the tips come short of the square ends' corners.
    void checkCutAxlePin(const Pin& p)
    {
        acad::IAcad3DSolid s = onlyPart(82);
        if (s.isNull())
            return;
        const Box b = axleBox(p);
        acad::AcadPoint lo, hi;
        s.GetBoundingBox(lo, hi);
        EXPECT_NEAR(lo[0], -p.D / 2, 1e-6);
        EXPECT_NEAR(hi[0], b.x1, 1e-6);
        EXPECT_LT(hi[1], b.y1 - 0.1);
        EXPECT_GT(lo[1], b.y0 + 0.1);
        EXPECT_NEAR(hi[2], p.r(), 1e-6);
    }
    // The flat-face pin: from the eye's outer end to the bent legs' flat
    // faces, the upper leg ending at y = dw/2 + Lr and the lower L2 further.
    static Box flatBox(const Pin& p)
    {
        return {-p.D / 2, -(p.r() + p.Lr() + p.L2), p.t() + p.L3 + p.r(), std::max(p.D / 2, p.r() + p.Lr())};
    }
    // The axle pin with square ends: the wraps are the inner halves of a
    // torus tube about C between the radii ρ − dw/2 and ρ, from the polar
    // angle α to α + θu and from −α to −(α + θl); the exit bends reach
    // dw/2 − 0.025 beyond the part.
    static Box axleBox(const Pin& p)
    {
        const double C = p.t() + p.L3 / 2, arm = p.L3 / 2 + p.r();
        const double rho = std::sqrt(p.r() * p.r() + std::pow(p.L3 / 2 + 0.025, 2)) + p.r();
        const double alpha = std::atan((p.dw() - 0.05) / p.L3);
        const double up = alpha + p.Lr() / arm, down = alpha + (p.Lr() + p.L2) / arm;
        Box b{-p.D / 2, -p.D / 2, p.t() + p.L3 + 0.00001 + p.r() - 0.025, p.D / 2};
        const auto reach = [&](double phi) {
            for (const double radius : {rho, rho - p.r()}) {
                b.x0 = std::min(b.x0, C + radius * std::cos(phi));
                b.x1 = std::max(b.x1, C + radius * std::cos(phi));
                b.y0 = std::min(b.y0, radius * std::sin(phi));
                b.y1 = std::max(b.y1, radius * std::sin(phi));
            }
        };
        reach(alpha);
        reach(-alpha);
        reach(up);
        reach(-down);
        if (up > pi / 2)
            reach(pi / 2);
        if (down > pi / 2)
            reach(-pi / 2);
        return b;
    }
};

} // namespace

TEST_F(CotterPinTest, SixVariantsAreOneSolidInTheirExtent)
{
    struct Case {
        const char *part, *ends;
    };
    const Case cases[] = {{"RadioButton23", "RadioButton19"}, {"RadioButton23", "RadioButton20"},
                          {"RadioButton23", "RadioButton21"}, {"RadioButton22", "RadioButton19"},
                          {"RadioButton22", "RadioButton20"}, {"RadioButton22", "RadioButton21"}};
    typePin(kPin);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.part) + " " + c.ends);
        check("Panel86", c.part);
        check("Panel86", c.ends);
        press("Panel86", "BitBtn78");
        const bool flat = std::string(c.part) == "RadioButton23";
        const bool square = std::string(c.ends) == "RadioButton20";
        if (flat || square) {
            acad::IAcad3DSolid s = drawn(kPin, flat ? flatBox(kPin) : axleBox(kPin));
            if (flat && square && !s.isNull())
                EXPECT_NEAR(s.Volume(), kPin.flatVolume(), 1e-4 * kPin.flatVolume());
        } else {
            checkCutAxlePin(kPin);
        }
        clearDrawing();
    }
}

TEST_F(CotterPinTest, StartStateDrawsTheAxlePinWithPointedEndsAndLeavesTheBank)
{
    typePin(kPin);
    press("Panel86", "BitBtn78");
    checkCutAxlePin(kPin);
    EXPECT_DOUBLE_EQ(fields().Dim00, kPin.D);
    EXPECT_DOUBLE_EQ(fields().Dim02, kPin.L1);
    EXPECT_DOUBLE_EQ(fields().Dim05, kPin.L3);
    EXPECT_DOUBLE_EQ(fields().Dim06, kPin.Lw());
    EXPECT_DOUBLE_EQ(fields().Dim11, kPin.L2);
    EXPECT_DOUBLE_EQ(fields().Dim15, kPin.dw());
    EXPECT_NEAR(fields().Dim23, kPin.psi(), 1e-14);
    EXPECT_DOUBLE_EQ(fields().BasePoint[0], kPin.t() + kPin.L3 / 2);
}

// Legs wrapped about 105° and 120° round the axle: the cut ends keep to the
// tips and leave the eye whole.
TEST_F(CotterPinTest, CutEndsOfLongWrapsKeepToTheTips)
{
    const Pin longer{10, 10, 25, 2, 4, 12};
    typePin(longer);
    check("Panel86", "RadioButton20");
    press("Panel86", "BitBtn78");
    acad::IAcad3DSolid square = drawn(longer, axleBox(longer));
    const double whole = square.isNull() ? 0 : square.Volume();
    clearDrawing();
    for (const char* ends : {"RadioButton19", "RadioButton21"}) {
        SCOPED_TRACE(ends);
        check("Panel86", ends);
        press("Panel86", "BitBtn78");
        acad::IAcad3DSolid s = onlyPart(82);
        if (!s.isNull()) {
            acad::AcadPoint lo, hi;
            s.GetBoundingBox(lo, hi);
            EXPECT_NEAR(lo[0], -longer.D / 2, 1e-6);
            EXPECT_NEAR(hi[0], axleBox(longer).x1, 1e-6);
            // Each end loses less than its half disc over two wire widths.
            const double end = pi * longer.r() * longer.r() / 2 * 2 * longer.dw();
            EXPECT_LT(s.Volume(), whole - 1);
            EXPECT_GT(s.Volume(), whole - 2 * end);
        }
        clearDrawing();
    }
}

TEST_F(CotterPinTest, EqualLegsAndAnEyeReachingPastTheLegsStart)
{
    // L2 = 0: the pin is symmetric about y = 0.
    Pin even = kPin;
    even.L2 = 0;
    typePin(even);
    check("Panel86", "RadioButton23");
    check("Panel86", "RadioButton20");
    press("Panel86", "BitBtn78");
    acad::IAcad3DSolid s = drawn(even, flatBox(even));
    if (!s.isNull())
        EXPECT_NEAR(s.Volume(), even.flatVolume(), 1e-4 * even.flatVolume());
    clearDrawing();

    // (t, dw/2) inside the eye's outer circle: the stretches keep their
    // length ℓ and the pin is still one valid solid of the same extent.
    Pin close = kPin;
    close.L1 = 7;
    ASSERT_LT(close.t() * close.t() + close.r() * close.r(), close.D * close.D / 4);
    typePin(close);
    press("Panel86", "BitBtn78");
    drawn(close, flatBox(close));
}

TEST_F(CotterPinTest, LegsTooShortOrWrappingTooFarAreRefusedBeforeDrawing)
{
    const QString tooShort = QStringLiteral("Ножки шплинта слишком коротки для детали толщиной L3.");
    const QString tooLong =
        QStringLiteral("Ножки шплинта слишком длинны: загиб вокруг оси больше половины оборота.");
    struct Case {
        Pin pin;
        const char* part;
        QString message;
    };
    // Lr = L − L3 − π·dw/12 + 0.0005 against dw/2 = 1.95: L 14 gives Lr
    // 0.98; L 15.5 gives 2.48 but a lower leg of L2 −1 only 1.48. On the
    // 12 axle the upper wrap turns Lr/7.95 after α = 0.31: L 38 gives
    // 3.07 + 0.31 > π, L 30 with L2 5 gives 2.77 + 0.31 < π for the lower
    // leg but L2 7 gives 3.02 + 0.31 > π.
    const Case cases[] = {
        {{10, 10, 14, 5, 4, 12}, "RadioButton23", tooShort},
        {{10, 10, 14, 5, 4, 12}, "RadioButton22", tooShort},
        {{10, 10, 15.5, -1, 4, 12}, "RadioButton23", tooShort},
        {{10, 10, 38, 0, 4, 12}, "RadioButton22", tooLong},
        {{10, 10, 30, 7, 4, 12}, "RadioButton22", tooLong},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pin.L);
        errors.clear();
        typePin(c.pin);
        check("Panel86", c.part);
        press("Panel86", "BitBtn78");
        ASSERT_EQ(errors.size(), 1u);
        EXPECT_EQ(errors[0], c.message);
        EXPECT_EQ(count(), 0);
    }
    // The same long legs against a flat face are drawn.
    errors.clear();
    typePin({10, 10, 38, 0, 4, 12});
    check("Panel86", "RadioButton23");
    press("Panel86", "BitBtn78");
    drawn({10, 10, 38, 0, 4, 12}, flatBox({10, 10, 38, 0, 4, 12}));
}

TEST_F(CotterPinTest, FaultsKeepWhatWasDrawn)
{
    // L1 = D/2: t = 0 and ψ divides by it after the eye is drawn.
    Pin flush = kPin;
    flush.L1 = flush.D / 2;
    typePin(flush);
    check("Panel86", "RadioButton23");
    press("Panel86", "BitBtn78");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], QStringLiteral("Floating point division by zero."));
    ASSERT_EQ(count(), 1);
    EXPECT_EQ(item(0).get_color(), kUncoloured);
    EXPECT_NEAR(item(0).as<acad::IAcad3DSolid>().Volume(),
                flush.shavedArea() * 2 * pi * (flush.ringR() + flush.shavedCentroid()), 1e-6 * 100);
    clearDrawing();

    // D ≤ 2·dw: the eye's torus would have no hole; the first call refuses.
    errors.clear();
    Pin thick = kPin;
    thick.D = 2 * thick.dw();
    typePin(thick);
    press("Panel86", "BitBtn78");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], QStringLiteral("Неверные данные: радиус тора."));
    EXPECT_EQ(count(), 0);

    // L3 = 0 is no refusal: the straight legs are asked for with no height
    // once the eye and the stretches stand, in either variant.
    for (const char* part : {"RadioButton23", "RadioButton22"}) {
        SCOPED_TRACE(part);
        errors.clear();
        Pin none = kPin;
        none.L3 = 0;
        typePin(none);
        check("Panel86", part);
        press("Panel86", "BitBtn78");
        ASSERT_EQ(errors.size(), 1u);
        EXPECT_EQ(errors[0], QStringLiteral("Неверные данные: высота выдавливания."));
        ASSERT_GE(count(), 1);
        EXPECT_EQ(item(0).get_color(), kUncoloured);
        clearDrawing();
    }

    // A text that is not a number: nothing is drawn.
    errors.clear();
    typePin(kPin);
    edit("Panel86", "Edit329")->setText("");
    press("Panel86", "BitBtn78");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], notAFloat(""));
    EXPECT_EQ(count(), 0);
}
