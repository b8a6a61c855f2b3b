#pragma once
// The vocabulary of the glyphs: the colours of steel, of the green parts and
// of rubber, filled outlines, extruded sections of the rolled-metal parts,
// hexagons, rings, threads and hatching, drawn with QPainter on a
// transparent square of a few dozen pixels.
#include "parts/metal/sections.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <functional>

namespace glyph {

using Draw = std::function<void(QPainter&)>;

// A transparent picture of the size, antialiased, drawn by draw.
QImage render(QSize size, const Draw& draw);

extern const QColor kOutline, kSteel, kSteelDark, kGreen, kGreenDark, kRubber, kNavy, kRed, kYellow, kPaper;

// A diagonal light-to-dark gradient over the rectangle.
QBrush shaded(const QRectF& over, const QColor& colour);
QBrush steel(const QRectF& over);

// Fills the path and draws its outline (1 pixel unless given).
void fill(QPainter& p, const QPainterPath& path, const QBrush& brush, double outline = 1);
void line(QPainter& p, QPointF a, QPointF b, double width = 1, const QColor& colour = kOutline);
// A bent wire or strip: a steel line of the given width inside a darker edge.
void wire(QPainter& p, const QPainterPath& path, double width, Qt::PenCapStyle cap);

// A rolled-metal section, its arcs made from its bulges, scaled by s and
// placed with its origin at `at`, y upwards.
QPainterPath section(const metal::Section& s, double scale, QPointF at);
// The section's face in front and its extrusion going back by depth.
void extruded(QPainter& p, const QPainterPath& face, QPointF depth, const QColor& colour);

QPainterPath hexagon(QPointF centre, double radius, double turnDegrees = 0);
QPainterPath circle(QPointF centre, double radius);
QPainterPath ring(QPointF centre, double outer, double inner);
QPainterPath rect(double x, double y, double w, double h);
QPainterPath polygon(std::initializer_list<QPointF> points);

// Parallel lines at 45 degrees, `spacing` apart, inside the path.
void hatch(QPainter& p, const QPainterPath& area, double spacing, const QColor& colour = kOutline);
// A screw thread on a horizontal rod: crests and roots as a zigzag.
void threadTeeth(QPainter& p, double x0, double x1, double yTop, double yBottom, double pitch);

} // namespace glyph
