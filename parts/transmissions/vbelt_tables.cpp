#include "parts/transmissions/vbelt_tables.h"

#include <iterator>

namespace transmissions {

namespace {

// From the largest torque down; the last row takes everything below 15 N·m.
constexpr Recommendation kRecommendations[] = {
    {6000, "Е", "УВ", 800, 224}, {1600, "Д", "УВ", 500, 224}, {1500, "Г", "УВ", 355, 224},
    {450, "Г", "УБ", 355, 140},  {300, "В", "УБ", 200, 140},  {120, "В", "УА", 200, 90},
    {90, "Б", "УА", 125, 90},    {50, "Б", "У0", 125, 63},    {15, "А", "У0", 90, 63},
    {-1e308, "О", "У0", 63, 63},
};

// Ku: the upper bound of each ratio range (included) and its factor.
struct Bound {
    double upTo;
    double factor;
};
constexpr Bound kRatioFactors[] = {{1.01, 1.00}, {1.05, 1.02}, {1.1, 1.04}, {1.15, 1.06},
                                   {1.2, 1.07},  {1.3, 1.09},  {1.5, 1.11}};
// Cα: the upper bound of each wrap-angle range (included) and its factor.
constexpr Bound kWrapFactors[] = {{85, 0.64},  {95, 0.69},  {105, 0.74}, {115, 0.79}, {125, 0.83},
                                  {135, 0.86}, {145, 0.89}, {155, 0.92}, {165, 0.95}, {175, 0.98},
                                  {185, 1.00}, {195, 1.05}, {205, 1.10}, {215, 1.15}};

} // namespace

const std::array<BeltSection, 9> kBeltSections = {{
    {"О", 8.5, 6, 47, 2.5, 12, 8, 0.5, 7, 2.1, 10, false},
    {"А", 11, 8, 81, 3.3, 15, 10, 1, 8.7, 2.8, 13, false},
    {"Б", 14, 10.5, 138, 4.2, 19, 12.5, 1, 10.8, 4.0, 17, false},
    {"В", 19, 13.5, 230, 5.7, 25.5, 17, 1.5, 14.3, 4.8, 22, false},
    {"Г", 27, 19, 476, 8.1, 37, 24, 2, 20, 6.9, 32, false},
    {"УО", 8.5, 8, 56, 2.5, 12, 8, 0.5, 10, 2.0, 10, true},
    {"УА", 11, 10, 93, 3.0, 15, 10, 1, 13, 2.8, 13, true},
    {"УБ", 14, 13, 159, 4.0, 19, 17, 1, 17, 3.5, 17, true},
    {"УВ", 19, 18, 278, 5.0, 26, 19, 1.5, 19, 4.8, 22, true},
}};

const Recommendation& recommendationFor(double torque)
{
    for (const Recommendation& r : kRecommendations)
        if (torque >= r.fromTorque)
            return r;
    return std::end(kRecommendations)[-1]; // NaN
}

double ratioFactor(double u)
{
    for (const Bound& b : kRatioFactors)
        if (u <= b.upTo)
            return b.factor;
    return u < 2.1 ? 1.12 : 1.14;
}

double wrapFactor(double alpha1)
{
    for (const Bound& b : kWrapFactors)
        if (alpha1 <= b.upTo)
            return b.factor;
    return 1.20;
}

} // namespace transmissions
