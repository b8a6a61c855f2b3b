#pragma once
// The elastic jaw coupling (GOST 14084) drawn whole: the elastic element
// between two half-couplings whose jaws hold it. The element and every size
// that meets it come from the size row of the nominal torque; the lengths,
// hub, fillet, bore and keyway of each half-coupling are typed, one column
// of edits per half-coupling, each edit read when its step comes.
#include "acad/fields.h"
#include "parts/transmissions/coupling_elements.h"

#include <array>

class QLineEdit;

namespace transmissions {

// One size row; the star's own sizes (Dh, H) are 0 in the cross rows, which
// do not write them.
struct CouplingRow {
    const char* torque; // caption of the torque switch
    ElementForm form;
    double D, Dh, lobe, H, root, Df, B, c, e, f;
};

extern const std::array<CouplingRow, 9> couplingRows;

// D, c, lobe width, root radius, B, Df, e, f into Dim00, Dim03, Dim04, Dim08,
// Dim11, Dim14, Dim17, Dim20, and for the star rows H and Dh into Dim01, Dim15.
void writeCouplingRow(acad::WorkingFields& w, const CouplingRow& row);

// The row written, its element drawn into NewSolid and coloured 154.
void drawCouplingElement(acad::WorkingFields& w, const CouplingRow& row);

enum class JawForm { Cross, Star };

// The edits of one half-coupling's column.
struct HalfCouplingEdits {
    const QLineEdit *L1, *L, *L2, *d1, *R, *d, *dt, *b, *r;
};

// What sets the two half-couplings apart.
struct HalfCouplingSide {
    acad::IAcad3DSolid acad::WorkingFields::*solid;
    double crossMove;   // the move along Z after the cross jaws
    bool facesElement;  // turned by a half turn about Y before the bore
    double keywaySense; // the keyway prism's extrusion, as a multiple of 77·dt
    int colour;
};

extern const HalfCouplingSide halfCoupling2; // GroupSolid, facing -Z
extern const HalfCouplingSide halfCoupling1; // BodySolid, facing +Z

// One half-coupling: profile revolved, jaws cut, bored, keyway cut, coloured.
// The row must be in the bank; the rounded cuts of the star jaws take their
// diameter from Dim01 as it stands (from B in the cross rows, which hold no
// star thickness).
void drawHalfCoupling(acad::WorkingFields& w, const CouplingRow& row, JawForm jaws, const HalfCouplingEdits& edits,
                      const HalfCouplingSide& side);

} // namespace transmissions
