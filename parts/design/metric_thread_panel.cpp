#include "parts/design/metric_thread_panel.h"

#include "ui_metric_thread_panel.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace design {

namespace {

constexpr double pi = 3.141592653589793;

// The helix of the sweeps: the vertex of angle k (degrees) at
// (k P / 360, R cos k, R sin k), a right-handed helix about +X of lead P.
acad::VertexList helixPath(const std::vector<double>& angles, double P, double R)
{
    acad::VertexList path = acad::newVertexList(angles.size());
    for (std::size_t i = 0; i < angles.size(); ++i) {
        const double k = angles[i];
        acad::setVertex(path, i, k * P / 360, R * std::cos(k * pi / 180), R * std::sin(k * pi / 180));
    }
    return path;
}

std::vector<double> degrees(int last)
{
    std::vector<double> k;
    for (int i = 0; i <= last; ++i)
        k.push_back(i);
    return k;
}

} // namespace

MetricThreadPanel::MetricThreadPanel(shell::PanelContext& context, QWidget* parent)
    : PartPanel(context, parent), ui(std::make_unique<Ui::Panel48>())
{
    ui->setupUi(this);
    onClick(ui->BitBtn39, &MetricThreadPanel::BitBtn39Click);
}

MetricThreadPanel::~MetricThreadPanel() = default;

namespace {
constexpr int kMostPitches = 300;
} // namespace

void MetricThreadPanel::BitBtn39Click()
{
    acad::WorkingFields& f = w();
    f.Dim00 = readFloat(ui->Edit67);
    const double P = readFloat(ui->Edit68);
    f.Dim06 = readFloat(ui->Edit69);
    f.Dim01 = 0.866025404 * P;
    const double D = f.Dim00, L = f.Dim06, H = f.Dim01;
    // A pitch that is not positive would build turns without end or a
    // profile of no area; a thread of no diameter or length is nothing.
    if (!(P > 0))
        throw acad::Exception(QStringLiteral("Шаг резьбы Р должен быть больше нуля"));
    if (!(D > 0) || !(L > 0))
        throw acad::Exception(QStringLiteral("Диаметр D и длина резьбы L должны быть больше нуля"));
    // Each pitch of length is a turn swept in 36 pieces: a length of
    // thousands of pitches would run for minutes and fill the memory.
    if (L > kMostPitches * P)
        throw acad::Exception(QStringLiteral("Длина резьбы L больше %1 шагов Р: столько витков не строится").arg(kMostPitches));
    const double R = D / 2;
    const double t = std::sin(pi / 6) / std::cos(pi / 6);
    // The root of the profile must stay off the axis, or the turns cut
    // through one another there.
    if (!(R - 7 * H / 8 > 0))
        throw acad::Exception(QStringLiteral("Диаметр D слишком мал для шага резьбы Р"));

    // One pitch of the profile above the root line; vertex 2 stands just
    // above it, so that the outline never touches itself.
    f.SetProfile({{0, R - 7 * H / 8},
                  {0, R - 5 * H / 8},
                  {P / 8, R - 7 * H / 8 + 1e-6},
                  {P / 8 + t * 7 * H / 8, R},
                  {P / 4 + t * 7 * H / 8, R},
                  {P, R - 5 * H / 8},
                  {P, R - 7 * H / 8},
                  {0, R - 7 * H / 8}});
    f.MakeProfileRegion();
    f.ProfilePolyline.Delete();

    const std::vector<double> shortPath = degrees(10), segmentPath = degrees(11);
    std::vector<double> closingPath = degrees(10);
    closingPath.push_back(11.7);
    auto sweep = [&](const std::vector<double>& angles) { return f.SweepProfile(helixPath(angles, P, R)); };

    // The seed: only the first target of the unions, cut away at the end.
    acad::IAcad3DSolid thread = sweep(shortPath);
    for (int n = 1; 3 * P + L > n * P; ++n) {
        // One turn at the origin: 36 pieces, each overlapping the one before
        // by a degree, the last reaching 0.7 degrees past the full turn.
        acad::IAcad3DSolid turn = sweep(shortPath);
        for (int i = 1; i <= 35; ++i) {
            const double a = 10 * i - 1;
            acad::IAcad3DSolid segment = sweep(i <= 34 ? segmentPath : closingPath);
            f.Axis2Point = acad::AcadPoint(0, 0, 0);
            f.Axis2Direction = acad::AcadPoint(a * P / 360, 0, 0);
            segment.Move(f.Axis2Point, f.Axis2Direction);
            segment.Rotate3D(f.Axis2Point, f.Axis2Direction, a * pi / 180);
            turn.Boolean(acad::acUnion, segment);
        }
        f.Axis2Point = acad::AcadPoint(0, 0, 0);
        f.Axis2Direction = acad::AcadPoint(n * P, 0, 0);
        turn.Move(f.Axis2Point, f.Axis2Direction);
        thread.Boolean(acad::acUnion, turn);
    }

    // Back by two pitches, then cut to 0 <= x <= L by two cylinders of
    // radius 2D about the axis.
    f.Axis2Point = acad::AcadPoint(0, 0, 0);
    f.Axis2Direction = acad::AcadPoint(2 * P, 0, 0);
    thread.Move(f.Axis2Direction, f.Axis2Point);
    f.ProfileRegion.Delete();
    thread.put_color(5);
    auto revolved = [&](std::initializer_list<acad::XY> rectangle) {
        f.SetProfile(rectangle);
        f.MakeProfileRegion();
        f.ProfilePolyline.Delete();
        return ModelSpace().AddRevolvedSolid(f.ProfileRegion, f.Axis2Point, f.Axis2Direction, 2 * pi);
    };
    auto cut = [&](acad::IAcad3DSolid& body, acad::IAcad3DSolid tool) {
        body.Boolean(acad::acSubtraction, tool);
        f.ProfileRegion.Delete();
    };
    cut(thread, revolved({{0, 2 * D}, {0, 0}, {-2 * P, 0}, {-2 * P, 2 * D}, {0, 2 * D}}));
    // The far cylinder reaches past the thread's end, N P + 0.7 P / 360,
    // however short L is.
    const double far = std::max(3 * L, L + 4 * P);
    cut(thread, revolved({{L, 0}, {L, 2 * D}, {far, 2 * D}, {far, 0}, {L, 0}}));
    thread.put_color(5);

    if (ui->RadioButton5->isChecked())
        thread.put_color(kBoltColour);
    if (ui->RadioButton6->isChecked()) {
        acad::IAcad3DSolid nut = revolved({{0, 0}, {0, R}, {L, R}, {L, 0}, {0, 0}});
        cut(nut, thread);
        cut(nut, revolved({{0, 0}, {0, R - 3 * H / 4}, {L, R - 3 * H / 4}, {L, 0}, {0, 0}}));
        nut.put_color(kNutColour);
    }
}

} // namespace design
