// The pictures of the seal panels: axial sections of the seals as their
// "3D" buttons draw them about their axes, cut by the plane z = 0, with the
// dimension lines of the grooves and seats around them.
#include "tools/pictures/records.h"

namespace pictures {

namespace {

// Seen along -Z, the axis across the picture (the face seal: its axis
// upright, the groove opening upwards).
constexpr View kAcross{{0, 0, 1}, {0, 1, 0}};
constexpr View kAxisUp{{0, 0, 1}, {1, 0, 0}};
constexpr Vector kCut{0, 0, 1};

} // namespace

std::vector<PartPicture> sealsPictures()
{
    using M = Mark;
    return {
        {"seals/face_seal.png", "Panel53", "Image16", "BitBtn47",
         {{"Edit76", "D2", 24}, {"Edit77", "d4", 14}, {"Edit78", "H", 3}, {"Edit79", "R", 0.6}, {"Edit80", "r", 0.4}},
         kAxisUp,
         kCut,
         {{M::Axis, "", {"-H/2", "D2/2 + r", "0"}, {"H*1.6", "D2/2 + r", "0"}, {}},
          {M::Linear, "D2", {"H", "r", "0"}, {"H", "D2 + r", "0"}, {"H*1.1", "0", "0"}},
          {M::Linear, "d4", {"H", "(D2 - d4)/2 + r", "0"}, {"H", "(D2 + d4)/2 + r", "0"}, {"H*0.5", "0", "0"}},
          {M::Linear, "H", {"0", "D2 + 2*r", "0"}, {"H", "D2 + 2*r", "0"}, {"0", "H*0.6", "0"}}}},

        {"seals/radial_seal.png", "Panel54", "Image17", "BitBtn51",
         {{"Edit81", "D2", 48}, {"Edit82", "d3", 42}, {"Edit83", "D1", 0}, {"Edit84", "d2", 0}, {"Edit85", "b", 8},
          {"Edit86", "R", 0.4}, {"Edit87", "r", 0.3}, {"Edit89", "k", 1}, {"Edit88", "D", 50}, {"Edit90", "d", 0}},
         kAxisUp,
         kCut,
         {{M::Axis, "", {"-b", "0", "0"}, {"b", "0", "0"}, {}},
          {M::Linear, "D", {"b/2", "-D/2", "0"}, {"b/2", "D/2", "0"}, {"b*0.7", "0", "0"}},
          {M::Linear, "D2", {"b/2 + r", "-D2/2", "0"}, {"b/2 + r", "D2/2", "0"}, {"b*0.2", "0", "0"}},
          {M::Linear, "d3", {"-b/2", "-d3/2", "0"}, {"-b/2", "d3/2", "0"}, {"-b*0.4", "0", "0"}},
          {M::Linear, "b", {"-b/2", "D/2", "0"}, {"b/2", "D/2", "0"}, {"0", "D/10", "0"}},
          {M::Linear, "k", {"b/2 - k", "d3/2", "0"}, {"b/2", "d3/2", "0"}, {"0", "-d3/10", "0"}}}},

        {"seals/shaft_cuff.png", "Panel68", "Image26", "BitBtn63",
         {{"Edit125", "D", 80}, {"Edit126", "d", 50}, {"Edit133", "h", 12}},
         kAxisUp,
         kCut,
         {{M::Axis, "", {"-h/3", "0", "0"}, {"h*1.3", "0", "0"}, {}},
          {M::Linear, "D", {"h", "-D/2", "0"}, {"h", "D/2", "0"}, {"h*0.4", "0", "0"}},
          {M::Linear, "d", {"0", "-d/2", "0"}, {"0", "d/2", "0"}, {"-h*0.4", "0", "0"}},
          {M::Linear, "h", {"0", "D/2", "0"}, {"h", "D/2", "0"}, {"0", "(D - d)/4", "0"}}}},

        {"seals/piston_seat.png", "Panel69", "Image27", "BitBtn65",
         {{"Edit212", "Dc", 24}, {"Edit213", "Dp", 23.8}, {"Edit214", "D1", 16}, {"Edit215", "d", 6},
          {"Edit216", "h", 10}, {"Edit217", "h1", 6}, {"Edit218", "f", 0.5}, {"Edit223", "R3", 2}, {"Edit224", "fc", 1.2}},
         kAcross,
         kCut,
         {{M::Axis, "", {"-2", "0", "0"}, {"h1 + h + 3", "0", "0"}, {}},
          {M::Linear, "D", {"h1 + h", "-Dc/2", "0"}, {"h1 + h", "Dc/2", "0"}, {"3", "0", "0"}},
          {M::Linear, "D1", {"0", "-D1/2", "0"}, {"0", "D1/2", "0"}, {"-2", "0", "0"}},
          {M::Linear, "d", {"h1", "-d/2", "0"}, {"h1", "d/2", "0"}, {}},
          {M::Linear, "h1", {"0", "Dc/2", "0"}, {"h1", "Dc/2", "0"}, {"0", "5.5", "0"}},
          {M::Linear, "h", {"h1", "Dc/2", "0"}, {"h1 + h", "Dc/2", "0"}, {"0", "3", "0"}}}},

        {"seals/collar.png", "Panel69", "Image29", "BitBtn65",
         {{"Edit212", "Dc", 24}, {"Edit213", "Dp", 23.8}, {"Edit214", "D1", 16}, {"Edit215", "d", 6},
          {"Edit216", "h", 10}, {"Edit217", "h1", 6}, {"Edit218", "f", 0.5}, {"Edit223", "R3", 2}, {"Edit224", "fc", 1.2}},
         kAcross,
         kCut,
         {{M::Leader, "R3", {"h1 + h - (Dc - d)/4", "d/2 + (Dc - d)/4", "0"}, {"h1 + h + 3", "d/2 + (Dc - d)/4", "0"}, {}},
          {M::Linear, "f", {"h1 + h - fc", "Dc/2", "0"}, {"h1 + h", "Dc/2", "0"}, {"0", "2", "0"}}}},

        {"seals/rod_seat.png", "Panel69", "Image28", "BitBtn66",
         {{"Edit219", "dr", 5.97}, {"Edit220", "dh", 6.01}, {"Edit221", "d1", 10}, {"Edit222", "d2", 14},
          {"Edit225", "b", 6}, {"Edit226", "H", 12}, {"Edit223", "R3", 1}, {"Edit224", "fc", 0.6}},
         kAcross,
         kCut,
         {{M::Axis, "", {"-2", "0", "0"}, {"b + H + 2", "0", "0"}, {}},
          {M::Linear, "d", {"0", "-dr/2", "0"}, {"0", "dr/2", "0"}, {"-1.5", "0", "0"}},
          {M::Linear, "d2", {"b + 0.5", "-d2/2", "0"}, {"b + 0.5", "d2/2", "0"}, {}},
          {M::Linear, "d1", {"b + 0.5 + H", "-d1/2", "0"}, {"b + 0.5 + H", "d1/2", "0"}, {"1.5", "0", "0"}},
          {M::Linear, "b", {"0.5", "d2/2", "0"}, {"b + 0.5", "d2/2", "0"}, {"0", "2", "0"}},
          {M::Linear, "\u041D", {"b + 0.5", "d1/2", "0"}, {"b + 0.5 + H", "d1/2", "0"}, {"0", "2", "0"}}}},
    };
}

} // namespace pictures
