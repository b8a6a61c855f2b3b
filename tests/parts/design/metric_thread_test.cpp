// The metric thread with its true profile: the bolt's thread band and the
// nut's threaded sleeve, checked against volumes worked out by Pappus' rule
// for a screw sweep of a section through the axis.
#include "design_fixture.h"

#include <QLabel>
#include <QRadioButton>

#include <TopExp_Explorer.hxx>

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
        press("Panel48", "BitBtn39");
        acad::IAcad3DSolid s = onlyPart(1);
        const double v = s.Volume();
        EXPECT_NEAR(v, boltVolume(c.D, c.P, c.L), 1e-4 * v);
        expectBox(s, 0, -c.D / 2, -c.D / 2, c.L, c.D / 2, c.D / 2, 1e-5);
        EXPECT_EQ(fields().Dim00, c.D);
        EXPECT_EQ(fields().Dim01, 0.866025404 * c.P);
        EXPECT_EQ(fields().Dim06, c.L);
        // The fields as the press leaves them; no solid slot written.
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(fields().Axis2Point[k], 0);
            EXPECT_EQ(fields().Axis2Direction[k], k == 0 ? 2 * c.P : 0);
        }
        for (const acad::IAcad3DSolid* slot : {&fields().ExtraSolid, &fields().NewSolid, &fields().BodySolid,
                                               &fields().GroupSolid, &fields().ToolSolid})
            EXPECT_EQ(*slot, acad::IAcad3DSolid());
        clearDrawing();
    }
}

TEST_F(MetricThread, NutIsTheSleeveFromTheBoreToDOverTwo)
{
    check("Panel48", "RadioButton6");
    type("Panel48", {{"Edit67", num(10)}, {"Edit68", dec("1.5")}, {"Edit69", num(15)}});
    press("Panel48", "BitBtn39");
    acad::IAcad3DSolid s = onlyPart(5);
    const double v = s.Volume();
    EXPECT_NEAR(v, nutVolume(10, 1.5, 15), 1e-4 * v);
    expectBox(s, 0, -5, -5, 15, 5, 5, 1e-5);
}

namespace {

// The entities a press makes, read from the serial numbers the drawing gives
// them: the profile's polyline and region, a path and a solid for every
// sweep, and a polyline, region and solid for each trimming cylinder.
int sweepsMade(int made)
{
    return (made - 2 - 2 * 3) / 2;
}

} // namespace

TEST_F(MetricThread, TurnsWhileThreePitchesAndLExceedTheTurnsLength)
{
    // L = 10P: 3P + L = 13P, so twelve turns (the thirteenth would need
    // 13P < 13P); L = 2P: four.
    const struct {
        double L;
        int turns;
    } cases[] = {{10, 12}, {2, 4}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.L);
        type("Panel48", {{"Edit67", num(8)}, {"Edit68", num(1)}, {"Edit69", num(c.L)}});
        auto serial = [&] {
            acad::IAcadLine probe = ms().AddLine(acad::AcadPoint(0, 0, 0), acad::AcadPoint(1, 0, 0));
            const uint64_t s = probe.entity()->serial();
            probe.Delete();
            return s;
        };
        const uint64_t before = serial();
        press("Panel48", "BitBtn39");
        const int made = static_cast<int>(serial() - before - 1);
        EXPECT_EQ(sweepsMade(made), 1 + 36 * c.turns);
        acad::IAcad3DSolid s = onlyPart(1);
        EXPECT_NEAR(s.Volume(), boltVolume(8, 1, c.L), 1e-4 * s.Volume());
        clearDrawing();
    }
}

TEST_F(MetricThread, OnePitchAsTheNoteAdvisesIsOnePieceFromZeroToP)
{
    // The far cut reaches past the last turn's end, 4P beyond L, so nothing
    // of the thread is left beyond L.
    type("Panel48", {{"Edit67", num(10)}, {"Edit68", dec("1.5")}, {"Edit69", dec("1.5")}});
    press("Panel48", "BitBtn39");
    acad::IAcad3DSolid s = onlyPart(1);
    int solids = 0;
    for (TopExp_Explorer e(s.entity()->shape(), TopAbs_SOLID); e.More(); e.Next())
        ++solids;
    EXPECT_EQ(solids, 1);
    expectBox(s, 0, -5, -5, 1.5, 5, 5, 1e-5);
    EXPECT_NEAR(s.Volume(), boltVolume(10, 1.5, 1.5), 1e-4 * s.Volume());
}

TEST_F(MetricThread, SecondPressDrawsASecondThread)
{
    type("Panel48", {{"Edit67", num(6)}, {"Edit68", num(1)}, {"Edit69", num(2)}});
    press("Panel48", "BitBtn39");
    press("Panel48", "BitBtn39");
    EXPECT_TRUE(errors.isEmpty());
    ASSERT_EQ(count(), 2);
    for (int k = 0; k < 2; ++k)
        EXPECT_NEAR(checkedPart(item(k), 1).Volume(), boltVolume(6, 1, 2), 1e-4 * boltVolume(6, 1, 2));
    EXPECT_EQ(text("Panel48", "Edit69"), num(2));
}

TEST_F(MetricThread, BadInputIsRefusedBeforeAnythingIsDrawn)
{
    // The error box ends a message with a full stop.
    const QString pitch = QStringLiteral("Шаг резьбы Р должен быть больше нуля.");
    const QString sizes = QStringLiteral("Диаметр D и длина резьбы L должны быть больше нуля.");
    const QString small = QStringLiteral("Диаметр D слишком мал для шага резьбы Р.");
    const QString tooLong = QStringLiteral("Длина резьбы L больше 300 шагов Р: столько витков не строится.");
    const struct {
        QString D, P, L, message;
    } cases[] = {
        {num(10), num(0), num(15), pitch},
        {num(10), num(-1.5), num(15), pitch},
        {num(0), num(1.5), num(15), sizes},
        {num(-10), num(1.5), num(15), sizes},
        {num(10), num(1.5), num(0), sizes},
        {num(10), num(1.5), num(-15), sizes},
        // The root radius D/2 - 7H/8 must stay above the axis: D > 7H/4.
        {num(10), num(10), num(10), small},
        {num(1.5), num(1), num(15), small},
        // 300 pitches at most; a huge L would turn for hours.
        {num(10), num(1.5), num(450.0001), tooLong},
        {num(10), num(1.5), "99999999999999999999", tooLong},
        {num(10), num(1.5), "", notAFloat("")},
        {"M10", num(1.5), num(15), notAFloat("M10")},
        {num(10), "1,5,", num(15), notAFloat("1,5,")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message.toStdString() + " " + c.D.toStdString() + " " + c.P.toStdString() + " " +
                     c.L.toStdString());
        errors.clear();
        type("Panel48", {{"Edit67", c.D}, {"Edit68", c.P}, {"Edit69", c.L}});
        press("Panel48", "BitBtn39");
        EXPECT_EQ(errors, QStringList{c.message});
        EXPECT_EQ(count(), 0);
    }
}
