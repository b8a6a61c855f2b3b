#include "parts/seals/face_seal_panel.h"

#include "parts/seals/revolution.h"

#include "ui_face_seal_panel.h"

#include <vector>

namespace seals {

namespace {

constexpr int kGrooveColour = 5;
constexpr int kRingColour = 1;
constexpr double kGap = 0.0001; // keeps the ring inside the groove
const double t = bulgeOf(kPi / 8);

// One entity of the section: an arc (centre, radius, angles) or a line (two
// ends). An arc of radius R is drawn only when R > 0, an arc of radius r
// only when r is not 0: without it the lines meet at a sharp edge.
struct Entity2D {
    enum Kind { Arc, ArcR, Arcr, Line } kind;
    double a, b, c, d, e = 0;
};

} // namespace

struct FaceSealPanel::Sizes {
    double D2, d4, H, R, r;
    bool variantA;
    double W() const { return (D2 - d4) / 2; }
};

FaceSealPanel::FaceSealPanel(shell::PanelContext& context, QWidget* parent)
    : PartPanel(context, parent), ui(std::make_unique<Ui::Panel53>())
{
    ui->setupUi(this);
    onClick(ui->BitBtn47, &FaceSealPanel::BitBtn47Click);
    onClick(ui->BitBtn48, &FaceSealPanel::BitBtn48Click);
}

FaceSealPanel::~FaceSealPanel() = default;

FaceSealPanel::Sizes FaceSealPanel::readSizes()
{
    acad::WorkingFields& f = w();
    Sizes s;
    s.D2 = readFloat(ui->Edit76);
    s.d4 = readFloat(ui->Edit77);
    f.Dim01 = readFloat(ui->Edit78);
    f.Dim07 = readFloat(ui->Edit79);
    f.Dim08 = readFloat(ui->Edit80);
    s.H = f.Dim01;
    s.R = f.Dim07;
    s.r = f.Dim08;
    s.variantA = ui->RadioButton9->isChecked();
    return s;
}

void FaceSealPanel::BitBtn47Click()
{
    const Sizes s = readSizes();
    const double H = s.H, R = s.R, r = s.r, W = s.W(), e = kGap;

    Profile groove;
    if (s.variantA)
        groove = {{{H, 0}, {H - r, r}, {R, r}, {0, r + R}, {0, W + r - R}, {R, W + r}, {H - r, W + r}, {H, W + 2 * r},
                   {H, 0}},
                  {{0, t}, {2, -t}, {4, -t}, {6, t}}};
    else
        groove = {{{H, 0}, {H - r, r}, {R, r}, {0, r + R}, {0, W + r}, {H, W + r}, {H, 0}}, {{0, t}, {2, -t}}};
    const Profile ring{{{H - e, H / 2 + r + e}, {H / 2, r + e}, {e, H / 2 + r + e}, {e, W + r - H / 2 - e},
                        {H / 2, W + r - e}, {H - e, W + r - H / 2 - e}, {H - e, H / 2 + r + e}},
                       {{0, -t}, {1, -t}, {3, -t}, {4, -t}}};

    acad::WorkingFields& f = w();
    const acad::AcadPoint axisPoint(0, s.D2 / 2 + r, 0), axisDirection(s.D2 / 2 + r, 0, 0);
    f.BodySolid = revolve(f, groove, axisPoint, axisDirection);
    f.BodySolid.put_color(kGrooveColour);
    f.BodySolid = revolve(f, ring, axisPoint, axisDirection);
    f.BodySolid.put_color(kRingColour);
}

void FaceSealPanel::BitBtn48Click()
{
    acad::WorkingFields& f = w();
    f.LineStart = acad::AcadPoint();
    f.LineEnd = acad::AcadPoint();
    f.BasePoint = acad::AcadPoint();
    const Sizes s = readSizes();
    const double H = s.H, R = s.R, r = s.r, W = s.W(), D2 = s.D2, d4 = s.d4;
    using E = Entity2D;
    constexpr double pi = kPi;

    // The ring: its rounded ends and its flat on the face, both halves.
    const std::vector<Entity2D> ring{
        {E::Arc, H / 2, r + H / 2, H / 2, pi, 2 * pi},
        {E::Arc, H / 2, W + r - H / 2, H / 2, 0, pi},
        {E::Line, H, W + r - H / 2, H, r + H / 2},
        {E::Arc, H / 2, D2 + r - H / 2, H / 2, 0, pi},
        {E::Arc, H / 2, W + d4 + r + H / 2, H / 2, pi, 2 * pi},
        {E::Line, H, W + d4 + r + H / 2, H, D2 + r - H / 2},
    };
    std::vector<Entity2D> outline;
    if (s.variantA)
        outline = {
            {E::Arcr, H - r, 0, r, 0, pi / 2},
            {E::Line, H - r, r, R, r},
            {E::ArcR, R, r + R, R, pi, 3 * pi / 2},
            {E::Line, 0, r + R, 0, W + r - R},
            {E::ArcR, R, W + r - R, R, pi / 2, pi},
            {E::Line, R, W + r, H - r, W + r},
            {E::Arcr, H - r, W + 2 * r, r, 3 * pi / 2, 2 * pi},
            {E::Line, H, W + 2 * r, H, W + d4},
            {E::Arcr, H - r, W + d4, r, 0, pi / 2},
            {E::Line, H - r, W + d4 + r, R, W + d4 + r},
            {E::ArcR, R, W + d4 + r + R, R, pi, 3 * pi / 2},
            {E::Line, 0, W + d4 + r + R, 0, D2 + r - R},
            {E::ArcR, R, D2 + r - R, R, pi / 2, pi},
            {E::Line, R, D2 + r, H - r, D2 + r},
            {E::Arcr, H - r, D2 + 2 * r, r, 3 * pi / 2, 2 * pi},
        };
    else
        outline = {
            {E::Arcr, H - r, 0, r, 0, pi / 2},
            {E::Line, H - r, r, R, r},
            {E::ArcR, R, r + R, R, pi, 3 * pi / 2},
            {E::Line, 0, r + R, 0, W + r},
            {E::Line, 0, W + r, H, W + r},
            {E::Line, H, W + r, H, W + d4 + r},
            {E::Line, H, W + d4 + r, 0, W + d4 + r},
            {E::Line, 0, W + d4 + r, 0, D2 + r - R},
            {E::ArcR, R, D2 + r - R, R, pi / 2, pi},
            {E::Line, R, D2 + r, H - r, D2 + r},
            {E::Arcr, H - r, D2 + 2 * r, r, 3 * pi / 2, 2 * pi},
        };

    auto draw = [&](const std::vector<Entity2D>& entities, int colour) {
        for (const Entity2D& x : entities) {
            if (x.kind == E::Line) {
                f.Line2D(x.a, x.b, x.c, x.d, 50, colour);
                continue;
            }
            if ((x.kind == E::ArcR && !(R > 0)) || (x.kind == E::Arcr && r == 0))
                continue;
            f.Arc2D(x.a, x.b, x.c, x.d, x.e, 50, colour);
        }
    };
    draw(ring, kRingColour);
    draw(outline, -1);
}

} // namespace seals
