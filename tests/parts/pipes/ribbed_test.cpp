// Ribbed caps and pipe couplings: a body of revolution with beads and N
// radial ribs with rounded tips and ends, one solid; and the rib alone.
#include "pipes_fixture.h"

#include "parts/pipes/rib.h"

#include <QLabel>

#include <algorithm>
#include <functional>
#include <map>

namespace {

// A closed outline with arcs (bulges by vertex), each arc replaced by many
// short chords so that polygon formulas give its area and volumes.
std::vector<P2> dense(const std::vector<P2>& v, const std::map<int, double>& bulges, int n = 4000)
{
    std::vector<P2> out;
    for (std::size_t k = 0; k + 1 < v.size(); ++k) {
        out.push_back(v[k]);
        const auto b = bulges.find(static_cast<int>(k));
        if (b == bulges.end())
            continue;
        const P2 p = v[k], q = v[k + 1];
        const double cx = q.x - p.x, cy = q.y - p.y, c = std::hypot(cx, cy);
        const double d = (c / 2) * (1 - b->second * b->second) / (2 * b->second);
        const P2 centre{(p.x + q.x) / 2 - cy / c * d, (p.y + q.y) / 2 + cx / c * d};
        const double r = std::hypot(p.x - centre.x, p.y - centre.y);
        const double a0 = std::atan2(p.y - centre.y, p.x - centre.x), sweep = 4 * std::atan(b->second);
        for (int i = 1; i < n; ++i)
            out.push_back({centre.x + r * std::cos(a0 + sweep * i / n), centre.y + r * std::sin(a0 + sweep * i / n)});
    }
    out.push_back(v.back());
    return out;
}

// The length of the vertical line x = const inside a closed polygon.
double chordAt(const std::vector<P2>& p, double x)
{
    std::vector<double> ys;
    for (std::size_t k = 0; k + 1 < p.size(); ++k) {
        const P2 a = p[k], b = p[k + 1];
        if ((a.x <= x && b.x > x) || (b.x <= x && a.x > x))
            ys.push_back(a.y + (x - a.x) / (b.x - a.x) * (b.y - a.y));
    }
    std::sort(ys.begin(), ys.end());
    double len = 0;
    for (std::size_t k = 0; k + 1 < ys.size(); k += 2)
        len += ys[k + 1] - ys[k];
    return len;
}

// Simpson's rule on [a, b].
double integrate(const std::function<double(double)>& f, double a, double b, int n = 4000)
{
    const double h = (b - a) / n;
    double s = f(a) + f(b);
    for (int k = 1; k < n; ++k)
        s += f(a + k * h) * (k % 2 ? 4 : 2);
    return s * h / 3;
}

struct Rib {
    double D, f, h, D1, R4, R5, R6, alfaDeg, L3;
};

// The rib's section (its root chord across the wall's circle).
std::vector<P2> ribSection(const Rib& r)
{
    const double a = r.alfaDeg * pi / 180, rho = r.D / 2 + r.f, phi = std::asin(r.h / (2 * rho));
    const double x1 = (rho + r.R6) * std::cos(phi) - r.R6 * std::sin(a);
    const double y1 = (rho + r.R6) * std::sin(phi) - r.R6 * std::cos(a);
    const double W = 2 * (y1 - (r.D1 / 2 - x1) * std::tan(a));
    const double x2 = r.D1 / 2 - r.R5 + r.R5 * std::sin(a);
    const double y2 = W / 2 + r.R5 * (1 - std::sin(a)) * std::tan(a) + r.R5 * (1 - std::cos(a));
    const double y3 = y2 - r.R5 * std::cos(a);
    const double x0 = rho * std::cos(phi), y0 = rho * std::sin(phi);
    const double root = std::tan((pi / 2 - a - phi) / 4), tip = -std::tan((pi / 2 - a) / 4);
    return dense({{x0, y0}, {x1, y1}, {x2, y2}, {r.D1 / 2, y3}, {r.D1 / 2, -y3}, {x2, -y2}, {x1, -y1}, {x0, -y0}, {x0, y0}},
                 {{0, root}, {2, tip}, {4, tip}, {6, root}});
}

// What one rib adds to the body: its section less the circular segment
// inside the wall, over its length, less the two rounded end corners.
double ribVolume(const Rib& r)
{
    const std::vector<P2> s = ribSection(r);
    const double rho = r.D / 2 + r.f, phi = std::asin(r.h / (2 * rho));
    const double segment = rho * rho * (phi - std::sin(phi) * std::cos(phi));
    double v = (polygonArea(s) - segment) * r.L3;
    if (r.R4 > 0) {
        const double x0 = r.D1 / 2 - r.R4;
        auto corner = [&](double u) {
            return std::min(chordAt(s, x0 + u), r.L3) * (r.R4 - std::sqrt(std::max(0.0, r.R4 * r.R4 - u * u)));
        };
        v -= 2 * integrate(corner, 0, r.R4 * (1 - 1e-12));
    }
    return v;
}

// The bead angle of the body profiles.
double beadAngle(double R2, double R3)
{
    return std::asin(R2 / R3);
}

double couplingVolume(double D, double f, double L, double R2, double R3)
{
    const double c = D / 2 + f, t = beadAngle(R2, R3);
    const double out = std::tan((pi - t) / 4), in = -std::tan((pi / 2 - t) / 4);
    return revolvedVolume(dense({{D / 2, 0},
                                 {c, 0},
                                 {c + R3 * std::sin(t), R3 + R3 * std::cos(t)},
                                 {c, R3 + (R3 + R2) * std::cos(t)},
                                 {c, L - (R3 + (R3 + R2) * std::cos(t))},
                                 {c + R3 * std::sin(t), L - (R3 + R3 * std::cos(t))},
                                 {c, L},
                                 {D / 2, L},
                                 {D / 2, 0}},
                                {{1, out}, {2, in}, {4, in}, {5, out}}),
                          true);
}

double capVolume(double D, double f, double L, double L1, double R1, double R2, double R3)
{
    const double c = D / 2 + f, t = beadAngle(R2, R3), q = std::tan(pi / 8);
    return revolvedVolume(dense({{D / 2, 0},
                                 {c, 0},
                                 {c + R3 * std::sin(t), R3 + R3 * std::cos(t)},
                                 {c, R3 + (R3 + R2) * std::cos(t)},
                                 {c, L1 - R1},
                                 {D / 2 - R1, L},
                                 {0, L},
                                 {0, L1},
                                 {D / 2 - R1, L1},
                                 {D / 2, L1 - R1},
                                 {D / 2, 0}},
                                {{1, std::tan((pi - t) / 4)}, {2, -std::tan((pi / 2 - t) / 4)}, {4, q}, {8, -q}}),
                          true);
}

// Body: D 40, f 5, L 80, beads R3 6 with fillets R2 3; ribs h 14 over D1 80
// from z = 15 to 65.
const double D = 40, F = 5, L = 80, R2 = 3, R3 = 6, L2 = 15;
const Rib rib{D, F, 14, 80, 4, 2, 2, 5, 50};

} // namespace

class Ribbed : public PipesTest {
protected:
    void coupling(const Rib& r, double n, double l2 = L2)
    {
        type("Panel89", {{"Edit371", num(r.D)},  {"Edit372", num(r.f)},  {"Edit373", num(L)},  {"Edit374", num(R2)},
                         {"Edit375", num(R3)},   {"Edit376", num(r.h)},  {"Edit377", num(r.D1)}, {"Edit378", num(r.R4)},
                         {"Edit379", num(r.R5)}, {"Edit380", num(r.R6)}, {"Edit381", num(l2)}, {"Edit382", num(r.L3)},
                         {"Edit383", num(r.alfaDeg)}, {"Edit384", num(n)}});
        press("Panel89", "BitBtn92");
    }
    void cap(const Rib& r, double n, double L1, double R1)
    {
        type("Panel87", {{"Edit358", num(r.D)},  {"Edit359", num(r.f)},  {"Edit355", num(L)},   {"Edit356", num(L1)},
                         {"Edit357", num(R1)},   {"Edit360", num(R2)},   {"Edit361", num(R3)},  {"Edit362", num(r.h)},
                         {"Edit364", num(r.D1)}, {"Edit365", num(r.R4)}, {"Edit366", num(r.R5)}, {"Edit367", num(r.R6)},
                         {"Edit363", num(r.alfaDeg)}, {"Edit369", num(r.L3)}, {"Edit368", num(L2)}, {"Edit370", num(n)}});
        press("Panel87", "BitBtn90");
    }
    // The angles (degrees, 0 to 360) of the ribs' flat tip faces at x² + y² = (D1/2)².
    std::vector<double> ribAngles(const acad::IAcad3DSolid& part, double D1)
    {
        std::vector<double> angles;
        for (const gp_Ax1& face : planeFaces(part.entity()->shape())) {
            const gp_Pnt c = face.Location();
            if (std::abs(std::hypot(c.X(), c.Y()) - D1 / 2) < 1e-6 && std::abs(face.Direction().Z()) < 1e-9) {
                double a = std::atan2(c.Y(), c.X()) * 180 / pi;
                angles.push_back(a < -1e-6 ? a + 360 : a);
            }
        }
        std::sort(angles.begin(), angles.end());
        return angles;
    }
};

TEST_F(Ribbed, CouplingWithFourRibsIsOneSolid)
{
    coupling(rib, 4);
    const auto part = onlyPart(52);
    expectBox(part, -40, -40, 0, 40, 40, L, 1e-6);
    EXPECT_NEAR(part.Volume(), couplingVolume(D, F, L, R2, R3) + 4 * ribVolume(rib), 1e-6 * part.Volume());
}

TEST_F(Ribbed, CapsWithSixRibs)
{
    // L - L1 = f: the outer corner concentric with the inner one; then a
    // deeper closed end and a rib with parallel flanks (alfa 0) and one
    // with sharp end corners (R4 0).
    struct Case {
        double L1, R1;
        Rib r;
    } cases[] = {
        {75, 4, rib},
        {70, 3, {D, F, 14, 80, 4, 2, 2, 0, 50}},
        {75, 4, {D, F, 14, 80, 0, 2, 2, 5, 50}},
    };
    for (const Case& c : cases) {
        clearDrawing();
        cap(c.r, 6, c.L1, c.R1);
        const auto part = onlyPart(52);
        EXPECT_NEAR(part.Volume(), capVolume(D, F, L, c.L1, c.R1, R2, R3) + 6 * ribVolume(c.r), 1e-6 * part.Volume())
            << c.L1 << " " << c.r.alfaDeg << " " << c.r.R4;
        EXPECT_EQ(ribAngles(part, c.r.D1).size(), 6u);
    }
}

TEST_F(Ribbed, RibsStandAtStepsOfAFullTurnOverN)
{
    struct Case {
        double n;
        std::vector<double> angles;
    } cases[] = {
        {6, {0, 60, 120, 180, 240, 300}},
        {4.5, {40, 80, 160, 240, 320}},
        {0.75, {120}}, // one rib at 480 degrees
        {-3, {240}},   // one rib turned by 120 degrees clockwise
    };
    for (const Case& c : cases) {
        clearDrawing();
        coupling(rib, c.n);
        const auto part = onlyPart(52);
        const std::vector<double> got = ribAngles(part, rib.D1);
        ASSERT_EQ(got.size(), c.angles.size()) << c.n;
        for (std::size_t k = 0; k < got.size(); ++k)
            EXPECT_NEAR(std::fmod(got[k] + 1e-6, 360) - 1e-6, c.angles[k], 1e-6) << c.n;
    }
}

TEST_F(Ribbed, Errors)
{
    // A bead no larger than its fillet: nothing drawn.
    type("Panel89", {{"Edit373", num(L)}, {"Edit374", num(R2)}, {"Edit375", num(R2)}, {"Edit371", num(D)},
                     {"Edit372", num(F)}});
    press("Panel89", "BitBtn92");
    EXPECT_EQ(errors, QStringList{"Floating point division by zero."});
    EXPECT_EQ(count(), 0);

    // No ribs, or a rib as wide as the wall: the body alone, uncoloured.
    struct Case {
        double h, n;
        const char* error;
    } cases[] = {
        {14, 0, "Floating point division by zero."},
        {50, 4, "Floating point division by zero."},
        {60, 4, "Invalid floating point operation."},
    };
    for (const Case& c : cases) {
        errors.clear();
        clearDrawing();
        Rib r = rib;
        r.h = c.h;
        coupling(r, c.n);
        EXPECT_EQ(errors, QStringList{c.error}) << c.h << " " << c.n;
        ASSERT_EQ(count(), 1);
        const auto body = checkedPart(item(0), 256);
        EXPECT_NEAR(body.Volume(), couplingVolume(D, F, L, R2, R3), 1e-6 * body.Volume());
    }
}

TEST_F(Ribbed, RibAloneLeavesItsSizesAndStandsInPlace)
{
    acad::WorkingFields& w = fields();
    w.Dim00 = D, w.Dim05 = F, w.Dim01 = rib.h, w.Dim12 = rib.D1, w.Dim09 = rib.R6, w.Dim08 = rib.R5;
    w.Dim13 = rib.alfaDeg * pi / 180, w.Dim11 = rib.L3, w.Dim16 = L2, w.Dim07 = rib.R4;
    w.AxisPoint = acad::AcadPoint(1, 2, 3);
    pipes::Ship(w);
    EXPECT_EQ(count(), 1);
    const auto first = checkedPart(w.ToolSolid, 256);
    const double rho = D / 2 + F, phi = std::asin(rib.h / (2 * rho));
    EXPECT_NEAR(w.Dim23, phi, 1e-12);
    EXPECT_NEAR(first.Volume(), ribVolume(rib) + rho * rho * (phi - std::sin(phi) * std::cos(phi)) * rib.L3, 1e-6 * first.Volume());
    acad::AcadPoint lo, hi;
    first.GetBoundingBox(lo, hi);
    EXPECT_NEAR(lo[0], rho * std::cos(phi), 1e-6);
    EXPECT_NEAR(hi[0], 40, 1e-6);
    EXPECT_NEAR(lo[2], L2, 1e-6);
    EXPECT_NEAR(hi[2], L2 + rib.L3, 1e-6);
    EXPECT_NEAR(lo[1], -hi[1], 1e-6);
    EXPECT_EQ(w.AxisPoint[0], 1);
    EXPECT_EQ(w.AxisPoint[2], 3);
    // Its sizes unchanged: the next rib is the same.
    const double v = first.Volume();
    pipes::Ship(w);
    EXPECT_NEAR(w.ToolSolid.Volume(), v, 1e-9 * v);
    EXPECT_EQ(w.Dim13, rib.alfaDeg * pi / 180);
    EXPECT_EQ(w.Dim07, rib.R4);
}

TEST_F(Ribbed, EditsStandInThreeRowsUnderThePicture)
{
    struct Case {
        const char *panel, *edit;
        int left, top;
    } cases[] = {
        {"Panel87", "Edit358", 32, 340},  {"Panel87", "Edit357", 432, 340}, {"Panel87", "Edit361", 32, 368},
        {"Panel87", "Edit367", 532, 368}, {"Panel87", "Edit368", 32, 396},  {"Panel87", "Edit369", 132, 396},
        {"Panel87", "Edit363", 232, 396}, {"Panel87", "Edit370", 532, 396}, {"Panel89", "Edit371", 32, 340},
        {"Panel89", "Edit376", 532, 340}, {"Panel89", "Edit377", 32, 368},  {"Panel89", "Edit382", 532, 368},
        {"Panel89", "Edit383", 132, 396}, {"Panel89", "Edit384", 532, 396},
    };
    for (const Case& c : cases)
        EXPECT_EQ(edit(c.panel, c.edit)->geometry(), QRect(c.left, c.top, 53, 25)) << c.edit;
    for (const auto& [p, b] : {std::pair{"Panel87", "BitBtn90"}, std::pair{"Panel89", "BitBtn92"}}) {
        const QRect g = control<QAbstractButton>(p, b)->geometry();
        EXPECT_EQ(g.left(), 532);
        EXPECT_EQ(g.size(), QSize(53, 25));
    }
    EXPECT_EQ(control<QWidget>("Panel87", "Image41")->geometry(), QRect(4, 40, 581, 293));
    EXPECT_EQ(control<QWidget>("Panel89", "Image42")->geometry(), QRect(4, 32, 584, 293));
    EXPECT_EQ(control<QLabel>("Panel89", "Edit384Label")->text(),
              QString::fromUtf8("Число ребер, . . . . . . . . . . . . . . .N ="));
    EXPECT_EQ(control<QLabel>("Panel89", "Edit384Label")->geometry().left(), 304);
}
