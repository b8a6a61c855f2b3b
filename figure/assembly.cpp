#include "figure/assembly.h"

#include "acad/numbers.h"
#include "figure/stretches.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QWidget>

#include <cmath>
#include <numbers>
#include <cstring>

namespace figure {

namespace {

using std::numbers::pi;

using A = Angle;

// The index of the pose value of that name in the pose record.
int poseIndex(const char* name)
{
    for (int i = 0; i < kPoseSize; ++i)
        if (std::strcmp(kPoseValues[i].name, name) == 0)
            return i;
    return -1;
}

// The first colour component in the pose record: the colours follow the
// height and the angles, three edits each, in the order of PoseColour.
constexpr int kFirstColour = 1 + kAngleCount;

} // namespace

const std::array<AnglePreparation, kAngleCount> kAnglePreparations = {{
    {A::A1, "A1", 0, 0, 0},        {A::B1, "B1", 0, 0, 0},        {A::C1, "C1", 0, 0, 0},
    {A::A2P, "A2P", 22, -90, 0},   {A::B2P, "B2P", 10, 0, 0},     {A::A3P, "A3P", 0, -90, 0},
    {A::B3P, "B3P", 0, 0, 0},      {A::A4P, "A4P", 0, -90, 0},    {A::B4P, "B4P", 0, 0, 0},
    {A::A5P, "A5P", 0, -90, 0},    {A::B5P, "B5P", 0, 0, 0},      {A::C5P, "C5P", 0, 0, 0},
    {A::A2L, "A2L", 22, 90, 0},    {A::B2L, "B2L", 10, 0, 0},     {A::A3L, "A3L", 0, 90, 0},
    {A::B3L, "B3L", 0, 0, 0},      {A::A4L, "A4L", 0, 90, 0},     {A::B4L, "B4L", 0, 0, 0},
    {A::A5L, "A5L", 0, -90, 0},    {A::B5L, "B5L", 0, 0, 0},      {A::C5L, "C5L", 0, 0, 0},
    {A::A6, "A6", 11, 0, 0},       {A::B6, "B6", 11, 0, 0},       {A::A7, "A7", 0, 0, 0},
    {A::B7, "B7", 0, 0, 0},        {A::A8L, "A8L", 0, -180, 0},   {A::B8L, "B8L", 0, 0, 0},
    {A::A8P, "A8P", 0, 180, 0},    {A::B8P, "B8P", 0, 0, 0},      {A::A9L, "A9L", 0, -180, 1e-8},
    {A::B9L, "B9L", 0, 0, 0},      {A::A9P, "A9P", 0, 180, -1e-8}, {A::B9P, "B9P", 0, 0, 0},
    {A::A10L, "A10L", 0, -180, 0}, {A::B10L, "B10L", 0, 0, 0},    {A::C10L, "C10L", 0, 0, 0},
    {A::A10P, "A10P", 0, 180, 0},  {A::B10P, "B10P", 0, 0, 0},    {A::C10P, "C10P", 0, 0, 0},
    {A::AA2P, "AA2P", 0, 0, 0},    {A::BA2P, "BA2P", 0, 0, 0},    {A::AA1P, "AA1P", 0, 0, 0},
    {A::BA1P, "BA1P", 0, 0, 0},    {A::AB3P, "AB3P", 0, 0, 0},    {A::BB3P, "BB3P", 0, 0, 0},
    {A::AB2P, "AB2P", 0, 0, 0},    {A::BB2P, "BB2P", 0, 0, 0},    {A::AB1P, "AB1P", 0, 0, 0},
    {A::BB1P, "BB1P", 0, 0, 0},    {A::AC3P, "AC3P", 0, 0, 0},    {A::BC3P, "BC3P", 0, 0, 0},
    {A::AC2P, "AC2P", 0, 0, 0},    {A::BC2P, "BC2P", 0, 0, 0},    {A::AC1P, "AC1P", 0, 0, 0},
    {A::BC1P, "BC1P", 0, 0, 0},    {A::AD3P, "AD3P", 0, 0, 0},    {A::BD3P, "BD3P", 0, 0, 0},
    {A::AD2P, "AD2P", 0, 0, 0},    {A::BD2P, "BD2P", 0, 0, 0},    {A::AD1P, "AD1P", 0, 0, 0},
    {A::BD1P, "BD1P", 0, 0, 0},    {A::AE3P, "AE3P", 0, 0, 0},    {A::BE3P, "BE3P", 0, 0, 0},
    {A::AE2P, "AE2P", 0, 0, 0},    {A::BE2P, "BE2P", 0, 0, 0},    {A::AE1P, "AE1P", 0, 0, 0},
    {A::BE1P, "BE1P", 0, 0, 0},    {A::AA1L, "AA1L", 0, 0, 0},    {A::BA1L, "BA1L", 0, 0, 0},
    {A::AA2L, "AA2L", 0, 0, 0},    {A::BA2L, "BA2L", 0, 0, 0},    {A::AB1L, "AB1L", 0, 0, 0},
    {A::BB1L, "BB1L", 0, 0, 0},    {A::AB2L, "AB2L", 0, 0, 0},    {A::BB2L, "BB2L", 0, 0, 0},
    {A::AB3L, "AB3L", 0, 0, 0},    {A::BB3L, "BB3L", 0, 0, 0},    {A::AC1L, "AC1L", 0, 0, 0},
    {A::BC1L, "BC1L", 0, 0, 0},    {A::AC2L, "AC2L", 0, 0, 0},    {A::BC2L, "BC2L", 0, 0, 0},
    {A::AC3L, "AC3L", 0, 0, 0},    {A::BC3L, "BC3L", 0, 0, 0},    {A::AD1L, "AD1L", 0, 0, 0},
    {A::BD1L, "BD1L", 0, 0, 0},    {A::AD2L, "AD2L", 0, 0, 0},    {A::BD2L, "BD2L", 0, 0, 0},
    {A::AD3L, "AD3L", 0, 0, 0},    {A::BD3L, "BD3L", 0, 0, 0},    {A::AE1L, "AE1L", 0, 0, 0},
    {A::BE1L, "BE1L", 0, 0, 0},    {A::AE2L, "AE2L", 0, 0, 0},    {A::BE2L, "BE2L", 0, 0, 0},
    {A::AE3L, "AE3L", 0, 0, 0},    {A::BE3L, "BE3L", 0, 0, 0},
}};

double prepareAngle(const AnglePreparation& p, double x)
{
    if (p.limit > 0) {
        if (x > p.limit)
            x = p.limit;
        else if (x < -p.limit)
            x = -p.limit;
    }
    x += p.offset;
    if (p.special != 0 && x == 0)
        x = p.special;
    x -= std::trunc(x / 360) * 360;
    return x * pi / 180;
}

acad::AcadPoint segmentDirection(double a, double b)
{
    return {std::sin(a) * std::cos(b), std::cos(a) * std::cos(b), -std::sin(b)};
}

Assembly::Assembly(acad::WorkingFields& fields, const QWidget* bodyPage, const QWidget* fingerPage)
    : f(fields), edits_(findPoseEdits(bodyPage, fingerPage)), bodyPage_(bodyPage)
{
}

void Assembly::readPose()
{
    f.Dim24 = 0;
    f.Dim25 = 0;
    f.Dim26 = 0;
    f.Dim01 = acad::StrToFloat(edits_[poseIndex("H")]->text());
    H_ = f.Dim01;
    for (const AnglePreparation& p : kAnglePreparations) {
        const double degrees = acad::StrToFloat(edits_[poseIndex(p.caption)]->text());
        angles_[static_cast<int>(p.angle)] = prepareAngle(p, degrees);
    }
    const Assembly& a = *this;
    f.Dim17 = a[A::B2P];
    f.Dim18 = a[A::A2P];
    f.Dim19 = a[A::A2L];
    f.Dim20 = a[A::B2L];
}

double Assembly::s() const
{
    return H_ / kReferenceHeight;
}

Rgb Assembly::colour(PoseColour c) const
{
    const int first = kFirstColour + 3 * static_cast<int>(c);
    Rgb rgb{};
    rgb.red = acad::StrToInt(edits_[first]->text());
    rgb.green = acad::StrToInt(edits_[first + 1]->text());
    rgb.blue = acad::StrToInt(edits_[first + 2]->text());
    return rgb;
}

bool Assembly::withHair() const
{
    const auto* box = bodyPage_->findChild<QCheckBox*>(QStringLiteral("CheckBox1"));
    return box && box->isChecked();
}

bool Assembly::withHelmet() const
{
    const auto* box = bodyPage_->findChild<QCheckBox*>(QStringLiteral("CheckBox2"));
    return box && box->isChecked();
}

void Assembly::paint(acad::IAcad3DSolid& piece, const Rgb& colour)
{
    acad::AcadAcCmColor trueColour = piece.get_TrueColor();
    trueColour.SetRGB(colour.red, colour.green, colour.blue);
    piece.put_TrueColor(trueColour);
}

void Assembly::colourAndUnite(acad::IAcad3DSolid& receiver, acad::IAcad3DSolid& piece, const Rgb& colour) const
{
    paint(piece, colour);
    receiver.Boolean(acad::acUnion, piece);
}

void Assembly::colourAndUnite(acad::IAcad3DSolid& receiver, acad::IAcad3DSolid& piece, PoseColour c) const
{
    colourAndUnite(receiver, piece, colour(c));
}

void Assembly::turn(acad::IAcad3DSolid& solid, const acad::AcadPoint& from, const acad::AcadPoint& to, double angle)
{
    f.AxisPoint = from;
    f.AxisDirection = to;
    solid.Rotate3D(f.AxisPoint, f.AxisDirection, angle);
}

void Assembly::move(acad::IAcad3DSolid& solid, const acad::AcadPoint& from, const acad::AcadPoint& to)
{
    f.AxisPoint = from;
    f.AxisDirection = to;
    solid.Move(f.AxisPoint, f.AxisDirection);
}

// The skin over the shoulders (shoulderSkin) is left out: its capsules,
// nearly side by side, take the drawing layer minutes a shoulder.
const std::array<Stretch, 14> kStretches = {
    &abdomenAndPelvis, &legs,     &shoes,         &trunkCore,     &rightShoulder, &leftShoulder, &arms,
    &hands,            &headFirst, &headFace,     &hairAndHelmet, &collarAndLips, &headPose,     &finalPose,
};

void drawFigure(Assembly& assembly)
{
    assembly.readPose();
    for (Stretch stretch : kStretches)
        stretch(assembly);
}

void Assembly::storeGirdleCentre()
{
    const Assembly& a = *this;
    const double B6 = a[A::B6], A6 = a[A::A6];
    f.Dim09 = std::sin(B6) * 235 * s();
    f.Dim06 = std::cos(B6) * std::cos(A6) * 235 * s() + 326 * s();
    f.Dim05 = std::cos(B6) * std::sin(A6) * 235 * s();
}

void finalPose(Assembly& a)
{
    acad::WorkingFields& f = a.f;
    const acad::AcadPoint origin(0, 0, 0);
    a.turn(f.BodySolid, origin, {77, 0, 0}, a[A::B7]);
    a.turn(f.BodySolid, origin, {0, 0, 77}, a[A::A7]);
    a.turn(f.BodySolid, origin, {77, 0, 0}, pi / 2);
    // A fixed factor (1755.5 / 1849.18), the same at every height.
    f.Dim01 = 0.94933970732973534215;
    f.BodySolid.ScaleEntity(f.AxisPoint, f.Dim01);
}

} // namespace figure
