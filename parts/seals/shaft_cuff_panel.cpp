#include "parts/seals/shaft_cuff_panel.h"

#include "parts/seals/revolution.h"

#include "ui_shaft_cuff_panel.h"

#include <array>

namespace seals {

namespace {

constexpr int kCuffColour = 162;
constexpr int kMetalColour = 50;

// A point of the section as fractions: x = p·h, y = d/2 + q·(D − d)/2.
struct Proportion {
    double p, q;
};

// The body from the main lip's front face round the lip, the spring's seat,
// the cavity under the shell, the shell and the front face.
constexpr std::array<Proportion, 21> kBody{{
    {0.5, 0.3109},    {0.5, 0.1332},    {0.7186, 0},      {0.9372, 0.2186}, {0.9372, 0.4857}, {0.8041, 0.4857},
    {0.6173, 0.377},  {0.3381, 0.5356}, {0.3128, 0.5791}, {0.3128, 0.7},    {0.3628, 0.75},   {1, 0.75},
    {1, 1},           {0.2074, 1},      {0, 0.7926},      {0, 0.7676},      {0.0628, 0.7676}, {0.0628, 0.6511},
    {0, 0.6511},      {0, 0.6261},      {0.0628, 0.5633},
}};

// The insert's cavity and the insert, a little inside it.
constexpr std::array<Proportion, 9> kCavity{{{0.147, 0.695}, {0.147, 0.823}, {0.2374, 0.917}, {0.85, 0.917},
                                             {0.85, 0.834}, {0.2374, 0.834}, {0.228, 0.825}, {0.228, 0.695},
                                             {0.147, 0.695}}};
constexpr std::array<Proportion, 9> kInsert{{{0.1478, 0.6958}, {0.1478, 0.823}, {0.2374, 0.916}, {0.8492, 0.916},
                                             {0.8492, 0.835}, {0.2374, 0.835}, {0.2278, 0.825}, {0.2278, 0.6958},
                                             {0.1478, 0.6958}}};

// The spring's centre circle and tube radii, as fractions of h.
constexpr double kSpringX = 0.6791, kSpringQ = 0.4857;
constexpr double kGrooveTube = 0.126, kSpringTube = 0.125, kSpringBore = 0.0678;

const double bq = bulgeOf(kPi / 8);
const double bu = bulgeOf(0.5218822442789625);
const double bw = bulgeOf(0.24308945821777023);

template <std::size_t N>
std::vector<acad::XY> scaled(const std::array<Proportion, N>& points, double D, double d, double h)
{
    const double W = (D - d) / 2;
    std::vector<acad::XY> xy;
    for (const Proportion& pt : points)
        xy.push_back({pt.p * h, d / 2 + pt.q * W});
    return xy;
}

} // namespace

ShaftCuffPanel::ShaftCuffPanel(shell::PanelContext& context, QWidget* parent)
    : PartPanel(context, parent), ui(std::make_unique<Ui::Panel68>())
{
    ui->setupUi(this);
    onClick(ui->BitBtn63, &ShaftCuffPanel::BitBtn63Click);
}

ShaftCuffPanel::~ShaftCuffPanel() = default;

void ShaftCuffPanel::BitBtn63Click()
{
    acad::WorkingFields& f = w();
    f.Dim14 = readFloat(ui->Edit125);
    f.Dim15 = readFloat(ui->Edit126);
    f.Dim01 = readFloat(ui->Edit133);
    const bool dustLip = ui->RadioButton14->isChecked();
    if (dustLip)
        f.Dim02 = readFloat(ui->Edit134);
    const double D = f.Dim14, d = f.Dim15, h = f.Dim01, h1 = f.Dim02, W = (D - d) / 2;

    // The body, closed at the main lip's front face or round the dust lip.
    Profile body{scaled(kBody, D, d, h), {{4, bulgeOf(kPi / 4)}, {5, -bu}, {7, -bu}, {9, -bq}}};
    if (dustLip) {
        body.vertices.insert(body.vertices.end(), {{h - h1, d / 2 + 0.2 * W},
                                                   {h - h1, d / 2 + 0.0964 * W},
                                                   {0.8 * (h - h1), d / 2},
                                                   {0.3761 * h, d / 2 + 0.3109 * W}});
        body.bulges.push_back({24, -bw});
    }
    body.vertices.push_back(body.vertices.front());
    f.GroupSolid = revolveAboutX(f, body);

    // The spring's groove, then the hollow spring in it: tori made about Z
    // and turned onto the X axis.
    const double Rs = d / 2 + kSpringQ * W;
    f.BasePoint = acad::AcadPoint(kSpringX * h, 0, 0);
    f.NewSolid = ModelSpace().AddTorus(f.BasePoint, Rs, kGrooveTube * h);
    f.AxisPoint = acad::AcadPoint(kSpringX * h, 77, 0);
    f.NewSolid.Rotate3D(f.BasePoint, f.AxisPoint, kPi / 2);
    f.GroupSolid.Boolean(acad::acSubtraction, f.NewSolid);
    f.NewSolid = ModelSpace().AddTorus(f.BasePoint, Rs, kSpringTube * h);
    f.ToolSolid = ModelSpace().AddTorus(f.BasePoint, Rs, kSpringBore * h);
    f.NewSolid.Boolean(acad::acSubtraction, f.ToolSolid);
    f.NewSolid.Rotate3D(f.BasePoint, f.AxisPoint, kPi / 2);
    f.NewSolid.put_color(kMetalColour);
    f.GroupSolid.put_color(kCuffColour);
    f.GroupSolid.Boolean(acad::acUnion, f.NewSolid);

    // The insert's cavity, then the insert in it.
    const std::vector<acad::Bulge> insertBulges{{1, -bq}, {5, bq}};
    f.NewSolid = revolveAboutX(f, {scaled(kCavity, D, d, h), insertBulges});
    f.GroupSolid.Boolean(acad::acSubtraction, f.NewSolid);
    f.NewSolid = revolveAboutX(f, {scaled(kInsert, D, d, h), insertBulges});
    f.NewSolid.put_color(kMetalColour);
    f.GroupSolid.Boolean(acad::acUnion, f.NewSolid);
}

} // namespace seals
