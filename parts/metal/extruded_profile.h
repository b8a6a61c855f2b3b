#pragma once
// The one drawing routine of the extruded profiles: a panel gives its inputs
// (edit box and bank slot, in the order of conversion), which of them is the
// length, an optional rule on the converted values, and its contours; the
// routine converts, draws the first contour extruded by the length into
// BodySolid, cuts any further contour (extruded into ExtraSolid) out of it,
// and colours the part green.
#include "parts/metal/sections.h"

#include "acad/fields.h"

#include <vector>

class QLineEdit;

namespace metal {

// One input: its edit box and the bank slot that keeps it; kNoSlot for a
// value held only while the part is drawn.
struct ProfileInput {
    QLineEdit* edit;
    int slot;
};
constexpr int kNoSlot = -1;

// The converted inputs, in the order of conversion.
using Values = std::vector<double>;

struct ExtrudedProfile {
    std::vector<ProfileInput> inputs;
    int length;
    // Applied after every input is converted; it may change values and slots.
    void (*rule)(Values& values, acad::WorkingFields& w);
    // The part's contour, then any bores.
    std::vector<Section (*)(const Values& values)> contours;
};

// Converts the inputs in order, each into its slot as soon as it is read.
// A text that is not a number ends the procedure there.
Values readInputs(acad::WorkingFields& w, const std::vector<ProfileInput>& inputs);

// The profile-to-solid sequence of one section extruded by the height.
acad::IAcad3DSolid extrudeSection(acad::WorkingFields& w, const Section& section, double height);

// Draws the part: the body in BodySolid, colour 3. Returns the values.
Values drawExtruded(acad::WorkingFields& w, const ExtrudedProfile& profile);

// The colour of every rolled-metal part.
constexpr int kMetalColour = 3;

} // namespace metal
