#pragma once
// Sizes of ball connections of steel pipes for pressures up to 20 MPa, one
// row per pipe size: the end fitting's, the nipple's and the union nut's
// dimensions, with the end fitting's thread-dependent values for the
// cylindrical (G) and the tapered (K) pipe thread.
#include "app/shell/table_side_panel.h"

#include <array>

namespace pipes::ball {

constexpr int kRows = 7;
// Values a row writes into the three pages.
constexpr int kValues = 40;

// The row's values in the loader's order (end fitting, nipple, nut), the
// thread-dependent ones for G or K; rows are numbered from 1.
std::array<double, kValues> rowValues(int n, bool gThread);

// The grid's texts: the header row, then the pipe and bore of each row.
shell::GridText tableText();

} // namespace pipes::ball
