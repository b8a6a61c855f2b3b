#pragma once
// The stepped root of the V-belt calculation: t runs over the grid s, 2s, 3s,
// ... formed as a running sum of doubles, and the root is the first t whose
// power t^q (repeated products) reaches x^p. Powers are compared in extended
// precision, so t^1000 and bp^421 keep their values.

namespace transmissions {

// The first grid value t with t^q >= x^p; s when x^p <= 0. The grid is not
// walked round by round: the sums are replayed a binade at a time and the
// powers compared only near the root. Where the running sum stops growing
// before it reaches the root, or would need more than kMaxRounds rounds,
// x^(p/q) rounded up to the step is returned instead of searching forever.
double steppedRoot(double x, int p, int q, double s);

// The grid value after k rounds of the running sum (0 for k = 0).
double gridValue(double s, unsigned long long k);

// t^n as repeated products in extended precision.
long double repeatedPower(long double t, int n);

inline constexpr unsigned long long kMaxRounds = 100'000'000ULL;

} // namespace transmissions
