// The O-ring face seal: the groove body and the squeezed ring in 3D, the
// section of both in lines and arcs in 2D.
#include "seals_fixture.h"

using FaceSeal = SealsTest;

namespace {
constexpr double eps = 0.0001;
}

// D2 = 40, d4 = 30, H = 2, R = 0.5, r = 0.2: W = 5, the axis is the line
// y = 20.2, the groove spans radii 20.2 down to 14.8 (variant A) or 15.
TEST_F(FaceSeal, ThreeDRevolvesGrooveAndRingAboutTheSealsAxis)
{
    const double D2 = 40, d4 = 30, H = 2, R = 0.5, r = 0.2, W = 5, axis = D2 / 2 + r;
    const double s = kCorner, c = kCornerCentroid;
    // Variant A is symmetric about the groove's middle line, radius (D2 + d4)/4.
    const double grooveA = 2 * pi * (D2 + d4) / 4 * (H * W - 2 * s * R * R + 2 * s * r * r);
    // Variant Б: the rectangle, less the bottom corner at the outer wall,
    // plus the mouth rounding outside it; moments about y = 0.
    const double areaB = H * W - s * R * R + s * r * r;
    const double momentB = H * W * (r + W / 2) - s * R * R * (r + c * R) + s * r * r * (r - c * r);
    const double grooveB = 2 * pi * (axis * areaB - momentB);
    // The ring: a stadium H across, W long, its middle on the groove's.
    const double ring = 2 * pi * (D2 + d4) / 4 * (pi * H * H / 4 + H * (W - H));

    struct Case {
        const char* radio;
        double groove;
    };
    for (const Case& k : {Case{"RadioButton9", grooveA}, Case{"RadioButton10", grooveB}}) {
        SCOPED_TRACE(k.radio);
        clearDrawing();
        check("Panel53", k.radio);
        type("Panel53", {{"Edit76", num(D2)}, {"Edit77", num(d4)}, {"Edit78", num(H)}, {"Edit79", num(R)},
                         {"Edit80", num(r)}});
        press("Panel53", "BitBtn47");
        EXPECT_TRUE(errors.empty());
        ASSERT_EQ(count(), 2);
        acad::IAcad3DSolid groove = solid(0, 5), ringSolid = solid(1, 1);
        EXPECT_NEAR(groove.Volume(), k.groove, 1e-6 * k.groove);
        expectBox(groove, 0, 0, -axis, H, 2 * axis, axis, 1e-6);
        EXPECT_NEAR(ringSolid.Volume(), ring, 5e-4 * ring);
        // The ring lies eps inside the groove on every side.
        expectBox(ringSolid, eps, axis - (D2 / 2 - eps), -(D2 / 2 - eps), H - eps, axis + D2 / 2 - eps,
                  D2 / 2 - eps, 1e-6);
        EXPECT_TRUE(fields().BodySolid == ringSolid);
        EXPECT_EQ(fields().Dim01, H);
        EXPECT_EQ(fields().Dim07, R);
        EXPECT_EQ(fields().Dim08, r);
    }
}

TEST_F(FaceSeal, TwoDDrawsRingAndOutlineOfBothHalvesLeavingOutZeroRadii)
{
    const double D2 = 40, d4 = 30, H = 2;
    struct Case {
        const char* radio;
        double R, r;
        int entities; // the ring's six, then the outline
    };
    const Case cases[] = {
        {"RadioButton9", 0.5, 0.2, 21}, {"RadioButton9", 0, 0.2, 17},  {"RadioButton9", 0.5, 0, 17},
        {"RadioButton9", 0, 0, 13},     {"RadioButton10", 0.5, 0.2, 17}, {"RadioButton10", 0, 0.2, 15},
        {"RadioButton10", 0.5, 0, 15},  {"RadioButton10", 0, 0, 13},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(std::string(k.radio) + " R " + std::to_string(k.R) + " r " + std::to_string(k.r));
        clearDrawing();
        check("Panel53", k.radio);
        type("Panel53", {{"Edit76", num(D2)}, {"Edit77", num(d4)}, {"Edit78", num(H)}, {"Edit79", num(k.R)},
                         {"Edit80", num(k.r)}});
        press("Panel53", "BitBtn48");
        EXPECT_TRUE(errors.empty()) << (errors.empty() ? "" : errors.front().toStdString());
        errors.clear();
        ASSERT_EQ(count(), k.entities);
        double y0 = 1e9, y1 = -1e9, x0 = 1e9, x1 = -1e9;
        for (int i = 0; i < count(); ++i) {
            const acad::IAcadEntity e = item(i);
            EXPECT_EQ(e.get_Lineweight(), 50) << i;
            if (i < 6)
                EXPECT_EQ(e.get_color(), 1) << i;
            else
                EXPECT_NE(e.get_color(), 1) << i;
            acad::AcadPoint lo, hi;
            e.GetBoundingBox(lo, hi);
            x0 = std::min(x0, lo[0]), y0 = std::min(y0, lo[1]), x1 = std::max(x1, hi[0]), y1 = std::max(y1, hi[1]);
        }
        // The two halves mirror each other about the axis y = D2/2 + r;
        // the section reaches from the bottom to the face and across the
        // mouth roundings.
        EXPECT_NEAR(x0, 0, 1e-9);
        EXPECT_NEAR(x1, H, 1e-9);
        EXPECT_NEAR(y0, 0, 1e-9);
        EXPECT_NEAR(y1, D2 + 2 * k.r, 1e-9);
        // The ring's first end: the lower half circle about (H/2, r + H/2).
        expectBox(item(0), 0, k.r, 0, H, k.r + H / 2, 0, 1e-9);
        // Its flat on the face of the upper half.
        expectBox(item(5), H, (D2 + d4) / 2 + k.r + H / 2, 0, H, D2 + k.r - H / 2, 0, 1e-9);
    }
    EXPECT_TRUE(fields().LastLine.entity() != nullptr);
}

TEST_F(FaceSeal, AnEmptyEditStopsEitherButtonBeforeAnythingIsDrawn)
{
    const char* const edits[] = {"Edit76", "Edit77", "Edit78", "Edit79", "Edit80"};
    for (const char* button : {"BitBtn47", "BitBtn48"})
        for (const char* empty : edits) {
            SCOPED_TRACE(std::string(button) + " " + empty);
            errors.clear();
            type("Panel53", {{"Edit76", num(40)}, {"Edit77", num(30)}, {"Edit78", num(2)}, {"Edit79", num(0.5)},
                             {"Edit80", num(0.2)}});
            type("Panel53", {{empty, ""}});
            press("Panel53", button);
            EXPECT_EQ(errors, QStringList{notAFloat("")});
            EXPECT_EQ(count(), 0);
        }
    // As the panel starts: every edit empty.
    errors.clear();
    for (const char* name : edits)
        type("Panel53", {{name, ""}});
    press("Panel53", "BitBtn47");
    EXPECT_EQ(errors, QStringList{notAFloat("")});
    EXPECT_EQ(count(), 0);
}
