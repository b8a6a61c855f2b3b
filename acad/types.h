#pragma once
// The values that travel to the drawing: points, vertex lists, object lists,
// late-bound property values and true colours.
#include <QString>

#include <cstddef>
#include <variant>
#include <vector>

namespace acad {

// One point: x, y, z in millimetres. A new point holds (0, 0, 0).
struct AcadPoint {
    double v[3] = {0, 0, 0};
    AcadPoint() = default;
    AcadPoint(double x, double y, double z) : v{x, y, z} {}
    double& operator[](std::size_t i) { return v[i]; }
    double operator[](std::size_t i) const { return v[i]; }
};

// Vertices of a polyline: x, y, z of vertex k at 3k, 3k + 1, 3k + 2.
using VertexList = std::vector<double>;

// A new vertex list of n vertices, all at the origin.
inline VertexList newVertexList(std::size_t n) { return VertexList(3 * n, 0.0); }

// Writes vertex k of a list.
inline void setVertex(VertexList& list, std::size_t k, double x, double y, double z = 0.0)
{
    list[3 * k] = x;
    list[3 * k + 1] = y;
    list[3 * k + 2] = z;
}

// A value of a late-bound property.
using OleVariant = std::variant<bool, int, double, QString>;

} // namespace acad
