// The pictures of the pipe-fitting panels. Every part lies as its panel
// draws it: the head's axis along +Y, the bend in the plane z = 0 with its
// first end at the origin, the square flange's drawing in the XY plane, the flat
// flange's axis along +X.
#include "tools/pictures/records.h"

namespace pictures {

namespace {

// Straight at the plane z = 0, where the axial sections lie.
constexpr View kFront{{0, 0, 1}, {0, 1, 0}};
// A ribbed body cut through its axis and the ribs at 0 and 180 degrees:
// the axis across the picture, the closed end on the left, the rib along
// +X on top.
constexpr View kRibbedAxial{{0, -1, 0}, {1, 0, 0}};
// Section A-A across the axis at the ribs' middle, the rib along +X on the right.
constexpr View kRibbedAcross{{0, 0, 1}, {0, 1, 0}};

// The rib's sizes of both panels: h, D1, R4, R5, R6, Alfa, L2, L3 and N.
std::vector<Size> ribSizes(std::initializer_list<const char*> edits)
{
    const char* names[] = {"h", "D1", "R4", "R5", "R6", "Alfa", "L2", "L3", "N"};
    const double values[] = {14, 80, 4, 2, 2, 12, 15, 50, 6};
    std::vector<Size> sizes;
    int k = 0;
    for (const char* edit : edits) {
        sizes.push_back({edit, names[k], values[k]});
        ++k;
    }
    return sizes;
}

std::vector<Size> joined(std::vector<Size> a, const std::vector<Size>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Beside the axial section, section A-A through a rib: its root chord h,
// its tip and root roundings and the angle of its flank (tan 12° = 0.2126).
std::vector<Dimension> ribSection()
{
    using M = Mark;
    return {{M::Linear, "h", {"D/2 + f", "-h/2", "L2 + L3/2"}, {"D/2 + f", "h/2", "L2 + L3/2"}, {"-f - 6", "0", "0"}},
            {M::Leader, "R5", {"D1/2 - R5*0.3", "h/2 - (D1/2 - D/2 - f)*0.2126 - R5*0.3", "L2 + L3/2"},
             {"D1/2 + 8", "h", "L2 + L3/2"}, {}},
            {M::Leader, "R6", {"D/2 + f + R6*0.3", "-h/2 - R6*0.3", "L2 + L3/2"}, {"D/2 + f + 6", "-h - 12", "L2 + L3/2"},
             {}},
            {M::Angle, "Alfa", {"D/2 + f", "h/2", "L2 + L3/2"}, {"D1/2 + 6", "h/2", "L2 + L3/2"},
             {"D1/2 + 6", "h/2 - (D1/2 + 6 - D/2 - f)*0.2126", "L2 + L3/2"}}};
}


} // namespace

std::vector<PartPicture> pipesPictures()
{
    using M = Mark;
    return {
        // The heads cut through their axes, each beside its switch: above
        // from outer sizes, below from inner ones (the walls outside them).
        {"pipes/head.png", "Panel1", "Image1", "BitBtn2",
         {{"Edit1", "D", 400}, {"Edit2", "h", 100}, {"Edit3", "h1", 50}, {"Edit4", "S", 20}},
         kFront,
         Vector{0, 0, 1},
         {{M::Axis, "", {"0", "-h/5", "0"}, {"0", "h1 + h + h/5", "0"}, {}},
          {M::Linear, "D\u043d", {"-D/2", "0", "0"}, {"D/2", "0", "0"}, {"0", "-h/3", "0"}},
          {M::Linear, "h\u043d", {"0", "h1 + h", "0"}, {"0", "h1", "0"}, {"D/2 + D/10", "0", "0"}},
          {M::Linear, "h1", {"-D/2", "0", "0"}, {"-D/2", "h1", "0"}, {"-D/10", "0", "0"}},
          {M::Linear, "S", {"-D/2", "h1*0.6", "0"}, {"-D/2 + S", "h1*0.6", "0"}, {}}},
         {"RadioButton1"},
         {0.1, 0, 0.9, 0.5},
         {{{{"Edit1", "D", 400}, {"Edit2", "h", 100}, {"Edit3", "h1", 50}, {"Edit4", "S", 20}},
           {"RadioButton2"},
           kFront,
           Vector{0, 0, 1},
           {{M::Axis, "", {"0", "-h/5", "0"}, {"0", "h1 + h + S + h/5", "0"}, {}},
            {M::Linear, "D\u0432", {"-D/2", "h1*0.5", "0"}, {"D/2", "h1*0.5", "0"}, {}},
            {M::Linear, "h\u0432", {"0", "h1 + h", "0"}, {"0", "h1", "0"}, {"D/2 + S + D/10", "0", "0"}}},
           {0.1, 0.5, 0.9, 0.5}}},
         Drawn::Solid,
         {},
         // The footnotes: "D* - это Dн или Dв", "h** - это hн или hв".
         {{{"D\u043d", "D\u0432"}, {"D"}}, {{"h\u043d", "h\u0432"}, {"h"}}}},

        // The bend seen along its bend axis, cut in the plane of its centre
        // line; the centre lines from the bend axis through both ends hold
        // the angle between them.
        {"pipes/bend.png", "Panel41", "Image10", "BitBtn31",
         {{"Edit50", "D", 60}, {"Edit51", "s", 6}, {"Edit52", "R", 60}, {"Edit53", "Alfa", 90}},
         kFront,
         Vector{0, 0, 1},
         {{M::Axis, "", {"0", "-(R + D/2)", "0"}, {"0", "D/2 + D/4", "0"}, {}},
          {M::Axis, "", {"0", "-(R + D/2)", "0"}, {"-(R + D/2) - D/2 - D/4", "-(R + D/2)", "0"}, {}},
          {M::Linear, "D", {"0", "-D/2", "0"}, {"0", "D/2", "0"}, {"D/2", "0", "0"}},
          {M::Linear, "s", {"-(R + D/2) - D/2", "-(R + D/2)", "0"}, {"-(R + D/2) - D/2 + s", "-(R + D/2)", "0"},
           {"0", "-D/3", "0"}},
          {M::Linear, "R", {"0", "-(R + D/2)", "0"}, {"-R*0.4226", "-(R + D/2) + R*0.9063", "0"}, {}},
          {M::Angle, "Alfa", {"0", "-(R + D/2)", "0"}, {"0", "-(R + D/2) + R*0.3", "0"},
           {"-R*0.3", "-(R + D/2)", "0"}}}},

        // What "2D" draws: the plan with its holes and, above it, section
        // A-A through the bore and a row of holes.
        {"pipes/square_flange.png", "Panel50", "Image15", "BitBtn44",
         {{"Edit70", "L", 100}, {"Edit71", "M", 70}, {"Edit72", "R", 10}, {"Edit73", "D", 40}, {"Edit74", "d", 11},
          {"Edit75", "H", 12}},
         kFront,
         {},
         {{M::Axis, "", {"-L/12", "L/2", "0"}, {"L + L/12", "L/2", "0"}, {}},
          {M::Axis, "", {"L/2", "-L/12", "0"}, {"L/2", "L + 25 + H + L/12", "0"}, {}},
          {M::Axis, "", {"L/2 + M/2", "L + 25 - L/20", "0"}, {"L/2 + M/2", "L + 25 + H + L/20", "0"}, {}},
          {M::Linear, "L", {"0", "0", "0"}, {"L", "0", "0"}, {"0", "-L/6", "0"}},
          {M::Linear, "M", {"L/2 - M/2", "L/2 - M/2", "0"}, {"L/2 + M/2", "L/2 - M/2", "0"},
           {"0", "-(L/2 - M/2) - L/16", "0"}},
          {M::Linear, "M/2", {"L/2 + M/2", "L/2 + M/2", "0"}, {"L/2 + M/2", "L/2", "0"}, {"L/2 - M/2 + L/8", "0", "0"}},
          {M::Leader, "R", {"R - R*0.7071", "L - R + R*0.7071", "0"}, {"-L/8", "L*0.8", "0"}, {}},
          {M::Leader, "d", {"L/2 - M/2 - d*0.3536", "L/2 - M/2 + d*0.3536", "0"}, {"-L/8", "L*0.25", "0"}, {}},
          {M::Linear, "D", {"L/2 - D/2", "L + 25 + H", "0"}, {"L/2 + D/2", "L + 25 + H", "0"}, {"0", "L/8", "0"}},
          {M::Linear, "H", {"L", "L + 25", "0"}, {"L", "L + 25 + H", "0"}, {"L/8", "0", "0"}}},
         {},
         {0, 0, 1, 1},
         {},
         Drawn::Lines,
         {},
         // The holes' circle is shown whole and by its half.
         {{{"M", "M"}, {"M"}}}},

        // The ribbed cap cut through its axis and two ribs, and section A-A.
        {"pipes/cap.png", "Panel87", "Image41", "BitBtn90",
         joined({{"Edit358", "D", 40}, {"Edit359", "f", 5}, {"Edit355", "L", 80}, {"Edit356", "L1", 75},
                 {"Edit357", "R1", 4}, {"Edit360", "R2", 3}, {"Edit361", "R3", 6}},
                ribSizes({"Edit362", "Edit364", "Edit365", "Edit366", "Edit367", "Edit363", "Edit368", "Edit369",
                          "Edit370"})),
         kRibbedAxial,
         Vector{0, -1, 0},
         {{M::Axis, "", {"0", "0", "-6"}, {"0", "0", "L + 6"}, {}},
          {M::Linear, "D", {"-D/2", "0", "L1*0.2"}, {"D/2", "0", "L1*0.2"}, {}},
          {M::Linear, "D1", {"-D1/2", "0", "L2 + L3/2"}, {"D1/2", "0", "L2 + L3/2"}, {"0", "0", "-L2 - L3/2 - 10"}},
          {M::Linear, "f", {"-D/2", "0", "(L2 + L3 + L1)/2"}, {"-D/2 - f", "0", "(L2 + L3 + L1)/2"}, {}},
          {M::Linear, "L", {"-D/2 - f", "0", "0"}, {"-D/2 - f", "0", "L"}, {"-D1/2 + D/2 + f - 10", "0", "0"}},
          {M::Linear, "L1", {"D/4", "0", "0"}, {"D/4", "0", "L1"}, {}},
          {M::Linear, "L2", {"D1/2", "0", "0"}, {"D1/2", "0", "L2"}, {"17", "0", "0"}},
          {M::Linear, "L3", {"D1/2", "0", "L2"}, {"D1/2", "0", "L2 + L3"}, {"8", "0", "0"}},
          {M::Leader, "R1", {"D/2 - R1 + R1*0.7071", "0", "L1 - R1 + R1*0.7071"}, {"D/4 - 6", "0", "L1 - 14"}, {}},
          {M::Leader, "R2", {"-D/2 - f - R2*0.3", "0", "R3 + (R3 + R2)*0.8"}, {"-D/2 - f - 14", "0", "R3 + 18"}, {}},
          {M::Leader, "R3", {"-D/2 - f - R3*0.6", "0", "R3*0.8"}, {"-D/2 - f - 16", "0", "-8"}, {}},
          {M::Leader, "R4", {"D1/2 - R4*0.3", "0", "L2 + L3 - R4*0.3"}, {"D1/2 + 4", "0", "L2 + L3 + 12"}, {}}},
         {},
         {0, 0, 0.62, 1},
         {{joined({{"Edit358", "D", 40}, {"Edit359", "f", 5}, {"Edit355", "L", 80}, {"Edit356", "L1", 75},
                   {"Edit357", "R1", 4}, {"Edit360", "R2", 3}, {"Edit361", "R3", 6}},
                  ribSizes({"Edit362", "Edit364", "Edit365", "Edit366", "Edit367", "Edit363", "Edit368", "Edit369",
                            "Edit370"})),
           {},
           kRibbedAcross,
           Vector{0, 0, 1},
           ribSection(),
           {0.62, 0, 0.38, 1},
           40}},
         Drawn::Solid,
         {"N"}},

        // The pipe coupling the same way, beaded at both ends.
        {"pipes/coupling.png", "Panel89", "Image42", "BitBtn92",
         joined({{"Edit371", "D", 40}, {"Edit372", "f", 5}, {"Edit373", "L", 80}, {"Edit374", "R2", 3},
                 {"Edit375", "R3", 6}},
                ribSizes({"Edit376", "Edit377", "Edit378", "Edit379", "Edit380", "Edit383", "Edit381", "Edit382",
                          "Edit384"})),
         kRibbedAxial,
         Vector{0, -1, 0},
         {{M::Axis, "", {"0", "0", "-6"}, {"0", "0", "L + 6"}, {}},
          {M::Linear, "D", {"-D/2", "0", "L*0.5"}, {"D/2", "0", "L*0.5"}, {}},
          {M::Linear, "D1", {"-D1/2", "0", "L2 + L3/2"}, {"D1/2", "0", "L2 + L3/2"}, {"0", "0", "-L2 - L3/2 - 10"}},
          {M::Linear, "f", {"-D/2", "0", "(L2 + L3 + L)/2"}, {"-D/2 - f", "0", "(L2 + L3 + L)/2"}, {}},
          {M::Linear, "L", {"-D/2 - f", "0", "0"}, {"-D/2 - f", "0", "L"}, {"-D1/2 + D/2 + f - 10", "0", "0"}},
          {M::Linear, "L2", {"D1/2", "0", "0"}, {"D1/2", "0", "L2"}, {"17", "0", "0"}},
          {M::Linear, "L3", {"D1/2", "0", "L2"}, {"D1/2", "0", "L2 + L3"}, {"8", "0", "0"}},
          {M::Leader, "R2", {"-D/2 - f - R2*0.3", "0", "R3 + (R3 + R2)*0.8"}, {"-D/2 - f - 14", "0", "R3 + 18"}, {}},
          {M::Leader, "R3", {"-D/2 - f - R3*0.6", "0", "R3*0.8"}, {"-D/2 - f - 16", "0", "-8"}, {}},
          {M::Leader, "R4", {"D1/2 - R4*0.3", "0", "L2 + L3 - R4*0.3"}, {"D1/2 + 4", "0", "L2 + L3 + 12"}, {}}},
         {},
         {0, 0, 0.62, 1},
         {{joined({{"Edit371", "D", 40}, {"Edit372", "f", 5}, {"Edit373", "L", 80}, {"Edit374", "R2", 3},
                   {"Edit375", "R3", 6}},
                  ribSizes({"Edit376", "Edit377", "Edit378", "Edit379", "Edit380", "Edit383", "Edit381", "Edit382",
                            "Edit384"})),
           {},
           kRibbedAcross,
           Vector{0, 0, 1},
           ribSection(),
           {0.62, 0, 0.38, 1},
           40}},
         Drawn::Solid,
         {"N"}},

        // The flange cut through its axis and two of its bolt holes.
        {"pipes/flat_flange.png", "Panel57", "Image18", "BitBtn52",
         {{"Edit91", "D1", 125}, {"Edit92", "b", 16}, {"Edit93", "n", 4}, {"Edit94", "d", 18}, {"Edit95", "dv", 57},
          {"Edit96", "h", 5}, {"Edit97", "D2", 70}, {"Edit98", "D", 160}, {"Edit99", "z", 4}, {"Edit100", "s", 3},
          {"Edit101", "f", 2}},
         kFront,
         Vector{0, 0, 1},
         {{M::Axis, "", {"-15", "0", "0"}, {"b + h + 15", "0", "0"}, {}},
          {M::Linear, "D", {"z", "-D/2", "0"}, {"z", "D/2", "0"}, {"-z - 45", "0", "0"}},
          {M::Linear, "D1", {"0", "-D1/2", "0"}, {"0", "D1/2", "0"}, {"-22", "0", "0"}},
          {M::Linear, "d\u0432", {"b + h - s", "-dv/2", "0"}, {"b + h - s", "dv/2", "0"}, {"s + 14", "0", "0"}},
          {M::Linear, "D2", {"b + h", "-D2/2", "0"}, {"b + h", "D2/2", "0"}, {"34", "0", "0"}},
          {M::Linear, "b", {"0", "D/2 - z", "0"}, {"b", "D/2 - z", "0"}, {"0", "z + 14", "0"}},
          {M::Linear, "h", {"b", "-D/2 + z", "0"}, {"b + h", "-D/2 + z", "0"}, {"0", "-z - 14", "0"}},
          {M::Linear, "d", {"b/2", "-D1/2 - d/2", "0"}, {"b/2", "-D1/2 + d/2", "0"}, {}},
          {M::Leader, "n", {"b/2", "D1/2 - d/2", "0"}, {"b + h + 22", "D1/2 - d", "0"}, {}},
          {M::Leader, "z", {"b - z/2", "D/2 - z/2", "0"}, {"b + h + 14", "D/2 + 8", "0"}, {}},
          {M::Leader, "s", {"b + h - s/2", "dv/2 + s/2", "0"}, {"b + h + 22", "dv/2 - 14", "0"}, {}},
          {M::Leader, "f", {"b - f/2", "D1/2 + d/2 + f/2", "0"}, {"b + h + 22", "D1/2 + d", "0"}, {}}}},
    };
}

} // namespace pictures
