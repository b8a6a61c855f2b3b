#include "parts/fasteners/slanted_washer_panel.h"

#include "parts/fasteners/slanted_washer_table.h"

#include "ui_slanted_washer_panel.h"

#include <cmath>
#include <vector>

namespace fasteners {

namespace {

using acad::AcadPoint;

constexpr double pi = 3.141592653589793;
constexpr double halfPi = 1.5707963267948966;

enum class ToolShape { Cylinder, Box, Sphere };

// How a cylinder made along Z, or a box, is turned before it is placed.
enum class Turn { None, XPlus, XMinus, YMinus, YAlpha, EdgeAlpha };

// One tool of the rounding: its shape and sizes (a cylinder's radius and
// height, a box's length, width and height, a sphere's radius), its turn,
// its centre (where a box or sphere is made, where a cylinder is moved to),
// the Boolean that takes it into the washer, and whether the sloped fillet
// cylinder of its side is cut from it first.
struct Tool {
    ToolShape shape;
    double a, b, c;
    Turn turn;
    AcadPoint centre;
    int operation;
    double precutSide = 0; // +1 or −1: the side y = ±B/2 of that cylinder
};

struct Sizes {
    double B, d, S, h, R, alpha;
};

// The 32 rounding groups, in their order.
std::vector<Tool> roundingTools(const Sizes& z, double through)
{
    const double B = z.B, S = z.S, h = z.h, R = z.R, a = z.alpha;
    const double sa = std::sin(a), ca = std::cos(a);
    const double e = B / 2 - R;
    const double m = sa * (R - sa * R) / ca;
    const double k = sa * (sa * R + R) / ca;
    const double H1 = S - R - R / ca - k;
    const double H2 = H1 - (B - 2 * R) * sa / ca;
    const double T = through, edge = B - 2 * R, slope = (B - 2 * R) / ca;
    const double top = S - h / 2, bottomAxis = -h / 2 + R, slopeAxis = S / 2 - R / ca;
    constexpr int unite = 0, cut = 2;
    using enum ToolShape;
    using enum Turn;
    return {
        {Cylinder, R, T, 0, XPlus, {B / 2 + R * sa, 0, h / 2 + m}, cut},
        {Cylinder, R, edge, 0, XPlus, {e, 0, h / 2 + m - R * ca}, unite},
        {Cylinder, R * sa + R / ca, T, 0, XPlus, {-B / 2, 0, top}, cut},
        {Cylinder, R, edge, 0, XPlus, {-e, 0, top - k - R * ca}, unite},
        {Box, R, T, R, None, {-B / 2 + R / 2, 0, -h / 2 + R / 2}, cut},
        {Box, R, T, R, None, {B / 2 - R / 2, 0, -h / 2 + R / 2}, cut},
        {Box, T, R, R, None, {0, B / 2 - R / 2, -h / 2 + R / 2}, cut},
        {Box, T, R, R, None, {0, -B / 2 + R / 2, -h / 2 + R / 2}, cut},
        {Box, T, R, R, EdgeAlpha, {0, B / 2 - R / 2, top - R / 2}, cut},
        {Box, T, R, R, EdgeAlpha, {0, -B / 2 + R / 2, top - R / 2}, cut},
        {Cylinder, R, slope, 0, YAlpha, {0, e, slopeAxis}, unite},
        {Cylinder, R, slope, 0, YAlpha, {0, -e, slopeAxis}, unite},
        {Box, R, R, T, None, {-B / 2 + R / 2, -B / 2 + R / 2, 0}, cut},
        {Box, R, R, T, None, {-B / 2 + R / 2, B / 2 - R / 2, 0}, cut},
        {Box, R, R, T, None, {B / 2 - R / 2, B / 2 - R / 2, 0}, cut},
        {Box, R, R, T, None, {B / 2 - R / 2, -B / 2 + R / 2, 0}, cut},
        {Cylinder, R, edge, 0, YMinus, {0, -e, bottomAxis}, unite},
        {Cylinder, R, edge, 0, YMinus, {0, e, bottomAxis}, unite},
        {Cylinder, R, edge, 0, XMinus, {e, 0, bottomAxis}, unite},
        {Cylinder, R, edge, 0, XMinus, {-e, 0, bottomAxis}, unite},
        {Cylinder, R, H1, 0, None, {-e, -e, H1 / 2 - h / 2 + R}, unite},
        {Cylinder, R, H1, 0, None, {-e, e, H1 / 2 - h / 2 + R}, unite},
        {Sphere, R, 0, 0, None, {e, e, bottomAxis}, unite},
        {Sphere, R, 0, 0, None, {e, -e, bottomAxis}, unite},
        {Sphere, R, 0, 0, None, {-e, -e, bottomAxis}, unite},
        {Sphere, R, 0, 0, None, {-e, e, bottomAxis}, unite},
        {Sphere, R, 0, 0, None, {-e, e, top - k - R}, unite},
        {Sphere, R, 0, 0, None, {-e, -e, top - k - R}, unite},
        {Cylinder, R, H2, 0, None, {e, e, H2 / 2 - h / 2 + R}, unite, +1},
        {Cylinder, R, H2, 0, None, {e, -e, H2 / 2 - h / 2 + R}, unite, -1},
        {Sphere, R, 0, 0, None, {e, -e, H2 - h / 2 + R}, unite},
        {Sphere, R, 0, 0, None, {e, e, H2 - h / 2 + R}, unite},
    };
}

} // namespace

SlantedWasherPanel::SlantedWasherPanel(shell::PanelContext& context, QWidget* parent)
    : PartPanel(context, parent), ui(std::make_unique<Ui::Panel123>())
{
    ui->setupUi(this);
    onClick(ui->SpeedButton16, &SlantedWasherPanel::SpeedButton16Click);
    onClick(ui->SpeedButton19, &SlantedWasherPanel::SpeedButton19Click);
}

SlantedWasherPanel::~SlantedWasherPanel() = default;

SlantedWasherEdits SlantedWasherPanel::tableEdits() const
{
    return {ui->Edit524, ui->Edit525, ui->Edit526, ui->Edit527, ui->Edit528};
}

void SlantedWasherPanel::SpeedButton19Click()
{
    table_->showTable();
}

void SlantedWasherPanel::SpeedButton16Click()
{
    acad::WorkingFields& f = w();
    f.LineStart = AcadPoint();
    f.LineEnd = AcadPoint();
    f.BasePoint = AcadPoint();
    f.Dim09 = readFloat(ui->Edit524);
    f.Dim15 = readFloat(ui->Edit525);
    f.Dim03 = readFloat(ui->Edit526);
    f.Dim01 = readFloat(ui->Edit527);
    f.Dim07 = readFloat(ui->Edit528);
    const double B = f.Dim09, d = f.Dim15, S = f.Dim03, h = f.Dim01, R = f.Dim07;

    f.Dim13 = std::atan2((S - h) / B, 1.0) * 180 / pi;
    writeFloat(ui->Edit529, f.Dim13, 7, 3);
    f.Dim13 = pi * f.Dim13 / 180;
    const double alpha = f.Dim13;
    f.BasePoint = AcadPoint(0, 0, 0);

    // Tools that pass through the whole washer; a washer wider than they
    // are long gets them twice its width, so that every edge is cut to its
    // ends.
    const double T = 7 * (S + h);
    const double through = B > T ? 2 * B : T;

    // The body: the sloped wedge on the box, and the hole.
    f.NewSolid = ModelSpace().AddWedge(f.BasePoint, B, B, S - h);
    f.LineEnd = AcadPoint(0, 0, (S - h) / 2 + h / 2);
    f.NewSolid.Move(f.BasePoint, f.LineEnd);
    f.GroupSolid = ModelSpace().AddBox(f.BasePoint, B, B, h);
    f.GroupSolid.Boolean(0, f.NewSolid);
    f.NewSolid = ModelSpace().AddCylinder(f.BasePoint, d / 2, through);
    f.GroupSolid.Boolean(2, f.NewSolid);

    const auto turnAxis = [&](Turn turn) -> std::pair<AcadPoint, double> {
        switch (turn) {
        case Turn::XPlus: return {AcadPoint(77, 0, 0), halfPi};
        case Turn::XMinus: return {AcadPoint(77, 0, 0), -halfPi};
        case Turn::YMinus: return {AcadPoint(0, 77, 0), -halfPi};
        case Turn::YAlpha: return {AcadPoint(0, 77, 0), alpha - halfPi};
        default: return {AcadPoint(), 0};
        }
    };
    // A cylinder along Z through the origin, turned and moved to its centre.
    const auto cylinder = [&](double radius, double height, Turn turn, const AcadPoint& centre) {
        acad::IAcad3DSolid c = ModelSpace().AddCylinder(f.BasePoint, radius, height);
        if (turn != Turn::None) {
            const auto [axis, angle] = turnAxis(turn);
            f.LineEnd = axis;
            c.Rotate3D(f.BasePoint, f.LineEnd, angle);
        }
        f.LineEnd = centre;
        c.Move(f.BasePoint, f.LineEnd);
        return c;
    };

    const Sizes sizes{B, d, S, h, R, alpha};
    const std::vector<Tool> tools = roundingTools(sizes, through);
    const double e = B / 2 - R;
    // The bars of groups 5 to 10 go out of the washer as one tool: cut one by
    // one, the kernel may hand back the washer unchanged for the sloped side
    // bars although they reach into it.
    constexpr std::size_t firstBar = 4, lastBar = 9;
    for (std::size_t g = 0; g < tools.size(); ++g) {
        const Tool& t = tools[g];
        const bool bar = g >= firstBar && g <= lastBar;
        if (bar && g > firstBar)
            f.ToolSolid = f.NewSolid;
        switch (t.shape) {
        case ToolShape::Cylinder:
            f.NewSolid = cylinder(t.a, t.b, t.turn, t.centre);
            break;
        case ToolShape::Box:
            f.LineEnd = t.centre;
            f.NewSolid = ModelSpace().AddBox(f.LineEnd, t.a, t.b, t.c);
            if (t.turn == Turn::EdgeAlpha) {
                f.LineStart = AcadPoint(-B / 2, 0, S - h / 2);
                f.LineEnd = AcadPoint(-B / 2, 77, S - h / 2);
                f.NewSolid.Rotate3D(f.LineStart, f.LineEnd, alpha);
            }
            break;
        case ToolShape::Sphere:
            f.LineEnd = t.centre;
            f.NewSolid = ModelSpace().AddSphere(f.LineEnd, t.a);
            break;
        }
        if (t.precutSide != 0) {
            // The thin-end corner cylinder stops at the sloped fillet of its side.
            f.ToolSolid = cylinder(R, (B - 2 * R) / std::cos(alpha), Turn::YAlpha,
                                   AcadPoint(0, t.precutSide * e, S / 2 - R / std::cos(alpha)));
            f.NewSolid.Boolean(2, f.ToolSolid);
        }
        if (bar) {
            if (g > firstBar) {
                f.ToolSolid.Boolean(0, f.NewSolid);
                f.NewSolid = f.ToolSolid;
            }
            if (g < lastBar)
                continue;
        }
        f.GroupSolid.Boolean(t.operation, f.NewSolid);
    }
    f.GroupSolid.put_color(52);

    f.Dim03 = (f.Dim03 + f.Dim01) / 2;
    writeFloat(ui->Edit530, f.Dim03, 7, 3);
}

} // namespace fasteners
