#include "acad/geometry_loop.h"

#include "acad/geometry.h"

#include <gp_Vec.hxx>
#include <gp_Vec2d.hxx>

#include <algorithm>
#include <cmath>
#include <limits>

namespace acad::geom {

namespace {

constexpr double twoPi = 2 * M_PI;

double cross(const gp_Vec2d& u, const gp_Vec2d& v)
{
    return u.X() * v.Y() - u.Y() * v.X();
}

// A segment with what its arc needs: centre, radius, start angle and the
// signed angle it turns through (positive counter-clockwise).
struct Seg {
    gp_Pnt2d a, b;
    bool arc = false;
    gp_Pnt2d c;
    double r = 0, start = 0, sweep = 0;
    double bulge = 0;

    explicit Seg(const LoopSegment& s) : a(s.a), b(s.b), bulge(s.bulge)
    {
        if (s.bulge == 0.0)
            return;
        arc = true;
        const gp_Vec2d chord(a, b);
        const double d = chord.Magnitude();
        const gp_Vec2d left(-chord.Y() / d, chord.X() / d);
        const gp_Pnt2d mid((a.X() + b.X()) / 2, (a.Y() + b.Y()) / 2);
        c = mid.Translated(left * (d * (1 - s.bulge * s.bulge) / (4 * s.bulge)));
        r = d * (1 + s.bulge * s.bulge) / (4 * std::fabs(s.bulge));
        start = std::atan2(a.Y() - c.Y(), a.X() - c.X());
        sweep = 4 * std::atan(s.bulge);
    }

    // Whether the direction from the centre to p lies within the arc.
    bool within(const gp_Pnt2d& p) const
    {
        const double phi = std::atan2(p.Y() - c.Y(), p.X() - c.X());
        double t = sweep > 0 ? phi - start : start - phi;
        t = std::fmod(t, twoPi);
        if (t < 0)
            t += twoPi;
        return t <= std::fabs(sweep) + 1e-12 || t >= twoPi - 1e-12;
    }

    gp_Pnt2d at(double angle) const { return gp_Pnt2d(c.X() + r * std::cos(angle), c.Y() + r * std::sin(angle)); }
};

double pointDistance(const gp_Pnt2d& p, const Seg& s)
{
    if (!s.arc) {
        const gp_Vec2d ab(s.a, s.b), ap(s.a, p);
        const double t = std::clamp(ab.Dot(ap) / ab.SquareMagnitude(), 0.0, 1.0);
        return p.Distance(s.a.Translated(ab * t));
    }
    const double fromCentre = p.Distance(s.c);
    if (fromCentre > 0 && s.within(p))
        return std::fabs(fromCentre - s.r);
    return std::min(p.Distance(s.a), p.Distance(s.b));
}

// Points where the two segments' curves meet within both segments.
std::vector<gp_Pnt2d> intersections(const Seg& s, const Seg& t)
{
    std::vector<gp_Pnt2d> out;
    auto onLine = [](const Seg& l, const gp_Pnt2d& p) {
        const gp_Vec2d ab(l.a, l.b);
        const double u = ab.Dot(gp_Vec2d(l.a, p)) / ab.SquareMagnitude();
        return u >= -1e-12 && u <= 1 + 1e-12;
    };
    auto onSeg = [&](const Seg& g, const gp_Pnt2d& p) { return g.arc ? g.within(p) : onLine(g, p); };
    if (!s.arc && !t.arc) {
        const gp_Vec2d u(s.a, s.b), v(t.a, t.b), w(s.a, t.a);
        const double den = cross(u, v);
        if (std::fabs(den) <= 1e-15 * u.Magnitude() * v.Magnitude())
            return out; // parallel: an overlap shows in the end points' distances
        const double p = cross(w, v) / den, q = cross(w, u) / den;
        if (p >= -1e-12 && p <= 1 + 1e-12 && q >= -1e-12 && q <= 1 + 1e-12)
            out.push_back(s.a.Translated(u * p));
        return out;
    }
    if (s.arc != t.arc) {
        const Seg& line = s.arc ? t : s;
        const Seg& arc = s.arc ? s : t;
        const gp_Vec2d d(line.a, line.b), f(arc.c, line.a);
        const double A = d.SquareMagnitude(), B = 2 * f.Dot(d), C = f.SquareMagnitude() - arc.r * arc.r;
        const double disc = B * B - 4 * A * C;
        if (disc < 0)
            return out;
        const double root = std::sqrt(disc);
        for (double u : {(-B - root) / (2 * A), (-B + root) / (2 * A)}) {
            const gp_Pnt2d p = line.a.Translated(d * u);
            if (u >= -1e-12 && u <= 1 + 1e-12 && arc.within(p))
                out.push_back(p);
        }
        return out;
    }
    const double d = s.c.Distance(t.c);
    if (d <= 1e-15 * (s.r + t.r) || d > s.r + t.r || d < std::fabs(s.r - t.r))
        return out; // concentric (an overlap shows in the end points) or apart
    const double a = (d * d + s.r * s.r - t.r * t.r) / (2 * d);
    const double h = std::sqrt(std::max(0.0, s.r * s.r - a * a));
    const gp_Vec2d e = gp_Vec2d(s.c, t.c) / d;
    const gp_Pnt2d m = s.c.Translated(e * a);
    for (double sign : {-1.0, 1.0}) {
        const gp_Pnt2d p = m.Translated(gp_Vec2d(-e.Y(), e.X()) * (sign * h));
        if (onSeg(s, p) && onSeg(t, p))
            out.push_back(p);
    }
    return out;
}

// The least distance between two segments that do not meet.
double apartDistance(const Seg& s, const Seg& t)
{
    double d = std::min({pointDistance(s.a, t), pointDistance(s.b, t), pointDistance(t.a, s), pointDistance(t.b, s)});
    // Inner points closest to the other curve lie on a normal through a centre.
    auto nearestOnArc = [&](const Seg& arc, const Seg& other) {
        if (!other.arc) {
            const gp_Vec2d ab(other.a, other.b);
            const double u = std::clamp(ab.Dot(gp_Vec2d(other.a, arc.c)) / ab.SquareMagnitude(), 0.0, 1.0);
            const gp_Pnt2d foot = other.a.Translated(ab * u);
            if (foot.Distance(arc.c) > 0) {
                const gp_Pnt2d q = arc.c.Translated(gp_Vec2d(arc.c, foot).Normalized() * arc.r);
                if (arc.within(q))
                    d = std::min(d, pointDistance(q, other));
            }
            return;
        }
        if (arc.c.Distance(other.c) == 0)
            return;
        const gp_Vec2d e = gp_Vec2d(arc.c, other.c).Normalized();
        for (double sign : {-1.0, 1.0}) {
            const gp_Pnt2d q = arc.c.Translated(e * (sign * arc.r));
            if (arc.within(q))
                d = std::min(d, pointDistance(q, other));
        }
    };
    if (s.arc)
        nearestOnArc(s, t);
    if (t.arc)
        nearestOnArc(t, s);
    return d;
}

double segmentArea(const Seg& s)
{
    // The chord's part of the shoelace sum, and the circular segment between
    // the chord and the arc, on the arc's side.
    double area = (s.a.X() * s.b.Y() - s.b.X() * s.a.Y()) / 2;
    if (s.arc) {
        const double theta = std::fabs(s.sweep);
        area += (s.sweep > 0 ? 1 : -1) * s.r * s.r * (theta - std::sin(theta)) / 2;
    }
    return area;
}

[[noreturn]] void overlapping() { invalidInput("контур накладывается сам на себя"); }
[[noreturn]] void crossing() { invalidInput("контур пересекает сам себя"); }

} // namespace

gp_Pnt2d inPlane(const gp_Ax3& axes, const gp_Pnt& p)
{
    const gp_Vec v(axes.Location(), p);
    return gp_Pnt2d(v.Dot(gp_Vec(axes.XDirection())), v.Dot(gp_Vec(axes.YDirection())));
}

double signedArea(const Loop& loop)
{
    double area = 0;
    for (const LoopSegment& s : loop)
        area += segmentArea(Seg(s));
    return area;
}

void checkLoop(const Loop& loop, double tol)
{
    std::vector<Seg> segs;
    segs.reserve(loop.size());
    for (const LoopSegment& s : loop)
        segs.emplace_back(s);
    const std::size_t n = segs.size();
    // Boxes of the segments, grown by the tolerance, to pass over far pairs.
    struct Box {
        double x0, y0, x1, y1;
    };
    std::vector<Box> boxes;
    for (const Seg& s : segs) {
        Box b{std::min(s.a.X(), s.b.X()), std::min(s.a.Y(), s.b.Y()), std::max(s.a.X(), s.b.X()),
              std::max(s.a.Y(), s.b.Y())};
        if (s.arc) {
            for (double angle : {0.0, M_PI / 2, M_PI, 3 * M_PI / 2}) {
                const gp_Pnt2d p = s.at(angle);
                if (s.within(p)) {
                    b.x0 = std::min(b.x0, p.X());
                    b.y0 = std::min(b.y0, p.Y());
                    b.x1 = std::max(b.x1, p.X());
                    b.y1 = std::max(b.y1, p.Y());
                }
            }
        }
        boxes.push_back({b.x0 - tol, b.y0 - tol, b.x1 + tol, b.y1 + tol});
    }
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = i + 1; j < n; ++j) {
            const Box& p = boxes[i];
            const Box& q = boxes[j];
            if (p.x1 < q.x0 || q.x1 < p.x0 || p.y1 < q.y0 || q.y1 < p.y0)
                continue;
            const Seg& s = segs[i];
            const Seg& t = segs[j];
            const bool next = j == i + 1, wraps = i == 0 && j == n - 1;
            if (!next && !wraps) {
                if (!intersections(s, t).empty())
                    crossing();
                if (apartDistance(s, t) <= tol)
                    overlapping();
                continue;
            }
            // Neighbours share their common vertices (both ends in a loop of
            // two) and must not meet anywhere else. One that runs back over
            // the other brings its far end onto it; one that only turns back
            // in a cusp, an arc touching a line, stays clear.
            std::vector<gp_Pnt2d> shared;
            if (next)
                shared.push_back(s.b);
            if (wraps)
                shared.push_back(s.a);
            // Where an arc leaves its neighbour tangentially (a rounded
            // corner) the two stay within the tolerance of each other for
            // sqrt(2 r tol) from the vertex, so a crossing found that near
            // is the tangency itself, however the rounding placed it.
            const double nearVertex = std::max(tol, std::sqrt(2 * std::max(s.r, t.r) * tol));
            for (const gp_Pnt2d& x : intersections(s, t)) {
                const bool atShared = std::any_of(shared.begin(), shared.end(),
                                                  [&](const gp_Pnt2d& v) { return v.Distance(x) <= nearVertex; });
                if (!atShared)
                    crossing();
            }
            auto isShared = [&](const gp_Pnt2d& v) {
                return std::any_of(shared.begin(), shared.end(), [&](const gp_Pnt2d& w) { return w.Distance(v) == 0; });
            };
            for (const gp_Pnt2d& end : {s.a, s.b})
                if (!isShared(end) && pointDistance(end, t) <= tol)
                    overlapping();
            for (const gp_Pnt2d& end : {t.a, t.b})
                if (!isShared(end) && pointDistance(end, s) <= tol)
                    overlapping();
        }
    }
}

bool loopsApart(const Loop& one, const Loop& other, double tol)
{
    for (const LoopSegment& a : one) {
        const Seg s(a);
        for (const LoopSegment& b : other) {
            const Seg t(b);
            if (!intersections(s, t).empty() || apartDistance(s, t) <= tol)
                return false;
        }
    }
    return true;
}

bool insideLoop(const Loop& loop, const gp_Pnt2d& p)
{
    // The winding number: each chord's angle seen from p, and a full turn
    // more for an arc whose circular segment holds p.
    double turn = 0;
    for (const LoopSegment& l : loop) {
        const Seg s(l);
        const gp_Vec2d u(p, s.a), v(p, s.b);
        turn += std::atan2(cross(u, v), u.Dot(v));
        if (s.arc && p.Distance(s.c) < s.r) {
            const gp_Vec2d chord(s.a, s.b);
            const gp_Pnt2d mid = s.at(s.start + s.sweep / 2);
            if (cross(chord, gp_Vec2d(s.a, p)) * cross(chord, gp_Vec2d(s.a, mid)) > 0)
                turn += s.sweep > 0 ? twoPi : -twoPi;
        }
    }
    return std::fabs(turn) > M_PI;
}

} // namespace acad::geom
