#pragma once
// The shoulders: the joint at the girdle, its cap and the skin over it.
//
// The skin over each shoulder: thin capsules from anchors on the upper chest
// and back up towards targets on the shoulder line, in seven bands. The rows
// are worked out at start from each band's rules (values at some rows with
// equal steps between them, bands mirrored from front to back, the odd
// values that break a rule, the armpit fan's pairs).
#include "figure/assembly.h"

#include <vector>

namespace figure {

enum class Shoulder { Right, Left };

// One capsule: its anchor (x0, y0, z0) on the trunk and its target
// (x1, y1, z1) relative to the girdle centre with the shoulder at rest,
// sizes of the reference figure.
struct SkinRow {
    double x0, y0, z0;
    double x1, y1, z1;
};

// When a band reads its colour from the pose: not at all (the values read
// last serve), before the fields of its first row are written, or once its
// first capsule is made and before that capsule is coloured.
enum class ColourRead { Held, BeforeFirstRow, AtFirstCapsule };

struct SkinBand {
    char name;        // 'A' to 'G'
    bool shortReach;  // the capsules reach 0.55 of the way (PPK, LLK)
    PoseColour colour;
    ColourRead read;
    std::vector<SkinRow> rows;
};

// The seven bands of the shoulder's skin in the order they are made.
const std::vector<SkinBand>& skinBands(Shoulder side);

// The two halves of a shoulder's stretch. The joint (a ball at the girdle
// centre inside the near end of a rod along the girdle, in the turtleneck
// colour) and the cap over the rod (overalls), united into the body; then
// the skin's capsules, each coloured by its band and united into the body.
// The skin goes on with the colour values the joint and cap read.
struct ShoulderColours {
    Rgb overalls, turtleneck;
};
ShoulderColours shoulderJoint(Assembly& a, Shoulder side);
void shoulderSkin(Assembly& a, Shoulder side, ShoulderColours held);

} // namespace figure
