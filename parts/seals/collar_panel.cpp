#include "parts/seals/collar_panel.h"

#include "parts/seals/collar_table.h"
#include "parts/seals/revolution.h"

#include "ui_collar_panel.h"

namespace seals {

namespace {

constexpr int kSeatColour = 5;
constexpr int kCollarColour = 1;
// The heel is narrower than the span of the lips by k·a on each side.
constexpr double k = 0.09267275933942601;
// The largest rod whose seat has the entry wall and the bore d1.
constexpr double kLargestRodOfVariant1 = 35;

const double q = bulgeOf(kPi / 8);
const double e = bulgeOf(kPi / 72);
const double s = bulgeOf(kPi / 12);
const double half = bulgeOf(kPi / 4);
const double slope = std::sin(kPi / 6) / std::cos(kPi / 6);

} // namespace

CollarPanel::CollarPanel(shell::PanelContext& context, QWidget* parent)
    : PartPanel(context, parent), ui(std::make_unique<Ui::Panel69>())
{
    ui->setupUi(this);
    onClick(ui->BitBtn65, &CollarPanel::BitBtn65Click);
    onClick(ui->BitBtn66, &CollarPanel::BitBtn66Click);
    onClick(ui->BitBtn36, &CollarPanel::BitBtn36Click);
    onClick(ui->BitBtn43, &CollarPanel::BitBtn43Click);
}

CollarPanel::~CollarPanel() = default;

CollarEdits CollarPanel::tableEdits() const
{
    return {ui->Edit223, ui->Edit224, ui->Edit212, ui->Edit213, ui->Edit214, ui->Edit215, ui->Edit216, ui->Edit217,
            ui->Edit218, ui->Edit219, ui->Edit220, ui->Edit221, ui->Edit222, ui->Edit225, ui->Edit226};
}

void CollarPanel::BitBtn36Click()
{
    context().TableSidePanelLayout(table_);
    table_->showPistonList();
}

void CollarPanel::BitBtn43Click()
{
    context().TableSidePanelLayout(table_);
    table_->showRodList();
}

// The collar's heel lies against the groove's wall at x = heel, its lips
// open towards `lips` (-1 or +1) from the inner radius to the outer. The
// recess between the lips ends in a half circle of radius R3 whose centre
// lies a/2 + R3 from the heel face, or a/2 when recessFromTheHeel.
void CollarPanel::readCollar()
{
    w().Dim09 = readFloat(ui->Edit223);
    w().Dim05 = readFloat(ui->Edit224);
}

void CollarPanel::drawCollar(double heel, double lips, double inner, double outer, bool recessFromTheHeel)
{
    acad::WorkingFields& f = w();
    const double R3 = f.Dim09, fc = f.Dim05, a = outer - inner, x = heel, m = lips;
    const double recess = x + m * (recessFromTheHeel ? a / 2 : a / 2 + R3);
    const Profile collar{{{x + m * a, inner},
                          {x + m * fc, inner + k * a},
                          {x, inner + k * a + slope * fc},
                          {x, outer - k * a - slope * fc},
                          {x + m * fc, outer - k * a},
                          {x + m * a, outer},
                          {recess, inner + a / 2 + R3},
                          {recess, inner + a / 2 - R3},
                          {x + m * a, inner}},
                         {{0, m * e}, {4, m * e}, {5, -m * s}, {6, m * half}, {7, -m * s}}};
    f.NewSolid = revolveAboutX(f, collar);
    f.NewSolid.put_color(kCollarColour);
}

void CollarPanel::BitBtn65Click()
{
    acad::WorkingFields& f = w();
    f.Dim14 = readFloat(ui->Edit212);
    f.Dim15 = readFloat(ui->Edit213);
    f.Dim00 = readFloat(ui->Edit214);
    f.Dim16 = readFloat(ui->Edit215);
    f.Dim01 = readFloat(ui->Edit216);
    f.Dim02 = readFloat(ui->Edit217);
    f.Dim03 = readFloat(ui->Edit218);
    const double Dc = f.Dim14, Dp = f.Dim15, D1 = f.Dim00, d = f.Dim16, h = f.Dim01, h1 = f.Dim02, ch = f.Dim03;
    const double X = h1 + h; // the groove's far wall

    // The piston's core round the groove: shoulder, groove and rim.
    const Profile seat{{{0, 0},
                        {0, D1 / 2 - 0.5},
                        {0.5, D1 / 2},
                        {h1 - ch, D1 / 2},
                        {h1, D1 / 2 - ch},
                        {h1, d / 2 + 0.5},
                        {h1 + 0.5, d / 2},
                        {X - 0.5, d / 2},
                        {X, d / 2 + 0.5},
                        {X, Dp / 2 - 0.5},
                        {X + 0.5, Dp / 2},
                        {X + 0.5, 0},
                        {0, 0}},
                       {{5, q}, {7, q}}};
    f.GroupSolid = revolveAboutX(f, seat);
    f.GroupSolid.put_color(kSeatColour);

    readCollar();
    drawCollar(X, -1, d / 2, Dc / 2, false);
}

void CollarPanel::BitBtn66Click()
{
    acad::WorkingFields& f = w();
    f.Dim14 = readFloat(ui->Edit219);
    f.Dim15 = readFloat(ui->Edit220);
    // The rod typed for this press chooses the seat.
    const bool withEntryWall = f.Dim14 <= kLargestRodOfVariant1;
    if (withEntryWall)
        f.Dim00 = readFloat(ui->Edit221);
    f.Dim16 = readFloat(ui->Edit222);
    f.Dim02 = readFloat(ui->Edit225);
    f.Dim01 = readFloat(ui->Edit226);
    const double dr = f.Dim14, dh = f.Dim15, d1 = f.Dim00, d2 = f.Dim16, b = f.Dim02, H = f.Dim01;

    Profile seat;
    if (withEntryWall)
        seat = {{{0, 0},
                 {0, dh / 2},
                 {0.5, dh / 2 + 0.5},
                 {0.5, d2 / 2 - 0.5},
                 {1, d2 / 2},
                 {b, d2 / 2},
                 {b + 0.5, d2 / 2 - 0.5},
                 {b + 0.5, d1 / 2},
                 {b + 0.5 + H, d1 / 2},
                 {b + 0.5 + H, 0},
                 {0, 0}},
                {{1, q}, {3, -q}, {5, -q}}};
    else
        seat = {{{0.5, 0},
                 {0.5, d2 / 2 - 0.5},
                 {1, d2 / 2},
                 {b - 0.5, d2 / 2},
                 {b + 0.5, d2 / 2 - 1},
                 {b + 0.5, dh / 2 + 2},
                 {b + 2.5, dh / 2},
                 {b + 0.5 + H, dh / 2},
                 {b + 0.5 + H, 0},
                 {0.5, 0}},
                {{1, -q}, {3, -q}}};
    f.GroupSolid = revolveAboutX(f, seat);
    f.GroupSolid.put_color(kSeatColour);

    readCollar();
    f.Dim03 = 0.5; // the heel against the groove's near wall
    drawCollar(f.Dim03, 1, dr / 2, d2 / 2, true);
}

} // namespace seals
