// The metric thread with its true profile: the bolt's thread band and the
// nut's threaded sleeve, checked against volumes worked out by Pappus' rule
// for a screw sweep of a section through the axis.
#include "design_fixture.h"

#include <QLabel>
#include <QRadioButton>

#include <chrono>
#include <iostream>

using MetricThread = DesignTest;

namespace {

const double t30 = std::tan(pi / 6);

// One pitch of the profile above the root line, as the panel draws it.
std::vector<Pt> profile(double D, double P)
{
    const double R = D / 2, H = 0.866025404 * P;
    return {{0, R - 7 * H / 8},          {0, R - 5 * H / 8}, {P / 8, R - 7 * H / 8 + 1e-6},
            {P / 8 + t30 * 7 * H / 8, R}, {P / 4 + t30 * 7 * H / 8, R}, {P, R - 5 * H / 8},
            {P, R - 7 * H / 8},          {0, R - 7 * H / 8}};
}

// The part of a closed polygon on or above the line y = c.
std::vector<Pt> above(const std::vector<Pt>& p, double c)
{
    std::vector<Pt> r;
    for (std::size_t i = 0; i + 1 < p.size(); ++i) {
        const Pt a = p[i], b = p[i + 1];
        if (a.y >= c)
            r.push_back(a);
        if ((a.y < c) != (b.y < c)) {
            const double s = (c - a.y) / (b.y - a.y);
            r.push_back({a.x + s * (b.x - a.x), c});
        }
    }
    r.push_back(r.front());
    return r;
}

// A screw sweep of a section through the axis holds, per lead, what the
// section sweeps in one revolution: 2π times its first moment about the axis.
double boltVolume(double D, double P, double L)
{
    return L / P * revolvedVolume(profile(D, P));
}

double nutVolume(double D, double P, double L)
{
    const double R = D / 2, bore = R - 3 * 0.866025404 * P / 4;
    return pi * (R * R - bore * bore) * L - L / P * revolvedVolume(above(profile(D, P), bore));
}

} // namespace

TEST_F(MetricThread, PanelAsLaidOut)
{
    QWidget* p = panel("Panel48");
    EXPECT_EQ(control<QLabel>("Panel48", "Label146")->text(),
              QStringLiteral("ОТРИСОВКА МЕТРИЧЕСКОЙ РЕЗЬБЫ С ПРОВОРОТОМ НА 1 ГРАДУС"));
    EXPECT_EQ(control<QAbstractButton>("Panel48", "BitBtn39")->geometry(), QRect(488, 40, 77, 25));
    EXPECT_EQ(control<QLabel>("Panel48", "Image14")->geometry(), QRect(8, 56, 416, 291));
    EXPECT_TRUE(control<QRadioButton>("Panel48", "RadioButton5")->isChecked());
    EXPECT_FALSE(control<QRadioButton>("Panel48", "RadioButton6")->isChecked());
    EXPECT_EQ(control<QRadioButton>("Panel48", "RadioButton6")->text(), QStringLiteral("Гайка"));
    const struct {
        const char *label, *edit, *text;
        QRect geometry;
    } edits[] = {{"Label144", "Edit67", "D =", QRect(488, 130, 77, 27)},
                 {"Label148", "Edit68", "\u0420 =", QRect(488, 168, 77, 27)},
                 {"Label145", "Edit69", "L =", QRect(488, 296, 77, 27)}};
    for (const auto& e : edits) {
        SCOPED_TRACE(e.edit);
        QLabel* label = control<QLabel>("Panel48", e.label);
        EXPECT_EQ(label->text(), QString::fromUtf8(e.text));
        EXPECT_EQ(label->buddy(), edit("Panel48", e.edit));
        EXPECT_EQ(edit("Panel48", e.edit)->geometry(), e.geometry);
        EXPECT_EQ(text("Panel48", e.edit), "");
    }
    QLabel* note = control<QLabel>("Panel48", "Label147");
    EXPECT_TRUE(note->styleSheet().contains("italic"));
    EXPECT_TRUE(note->wordWrap());
    EXPECT_EQ(note->geometry(), QRect(8, 353, 560, 57));
    EXPECT_TRUE(p->styleSheet().contains("16px \"Times New Roman\"; color: navy"));
}

TEST_F(MetricThread, BoltIsTheThreadBandFromZeroToL)
{
    const struct {
        double D, P, L;
    } cases[] = {{10, 1.5, 15}, {24, 3, 60}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.D);
        type("Panel48", {{"Edit67", num(c.D)}, {"Edit68", num(c.P)}, {"Edit69", num(c.L)}});
        const auto start = std::chrono::steady_clock::now();
        press("Panel48", "BitBtn39");
        acad::IAcad3DSolid s = onlyPart(1);
        const double v = s.Volume();
        std::cout << "press " << std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() << " s\n";
        EXPECT_NEAR(v, boltVolume(c.D, c.P, c.L), 1e-4 * v);
        expectBox(s, 0, -c.D / 2, -c.D / 2, c.L, c.D / 2, c.D / 2, 1e-5);
        EXPECT_EQ(fields().Dim00, c.D);
        EXPECT_EQ(fields().Dim01, 0.866025404 * c.P);
        EXPECT_EQ(fields().Dim06, c.L);
        clearDrawing();
    }
}

TEST_F(MetricThread, NutIsTheSleeveFromTheBoreToDOverTwo)
{
    check("Panel48", "RadioButton6");
    type("Panel48", {{"Edit67", num(10)}, {"Edit68", dec("1.5")}, {"Edit69", num(15)}});
    const auto start = std::chrono::steady_clock::now();
    press("Panel48", "BitBtn39");
    acad::IAcad3DSolid s = onlyPart(5);
    const double v = s.Volume();
    std::cout << "press " << std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() << " s\n";
    EXPECT_NEAR(v, nutVolume(10, 1.5, 15), 1e-4 * v);
    expectBox(s, 0, -5, -5, 15, 5, 5, 1e-5);
}
