// The stepped root against the loop it stands for: t grows by s as a running
// sum of doubles until t^q (repeated products) reaches x^p.
#include "parts/transmissions/stepped_root.h"

#include <gtest/gtest.h>

#include <cmath>

using transmissions::steppedRoot;

namespace {

double bruteReplay(double x, int p, int q, double s)
{
    long double target = 1.0L;
    for (int i = 0; i < p; ++i)
        target *= x;
    double t = 0.0;
    for (;;) {
        t += s;
        long double power = 1.0L;
        for (int i = 0; i < q; ++i)
            power *= t;
        if (power >= target)
            return t;
    }
}

} // namespace

TEST(SteppedRoot, GivesTheGridValueOfTheLoop)
{
    struct Case {
        double x;
        int p, q;
        double s;
    };
    const Case cases[] = {
        {36.473, 1, 3, 0.0001}, {6000, 1, 3, 0.0001},  {2.02, 1, 3, 0.00001},  {1, 1, 3, 0.00001},
        {7.54, 9, 100, 0.00001}, {0.3, 9, 100, 0.00001}, {11, 157, 100, 0.001}, {27, 157, 100, 0.01},
        {8.5, 421, 1000, 0.0001}, {19, 421, 1000, 0.001}, {0.5, 1, 3, 0.0001}, {1000, 1, 3, 0.5},
        {0, 1, 3, 0.0001},       {-5, 1, 3, 0.0001},     {-2, 9, 100, 0.00001}, {1e-30, 1, 3, 0.0001},
    };
    for (const Case& c : cases)
        EXPECT_EQ(steppedRoot(c.x, c.p, c.q, c.s), bruteReplay(c.x, c.p, c.q, c.s))
            << c.x << "^(" << c.p << "/" << c.q << ") by " << c.s;
}

TEST(SteppedRoot, LongSearchesOfTheBeltTable)
{
    // bp^1.57 of section Г and bp^0.421 of the narrow sections: millions of
    // rounds of 0.00001 in the loop; the grid value just reaches the root.
    for (auto [x, p, q] : {std::tuple{27.0, 157, 100}, {11.0, 421, 1000}, {19.0, 421, 1000}}) {
        const double t = steppedRoot(x, p, q, 0.00001);
        const double root = std::exp(std::log(x) * p / q);
        EXPECT_GE(t, root * (1 - 1e-12)) << x;
        EXPECT_LT(t, root + 0.00001 * (1 + 1e-6)) << x;
    }
}

TEST(SteppedRoot, EndsForAHugePower)
{
    // The loop would need some 10^103 rounds; the root rounded up to the step.
    const double t = steppedRoot(1e300, 1, 3, 0.0001);
    EXPECT_NEAR(t / 1e100, 1.0, 1e-9);
    // A step too small for the running sum to grow past 1.
    EXPECT_NEAR(steppedRoot(8, 1, 3, 1e-17), 2.0, 1e-12);
}

TEST(SteppedRoot, ReplaysTheRunningSumRoundByRound)
{
    // The grid value after k rounds is the plain running sum, across the
    // binades the sum passes through.
    for (double s : {0.00001, 0.0001, 0.1, 0.3, 0.5}) {
        double t = 0.0;
        for (unsigned long long k = 1; k <= 2'000'000; ++k) {
            t += s;
            if (k % 99'991 == 0 || k < 40 || (k & (k - 1)) == 0)
                ASSERT_EQ(transmissions::gridValue(s, k), t) << s << " after " << k;
        }
    }
}

TEST(SteppedRoot, MillionsOfRoundsOfTheBeltTableExactly)
{
    // The loop's sums replayed in full; the powers compared from just below
    // the root on, where the first grid value that reaches x^p must lie.
    struct Case {
        double x;
        int p, q;
    };
    for (const Case c : {Case{27, 157, 100}, {19, 157, 100}, {8.5, 421, 1000}, {19, 421, 1000}, {7.54, 9, 100}}) {
        const double s = 0.00001;
        long double target = 1.0L;
        for (int i = 0; i < c.p; ++i)
            target *= c.x;
        const double from = std::exp(std::log(c.x) * c.p / c.q) - 10 * s;
        double t = 0.0, found = 0.0;
        for (;;) {
            t += s;
            if (t < from)
                continue;
            long double power = 1.0L;
            for (int i = 0; i < c.q; ++i)
                power *= t;
            if (power >= target) {
                found = t;
                break;
            }
        }
        EXPECT_EQ(steppedRoot(c.x, c.p, c.q, s), found) << c.x << "^(" << c.p << "/" << c.q << ")";
    }
}
