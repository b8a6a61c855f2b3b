#pragma once
// Hot-rolled channels after GOST 8240: 78 sizes in five series, numbered 1
// to 78 across the series.
#include <array>

namespace metal::gost8240 {

// У with sloped flanges, П parallel flanges, Э economical, Л light, С special.
enum class Series { U, P, E, L, S };

struct ChannelSize {
    Series series;
    const char* designation; // UTF-8, as printed in the standard
    double h, b, s, t, R, r;
};

constexpr int kRows = 78;
extern const std::array<ChannelSize, kRows> sizes;

// Size N (1 to 78).
const ChannelSize& size(int n);

// The rows of a series: first and last N.
struct SeriesRows {
    int first, last;
};
SeriesRows rowsOf(Series series);

// The slope of the flanges' inner faces in degrees that goes with row N;
// numbers outside the catalogue get the slope of their nearer end.
int flangeSlope(int n);

} // namespace metal::gost8240
