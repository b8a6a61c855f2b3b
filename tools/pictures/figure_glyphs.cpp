// The worker figure's glyphs: the five buttons of its strip (initial pose,
// save, load, body page, finger and colour page).
#include "tools/pictures/glyphs.h"

#include "tools/pictures/glyph_kit.h"

#include <QtMath>

namespace pictures {

namespace {

using namespace glyph;

// A figure standing with its arms out sideways, its head at the top.
void stickFigure(QPainter& p, QPointF head, double s, const QColor& colour, double width)
{
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(head, 1.6 * s, 1.6 * s);
    const QPointF neck = head + QPointF(0, 1.6 * s), hip = neck + QPointF(0, 5 * s);
    p.drawLine(neck, hip);
    p.drawLine(neck + QPointF(-4.2 * s, 0.6 * s), neck + QPointF(4.2 * s, 0.6 * s));
    p.drawLine(hip, hip + QPointF(-2 * s, 5 * s));
    p.drawLine(hip, hip + QPointF(2 * s, 5 * s));
}

// A sheet with its corner turned down.
void sheet(QPainter& p, const QRectF& r)
{
    fill(p, polygon({r.topLeft(), {r.right() - 3, r.top()}, {r.right(), r.top() + 3}, r.bottomRight(), r.bottomLeft()}),
         kPaper, 0.8);
    for (double y = r.top() + 4.5; y < r.bottom() - 1; y += 2.5)
        line(p, QPointF(r.left() + 1.5, y), QPointF(r.right() - 1.5, y), 0.5, QColor(60, 90, 150));
}

// A thick arrow from a to b with its head at b.
void arrow(QPainter& p, QPointF a, QPointF b, const QColor& colour)
{
    const QPointF d = (b - a) / std::hypot(b.x() - a.x(), b.y() - a.y());
    const QPointF n(-d.y(), d.x());
    p.setPen(QPen(colour, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(a, b - 2.5 * d);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(QPolygonF({b, b - 4.5 * d + 3 * n, b - 4.5 * d - 3 * n}));
}

// An open hand, palm down, fingers upwards.
QPainterPath hand(QPointF wrist, double s)
{
    QPainterPath path = rect(wrist.x() - 3.5 * s, wrist.y() - 6 * s, 7 * s, 6 * s);
    const double lengths[] = {4.2, 5.4, 5.8, 5.2, 4.2};
    for (int k = 1; k < 5; ++k) {
        QPainterPath finger;
        const double x = wrist.x() - 3.5 * s + (k - 1) * 1.75 * s + 0.15 * s;
        finger.addRoundedRect(QRectF(x, wrist.y() - (6 + lengths[k]) * s, 1.45 * s, (lengths[k] + 1) * s), 0.7 * s,
                              0.7 * s);
        path = path.united(finger);
    }
    QPainterPath thumb;
    thumb.addRoundedRect(QRectF(-0.7 * s, -lengths[0] * s, 1.45 * s, lengths[0] * s), 0.7 * s, 0.7 * s);
    QTransform turn;
    turn.translate(wrist.x() - 3.2 * s, wrist.y() - 2.5 * s);
    turn.rotate(-50);
    return path.united(turn.map(thumb));
}

struct Small {
    const char* path;
    QSize size;
    Draw draw;
};

const std::vector<Small>& smalls()
{
    static const std::vector<Small> all = {
        {"figure/initial_pose.png", {21, 17}, [](QPainter& p) { // the figure at rest and a green turn back
             stickFigure(p, {7, 2.5}, 1.1, kNavy, 1.3);
             p.setPen(QPen(kGreenDark, 1.6, Qt::SolidLine, Qt::RoundCap));
             p.drawArc(QRectF(13, 2, 7, 7), 90 * 16, 270 * 16);
             p.setPen(Qt::NoPen);
             p.setBrush(kGreenDark);
             p.drawPolygon(QPolygonF({QPointF(16.5, 0.2), QPointF(19.5, 2), QPointF(16.5, 4.2)}));
         }},
        {"figure/save_pose.png", {21, 17}, [](QPainter& p) { // a red arrow down into a sheet
             sheet(p, QRectF(7.5, 5.5, 11, 11));
             arrow(p, QPointF(4, 0.5), QPointF(11, 11), kRed);
         }},
        {"figure/load_pose.png", {21, 17}, [](QPainter& p) { // a green arrow up out of a sheet
             sheet(p, QRectF(2.5, 5.5, 11, 11));
             arrow(p, QPointF(9, 11), QPointF(18, 1), kGreenDark);
         }},
        {"figure/body_page.png", {21, 17}, [](QPainter& p) { // the figure with a red angle at its arm
             stickFigure(p, {10.5, 2}, 1.15, kNavy, 1.3);
             p.setPen(QPen(kRed, 1.2));
             p.setBrush(Qt::NoBrush);
             p.drawLine(QPointF(10.5, 4.5), QPointF(19.5, 0.8));
             p.drawArc(QRectF(12, 1.5, 7, 7), 0, 25 * 16);
         }},
        {"figure/finger_page.png", {21, 17}, [](QPainter& p) { // a hand and three colour dots
             fill(p, hand({8, 16.5}, 1.3), shaded(QRectF(2, 1, 12, 16), QColor(240, 190, 160)), 0.8);
             const QColor dots[] = {kRed, kGreen, QColor(40, 80, 220)};
             for (int k = 0; k < 3; ++k)
                 fill(p, circle({18, 3.5 + 5 * k}, 2.2), QBrush(dots[k]), 0.6);
         }},
    };
    return all;
}

} // namespace

std::vector<PictureFile> figureGlyphs()
{
    std::vector<PictureFile> files;
    for (const Small& s : smalls())
        files.push_back({QLatin1String(s.path), [&s] { return render(s.size, s.draw); }});
    return files;
}

} // namespace pictures
