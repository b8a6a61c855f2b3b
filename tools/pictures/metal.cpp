// The pictures of the rolled-metal panels. Every part lies as its panel
// draws it: the section in the XY plane, the length L along +Z (the nozzle's
// axis along +X).
#include "tools/pictures/records.h"

namespace pictures {

namespace {

// Seen from the front, above and to the right, the end z = L nearest.
constexpr View kFrontRight{{1, 0.75, 1.5}, {0, 1, 0}};
// Seen from the front, above and to the left: into a channel opening to -X.
constexpr View kFrontLeft{{-1, 0.75, 1.5}, {0, 1, 0}};

} // namespace

std::vector<PartPicture> metalPictures()
{
    using M = Mark;
    return {
        {"metal/pipe.png", "Panel10", "Image2", "BitBtn4",
         {{"Edit5", "b", 60}, {"Edit6", "h", 40}, {"Edit7", "t", 4}, {"Edit8", "L", 110}, {"Edit522", "R", 8}},
         kFrontRight,
         {},
         {{M::Linear, "b", {"0", "0", "L"}, {"b", "0", "L"}, {"0", "-h/3", "0"}},
          {M::Linear, "h", {"0", "0", "L"}, {"0", "h", "L"}, {"-b/4", "0", "0"}},
          {M::Linear, "t", {"b*0.35", "0", "L"}, {"b*0.35", "t", "L"}, {}},
          {M::Linear, "L", {"b", "0", "L"}, {"b", "0", "0"}, {"b/5", "-h/4", "0"}},
          {M::Leader, "R", {"R*0.29", "h - R*0.29", "L"}, {"-b/8", "h*1.35", "L"}, {}}}},

        {"metal/angle.png", "Panel12", "Image3", "BitBtn8",
         {{"Edit9", "B", 63}, {"Edit10", "b", 40}, {"Edit11", "t", 5}, {"Edit12", "R", 7}, {"Edit13", "r", 2.3},
          {"Edit14", "L", 110}},
         kFrontRight,
         {},
         {{M::Linear, "B", {"0", "0", "L"}, {"0", "B", "L"}, {"-b/3", "0", "0"}},
          {M::Linear, "b", {"0", "0", "L"}, {"b", "0", "L"}, {"0", "-B/5", "0"}},
          {M::Linear, "t", {"0", "B*0.6", "L"}, {"t", "B*0.6", "L"}, {}},
          {M::Leader, "R", {"t + R*0.29", "t + R*0.29", "L"}, {"b*0.55", "B*0.3", "L"}, {}},
          {M::Leader, "r", {"t - r*0.29", "B - r*0.29", "L"}, {"b*0.45", "B*0.95", "L"}, {}},
          {M::Linear, "L", {"b", "0", "L"}, {"b", "0", "0"}, {"b/5", "-B/6", "0"}}}},

        {"metal/bent_angle.png", "Panel16", "Image4", "BitBtn10",
         {{"Edit15", "B", 50}, {"Edit16", "b", 40}, {"Edit17", "s", 4}, {"Edit18", "R", 6}, {"Edit19", "L", 100}},
         kFrontRight,
         {},
         {{M::Linear, "B", {"0", "0", "L"}, {"0", "B", "L"}, {"-b/3", "0", "0"}},
          {M::Linear, "b", {"0", "0", "L"}, {"b", "0", "L"}, {"0", "-B/5", "0"}},
          {M::Linear, "s", {"0", "B*0.75", "L"}, {"s", "B*0.75", "L"}, {}},
          {M::Leader, "R", {"s + R*0.29", "s + R*0.29", "L"}, {"b*0.55", "B*0.35", "L"}, {}},
          {M::Linear, "L", {"b", "0", "L"}, {"b", "0", "0"}, {"b/5", "-B/6", "0"}}}},

        {"metal/bent_channel.png", "Panel28", "Image7", "BitBtn23",
         {{"Edit36", "h", 80}, {"Edit37", "b", 40}, {"Edit38", "s", 4}, {"Edit39", "R", 6}, {"Edit40", "L", 100}},
         kFrontRight,
         {},
         {{M::Linear, "h", {"0", "0", "L"}, {"0", "h", "L"}, {"-b/3", "0", "0"}},
          {M::Linear, "b", {"0", "0", "L"}, {"b", "0", "L"}, {"0", "-h/8", "0"}},
          {M::Linear, "s", {"b*0.7", "h", "L"}, {"b*0.7", "h - s", "L"}, {}},
          {M::Leader, "R", {"s + R*0.29", "h - s - R*0.29", "L"}, {"b*0.6", "h*0.65", "L"}, {}},
          {M::Linear, "L", {"b", "0", "L"}, {"b", "0", "0"}, {"b/5", "-h/8", "0"}}}},

        {"metal/hexagon.png", "Panel37", "Image9", "BitBtn27",
         {{"Edit47", "a", 30}, {"Edit49", "L", 80}},
         kFrontRight,
         {},
         {{M::Linear, "\u0430", {"-a/2", "-a*0.2887", "L"}, {"a/2", "-a*0.2887", "L"}, {"0", "-a*0.55", "0"}},
          {M::Linear, "L", {"a/2", "-a*0.2887", "L"}, {"a/2", "-a*0.2887", "0"}, {"a/4", "-a/4", "0"}},
          {M::Axis, "", {"0", "0", "L + a/4"}, {"0", "0", "-a/4"}, {}}}},

        {"metal/channel.png", "Panel24", "Image6", "BitBtn19",
         {{"Edit28", "h", 120}, {"Edit29", "b", 52}, {"Edit30", "s", 4.8}, {"Edit31", "t", 7.8},
          {"Edit32", "R", 7.5}, {"Edit33", "r", 3}, {"Edit34", "L", 130}, {"Edit35", "slope", 7}},
         kFrontLeft,
         {},
         {{M::Linear, "h", {"b", "0", "L"}, {"b", "h", "L"}, {"b/3", "0", "0"}},
          {M::Linear, "b", {"0", "0", "L"}, {"b", "0", "L"}, {"0", "-h/8", "0"}},
          {M::Linear, "s", {"b - s", "h*0.28", "L"}, {"b", "h*0.28", "L"}, {}},
          {M::Linear, "t", {"(b - s)/2", "0", "L"}, {"(b - s)/2", "t", "L"}, {}},
          {M::Leader, "R", {"b - s - R*0.29", "t + R*0.6", "L"}, {"b*0.3", "h*0.36", "L"}, {}},
          {M::Leader, "r", {"r*0.29", "h - t + r*0.5", "L"}, {"b*0.35", "h*0.75", "L"}, {}},
          {M::Linear, "L", {"0", "0", "L"}, {"0", "0", "0"}, {"-b/5", "-h/10", "0"}}}},

        {"metal/ibeam.png", "Panel20", "Image5", "BitBtn15",
         {{"Edit20", "h", 120}, {"Edit21", "b", 64}, {"Edit22", "s", 4.8}, {"Edit23", "t", 7.3},
          {"Edit25", "r", 3}, {"Edit24", "R", 7}, {"Edit26", "L", 130}, {"Edit27", "slope", 7}},
         kFrontRight,
         {},
         {{M::Linear, "h", {"0", "0", "L"}, {"0", "h", "L"}, {"-b/4", "0", "0"}},
          {M::Linear, "b", {"0", "0", "L"}, {"b", "0", "L"}, {"0", "-h/10", "0"}},
          {M::Linear, "s", {"b/2 - s/2", "h/2", "L"}, {"b/2 + s/2", "h/2", "L"}, {}},
          {M::Linear, "t", {"(b - s)/4", "h - t", "L"}, {"(b - s)/4", "h", "L"}, {}},
          {M::Leader, "R", {"b/2 + s/2 + R*0.29", "t + R*0.6", "L"}, {"b*0.85", "h*0.3", "L"}, {}},
          {M::Leader, "r", {"r*0.29", "t - r*0.3", "L"}, {"b*0.12", "h*0.3", "L"}, {}},
          {M::Linear, "L", {"b", "0", "L"}, {"b", "0", "0"}, {"b/5", "-h/10", "0"}}}},

        {"metal/nozzle.png", "Panel33", "Image8", "BitBtn26",
         {{"Edit41", "D", 57}, {"Edit42", "S", 3.5}, {"Edit43", "L", 100}, {"Edit44", "Lv", 20}, {"Edit45", "Dv", 51}},
         {{0, 0, 1}, {0, 1, 0}},
         Vector{0, 0, 1},
         {{M::Axis, "", {"-L/12", "0", "0"}, {"L + L/12", "0", "0"}, {}},
          {M::Linear, "D", {"0", "-D/2", "0"}, {"0", "D/2", "0"}, {"-L/8", "0", "0"}},
          {M::Linear, "Dv", {"L", "-Dv/2", "0"}, {"L", "Dv/2", "0"}, {"L/8", "0", "0"}},
          {M::Linear, "L", {"0", "-D/2", "0"}, {"L", "-D/2", "0"}, {"0", "-D/4", "0"}},
          {M::Linear, "Lv", {"L - Lv", "D/2", "0"}, {"L", "D/2", "0"}, {"0", "D/4", "0"}},
          {M::Linear, "S", {"L/4", "D/2 - S", "0"}, {"L/4", "D/2", "0"}, {}}}},
    };
}

} // namespace pictures
