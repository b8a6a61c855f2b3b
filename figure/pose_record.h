#pragma once
// The pose record of the worker figure: the height, 39 body angles, 56 finger
// angles and 27 colour components, held only as the texts of the edits on the
// figure's two pages. One table describes every value: its edit, its name,
// the caption beside it, its line in the pose file (its place in the table)
// and its initial value.
#include <array>

class QLineEdit;
class QWidget;

namespace figure {

enum class PoseKind { Height, Angle, Colour };

struct PoseValue {
    const char* edit;  // the edit that holds the value
    const char* name;  // the angle's name (A2P, BD3L), "H", or the colour and component
    const char* label; // the caption beside the edit; the row caption for a colour's R, else none
    PoseKind kind;
    int initial;       // the colour component of the initial pose
};

constexpr int kPoseSize = 123;

// The 123 values in the order of the pose file's lines.
extern const std::array<PoseValue, kPoseSize> kPoseValues;

// The reference height: every figure size is given for a figure this tall.
constexpr double kReferenceHeight = 1755.5;

// The edits of the record on the pages, in the table's order.
using PoseEdits = std::array<QLineEdit*, kPoseSize>;
PoseEdits findPoseEdits(const QWidget* bodyPage, const QWidget* fingerPage);

// Writes the captions of the record's edits on a page and the colour
// components of the initial pose into the colour edits it holds.
void captionPage(QWidget* page);

} // namespace figure
