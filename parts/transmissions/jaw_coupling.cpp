#include "parts/transmissions/jaw_coupling.h"

#include "acad/numbers.h"

#include <QLineEdit>

#include <cmath>

namespace transmissions {

using acad::AcadPoint;

namespace {

constexpr double pi = 3.141592653589793;

double read(const QLineEdit* edit)
{
    return acad::StrToFloat(edit->text());
}

// The tools are made at the origin, placed and subtracted at once.
class Cutter {
public:
    Cutter(acad::WorkingFields& w, acad::IAcad3DSolid& body) : w_(w), body_(body) {}

    Cutter& box(double length, double width, double height)
    {
        w_.ToolSolid = w_.ModelSpace().AddBox(w_.AxisPoint, length, width, height);
        return *this;
    }
    Cutter& cylinder(double radius, double height)
    {
        w_.ToolSolid = w_.ModelSpace().AddCylinder(w_.AxisPoint, radius, height);
        return *this;
    }
    Cutter& prism(const std::vector<acad::XY>& outline, double height)
    {
        w_.SetProfile(outline);
        w_.MakeProfileRegion();
        w_.ToolSolid = w_.ExtrudeProfile(height);
        return *this;
    }
    Cutter& move(double x, double y, double z)
    {
        w_.AxisDirection = AcadPoint(x, y, z);
        w_.ToolSolid.Move(w_.AxisPoint, w_.AxisDirection);
        return *this;
    }
    // About the Z axis, counter-clockwise seen from +Z.
    Cutter& turn(double angle)
    {
        w_.AxisDirection = AcadPoint(0, 0, 77);
        w_.ToolSolid.Rotate3D(w_.AxisPoint, w_.AxisDirection, angle);
        return *this;
    }
    void cut() { body_.Boolean(acad::acSubtraction, w_.ToolSolid); }

private:
    acad::WorkingFields& w_;
    acad::IAcad3DSolid& body_;
};

void turnAboutY(acad::WorkingFields& w, acad::IAcad3DSolid& solid, double angle)
{
    w.AxisDirection = AcadPoint(0, 77, 0);
    solid.Rotate3D(w.AxisPoint, w.AxisDirection, angle);
}

// The body of revolution: x along the axis, y from it. The plain profile when
// the flange runs the whole length, else the stepped one with its fillet.
void revolveBody(acad::WorkingFields& w, acad::IAcad3DSolid& body, double L1, double L2, double d1, double R,
                 double d)
{
    const double B = w.Dim11, Df = w.Dim14, c = w.Dim03;
    const double x0 = -B / 2 + 0.0001, xe = -B / 2 + L1;
    if (L2 >= L1 || d1 == Df) {
        w.Dim02 = L1;
        w.SetProfile({{x0, 0},
                      {x0, Df / 2 - c},
                      {x0 + c, Df / 2},
                      {xe - c, Df / 2},
                      {xe - 0.0001, Df / 2 - c},
                      {xe - 0.0001, d / 2 + c},
                      {xe - c, d / 2},
                      {xe - c, 0},
                      {x0, 0}});
        w.MakeProfileRegion();
    } else {
        if (R > L1 - L2) {
            R = L1 - L2;
            w.Dim07 = R;
        }
        const double xs = -B / 2 + L2;
        w.SetProfile({{x0, 0},
                      {x0, Df / 2 - c},
                      {x0 + c, Df / 2},
                      {xs - c, Df / 2},
                      {xs, Df / 2 - c},
                      {xs, d1 / 2 + R},
                      {xs + R, d1 / 2},
                      {xe - c, d1 / 2},
                      {xe, d1 / 2 - c},
                      {xe, d / 2 + c},
                      {xe - c, d / 2},
                      {xe - c, 0},
                      {x0, 0}});
        w.MakeProfileRegion({{5, std::tan(pi / 8)}});
    }
    w.AxisPoint = AcadPoint(0, 0, 0);
    body = w.RevolveProfile(w.AxisPoint, AcadPoint(77, 0, 0));
    // The axis onto Z, the jaw tips towards +Z.
    turnAboutY(w, body, pi / 2);
}

// Six lobe slots, three bands about the centre and three rounded cuts.
void cutStarJaws(acad::WorkingFields& w, Cutter& tool, const CouplingRow& row, const QLineEdit* editL, double L1)
{
    const double D = w.Dim00, B = w.Dim11, e = w.Dim17, f = w.Dim20;
    tool.box(2 * e, 2 * D, B + 0.0002).cut();
    tool.box(2 * e, 2 * D, B + 0.0002).turn(pi / 3).cut();
    tool.box(2 * e, 2 * D, B + 0.0002).turn(-pi / 3).cut();

    const double h = L1 - read(editL);
    w.Dim16 = h;
    tool.box(f, 2 * D, h).move(f / 2, 0, 0).cut();
    tool.box(f, 2 * D, h).move(f / 2, 0, 0).turn(2 * pi / 3).cut();
    tool.box(f, 2 * D, h).move(-f / 2, 0, 0).turn(pi / 3).cut();

    // The cross rows hold no star thickness: their cuts take B, which is the
    // star thickness in every star row.
    const double diameter = row.form == ElementForm::Star ? w.Dim01 : B;
    for (double angle : {-pi / 6, -5 * pi / 6, pi / 2})
        tool.cylinder(diameter / 2, h).move(0, D / 2, 0).turn(angle).cut();
}

// Two arm slots, the diagonal band and two quadrants cleared, at fixed heights.
void cutCrossJaws(acad::WorkingFields& w, Cutter& tool, acad::IAcad3DSolid& body, double move)
{
    const double D = w.Dim00, e = w.Dim17, f = w.Dim20;
    tool.box(2 * e, 2 * D, 10.5002).cut();
    tool.box(2 * e, 2 * D, 10.5002).turn(pi / 2).cut();
    tool.box(f, 2 * D, 13.5).turn(pi / 4).cut();
    tool.prism({{-2 * D, 0}, {-2 * D, 2 * D}, {0, 2 * D}, {0, 0}, {-2 * D, 0}}, 12).move(0, 0, -6.75).cut();
    tool.prism({{2 * D, 0}, {2 * D, -2 * D}, {0, -2 * D}, {0, 0}, {2 * D, 0}}, 12).move(0, 0, -6.75).cut();
    w.AxisDirection = AcadPoint(0, 0, move);
    body.Move(w.AxisPoint, w.AxisDirection);
}

} // namespace

const std::array<CouplingRow, 9> couplingRows = {{
    {"2,5", ElementForm::Cross, 30, 0, 8, 0, 1.2502, 32, 10.5, 1, 4.0001, 16.0001},
    {"6,3", ElementForm::Cross, 42, 0, 10, 0, 1.6002, 45, 10.5, 1, 5.0001, 20.0001},
    {"16", ElementForm::Star, 50, 26, 10, 15, 1.6, 53, 15, 1.6, 5.0001, 14.0001},
    {"25", ElementForm::Star, 60, 30, 12, 15, 1.6, 63, 15, 1.6, 6.0001, 16.0001},
    {"31,5", ElementForm::Star, 67, 30, 12, 15, 1.6, 71, 15, 1.6, 6.0001, 16.0001},
    {"63", ElementForm::Star, 80, 36, 14, 22, 2, 85, 22, 1.6, 7.0001, 21.0001},
    {"125", ElementForm::Star, 100, 45, 16, 22, 2, 105, 22, 1.6, 8.0001, 25.0001},
    {"250", ElementForm::Star, 130, 56, 18, 25, 3, 135, 25, 1.6, 9.0001, 32.0001},
    {"400", ElementForm::Star, 160, 67, 20, 30, 3, 166, 30, 1.6, 10.0001, 38.0001},
}};

const HalfCouplingSide halfCoupling2 = {&acad::WorkingFields::GroupSolid, -5.25, false, -1, 52};
const HalfCouplingSide halfCoupling1 = {&acad::WorkingFields::BodySolid, 5.25, true, 1, 50};

void writeCouplingRow(acad::WorkingFields& w, const CouplingRow& row)
{
    w.Dim00 = row.D;
    if (row.form == ElementForm::Star) {
        w.Dim15 = row.Dh;
        w.Dim01 = row.H;
    }
    w.Dim04 = row.lobe;
    w.Dim08 = row.root;
    w.Dim14 = row.Df;
    w.Dim11 = row.B;
    w.Dim03 = row.c;
    w.Dim17 = row.e;
    w.Dim20 = row.f;
}

void drawCouplingElement(acad::WorkingFields& w, const CouplingRow& row)
{
    writeCouplingRow(w, row);
    if (row.form == ElementForm::Star)
        ZvMuft(w);
    else
        KrestMuft(w);
    w.NewSolid.put_color(154);
}

void drawHalfCoupling(acad::WorkingFields& w, const CouplingRow& row, JawForm jaws, const HalfCouplingEdits& edits,
                      const HalfCouplingSide& side)
{
    acad::IAcad3DSolid& body = w.*side.solid;
    const double L2 = read(edits.L2);
    w.Dim02 = L2;
    const double d1 = read(edits.d1);
    w.Dim05 = d1;
    const double R = read(edits.R);
    w.Dim07 = R;
    const double L1 = read(edits.L1);
    w.Dim09 = L1;
    const double d = read(edits.d);
    w.Dim12 = d;

    revolveBody(w, body, L1, L2, d1, R, d);

    Cutter tool(w, body);
    if (jaws == JawForm::Star)
        cutStarJaws(w, tool, row, edits.L, L1);
    else
        cutCrossJaws(w, tool, body, side.crossMove);
    if (side.facesElement)
        turnAboutY(w, body, pi);

    tool.cylinder(d / 2, 7 * L1).cut();

    const double dt = read(edits.dt);
    w.Dim02 = dt;
    const double b = read(edits.b);
    w.Dim09 = b;
    const double r = read(edits.r);
    w.Dim07 = r;
    const double floor = dt - d / 2;
    w.SetProfile({{-b / 2, 0},
                  {-b / 2, floor - r},
                  {-b / 2 + r, floor},
                  {b / 2 - r, floor},
                  {b / 2, floor - r},
                  {b / 2, 0},
                  {-b / 2, 0}});
    w.MakeProfileRegion({{1, -std::tan(pi / 8)}, {3, -std::tan(pi / 8)}});
    w.ToolSolid = w.ExtrudeProfile(side.keywaySense * 77 * dt);
    tool.cut();

    body.put_color(side.colour);
}

} // namespace transmissions
