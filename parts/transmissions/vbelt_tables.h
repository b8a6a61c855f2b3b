#pragma once
// The tables of the V-belt calculation: the sections recommended for a
// torque, the correction factors for the ratio and the wrap angle, and the
// belt sections with their grooves.
#include <QString>

#include <array>

namespace transmissions {

// Recommended sections and least pulley diameters for a torque on the fast shaft.
struct Recommendation {
    double fromTorque; // the row holds torques from this value up to the next row's
    const char* normal;
    const char* narrow;
    int normalDmin;
    int narrowDmin;
};
const Recommendation& recommendationFor(double torque);

// Ku for the actual ratio; 1.00 (no correction) up to 1.01.
double ratioFactor(double u);
// Cα for the wrap angle of the small pulley in degrees.
double wrapFactor(double alpha1);

// A belt section with the groove of its pulleys, lengths in millimetres.
struct BeltSection {
    const char* name;
    double bp, h, A1, b, e, f, r, H, Yo, Bo;
    bool narrow;
};
// In the order of the radio buttons of the section page.
extern const std::array<BeltSection, 9> kBeltSections;

} // namespace transmissions
