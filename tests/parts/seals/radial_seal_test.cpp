// The O-ring radial seal: the groove body and the ring squeezed between its
// bottom and the mating surface, both about the X axis.
#include "seals_fixture.h"

using RadialSeal = SealsTest;

namespace {

struct Sizes {
    double D2, d3, D1, d2, b, R, r, k, D, d;
};

} // namespace

class RadialSealDrawn : public RadialSeal {
protected:
    void draw(const char* radio, const Sizes& s)
    {
        check("Panel54", radio);
        type("Panel54", {{"Edit81", num(s.D2)}, {"Edit82", num(s.d3)}, {"Edit83", num(s.D1)}, {"Edit84", num(s.d2)},
                         {"Edit85", num(s.b)}, {"Edit86", num(s.R)}, {"Edit87", num(s.r)}, {"Edit89", num(s.k)},
                         {"Edit88", num(s.D)}, {"Edit90", num(s.d)}});
        press("Panel54", "BitBtn51");
    }
};

// Groove A on a shaft from d3 = 42 up to D2 = 48; ring from 42 to the bore
// D = 50 (w = 2). Groove Б in a bore from d2 = 50 up to D1 = 56; ring from
// the shaft d = 48 to 56 (w = 2).
TEST_F(RadialSealDrawn, GrooveAndRingOfEitherVariant)
{
    const double s = kCorner, c = kCornerCentroid;
    const double b = 8, R = 0.4, r = 0.3;
    struct Case {
        const char* radio;
        Sizes sizes;
        double bottom, mouth; // the groove's radii
        double inner, outer;  // the ring's
        double k;
    };
    const Case cases[] = {
        {"RadioButton11", {48, 42, 0, 0, b, R, r, 1, 50, 0}, 21, 24, 21, 25, 1},
        {"RadioButton12", {0, 0, 56, 50, b, R, r, 0.5, 0, 48}, 28, 25, 24, 28, 0.5},
        {"RadioButton11", {48, 42, 0, 0, b, R, r, 0, 50, 0}, 21, 24, 21, 25, 0}, // the ring touches the walls
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.radio);
        clearDrawing();
        draw(k.radio, k.sizes);
        EXPECT_TRUE(errors.empty());
        ASSERT_EQ(count(), 2);
        // The groove: a rectangle b wide less the two bottom corners plus
        // the two mouth roundings outside the walls.
        const double sg = k.mouth > k.bottom ? 1 : -1;
        const double h = std::fabs(k.mouth - k.bottom);
        const double moment = b * h * (k.bottom + k.mouth) / 2 - 2 * s * R * R * (k.bottom + sg * c * R) +
                              2 * s * r * r * (k.mouth - sg * c * r);
        acad::IAcad3DSolid groove = solid(0, 5);
        EXPECT_NEAR(groove.Volume(), 2 * pi * moment, 1e-6 * moment);
        const double top = std::max(k.bottom, k.mouth);
        expectBox(groove, -b / 2 - r, -top, -top, b / 2 + r, top, top, 1e-6);
        // The ring: a stadium of half-height w with ends k inside the walls.
        const double w = (k.outer - k.inner) / 2;
        const double area = (b - 2 * k.k - 2 * w) * 2 * w + pi * w * w;
        acad::IAcad3DSolid ring = solid(1, 3);
        EXPECT_NEAR(ring.Volume(), 2 * pi * (k.inner + w) * area, 1e-6 * area);
        expectBox(ring, -b / 2 + k.k, -k.outer, -k.outer, b / 2 - k.k, k.outer, k.outer, 1e-6);
        EXPECT_TRUE(fields().ExtraSolid == ring);
    }
}

TEST_F(RadialSealDrawn, SizesOfTheOtherVariantChangeNothingButMustBeNumbers)
{
    const Sizes a{48, 42, 0, 0, 8, 0.4, 0.3, 1, 50, 0};
    draw("RadioButton11", a);
    ASSERT_EQ(count(), 2);
    const double groove = item(0).as<acad::IAcad3DSolid>().Volume(), ring = item(1).as<acad::IAcad3DSolid>().Volume();
    Sizes other = a;
    other.D1 = 70, other.d2 = 60, other.d = 10;
    clearDrawing();
    draw("RadioButton11", other);
    ASSERT_EQ(count(), 2);
    EXPECT_NEAR(item(0).as<acad::IAcad3DSolid>().Volume(), groove, 1e-9 * groove);
    EXPECT_NEAR(item(1).as<acad::IAcad3DSolid>().Volume(), ring, 1e-9 * ring);

    // Variant Б: changing d2 moves only the groove, changing d only the ring.
    const Sizes bore{0, 0, 56, 50, 8, 0.4, 0.3, 0.5, 0, 48};
    clearDrawing();
    draw("RadioButton12", bore);
    Sizes moved = bore;
    moved.d2 = 52;
    moved.D2 = 99, moved.d3 = 1, moved.D = 77;
    draw("RadioButton12", moved);
    moved.d = 46;
    draw("RadioButton12", moved);
    ASSERT_EQ(count(), 6);
    auto volume = [this](int k) { return item(k).as<acad::IAcad3DSolid>().Volume(); };
    EXPECT_LT(volume(2), volume(0));
    EXPECT_NEAR(volume(3), volume(1), 1e-9 * volume(1));
    EXPECT_NEAR(volume(4), volume(2), 1e-9 * volume(2));
    EXPECT_GT(volume(5), volume(3));

    // Every one of the ten edits is read, whichever variant is drawn.
    for (const char* empty : {"Edit81", "Edit82", "Edit83", "Edit84", "Edit85", "Edit86", "Edit87", "Edit88",
                              "Edit89", "Edit90"}) {
        SCOPED_TRACE(empty);
        clearDrawing();
        errors.clear();
        draw("RadioButton11", a);
        clearDrawing();
        type("Panel54", {{empty, ""}});
        press("Panel54", "BitBtn51");
        EXPECT_EQ(errors, QStringList{notAFloat("")});
        EXPECT_EQ(count(), 0);
    }
}

TEST_F(RadialSeal, TheSizesThatStartEmptyStopTheFirstPress)
{
    EXPECT_EQ(text("Panel54", "Edit81"), QStringLiteral("0"));
    EXPECT_EQ(text("Panel54", "Edit85"), QString());
    press("Panel54", "BitBtn51");
    EXPECT_EQ(errors, QStringList{notAFloat("")});
    EXPECT_EQ(count(), 0);
}
