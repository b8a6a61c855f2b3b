#include "parts/metal/gost_pipes.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>

namespace metal::pipes {

namespace {

// The series of walls that both standards draw from; the thickest two occur
// only in single entries.
constexpr double kWalls[] = {1, 1.5, 2, 2.5, 3, 3.5, 4, 5, 6, 7, 8, 9, 10, 12, 14, 18, 20};

// One size with consecutive walls of the series, thinnest to thickest.
struct Run {
    double b, h, thinnest, thickest;
};

// A size with one wall, listed after the ordered runs.
struct Single {
    double b, h, t;
};

constexpr Run kSquareRuns[] = {
    {10, 10, 1, 1},     {15, 15, 1, 1.5},   {20, 20, 1, 2},     {25, 25, 1, 3},     {30, 30, 2, 4},
    {35, 35, 2, 5},     {40, 40, 2, 6},     {42, 42, 3, 6},     {45, 45, 3, 8},     {50, 50, 3, 8},
    {60, 60, 3.5, 8},   {70, 70, 4, 8},     {80, 80, 4, 8},     {90, 90, 5, 8},     {100, 100, 6, 9},
    {110, 110, 6, 9},   {120, 120, 6, 9},   {140, 140, 6, 9},   {150, 150, 7, 10},  {180, 180, 8, 14},
};
constexpr Single kSquareSingles[] = {{32, 32, 4}, {36, 36, 4}, {40, 40, 2}, {65, 65, 6}};

constexpr Run kRectangularRuns[] = {
    {15, 10, 1, 2},     {20, 10, 1, 2},     {20, 15, 1, 2.5},   {25, 10, 1, 2.5},   {25, 15, 1, 2.5},
    {30, 10, 1, 3},     {30, 15, 1, 3},     {30, 20, 1, 3},     {35, 15, 1.5, 3.5}, {35, 20, 1.5, 3.5},
    {35, 25, 1.5, 3.5}, {40, 15, 2, 4},     {40, 20, 2, 4},     {40, 25, 2, 4},     {40, 30, 2, 4},
    {42, 20, 2, 4},     {42, 30, 2, 4},     {45, 20, 2, 4},     {45, 30, 2, 4},     {50, 25, 2, 4},
    {50, 30, 2, 4},     {50, 35, 2, 4},     {50, 40, 2, 4},     {60, 25, 2.5, 5},   {60, 30, 2.5, 5},
    {60, 40, 3, 5},     {70, 30, 3, 6},     {70, 40, 3, 6},     {70, 50, 3, 6},     {80, 40, 3, 7},
    {80, 50, 3, 4},     {80, 60, 3.5, 7},   {90, 40, 3.5, 7},   {90, 60, 4, 7},     {100, 40, 4, 7},
    {100, 50, 4, 7},    {100, 70, 4, 7},    {110, 40, 4, 7},    {110, 50, 4, 7},    {110, 60, 4, 7},
    {120, 40, 5, 8},    {120, 60, 5, 8},    {120, 80, 5, 8},    {140, 60, 5, 8},    {140, 80, 5, 8},
    {140, 120, 6, 9},   {150, 80, 6, 10},   {150, 100, 6, 10},  {180, 80, 7, 12},   {180, 100, 8, 12},
    {180, 150, 8, 12},
};
constexpr Single kRectangularSingles[] = {
    {28, 25, 1.5}, {28, 25, 2},    {28, 25, 2.5},   {40, 25, 1.5},  {40, 28, 1.5},  {40, 28, 2},
    {40, 28, 2.5}, {70, 50, 7},    {90, 50, 3},     {140, 60, 3},   {150, 60, 7},   {160, 130, 8},
    {180, 145, 20}, {190, 120, 12}, {196, 170, 18}, {200, 120, 8},  {230, 100, 8},
};

// The one square entry whose largest radius is not twice its wall (50 x 50 x 8).
constexpr int kSquareOddRadiusEntry = 48;
constexpr double kSquareOddRadius = 12;

const double* wallOf(double t)
{
    const double* w = std::find(std::begin(kWalls), std::end(kWalls), t);
    if (w == std::end(kWalls))
        throw std::logic_error("a pipe wall outside the series");
    return w;
}

template <std::size_t R, std::size_t S>
std::vector<PipeEntry> generate(int firstNumber, const Run (&runs)[R], const Single (&singles)[S])
{
    std::vector<PipeEntry> entries;
    int number = firstNumber;
    for (const Run& run : runs)
        for (const double* w = wallOf(run.thinnest); w <= wallOf(run.thickest); ++w)
            entries.push_back({number++, run.b, run.h, *w, 2 * *w});
    for (const Single& s : singles)
        entries.push_back({number++, s.b, s.h, s.t, 2 * s.t});
    return entries;
}

} // namespace

const std::vector<PipeEntry>& gost8639()
{
    static const std::vector<PipeEntry> entries = [] {
        std::vector<PipeEntry> e = generate(1, kSquareRuns, kSquareSingles);
        e[kSquareOddRadiusEntry - 1].rmax = kSquareOddRadius;
        return e;
    }();
    return entries;
}

const std::vector<PipeEntry>& gost8645()
{
    static const std::vector<PipeEntry> entries =
        generate(static_cast<int>(gost8639().size()) + 1, kRectangularRuns, kRectangularSingles);
    return entries;
}

} // namespace metal::pipes
