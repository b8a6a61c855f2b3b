#pragma once
// One radial rib of a ribbed cap or a pipe coupling, built at angle 0 round
// the body's axis (the Z axis, the open end in the plane z = 0): a tapered
// section with root fillets and rounded tip edges, extruded over the rib's
// length, with its two outer end corners rounded. Its sizes come in the
// bank and stay there unchanged: Dim00 D (bore), Dim05 f (wall), Dim01 h
// (root chord), Dim12 D1 (over the ribs), Dim09 R6 (root fillets), Dim08 R5
// (tip roundings), Dim13 Alfa (flank angle, radians), Dim11 L3 (length),
// Dim16 L2 (height of the lower end), Dim07 R4 (end roundings; 0 keeps the
// corners sharp). Writes Dim23 (half-angle of the root chord) and Dim02
// (width between the flank lines at the tip). The rib is left in ToolSolid,
// from z = L2 to L2 + L3, with BasePoint at the origin.
#include "acad/fields.h"

namespace pipes {

void Ship(acad::WorkingFields& f);

} // namespace pipes
