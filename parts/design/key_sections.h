#pragma once
// Sections of prismatic keys and the hub keyways that go with them, after
// GOST 23360 (rows 1 to 18), GOST 10748 (19 to 29) and GOST 8790 (30 to 43),
// numbered through across the three standards.
#include <array>

namespace design::keys {

struct KeyRow {
    const char* shaft; // range of shaft diameters as printed: "6...8", ">8...10"
    int b, h;          // key section b x h
    double t2;         // keyway depth in the hub
    double r1;         // radius (or chamfer) at the keyway's bottom corners
};

constexpr int kRows = 43;
extern const std::array<KeyRow, kRows> rows;

// Row N (1 to 43).
const KeyRow& row(int n);

// The rows of one standard: first and last N.
struct Standard {
    int first, last;
};
constexpr Standard kGost23360{1, 18}, kGost10748{19, 29}, kGost8790{30, 43};

} // namespace design::keys
