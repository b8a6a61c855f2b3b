#include "parts/fasteners/cotter_pin_panel.h"

#include "ui_cotter_pin_panel.h"

#include <cmath>
#include <vector>

namespace fasteners {

namespace {

using acad::AcadPoint;
using acad::XY;

constexpr double pi = 3.141592653589793;

// A half disc of the wire: the closed polyline a, b, a with the bulge on a.
struct HalfDisc {
    XY a, b;
    double bulge;
};

double halfTurnBulge(double sign)
{
    return sign * std::sin(pi / 4) / std::cos(pi / 4);
}

// One leg of the pin with what tells it from the other: the side of y it
// lies on (+1 upper, −1 lower), its profiles and how far it reaches beyond
// the part.
struct Leg {
    double side;
    HalfDisc rod, knee;
    double extra; // L2 for the lower, longer leg
};

// The pieces of the pin, made on the working fields: each piece in
// GroupSolid, its cutters in ToolSolid and NewSolid, the pin in BodySolid.
class PinBuilder {
public:
    PinBuilder(acad::WorkingFields& f, double dw, double Lw) : f_(f), dw_(dw), Lw_(Lw) {}

    // GroupSolid := the half disc extruded along +Z by h.
    void rod(const HalfDisc& p, double h)
    {
        f_.SetProfile({p.a, p.b, p.a});
        f_.MakeProfileRegion({{0, p.bulge}});
        f_.GroupSolid = f_.ExtrudeProfile(h);
    }
    acad::IAcad3DSolid prism(const std::vector<XY>& outline, double h)
    {
        f_.SetProfile(outline);
        f_.MakeProfileRegion();
        return f_.ExtrudeProfile(h);
    }
    // Takes off the slab within 0.025 of the rod's flat face.
    void shave(double side)
    {
        const double s = 0.025 * side, far = -dw_ * side;
        f_.ToolSolid = prism({{-dw_, s}, {dw_, s}, {dw_, far}, {-dw_, far}, {-dw_, s}}, 7 * Lw_);
        f_.GroupSolid.Boolean(2, f_.ToolSolid);
    }
    void turnToX() { turn(f_.GroupSolid, AcadPoint(0, 77, 0), pi / 2); }
    void turnAboutZ(double angle) { turn(f_.GroupSolid, AcadPoint(0, 0, 77), angle); }
    void turnAboutX(acad::IAcad3DSolid& s, double angle) { turn(s, AcadPoint(77, 0, 0), angle); }
    void move(acad::IAcad3DSolid& s, const AcadPoint& by)
    {
        f_.AxisDirection = by;
        s.Move(f_.AxisPoint, f_.AxisDirection);
    }
    // GroupSolid := the half disc revolved about the X axis by the angle.
    void revolve(const HalfDisc& p, double angle)
    {
        f_.SetProfile({p.a, p.b, p.a});
        f_.MakeProfileRegion({{0, p.bulge}});
        f_.GroupSolid = f_.RevolveProfile(f_.AxisPoint, AcadPoint(77, 0, 0), angle);
    }
    // Keeps of a bend what lies within dw/2 − 0.025 of its axis (Z), or
    // beyond the outer radius.
    void tubeTrim(double outer)
    {
        f_.ToolSolid = ModelSpace().AddCylinder(f_.AxisPoint, outer, 7 * Lw_);
        f_.NewSolid = ModelSpace().AddCylinder(f_.AxisPoint, dw_ / 2 - 0.025, 7 * Lw_);
        f_.ToolSolid.Boolean(2, f_.NewSolid);
        f_.GroupSolid.Boolean(2, f_.ToolSolid);
    }
    // Turns a solid about the axle's axis through C parallel to Z.
    void turnAboutAxle(acad::IAcad3DSolid& s, const AcadPoint& C, double angle)
    {
        f_.BasePoint = C;
        f_.AxisDirection = AcadPoint(C[0], C[1], C[2] + 77);
        s.Rotate3D(f_.BasePoint, f_.AxisDirection, angle);
    }
    void unite() { f_.BodySolid.Boolean(0, f_.GroupSolid); }

    acad::IAcadModelSpace ModelSpace() { return f_.ModelSpace(); }

private:
    void turn(acad::IAcad3DSolid& s, const AcadPoint& axis, double angle)
    {
        f_.AxisDirection = axis;
        s.Rotate3D(f_.AxisPoint, f_.AxisDirection, angle);
    }

    acad::WorkingFields& f_;
    double dw_, Lw_;
};

// The outline of an end cut, its y mirrored for the lower leg.
std::vector<XY> mirrored(std::vector<XY> outline, double side, double shift)
{
    if (side < 0)
        for (XY& p : outline)
            p.y = -(p.y + shift);
    return outline;
}

// A closed outline (last vertex equal to the first) clipped to the
// rectangle x0..x1, y0..y1, closed again.
std::vector<XY> clipped(const std::vector<XY>& outline, double x0, double y0, double x1, double y1)
{
    std::vector<XY> points(outline.begin(), outline.end() - 1);
    // One side of the rectangle: inside(p) >= 0 keeps p; cross(a, b) is where
    // the edge from a to b crosses the side.
    const auto clip = [&points](auto inside, auto cross) {
        std::vector<XY> kept;
        for (std::size_t k = 0; k < points.size(); ++k) {
            const XY a = points[k], b = points[(k + 1) % points.size()];
            const bool ina = inside(a) >= 0, inb = inside(b) >= 0;
            if (ina)
                kept.push_back(a);
            if (ina != inb)
                kept.push_back(cross(a, b));
        }
        points = std::move(kept);
    };
    const auto atX = [](double x) {
        return [x](XY a, XY b) { return XY{x, a.y + (b.y - a.y) * (x - a.x) / (b.x - a.x)}; };
    };
    const auto atY = [](double y) {
        return [y](XY a, XY b) { return XY{a.x + (b.x - a.x) * (y - a.y) / (b.y - a.y), y}; };
    };
    clip([x0](XY p) { return p.x - x0; }, atX(x0));
    clip([x1](XY p) { return x1 - p.x; }, atX(x1));
    clip([y0](XY p) { return p.y - y0; }, atY(y0));
    clip([y1](XY p) { return y1 - p.y; }, atY(y1));
    points.push_back(points.front());
    return points;
}

} // namespace

CotterPinPanel::CotterPinPanel(shell::PanelContext& context, QWidget* parent)
    : PartPanel(context, parent), ui(std::make_unique<Ui::Panel86>())
{
    ui->setupUi(this);
    onClick(ui->BitBtn78, &CotterPinPanel::BitBtn78Click);
}

CotterPinPanel::~CotterPinPanel() = default;

void CotterPinPanel::BitBtn78Click()
{
    acad::WorkingFields& f = w();
    f.Dim00 = readFloat(ui->Edit314);
    f.Dim02 = readFloat(ui->Edit316);
    f.Dim06 = readFloat(ui->Edit326);
    f.Dim06 = f.Dim06 + 0.0005;
    f.Dim11 = readFloat(ui->Edit327);
    f.Dim15 = readFloat(ui->Edit328);
    f.Dim15 = f.Dim15 - 0.1;
    f.Dim05 = readFloat(ui->Edit329);
    const double D = f.Dim00, L1 = f.Dim02, Lw = f.Dim06, L2 = f.Dim11, dw = f.Dim15, L3 = f.Dim05;
    const double t = L1 - D / 2, R = D / 2 - dw / 2;
    const double Lr = Lw - L3 - pi * dw / 12;
    const bool flat = ui->RadioButton23->isChecked();
    const bool axle = ui->RadioButton22->isChecked();

    // Legs too short for the part: the bends would keep the wrong side of
    // their axis and the bent legs run backwards through the pin.
    if (Lr <= dw / 2 || Lr + L2 <= dw / 2)
        throw acad::Exception(QStringLiteral("Ножки шплинта слишком коротки для детали толщиной L3"));
    // Legs wrapped half round the axle or more leave the wedge that bounds
    // each wrap.
    if (axle && L3 > 0) {
        const double alpha = std::atan((dw - 0.05) / L3);
        const double arm = L3 / 2 + dw / 2;
        if (alpha + Lr / arm >= pi || alpha + (Lr + L2) / arm >= pi)
            throw acad::Exception(
                QStringLiteral("Ножки шплинта слишком длинны: загиб вокруг оси больше половины оборота"));
    }

    PinBuilder pin(f, dw, Lw);
    const HalfDisc upperRod{{-dw / 2, 0}, {dw / 2, 0}, halfTurnBulge(-1)};
    const HalfDisc lowerRod{{-dw / 2, 0}, {dw / 2, 0}, halfTurnBulge(+1)};
    const HalfDisc upperKnee{{-dw / 2, -dw / 2}, {dw / 2, -dw / 2}, halfTurnBulge(-1)};
    const HalfDisc lowerKnee{{-dw / 2, dw / 2}, {dw / 2, dw / 2}, halfTurnBulge(+1)};
    const HalfDisc sideRod{{0, -dw / 2}, {0, dw / 2}, halfTurnBulge(-1)};
    const Leg legs[2] = {{+1, upperRod, upperKnee, 0}, {-1, lowerRod, lowerKnee, L2}};

    // The eye: the outer half of a torus tube.
    f.AxisPoint = AcadPoint(0, 0, 0);
    f.BodySolid = ModelSpace().AddTorus(f.AxisPoint, R, dw / 2);
    f.GroupSolid = ModelSpace().AddCylinder(f.AxisPoint, R + 0.025, 7 * Lw);
    f.BodySolid.Boolean(2, f.GroupSolid);

    // The opening of the eye towards the legs.
    f.Dim23 = std::atan((D / 2) / std::sqrt(std::fabs((dw / 2) * (dw / 2) + t * t - (D / 2) * (D / 2)))) -
              std::atan((dw / 2) / t);
    const double psi = f.Dim23;
    const double tanPsi = std::sin(psi) / std::cos(psi);
    f.GroupSolid = pin.prism(
        {{0, 0}, {D / 2 * tanPsi, D / 2}, {7 * Lw, D / 2}, {7 * Lw, -D / 2}, {D / 2 * tanPsi, -D / 2}, {0, 0}}, 7 * Lw);
    pin.move(f.GroupSolid, AcadPoint(0, 0, -7 * Lw / 2));
    f.BodySolid.Boolean(2, f.GroupSolid);

    // The transition stretches from the eye to the legs, along the eye's
    // tangent, trimmed off the plane between the legs.
    for (const Leg& leg : legs) {
        const double s = leg.side;
        f.Dim00 = std::sqrt(std::pow(std::cos(psi) * D / 2 - dw / 2, 2) + std::pow(std::sin(psi) * D / 2 - t, 2));
        pin.rod(leg.rod, f.Dim00);
        f.Dim00 = readFloat(ui->Edit314);
        pin.shave(s);
        pin.turnToX();
        pin.move(f.GroupSolid, AcadPoint(0, s * R, 0));
        pin.turnAboutZ(-s * psi);
        f.ToolSolid = pin.prism({{0, -s * Lw}, {0, s * 0.025}, {Lw, s * 0.025}, {Lw, -s * Lw}, {0, -s * Lw}}, 7 * Lw);
        pin.move(f.ToolSolid, AcadPoint(0, 0, -7 * Lw / 2));
        f.GroupSolid.Boolean(2, f.ToolSolid);
        pin.unite();
    }

    // The straight legs through the part, each with the knee that joins it
    // to its stretch.
    for (const Leg& leg : legs) {
        const double s = leg.side;
        pin.rod(leg.rod, L3);
        pin.shave(s);
        pin.turnToX();
        pin.move(f.GroupSolid, AcadPoint(t, 0, 0));
        pin.unite();
        pin.revolve(leg.knee, s * psi);
        pin.turnToX();
        pin.tubeTrim(f.Dim00);
        pin.move(f.GroupSolid, AcadPoint(t + 0.0001, s * (dw / 2 - 0.0001), 0));
        pin.unite();
    }

    const bool pointed = ui->RadioButton19->isChecked();
    const bool slanted = !pointed && ui->RadioButton21->isChecked();
    const double sin30 = std::sin(pi / 6), cos30 = std::cos(pi / 6);

    if (flat) {
        // Each leg bends by 90° about its crest on the part's face and lies
        // along that face.
        for (const Leg& leg : legs) {
            const double s = leg.side;
            f.Dim00 = Lr;
            pin.revolve(leg.knee, -s * pi / 2);
            pin.turnToX();
            pin.tubeTrim(f.Dim00);
            f.Dim00 = readFloat(ui->Edit314);
            pin.move(f.GroupSolid, AcadPoint(t + L3 + 0.0001, s * (dw / 2 - 0.0001), 0));
            pin.unite();
        }
        for (const Leg& leg : legs) {
            const double s = leg.side;
            f.Dim00 = Lr + leg.extra;
            pin.rod(sideRod, f.Dim00);
            f.Dim00 = readFloat(ui->Edit314);
            pin.turnAboutX(f.GroupSolid, -s * pi / 2);
            pin.move(f.GroupSolid, AcadPoint(t + L3 + dw / 2, s * dw / 2, 0));
            pin.unite();
        }
        if (pointed || slanted) {
            const double X0 = t + L3 + dw / 4, Y0 = dw / 2 + Lr;
            const double X1 = t + L3 + dw / 2, Xb = t + L3 - 2 * dw * sin30;
            const std::vector<XY> cut =
                pointed ? std::vector<XY>{{X0, Y0},
                                          {X0 - dw * sin30, Y0 - dw * cos30},
                                          {X0 - dw * sin30, Y0 + dw},
                                          {X0 + dw * sin30, Y0 + dw},
                                          {X0 + dw * sin30, Y0 - dw * cos30},
                                          {X0, Y0}}
                        : std::vector<XY>{{X1, Y0}, {Xb, Y0 - 2 * dw * cos30}, {Xb, Y0 + dw}, {X1, Y0}};
            for (const Leg& leg : legs) {
                f.GroupSolid = pin.prism(mirrored(cut, leg.side, L2), Lw);
                pin.move(f.GroupSolid, AcadPoint(0, 0, -Lw / 2));
                f.BodySolid.Boolean(2, f.GroupSolid);
            }
        }
    }

    if (axle) {
        const double gamma = std::atan((dw + 0.05) / L3);
        const double alpha = std::atan((dw - 0.05) / L3);
        const double beta = std::atan(dw / L3);
        const AcadPoint C(t + L3 / 2, 0, 0);
        const double rho = std::sqrt((dw / 2) * (dw / 2) + std::pow(L3 / 2 + 0.025, 2)) + dw / 2;
        const double theta[2] = {Lr / (L3 / 2 + dw / 2), (Lr + L2) / (L3 / 2 + dw / 2)};

        // Each leg leaves the part turning by 90° + γ about its crest.
        for (const Leg& leg : legs) {
            const double s = leg.side;
            if (s > 0)
                f.Dim00 = Lr;
            pin.revolve(leg.knee, -s * (pi / 2 + gamma));
            pin.turnToX();
            pin.tubeTrim(f.Dim00);
            f.Dim00 = readFloat(ui->Edit314);
            pin.move(f.GroupSolid, AcadPoint(t + L3 + 0.00001, s * (dw / 2 - 0.00001), 0));
            pin.unite();
        }
        // Then follows the axle: the inner half of a torus tube about its
        // axis, between the polar angles ±α and ±(α + θ).
        for (int k = 0; k < 2; ++k) {
            const double s = legs[k].side, th = theta[k];
            f.AxisDirection = C;
            f.GroupSolid = ModelSpace().AddTorus(f.AxisDirection, rho, dw / 2);
            f.ToolSolid = ModelSpace().AddCylinder(f.AxisPoint, 7 * Lw, 7 * Lw);
            f.AxisDirection = C;
            f.NewSolid = ModelSpace().AddCylinder(f.AxisDirection, rho, 7 * Lw);
            f.ToolSolid.Boolean(2, f.NewSolid);
            f.GroupSolid.Boolean(2, f.ToolSolid);
            f.ToolSolid = pin.prism(
                {{C[0], 0}, {7 * Lw, 0}, {C[0] + 7 * Lw * std::cos(th), s * 7 * Lw * std::sin(th)}, {C[0], 0}}, Lw);
            pin.move(f.ToolSolid, AcadPoint(0, 0, -Lw / 2));
            pin.turnAboutAxle(f.ToolSolid, C, s * alpha);
            f.GroupSolid.Boolean(1, f.ToolSolid);
            pin.unite();
        }
        if (pointed || slanted) {
            const double Xr = t + L3 + dw / 4, Xs = t + L3 + dw / 2 + 0.5;
            const std::vector<XY> outline =
                pointed ? std::vector<XY>{{Xr, dw / 2},
                                          {Xr - dw * std::cos(beta + pi / 3), dw / 2 - dw * std::sin(beta + pi / 3)},
                                          {-Lw, 7 * Lw},
                                          {7 * Lw, 7 * Lw},
                                          {Xr + dw * std::cos(pi / 3 - beta), dw / 2 - dw * std::sin(pi / 3 - beta)},
                                          {Xr, dw / 2}}
                        : std::vector<XY>{{Xs, dw / 2},
                                          {Xs - 1.5 * dw * std::cos(beta + pi / 4),
                                           dw / 2 - 1.5 * dw * std::sin(beta + pi / 4)},
                                          {-Lw, 7 * Lw},
                                          {Xs, 7 * Lw},
                                          {Xs, dw / 2}};
            // The cuts are drawn for a leg ending at its exit point and turned
            // to the end of its wrap; reaching out 7·Lw, a cut turned with a
            // long wrap would sweep through the eye and the other leg. Each
            // keeps to the square of 2·dw about the leg's tip, which holds
            // both end shapes.
            const XY tip = outline.front();
            const std::vector<XY> cut =
                clipped(outline, tip.x - 2 * dw, tip.y - 2 * dw, tip.x + 2 * dw, tip.y + 2 * dw);
            for (int k = 0; k < 2; ++k) {
                const double s = legs[k].side;
                f.ToolSolid = pin.prism(mirrored(cut, s, 0), Lw);
                pin.move(f.ToolSolid, AcadPoint(0, 0, -Lw / 2));
                pin.turnAboutAxle(f.ToolSolid, C, s * theta[k]);
                f.BodySolid.Boolean(2, f.ToolSolid);
            }
        }
    }

    f.BodySolid.put_color(82);
}

} // namespace fasteners
