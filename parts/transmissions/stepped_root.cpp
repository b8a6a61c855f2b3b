#include "parts/transmissions/stepped_root.h"

#include <cfenv>
#include <cmath>

namespace transmissions {

namespace {

// True when adding s to a value of the binade [2^(e-1), 2^e) can fall on a
// tie between two neighbours, so that the increment depends on the value.
bool tieInBinade(double s, int e)
{
    const double units = std::ldexp(s, 53 - e); // s in units of the binade's last place
    return units - std::floor(units) == 0.5;
}

double search(double x, int p, int q, double s);

} // namespace

long double repeatedPower(long double t, int n)
{
    long double product = 1.0L;
    for (int i = 0; i < n; ++i)
        product *= t;
    return product;
}

double gridValue(double s, unsigned long long k)
{
    double t = 0.0;
    unsigned long long done = 0;
    while (done < k) {
        const double next = t + s;
        if (next == t)
            return t; // the sum has stopped growing
        if (t > 0.0) {
            int e = 0;
            std::frexp(t, &e); // t in [2^(e-1), 2^e)
            if (!tieInBinade(s, e)) {
                // Within one binade every round adds the same amount.
                const double delta = next - t;
                const double room = std::ldexp(1.0, e) - t;
                unsigned long long n = static_cast<unsigned long long>(std::floor(room / delta));
                n = n > 1 ? n - 1 : 0;
                if (n > k - done)
                    n = k - done;
                if (n > 0) {
                    t += static_cast<double>(n) * delta;
                    done += n;
                    continue;
                }
            }
        }
        t = next;
        ++done;
    }
    return t;
}

double steppedRoot(double x, int p, int q, double s)
{
    // The powers and logarithms of the search leave no fault behind: the
    // caller's computation keeps the flags it had.
    std::fexcept_t flags;
    std::fegetexceptflag(&flags, FE_ALL_EXCEPT);
    const double t = search(x, p, q, s);
    std::fesetexceptflag(&flags, FE_ALL_EXCEPT);
    return t;
}

namespace {

double search(double x, int p, int q, double s)
{
    const long double target = repeatedPower(x, p);
    auto reaches = [&](unsigned long long k) { return repeatedPower(gridValue(s, k), q) >= target; };
    if (reaches(1))
        return gridValue(s, 1);

    // The root by logarithms, and the grid value rounded up to it.
    const long double root = std::exp(std::log(std::fabs(static_cast<long double>(x))) * p / q);
    const long double roundsNeeded = std::ceil(root / s);
    const double roundedUp = static_cast<double>(roundsNeeded * s);
    if (!(roundsNeeded <= static_cast<long double>(kMaxRounds)) || std::isinf(target))
        return roundedUp;

    // A false and a true round around the estimate, then halving between them.
    unsigned long long lo = 1;
    unsigned long long hi = static_cast<unsigned long long>(roundsNeeded) + 2;
    if (hi > 4 && !reaches(hi - 4))
        lo = hi - 4;
    while (!reaches(hi)) {
        if (hi > 2 * kMaxRounds || gridValue(s, hi) == gridValue(s, hi + 1))
            return roundedUp; // the sum stops short of the root, or the search runs too long
        lo = hi;
        hi = 2 * hi + 2;
    }
    while (hi - lo > 1) {
        const unsigned long long mid = lo + (hi - lo) / 2;
        if (reaches(mid))
            hi = mid;
        else
            lo = mid;
    }
    return hi > kMaxRounds ? roundedUp : gridValue(s, hi);
}

} // namespace

} // namespace transmissions
