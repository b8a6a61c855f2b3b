#pragma once
// Steel pipes of square section after GOST 8639 (entries 1 to 97) and of
// rectangular section after GOST 8645 (entries 98 to 345), generated from
// the standards' runs of sizes and walls.
#include <vector>

namespace metal::pipes {

struct PipeEntry {
    int number;
    double b, h, t, rmax;
};

// The square pipes, in the order of their numbers.
const std::vector<PipeEntry>& gost8639();
// The rectangular pipes, b > h, in the order of their numbers.
const std::vector<PipeEntry>& gost8645();

} // namespace metal::pipes
