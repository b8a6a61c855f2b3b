// The figure's spheres and frusta, drawn from the working fields as the
// figure assembly calls them, at the reference height and at half of it.
#include "figure_fixture.h"

#include "acad/procedure.h"
#include "figure/primitives.h"

#include <cmath>
#include <functional>

namespace {

using Primitive = void (*)(acad::WorkingFields&);

// The 36 Dim fields and ModeFlag, to see that a primitive changed none.
std::vector<double> bank(acad::WorkingFields& f)
{
    std::vector<double> v;
    for (int k = 0; k < 36; ++k)
        v.push_back(f.Dim(k));
    v.push_back(f.ModeFlag);
    return v;
}

double capVolume(double R, double h)
{
    return pi * h * h * (3 * R - h) / 3;
}

double frustumVolume(double L, double R1, double R2)
{
    return pi * L * (R1 * R1 + R1 * R2 + R2 * R2) / 3;
}

} // namespace

class Primitives : public FigureTest {
protected:
    // Runs the primitive as a button's procedure does; the failure's message.
    QString run(Primitive primitive)
    {
        return acad::runProcedure([&] { primitive(fields()); });
    }
    void frustumFields(double H, double L, double R1, double R2, double cx, double cy, double cz)
    {
        acad::WorkingFields& f = fields();
        f.Dim01 = H;
        f.Dim02 = L;
        f.Dim07 = R1;
        f.Dim08 = R2;
        f.Dim14 = cx;
        f.Dim15 = cy;
        f.Dim16 = cz;
    }
    void expectAxisFields(double x, double y, double z)
    {
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(fields().AxisPoint[i], 0);
        EXPECT_NEAR(fields().AxisDirection[0], x, 1e-9);
        EXPECT_NEAR(fields().AxisDirection[1], y, 1e-9);
        EXPECT_NEAR(fields().AxisDirection[2], z, 1e-9);
    }
    acad::IAcad3DSolid onlySolid() { return onlyPart(256); }
};

TEST_F(Primitives, SpheresDifferOnlyInTheirSlot)
{
    struct Case {
        const char* name;
        Primitive primitive;
        acad::IAcad3DSolid acad::WorkingFields::*slot;
    };
    const Case cases[] = {
        {"Myach", &figure::Myach, &acad::WorkingFields::NewSolid},
        {"Myach_Fig", &figure::Myach_Fig, &acad::WorkingFields::GroupSolid},
        {"Myach_Instr", &figure::Myach_Instr, &acad::WorkingFields::ToolSolid},
    };
    for (double H : {1755.5, 877.75}) {
        const double k = H / 1755.5;
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            SCOPED_TRACE(H);
            clearDrawing();
            fields() .NewSolid = fields().GroupSolid = fields().ToolSolid = {};
            acad::WorkingFields& f = fields();
            f.Dim01 = H;
            f.Dim07 = 12;
            f.Dim14 = 40;
            f.Dim15 = -100;
            f.Dim16 = 1500;
            const std::vector<double> before = bank(f);
            EXPECT_EQ(run(c.primitive), "");
            acad::IAcad3DSolid s = onlySolid();
            EXPECT_EQ(s, f.*c.slot);
            const double R = 12 * k;
            EXPECT_NEAR(s.Volume(), 4 * pi * R * R * R / 3, 1e-6);
            expectBox(s, 40 * k - R, -100 * k - R, 1500 * k - R, 40 * k + R, -100 * k + R, 1500 * k + R);
            EXPECT_EQ(bank(f), before);
            expectAxisFields(40 * k, -100 * k, 1500 * k);
            for (auto other : {&acad::WorkingFields::NewSolid, &acad::WorkingFields::GroupSolid,
                               &acad::WorkingFields::ToolSolid}) {
                if (other != c.slot) {
                    EXPECT_TRUE((f.*other).isNull());
                }
            }
        }
    }
}

TEST_F(Primitives, SphereTwiceWithoutNewFieldsDrawsTwoCoincidentSpheres)
{
    acad::WorkingFields& f = fields();
    f.Dim01 = 1755.5;
    f.Dim07 = 5;
    f.Dim14 = 1;
    EXPECT_EQ(run(&figure::Myach), "");
    EXPECT_EQ(run(&figure::Myach), "");
    ASSERT_EQ(count(), 2);
    expectBox(item(0), -4, -5, -5, 6, 5, 5);
    expectBox(item(1), -4, -5, -5, 6, 5, 5);
}

TEST_F(Primitives, FrustaStandOnTheirJointCentreAlongY)
{
    struct Case {
        const char* name;
        Primitive primitive;
        double L, R1, R2;
        double volume; // at the reference height
        double below;  // how far the solid reaches below the joint centre
        double above;  // how far above it
        double width;  // its greatest radius
    };
    // Konus2: the balls' caps beyond the tangent points and the tangent frustum.
    const double sinA = (10.0 - 6.0) / 40, cosA = std::sqrt(1 - sinA * sinA);
    const double capped = capVolume(10, 10 + 10 * sinA) + capVolume(6, 6 - 6 * sinA) +
                          frustumVolume(40 + (6 - 10) * sinA, 10 * cosA, 6 * cosA);
    const Case cases[] = {
        {"Konus1", &figure::Konus1, 40, 10, 6, frustumVolume(40, 10, 6), 0, 40, 10},
        {"Konus1 cylinder", &figure::Konus1, 25, 8, 8, pi * 64 * 25, 0, 25, 8},
        {"Konus2", &figure::Konus2, 40, 10, 6, capped, 10, 46, 10},
        {"Konus2 equal radii", &figure::Konus2, 30, 5, 5, pi * 25 * 30 + 4 * pi * 125 / 3, 5, 35, 5},
        {"Konus2 growing", &figure::Konus2, 40, 6, 10,
         capVolume(6, 6 - 6 * sinA) + capVolume(10, 10 + 10 * sinA) + frustumVolume(40 - 4 * sinA, 6 * cosA, 10 * cosA),
         6, 50, 10},
    };
    for (double H : {1755.5, 3511.0}) {
        const double k = H / 1755.5;
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            SCOPED_TRACE(H);
            clearDrawing();
            frustumFields(H, c.L, c.R1, c.R2, 3, 700, -20);
            fields().ModeFlag = 0;
            fields().Dim21 = fields().Dim22 = fields().Dim23 = 0;
            const std::vector<double> before = bank(fields());
            EXPECT_EQ(run(c.primitive), "");
            acad::IAcad3DSolid s = onlySolid();
            EXPECT_EQ(s, fields().NewSolid);
            EXPECT_NEAR(s.Volume(), c.volume * k * k * k, 1e-6 * c.volume);
            const double w = c.width * k;
            expectBox(s, 3 * k - w, (700 - c.below) * k, -20 * k - w, 3 * k + w, (700 + c.above) * k, -20 * k + w, 1e-5);
            EXPECT_EQ(bank(fields()), before);
            expectAxisFields(3 * k, 700 * k, -20 * k);
        }
    }
}

TEST_F(Primitives, ModeFlagOrdersTheTiltsAndDim23TurnsAboutZ)
{
    // A frustum of length 40 from radius 10 down to 4, at the origin; where
    // its axis points after the turns (unit vector), worked out by the right-
    // hand rule about the axes from (0, 77, 0)... to the origin.
    struct Case {
        int mode;
        double a1, a2, a3;
        double ux, uy, uz;
    };
    const double h = pi / 2;
    const Case cases[] = {
        {0, 0, 0, 0, 0, 1, 0},
        // The second tilt turns clockwise seen from +X: +Y goes to -Z.
        {0, 0, h, 0, 0, 0, -1},
        // The turn about Z is clockwise seen from +Z: +Y goes to +X.
        {0, 0, 0, h, 1, 0, 0},
        // Mode 0: about Y first (the axis stays), then about X.
        {0, h, h, 0, 0, 0, -1},
        // Mode 1: about X first (+Y to -Z), then about Y (-Z to -X).
        {1, h, h, 0, -1, 0, 0},
        {1, h, 0, 0, 0, 0, -1},
        // Any other mode: no tilt, only the turn about Z.
        {2, h, h, 0, 0, 1, 0},
        {-1, h, h, -h, -1, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "mode " << c.mode << " a1 " << c.a1 << " a2 " << c.a2 << " a3 " << c.a3);
        clearDrawing();
        frustumFields(1755.5, 40, 10, 4, 0, 0, 0);
        fields().ModeFlag = c.mode;
        fields().Dim21 = c.a1;
        fields().Dim22 = c.a2;
        fields().Dim23 = c.a3;
        EXPECT_EQ(run(&figure::Konus1), "");
        acad::IAcad3DSolid s = onlySolid();
        // The far end's centre is 40 along the axis; the base circle's
        // radius 10 shows across it.
        acad::AcadPoint lo, hi;
        s.GetBoundingBox(lo, hi);
        const double u[3] = {c.ux, c.uy, c.uz};
        for (int i = 0; i < 3; ++i) {
            if (u[i] > 0.5) {
                EXPECT_NEAR(lo[i], 0, 1e-6);
                EXPECT_NEAR(hi[i], 40, 1e-6);
            } else if (u[i] < -0.5) {
                EXPECT_NEAR(lo[i], -40, 1e-6);
                EXPECT_NEAR(hi[i], 0, 1e-6);
            } else {
                EXPECT_NEAR(lo[i], -10, 1e-6);
                EXPECT_NEAR(hi[i], 10, 1e-6);
            }
        }
        EXPECT_EQ(fields().ModeFlag, c.mode);
    }
}

TEST_F(Primitives, ShoulderCapsAreMirrorHalfShellsOverlappingByTwiceNineTenthsOfADegree)
{
    const double overlap = 10 * std::sin(0.9 * pi / 180);
    struct Case {
        const char* name;
        Primitive primitive;
        double x0, x1;
    };
    const Case cases[] = {
        {"Konus5", &figure::Konus5, -10, overlap},
        {"Konus6", &figure::Konus6, -overlap, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        clearDrawing();
        frustumFields(1755.5, 20, 10, 10, 0, 0, 0);
        fields().ModeFlag = 0;
        fields().Dim21 = fields().Dim22 = fields().Dim23 = 0;
        EXPECT_EQ(run(c.primitive), "");
        acad::IAcad3DSolid s = onlySolid();
        EXPECT_NEAR(s.Volume(), pi * 100 * 20 * 181.8 / 360, 1e-6);
        expectBox(s, c.x0, 0, -10, c.x1, 20, 10);
    }
    // Posed and placed like the other frusta: at half height, tilted so that
    // the axis points to -Z, the right cap still reaches out to +X.
    clearDrawing();
    frustumFields(877.75, 40, 12, 8, 100, 200, 300);
    fields().Dim22 = pi / 2;
    EXPECT_EQ(run(&figure::Konus6), "");
    acad::IAcad3DSolid s = onlySolid();
    EXPECT_NEAR(s.Volume(), frustumVolume(20, 6, 4) * 181.8 / 360, 1e-6);
    expectBox(s, 50 - 6 * std::sin(0.9 * pi / 180), 94, 130, 56, 106, 150, 1e-5);
    expectAxisFields(50, 100, 150);
}

TEST_F(Primitives, Konus2WithTheLengthBelowTheRadiiDifferenceFailsBeforeDrawing)
{
    struct Case {
        double L;
        const char* message;
    };
    const Case cases[] = {{3, "Invalid floating point operation"}, {4, "Floating point division by zero"}};
    for (const Case& c : cases) {
        frustumFields(1755.5, c.L, 10, 6, 0, 0, 0);
        EXPECT_EQ(run(&figure::Konus2), c.message) << c.L;
        EXPECT_EQ(count(), 0) << c.L;
        EXPECT_TRUE(fields().NewSolid.isNull());
    }
}
