#pragma once
// The barbed end of a hose nipple: four saw teeth over which a hose is
// pushed, a solid of revolution about the X axis with its tip face in the
// plane x = 0 and its body on the -X side. Its sizes come in the bank: Dim11
// the pitch p (the barb is 4p long), Dim12 the root diameter, Dim14 the
// crest diameter. The barb is left uncoloured in NewSolid, with AxisPoint
// (0, 0, 0) and AxisDirection (77, 0, 0).
#include "acad/fields.h"

namespace pipes {

void Ersh(acad::WorkingFields& f);

} // namespace pipes
