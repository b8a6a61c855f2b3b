#include "tools/pictures/glyph_kit.h"

#include <QLinearGradient>

#include <cmath>

namespace glyph {

const QColor kOutline(38, 46, 58);
const QColor kSteel(196, 206, 218);
const QColor kSteelDark(120, 134, 152);
const QColor kGreen(96, 186, 96);
const QColor kGreenDark(42, 112, 42);
const QColor kRubber(45, 45, 50);
const QColor kNavy(0, 0, 128);
const QColor kRed(214, 34, 30);
const QColor kYellow(250, 214, 40);
const QColor kPaper(252, 252, 246);

QImage render(QSize size, const Draw& draw)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    return image;
}

QBrush shaded(const QRectF& over, const QColor& colour)
{
    QLinearGradient g(over.topLeft(), over.bottomRight());
    g.setColorAt(0, colour.lighter(135));
    g.setColorAt(1, colour.darker(125));
    return g;
}

QBrush steel(const QRectF& over)
{
    return shaded(over, kSteel);
}

void fill(QPainter& p, const QPainterPath& path, const QBrush& brush, double outline)
{
    p.setBrush(brush);
    if (outline > 0) {
        QPen pen(kOutline, outline);
        pen.setJoinStyle(Qt::RoundJoin);
        p.setPen(pen);
    } else {
        p.setPen(Qt::NoPen);
    }
    p.drawPath(path);
}

void line(QPainter& p, QPointF a, QPointF b, double width, const QColor& colour)
{
    QPen pen(colour, width);
    pen.setCapStyle(Qt::FlatCap);
    p.setPen(pen);
    p.drawLine(a, b);
}

void wire(QPainter& p, const QPainterPath& path, double width, Qt::PenCapStyle cap)
{
    QPen edge(kOutline, width + 1.6, Qt::SolidLine, cap, Qt::RoundJoin);
    p.setBrush(Qt::NoBrush);
    p.setPen(edge);
    p.drawPath(path);
    edge.setWidthF(width);
    edge.setColor(kSteel);
    p.setPen(edge);
    p.drawPath(path);
}

QPainterPath section(const metal::Section& s, double scale, QPointF at)
{
    auto place = [&](const acad::XY& v) { return at + QPointF(v.x * scale, -v.y * scale); };
    QPainterPath path;
    path.moveTo(place(s.vertices.front()));
    for (std::size_t i = 0; i + 1 < s.vertices.size(); ++i) {
        const QPointF a = place(s.vertices[i]), b = place(s.vertices[i + 1]);
        double bulge = 0;
        for (const acad::Bulge& g : s.bulges)
            if (g.vertex == static_cast<int>(i))
                bulge = g.value;
        if (bulge == 0) {
            path.lineTo(b);
            continue;
        }
        // The arc through a and b whose quarter angle has the bulge as its
        // tangent, counter-clockwise for a positive bulge, as QPainterPath
        // counts angles on the upright picture.
        const double turn = 4 * std::atan(bulge);
        const QPointF mid = (a + b) / 2, chord = b - a;
        const QPointF left(chord.y(), -chord.x()); // left of the chord with y downwards
        const QPointF centre = mid + left * ((1 - bulge * bulge) / (4 * bulge));
        const double radius = std::hypot(a.x() - centre.x(), a.y() - centre.y());
        const double start = std::atan2(-(a.y() - centre.y()), a.x() - centre.x()) * 180 / M_PI;
        path.arcTo(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), start,
                   turn * 180 / M_PI);
    }
    path.closeSubpath();
    path.setFillRule(Qt::OddEvenFill);
    return path;
}

void extruded(QPainter& p, const QPainterPath& face, QPointF depth, const QColor& colour)
{
    // The sides: the face swept back pixel by pixel, then the back outline.
    const int steps = static_cast<int>(std::ceil(std::max(std::abs(depth.x()), std::abs(depth.y())) * 2));
    p.setPen(Qt::NoPen);
    p.setBrush(colour.darker(150));
    for (int k = steps; k > 0; --k)
        p.drawPath(face.translated(depth * k / steps));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kOutline, 0.8));
    p.drawPath(face.translated(depth));
    fill(p, face, shaded(face.boundingRect(), colour));
}

QPainterPath hexagon(QPointF centre, double radius, double turnDegrees)
{
    QPolygonF points;
    for (int k = 0; k <= 6; ++k) {
        const double a = (turnDegrees + 60 * k) * M_PI / 180;
        points << centre + QPointF(radius * std::cos(a), radius * std::sin(a));
    }
    QPainterPath path;
    path.addPolygon(points);
    return path;
}

QPainterPath circle(QPointF centre, double radius)
{
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

QPainterPath ring(QPointF centre, double outer, double inner)
{
    QPainterPath path = circle(centre, outer);
    path.addEllipse(centre, inner, inner);
    path.setFillRule(Qt::OddEvenFill);
    return path;
}

QPainterPath rect(double x, double y, double w, double h)
{
    QPainterPath path;
    path.addRect(x, y, w, h);
    return path;
}

QPainterPath polygon(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

void hatch(QPainter& p, const QPainterPath& area, double spacing, const QColor& colour)
{
    p.save();
    p.setClipPath(area, Qt::IntersectClip);
    const QRectF b = area.boundingRect();
    for (double x = b.left() - b.height(); x < b.right(); x += spacing)
        line(p, QPointF(x, b.bottom()), QPointF(x + b.height(), b.top()), 0.8, colour);
    p.restore();
}

void threadTeeth(QPainter& p, double x0, double x1, double yTop, double yBottom, double pitch)
{
    QPen pen(kOutline, 0.8);
    p.setPen(pen);
    for (double x = x0; x + pitch / 2 <= x1; x += pitch) {
        p.drawLine(QPointF(x, yTop), QPointF(x + pitch / 2, yTop + 1.2));
        p.drawLine(QPointF(x + pitch / 2, yTop + 1.2), QPointF(x + pitch, yTop));
        p.drawLine(QPointF(x, yBottom), QPointF(x + pitch / 2, yBottom - 1.2));
        p.drawLine(QPointF(x + pitch / 2, yBottom - 1.2), QPointF(x + pitch, yBottom));
        line(p, QPointF(x + pitch / 2, yTop + 1.2), QPointF(x + pitch, yBottom - 1.2), 0.6);
    }
}

} // namespace glyph
