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

} // namespace

std::vector<PartPicture> hosePictures()
{
    using M = Mark;
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
    return {hose};
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
