// The coupling's elastic elements drawn at their free size, checked against
// areas worked out from the element's outline: the star as the hub plus six
// lobes with fillets tangent to the hub, the cross as the disc less four
// quadrant cut-outs rounded at their corner.
#include "parts/transmissions/coupling_elements.h"
#include "parts/transmissions/transmissions_panels.h"

#include "support/panel_fixture.h"

#include <cmath>

using transmissions::ElementForm;
using transmissions::freeElements;

namespace {

class CouplingElementTest : public PanelTest {
protected:
    CouplingElementTest() : PanelTest(&transmissions::createPanels) {}

    const transmissions::FreeElement& row(const char* torque)
    {
        for (const auto& r : freeElements)
            if (QString::fromUtf8(r.torque) == QString::fromUtf8(torque))
                return r;
        ADD_FAILURE() << "no row " << torque;
        return freeElements.front();
    }
    void drawFree(const char* torque)
    {
        shell::runProcedure([&] { transmissions::drawFreeElement(fields(), row(torque)); });
    }
};

double cross(double ax, double ay, double bx, double by)
{
    return ax * by - ay * bx;
}

// Area of one lobe of the star outside its hub, within the outer circle.
double lobeArea(double D, double Dh, double b, double r)
{
    const double R = D / 2, rh = Dh / 2, a = b / 2;
    const double strip = a * std::sqrt(R * R - a * a) + R * R * std::asin(a / R)
                         - (a * std::sqrt(rh * rh - a * a) + rh * rh * std::asin(a / rh));
    // One fillet: the side from the hub up to P1, the arc to P2, the hub
    // back to the side (Green's formula, arcs as chord term plus sector).
    const double c = rh + r, wf = a + r, yf = std::sqrt(c * c - wf * wf);
    const double theta = std::asin(wf / c);
    const double sy = std::sqrt(rh * rh - a * a);
    const double p2x = rh * std::sin(theta), p2y = rh * std::cos(theta);
    const double twice = cross(a, sy, a, yf) + cross(wf, yf, p2x - a, p2y - yf) + r * r * (pi / 2 - theta)
                         + rh * rh * (std::atan2(sy, a) - (pi / 2 - theta));
    return strip + 2 * std::abs(twice / 2);
}

// The disc's part beyond both arms in one quadrant.
double beyondArms(double R, double a)
{
    auto F = [R](double x) { return 0.5 * (x * std::sqrt(R * R - x * x) + R * R * std::asin(x / R)); };
    const double xm = std::sqrt(R * R - a * a);
    return F(xm) - F(a) - a * (xm - a);
}

} // namespace

TEST_F(CouplingElementTest, FreeStarOf400)
{
    drawFree("400");
    auto star = onlyPart(154);
    const double H = 30 - 0.0002, Dh = 67 - 0.0002, b = 20.5 - 0.0002, r = 3 - 0.0001;
    EXPECT_NEAR(star.Volume(), H * (pi * Dh * Dh / 4 + 6 * lobeArea(160, Dh, b, r)), 1e-3);
    acad::AcadPoint lo, hi;
    star.GetBoundingBox(lo, hi);
    EXPECT_NEAR(lo[2], -H / 2, 1e-6);
    EXPECT_NEAR(hi[2], H / 2, 1e-6);
    EXPECT_NEAR(hi[1], 80, 1e-6); // the lobe along +Y
    EXPECT_NEAR(lo[1], -80, 1e-6);
    EXPECT_LE(hi[0], 80 + 1e-6);
    EXPECT_GE(lo[0], -80 - 1e-6);

    EXPECT_DOUBLE_EQ(fields().Dim00, 160);
    EXPECT_DOUBLE_EQ(fields().Dim01, H);
    EXPECT_DOUBLE_EQ(fields().Dim04, b);
    EXPECT_DOUBLE_EQ(fields().Dim08, r);
    EXPECT_DOUBLE_EQ(fields().Dim15, Dh);
    EXPECT_NEAR(fields().Dim13, std::asin((b / 2 + r) / (Dh / 2 + r)), 1e-12);
    EXPECT_NEAR(fields().AxisDirection[2], -H / 2, 1e-12);
}

TEST_F(CouplingElementTest, FreeCrossOf2_5)
{
    drawFree("2,5");
    auto cross = onlyPart(154);
    const double R = 15, a = 4.25, r = 1.25;
    EXPECT_NEAR(cross.Volume(), 10.4998 * (pi * R * R - 4 * (beyondArms(R, a) - (1 - pi / 4) * r * r)), 1e-3);
    expectBox(cross, -R, -R, -10.4999, R, R, -0.0001);
    EXPECT_DOUBLE_EQ(fields().Dim00, 30);
    EXPECT_DOUBLE_EQ(fields().Dim04, 8.5);
    EXPECT_DOUBLE_EQ(fields().Dim08, 1.25);
    EXPECT_DOUBLE_EQ(fields().Dim13, 0);
}

TEST_F(CouplingElementTest, EveryFreeRowDrawsOneValidElement)
{
    for (const auto& r : freeElements) {
        SCOPED_TRACE(r.torque);
        clearDrawing();
        drawFree(r.torque);
        auto e = onlyPart(154);
        acad::AcadPoint lo, hi;
        e.GetBoundingBox(lo, hi);
        EXPECT_LE(hi[0], r.D / 2 + 1e-6);
        EXPECT_LE(hi[1], r.D / 2 + 1e-6);
        if (r.form == ElementForm::Star) {
            EXPECT_NEAR(hi[2] - lo[2], r.H - 0.0002, 1e-6);
            EXPECT_NEAR(e.Volume(),
                        (r.H - 0.0002) * (pi * std::pow(r.Dh - 0.0002, 2) / 4
                                          + 6 * lobeArea(r.D, r.Dh - 0.0002, r.b - 0.0002, r.r - 0.0001)),
                        1e-3);
        } else {
            EXPECT_NEAR(hi[2], -0.0001, 1e-6);
            EXPECT_NEAR(e.Volume(),
                        10.4998 * (pi * r.D * r.D / 4 - 4 * (beyondArms(r.D / 2, r.b / 2) - (1 - pi / 4) * r.r * r.r)),
                        1e-3);
        }
    }
}

TEST_F(CouplingElementTest, StarTwiceLowersItsFieldsTwice)
{
    auto& w = fields();
    w.Dim00 = 50, w.Dim15 = 26, w.Dim04 = 10.5, w.Dim01 = 15, w.Dim08 = 1.6;
    shell::runProcedure([&] { transmissions::ZvMuft(w); });
    shell::runProcedure([&] { transmissions::ZvMuft(w); });
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(count(), 2);
    EXPECT_NEAR(w.Dim04, 10.5 - 0.0004, 1e-12);
    EXPECT_NEAR(w.Dim15, 26 - 0.0004, 1e-12);
    EXPECT_NEAR(w.Dim08, 1.6 - 0.0002, 1e-12);
    EXPECT_NEAR(w.Dim01, 15 - 0.0004, 1e-12);
}

TEST_F(CouplingElementTest, StarLobeWiderThanTheHubFailsAfterTheHub)
{
    auto& w = fields();
    // b = Dh puts the fillet's centre on the lobe's side: yf = 0.
    const std::pair<double, QString> cases[] = {{40.0, QStringLiteral("Invalid floating point operation.")},
                                                {26.0, QStringLiteral("Floating point division by zero.")}};
    for (const auto& [b, message] : cases) {
        SCOPED_TRACE(b);
        clearDrawing();
        errors.clear();
        w.Dim00 = 50, w.Dim15 = 26, w.Dim04 = b, w.Dim01 = 15, w.Dim08 = 1.6;
        shell::runProcedure([&] { transmissions::ZvMuft(w); });
        ASSERT_EQ(errors.size(), 1u);
        EXPECT_EQ(errors.front(), message);
        EXPECT_EQ(count(), 1); // the hub stays
    }
}
