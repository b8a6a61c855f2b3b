#pragma once
// The clamp panel driven with a clamp's sizes, and the areas of the bent
// strip's section from which its volume and its blank are worked out.
#include "seals_fixture.h"

#include <cmath>

struct Sizes {
    double D, H, r, S, L, B, d, A;
};

// The bent strip's section: the two feet from the bends out to the hole
// centres, the two bends and the wrap, each bend turning through
// pi/2 - phi and the wrap through pi - 2 phi.
inline double stripArea(const Sizes& s, double w, double phi)
{
    const double feet = 2 * s.S * (s.A / 2 - w);
    const double bends = (pi / 2 - phi) * ((s.r + s.S) * (s.r + s.S) - s.r * s.r);
    const double wrap = (pi - 2 * phi) / 2 * ((s.D / 2 + s.S) * (s.D / 2 + s.S) - s.D * s.D / 4);
    return feet + bends + wrap;
}

inline double holes(const Sizes& s)
{
    return 2 * s.S * pi * s.d * s.d / 4;
}

// Two semicircular ends of radius B/2, S thick.
inline double roundEnds(const Sizes& s)
{
    return s.S * pi * s.B * s.B / 4;
}

// Type I: the square end from the right hole to L - L1, and the tab: the
// left foot carried on from -A/2 to t1 = S - L1 + r, a quarter bend of
// inner radius r, a leg from -r down to -h.
inline double typeOneEnds(const Sizes& s, double L1, double h)
{
    const double squareEnd = s.S * (s.L - L1 - s.A / 2);
    const double t1 = s.S - L1 + s.r;
    const double tab = s.S * (-s.A / 2 - t1) + pi / 4 * ((s.r + s.S) * (s.r + s.S) - s.r * s.r) + s.S * (h - s.r);
    return squareEnd + tab;
}

class ClampTest : public SealsTest {
protected:
    void typeSizes(const Sizes& s)
    {
        type("Panel134", {{"Edit551", num(s.D)}, {"Edit552", num(s.H)}, {"Edit553", num(s.r)}, {"Edit554", num(s.S)},
                          {"Edit555", num(s.L)}, {"Edit556", num(s.B)}, {"Edit557", num(s.d)}, {"Edit558", num(s.A)}});
    }
    acad::IAcad3DSolid draw(const char* radio, const Sizes& s)
    {
        clearDrawing();
        errors.clear();
        check("Panel134", radio);
        typeSizes(s);
        press("Panel134", "BitBtn13");
        return onlyPart(20);
    }
};
