#pragma once
// Format snapping: a sheet side that lies 1 to K mm above a whole multiple of
// 210 or of 297 is brought down to that multiple.
namespace sheets {

// Snaps the pair in place. The multiples are counted once, from the sizes as
// they stand on entry; the comparisons are exact, so a side whose excess is
// not a whole number of millimetres stays as it is.
void snapFormat(double& length, double& height, int largestCorrection);

} // namespace sheets
