// The pictures of the seal panels: axial sections of the seals as their
// "3D" buttons draw them about their axes (the X axis, or the face seal's
// axis through (0, D2/2 + r) along X), cut by the plane z = 0, with the
// grooves and seats around them, and the face seal's "2D" drawing as it
// lies. Where a panel has two variants, both stand side by side, each under
// its switch.
#include "tools/pictures/records.h"

namespace pictures {

namespace {

// Seen along -Z: the axis across the picture, or upright.
constexpr View kAcross{{0, 0, 1}, {0, 1, 0}};
constexpr View kAxisUp{{0, 0, 1}, {1, 0, 0}};
constexpr Vector kCut{0, 0, 1};

constexpr Place kLeft{0, 0, 0.5, 1};
constexpr Place kRight{0.5, 0, 0.5, 1};

} // namespace

std::vector<PartPicture> sealsPictures()
{
    using M = Mark;
    const std::vector<Size> face{
        {"Edit76", "D2", 24}, {"Edit77", "d4", 16}, {"Edit78", "H", 3}, {"Edit79", "R", 0.6}, {"Edit80", "r", 0.4}};
    const std::vector<Size> radialA{{"Edit81", "D2", 48}, {"Edit82", "d3", 38}, {"Edit83", "D1", 0},
                                    {"Edit84", "d2", 0},  {"Edit85", "b", 10},   {"Edit86", "R", 0.4},
                                    {"Edit87", "r", 0.3}, {"Edit89", "k", 1},   {"Edit88", "D", 50},
                                    {"Edit90", "d", 0}};
    const std::vector<Size> radialB{{"Edit81", "D2", 0},  {"Edit82", "d3", 0}, {"Edit83", "D1", 60},
                                    {"Edit84", "d2", 50}, {"Edit85", "b", 10},  {"Edit86", "R", 0.4},
                                    {"Edit87", "r", 0.3}, {"Edit89", "k", 1},  {"Edit88", "D", 0},
                                    {"Edit90", "d", 48}};
    const std::vector<Size> cuff{{"Edit125", "D", 80}, {"Edit126", "d", 50}, {"Edit133", "h", 12}, {"Edit134", "h1", 16}};
    const std::vector<Size> piston{{"Edit212", "Dc", 24}, {"Edit213", "Dp", 23.8}, {"Edit214", "D1", 16},
                                   {"Edit215", "d", 6},   {"Edit216", "h", 10},    {"Edit217", "h1", 6},
                                   {"Edit218", "f", 0.5}, {"Edit223", "R3", 2},    {"Edit224", "fc", 1.2}};
    const std::vector<Size> rodSmall{{"Edit219", "dr", 30}, {"Edit220", "dh", 30.05}, {"Edit221", "d1", 34},
                                     {"Edit222", "d2", 40}, {"Edit225", "b", 6},      {"Edit226", "H", 10},
                                     {"Edit223", "R3", 1.2}, {"Edit224", "fc", 0.8}};
    const std::vector<Size> rodLarge{{"Edit219", "dr", 40}, {"Edit220", "dh", 40.1}, {"Edit221", "d1", 0},
                                     {"Edit222", "d2", 50}, {"Edit225", "b", 8},     {"Edit226", "H", 10},
                                     {"Edit223", "R3", 1.5}, {"Edit224", "fc", 1}};
    return {
        // "2D" of both groove variants with the squeezed ring, the groove
        // opening upwards.
        {"seals/face_seal.png", "Panel53", "Image16", "BitBtn48",
         face,
         kAxisUp,
         {},
         {{M::Axis, "", {"-H/2", "D2/2 + r", "0"}, {"H*1.6", "D2/2 + r", "0"}, {}},
          {M::Linear, "D2", {"H", "r", "0"}, {"H", "D2 + r", "0"}, {"H*1.2", "0", "0"}},
          {M::Linear, "d4", {"H", "(D2 - d4)/2 + r", "0"}, {"H", "(D2 + d4)/2 + r", "0"}, {"H*0.6", "0", "0"}},
          {M::Leader, "R", {"R - R*0.7071", "r + R - R*0.7071", "0"}, {"-H*0.6", "(D2 - d4)/2 + r + 2", "0"}, {}}},
         {"RadioButton9"},
         kLeft,
         {{face,
           {"RadioButton10"},
           kAxisUp,
           {},
           {{M::Axis, "", {"-H/2", "D2/2 + r", "0"}, {"H*1.6", "D2/2 + r", "0"}, {}},
            {M::Linear, "H", {"0", "D2 + 2*r", "0"}, {"H", "D2 + 2*r", "0"}, {"0", "2", "0"}},
            {M::Leader, "r", {"H - r + r*0.7071", "D2 + 2*r - r + r*0.7071", "0"}, {"H*1.5", "D2 - 3", "0"}, {}}},
           kRight}},
         Drawn::Lines},

        // Both groove variants in section with their rings: on a shaft
        // (left) and in a bore (right).
        {"seals/radial_seal.png", "Panel54", "Image17", "BitBtn51",
         radialA,
         kAxisUp,
         kCut,
         {{M::Axis, "", {"-b", "0", "0"}, {"b", "0", "0"}, {}},
          {M::Linear, "D", {"b/2", "-D/2", "0"}, {"b/2", "D/2", "0"}, {"b*0.5", "0", "0"}},
          {M::Linear, "D2", {"-b/2 - r", "-D2/2", "0"}, {"-b/2 - r", "D2/2", "0"}, {"-b*0.3", "0", "0"}},
          {M::Linear, "d3", {"-b/2", "-d3/2", "0"}, {"-b/2", "d3/2", "0"}, {"-b*0.9", "0", "0"}},
          {M::Linear, "b", {"-b/2", "D/2", "0"}, {"b/2", "D/2", "0"}, {"0", "D/10", "0"}},
          {M::Linear, "k", {"-b/2", "d3/2", "0"}, {"-b/2 + k", "d3/2", "0"}, {"0", "-d3/8", "0"}}},
         {"RadioButton11"},
         kLeft,
         {{radialB,
           {"RadioButton12"},
           kAxisUp,
           kCut,
           {{M::Axis, "", {"-b", "0", "0"}, {"b", "0", "0"}, {}},
            {M::Linear, "D1", {"b/2", "-D1/2", "0"}, {"b/2", "D1/2", "0"}, {"b*0.6", "0", "0"}},
            {M::Linear, "d2", {"-b/2 - r", "-d2/2", "0"}, {"-b/2 - r", "d2/2", "0"}, {"-b*0.3", "0", "0"}},
            {M::Linear, "d", {"-b/2 + k", "-d/2", "0"}, {"-b/2 + k", "d/2", "0"}, {"-b*0.8", "0", "0"}},
            {M::Leader, "R", {"b/2 - R*0.3", "D1/2 - R*0.3", "0"}, {"b*0.9", "D1/2 + D1/8", "0"}, {}},
            {M::Leader, "r", {"-b/2 - r*0.3", "-d2/2 - r*0.3", "0"}, {"-b*0.9", "-d2/2 + d2/6", "0"}, {}}},
           kRight}},
         Drawn::Solids},

        // Type 1 (left) and type 2 with its dust lip (right), each with its
        // spring and insert.
        {"seals/shaft_cuff.png", "Panel68", "Image26", "BitBtn63",
         cuff,
         kAcross,
         kCut,
         {{M::Axis, "", {"-h/3", "0", "0"}, {"h*1.3", "0", "0"}, {}},
          {M::Linear, "D", {"h", "-D/2", "0"}, {"h", "D/2", "0"}, {"h*0.4", "0", "0"}},
          {M::Linear, "d", {"0", "-d/2", "0"}, {"0", "d/2", "0"}, {"-h*0.4", "0", "0"}},
          {M::Linear, "h", {"0", "D/2", "0"}, {"h", "D/2", "0"}, {"0", "D/12", "0"}}},
         {"RadioButton13"},
         {0, 0.08, 0.5, 0.92},
         {{cuff,
           {"RadioButton14"},
           kAcross,
           kCut,
           {{M::Axis, "", {"h - h1 - h/3", "0", "0"}, {"h*1.3", "0", "0"}, {}},
            {M::Linear, "h1", {"h - h1", "-d/2", "0"}, {"h", "-d/2", "0"}, {"0", "-(D - d)/2 - D/12", "0"}}},
           {0.5, 0.08, 0.5, 0.92}}},
         Drawn::Solid},

        // The piston's seat with its collar.
        {"seals/piston_seat.png", "Panel69", "Image27", "BitBtn65",
         piston,
         kAcross,
         kCut,
         {{M::Axis, "", {"-2", "0", "0"}, {"h1 + h + 3", "0", "0"}, {}},
          {M::Linear, "D", {"h1 + h", "-Dc/2", "0"}, {"h1 + h", "Dc/2", "0"}, {"3", "0", "0"}},
          {M::Linear, "D1", {"0", "-D1/2", "0"}, {"0", "D1/2", "0"}, {"-2", "0", "0"}},
          {M::Linear, "d", {"h1 + 1.5", "-d/2", "0"}, {"h1 + 1.5", "d/2", "0"}, {}},
          {M::Linear, "h1", {"0", "-D1/2", "0"}, {"h1", "-D1/2", "0"}, {"0", "-(Dc/2 - D1/2) - 2.5", "0"}},
          {M::Linear, "h", {"h1", "D1/2", "0"}, {"h1 + h", "D1/2", "0"}, {"0", "Dc/2 - D1/2 + 2.5", "0"}},
          {M::Leader, "f \u00d7 45\u00b0", {"h1 - f/2", "D1/2 - f/2", "0"}, {"-2", "Dc/2 + 1", "0"}, {}}},
         {},
         {0, 0, 1, 1},
         {},
         Drawn::Solids},

        // The collar alone: its recess and its chamfer.
        {"seals/collar.png", "Panel69", "Image29", "BitBtn65",
         piston,
         kAcross,
         kCut,
         {{M::Leader, "R3", {"h1 + h - (Dc - d)/4", "d/2 + (Dc - d)/4", "0"}, {"h1 + h + 3", "d/2 + (Dc - d)/4", "0"}, {}},
          {M::Linear, "f", {"h1 + h - fc", "Dc/2", "0"}, {"h1 + h", "Dc/2", "0"}, {"0", "2", "0"}}}},

        // The rod's seats with their collars: with the entry wall for rods
        // up to 35 (left), without it beyond (right).
        {"seals/rod_seat.png", "Panel69", "Image28", "BitBtn66",
         rodSmall,
         kAcross,
         kCut,
         {{M::Axis, "", {"-2", "0", "0"}, {"b + H + 2", "0", "0"}, {}},
          {M::Linear, "d", {"0", "-dr/2", "0"}, {"0", "dr/2", "0"}, {"-1.5", "0", "0"}},
          {M::Linear, "d2", {"b*0.6", "-d2/2", "0"}, {"b*0.6", "d2/2", "0"}, {}},
          {M::Linear, "d1", {"b + 0.5 + H", "-d1/2", "0"}, {"b + 0.5 + H", "d1/2", "0"}, {"1.5", "0", "0"}}},
         {},
         {0, 0, 0.5, 1},
         {{rodLarge,
           {},
           kAcross,
           kCut,
           {{M::Axis, "", {"-2", "0", "0"}, {"b + H + 2", "0", "0"}, {}},
            {M::Linear, "b", {"0.5", "d2/2", "0"}, {"b + 0.5", "d2/2", "0"}, {"0", "3", "0"}},
            {M::Linear, "\u041d", {"b + 0.5", "-dh/2", "0"}, {"b + 0.5 + H", "-dh/2", "0"}, {"0", "-(d2/2 - dh/2) - 3", "0"}}},
           {0.5, 0, 0.5, 1}}},
         Drawn::Solids},
    };
}

} // namespace pictures
