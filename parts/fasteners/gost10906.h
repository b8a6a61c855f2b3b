#pragma once
// Slanted square washers after GOST 10906: the eleven sizes as the table
// side panel shows them and as its row loader copies them. Every size has
// h = 4 and Rmax = 1.6.
namespace gost10906 {

struct WasherSize {
    double d, B, S;
};

constexpr int kRows = 11;
constexpr double kH = 4;
constexpr double kRmax = 1.6;

// Size N, 1 to kRows.
const WasherSize& size(int n);

} // namespace gost10906
