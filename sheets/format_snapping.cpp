#include "sheets/format_snapping.h"

#include <cmath>

namespace sheets {

namespace {

// Brings the side down by k when it lies exactly k above the multiple.
void snapSide(double& side, double multiple, int largestCorrection)
{
    for (int k = 1; k <= largestCorrection; ++k)
        if (side - multiple == k)
            side -= k;
}

} // namespace

void snapFormat(double& length, double& height, int largestCorrection)
{
    const double a = std::trunc(length / 210);
    const double b = std::trunc(height / 210);
    const double c = std::trunc(length / 297);
    const double d = std::trunc(height / 297);
    snapSide(length, 210 * a, largestCorrection);
    snapSide(height, 210 * b, largestCorrection);
    snapSide(length, 297 * c, largestCorrection);
    snapSide(height, 297 * d, largestCorrection);
}

} // namespace sheets
