#pragma once
// The worker figure as "3D" draws it. One run reads the height and the
// angles of the pose and prepares the angles, then the stretches build the
// body piece by piece in body order, each piece in its pose colour united
// into the body (or into a group that joins it as a whole), and the last
// stretch turns the finished body into its pose and scales it.
//
// While the figure is built, +X points to the figure's left, +Y up (y = 0 at
// the hip joints) and +Z to the front. Every size is given for a figure
// 1755.5 mm tall and stands for that size times s = H / 1755.5.
#include "acad/fields.h"
#include "figure/pose_record.h"

#include <array>
#include <numbers>

class QWidget;

namespace figure {

// The pose angles by caption, in the order in which they are read.
enum class Angle : int {
    A1, B1, C1,
    A2P, B2P, A3P, B3P, A4P, B4P, A5P, B5P, C5P,
    A2L, B2L, A3L, B3L, A4L, B4L, A5L, B5L, C5L,
    A6, B6, A7, B7,
    A8L, B8L, A8P, B8P, A9L, B9L, A9P, B9P, A10L, B10L, C10L, A10P, B10P, C10P,
    AA2P, BA2P, AA1P, BA1P, AB3P, BB3P, AB2P, BB2P, AB1P, BB1P, AC3P, BC3P, AC2P, BC2P, AC1P, BC1P,
    AD3P, BD3P, AD2P, BD2P, AD1P, BD1P, AE3P, BE3P, AE2P, BE2P, AE1P, BE1P,
    AA1L, BA1L, AA2L, BA2L, AB1L, BB1L, AB2L, BB2L, AB3L, BB3L, AC1L, BC1L, AC2L, BC2L, AC3L, BC3L,
    AD1L, BD1L, AD2L, BD2L, AD3L, BD3L, AE1L, BE1L, AE2L, BE2L, AE3L, BE3L,
};
constexpr int kAngleCount = 95;

// How the degrees typed for an angle become the radians the figure uses:
// clamped to ±limit (when limit > 0), offset, a result of exactly 0 replaced
// by `special` (when special ≠ 0), reduced by whole turns towards zero.
struct AnglePreparation {
    Angle angle;
    const char* caption; // the name of the pose value, as in the pose record
    double limit;
    double offset;
    double special;
};

// Every angle, in the order of reading.
extern const std::array<AnglePreparation, kAngleCount> kAnglePreparations;

double prepareAngle(const AnglePreparation& preparation, double degrees);

// The nine colours of the pose, each three edits: red, green, blue.
enum class PoseColour { Skin, Lips, Hair, Eyeballs, Pupils, Overalls, Turtleneck, Shoes, Helmet };

struct Rgb {
    int red, green, blue;
};

// An angle given in degrees, in radians.
constexpr double radians(double degrees)
{
    return degrees * std::numbers::pi / 180;
}

// The direction of a limb segment posed by the angle pair (a, b):
// (sin a·cos b, cos a·cos b, −sin b).
acad::AcadPoint segmentDirection(double a, double b);

// One run of the figure: the working fields, the pose's edits and the
// prepared angles.
class Assembly {
public:
    // The pose is read from the edits and check boxes of the two pages.
    Assembly(acad::WorkingFields& fields, const QWidget* bodyPage, const QWidget* fingerPage);

    acad::WorkingFields& f;

    // The first stretch: Dim24 to Dim26 := 0, the height into Dim01, every
    // angle read and prepared in order, the shoulder angles into Dim17 to
    // Dim20. A text that is not a number ends the run here.
    void readPose();

    double H() const { return H_; }
    double s() const;
    // A size of the reference figure at this figure's height.
    double scaled(double size) const { return size * s(); }
    // The prepared angle, radians.
    double operator[](Angle a) const { return angles_[static_cast<int>(a)]; }

    // The colour's three edits converted now: a text that is not a whole
    // number ends the run at this point.
    Rgb colour(PoseColour c) const;
    bool withHair() const;
    bool withHelmet() const;

    // The skin colour as the head converted it when it coloured its group;
    // the face gives the group that colour again from here, without
    // converting the edits a second time.
    Rgb headSkin{};

    // Gives the piece the colour (its true colour, read, set and written
    // back) and unites it into the receiver, which uses the piece up.
    void colourAndUnite(acad::IAcad3DSolid& receiver, acad::IAcad3DSolid& piece, const Rgb& colour) const;
    // The same with the pose colour converted from its edits first.
    void colourAndUnite(acad::IAcad3DSolid& receiver, acad::IAcad3DSolid& piece, PoseColour c) const;
    // Only the colour.
    static void paint(acad::IAcad3DSolid& piece, const Rgb& colour);

    // Turns the solid about the axis from `from` to `to`, which are left in
    // AxisPoint and AxisDirection.
    void turn(acad::IAcad3DSolid& solid, const acad::AcadPoint& from, const acad::AcadPoint& to, double angle);
    // Moves the solid from `from` to `to`, left in AxisPoint and AxisDirection.
    void move(acad::IAcad3DSolid& solid, const acad::AcadPoint& from, const acad::AcadPoint& to);

    // The girdle centre, 235 above the upper trunk's pivot at y = 326 turned
    // by B6 about X and A6 about Z, into Dim09, Dim06 and Dim05 in that
    // order; x is stored with the sign the shoulders and the neck reverse.
    void storeGirdleCentre();

private:
    PoseEdits edits_;
    const QWidget* bodyPage_;
    double H_ = 0;
    std::array<double, kAngleCount> angles_{};
};

// A stretch of the figure: a part of the body built and joined.
using Stretch = void (*)(Assembly&);

// The stretches after the reading of the pose, in the order they run.
extern const std::array<Stretch, 14> kStretches;

// The whole figure: the pose read, then every stretch.
void drawFigure(Assembly& assembly);

// The last stretch: the body turned by B7 about X and by A7 about Z, stood
// up along +Z, and scaled by the fixed factor about the origin.
void finalPose(Assembly& assembly);

} // namespace figure
