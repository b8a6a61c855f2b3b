// The hair and helmet stretch alone, on a small seed head group at the
// origin of the head frame: the hair when "Голова с волосами" is ticked, the
// helmet when "Голова в каске" is, each in its colour, each colour read
// only when its box is ticked.
#include "figure/assembly.h"
#include "figure/stretches.h"

#include "figure_fixture.h"
#include "surface_probe.h"

#include <QCheckBox>

#include <algorithm>
#include <cmath>
#include <functional>
#include <set>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using Rgb = std::tuple<int, int, int>;
const Rgb kHair{16, 29, 45}, kHelmet{52, 127, 110};

Rgb rgb(const acad::Colour& c)
{
    return {c.r, c.g, c.b};
}

// A solid told column by column: the span of y it fills above (x, z), if any.
using Span = std::pair<double, double>;
using Column = std::function<bool(double x, double z, Span& span)>;

Column ball(double r, double cx, double cy, double cz)
{
    return [=](double x, double z, Span& span) {
        const double h2 = r * r - (x - cx) * (x - cx) - (z - cz) * (z - cz);
        if (h2 <= 0)
            return false;
        span = {cy - std::sqrt(h2), cy + std::sqrt(h2)};
        return true;
    };
}
// Upright round-ended rod: balls of radius r about (cx, cy, cz) and length higher.
Column uprightRod(double r, double length, double cx, double cy, double cz)
{
    return [=](double x, double z, Span& span) {
        const double h2 = r * r - (x - cx) * (x - cx) - (z - cz) * (z - cz);
        if (h2 <= 0)
            return false;
        span = {cy - std::sqrt(h2), cy + length + std::sqrt(h2)};
        return true;
    };
}
// Upright frustum, radius r1 at its foot (cx, cy, cz) to r2 at length higher.
Column uprightFrustum(double r1, double r2, double length, double cx, double cy, double cz)
{
    return [=](double x, double z, Span& span) {
        const double rho = std::hypot(x - cx, z - cz);
        if (rho >= std::max(r1, r2))
            return false;
        // Where the slanted side reaches rho (r2 > r1: the frustum widens up).
        const double from = rho <= r1 ? 0 : (rho - r1) / (r2 - r1) * length;
        span = {cy + from, cy + length};
        return true;
    };
}

// The volume of the union of the solids less the removed one and less
// everything below y = floor, summed over columns h apart.
double volumeByColumns(const std::vector<Column>& solids, const Column* removed, double floor, double x0, double x1,
                       double z0, double z1, double h)
{
    double volume = 0;
    std::vector<Span> spans;
    for (double x = x0 + h / 2; x < x1; x += h)
        for (double z = z0 + h / 2; z < z1; z += h) {
            spans.clear();
            Span s;
            for (const Column& c : solids)
                if (c(x, z, s))
                    spans.push_back({std::max(s.first, floor), s.second});
            if (spans.empty())
                continue;
            std::sort(spans.begin(), spans.end());
            Span hole{0, 0};
            const bool holed = removed && (*removed)(x, z, hole);
            double length = 0, reach = -1e9;
            auto add = [&](double a, double b) {
                if (holed) { // what lies outside the hole
                    length += std::max(0.0, std::min(b, hole.first) - a) + std::max(0.0, b - std::max(a, hole.second));
                    return;
                }
                length += std::max(0.0, b - a);
            };
            double start = 0;
            for (const Span& sp : spans) {
                if (sp.first > reach) {
                    if (reach > -1e9)
                        add(start, reach);
                    start = sp.first;
                    reach = sp.second;
                } else {
                    reach = std::max(reach, sp.second);
                }
            }
            add(start, reach);
            volume += length * h * h;
        }
    return volume;
}

class HairAndHelmet : public FigureTest {
protected:
    // The stretch on a seed ball of radius s at the origin.
    void draw(bool hair, bool helmet, const Texts& colours = {}, double H = 1755.5)
    {
        initialPose();
        type("Panel59", {{"Edit102", num(H)}});
        type("Panel60", colours);
        control<QCheckBox>("Panel59", "CheckBox1")->setChecked(hair);
        control<QCheckBox>("Panel59", "CheckBox2")->setChecked(helmet);
        runStretch([&](figure::Assembly& a) {
            fields().GroupSolid = fields().ModelSpace().AddSphere(acad::AcadPoint(0, 0, 0), a.s());
            figure::hairAndHelmet(a);
        });
    }
    const acad::SolidEntity& head() { return static_cast<const acad::SolidEntity&>(*item(0).entity()); }
    acad::IAcad3DSolid onlyHead()
    {
        EXPECT_TRUE(errors.empty()) << (errors.empty() ? "" : errors.front().toStdString());
        EXPECT_EQ(count(), 1);
        return checkedPart(item(0), item(0).as<acad::IAcad3DSolid>().get_color());
    }
    std::set<Rgb> faceColours()
    {
        std::set<Rgb> colours;
        for (TopExp_Explorer e(head().shape(), TopAbs_FACE); e.More(); e.Next())
            colours.insert(rgb(head().faceColour(e.Current())));
        return colours;
    }
    // What is seen looking along `look` through the point.
    std::pair<gp_Pnt, Rgb> seen(double x, double y, double z, const gp_Dir& look)
    {
        const auto s = firstSeen(head(), gp_Pnt(x, y, z), look);
        if (!s) {
            ADD_FAILURE() << "nothing at " << x << ", " << y << ", " << z;
            return {};
        }
        return {s->point, rgb(s->colour)};
    }

    static constexpr double kSeed = 4 * pi / 3;
    const Rgb kSeedColour = rgb(acad::Colour());
};

// The hair's 34 pieces in the head frame.
std::vector<Column> hairPieces()
{
    std::vector<Column> pieces;
    for (double z : {35, 30, 20, 10, -10})
        pieces.push_back(ball(90, -3, 196, z));
    pieces.push_back(ball(93, 0, 176, -10));
    pieces.push_back(ball(93, 0, 156, -10));
    for (double x : {-30, 30}) {
        for (double z : {-40, -30, -20})
            pieces.push_back(uprightRod(60, 20, x, 125, z));
        pieces.push_back(uprightRod(63, 20, x, 135, -20));
        pieces.push_back(uprightRod(63, 20, x, 150, -20));
    }
    for (double z : {-40, -30, -20})
        pieces.push_back(uprightRod(70, 20, 0, 125, z));
    pieces.push_back(uprightRod(63, 20, 0, 135, -20));
    pieces.push_back(uprightRod(63, 20, 0, 150, -20));
    pieces.push_back(ball(63, -18, 195, 62));
    pieces.push_back(ball(63, -12, 195, 64));
    pieces.push_back(ball(63, -30, 195, 57));
    for (double z : {53, 33, 15})
        pieces.push_back(ball(63, 32, 193, z));
    for (double side : {-1, 1}) {
        pieces.push_back(uprightFrustum(15, 20, 50, side * 70, 120, 60));
        pieces.push_back(ball(33, side * 57, 165, 63));
        pieces.push_back(ball(33, side * 52, 170, 71));
    }
    return pieces;
}

// A capsule along Z from z = 0 down to z = −50 (the helmet's dome and hollow).
Column dome(double r)
{
    return [=](double x, double z, Span& span) {
        const double dz = z > 0 ? z : z < -50 ? z + 50 : 0;
        const double h2 = r * r - x * x - dz * dz;
        if (h2 <= 0)
            return false;
        span = {-std::sqrt(h2), std::sqrt(h2)};
        return true;
    };
}
// A plate 5 thick on y = 0: a disc of radius r about (0, 0, cz).
Column plate(double r, double cz)
{
    return [=](double x, double z, Span& span) {
        if (x * x + (z - cz) * (z - cz) >= r * r)
            return false;
        span = {0, 5};
        return true;
    };
}
// A ridge: a cylinder along X from x0 to x1 of radius r about (y, z) = (cy, cz).
Column ridge(double r, double x0, double x1, double cy, double cz)
{
    return [=](double x, double z, Span& span) {
        const double h2 = r * r - (z - cz) * (z - cz);
        if (x <= x0 || x >= x1 || h2 <= 0)
            return false;
        span = {cy - std::sqrt(h2), cy + std::sqrt(h2)};
        return true;
    };
}

// The helmet in its own frame, before it is set on the head.
double helmetVolume()
{
    const std::vector<Column> shell = {dome(110),          plate(110, 60),       ridge(122, -15, 15, 0, -12),
                                       ridge(120, -40, -20, -5, -25), ridge(120, 20, 40, -5, -25),
                                       plate(120, 0),      plate(120, -50),      plate(125, -25)};
    const Column hollow = dome(105);
    return volumeByColumns(shell, &hollow, 0, -125, 125, -170, 170, 0.1);
}

} // namespace

TEST_F(HairAndHelmet, HairAlone)
{
    draw(true, false);
    auto group = onlyHead();
    EXPECT_EQ(solidCount(head()), 2); // the seed stays apart below the hair
    // The outer back slabs and the fringe right of the parting (63 about
    // x = −30) on the right, the fringe left of it (63 about x = 32) on the
    // left, the crown (90 above y = 196) on top, the middle back slabs (70
    // about y = 125, z = −40) below and behind, the fringe (63 about z = 64)
    // in front.
    expectBox(item(0), -93, -1, -110, 95, 286, 127);
    const double expected = kSeed + volumeByColumns(hairPieces(), nullptr, -1e9, -93, 95, -110, 127, 0.1);
    EXPECT_NEAR(group.Volume(), expected, 1e-4 * expected);
    EXPECT_EQ(faceColours(), (std::set<Rgb>{kHair, kSeedColour}));
    const auto [top, colour] = seen(-3, 0, 35, gp_Dir(0, -1, 0));
    EXPECT_NEAR(top.Y(), 286, 1e-6);
    EXPECT_EQ(colour, kHair);
}

TEST_F(HairAndHelmet, HelmetAloneOnTheBareSkull)
{
    draw(false, true);
    auto group = onlyHead();
    EXPECT_EQ(solidCount(head()), 2);
    // Set at (0, 190, 37): the widest brim plate (125 about z = −25) at the
    // sides, the middle ridge (122 about y = 0) on top, the front peak plate
    // (110 about z = 60) in front, the rear brim plate (120 about z = −50)
    // behind; open below its plane.
    expectBox(item(0), -125, -1, -133, 125, 312, 207);
    const double expected = kSeed + helmetVolume();
    EXPECT_NEAR(group.Volume(), expected, 1e-4 * expected);
    EXPECT_EQ(faceColours(), (std::set<Rgb>{kHelmet, kSeedColour}));
    const auto [top, colour] = seen(0, 0, 25, gp_Dir(0, -1, 0));
    EXPECT_NEAR(top.Y(), 312, 1e-6);
    EXPECT_EQ(colour, kHelmet);
    // From below, inside the shell: its inner face 105 about the helmet's origin.
    const auto [inside, inner] = seen(0, 0, 37, gp_Dir(0, 1, 0));
    EXPECT_NEAR(inside.Y(), 190 + 105, 1e-6);
    EXPECT_EQ(inner, kHelmet);
}

TEST_F(HairAndHelmet, HairUnderTheHelmet)
{
    draw(true, true);
    onlyHead();
    expectBox(item(0), -125, -1, -133, 125, 312, 207);
    EXPECT_EQ(faceColours(), (std::set<Rgb>{kHair, kHelmet, kSeedColour}));
    const auto [peak, peakColour] = seen(0, 192, 0, gp_Dir(0, 0, -1));
    EXPECT_NEAR(peak.Z(), 207, 1e-6);
    EXPECT_EQ(peakColour, kHelmet);
    // Below the brim the crown ball (90 about (−3, 196, 35)) shows.
    const auto [crown, crownColour] = seen(-12, 150, 0, gp_Dir(0, 0, -1));
    EXPECT_NEAR(crown.Z(), 35 + std::sqrt(90.0 * 90 - 9 * 9 - 46 * 46), 1e-6);
    EXPECT_EQ(crownColour, kHair);
    const auto [top, topColour] = seen(0, 0, 25, gp_Dir(0, -1, 0));
    EXPECT_EQ(topColour, kHelmet);
}

TEST_F(HairAndHelmet, TwiceTheHeightDoublesTheHelmetAndItsCut)
{
    draw(false, true, {}, 3511);
    auto group = onlyHead();
    expectBox(item(0), -250, -2, -266, 250, 624, 414);
    const double expected = 8 * (kSeed + helmetVolume());
    EXPECT_NEAR(group.Volume(), expected, 1e-4 * expected);
}

TEST_F(HairAndHelmet, ColourReadOnlyWhenItsBoxIsTicked)
{
    struct Case {
        bool hair, helmet;
        const char* edit;
        bool fails;
    };
    const Case cases[] = {
        {false, false, "Edit205", false}, // neither box: bad texts do no harm
        {false, false, "Edit211", false},
        {false, true, "Edit205", false},  // the helmet alone does not read the hair colour
        {true, false, "Edit283", false},  // nor the hair the helmet's
        {true, true, "Edit280", true},    // a bad hair text stops before the first piece
        {false, true, "Edit281", true},   // a bad helmet text before the seed
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.edit);
        clearDrawing();
        errors.clear();
        draw(c.hair, c.helmet, {{c.edit, "abc"}});
        ASSERT_EQ(count(), 1);
        if (!c.fails) {
            EXPECT_TRUE(errors.empty());
            continue;
        }
        ASSERT_EQ(errors.size(), 1u);
        EXPECT_EQ(errors.front(), QStringLiteral("'abc' is not a valid integer value."));
        EXPECT_NEAR(item(0).as<acad::IAcad3DSolid>().Volume(), kSeed, 1e-9); // the seed as it was
    }
}
