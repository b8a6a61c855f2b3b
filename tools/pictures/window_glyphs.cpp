// The window's and the panels' small pictures: the toolbar's green arrows,
// the window icon, the glyphs of the table buttons and of "3D" and "2D",
// the page buttons and the "=" buttons of the calculation pages, the free
// star of the jaw coupling, the mass calculator's button, and the pictures
// of the side strips.
#include "tools/pictures/glyphs.h"

#include "tools/pictures/glyph_kit.h"

#include <QtMath>

namespace pictures {

namespace {

using namespace glyph;

void arrow(QPainter& p, bool left)
{
    const QPainterPath triangle = left ? polygon({{14.5, 2.5}, {14.5, 17.5}, {4, 10}})
                                       : polygon({{5.5, 2.5}, {5.5, 17.5}, {16, 10}});
    p.setBrush(shaded(QRectF(4, 2, 12, 16), kGreen));
    p.setPen(QPen(kGreenDark, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(triangle);
}

// A sheet ruled as a table: a header row and a number column.
void ruledSheet(QPainter& p, const QRectF& r)
{
    fill(p, rect(r.x(), r.y(), r.width(), r.height()), kPaper, 1);
    for (double y = r.top() + 3.5; y < r.bottom() - 1; y += 3)
        line(p, QPointF(r.left() + 1, y), QPointF(r.right() - 1, y), 0.6, QColor(60, 90, 150));
    line(p, QPointF(r.left() + 4, r.top() + 1), QPointF(r.left() + 4, r.bottom() - 1), 0.6, QColor(60, 90, 150));
}

// A gear of z teeth about the centre, its hub bored with a keyway.
QPainterPath gear(QPointF c, int z, double tip, double root, double bore)
{
    QPolygonF outline;
    for (int k = 0; k < z; ++k) {
        const double a = 2 * M_PI * k / z, step = 2 * M_PI / z;
        for (auto [da, r] : {std::pair{0.0, root}, {0.18, tip}, {0.5, tip}, {0.68, root}})
            outline << c + r * QPointF(std::cos(a + da * step), std::sin(a + da * step));
    }
    QPainterPath path;
    path.addPolygon(outline);
    path.closeSubpath();
    path.addPath(circle(c, bore).united(rect(c.x() - bore * 0.3, c.y() - bore * 1.3, bore * 0.6, bore * 0.6)));
    path.setFillRule(Qt::OddEvenFill);
    return path;
}

// A sheet of the calculation with a green arrow to the next or the previous page.
void pageTurn(QPainter& p, bool back)
{
    ruledSheet(p, back ? QRectF(7.5, 1.5, 11, 15) : QRectF(1.5, 1.5, 11, 15));
    const QPainterPath arrow = back ? polygon({{12, 8}, {12, 18.5}, {2, 13.25}}) : polygon({{8, 8}, {8, 18.5}, {18, 13.25}});
    p.setBrush(shaded(QRectF(2, 8, 16, 11), kGreen));
    p.setPen(QPen(kGreenDark, 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(arrow);
}

struct Small {
    const char* path;
    QSize size;
    Draw draw;
};

const std::vector<Small>& smalls()
{
    static const std::vector<Small> all = {
        {"window/arrow_left.png", {20, 20}, [](QPainter& p) { arrow(p, true); }},
        {"window/arrow_right.png", {20, 20}, [](QPainter& p) { arrow(p, false); }},
        {"window/icon.png", {32, 32}, [](QPainter& p) {
             QPainterPath tile;
             tile.addRoundedRect(QRectF(1, 1, 30, 30), 5, 5);
             fill(p, tile, QColor(255, 255, 225), 0);
             p.setPen(QPen(kNavy, 1.5));
             p.setBrush(Qt::NoBrush);
             p.drawPath(tile);
             extruded(p, section(metal::iBeam(20, 14, 3, 3.2, 1, 2, 7), 1, {5, 27}), QPointF(7, -4), kGreen);
         }},
        {"glyphs/table_load.png", {20, 20}, [](QPainter& p) { // a red arrow at a ruled sheet
             ruledSheet(p, QRectF(6.5, 1.5, 12, 16));
             p.setPen(QPen(kRed, 2.2, Qt::SolidLine, Qt::RoundCap));
             p.drawLine(QPointF(1.5, 18.5), QPointF(7.5, 12.5));
             p.setPen(Qt::NoPen);
             p.setBrush(kRed);
             p.drawPolygon(QPolygonF({QPointF(11.5, 8.5), QPointF(4.8, 10.3), QPointF(9.7, 15.2)}));
         }},
        {"glyphs/table_show.png", {20, 20}, [](QPainter& p) { // a ruled sheet with a yellow mark
             ruledSheet(p, QRectF(2.5, 1.5, 15, 17));
             fill(p, rect(3.5, 8, 13, 3), QColor(250, 214, 40, 210), 0);
             fill(p, circle({15, 15.5}, 3.2), shaded(QRectF(12, 12, 6, 6), kYellow), 0.8);
         }},
        {"glyphs/button_3d.png", {14, 14}, [](QPainter& p) { // a green cube
             fill(p, polygon({{7, 1}, {13, 4}, {7, 7}, {1, 4}}), QBrush(kGreen.lighter(130)), 0.8);
             fill(p, polygon({{1, 4}, {7, 7}, {7, 13}, {1, 10}}), QBrush(kGreen), 0.8);
             fill(p, polygon({{7, 7}, {13, 4}, {13, 10}, {7, 13}}), QBrush(kGreenDark), 0.8);
         }},
        {"glyphs/button_2d.png", {14, 14}, [](QPainter& p) { // a hatched section
             const QPainterPath face = rect(1.5, 2.5, 11, 9);
             fill(p, face, kPaper, 0);
             hatch(p, face, 2.5, kNavy);
             p.setPen(QPen(kOutline, 1.2));
             p.setBrush(Qt::NoBrush);
             p.drawPath(face);
         }},
        {"glyphs/button_equals.png", {14, 14}, [](QPainter& p) { // a calculator key with "="
             QPainterPath key;
             key.addRoundedRect(QRectF(0.5, 0.5, 13, 13), 2.5, 2.5);
             fill(p, key, shaded(QRectF(0, 0, 14, 14), kPaper), 0.8);
             fill(p, rect(3, 4, 8, 2), QBrush(kNavy), 0);
             fill(p, rect(3, 8, 8, 2), QBrush(kNavy), 0);
         }},
        {"glyphs/free_star.png", {28, 28}, [](QPainter& p) { // the coupling's six-lobe star
             QPainterPath star = circle({14, 14}, 6.5);
             for (int k = 0; k < 6; ++k) {
                 QPainterPath lobe;
                 lobe.addRoundedRect(QRectF(-3, -12.5, 6, 12.5), 2.8, 2.8);
                 star = star.united(QTransform().translate(14, 14).rotate(60 * k).map(lobe));
             }
             star.addPath(circle({14, 14}, 2.5));
             star.setFillRule(Qt::OddEvenFill);
             fill(p, star, shaded(QRectF(1, 1, 26, 26), QColor(200, 60, 60)), 0.9);
         }},
        {"glyphs/page_next.png", {20, 20}, [](QPainter& p) { pageTurn(p, false); }},
        {"glyphs/page_back.png", {20, 20}, [](QPainter& p) { pageTurn(p, true); }},
        {"glyphs/calculator.png", {16, 16}, [](QPainter& p) { // a pocket calculator
             QPainterPath body;
             body.addRoundedRect(QRectF(2.5, 0.5, 11, 15), 1.5, 1.5);
             fill(p, body, shaded(QRectF(2, 0, 12, 16), QColor(150, 155, 165)), 0.8);
             fill(p, rect(4, 2, 8, 3.5), QBrush(QColor(200, 230, 190)), 0.6);
             for (int row = 0; row < 3; ++row)
                 for (int col = 0; col < 3; ++col)
                     fill(p, rect(4 + 3 * col, 7 + 2.8 * row, 2, 1.8), QBrush(row == 2 && col == 2 ? kRed : kNavy), 0);
         }},
        {"window/strip_gear.png", {60, 60}, [](QPainter& p) {
             fill(p, gear({30, 30}, 18, 27, 23, 6), steel(QRectF(3, 3, 54, 54)), 1);
             p.setPen(QPen(kSteelDark, 0.8));
             p.setBrush(Qt::NoBrush);
             p.drawEllipse(QPointF(30, 30), 18, 18);
             p.drawEllipse(QPointF(30, 30), 10, 10);
         }},
        {"window/strip_caliper.png", {120, 40}, [](QPainter& p) {
             fill(p, polygon({{6, 8}, {116, 8}, {116, 16}, {16, 16}, {16, 36}, {10, 36}, {6, 30}}),
                  steel(QRectF(6, 8, 110, 28)));
             fill(p, polygon({{10, 8}, {10, 2}, {14, 2}, {16, 8}}), steel(QRectF(10, 2, 6, 6)));
             for (int k = 0; k <= 48; ++k)
                 line(p, QPointF(20 + 2 * k, 16), QPointF(20 + 2 * k, k % 5 == 0 ? 12 : 14), 0.5);
             fill(p, polygon({{44, 6}, {66, 6}, {66, 19}, {50, 19}, {50, 36}, {44, 36}, {41, 30}, {41, 19}}),
                  steel(QRectF(41, 6, 25, 30)));
             fill(p, polygon({{44, 6}, {44, 2}, {47, 2}, {48, 6}}), steel(QRectF(44, 2, 4, 4)));
             for (int k = 0; k <= 10; ++k)
                 line(p, QPointF(52 + 1.3 * k, 19), QPointF(52 + 1.3 * k, k % 5 == 0 ? 15 : 17), 0.45);
         }},
        {"window/strip_bolt.png", {40, 40}, [](QPainter& p) {
             p.translate(20, 20);
             p.rotate(-40);
             p.translate(-20, -20);
             fill(p, rect(15, 13, 22, 14), steel(QRectF(15, 13, 22, 14)));
             for (double x = 18; x < 37; x += 2.5)
                 line(p, QPointF(x, 13.5), QPointF(x + 1.2, 26.5), 0.6);
             fill(p, rect(4, 7, 11, 26), steel(QRectF(4, 7, 11, 26)));
             line(p, QPointF(4, 14), QPointF(15, 14), 0.8);
             line(p, QPointF(4, 26), QPointF(15, 26), 0.8);
         }},
    };
    return all;
}

} // namespace

std::vector<PictureFile> windowGlyphs()
{
    std::vector<PictureFile> files;
    for (const Small& s : smalls())
        files.push_back({QLatin1String(s.path), [&s] { return render(s.size, s.draw); }});
    return files;
}

} // namespace pictures
