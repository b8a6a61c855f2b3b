#pragma once
// Ribbed caps and pipe couplings: a body of revolution with a bead at its
// open end (a cap, closed at the other end) or at both ends (a coupling),
// carrying N radial ribs on its outer wall, drawn as one solid of colour 52
// with its axis on the Z axis from z = 0 (open end) to z = L. The two panels
// differ only in the data below.
#include "acad/fields.h"

#include <QLineEdit>

#include <array>
#include <vector>

namespace pipes {

struct RibbedBodyProfile {
    std::vector<acad::XY> vertices;
    std::vector<acad::Bulge> bulges; // in the order they are set
};

struct RibbedBodyTwin {
    // The body's edits in reading order, each with the bank slot it fills.
    std::vector<std::pair<const QLineEdit*, int>> bodyInputs;
    // The half section of the body from the bank (Dim13 holds the bead angle).
    RibbedBodyProfile (*profile)(const acad::WorkingFields& f);
    // h, D1, R4, R5, R6, Alfa (degrees), L3, L2, N in reading order.
    std::array<const QLineEdit*, 9> ribInputs;
};

// The cap's and the coupling's half sections.
RibbedBodyProfile capProfile(const acad::WorkingFields& f);
RibbedBodyProfile couplingProfile(const acad::WorkingFields& f);

// The body, then rib after rib united with it, then its colour.
void drawRibbedBody(acad::WorkingFields& f, const RibbedBodyTwin& twin);

} // namespace pipes
