#pragma once
// The volume of rings (tori) lying flat side by side, worked out from their
// sections: each ring's section at a height is an annulus.
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

// A ring lying flat: its middle circle of radius R about the vertical line
// through (x, z) at height y, its tube of radius r.
struct Ring {
    double R, r, x, y, z;
};

// The area the rings' sections at height h cover together. From the point
// amid the rings' axes every ray leaves each section (an annulus whose hole
// holds the point) in one stretch, from its inner circle out to its outer
// one; the stretches merged, the area is the sum of (b² − a²) / 2 over the
// turn.
inline double sectionsArea(const std::vector<Ring>& rings, double h)
{
    double mx = 0, mz = 0;
    for (const Ring& ring : rings) {
        mx += ring.x / rings.size();
        mz += ring.z / rings.size();
    }
    const int n = 8192;
    double sum = 0;
    for (int k = 0; k < n; ++k) {
        const double phi = 2 * M_PI * k / n;
        const double ux = std::cos(phi), uz = std::sin(phi);
        std::vector<std::pair<double, double>> spans;
        for (const Ring& ring : rings) {
            const double w = ring.r * ring.r - (h - ring.y) * (h - ring.y);
            if (w <= 0)
                continue;
            const double cx = ring.x - mx, cz = ring.z - mz, along = cx * ux + cz * uz, off = cx * cx + cz * cz;
            auto exit = [&](double radius) { return along + std::sqrt(radius * radius - off + along * along); };
            spans.push_back({exit(ring.R - std::sqrt(w)), exit(ring.R + std::sqrt(w))});
        }
        std::sort(spans.begin(), spans.end());
        double a = 0, b = -1;
        for (const auto& [from, to] : spans) {
            if (from > b) {
                if (b > a)
                    sum += (b * b - a * a) / 2;
                a = from;
            }
            b = std::max(b, to);
        }
        if (b > a)
            sum += (b * b - a * a) / 2;
    }
    return sum * 2 * M_PI / n;
}

// The rings' volume together: their common sections over the heights, in
// stretches between the heights where a ring begins or ends, each stretch
// h = lo + (hi − lo)(1 − cos t) / 2 so that the square-root ends of the
// sections stay smooth (Simpson's rule in t).
inline double ringsVolume(const std::vector<Ring>& rings)
{
    std::vector<double> ends;
    for (const Ring& ring : rings)
        ends.insert(ends.end(), {ring.y - ring.r, ring.y + ring.r});
    std::sort(ends.begin(), ends.end());
    double volume = 0;
    for (std::size_t i = 0; i + 1 < ends.size(); ++i) {
        const double lo = ends[i], hi = ends[i + 1];
        if (hi - lo < 1e-12)
            continue;
        const int m = 160;
        double sum = 0;
        for (int k = 0; k <= m; ++k) {
            const double t = M_PI * k / m;
            const double weight = k == 0 || k == m ? 1 : k % 2 ? 4 : 2;
            sum += weight * sectionsArea(rings, lo + (hi - lo) * (1 - std::cos(t)) / 2) * (hi - lo) / 2 *
                   std::sin(t);
        }
        volume += sum * (M_PI / m) / 3;
    }
    return volume;
}

