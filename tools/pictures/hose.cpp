// The pictures of the ball connection's and the hose connection's panels:
// the parts in half section about their axes along X, cut by the plane
// z = 0, with the dimension lines of their pages; and the internal thread's
// small symbol on the nut page.
#include "tools/pictures/glyphs.h"
#include "tools/pictures/records.h"

#include <QPainter>

namespace pictures {

namespace {

// Seen along -Z, the axis across the picture.
constexpr View kAcross{{0, 0, 1}, {0, 1, 0}};
constexpr Vector kCut{0, 0, 1};

// The hose connection's sizes, both variants' and both thread sizes.
const std::vector<Size> kHose{
    {"Edit331", "L1", 5},   {"Edit332", "d1", 10},  {"Edit333", "d2", 12},  {"Edit334", "d", 6},
    {"Edit335", "L", 60},   {"Edit336", "lm", 25},  {"Edit337", "L2", 18},  {"Edit338", "L3", 8},
    {"Edit339", "D", 30},   {"Edit340", "D1", 24},  {"Edit341", "d3", 22},  {"Edit342", "f", 3},
    {"Edit343", "S", 26},   {"Edit344", "S1", 24},  {"Edit345", "D3", 22},  {"Edit346", "D2", 27},
    {"Edit347", "L4", 12},  {"Edit348", "L5", 24},  {"Edit349", "Wg", 0},   {"Edit350", "Ng", 1},
    {"Edit351", "Qg", 2},   {"Edit352", "Wk", 0},   {"Edit353", "Nk", 1},   {"Edit354", "Qk", 2}};

// The ball connection of the first pipe size on its three pages, point A
// at the origin: the end fitting with the cylindrical or the tapered
// thread, the nipple's and the nut's sizes named apart (n..., u...).
std::vector<Size> ballSizes(bool gThread)
{
    const char* fit = "Panel94";
    const char* nip = "Panel96";
    const char* nut = "Panel95";
    return {{"Edit402", "d1", 8, fit},
            {"Edit401", "D1", 21.5, fit},
            {"Edit400", "D2", 25, fit},
            {"Edit392", "d", 18, fit},
            {"Edit393", "d2", 13, fit},
            {"Edit394", "c", 1.6, fit},
            {"Edit396", "L", gThread ? 34.0 : 36.0, fit},
            {"Edit397", "Lm", 14, fit},
            {"Edit398", "b", 3, fit},
            {"Edit399", "d3", 15.8, fit},
            {"Edit419", "d5", 18, fit},
            {"Edit395", "c1", 1.6, fit},
            {"Edit412", "L1", gThread ? 12 : 9.5, fit},
            {"Edit413", "D0", gThread ? 13.138 : 13.85, fit},
            {"Edit414", "L2", gThread ? 0 : 5.08, fit},
            {"Edit415", "L3", gThread ? 0.0 : 14.0, fit},
            {"Edit416", "b1", gThread ? 2.5 : 0, fit},
            {"Edit417", "d4", gThread ? 11.0 : 0.0, fit},
            {"Edit418", "S3", 19, fit},
            {"Edit420", "S2", 22, fit},
            {"Edit403", "nR", 6, nip},
            {"Edit404", "nL1", 4, nip},
            {"Edit405", "nL2", 7, nip},
            {"Edit406", "nL", 27, nip},
            {"Edit407", "nLm", 17, nip},
            {"Edit408", "nd3", 12, nip},
            {"Edit421", "nd2", 10, nip},
            {"Edit422", "nd", 14, nip},
            {"Edit423", "nD", 16, nip},
            {"Edit424", "uD3", 17.4, nut},
            {"Edit425", "ud1", 14, nut},
            {"Edit426", "uh", 14, nut},
            {"Edit427", "uH", 18, nut},
            {"Edit428", "uLm", 15, nut},
            {"Edit429", "ub", 5.4, nut},
            {"Edit430", "ud", 18, nut},
            {"Edit431", "uD2", 21, nut},
            {"Edit433", "uAlfa", 30, nut},
            {"Edit434", "uAlfa1", 30, nut},
            {"Edit435", "uD4", 17, nut}};
}

} // namespace

std::vector<PartPicture> hosePictures()
{
    using M = Mark;
    // Where the nipple's ball-side face and the nut's open face come to lie
    // with these sizes (the cylindrical thread, point A at the origin).
#define NIPPLE "17.483"
#define NUT "12.483"
    PartPicture assembly{"pipes/ball_assembly.png", "Panel94", "Image44", "BitBtn86", ballSizes(true), kAcross, kCut,
                         {{M::Axis, "", {"-L1 - 4", "0", "0"}, {NIPPLE " + nL + 4", "0", "0"}, {}},
                          {M::Axis, "", {"0", "-D1/2 - 3", "0"}, {"0", "D1/2 + 3", "0"}, {}},
                          {M::Linear, "d1", {"-L1", "-d1/2", "0"}, {"-L1", "d1/2", "0"}, {"-5", "0", "0"}},
                          {M::Linear, "D1", {"-3", "-D1/2", "0"}, {"-3", "D1/2", "0"}, {}},
                          {M::Linear, "D2", {NUT " + uH - 2", "-D2/2", "0"}, {NUT " + uH - 2", "D2/2", "0"}, {}},
                          {M::Leader, "S2", {NUT " + uH - uh/2", "D2/2", "0"}, {NUT " + uH + 6", "D2/2 + 6", "0"}, {}}},
                         {"RadioButton31"}};
    assembly.drawn = Drawn::Solids;
    assembly.namedByLabel = {"X", "Y", "Z"};

    PartPicture tapered{"pipes/ball_fitting_k.png", "Panel94", "Image45", "BitBtn86", ballSizes(false), kAcross, kCut,
                        {{M::Axis, "", {"-L2 - 4", "0", "0"}, {"L - L2 + 4", "0", "0"}, {}},
                         {M::Linear, "L1", {"-L2", "-D0/2", "0"}, {"L1 - L2", "-D0/2", "0"}, {"0", "-5", "0"}},
                         {M::Linear, "L2", {"-L2", "D0/2", "0"}, {"0", "D0/2", "0"}, {"0", "3", "0"}},
                         {M::Linear, "L3", {"-L2", "D1/2", "0"}, {"L3 - L2", "D1/2", "0"}, {"0", "4", "0"}},
                         {M::Linear, "D0", {"(L1 + L3)/2 - L2", "-D0/2", "0"}, {"(L1 + L3)/2 - L2", "D0/2", "0"}, {}},
                         {M::Leader, "S3", {"L3 - L2 + 3", "D1/2", "0"}, {"L3 - L2 + 9", "D1/2 + 5", "0"}, {}},
                         {M::Leader, "c1", {"-L2", "D0/2 - 2", "0"}, {"-L2 - 5", "D0/2 + 4", "0"}, {}}},
                        {"RadioButton30"}};
    tapered.solid = 0;

    PartPicture cylindrical{
        "pipes/ball_fitting_g.png", "Panel94", "Image46", "BitBtn86", ballSizes(true), kAcross, kCut,
        {{M::Axis, "", {"-L1 - 4", "0", "0"}, {"L - L1 + 4", "0", "0"}, {}},
         {M::Linear, "L", {"-L1", "-D1/2", "0"}, {"L - L1", "-D1/2", "0"}, {"0", "-5", "0"}},
         {M::Linear, "Lm", {"L - Lm - L1", "d/2", "0"}, {"L - L1", "d/2", "0"}, {"0", "D1/2 - d/2 + 5", "0"}},
         {M::Linear, "b", {"L - Lm - L1", "d/2", "0"}, {"L - Lm + b - L1", "d/2", "0"}, {"0", "2", "0"}},
         {M::Linear, "d", {"L - L1 - 3", "-d/2", "0"}, {"L - L1 - 3", "d/2", "0"}, {"12", "0", "0"}},
         {M::Linear, "d2", {"L - L1", "-d2/2", "0"}, {"L - L1", "d2/2", "0"}, {"3", "0", "0"}},
         {M::Linear, "d3", {"L - Lm + b/2 - L1", "-d3/2", "0"}, {"L - Lm + b/2 - L1", "d3/2", "0"}, {}},
         {M::Leader, "c", {"L - L1 - c/2", "-d/2 + c/2", "0"}, {"L - L1 + 5", "-d/2 - 4", "0"}, {}},
         {M::Leader, "d5", {"L - Lm - L1", "d5/2 - 0.3", "0"}, {"L - Lm - L1 + 5", "-D1/2 - 2", "0"}, {}},
         {M::Linear, "b1", {"-b1", "D1/2", "0"}, {"0", "D1/2", "0"}, {"0", "3", "0"}},
         {M::Linear, "d4", {"-b1/2", "-d4/2", "0"}, {"-b1/2", "d4/2", "0"}, {}}},
        {"RadioButton31"}};
    cylindrical.solid = 0;

    PartPicture nipple{"pipes/ball_nipple.png", "Panel96", "Image47", "BitBtn86", ballSizes(true), kAcross, kCut,
                       {{M::Axis, "", {NIPPLE " - 4", "0", "0"}, {NIPPLE " + nL + 4", "0", "0"}, {}},
                        {M::Linear, "L", {NIPPLE, "-nD/2", "0"}, {NIPPLE " + nL", "-nD/2", "0"}, {"0", "-4", "0"}},
                        {M::Linear, "Lm", {NIPPLE " + nL - nLm", "nD/2", "0"}, {NIPPLE " + nL", "nD/2", "0"},
                         {"0", "3", "0"}},
                        {M::Linear, "L2", {NIPPLE, "nD/2", "0"}, {NIPPLE " + nL2", "nD/2", "0"}, {"0", "3", "0"}},
                        {M::Linear, "L1", {NIPPLE, "-nD/2", "0"}, {NIPPLE " + nL1", "-nD/2", "0"}, {"0", "-9", "0"}},
                        {M::Leader, "R", {NIPPLE " + nL1 - nR*0.7", "nR*0.7", "0"}, {NIPPLE " - 5", "nD/2 + 3", "0"}, {}},
                        {M::Linear, "d3", {NIPPLE " + nL1 + 1", "-nd3/2", "0"}, {NIPPLE " + nL1 + 1", "nd3/2", "0"}, {}},
                        {M::Linear, "d2", {NIPPLE " + nL", "-nd2/2", "0"}, {NIPPLE " + nL", "nd2/2", "0"}, {"4", "0", "0"}},
                        {M::Linear, "d", {NIPPLE " + nL - 3", "-nd/2", "0"}, {NIPPLE " + nL - 3", "nd/2", "0"},
                         {"14", "0", "0"}},
                        {M::Leader, "D", {NIPPLE " + nL - nLm - 1", "-nD/2", "0"}, {NIPPLE " + nL - nLm + 4", "-nD/2 - 4", "0"},
                         {}}}};
    nipple.solid = 1;

    PartPicture unionNut{"pipes/ball_nut.png", "Panel95", "Image48", "BitBtn86", ballSizes(true), kAcross, kCut,
                         {{M::Axis, "", {NUT " - 4", "0", "0"}, {NUT " + uH + 4", "0", "0"}, {}},
                          {M::Linear, "H", {NUT, "-D2/2", "0"}, {NUT " + uH", "-D2/2", "0"}, {"0", "-4", "0"}},
                          {M::Linear, "h", {NUT " + uH - uh", "D2/2", "0"}, {NUT " + uH", "D2/2", "0"}, {"0", "3", "0"}},
                          {M::Linear, "Lm", {NUT, "D2/2", "0"}, {NUT " + uLm", "D2/2", "0"}, {"0", "8", "0"}},
                          {M::Linear, "b", {NUT " + uLm - ub", "uD3/2 - 0.8", "0"}, {NUT " + uLm", "uD3/2 - 0.8", "0"}, {}},
                          {M::Linear, "d", {NUT " + 2", "-ud/2", "0"}, {NUT " + 2", "ud/2", "0"}, {}},
                          {M::Linear, "D3", {NUT " + uLm - ub/2", "-uD3/2", "0"}, {NUT " + uLm - ub/2", "uD3/2", "0"}, {}},
                          {M::Leader, "d1", {NUT " + uH - 1", "-ud1/2", "0"}, {NUT " + uH + 5", "-D2/2 - 2", "0"}, {}},
                          {M::Linear, "D4", {NUT " + uH", "-uD4/2", "0"}, {NUT " + uH", "uD4/2", "0"}, {"5", "0", "0"}},
                          {M::Linear, "D2", {NUT, "-uD2/2", "0"}, {NUT, "uD2/2", "0"}, {"-4", "0", "0"}},
                          {M::Leader, "Alfa", {NUT " + uH - uh + 0.5", "(uD2 + D2)/4", "0"}, {NUT " + 1", "D2/2 + 8", "0"}, {}},
                          {M::Leader, "Alfa1", {NUT " + uH - 0.4", "(uD4 + D2)/4", "0"}, {NUT " + uH + 5", "D2/2 + 5", "0"}, {}}}};
    unionNut.solid = 2;
#undef NIPPLE
#undef NUT
    PartPicture hose{
        "pipes/hose.png", "Panel91", "Image40", "BitBtn88", kHose, kAcross, kCut,
        // G: the head with its collar, hexagon and threaded bore, the shank
        // and the barb with its four pitches.
        {{M::Axis, "", {"-4", "0", "0"}, {"L + 4", "0", "0"}, {}},
         {M::Linear, "L", {"0", "-D/2", "0"}, {"L", "-D/2", "0"}, {"0", "-6", "0"}},
         {M::Linear, "lm", {"0", "D/2", "0"}, {"lm", "D/2", "0"}, {"0", "7", "0"}},
         {M::Linear, "L3", {"0", "D1/2", "0"}, {"L3", "D1/2", "0"}, {"0", "3", "0"}},
         {M::Linear, "L1", {"L - L1", "d2/2", "0"}, {"L", "d2/2", "0"}, {"0", "9", "0"}},
         {M::Linear, "L2", {"0", "-1.5", "0"}, {"L2", "-1.5", "0"}, {}},
         {M::Linear, "D1", {"0", "-D1/2", "0"}, {"0", "D1/2", "0"}, {"-5", "0", "0"}},
         {M::Linear, "S", {"(L3 + lm)/2 + 3", "-S/2", "0"}, {"(L3 + lm)/2 + 3", "S/2", "0"}, {}},
         {M::Linear, "d2", {"lm + 4", "-d2/2", "0"}, {"lm + 4", "d2/2", "0"}, {}},
         {M::Linear, "d", {"lm + 10", "-d/2", "0"}, {"lm + 10", "d/2", "0"}, {}},
         {M::Linear, "d1", {"L", "-d1/2", "0"}, {"L", "d1/2", "0"}, {"5", "0", "0"}},
         {M::Leader, "D", {"lm - 2", "S/2", "0"}, {"lm + 8", "D/2 + 4", "0"}, {}},
         {M::Leader, "d3", {"L2 - f/2", "-d3/2", "0"}, {"L2 + 8", "-D/2 + 2", "0"}, {}},
         {M::Leader, "f", {"L2 - f/2", "d3/2", "0"}, {"L2 + 4", "D/2 + 3", "0"}, {}}},
        {"RadioButton24"},
        {0, 0, 0.5, 1},
        // K: the thread end, the hexagon and the thread's cone.
        {{kHose,
          {"RadioButton25"},
          kAcross,
          kCut,
          {{M::Axis, "", {"-4", "0", "0"}, {"L + 4", "0", "0"}, {}},
           {M::Linear, "L4", {"0", "D2/2", "0"}, {"L4", "D2/2", "0"}, {"0", "3", "0"}},
           {M::Linear, "L5", {"0", "D2/2", "0"}, {"L5", "D2/2", "0"}, {"0", "8", "0"}},
           {M::Linear, "D3", {"L4/2", "-D3/2", "0"}, {"L4/2", "D3/2", "0"}, {}},
           {M::Linear, "S1", {"(L4 + L5)/2", "-S1/2", "0"}, {"(L4 + L5)/2", "S1/2", "0"}, {}},
           {M::Leader, "D2", {"L5 - 2", "-S1/2", "0"}, {"L5 + 8", "-D2/2 - 4", "0"}, {}}},
          {0.5, 0, 0.5, 1}}}};
    return {assembly, tapered, cylindrical, nipple, unionNut, hose};
}

std::vector<PictureFile> hoseGlyphs()
{
    // The internal thread's toolbar glyph, drawn anew at 17 x 17 for the
    // note on the nut page.
    return {{QStringLiteral("pipes/ball_thread_symbol.png"), [] {
                 QImage glyph;
                 for (const PictureFile& g : toolbarGlyphs())
                     if (g.path == QStringLiteral("toolbar/SpeedButton23.png"))
                         glyph = g.make();
                 QImage symbol(17, 17, QImage::Format_ARGB32);
                 symbol.fill(Qt::transparent);
                 QPainter p(&symbol);
                 p.setRenderHint(QPainter::SmoothPixmapTransform);
                 p.drawImage(QRectF(0, 0, 17, 17), glyph);
                 return symbol;
             }}};
}

} // namespace pictures
