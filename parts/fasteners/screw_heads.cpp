#include "parts/fasteners/screw_heads.h"

#include "ui_countersunk_head_panel.h"
#include "ui_cylinder_head_panel.h"
#include "ui_raised_head_panel.h"
#include "ui_semicircular_head_panel.h"
#include "ui_socket_head_panel.h"

#include <cmath>

namespace fasteners {

namespace {

constexpr double pi = 3.141592653589793;
const double kQuarter = std::sin(pi / 8) / std::cos(pi / 8); // bulge of a quarter circle
const double kEighth = std::sin(pi / 16) / std::cos(pi / 16); // bulge of a 45° arc
// The turn of the socket's cutter between its cuts.
constexpr double kSixth = 1.0471975512;

using H = HeadSizes;

const ScrewHead kSocketHead{HeadShape::Socket,
                            {{"Edit243", &H::D, 0},
                             {"Edit244", &H::D1, 12},
                             {"Edit245", &H::r1, 2},
                             {"Edit246", &H::t, 5},
                             {"Edit247", &H::K, 11},
                             {"Edit248", &H::R, 7},
                             {"Edit249", &H::d1, 14},
                             {"Edit250", &H::r, 16},
                             {"Edit251", &H::L, 6}},
                            {{"Edit252", &H::e1, 0}, {"Edit253", &H::S1, 12}},
                            5};
const ScrewHead kCylinderHead{HeadShape::Cylinder,
                              {{"Edit254", &H::D, 0},
                               {"Edit258", &H::K, 12},
                               {"Edit255", &H::n, 2},
                               {"Edit259", &H::t, 5},
                               {"Edit256", &H::R, 11},
                               {"Edit260", &H::r, 7},
                               {"Edit257", &H::d1, 14},
                               {"Edit261", &H::L, 6}},
                              {},
                              82};
const ScrewHead kSemicircularHead{HeadShape::Semicircular,
                                  {{"Edit262", &H::D, 0},
                                   {"Edit266", &H::K, 12},
                                   {"Edit263", &H::n, 2},
                                   {"Edit267", &H::t, 5},
                                   {"Edit268", &H::R, 11},
                                   {"Edit265", &H::r, 7},
                                   {"Edit269", &H::d1, 14},
                                   {"Edit270", &H::L, 6},
                                   {"Edit264", &H::R1, 8}},
                                  {},
                                  82};
const ScrewHead kCountersunkHead{HeadShape::Countersunk,
                                 {{"Edit271", &H::D, 0},
                                  {"Edit272", &H::K, 12},
                                  {"Edit273", &H::n, 2},
                                  {"Edit274", &H::t, 5},
                                  {"Edit275", &H::R, 11},
                                  {"Edit276", &H::r, 7},
                                  {"Edit277", &H::d1, 14},
                                  {"Edit278", &H::L, 6}},
                                 {},
                                 82};
const ScrewHead kRaisedHead{HeadShape::Raised,
                            {{"Edit297", &H::D, 0},
                             {"Edit302", &H::K, 12},
                             {"Edit298", &H::n, 2},
                             {"Edit303", &H::t, 5},
                             {"Edit299", &H::f, 1},
                             {"Edit304", &H::R1, 8},
                             {"Edit300", &H::R, 11},
                             {"Edit305", &H::r, 7},
                             {"Edit301", &H::d1, 14},
                             {"Edit306", &H::L, 6}},
                            {},
                            82};

struct Profile {
    std::vector<acad::XY> vertices;
    std::vector<acad::Bulge> bulges;
};

// The head-and-neck profile: x along the axis from the top of the head, y
// the radius; the neck ends in the flare r at x = K + L.
Profile headProfile(HeadShape shape, const HeadSizes& s)
{
    const double K = s.K, L = s.L, R = s.R, r = s.r, D = s.D, d1 = s.d1;
    switch (shape) {
    case HeadShape::Socket:
        return {{{0, s.D1 / 2},
                 {0, D / 2 - s.r1},
                 {s.r1, D / 2},
                 {K, D / 2},
                 {K, d1 / 2 + R},
                 {K + R, d1 / 2},
                 {K + L - r, d1 / 2},
                 {K + L, d1 / 2 + r},
                 {K + L, 0},
                 {std::sin(pi / 6) * s.D1 / 2, 0},
                 {0, s.D1 / 2}},
                {{1, -kQuarter}, {4, kQuarter}, {6, kQuarter}}};
    case HeadShape::Cylinder:
        return {{{0, 0},
                 {0, D / 2},
                 {K, D / 2},
                 {K, d1 / 2 + R},
                 {K + R, d1 / 2},
                 {K + L - r, d1 / 2},
                 {K + L, d1 / 2 + r},
                 {K + L, 0},
                 {0, 0}},
                {{3, kQuarter}, {5, kQuarter}}};
    case HeadShape::Semicircular:
        return {{{K, d1 / 2 + R},
                 {K + R, d1 / 2},
                 {K + L - r, d1 / 2},
                 {K + L, d1 / 2 + r},
                 {K + L, 0},
                 {K, 0},
                 {K, d1 / 2 + R}},
                {{0, kQuarter}, {2, kQuarter}}};
    case HeadShape::Countersunk:
    case HeadShape::Raised: {
        // The 45° fillet R in the corner (K, d1/2) of the cone and the neck.
        const double k = R * kQuarter;
        return {{{0, 0},
                 {0, D / 2},
                 {K - (D / 2 - d1 / 2), D / 2},
                 {K - std::sin(pi / 4) * k, d1 / 2 + std::sin(pi / 4) * k},
                 {K + k, d1 / 2},
                 {K + L - r, d1 / 2},
                 {K + L, d1 / 2 + r},
                 {K + L, 0},
                 {0, 0}},
                {{3, kEighth}, {5, kQuarter}}};
    }
    }
    return {};
}

} // namespace

ScrewHeadPanel::ScrewHeadPanel(shell::PanelContext& context, QWidget* parent, const ScrewHead& head)
    : PartPanel(context, parent), head_(head)
{
}

double ScrewHeadPanel::read(const HeadRead& r, HeadSizes& sizes)
{
    const double value = readFloat(findChild<QLineEdit*>(QLatin1String(r.edit)));
    w().Dim(r.slot) = value;
    sizes.*r.size = value;
    return value;
}

void ScrewHeadPanel::drawHead()
{
    using acad::AcadPoint;
    acad::WorkingFields& f = w();
    HeadSizes s;
    for (const HeadRead& r : head_.reads)
        read(r, s);

    // Without a neck diameter or length the head is drawn alone.
    if (s.d1 == 0)
        s.L = 0;
    if (s.L == 0) {
        s.R = 0;
        s.r = 0;
        s.d1 = 0;
    }
    for (const HeadRead& r : head_.reads)
        if (r.size == &H::d1 || r.size == &H::L || r.size == &H::R || r.size == &H::r)
            f.Dim(r.slot) = s.*r.size;

    // The semicircular head's profile is its neck alone: without a neck
    // there is none, and the dome is the whole head.
    const bool withNeck = head_.shape != HeadShape::Semicircular || s.d1 != 0;
    if (withNeck) {
        const Profile profile = headProfile(head_.shape, s);
        f.SetProfile(profile.vertices);
        f.MakeProfileRegion(profile.bulges);
        f.NewSolid = f.RevolveProfile(AcadPoint(0, 0, 0), AcadPoint(77, 0, 0));
    }
    if (head_.shape == HeadShape::Semicircular)
        addDome(s, withNeck);
    else if (head_.shape == HeadShape::Raised)
        addCap(s);

    // The top of the head into z = 0, the neck down along -Z.
    f.AxisPoint = AcadPoint(0, 0, 0);
    f.AxisDirection = AcadPoint(0, 77, 0);
    f.NewSolid.Rotate3D(f.AxisPoint, f.AxisDirection, pi / 2);

    if (head_.shape == HeadShape::Socket)
        cutSocket(s);
    else
        cutSlot(s);
    f.NewSolid.put_color(head_.colour);
}

void ScrewHeadPanel::addDome(const HeadSizes& s, bool withNeck)
{
    using acad::AcadPoint;
    acad::WorkingFields& f = w();
    f.BasePoint = AcadPoint(s.R1, 0, 0);
    f.GroupSolid = ModelSpace().AddSphere(f.BasePoint, s.R1);
    // What lies beyond K, or wider than D, leaves the sphere.
    const double D = s.D, K = s.K, far = 10 * D + s.L;
    f.SetProfile({{K, D / 2}, {0, D / 2}, {0, D}, {far, D}, {far, 0}, {K, 0}, {K, D / 2}});
    f.MakeProfileRegion();
    f.ToolSolid = f.RevolveProfile(AcadPoint(0, 0, 0), AcadPoint(77, 0, 0));
    f.GroupSolid.Boolean(2, f.ToolSolid);
    if (withNeck)
        f.NewSolid.Boolean(0, f.GroupSolid);
    else
        f.NewSolid = f.GroupSolid;
}

void ScrewHeadPanel::addCap(const HeadSizes& s)
{
    using acad::AcadPoint;
    acad::WorkingFields& f = w();
    f.AxisPoint = AcadPoint(0, 0, 0);
    f.AxisDirection = AcadPoint(s.f, 0, 0);
    f.NewSolid.Move(f.AxisPoint, f.AxisDirection);
    f.BasePoint = AcadPoint(s.R1, 0, 0);
    f.GroupSolid = ModelSpace().AddSphere(f.BasePoint, s.R1);
    // The cap keeps the sphere between x = 0 and x = f, no wider than D.
    const double R1 = s.R1, D = s.D, h = s.f;
    f.SetProfile({{0, 2 * R1}, {0, D / 2}, {h, D / 2}, {h, 0}, {5 * R1, 0}, {5 * R1, 2 * R1}, {0, 2 * R1}});
    f.MakeProfileRegion();
    f.ToolSolid = f.RevolveProfile(AcadPoint(0, 0, 0), AcadPoint(77, 0, 0));
    f.GroupSolid.Boolean(2, f.ToolSolid);
    f.NewSolid.Boolean(0, f.GroupSolid);
}

void ScrewHeadPanel::cutSlot(const HeadSizes& s)
{
    acad::WorkingFields& f = w();
    f.BasePoint = acad::AcadPoint(0, 0, 0);
    f.GroupSolid = ModelSpace().AddBox(f.BasePoint, 2 * s.D, s.n, 2 * s.t);
    f.NewSolid.Boolean(2, f.GroupSolid);
}

void ScrewHeadPanel::cutSocket(HeadSizes& s)
{
    using acad::AcadPoint;
    acad::WorkingFields& f = w();
    for (const HeadRead& r : head_.lateReads)
        read(r, s);
    f.BasePoint = AcadPoint(0, 0, 0);
    f.ExtraSolid = ModelSpace().AddCylinder(f.BasePoint, s.e1 / 2, 2 * s.t);
    // Six cubes, each with its face nearest the axis at S1/2.
    f.BasePoint = AcadPoint(5 * s.t + s.S1 / 2, 0, 0);
    for (int k = 0; k < 6; ++k) {
        f.GroupSolid = ModelSpace().AddBox(f.BasePoint, 10 * s.t, 10 * s.t, 10 * s.t);
        f.ExtraSolid.Boolean(2, f.GroupSolid);
        if (k < 5) {
            f.AxisPoint = AcadPoint(0, 0, 0);
            f.AxisDirection = AcadPoint(0, 0, 77);
            f.ExtraSolid.Rotate3D(f.AxisPoint, f.AxisDirection, kSixth);
        }
    }
    f.NewSolid.Boolean(2, f.ExtraSolid);
}

SocketHeadPanel::SocketHeadPanel(shell::PanelContext& context, QWidget* parent)
    : ScrewHeadPanel(context, parent, kSocketHead), ui(std::make_unique<Ui::Panel77>())
{
    ui->setupUi(this);
    onClick(ui->BitBtn69, &SocketHeadPanel::BitBtn69Click);
}
SocketHeadPanel::~SocketHeadPanel() = default;
void SocketHeadPanel::BitBtn69Click()
{
    drawHead();
}

CylinderHeadPanel::CylinderHeadPanel(shell::PanelContext& context, QWidget* parent)
    : ScrewHeadPanel(context, parent, kCylinderHead), ui(std::make_unique<Ui::Panel78>())
{
    ui->setupUi(this);
    onClick(ui->BitBtn70, &CylinderHeadPanel::BitBtn70Click);
}
CylinderHeadPanel::~CylinderHeadPanel() = default;
void CylinderHeadPanel::BitBtn70Click()
{
    drawHead();
}

SemicircularHeadPanel::SemicircularHeadPanel(shell::PanelContext& context, QWidget* parent)
    : ScrewHeadPanel(context, parent, kSemicircularHead), ui(std::make_unique<Ui::Panel79>())
{
    ui->setupUi(this);
    onClick(ui->BitBtn72, &SemicircularHeadPanel::BitBtn72Click);
}
SemicircularHeadPanel::~SemicircularHeadPanel() = default;
void SemicircularHeadPanel::BitBtn72Click()
{
    drawHead();
}

CountersunkHeadPanel::CountersunkHeadPanel(shell::PanelContext& context, QWidget* parent)
    : ScrewHeadPanel(context, parent, kCountersunkHead), ui(std::make_unique<Ui::Panel80>())
{
    ui->setupUi(this);
    onClick(ui->BitBtn74, &CountersunkHeadPanel::BitBtn74Click);
}
CountersunkHeadPanel::~CountersunkHeadPanel() = default;
void CountersunkHeadPanel::BitBtn74Click()
{
    drawHead();
}

RaisedHeadPanel::RaisedHeadPanel(shell::PanelContext& context, QWidget* parent)
    : ScrewHeadPanel(context, parent, kRaisedHead), ui(std::make_unique<Ui::Panel81>())
{
    ui->setupUi(this);
    onClick(ui->BitBtn76, &RaisedHeadPanel::BitBtn76Click);
}
RaisedHeadPanel::~RaisedHeadPanel() = default;
void RaisedHeadPanel::BitBtn76Click()
{
    drawHead();
}

} // namespace fasteners
