#pragma once
// The drawing's 2D part saved as DXF (AutoCAD 2000, AC1015), for the user's
// own CAD: lines, arcs, circles, 2D polylines with their bulges, regions
// (each loop a closed polyline), 3D polylines and multiline texts, each with
// its colour and lineweight, in millimetres and the model space's own
// coordinates, all on layer 0. Texts keep Cyrillic and every other letter
// beyond ASCII as \U+XXXX escapes, which AutoCAD and the programs reading
// its files understand. Solids are left to STEP.
#include "acad/model.h"

#include <QString>

namespace acad {

struct DxfSaved {
    int written = 0; // entities written
    int solids = 0;  // solids left out
};

// Writes the file; throws EOleException when it cannot be written.
DxfSaved saveDxf(const Document& document, const QString& path);

// A text as DXF keeps it: ASCII as it stands, other characters \U+XXXX.
std::string dxfText(const QString& text);

} // namespace acad
