#pragma once
// The standard collar sizes that the collar table lists and its row loader
// copies into the collar panel: rows 1 to 14 for piston seals, 15 to 29 for
// rod seals. Each value is kept as the table prints it ("4.0", "125.040"),
// which fixes the decimals it is written with.
#include <QStringList>

#include <array>
#include <vector>

namespace seals::collar_sizes {

constexpr int kFirstRow = 1;
constexpr int kLastPistonRow = 14;
constexpr int kLastRow = 29;

// A piston row, in the order the loader writes it: R3, f of the collar,
// D of the cylinder, D of the piston, D1, d, h, h1, f.
using PistonRow = std::array<const char*, 9>;
// A rod row, in the order the loader writes it: R3, f of the collar, d of
// the rod, d of the housing, d1 (nullptr where the seat has no d1), d2,
// b, H.
using RodRow = std::array<const char*, 8>;

const PistonRow& pistonRow(int n); // 1 to 14
const RodRow& rodRow(int n);       // 15 to 29

// The grid texts of the two lists, header first.
const std::vector<QStringList>& pistonList();
const std::vector<QStringList>& rodList();

} // namespace seals::collar_sizes
