// The shoulder skin capsules: anchor, turned target, capsule and pose, each
// target worked out by hand from the turn formulas for the case.
#include "figure_fixture.h"

#include "acad/procedure.h"
#include "figure/primitives.h"

#include <BRepGProp.hxx>
#include <GProp_GProps.hxx>

#include <cmath>

namespace {

using Primitive = void (*)(acad::WorkingFields&);

const double root1875 = std::sqrt(1875.0);

struct Case {
    const char* name;
    Primitive primitive;
    bool left;
    double reach;
    double theta1, theta2;
    double x, z; // the target before the turns (its y is 0)
    // The target T = t0 + tk * k and its distance d * k, worked out by hand.
    double t0[3], tk[3];
    double d;
};

// Anchor offsets (-20, 120, 50), shift (10, 200, 5), radius 7.5.
const Case kCases[] = {
    // x != 0: z = sin(atan(-4/3) + 90°)·50 = 30, then x = cos(atan(30/-30) + 90°)·√1800 = 30;
    // the XY turn by -90° leaves y about 0, so x = -√(50² - 30²) = -40.
    {"PP", &figure::PP, false, 1, pi / 2, -pi / 2, -30, 40, {-10, 200, 5}, {-40, 0, -30}, 50},
    {"PPK", &figure::PPK, false, 0.55, pi / 2, -pi / 2, -30, 40, {-10, 200, 5}, {-40, 0, -30}, 50},
    // z = -sin(atan(4/3) - 90°)·50 = 30, x = cos(atan(30/30) + 90°)·√1800 = -30, then +40.
    {"LL", &figure::LL, true, 1, pi / 2, pi / 2, 30, 40, {-10, 200, 5}, {40, 0, -30}, 50},
    {"LLK", &figure::LLK, true, 0.55, pi / 2, pi / 2, 30, 40, {-10, 200, 5}, {40, 0, -30}, 50},
    // x = 0: z = sin(90° + 60°)·50 = 25 (left: -sin(90° - 60°)·50 = -25), x = cos(150°)·25;
    // then x = ∓√(50² - 25²).
    {"PP x = 0", &figure::PP, false, 1, pi / 3, -pi / 2, 0, 50, {-10, 200, 5}, {-root1875, 0, -25}, 50},
    {"LL x = 0", &figure::LL, true, 1, pi / 3, pi / 2, 0, 50, {-10, 200, 5}, {root1875, 0, 25}, 50},
    // The rest turns: the target taken on its own side comes back as (x - sx, sy, sz + z).
    {"PP at rest", &figure::PP, false, 1, 0, -pi / 2, -100, 20, {-10, 200, 5}, {-100, 0, 20}, std::sqrt(10400.0)},
    {"LL at rest", &figure::LL, true, 1, 0, pi / 2, 100, 20, {-10, 200, 5}, {100, 0, 20}, std::sqrt(10400.0)},
    // Without the XY turn the target is swung a quarter turn onto -Y: y = cos(~180°)·100.
    {"PP quarter turn", &figure::PP, false, 1, 0, 0, -100, 20, {-10, 200, 5}, {0, 100, 20}, std::sqrt(10400.0)},
};

} // namespace

class Capsules : public FigureTest {
protected:
    QString run(Primitive primitive)
    {
        return acad::runProcedure([&] { primitive(fields()); });
    }
    void write(const Case& c, double H)
    {
        acad::WorkingFields& f = fields();
        f.Dim01 = H;
        f.Dim00 = -20;
        f.Dim03 = 120;
        f.Dim04 = 50;
        f.Dim07 = 7.5;
        f.Dim14 = c.x;
        f.Dim15 = 0;
        f.Dim16 = c.z;
        f.Dim05 = 10;
        f.Dim06 = 200;
        f.Dim09 = 5;
        // The other shoulder's angles must not matter.
        f.Dim17 = c.left ? 0.3 : c.theta1;
        f.Dim18 = c.left ? -0.7 : c.theta2;
        f.Dim20 = c.left ? c.theta1 : 0.3;
        f.Dim19 = c.left ? c.theta2 : -0.7;
    }

    // The capsule from P towards F with the radius r: its volume, its centre
    // halfway between the two balls' centres, and its box. (The kernel's box
    // of balls turned off the axes is close, not exact.)
    void expectCapsule(const acad::IAcad3DSolid& s, const double P[3], const double F[3], double length, double r,
                       double tol = 0.05)
    {
        EXPECT_NEAR(s.Volume(), pi * r * r * length + 4 * pi * r * r * r / 3, 1e-6 * (1 + length * r * r));
        GProp_GProps props;
        BRepGProp::VolumeProperties(s.entity()->shape(), props);
        const gp_Pnt centre = props.CentreOfMass();
        // Far from the origin the kernel's sums lose digits in x.
        EXPECT_NEAR(centre.X(), (P[0] + F[0]) / 2, 1e-6 * std::max(1.0, std::fabs(P[0]) / 1000));
        EXPECT_NEAR(centre.Y(), (P[1] + F[1]) / 2, 1e-6);
        EXPECT_NEAR(centre.Z(), (P[2] + F[2]) / 2, 1e-6);
        expectBox(s, std::min(P[0], F[0]) - r, std::min(P[1], F[1]) - r, std::min(P[2], F[2]) - r,
                  std::max(P[0], F[0]) + r, std::max(P[1], F[1]) + r, std::max(P[2], F[2]) + r, tol);
    }

    // Where the capsule's axis points after its two turns: first about +X by
    // arctan(dz/dy), then about +Z by arctan(dy/dx) + 3π/2 when that is
    // positive, + π/2 when negative, not at all when 0, a full turn when dx = 0.
    static void poseDirection(double dx, double dy, double dz, double u[3])
    {
        const double t = std::atan(dz / dy);
        double psi = 0;
        if (dx != 0) {
            const double phi = std::atan(dy / dx);
            psi = phi > 0 ? phi + 1.5 * pi : phi < 0 ? phi + pi / 2 : 0;
        }
        u[0] = -std::cos(t) * std::sin(psi);
        u[1] = std::cos(t) * std::cos(psi);
        u[2] = std::sin(t);
    }
};

TEST_F(Capsules, AnchorTargetAndPoseAsTheTurnsGiveThem)
{
    for (double H : {1755.5, 877.75}) {
        const double k = H / 1755.5;
        for (const Case& c : kCases) {
            SCOPED_TRACE(c.name);
            SCOPED_TRACE(H);
            clearDrawing();
            write(c, H);
            EXPECT_EQ(run(c.primitive), "");
            acad::IAcad3DSolid s = onlyPart(256);
            EXPECT_EQ(s, fields().NewSolid);
            const acad::WorkingFields& f = fields();

            // The anchor lies √(b² + c²) from the X axis at arctan(c / √(b² + c²)).
            const double P[3] = {-20 * k, 16900 * k / std::sqrt(19400.0), 6500 * k / std::sqrt(19400.0)};
            const double T[3] = {c.t0[0] + c.tk[0] * k, c.t0[1] + c.tk[1] * k, c.t0[2] + c.tk[2] * k};
            EXPECT_NEAR(f.Dim14, T[0], 1e-6);
            EXPECT_NEAR(f.Dim15, T[1], 1e-6);
            EXPECT_NEAR(f.Dim16, T[2], 1e-6);
            EXPECT_NEAR(f.Dim08, c.d * k, 1e-9);
            EXPECT_NEAR(f.Dim00, -20 * k, 1e-12);
            EXPECT_NEAR(f.Dim03, 120 * k, 1e-12);
            EXPECT_NEAR(f.Dim04, 50 * k, 1e-12);
            EXPECT_EQ(f.Dim10, 0);
            EXPECT_EQ(f.Dim11, 0);
            EXPECT_EQ(f.Dim12, 0);
            EXPECT_EQ(f.Dim07, 7.5);
            EXPECT_EQ(f.Dim05, 10);
            EXPECT_EQ(f.Dim06, 200);
            EXPECT_EQ(f.Dim09, 5);
            for (int i = 0; i < 3; ++i) {
                EXPECT_EQ(f.AxisPoint[i], 0);
                EXPECT_NEAR(f.AxisDirection[i], P[i], 1e-9);
            }

            const double dx = T[0] - P[0], dy = T[1] - P[1], dz = T[2] - P[2];
            const double length = c.reach * std::sqrt(dx * dx + dy * dy + dz * dz);
            double u[3];
            poseDirection(dx, dy, dz, u);
            const double F[3] = {P[0] + length * u[0], P[1] + length * u[1], P[2] + length * u[2]};
            expectCapsule(s, P, F, length, 7.5 * k);
        }
    }
}

TEST_F(Capsules, AnchorOnTheTrunkWithoutOffsetsFailsBeforeDrawing)
{
    write(kCases[0], 1755.5);
    fields().Dim03 = 0;
    fields().Dim04 = 0;
    EXPECT_EQ(run(&figure::PP), "Invalid floating point operation");
    EXPECT_EQ(count(), 0);
    EXPECT_TRUE(fields().NewSolid.isNull());
}

TEST_F(Capsules, TargetLevelWithTheAnchorLeavesTheCapsuleUnposed)
{
    // With the shift sy = 1e9 the target's y is exactly 1e9, the anchor's too.
    write(kCases[0], 1755.5);
    fields().Dim03 = 1e9;
    fields().Dim04 = 0;
    fields().Dim06 = 1e9;
    EXPECT_EQ(run(&figure::PP), "Floating point division by zero");
    ASSERT_EQ(count(), 1);
    EXPECT_EQ(fields().NewSolid, item(0));
    // T = (-50, 1e9, -25), P = (-20, 1e9, 0): the capsule lies on +Y at the origin.
    const double length = std::sqrt(30.0 * 30 + 25 * 25);
    const double P[3] = {0, 0, 0}, F[3] = {0, length, 0};
    expectCapsule(fields().NewSolid, P, F, length, 7.5);
}

TEST_F(Capsules, TargetStraightAboveTheAnchorTurnsFullyAboutZ)
{
    // With sx = 1e9 the target's x is exactly -1000000040; so is the anchor's.
    write(kCases[0], 1755.5);
    fields().Dim00 = -1000000040;
    fields().Dim05 = 1e9;
    EXPECT_EQ(run(&figure::PP), "");
    acad::IAcad3DSolid s = onlyPart(256);
    const double P[3] = {-1000000040, 16900 / std::sqrt(19400.0), 6500 / std::sqrt(19400.0)};
    const double dy = 200 - P[1], dz = -25 - P[2];
    const double length = std::hypot(dy, dz);
    // Only the first turn shows: the axis stays in the YZ plane.
    const double F[3] = {P[0], P[1] + dy, P[2] + dz};
    expectCapsule(s, P, F, length, 7.5);
}
