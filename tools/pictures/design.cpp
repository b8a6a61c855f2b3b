// The pictures of the design-element panels. The rod and the sleeve stand
// upright as their panels draw them at first (the axis along -Z from point
// A at the origin), cut in half along the axis; the cutting bodies of the
// slot, the keyed bore and the spline bore rise from the XY plane along +Z.
// The metric thread lies along X: the bolt's band in half section, so that
// the teeth show, with the mating nut's sleeve beside it.
#include "tools/pictures/records.h"

namespace pictures {

namespace {

// Seen from the front, the upright axis upwards; the near half cut away.
constexpr View kFrontUpright{{0, -1, 0}, {0, 0, 1}};
constexpr Vector kNearHalf{0, -1, 0};
// Seen from above, in front and to the right.
constexpr View kAboveRight{{0.45, -0.9, 1}, {0, 1, 0}};
// Nearly along the bore's axis, a little from the right and above, so that
// the length shows.
constexpr View kNearlyAlongAxis{{0.35, 0.25, 1}, {0, 1, 0}};
// Seen from the front with the X axis across, the near half (y < 0) cut away.
constexpr View kFrontAlongX{{0, -1, 0}, {0, 0, 1}};

// Point A, the joined end face's centre, has an edit for each coordinate.
const Reading kPointA{{"\u0410"}, {"\u0410", "\u0410", "\u0410"}};

} // namespace

std::vector<PartPicture> designPictures()
{
    using M = Mark;
    return {
        {"design/rod.png", "Panel82", "Image37", "BitBtn82",
         {{"Edit307", "D", 24}, {"Edit543", "d", 8}, {"Edit308", "c", 2}, {"Edit309", "b", 40}},
         kFrontUpright,
         kNearHalf,
         {{M::Axis, "", {"0", "0", "b/8"}, {"0", "0", "-b - b/8"}, {}},
          {M::Linear, "D", {"-D/2", "0", "-b"}, {"D/2", "0", "-b"}, {"0", "0", "-b/5"}},
          {M::Linear, "d", {"-d/2", "0", "-b*0.45"}, {"d/2", "0", "-b*0.45"}, {}},
          {M::Linear, "b", {"D/2", "0", "0"}, {"D/2", "0", "-b"}, {"D/3", "0", "0"}},
          {M::Leader, "c", {"D/2 - c/2", "0", "-b + c/2"}, {"D*0.85", "0", "-b*0.8"}, {}},
          {M::Point, "\u0410", {"0", "0", "0"}, {"-D*0.6", "0", "b/6"}, {}}},
         {},
         {0, 0, 1, 1},
         {},
         Drawn::Solid,
         {},
         {kPointA}},

        {"design/sleeve.png", "Panel90", "Image43", "BitBtn94",
         {{"Edit389", "D", 48}, {"Edit391", "d", 30}, {"Edit390", "c", 2}, {"Edit388", "b", 36}},
         kFrontUpright,
         kNearHalf,
         {{M::Axis, "", {"0", "0", "b/8"}, {"0", "0", "-b - b/8"}, {}},
          {M::Linear, "D", {"-D/2", "0", "-b"}, {"D/2", "0", "-b"}, {"0", "0", "-b/5"}},
          {M::Linear, "d", {"-d/2", "0", "-b*0.45"}, {"d/2", "0", "-b*0.45"}, {}},
          {M::Linear, "b", {"D/2", "0", "0"}, {"D/2", "0", "-b"}, {"D/4", "0", "0"}},
          {M::Leader, "c", {"d/2 - c/2", "0", "-b + c/2"}, {"d*0.2", "0", "-b*0.75"}, {}},
          {M::Point, "\u0410", {"0", "0", "0"}, {"-D*0.6", "0", "b/6"}, {}}},
         {},
         {0, 0, 1, 1},
         {},
         Drawn::Solid,
         {},
         {kPointA}},

        // The crest's middle stands at 0.875 P in the half plane z > 0 (a
        // quarter turn from the profile's own plane), a pitch after pitch.
        {"design/metric_thread.png", "Panel48", "Image14", "BitBtn39",
         {{"Edit67", "D", 12}, {"Edit68", "P", 2}, {"Edit69", "L", 8}},
         kFrontAlongX,
         kNearHalf,
         {{M::Axis, "", {"-L/8", "0", "0"}, {"L + L/8", "0", "0"}, {}},
          {M::Linear, "D", {"0.875*P + 3*P", "0", "D/2"}, {"0.875*P + 3*P", "0", "-D/2"},
           {"L/3", "0", "0"}},
          {M::Linear, "\u0420", {"0.875*P", "0", "D/2"}, {"0.875*P + P", "0", "D/2"},
           {"0", "0", "D/4"}},
          {M::Linear, "L", {"0", "0", "-D/2"}, {"L", "0", "-D/2"}, {"0", "0", "-D/4"}}},
         {},
         {0, 0, 0.55, 1},
         {{{{"Edit67", "D", 12}, {"Edit68", "P", 2}, {"Edit69", "L", 8}},
           {"RadioButton6"},
           kFrontAlongX,
           kNearHalf,
           {{M::Axis, "", {"-L/8", "0", "0"}, {"L + L/8", "0", "0"}, {}}},
           {0.55, 0, 0.45, 1}}}},

        {"design/slot.png", "Panel127", "Image61", "BitBtn120",
         {{"Edit534", "L", 60}, {"Edit535", "B", 20}, {"Edit536", "H", 12}},
         kAboveRight,
         {},
         {{M::Linear, "L", {"-B/2", "0", "H"}, {"L - B/2", "0", "H"}, {"0", "-B", "0"}},
          {M::Linear, "B", {"L - B", "-B/2", "H"}, {"L - B", "B/2", "H"}, {"B*0.9", "0", "0"}},
          {M::Linear, "H", {"-B/2", "0", "0"}, {"-B/2", "0", "H"}, {"-B/2", "0", "0"}},
          {M::Axis, "", {"-B*0.7", "0", "H"}, {"L - B*0.3", "0", "H"}, {}},
          {M::Leader, "B/2", {"-B*0.3536", "B*0.3536", "H"}, {"-B*0.9", "B*1.1", "H"}, {}}},
         {},
         {0, 0, 1, 1},
         {},
         Drawn::Solid,
         {},
         // The end radius is half the width.
         {{{"B", "B"}, {"B"}}}},

        {"design/keyed_bore.png", "Panel128", "Image60", "BitBtn122",
         {{"Edit538", "b", 12}, {"Edit540", "L", 24}, {"Edit537", "d", 40}, {"Edit541", "r1", 1.2},
          {"Edit539", "t2", 4.4}},
         kNearlyAlongAxis,
         {},
         {{M::Linear, "d", {"-d/2", "0", "L"}, {"d/2", "0", "L"}, {"0", "-d*0.65", "0"}},
          {M::Linear, "b", {"-b/2", "d/2 + t2", "L"}, {"b/2", "d/2 + t2", "L"}, {"0", "d/5", "0"}},
          {M::Linear, "d + t2", {"0", "-d/2", "L"}, {"0", "d/2 + t2", "L"}, {"-d*0.7", "0", "0"}},
          {M::Leader, "r1", {"-b/2 + r1*0.29", "d/2 + t2 - r1*0.29", "L"}, {"-d*0.55", "d*0.75", "L"}, {}},
          {M::Linear, "L", {"d/2", "0", "L"}, {"d/2", "0", "0"}, {"d/6", "-d/3", "0"}}},
         {},
         {0, 0, 1, 1},
         {},
         Drawn::Solid,
         {},
         // The keyway's depth is shown from the bore's far side.
         {{{"d", "d"}, {"d"}}}},

        {"design/spline_bore.png", "Panel133", "Image62", "BitBtn7",
         {{"Edit546", "b", 10}, {"Edit547", "r", 1.5}, {"Edit548", "z", 6}, {"Edit549", "L", 24},
          {"Edit545", "d", 44}, {"Edit544", "D", 60}, {"Edit550", "f", 1.5}},
         kNearlyAlongAxis,
         {},
         {{M::Linear, "D", {"0", "-D/2", "L"}, {"0", "D/2", "L"}, {"-D*0.65", "0", "0"}},
          {M::Linear, "d", {"-d/2", "0", "L"}, {"d/2", "0", "L"}, {"0", "-D*0.6", "0"}},
          {M::Linear, "b", {"-b/2", "D/2 - 2*r", "L"}, {"b/2", "D/2 - 2*r", "L"}, {"0", "D/5", "0"}},
          {M::Leader, "r", {"b/2 - r*0.29", "D/2 - r*1.3", "L"}, {"D*0.4", "D*0.72", "L"}, {}},
          {M::Leader, "f", {"b/2 + f/2", "d/2 + f/4", "L"}, {"D*0.62", "D*0.45", "L"}, {}},
          {M::Leader, "z", {"0", "-D/2 + r", "L"}, {"-D*0.45", "-D*0.75", "L"}, {}},
          {M::Linear, "L", {"d/2", "0", "L"}, {"d/2", "0", "0"}, {"D/5", "-D/3", "0"}}}},
    };
}

} // namespace pictures
