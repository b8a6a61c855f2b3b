#pragma once
// Entity colours: a colour index of the drawing program's palette, an RGB
// true colour, or "by layer" (the drawing's default colour).
#include <array>
#include <cstdint>

namespace acad {

struct Colour {
    enum class Kind : uint8_t { ByLayer, ByBlock, Index, Rgb };
    Kind kind = Kind::ByLayer;
    int index = 256;   // 256 by layer, 0 by block, 1..255 palette
    uint8_t r = 255, g = 255, b = 255;

    static Colour fromIndex(int index);
    static Colour fromRgb(int r, int g, int b);

    // The colour as shown: by-layer and by-block entities show white.
    std::array<uint8_t, 3> rgb() const;

    friend bool operator==(const Colour& a, const Colour& b)
    {
        if (a.kind != b.kind)
            return false;
        if (a.kind == Kind::Index)
            return a.index == b.index;
        if (a.kind == Kind::Rgb)
            return a.r == b.r && a.g == b.g && a.b == b.b;
        return true;
    }
};

// The RGB value of a palette index 1..255.
std::array<uint8_t, 3> paletteRgb(int index);

} // namespace acad
