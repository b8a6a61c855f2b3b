// The jaw coupling's pictures. The coupling lies as its panel draws it: the
// axis along Z, the star's mid-plane at z = 0, half-coupling 1 on the +Z
// side with its keyway on +Y.
#include "tools/pictures/records.h"

namespace pictures {

namespace {

// Axial sections seen from -X with the axis across the picture, +Z to the right.
constexpr View kAlongAxis{{-1, 0, 0}, {0, 1, 0}};
// Sections across the axis and the hub end, seen from +Z.
constexpr View kAcross{{0, 0, 1}, {0, 1, 0}};

// Both columns typed alike: a stepped hub with its fillet, bored and keyed.
std::vector<Size> columns(double L1, double L, double L2, double d1, double R, double d, double dt, double b,
                          double r)
{
    return {{"Edit432", "L1", L1},  {"Edit437", "L", L},    {"Edit439", "L2", L2}, {"Edit441", "d1", d1},
            {"Edit443", "R", R},    {"Edit446", "d", d},    {"Edit445", "dt", dt}, {"Edit449", "b", b},
            {"Edit451", "r", r},    {"Edit436", "L1b", L1}, {"Edit438", "Lb", L},  {"Edit440", "L2b", L2},
            {"Edit442", "d1b", d1}, {"Edit444", "Rb", R},   {"Edit447", "db", d},  {"Edit448", "dtb", dt},
            {"Edit450", "bb", b},   {"Edit452", "rb", r}};
}

// "16" and "6,3", whose elements are about as large as each other.
const std::vector<Size> k16 = columns(40, 25, 20, 32, 2, 14, 16.3, 5, 0.3);
const std::vector<Size> k6p3 = columns(40, 29.5, 20, 28, 2, 12, 13.8, 4, 0.25);
// "400" with a long hub, for one half-coupling alone.
const std::vector<Size> k400 = columns(120, 90, 50, 100, 5, 40, 43.3, 12, 0.4);

} // namespace

std::vector<PartPicture> transmissionsPictures()
{
    using M = Mark;
    PartPicture assembly{
        "transmissions/jaw_coupling.png", "Panel88", "Image50", "BitBtn84", k16, kAlongAxis, Vector{-1, 0, 0},
        // Half-coupling 1, half-coupling 2 and the element on leaders.
        {{M::Axis, "", {"0", "0", "-L1 + 3"}, {"0", "0", "L1 - 3"}, {}},
         {M::Leader, "1", {"0", "d1/2 - 4", "L1 - 12"}, {"0", "d1/2 + 22", "L1 - 2"}, {}},
         {M::Leader, "2", {"0", "d1/2 - 4", "-L1 + 12"}, {"0", "d1/2 + 22", "-L1 + 2"}, {}},
         {M::Leader, "3", {"0", "20", "0"}, {"0", "d1/2 + 22", "4"}, {}}},
        {"RadioButton38", "RadioButton35"},
        {0, 0, 1, 0.5},
        // The sections A-A through the element: the cross (left, across the
        // middle of the cross) and the star (right).
        {{k6p3, {"RadioButton37", "RadioButton34"}, kAcross, Vector{0, 0, 1}, {}, {0, 0.5, 0.5, 0.5}, -5.25},
         {k16, {"RadioButton38", "RadioButton35"}, kAcross, Vector{0, 0, 1}, {}, {0.5, 0.5, 0.5, 0.5}}},
        Drawn::Solids};

    // Half-coupling 1 of "400" (the third solid of the press), its jaw tips
    // 15 from the mid-plane: its axial section and its hub end with the bore
    // and keyway.
    PartPicture half{
        "transmissions/half_coupling.png", "Panel88", "Image51", "BitBtn84", k400, kAlongAxis, Vector{-1, 0, 0},
        {{M::Axis, "", {"0", "0", "-25"}, {"0", "0", "L1 - 5"}, {}},
         {M::Linear, "L1", {"0", "-83", "-15"}, {"0", "-83", "L1 - 15"}, {"0", "-18", "0"}},
         {M::Linear, "L2", {"0", "83", "-15"}, {"0", "83", "L2 - 15"}, {"0", "14", "0"}},
         {M::Linear, "L", {"0", "d1/2", "L1 - L - 15"}, {"0", "d1/2", "L1 - 15"}, {"0", "83 - d1/2 + 36", "0"}},
         {M::Linear, "d1", {"0", "-d1/2", "L1 - 15"}, {"0", "d1/2", "L1 - 15"}, {"0", "0", "18"}},
         {M::Leader, "R", {"0", "d1/2 + R - R*0.7071", "L2 - 15 + R - R*0.7071"}, {"0", "d1/2 + 22", "L2 + 45"}, {}}},
        {"RadioButton44", "RadioButton35"},
        {0, 0, 0.55, 1},
        {{k400,
          {"RadioButton44", "RadioButton35"},
          kAcross,
          {},
          {{M::Linear, "b", {"-b/2", "dt - d/2", "L1 - 15"}, {"b/2", "dt - d/2", "L1 - 15"}, {"0", "95 - (dt - d/2)", "0"}},
           {M::Linear, "d", {"-d/2*0.7071", "-d/2*0.7071", "L1 - 15"}, {"d/2*0.7071", "d/2*0.7071", "L1 - 15"}, {}},
           {M::Linear, "d + t", {"0", "-d/2", "L1 - 15"}, {"0", "dt - d/2", "L1 - 15"}, {"-d1/2 - 12", "0", "0"}},
           {M::Leader, "r", {"b/2 - r + r*0.7071", "dt - d/2 - r + r*0.7071", "L1 - 15"}, {"b/2 + 60", "dt - d/2 + 45", "L1 - 15"},
            {}}},
          {0.55, 0, 0.45, 1}}},
        Drawn::Solid,
        {},
        // "d + t" shows the "d+t =" row.
        {{{"d", "t"}, {"t"}}},
        2};
    return {assembly, half};
}

} // namespace pictures
