#include "acad/colour.h"

#include <algorithm>
#include <cmath>

namespace acad {

Colour Colour::fromIndex(int index)
{
    Colour c;
    if (index == 256) {
        c.kind = Kind::ByLayer;
    } else if (index == 0) {
        c.kind = Kind::ByBlock;
        c.index = 0;
    } else {
        c.kind = Kind::Index;
        c.index = index;
        const auto rgb = paletteRgb(index);
        c.r = rgb[0];
        c.g = rgb[1];
        c.b = rgb[2];
    }
    return c;
}

Colour Colour::fromRgb(int r, int g, int b)
{
    Colour c;
    c.kind = Kind::Rgb;
    c.index = 256;
    c.r = static_cast<uint8_t>(std::clamp(r, 0, 255));
    c.g = static_cast<uint8_t>(std::clamp(g, 0, 255));
    c.b = static_cast<uint8_t>(std::clamp(b, 0, 255));
    return c;
}

std::array<uint8_t, 3> Colour::rgb() const
{
    if (kind == Kind::Index || kind == Kind::Rgb)
        return {r, g, b};
    return {255, 255, 255};
}

std::array<uint8_t, 3> paletteRgb(int index)
{
    static const std::array<uint8_t, 3> first[10] = {
        {0, 0, 0},       {255, 0, 0},   {255, 255, 0}, {0, 255, 0},     {0, 255, 255},
        {0, 0, 255},     {255, 0, 255}, {255, 255, 255}, {128, 128, 128}, {192, 192, 192},
    };
    if (index <= 0 || index > 255)
        return {255, 255, 255};
    if (index < 10)
        return first[index];
    if (index >= 250) {
        static const uint8_t greys[6] = {51, 91, 132, 173, 214, 255};
        const uint8_t v = greys[index - 250];
        return {v, v, v};
    }
    // Indexes 10..249: 24 hues 15 degrees apart, each in five brightness
    // steps, a full and a pale shade per step.
    const int hueStep = (index - 10) / 10;
    const int shade = (index - 10) % 10;
    static const double value[5] = {1.0, 0.8, 0.6, 0.5, 0.3};
    const double v = value[shade / 2];
    const double saturation = (shade % 2 == 0) ? 1.0 : 0.5;
    const double hue = hueStep * 15.0;
    auto channel = [&](double offset) {
        double h = std::fmod(hue - offset + 360.0, 360.0);
        double k = 0;
        if (h <= 60 || h >= 300)
            k = 1;
        else if (h < 120)
            k = (120 - h) / 60;
        else if (h > 240)
            k = (h - 240) / 60;
        const double full = v * 255.0;
        const double level = full * (1.0 - saturation * (1.0 - k));
        return static_cast<uint8_t>(std::lround(std::clamp(level, 0.0, 255.0)));
    };
    return {channel(0), channel(120), channel(240)};
}

} // namespace acad
