#pragma once
// The V-belt drive in 3D: grooved pulley rims and the belts in their
// grooves. Profiles lie in the XY plane and turn about the X axis, the axis
// of the small pulley; x runs along the pulley axes from the rim's face.
#include "acad/fields.h"

#include <vector>

namespace transmissions {

// The groove of both pulleys, lengths in millimetres, γ in radians.
struct Groove {
    double z;  // number of grooves (and belts)
    double H;  // depth below the pitch diameter
    double Lp; // width at the pitch diameter
    double b;  // height of the mouth above the pitch diameter
    double f;  // from the face to the first groove's centre
    double e;  // between neighbouring grooves
    double r;  // rounding of the mouth's edges
    double gamma;

    // The width of the rims.
    double width() const { return (z - 1) * e + 2 * f; }
};

// The lower (5 vertices) and the upper (7 vertices, rounded at vertices 2
// and 4) part of the groove's cutting tool at the pitch diameter d.
std::vector<acad::XY> grooveLowerProfile(const Groove& g, double d);
std::vector<acad::XY> grooveUpperProfile(const Groove& g, double d);
// The bulge of the two roundings of the mouth.
double grooveMouthBulge(const Groove& g);

// A rim of pitch diameter d at the origin, axis along X, with its grooves
// cut; the solid is left in `slot`, ModeFlag counts the grooves.
void drawPulley(acad::WorkingFields& w, acad::IAcad3DSolid& slot, const Groove& g, double d);

// The belt's section at the pitch radius R (6 vertices, the outer face an
// arc of the belt's angle β, radians), Lq its width at the pitch line.
struct BeltSection3D {
    double Yo, h, Lq, f, beta;
};
std::vector<acad::XY> beltProfile(const BeltSection3D& s, double R);
// The bulge of the belt's outer face.
double beltFaceBulge(const BeltSection3D& s);

// The distance between the ends of the two arcs of a belt on one side.
double branchLength(double a, double dm, double db, double theta1, double theta2);

} // namespace transmissions
