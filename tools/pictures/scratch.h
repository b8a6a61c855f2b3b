#pragma once
// A scratch drawing in which a panel draws its part as a user would have it
// drawn: the program's part panels over a drawing of their own, the sizes
// typed into the panel's edits and its button pressed.
#include "tools/pictures/records.h"

#include <QSize>
#include <TopoDS_Shape.hxx>

namespace pictures {

struct DrawnPart {
    TopoDS_Shape shape; // the solid the record names (the newest unless told), or the lines
    QSize imageSize;    // the size of the panel's picture
};

// Throws std::runtime_error when the panel, an edit, a switch, the button
// or the picture is missing, or when the button fails.
DrawnPart drawPart(const PartPicture& picture);
// The same for one view of the picture: its own sizes and switches.
DrawnPart drawPart(const PartPicture& picture, const std::vector<Size>& sizes,
                   const std::vector<const char*>& switches);

// The letters of the panel's edit labels ("b  =" gives "b", "L** =" gives
// "L", "Шаг резьбы, . .  P =" gives "P"), in the order of the layout. An
// edit's label is the one whose buddy it is, or the one named after it; a
// label in words ("цилиндра") takes the big letter standing alone before it,
// and a label gives its letter once, however many edits it serves. Edits
// without such a label (outputs, the slope) are left out.
std::vector<std::string> panelLetters(const char* panel);

} // namespace pictures
