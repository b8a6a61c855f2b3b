#include "parts/design/conventional_thread.h"

#include "acad/numbers.h"

#include <QLineEdit>
#include <QRadioButton>

namespace design {

namespace {

constexpr double kSkin = 1e-4;
constexpr double kTwoPi = 6.283185307179586;
constexpr double kQuarterTurn = 1.5707963267948966;

double read(const QLineEdit* edit)
{
    return acad::StrToFloat(edit->text());
}

} // namespace

ThreadGeometry threadGeometry(ThreadTwin twin, double D, double d, double c, double b)
{
    ThreadGeometry g{};
    if (twin == ThreadTwin::Rod) {
        // The bore stays inside the root diameter.
        if (D - 2 * c <= d)
            d = D - 2 * c - 2 * kSkin;
        g.Y0 = D / 2 - c;
        g.Y1 = D / 2;
        g.Y2 = g.Y1 - kSkin;
        const acad::XY ring[5] = {{0, D / 2 - c}, {0, d / 2}, {b, d / 2}, {b, D / 2 - c}, {0, D / 2 - c}};
        std::copy(std::begin(ring), std::end(ring), g.ring);
    } else {
        // The outer wall stays outside the thread diameter.
        if (D <= d)
            D = d + 2 * kSkin;
        g.Y0 = d / 2;
        g.Y1 = d / 2 - c;
        g.Y2 = g.Y1 + kSkin;
        const acad::XY ring[5] = {{0, D / 2}, {b, D / 2}, {b, d / 2}, {0, d / 2}, {0, D / 2}};
        std::copy(std::begin(ring), std::end(ring), g.ring);
    }
    g.D = D;
    g.d = d;
    return g;
}

std::vector<acad::XY> skinProfile(const ThreadGeometry& g, double c, double b, double e)
{
    return {{kSkin, g.Y0},         {0, g.Y0},         {e, g.Y1},           {b - c, g.Y1},    {b, g.Y0},
            {b - kSkin, g.Y0},     {b - c - kSkin, g.Y2}, {e + kSkin, g.Y2}, {kSkin, g.Y0}};
}

void drawConventionalThread(acad::WorkingFields& f, ThreadTwin twin, const ThreadControls& controls)
{
    f.Dim00 = read(controls.D);
    f.Dim15 = read(controls.d);
    f.Dim01 = read(controls.c);
    f.Dim06 = read(controls.b);
    const double c = f.Dim01, b = f.Dim06;
    const ThreadGeometry g = threadGeometry(twin, f.Dim00, f.Dim15, c, b);
    f.Dim00 = g.D;
    f.Dim15 = twin == ThreadTwin::Rod ? g.d : g.d - 2 * c;

    // The ring.
    f.SetProfile(std::vector<acad::XY>(std::begin(g.ring), std::end(g.ring)));
    f.MakeProfileRegion();
    f.NewSolid = f.RevolveProfile(acad::AcadPoint(0, 0, 0), acad::AcadPoint(77, 0, 0), kTwoPi);

    // The skin.
    const double e = controls.bothChamfers->isChecked() ? c : 0.0;
    f.SetProfile(skinProfile(g, c, b, e));
    f.MakeProfileRegion();
    f.GroupSolid = f.RevolveProfile(acad::AcadPoint(0, 0, 0), acad::AcadPoint(77, 0, 0), kTwoPi);

    f.NewSolid.Boolean(acad::acUnion, f.GroupSolid);
    f.NewSolid.put_color(kThreadColour);

    if (controls.vertical->isChecked()) {
        f.AxisDirection = acad::AcadPoint(0, 77, 0);
        f.NewSolid.Rotate3D(f.AxisPoint, f.AxisDirection, kQuarterTurn);
    }

    // Point A is read only now: a bad text leaves the finished thread at the origin.
    f.Dim00 = read(controls.X);
    f.Dim01 = read(controls.Y);
    f.Dim06 = read(controls.Z);
    f.AxisPoint = acad::AcadPoint(0, 0, 0);
    f.AxisDirection = acad::AcadPoint(f.Dim00, f.Dim01, f.Dim06);
    f.NewSolid.Move(f.AxisPoint, f.AxisDirection);
}

} // namespace design
