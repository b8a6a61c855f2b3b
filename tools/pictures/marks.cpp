#include "tools/pictures/marks.h"

#include <QLineF>

#include <algorithm>
#include <cmath>

namespace pictures {

namespace {

constexpr double kArrowLength = 9;
constexpr double kArrowHalfWidth = 2.2;
constexpr double kOvershoot = 4;  // extension lines run past the dimension line
constexpr double kGap = 2;        // between the part and an extension line
constexpr double kLetterGap = 3;  // between a line and its letter
constexpr double kDotRadius = 2.5;

QPointF unit(QPointF v)
{
    const double l = std::hypot(v.x(), v.y());
    return l > 0 ? v / l : QPointF(1, 0);
}

double dot(QPointF a, QPointF b)
{
    return a.x() * b.x() + a.y() * b.y();
}

// A filled arrowhead with its tip at the point, pointing along direction.
QPolygonF arrowhead(QPointF tip, QPointF direction)
{
    const QPointF d = unit(direction);
    const QPointF n(-d.y(), d.x());
    const QPointF base = tip - d * kArrowLength;
    return QPolygonF({tip, base + n * kArrowHalfWidth, base - n * kArrowHalfWidth, tip});
}

// How far a box reaches from its centre along a unit direction.
double reach(const QRectF& box, QPointF direction)
{
    return std::abs(direction.x()) * box.width() / 2 + std::abs(direction.y()) * box.height() / 2;
}

// The letter's box centred at the point `gap` beyond `from` along direction.
QPainterPath letterBeside(const QString& letter, QPointF from, QPointF direction, double gap, double size)
{
    const QRectF box = letterPath(letter, {}, size).boundingRect();
    return letterPath(letter, from + direction * (gap + reach(box, direction)), size);
}

void addLinear(Sheet& sheet, const PlacedMark& m, const QTransform& px, double size)
{
    const QPointF a = px.map(m.lineFrom), b = px.map(m.lineTo);
    // Extension lines from the part to a little past the dimension line.
    for (const auto& [onPart, onLine] : {std::pair{px.map(m.from), a}, std::pair{px.map(m.to), b}}) {
        const QPointF along = onLine - onPart;
        if (std::hypot(along.x(), along.y()) < 1)
            continue;
        const QPointF d = unit(along);
        sheet.lines.push_back({Stroke::Thin, QPolygonF({onPart + d * kGap, onLine + d * kOvershoot})});
    }

    const QPointF d = unit(b - a);
    const double length = QLineF(a, b).length();
    const QRectF box = letterPath(m.letter, {}, size).boundingRect();
    const bool roomForArrows = length >= 2.6 * kArrowLength;
    const bool roomForLetter = length >= 2 * kArrowLength + reach(box, d) * 2 + 4;

    if (roomForArrows) {
        sheet.lines.push_back({Stroke::Thin, QPolygonF({a, b})});
        sheet.arrows.push_back(arrowhead(a, -d));
        sheet.arrows.push_back(arrowhead(b, d));
    } else {
        // Arrows outside pointing inwards, the line running on past them.
        const double tail = kArrowLength + 6;
        sheet.lines.push_back({Stroke::Thin, QPolygonF({a - d * tail, b + d * tail})});
        sheet.arrows.push_back(arrowhead(a, d));
        sheet.arrows.push_back(arrowhead(b, -d));
    }

    if (roomForLetter) {
        // Beside the middle of the line, on the side away from the part.
        QPointF n(-d.y(), d.x());
        const QPointF away = a - px.map(m.from);
        if (std::hypot(away.x(), away.y()) >= 1 ? dot(n, away) < 0 : n.y() > 0)
            n = -n;
        sheet.letters.push_back(letterBeside(m.letter, (a + b) / 2, n, kLetterGap, size));
    } else {
        // Past the end of the line.
        const QPointF end = roomForArrows ? b : b + d * (kArrowLength + 6);
        sheet.letters.push_back(letterBeside(m.letter, end, d, kLetterGap, size));
    }
}

void addLeader(Sheet& sheet, const PlacedMark& m, const QTransform& px, double size, bool dot = false)
{
    const QPointF tip = px.map(m.from), knee = px.map(m.to);
    const QRectF box = letterPath(m.letter, {}, size).boundingRect();
    const double side = knee.x() >= tip.x() ? 1 : -1;
    const QPointF shelfEnd = knee + QPointF(side * (box.width() + size * 6 / kLetterPixels), 0);
    sheet.lines.push_back({Stroke::Thin, QPolygonF({tip, knee, shelfEnd})});
    if (dot) {
        QPolygonF disc;
        const double radius = kDotRadius * std::min(1.0, size / kLetterPixels * 1.2);
        for (int k = 0; k < 12; ++k)
            disc << tip + radius * QPointF(std::cos(k * M_PI / 6), std::sin(k * M_PI / 6));
        sheet.arrows.push_back(disc);
    } else {
        sheet.arrows.push_back(arrowhead(tip, tip - knee));
    }
    sheet.letters.push_back(letterPath(m.letter,
                                       QPointF((knee.x() + shelfEnd.x()) / 2, knee.y() - kLetterGap - box.height() / 2),
                                       size));
}

// The arc about the vertex from the ray through `to` to the ray through
// the other point, the shorter way round.
void addAngle(Sheet& sheet, const PlacedMark& m, const QTransform& px, double size)
{
    const QPointF c = px.map(m.from), a = px.map(m.to), b = px.map(m.lineFrom);
    const double radius = QLineF(c, a).length();
    const double start = std::atan2(a.y() - c.y(), a.x() - c.x());
    double sweep = std::atan2(b.y() - c.y(), b.x() - c.x()) - start;
    while (sweep > M_PI)
        sweep -= 2 * M_PI;
    while (sweep <= -M_PI)
        sweep += 2 * M_PI;
    const auto at = [&](double t) { return c + radius * QPointF(std::cos(t), std::sin(t)); };
    QPolygonF arc;
    const int steps = std::max(8, int(std::abs(sweep) * radius / 3));
    for (int k = 0; k <= steps; ++k)
        arc << at(start + sweep * k / steps);
    sheet.lines.push_back({Stroke::Thin, arc});
    // The arrows point along the arc, out of it at both ends.
    const double turn = sweep > 0 ? 1 : -1;
    const auto tangent = [&](double t) { return QPointF(-std::sin(t), std::cos(t)) * turn; };
    sheet.arrows.push_back(arrowhead(arc.back(), tangent(start + sweep)));
    sheet.arrows.push_back(arrowhead(arc.front(), -tangent(start)));
    const double middle = start + sweep / 2;
    sheet.letters.push_back(letterBeside(m.letter, at(middle), QPointF(std::cos(middle), std::sin(middle)), kLetterGap, size));
}

} // namespace

void addMark(Sheet& sheet, const PlacedMark& mark, const QTransform& toPixels, double size)
{
    switch (mark.mark) {
    case Mark::Linear:
        addLinear(sheet, mark, toPixels, size);
        break;
    case Mark::Leader:
        addLeader(sheet, mark, toPixels, size);
        break;
    case Mark::Point:
        addLeader(sheet, mark, toPixels, size, true);
        break;
    case Mark::Angle:
        addAngle(sheet, mark, toPixels, size);
        break;
    case Mark::Text:
        sheet.letters.push_back(letterPath(mark.letter, toPixels.map(mark.from), size));
        break;
    case Mark::Axis:
        sheet.lines.push_back({Stroke::Axis, QPolygonF({toPixels.map(mark.from), toPixels.map(mark.to)})});
        break;
    }
}

} // namespace pictures
