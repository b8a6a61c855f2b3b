#pragma once
// Straight-sided splines after GOST 1139: 53 sizes in three series (light
// 1 to 15, medium 16 to 35, heavy 36 to 53), numbered through.
#include <array>

namespace design::gost1139 {

struct SplineSize {
    int z, d, D;  // number of splines, minor and major diameter
    double b;     // width of a spline
    double f, r;  // chamfer leg at the mouth, fillet radius at the bottom
};

constexpr int kRows = 53;
extern const std::array<SplineSize, kRows> sizes;

// Size N (1 to 53).
const SplineSize& size(int n);

// The rows of a series: first and last N.
struct Series {
    int first, last;
};
constexpr Series kLight{1, 15}, kMedium{16, 35}, kHeavy{36, 53};

} // namespace design::gost1139
