#include "parts/pipes/hose_threads.h"

namespace pipes::hose {

namespace {

constexpr int kAny = -1; // a column the row does not test

struct Size {
    int W, N, Q;
};

bool matches(const Size& s, double W, double N, double Q)
{
    return (s.W == kAny || s.W == W) && (s.N == kAny || s.N == N) && (s.Q == kAny || s.Q == Q);
}

struct GRow {
    Size size;
    double dG;
};

const GRow kCylindrical[] = {
    {{0, kAny, 16}, 7.723},   {{0, 1, 8}, 9.728},       {{0, 1, 4}, 13.157},      {{0, 3, 8}, 16.662},
    {{0, kAny, 2}, 20.995},   {{0, 5, 8}, 22.911},      {{0, 3, 4}, 26.441},      {{0, 7, 8}, 30.201},
    {{1, kAny, 0}, 33.249},   {{1, 1, 8}, 37.897},      {{1, 1, 4}, 41.910},      {{1, 3, 8}, 44.323},
    {{1, kAny, 2}, 47.803},   {{1, 3, 4}, 53.746},      {{2, kAny, 0}, 59.614},   {{2, 1, 4}, 65.710},
    {{2, kAny, 2}, 75.184},   {{2, 3, kAny}, 81.534},   {{3, kAny, 0}, 87.884},   {{3, 1, 4}, 93.980},
    {{3, kAny, 2}, 100.330},  {{3, 3, kAny}, 106.680},  {{4, kAny, 0}, 113.030},  {{4, kAny, 2}, 125.730},
    {{5, kAny, 0}, 138.430},  {{5, kAny, 2}, 151.130},  {{6, kAny, kAny}, 163.830},
};

struct KRow {
    Size size;
    TaperedThread thread;
};

const KRow kTapered[] = {
    {{kAny, kAny, 16}, {4.064, 7.895, 1.0}}, {{0, 1, 8}, {4.572, 10.272, 1.0}},
    {{0, 3, 8}, {6.096, 17.055, 1.5}},       {{0, 1, 4}, {5.080, 13.572, 1.5}},
    {{0, 3, 4}, {8.611, 26.568, 1.5}},       {{0, kAny, 2}, {8.128, 21.223, 1.5}},
    {{1, kAny, 0}, {10.160, 33.228, 2.0}},   {{1, kAny, 4}, {10.668, 41.985, 2.0}},
    {{1, kAny, 2}, {10.688, 48.054, 2.0}},
};

} // namespace

double cylindricalBore(double W, double N, double Q)
{
    double dG = 0;
    for (const GRow& r : kCylindrical)
        if (matches(r.size, W, N, Q))
            dG = r.dG;
    return dG;
}

TaperedThread taperedThread(double W, double N, double Q, double L)
{
    TaperedThread t{L, 0, W};
    for (const KRow& r : kTapered)
        if (matches(r.size, W, N, Q))
            t = r.thread;
    return t;
}

} // namespace pipes::hose
