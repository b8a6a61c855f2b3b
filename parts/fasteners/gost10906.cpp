#include "parts/fasteners/gost10906.h"

namespace gost10906 {

namespace {

constexpr WasherSize kSizes[kRows] = {
    {6.6, 16, 5.8}, {9, 16, 5.8},  {11, 20, 6.2}, {13, 30, 7.3}, {15, 30, 7.3}, {17, 30, 7.3},
    {19, 40, 8.4},  {22, 40, 8.4}, {24, 40, 8.4}, {26, 50, 9.5}, {30, 50, 9.5},
};

} // namespace

const WasherSize& size(int n)
{
    return kSizes[n - 1];
}

} // namespace gost10906
