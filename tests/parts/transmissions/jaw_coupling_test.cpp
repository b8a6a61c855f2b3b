// The jaw coupling drawn from its panel: the element and both half-couplings
// checked against a model of each half-coupling built from its outline and
// cutters as the coupling's drawing describes them, integrated slice by slice
// along the axis.
#include "parts/transmissions/coupling_elements.h"
#include "parts/transmissions/jaw_coupling.h"
#include "parts/transmissions/transmissions_panels.h"

#include "support/panel_fixture.h"

#include <algorithm>
#include <cmath>
#include <vector>

using transmissions::couplingRows;
using transmissions::ElementForm;
using transmissions::freeElements;

namespace {

struct Column {
    double L1, L, L2, d1, R, d, dt, b, r;
};

// One half-coupling as its outline and cutters give it; side 2 faces -Z,
// side 1 is side 2's shape turned by a half turn about Y.
struct HalfModel {
    double D, Df, B, c, e, f;
    Column k;
    bool star;
    bool side1;
    double cutRadius;

    double x0() const { return -B / 2 + 0.0001; }
    double xe() const { return -B / 2 + k.L1; }
    bool plain() const { return k.L2 >= k.L1 || k.d1 == Df; }
    double R() const { return std::min(k.R, k.L1 - k.L2); }
    double end() const { return plain() ? xe() - 0.0001 : xe(); }
    double move() const { return star ? 0 : (side1 ? 5.25 : -5.25); }

    // Outer and inner radius of the outline at the axial place u.
    double outer(double u) const
    {
        if (u < x0() + c)
            return Df / 2 - c + (u - x0());
        if (plain()) {
            if (u <= xe() - c)
                return Df / 2;
            return Df / 2 - c * (u - (xe() - c)) / (c - 0.0001);
        }
        const double xs = -B / 2 + k.L2, R = this->R();
        if (u <= xs - c)
            return Df / 2;
        if (u <= xs)
            return Df / 2 - (u - (xs - c));
        if (u <= xs + R)
            return k.d1 / 2 + R - std::sqrt(std::max(0.0, R * R - (u - xs - R) * (u - xs - R)));
        if (u <= xe() - c)
            return k.d1 / 2;
        return k.d1 / 2 - (u - (xe() - c));
    }
    double inner(double u) const
    {
        if (u <= xe() - c)
            return 0;
        return plain() ? k.d / 2 + c * (u - (xe() - c)) / (c - 0.0001) : k.d / 2 + (u - (xe() - c));
    }

    static bool inBox(double x, double y, double a, double x1, double x2, double half)
    {
        const double xr = x * std::cos(a) + y * std::sin(a), yr = -x * std::sin(a) + y * std::cos(a);
        return xr >= x1 && xr <= x2 && std::abs(yr) <= half;
    }
    bool jawCut(double x, double y, double z) const
    {
        if (star) {
            if (std::abs(z) <= B / 2 + 0.0001)
                for (double a : {0.0, pi / 3, -pi / 3})
                    if (inBox(x, y, a, -e, e, D))
                        return true;
            const double h = k.L1 - k.L;
            if (std::abs(z) > h / 2)
                return false;
            if (inBox(x, y, 0, 0, f, D) || inBox(x, y, 2 * pi / 3, 0, f, D) || inBox(x, y, pi / 3, -f, 0, D))
                return true;
            for (double a : {-pi / 6, -5 * pi / 6, pi / 2}) {
                const double cx = -D / 2 * std::sin(a), cy = D / 2 * std::cos(a);
                if (std::hypot(x - cx, y - cy) <= cutRadius)
                    return true;
            }
            return false;
        }
        if (std::abs(z) <= 5.2501 && (inBox(x, y, 0, -e, e, D) || inBox(x, y, pi / 2, -e, e, D)))
            return true;
        if (std::abs(z) <= 6.75 && inBox(x, y, pi / 4, -f / 2, f / 2, D))
            return true;
        if (z >= -6.75 && z <= 5.25 && ((x <= 0 && y >= 0) || (x >= 0 && y <= 0)))
            return true;
        return false;
    }
    bool inKeyway(double x, double y, double z) const
    {
        if (side1 ? z < 0 : z > 0)
            return false;
        const double floor = k.dt - k.d / 2;
        if (std::abs(x) > k.b / 2 || y < 0 || y > floor)
            return false;
        if (std::abs(x) > k.b / 2 - k.r && y > floor - k.r)
            return std::hypot(std::abs(x) - (k.b / 2 - k.r), y - (floor - k.r)) <= k.r;
        return true;
    }
    bool inside(double X, double Y, double Z) const
    {
        const double xc = side1 ? -X : X;
        const double zc = (side1 ? -Z : Z) - move();
        const double u = -zc;
        if (u < x0() || u > end())
            return false;
        const double rho = std::hypot(X, Y);
        if (rho > outer(u) || rho < inner(u) || rho < k.d / 2)
            return false;
        return !jawCut(xc, Y, zc) && !inKeyway(X, Y, Z);
    }
    // The Z range of the half-coupling.
    std::pair<double, double> span() const
    {
        const double a = -end() + move(), b = -x0() + move();
        return side1 ? std::make_pair(-b, -a) : std::make_pair(a, b);
    }

    double volume() const
    {
        std::vector<double> cuts = {0};
        auto addFrame = [&](double zc) { cuts.push_back(side1 ? -(zc + move()) : zc + move()); };
        const double xs = -B / 2 + k.L2;
        for (double u : {x0(), x0() + c, xs - c, xs, xs + R(), xe() - c, end()})
            addFrame(-u);
        for (double zc : {B / 2 + 0.0001, -B / 2 - 0.0001, (k.L1 - k.L) / 2, -(k.L1 - k.L) / 2, 5.2501, -5.2501,
                          6.75, -6.75, 5.25})
            addFrame(zc);
        const auto [lo, hi] = span();
        std::sort(cuts.begin(), cuts.end());
        const double g[3] = {-std::sqrt(0.6), 0, std::sqrt(0.6)}, wg[3] = {5.0 / 9, 8.0 / 9, 5.0 / 9};
        const int n = 900;
        const double half = Df / 2, cell = 2 * half / n;
        double total = 0;
        for (std::size_t i = 0; i + 1 < cuts.size(); ++i) {
            const double a = std::max(cuts[i], lo), b = std::min(cuts[i + 1], hi);
            if (b - a < 1e-9)
                continue;
            for (int q = 0; q < 3; ++q) {
                const double Z = (a + b) / 2 + g[q] * (b - a) / 2;
                int hits = 0;
                for (int ix = 0; ix < n; ++ix)
                    for (int iy = 0; iy < n; ++iy)
                        hits += inside(-half + (ix + 0.5) * cell, -half + (iy + 0.5) * cell, Z);
                total += wg[q] * (b - a) / 2 * hits * cell * cell;
            }
        }
        return total;
    }
};

class JawCouplingTest : public PanelTest {
protected:
    JawCouplingTest() : PanelTest(&transmissions::createPanels) {}

    void typeColumn(int column, const Column& k)
    {
        static const char* edits[2][9] = {
            {"Edit432", "Edit437", "Edit439", "Edit441", "Edit443", "Edit446", "Edit445", "Edit449", "Edit451"},
            {"Edit436", "Edit438", "Edit440", "Edit442", "Edit444", "Edit447", "Edit448", "Edit450", "Edit452"}};
        const double v[9] = {k.L1, k.L, k.L2, k.d1, k.R, k.d, k.dt, k.b, k.r};
        for (int i = 0; i < 9; ++i)
            edit("Panel88", edits[column - 1][i])->setText(num(v[i]));
    }
    void choose(int row, bool star)
    {
        check("Panel88", QStringLiteral("RadioButton%1").arg(36 + row).toUtf8().constData());
        check("Panel88", star ? "RadioButton35" : "RadioButton34");
    }
    HalfModel model(int row, const Column& k, bool star, bool side1)
    {
        const auto& t = couplingRows[row];
        const double H = t.form == ElementForm::Star ? t.H : t.B;
        return {t.D, t.Df, t.B, t.c, t.e, t.f, k, star, side1,
                side1 || t.form == ElementForm::Cross ? H / 2 : H / 2 - 0.0001};
    }
    static void zRange(acad::IAcad3DSolid s, double lo, double hi)
    {
        acad::AcadPoint a, b;
        s.GetBoundingBox(a, b);
        EXPECT_NEAR(a[2], lo, 1e-6);
        EXPECT_NEAR(b[2], hi, 1e-6);
    }
};

// A pair of columns that suits the row: jaws as long as the element is
// thick, a stepped hub with its fillet, a bore and keyway of a quarter of D.
Column typical(int row)
{
    const auto& t = couplingRows[row];
    const double d = 0.25 * t.D;
    return {2 * t.B + 20, t.B + 20, t.B + 10, 0.6 * t.Df, 1, d, 1.15 * d, 0.25 * d, 0.2};
}

} // namespace

TEST_F(JawCouplingTest, SizeTableKeepsItsOwnRules)
{
    for (std::size_t k = 0; k < couplingRows.size(); ++k) {
        const auto& t = couplingRows[k];
        SCOPED_TRACE(t.torque);
        EXPECT_NEAR(t.e, t.lobe / 2 + 0.0001, 1e-12);
        if (t.form == ElementForm::Star)
            EXPECT_EQ(t.B, t.H);
        else
            EXPECT_EQ(t.B, 10.5);
        const auto& free = freeElements[k];
        EXPECT_STREQ(free.torque, t.torque);
        EXPECT_EQ(free.form, t.form);
        EXPECT_NEAR(free.b, t.lobe + 0.5, 1e-12);
        EXPECT_EQ(free.D, t.D);
        EXPECT_EQ(free.Dh, t.Dh);
        EXPECT_EQ(free.H, t.H);
        // The torque switches carry the rows' captions in order.
        EXPECT_EQ(control<QRadioButton>("Panel88", QStringLiteral("RadioButton%1").arg(36 + k).toUtf8().constData())
                      ->text(),
                  QString::fromUtf8(t.torque));
    }
}

TEST_F(JawCouplingTest, StartStateDrawsTheStarBetweenTwoHalfCouplingsOf400)
{
    EXPECT_TRUE(control<QRadioButton>("Panel88", "RadioButton44")->isChecked());
    EXPECT_TRUE(control<QRadioButton>("Panel88", "RadioButton35")->isChecked());
    const Column k{80, 50, 40, 100, 5, 40, 43.3, 12, 0.4};
    typeColumn(1, k);
    typeColumn(2, k);
    press("Panel88", "BitBtn84");
    ASSERT_TRUE(errors.empty()) << errors.front().toStdString();
    ASSERT_EQ(count(), 3);
    auto star = checkedPart(item(0), 154);
    auto half2 = checkedPart(item(1), 52);
    auto half1 = checkedPart(item(2), 50);
    zRange(star, -14.9999, 14.9999);
    zRange(half2, 15 - 80, 14.9999);
    zRange(half1, -14.9999, 80 - 15);
    acad::AcadPoint a, b;
    half2.GetBoundingBox(a, b);
    EXPECT_NEAR(b[1], 83, 1e-6); // the flange at Df / 2

    const double v2 = model(8, k, true, false).volume(), v1 = model(8, k, true, true).volume();
    EXPECT_NEAR(half2.Volume(), v2, 1e-3 * v2);
    EXPECT_NEAR(half1.Volume(), v1, 1e-3 * v1);
    // Equal columns: the same half-coupling but for rounded cuts 0.0001 wider.
    EXPECT_GT(half2.Volume(), half1.Volume());
    EXPECT_LT(half2.Volume() - half1.Volume(), 1.0);

    // The bank keeps the row and half-coupling 1's last values.
    acad::WorkingFields& w = fields();
    EXPECT_EQ(w.Dim00, 160);
    EXPECT_EQ(w.Dim01, 30);
    EXPECT_EQ(w.Dim15, 67);
    EXPECT_EQ(w.Dim04, 20);
    EXPECT_EQ(w.Dim08, 3);
    EXPECT_EQ(w.Dim14, 166);
    EXPECT_EQ(w.Dim02, 43.3);
    EXPECT_EQ(w.Dim07, 0.4);
    EXPECT_EQ(w.Dim09, 12);
    EXPECT_EQ(w.Dim12, 40);
    EXPECT_EQ(w.Dim16, 30);
}

TEST_F(JawCouplingTest, ProfileFollowsTheStepRules)
{
    struct Case {
        const char* what;
        double L2, d1, R;
    };
    const Case cases[] = {
        {"L2 = L1", 80, 100, 5},
        {"L2 > L1", 95, 100, 5},
        {"d1 = Df", 40, 166, 5},
        {"fillet cut back to L1 - L2", 70, 100, 25},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        clearDrawing();
        const Column k{80, 50, c.L2, c.d1, c.R, 40, 43.3, 12, 0.4};
        typeColumn(1, k);
        typeColumn(2, k);
        press("Panel88", "BitBtn84");
        ASSERT_TRUE(errors.empty()) << errors.front().toStdString();
        ASSERT_EQ(count(), 3);
        auto half2 = checkedPart(item(1), 52);
        const double v2 = model(8, k, true, false).volume();
        EXPECT_NEAR(half2.Volume(), v2, 1e-3 * v2);
    }
}

TEST_F(JawCouplingTest, EveryRowWithEitherJawFormGivesThreeValidSolids)
{
    for (int row = 0; row < 9; ++row)
        for (bool star : {true, false}) {
            const auto& t = couplingRows[row];
            SCOPED_TRACE(std::string(t.torque) + (star ? " star jaws" : " cross jaws"));
            clearDrawing();
            errors.clear();
            choose(row, star);
            const Column k = typical(row);
            typeColumn(1, k);
            typeColumn(2, k);
            press("Panel88", "BitBtn84");
            ASSERT_TRUE(errors.empty()) << errors.front().toStdString();
            ASSERT_EQ(count(), 3);
            checkedPart(item(0), 154);
            auto half2 = checkedPart(item(1), 52);
            auto half1 = checkedPart(item(2), 50);
            const HalfModel m2 = model(row, k, star, false), m1 = model(row, k, star, true);
            // In "2,5" the star's three bands, each as wide as the flange's
            // radius, clear the whole jaw zone: the flange alone is left.
            const double jaws = row == 0 && star ? t.B - 0.0001 : 0;
            zRange(half2, m2.span().first, m2.span().second - jaws);
            zRange(half1, m1.span().first + jaws, m1.span().second);
            if (row == 0 || row == 5) {
                const double v2 = m2.volume(), v1 = m1.volume();
                EXPECT_NEAR(half2.Volume(), v2, 2e-3 * v2);
                EXPECT_NEAR(half1.Volume(), v1, 2e-3 * v1);
            }
        }
}

TEST_F(JawCouplingTest, CrossJawsOfACrossRowHoldTheCrossBetweenZMinus10Point5AndZero)
{
    choose(0, false);
    const Column k = typical(0);
    typeColumn(1, k);
    typeColumn(2, k);
    edit("Panel88", "Edit437")->clear();
    edit("Panel88", "Edit438")->clear(); // L is not read with the cross jaws
    press("Panel88", "BitBtn84");
    ASSERT_TRUE(errors.empty()) << errors.front().toStdString();
    ASSERT_EQ(count(), 3);
    zRange(checkedPart(item(0), 154), -10.4999, -0.0001);
    zRange(checkedPart(item(1), 52), -k.L1, -0.0001);
    zRange(checkedPart(item(2), 50), -10.4999, k.L1 - 10.5);
}

TEST_F(JawCouplingTest, BadTextStopsTheDrawingWhereItIsRead)
{
    const Column k{80, 50, 40, 100, 5, 40, 43.3, 12, 0.4};
    typeColumn(1, k);
    typeColumn(2, k);
    edit("Panel88", "Edit448")->setText("4x");
    press("Panel88", "BitBtn84");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors.front(), notAFloat("4x"));
    // The element and a bored half-coupling 2 without keyway or colour.
    ASSERT_EQ(count(), 2);
    checkedPart(item(0), 154);
    auto half2 = item(1).as<acad::IAcad3DSolid>();
    EXPECT_NE(half2.get_color(), 52);
    checkedPart(item(1), half2.get_color()); // valid all the same

    clearDrawing();
    errors.clear();
    edit("Panel88", "Edit448")->setText(num(43.3));
    edit("Panel88", "Edit437")->setText("");
    press("Panel88", "BitBtn84");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors.front(), notAFloat(""));
    EXPECT_EQ(count(), 3); // half-coupling 1 stopped at its jaws' length
}

TEST_F(JawCouplingTest, CrossRowWithStarJawsTakesTheRoundedCutsFromB)
{
    fields().Dim01 = 0;
    choose(1, true);
    const Column k = typical(1);
    typeColumn(1, k);
    typeColumn(2, k);
    press("Panel88", "BitBtn84");
    ASSERT_TRUE(errors.empty()) << errors.front().toStdString();
    ASSERT_EQ(count(), 3);
    auto half2 = checkedPart(item(1), 52);
    auto half1 = checkedPart(item(2), 50);
    const double v2 = model(1, k, true, false).volume(), v1 = model(1, k, true, true).volume();
    EXPECT_NEAR(half2.Volume(), v2, 2e-3 * v2);
    EXPECT_NEAR(half1.Volume(), v1, 2e-3 * v1);
}

TEST_F(JawCouplingTest, FreeButtonDrawsTheSelectedElementAtItsFreeSize)
{
    choose(2, true); // "16"
    press("Panel88", "BitBtn100");
    auto star = onlyPart(154);
    zRange(star, -(15 - 0.0002) / 2, (15 - 0.0002) / 2);
    acad::AcadPoint a, b;
    star.GetBoundingBox(a, b);
    EXPECT_NEAR(b[1], 25, 1e-6);
    EXPECT_NEAR(fields().Dim04, 10.5 - 0.0002, 1e-12); // the free lobe is 0.5 wider
}
