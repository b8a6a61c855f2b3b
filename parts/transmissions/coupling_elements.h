#pragma once
// The elastic elements of the jaw coupling (GOST 14084): the six-lobe star and
// the four-arm cross. Both take their sizes from the dimension bank and leave
// the element in NewSolid, on the Z axis, with no colour set.
#include "acad/fields.h"

#include <QString>

#include <array>

namespace transmissions {

// The six-lobe star from D (Dim00), H (Dim01), b (Dim04), r (Dim08) and the
// hub diameter Dh (Dim15). It lowers b, Dh and H by 0.0002 and r by 0.0001
// in their fields first and keeps them lowered; the angle at the axis from a
// lobe's centre line to the end of its fillet goes into Dim13. The star spans
// z from -H/2 to H/2, one lobe along +Y. Needs b < Dh.
void ZvMuft(acad::WorkingFields& w);

// The four-arm cross from D (Dim00), b (Dim04) and r (Dim08), 10.4998 thick,
// its upper face at z = -0.0001, its arms along the axes. Changes no Dim field.
void KrestMuft(acad::WorkingFields& w);

enum class ElementForm { Cross, Star };

// The element at its free size for one nominal torque; "-" sizes are 0.
struct FreeElement {
    const char* torque; // caption of the torque switch
    ElementForm form;
    double D, Dh, b, H, r;
};

extern const std::array<FreeElement, 9> freeElements;

// Writes the row's sizes into the bank, draws its element and colours it 154.
void drawFreeElement(acad::WorkingFields& w, const FreeElement& row);

} // namespace transmissions
