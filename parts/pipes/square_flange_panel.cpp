#include "parts/pipes/square_flange_panel.h"

#include "ui_square_flange_panel.h"

#include <cmath>

namespace pipes {

namespace {
constexpr double pi = 3.141592653589793;
constexpr int kGreen = 3;
constexpr int kOutline = 50;
} // namespace

SquareFlangePanel::SquareFlangePanel(shell::PanelContext& context, QWidget* parent)
    : PartPanel(context, parent), ui(std::make_unique<Ui::Panel50>())
{
    ui->setupUi(this);
    onClick(ui->BitBtn45, &SquareFlangePanel::BitBtn45Click);
    onClick(ui->BitBtn44, &SquareFlangePanel::BitBtn44Click);
}

SquareFlangePanel::~SquareFlangePanel() = default;

SquareFlangePanel::Sizes SquareFlangePanel::readSizes()
{
    acad::WorkingFields& f = w();
    Sizes s;
    f.Dim06 = s.L = readFloat(ui->Edit70);
    s.M = readFloat(ui->Edit71);
    s.R = readFloat(ui->Edit72);
    f.Dim14 = s.D = readFloat(ui->Edit73);
    f.Dim15 = s.d = readFloat(ui->Edit74);
    f.Dim01 = s.H = readFloat(ui->Edit75);
    return s;
}

void SquareFlangePanel::BitBtn45Click()
{
    acad::WorkingFields& f = w();
    const auto [L, M, R, D, d, H] = readSizes();

    // Clockwise: up the left side, along the top, down the right side, back
    // along the bottom; the segments from vertices 1, 3, 5 and 7 are the corners.
    f.SetProfile({{0, R}, {0, L - R}, {R, L}, {L - R, L}, {L, L - R}, {L, R}, {L - R, 0}, {R, 0}, {0, R}});
    std::vector<acad::Bulge> corners;
    if (ui->RadioButton7->isChecked()) {
        const double quarter = -std::sin(pi / 8) / std::cos(pi / 8);
        corners = {{1, quarter}, {3, quarter}, {5, quarter}, {7, quarter}};
    }
    f.MakeProfileRegion(corners);
    f.BodySolid = f.ExtrudeProfile(H);

    // The holes: cylinders three times the plate's thickness, centred on z = 0.
    struct Hole {
        double x, y, radius;
    };
    const Hole holes[] = {{L / 2, L / 2, D / 2},
                          {L / 2 - M / 2, L / 2 - M / 2, d / 2},
                          {L / 2 + M / 2, L / 2 + M / 2, d / 2},
                          {L / 2 - M / 2, L / 2 + M / 2, d / 2},
                          {L / 2 + M / 2, L / 2 - M / 2, d / 2}};
    f.BasePoint = acad::AcadPoint(0, 0, 0);
    for (const Hole& hole : holes) {
        f.BasePoint = acad::AcadPoint(hole.x, hole.y, 0);
        f.ExtraSolid = f.ModelSpace().AddCylinder(f.BasePoint, hole.radius, 3 * H);
        f.BodySolid.Boolean(acad::acSubtraction, f.ExtraSolid);
    }
    f.BodySolid.put_color(kGreen);
}

void SquareFlangePanel::BitBtn44Click()
{
    acad::WorkingFields& f = w();
    f.LineStart = acad::AcadPoint(0, 0, 0);
    f.LineEnd = acad::AcadPoint(0, 0, 0);
    f.BasePoint = acad::AcadPoint(0, 0, 0);
    const auto [L, M, R, D, d, H] = readSizes();

    // The plan: the four sides, each shortened by R at both ends...
    f.Line2D(R, 0, L - R, 0, kOutline);
    f.Line2D(L, R, L, L - R, kOutline);
    f.Line2D(L - R, L, R, L, kOutline);
    f.Line2D(0, L - R, 0, R, kOutline);
    // ...closed by chamfers,
    if (ui->RadioButton8->isChecked()) {
        f.Line2D(0, L - R, R, L, kOutline);
        f.Line2D(L - R, L, L, L - R, kOutline);
        f.Line2D(L, R, L - R, 0, kOutline);
        f.Line2D(R, 0, 0, R, kOutline);
    }

    // The section A-A above the plan: the plate, the central hole and the
    // bolt hole on the side of larger x.
    const double y0 = L + 25, y1 = L + 25 + H;
    f.Line2D(0, y0, L, y0, kOutline);
    f.Line2D(L, y0, L, y1, kOutline);
    f.Line2D(L, y1, 0, y1, kOutline);
    f.Line2D(0, y1, 0, y0, kOutline);
    for (double x : {L / 2 - D / 2, L / 2 + D / 2, L / 2 + M / 2 - d / 2, L / 2 + M / 2 + d / 2})
        f.Line2D(x, y0, x, y1, kOutline);

    // ...or by corner arcs, where there is a radius.
    struct Corner {
        double x, y, start, end;
    };
    const Corner arcs[] = {{R, R, pi, 3 * pi / 2},
                           {L - R, R, 3 * pi / 2, 0},
                           {L - R, L - R, 0, pi / 2},
                           {R, L - R, pi / 2, pi}};
    for (const Corner& a : arcs)
        if (ui->RadioButton7->isChecked() && R > 0)
            f.Arc2D(a.x, a.y, R, a.start, a.end, kOutline);

    // The bolt holes and the central hole.
    struct Circle {
        double x, y, radius;
    };
    const Circle circles[] = {{L / 2 - M / 2, L / 2 - M / 2, d / 2},
                              {L / 2 - M / 2, L / 2 + M / 2, d / 2},
                              {L / 2 + M / 2, L / 2 + M / 2, d / 2},
                              {L / 2 + M / 2, L / 2 - M / 2, d / 2},
                              {L / 2, L / 2, D / 2}};
    for (const Circle& c : circles)
        f.Circle2D(c.x, c.y, c.radius, kOutline);
}

} // namespace pipes
