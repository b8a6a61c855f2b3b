// The picture of the clamp panel: the three types of light single clamp as
// its "3D" button draws them, each where its radio button stands on the
// picture (type I top left, type II right, type III bottom left), seen from
// the front a little from the right and from above, so that the strip's
// width and the holes show.
#include "tools/pictures/records.h"

namespace pictures {

namespace {

constexpr View kFrontAbove{{0.3, -1, 0.55}, {0, 0, 1}};

// Every size the "3D" button reads, for every type; K is not a size.
std::vector<Size> clampSizes(double D, double H, double r, double S, double L, double B, double d, double A,
                             double L1, double h)
{
    return {{"Edit551", "D", D}, {"Edit552", "H", H}, {"Edit553", "r", r}, {"Edit554", "S", S},
            {"Edit555", "L", L}, {"Edit556", "B", B}, {"Edit557", "d", d}, {"Edit558", "A", A},
            {"Edit559", "L1", L1}, {"Edit561", "h", h}};
}

} // namespace

std::vector<PartPicture> clampsPictures()
{
    using M = Mark;
    PartPicture clamps{
        "seals/clamp.png", "Panel134", "Image63", "BitBtn13",
        // Row 47, type I.
        clampSizes(30, 14, 2, 1.5, 71, 25, 6.6, 52, 35, 4),
        kFrontAbove,
        {},
        {{M::Linear, "L", {"-L1", "-B/2", "-h"}, {"L - L1", "-B/2", "-h"}, {"0", "0", "-h*1.5"}},
         {M::Linear, "L1", {"-L1", "-B/2", "S"}, {"0", "-B/2", "S"}, {"0", "0", "H*1.2"}},
         {M::Linear, "h", {"-L1", "-B/2", "0"}, {"-L1", "-B/2", "-h"}, {"-h*1.5", "0", "0"}},
         {M::Linear, "S", {"L - L1", "-B/2", "0"}, {"L - L1", "-B/2", "S"}, {"h", "0", "0"}}},
        {"RadioButton56"},
        {0.02, 0.08, 0.56, 0.42},
    };
    clamps.namedByLabel = {"\u041A"};
    clamps.moreViews = {
        // Row 22, type II: the pipe axis below the feet, the top at H.
        {clampSizes(32, 14.5, 2, 1.5, 75, 25, 6.6, 50, 35, 4),
         {"RadioButton57"},
         kFrontAbove,
         {},
         {{M::Linear, "A", {"-A/2", "0", "0"}, {"A/2", "0", "0"}, {"0", "-B/2", "-D*0.8"}},
          {M::Linear, "D", {"0", "-B/2", "H - S - D"}, {"0", "-B/2", "H - S"}, {}},
          {M::Linear, "B", {"A/2 + B/2", "-B/2", "0"}, {"A/2 + B/2", "B/2", "0"}, {"B*0.3", "0", "0"}},
          {M::Leader, "d", {"A/2 + d/2", "0", "S"}, {"A/2 + B*0.4", "B*0.2", "H*0.7"}, {}},
          {M::Leader, "r", {"A*0.36", "-B/2", "S + r*0.3"}, {"A*0.42", "-B/2", "H*0.8"}, {}}},
         {0.44, 0.3, 0.56, 0.5}},
        // Row 5, type III: the pipe axis above the feet, the top at H.
        {clampSizes(8, 6, 1.5, 1, 28, 8, 3.4, 20, 35, 4),
         {"RadioButton58"},
         kFrontAbove,
         {},
         {{M::Linear, "H", {"0", "-B/2", "0"}, {"0", "-B/2", "H"}, {"A/2 + B/2 + 2", "0", "0"}}},
         {0.02, 0.62, 0.42, 0.36}},
    };
    return {clamps};
}

} // namespace pictures
