// The toolbar's glyphs, one per button, each suggesting its part: the
// rolled-metal parts by their own sections, extruded, in the green that the
// program gives them; fasteners and fittings in steel, seals in rubber.
#include "tools/pictures/glyphs.h"

#include "tools/pictures/glyph_kit.h"

#include <QtMath>

namespace pictures {

namespace {

using namespace glyph;

constexpr QSize kSmall(20, 20);
constexpr QSize kLarge(44, 42);

// A screw's shank hanging from its head, with its thread.
void shank(QPainter& p, double top, double x0 = 7.5, double x1 = 12.5)
{
    fill(p, rect(x0, top, x1 - x0, 19 - top), steel(QRectF(x0, top, x1 - x0, 4)));
    for (double y = top + 2; y < 18.5; y += 2)
        line(p, QPointF(x0 + 0.5, y + 0.8), QPointF(x1 - 0.5, y), 0.7);
}

// The slot of a screw head whose top is at y.
void slot(QPainter& p, double y, double depth = 2.2)
{
    fill(p, rect(9.2, y, 1.6, depth), kOutline, 0);
}

void pipeStub(QPainter& p, double x0, double x1, double yTop, double yBottom)
{
    fill(p, rect(x0, yTop, x1 - x0, yBottom - yTop), steel(QRectF(x0, yTop, 1, yBottom - yTop)));
}

// A convex outline around circles, for belts.
QPainterPath hull(const std::vector<std::pair<QPointF, double>>& circles)
{
    std::vector<QPointF> points;
    for (const auto& [c, r] : circles)
        for (int k = 0; k < 72; ++k)
            points.push_back(c + r * QPointF(std::cos(k * M_PI / 36), std::sin(k * M_PI / 36)));
    std::sort(points.begin(), points.end(),
              [](QPointF a, QPointF b) { return a.x() < b.x() || (a.x() == b.x() && a.y() < b.y()); });
    auto cross = [](QPointF o, QPointF a, QPointF b) {
        return (a.x() - o.x()) * (b.y() - o.y()) - (a.y() - o.y()) * (b.x() - o.x());
    };
    std::vector<QPointF> h(2 * points.size());
    std::size_t k = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        while (k >= 2 && cross(h[k - 2], h[k - 1], points[i]) <= 0)
            --k;
        h[k++] = points[i];
    }
    for (std::size_t i = points.size() - 1, t = k + 1; i > 0; --i) {
        while (k >= t && cross(h[k - 2], h[k - 1], points[i - 1]) <= 0)
            --k;
        h[k++] = points[i - 1];
    }
    h.resize(k);
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(h.begin(), h.end())));
    path.closeSubpath();
    return path;
}

struct Glyph {
    const char* button;
    QSize size;
    Draw draw;
};

const std::vector<Glyph>& glyphs()
{
    static const std::vector<Glyph> all = {
        // Design elements.
        {"SpeedButton21", kSmall, [](QPainter& p) { // oblong slots
             extruded(p, rect(1.5, 5.5, 15, 12), QPointF(2.5, -3), kSteel);
             QPainterPath s;
             s.addRoundedRect(QRectF(4, 9.5, 9.5, 4), 2, 2);
             fill(p, s, QColor(70, 80, 96), 0.8);
         }},
        {"SpeedButton22", kSmall, [](QPainter& p) { // bore with a keyway
             fill(p, circle({10, 10}, 8.5), steel(QRectF(2, 2, 16, 16)));
             fill(p, circle({10, 10.8}, 4.3).united(rect(8.3, 3.8, 3.4, 4)), QColor(70, 80, 96), 0.8);
         }},
        {"SpeedButton29", kSmall, [](QPainter& p) { // spline bore
             fill(p, circle({10, 10}, 8.5), steel(QRectF(2, 2, 16, 16)));
             QPolygonF bore;
             for (int k = 0; k < 6; ++k) {
                 const double a = k * 60;
                 for (auto [da, r] : {std::pair{-13.0, 3.7}, {-13.0, 5.6}, {13.0, 5.6}, {13.0, 3.7}})
                     bore << QPointF(10, 10) + r * QPointF(std::cos(qDegreesToRadians(a + da)),
                                                           std::sin(qDegreesToRadians(a + da)));
             }
             QPainterPath path;
             path.addPolygon(bore);
             path.closeSubpath();
             fill(p, path, QColor(70, 80, 96), 0.8);
         }},
        {"SpeedButton23", kSmall, [](QPainter& p) { // internal thread, conventional
             extruded(p, rect(1.5, 4.5, 14, 14), QPointF(3, -3), kSteel);
             fill(p, circle({8.5, 11.5}, 3.6), QColor(70, 80, 96), 1);
             p.setPen(QPen(kOutline, 0.9));
             p.setBrush(Qt::NoBrush);
             p.drawArc(QRectF(8.5 - 5.2, 11.5 - 5.2, 10.4, 10.4), 0, 270 * 16);
         }},
        {"SpeedButton24", kSmall, [](QPainter& p) { // metric thread, true profile
             QPolygonF outline;
             for (double x = 1; x <= 17; x += 4)
                 outline << QPointF(x, 7.5) << QPointF(x + 2, 4);
             outline << QPointF(19, 7.5) << QPointF(19, 12.5);
             for (double x = 19; x >= 3; x -= 4)
                 outline << QPointF(x, 12.5) << QPointF(x - 2, 16);
             outline << QPointF(1, 12.5);
             QPainterPath rod;
             rod.addPolygon(outline);
             rod.closeSubpath();
             fill(p, rod, steel(QRectF(1, 4, 2, 12)));
             for (double x = 3; x <= 15; x += 4)
                 line(p, QPointF(x, 4), QPointF(x + 2, 16), 0.8);
         }},
        {"SpeedButton27", kSmall, [](QPainter& p) { // external thread, conventional
             fill(p, circle({10, 10}, 8), steel(QRectF(2, 2, 16, 16)), 1.4);
             p.setPen(QPen(kOutline, 0.9));
             p.setBrush(Qt::NoBrush);
             p.drawArc(QRectF(10 - 6, 10 - 6, 12, 12), 90 * 16, 270 * 16);
             fill(p, circle({10, 10}, 1.2), kOutline, 0);
         }},

        // Rolled metal, each by its own section.
        {"SpeedButton28", kSmall, [](QPainter& p) {
             const QPainterPath bore = section(metal::pipeInner(13, 10, 2, 2.5), 1, {2, 18});
             QPainterPath face = section(metal::pipeOuter(13, 10, 2.5), 1, {2, 18});
             face.addPath(bore);
             extruded(p, face, QPointF(4, -5), kGreen);
             fill(p, bore, QColor(24, 60, 24), 0.8);
         }},
        {"SpeedButton30", kSmall, [](QPainter& p) {
             extruded(p, section(metal::hotRolledAngle(13, 12, 3, 2, 1), 1, {2, 18}), QPointF(4, -4), kGreen);
         }},
        {"SpeedButton31", kSmall, [](QPainter& p) {
             extruded(p, section(metal::slopedChannel(14, 8, 2.2, 2.6, 1, 1.5, 7), 1, {3, 18}), QPointF(6, -3),
                      kGreen);
         }},
        {"SpeedButton32", kSmall, [](QPainter& p) {
             extruded(p, section(metal::bentAngle(13, 12, 2.2, 2), 1, {2, 18}), QPointF(4, -4), kGreen);
         }},
        {"SpeedButton33", kSmall, [](QPainter& p) {
             extruded(p, section(metal::bentChannel(14, 8, 2.2, 1.6), 1, {3, 18}), QPointF(6, -3), kGreen);
         }},
        {"SpeedButton34", kSmall, [](QPainter& p) {
             extruded(p, section(metal::iBeam(14, 10, 2.2, 2.4, 0.8, 1.5, 7), 1, {2, 18}), QPointF(5, -3),
                      kGreen);
         }},
        {"SpeedButton35", kSmall, [](QPainter& p) { // nozzle with its groove
             QPainterPath body = rect(3, 4.5, 11, 11).united(rect(13, 6, 5, 8));
             fill(p, body, QBrush(shaded(QRectF(3, 4, 2, 12), kGreen)));
             line(p, QPointF(14, 6), QPointF(14, 14), 0.8);
             QPainterPath end;
             end.addEllipse(QPointF(3, 10), 2.2, 5.5);
             fill(p, end, kGreenDark);
             QPainterPath bore;
             bore.addEllipse(QPointF(3, 10), 1.2, 3.6);
             fill(p, bore, kOutline, 0);
         }},
        {"SpeedButton36", kSmall, [](QPainter& p) {
             extruded(p, hexagon({7.5, 12.5}, 6, 30), QPointF(6, -5), kGreen);
         }},

        // Fasteners.
        {"SpeedButton37", kSmall, [](QPainter& p) { // bolt with a conical head
             shank(p, 8.5);
             fill(p, polygon({{3, 2}, {17, 2}, {17, 4}, {12.5, 9}, {7.5, 9}, {3, 4}}), steel(QRectF(3, 2, 14, 7)));
             line(p, QPointF(3, 4), QPointF(17, 4), 0.7);
         }},
        {"SpeedButton38", kSmall, [](QPainter& p) { // hexagon nut
             fill(p, hexagon({10, 10}, 9), steel(QRectF(1, 2, 18, 16)));
             p.setPen(QPen(kOutline, 0.6));
             p.setBrush(Qt::NoBrush);
             p.drawEllipse(QPointF(10, 10), 7.3, 7.3);
             fill(p, circle({10, 10}, 3.4), QColor(70, 80, 96), 0.8);
             p.setPen(QPen(kOutline, 0.7));
             p.drawArc(QRectF(10 - 4.6, 10 - 4.6, 9.2, 9.2), 0, 270 * 16);
         }},
        {"SpeedButton39", kSmall, [](QPainter& p) { // head with a hexagon socket
             fill(p, circle({10, 10}, 8.5), steel(QRectF(2, 2, 16, 16)));
             p.setPen(QPen(kOutline, 0.6));
             p.setBrush(Qt::NoBrush);
             p.drawEllipse(QPointF(10, 10), 7, 7);
             fill(p, hexagon({10, 10}, 4), QColor(70, 80, 96), 0.8);
         }},
        {"SpeedButton40", kSmall, [](QPainter& p) { // swing bolt
             shank(p, 9.5, 8, 12);
             fill(p, ring({10, 6}, 5, 2.3), steel(QRectF(5, 1, 10, 10)));
         }},
        {"SpeedButton41", kSmall, [](QPainter& p) { // round head
             shank(p, 9);
             QPainterPath head;
             head.moveTo(2.5, 9);
             head.arcTo(QRectF(2.5, 2, 15, 14), 180, -180);
             head.closeSubpath();
             fill(p, head, steel(QRectF(2, 2, 16, 7)));
             slot(p, 2, 2.6);
         }},
        {"SpeedButton42", kSmall, [](QPainter& p) { // cylinder head
             shank(p, 9);
             fill(p, rect(3.5, 2.5, 13, 6.5), steel(QRectF(3, 2, 13, 7)));
             slot(p, 2.5, 2.8);
         }},
        {"SpeedButton43", kSmall, [](QPainter& p) { // raised countersunk head
             shank(p, 9);
             QPainterPath head;
             head.moveTo(2, 4.5);
             head.arcTo(QRectF(2, 1.5, 16, 6), 180, -180);
             head.lineTo(12.5, 9);
             head.lineTo(7.5, 9);
             head.closeSubpath();
             fill(p, head, steel(QRectF(2, 2, 16, 7)));
             line(p, QPointF(2, 4.5), QPointF(18, 4.5), 0.7);
             slot(p, 1.5, 2.6);
         }},
        {"SpeedButton44", kSmall, [](QPainter& p) { // countersunk head
             shank(p, 9);
             fill(p, polygon({{2, 2.5}, {18, 2.5}, {12.5, 9}, {7.5, 9}}), steel(QRectF(2, 2, 16, 7)));
             slot(p, 2.5, 2.6);
         }},
        {"SpeedButton45", kSmall, [](QPainter& p) { // wing nut
             QPainterPath wings;
             wings.moveTo(7, 15);
             wings.cubicTo(3, 14, 0.5, 7, 1.5, 2.5);
             wings.cubicTo(4.5, 3.5, 7, 7, 8, 10);
             wings.lineTo(12, 10);
             wings.cubicTo(13, 7, 15.5, 3.5, 18.5, 2.5);
             wings.cubicTo(19.5, 7, 17, 14, 13, 15);
             wings.closeSubpath();
             fill(p, wings, steel(QRectF(1, 2, 18, 13)));
             fill(p, polygon({{6.5, 18.5}, {7.5, 10}, {12.5, 10}, {13.5, 18.5}}), steel(QRectF(6, 10, 8, 9)));
         }},
        {"SpeedButton46", kSmall, [](QPainter& p) { // slanted washer
             fill(p, polygon({{1.5, 7}, {6, 3.5}, {19, 9.5}, {14.5, 13}}), QBrush(kSteel.lighter(115)));
             fill(p, polygon({{1.5, 7}, {14.5, 13}, {14.5, 16.5}, {1.5, 16.5}}), steel(QRectF(1, 7, 14, 10)));
             fill(p, polygon({{14.5, 13}, {19, 9.5}, {19, 13}, {14.5, 16.5}}), QBrush(kSteelDark));
             QPainterPath hole;
             hole.addEllipse(QPointF(10.2, 8.3), 2.6, 1.5);
             fill(p, hole, QColor(70, 80, 96), 0.8);
         }},
        {"SpeedButton47", kSmall, [](QPainter& p) { // flat washer
             QPainterPath below;
             below.addEllipse(QPointF(10, 12.5), 9, 5.5);
             fill(p, below, QBrush(kSteelDark));
             QPainterPath top;
             top.addEllipse(QPointF(10, 10.5), 9, 5.5);
             top.addEllipse(QPointF(10, 10.5), 3.8, 2.2);
             top.setFillRule(Qt::OddEvenFill);
             fill(p, top, steel(QRectF(1, 5, 18, 11)));
         }},
        {"SpeedButton48", kSmall, [](QPainter& p) { // cotter pin
             QPainterPath pin;
             pin.moveTo(18.5, 8.4);
             pin.lineTo(7.5, 8.4);
             pin.arcTo(QRectF(1.5, 5.5, 7, 7.8), 90, 180);
             pin.lineTo(14, 13.3);
             pin.lineTo(18, 17.5);
             wire(p, pin, 1.8, Qt::RoundCap);
         }},

        // Transmissions.
        {"SpeedButton4", kLarge, [](QPainter& p) { // jaw coupling with its star
             pipeStub(p, 0, 5, 17, 25);
             pipeStub(p, 39, 44, 17, 25);
             fill(p, rect(4, 8, 13, 26), steel(QRectF(4, 8, 13, 26)));
             fill(p, rect(27, 8, 13, 26), steel(QRectF(27, 8, 13, 26)));
             for (int k = 0; k < 6; ++k) {
                 const double y = 8 + k * 26.0 / 6;
                 const double h = 26.0 / 6;
                 if (k % 2 == 0)
                     fill(p, rect(17, y, 7, h), steel(QRectF(17, y, 7, h)), 0.8);
                 else
                     fill(p, rect(20, y, 7, h), steel(QRectF(20, y, 7, h)), 0.8);
                 fill(p, k % 2 == 0 ? rect(24, y, 3, h) : rect(17, y, 3, h), QColor(235, 150, 30), 0.8);
             }
         }},
        {"SpeedButton7", kLarge, [](QPainter& p) { // V-belt drive
             const QPointF small(11, 29), big(30, 15);
             fill(p, hull({{small, 9.5}, {big, 13.5}}), kRubber, 1);
             fill(p, circle(small, 7.5), steel(QRectF(3, 21, 16, 16)));
             fill(p, circle(big, 11.5), steel(QRectF(18, 3, 24, 24)));
             p.setBrush(Qt::NoBrush);
             p.setPen(QPen(kSteelDark, 0.8));
             p.drawEllipse(small, 5.5, 5.5);
             p.drawEllipse(big, 9.5, 9.5);
             fill(p, circle(small, 2), QColor(70, 80, 96), 0.8);
             fill(p, circle(big, 2.8), QColor(70, 80, 96), 0.8);
         }},

        // Hydraulic and pneumatic fittings, seals.
        {"SpeedButton1", kLarge, [](QPainter& p) { // ball connection of pipes
             pipeStub(p, 0, 12, 17, 25);
             pipeStub(p, 36, 44, 17.5, 24.5);
             fill(p, circle({14, 21}, 6.5), steel(QRectF(8, 14, 13, 13)));
             fill(p, rect(16, 10, 12, 22), steel(QRectF(16, 10, 12, 22)));
             line(p, QPointF(16, 16), QPointF(28, 16), 0.7);
             line(p, QPointF(16, 26), QPointF(28, 26), 0.7);
             fill(p, rect(28, 13, 9, 16), steel(QRectF(28, 13, 9, 16)));
             line(p, QPointF(28, 18), QPointF(37, 18), 0.7);
             line(p, QPointF(28, 24), QPointF(37, 24), 0.7);
         }},
        {"SpeedButton49", kSmall, [](QPainter& p) { // elliptic head
             QPainterPath head;
             head.moveTo(2, 17.5);
             head.lineTo(2, 13);
             head.arcTo(QRectF(2, 3, 16, 20), 180, -180);
             head.lineTo(18, 17.5);
             head.closeSubpath();
             fill(p, head, steel(QRectF(2, 3, 16, 15)));
             line(p, QPointF(2, 13), QPointF(18, 13), 0.7);
         }},
        {"SpeedButton50", kSmall, [](QPainter& p) { // pipe bend
             QPainterPath bend;
             bend.moveTo(17, 18.5);
             bend.arcTo(QRectF(-15, 3, 32, 31), 0, 90);
             bend.lineTo(1, 9);
             bend.arcTo(QRectF(-9, 9, 20, 19), 90, -90);
             bend.closeSubpath();
             fill(p, bend, steel(QRectF(1, 3, 17, 16)));
             QPainterPath end;
             end.addEllipse(QPointF(14, 18.5), 3.2, 1.2);
             fill(p, end, QColor(70, 80, 96), 0.8);
         }},
        {"SpeedButton51", kSmall, [](QPainter& p) { // O-ring of a face seal
             fill(p, circle({10, 10}, 9), steel(QRectF(1, 1, 18, 18)));
             fill(p, ring({10, 10}, 7, 4.6), kRubber, 0.6);
             fill(p, circle({10, 10}, 2.8), QColor(70, 80, 96), 0.8);
         }},
        {"SpeedButton52", kSmall, [](QPainter& p) { // O-ring of a radial seal
             fill(p, rect(1, 6.5, 18, 7), steel(QRectF(1, 6.5, 1, 7)));
             QPainterPath o;
             o.addEllipse(QPointF(10, 10), 2.6, 7.5);
             fill(p, o, kRubber, 0.6);
             line(p, QPointF(10, 3), QPointF(10, 4.5), 0.6, QColor(120, 120, 130));
         }},
        {"SpeedButton53", kSmall, [](QPainter& p) { // shaft cuff
             fill(p, rect(1, 17, 18, 2.5), steel(QRectF(1, 17, 1, 3)), 0.6);
             fill(p, polygon({{2, 2}, {18, 2}, {18, 7.5}, {12, 7.5}, {9, 12.5}, {12.5, 17}, {6, 17}, {2, 8}}), kRubber,
                  0.6);
             fill(p, rect(4, 3.5, 12, 2.2), QBrush(kSteel), 0.5);
             fill(p, circle({13.5, 11.5}, 2.1), QBrush(kSteel), 0.6);
         }},
        {"SpeedButton54", kSmall, [](QPainter& p) { // collar
             fill(p, rect(1, 16, 18, 3.5), steel(QRectF(1, 16, 1, 3)), 0.6);
             fill(p, polygon({{3, 2}, {7.5, 2}, {7.5, 11.5}, {18, 13.5}, {18, 16}, {3, 16}}), kRubber, 0.6);
         }},
        {"SpeedButton55", kSmall, [](QPainter& p) { // square flange
             extruded(p, rect(1.5, 4.5, 14, 14), QPointF(2.5, -2.5), kSteel);
             for (QPointF c : {QPointF(4.3, 7.3), QPointF(12.7, 7.3), QPointF(4.3, 15.7), QPointF(12.7, 15.7)})
                 fill(p, circle(c, 1.3), QColor(70, 80, 96), 0.6);
             fill(p, ring({8.5, 11.5}, 3.6, 2.4), steel(QRectF(5, 8, 7, 7)), 0.8);
             fill(p, circle({8.5, 11.5}, 2.4), QColor(70, 80, 96), 0);
         }},
        {"SpeedButton56", kSmall, [](QPainter& p) { // hose on a nipple under a crimped sleeve
             fill(p, rect(0.5, 6, 9, 8), kRubber, 0.6);
             fill(p, rect(15, 8, 4.5, 4), steel(QRectF(15, 8, 1, 4)));
             fill(p, rect(7, 4.5, 8.5, 11), steel(QRectF(7, 4.5, 1, 11)));
             for (double x = 9; x < 15; x += 2)
                 line(p, QPointF(x, 4.5), QPointF(x, 15.5), 0.6);
         }},
        {"SpeedButton57", kSmall, [](QPainter& p) { // round welded flange
             fill(p, circle({10, 10}, 9), steel(QRectF(1, 1, 18, 18)));
             for (int k = 0; k < 6; ++k) {
                 const double a = qDegreesToRadians(30.0 + 60 * k);
                 fill(p, circle(QPointF(10, 10) + 6.6 * QPointF(std::cos(a), std::sin(a)), 1.15),
                      QColor(70, 80, 96), 0.5);
             }
             fill(p, ring({10, 10}, 4, 2.7), steel(QRectF(6, 6, 8, 8)), 0.8);
             fill(p, circle({10, 10}, 2.7), QColor(70, 80, 96), 0);
         }},
        {"SpeedButton58", kSmall, [](QPainter& p) { // ribbed cap
             QPainterPath cap;
             cap.addRoundedRect(QRectF(4, 3, 12, 15), 3, 3);
             cap.addRect(QRectF(4, 10, 12, 8));
             fill(p, cap.simplified(), steel(QRectF(4, 3, 12, 15)));
             for (double y : {6.0, 10.0, 14.0}) {
                 fill(p, rect(1.5, y, 2.5, 2), QBrush(kSteelDark), 0.6);
                 fill(p, rect(16, y, 2.5, 2), QBrush(kSteelDark), 0.6);
             }
         }},
        {"SpeedButton59", kSmall, [](QPainter& p) { // pipe coupling
             pipeStub(p, 0.5, 5, 7.5, 12.5);
             pipeStub(p, 15, 19.5, 7.5, 12.5);
             fill(p, rect(5, 3.5, 10, 13), steel(QRectF(5, 3.5, 10, 13)));
             for (double x : {7.0, 10.0, 13.0})
                 fill(p, rect(x - 0.8, 2, 1.6, 16), QBrush(kSteelDark), 0.5);
         }},
        {"SpeedButton60", kSmall, [](QPainter& p) { // single clamp over a pipe
             fill(p, circle({10, 13.5}, 5), steel(QRectF(5, 8, 10, 10)));
             QPainterPath strip;
             strip.moveTo(1, 18.5);
             strip.lineTo(3.5, 18.5);
             strip.arcTo(QRectF(3.5, 7, 13, 23), 180, -180);
             strip.lineTo(19, 18.5);
             wire(p, strip, 1.6, Qt::FlatCap);
         }},

        // Others.
        {"BitBtn24", kSmall, [](QPainter& p) { // drawing sheet with its title block
             fill(p, rect(2.5, 1.5, 15, 17), kPaper, 1);
             p.setBrush(Qt::NoBrush);
             p.setPen(QPen(kNavy, 0.7));
             p.drawRect(QRectF(4.5, 2.8, 11.8, 14.4));
             p.drawRect(QRectF(9, 13.3, 7.3, 3.9));
             p.drawLine(QPointF(9, 15.2), QPointF(16.3, 15.2));
             p.drawLine(QPointF(12, 13.3), QPointF(12, 17.2));
         }},
        {"BitBtn56", kLarge, [](QPainter& p) { // the worker figure
             const QColor overall(40, 90, 170), skin(240, 196, 160);
             auto limb = [&p](QPolygonF points, double width, const QColor& colour) {
                 p.setBrush(Qt::NoBrush);
                 p.setPen(QPen(kOutline, width + 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
                 p.drawPolyline(points);
                 p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
                 p.drawPolyline(points);
             };
             limb({QPointF(19.5, 27), QPointF(17, 33), QPointF(15, 40)}, 4.2, overall);
             limb({QPointF(24.5, 27), QPointF(27, 33), QPointF(30, 39.5)}, 4.2, overall);
             limb({QPointF(17, 16), QPointF(12, 21), QPointF(9, 16)}, 3, overall);
             limb({QPointF(27, 16), QPointF(32, 21), QPointF(35, 26)}, 3, overall);
             QPainterPath body;
             body.addRoundedRect(QRectF(16, 13.5, 12, 15), 3, 3);
             fill(p, body, shaded(QRectF(16, 13, 12, 15), overall));
             fill(p, circle({9, 15.5}, 1.7), skin, 0.7);
             fill(p, circle({35, 26.5}, 1.7), skin, 0.7);
             fill(p, circle({22, 8.5}, 4.3), skin, 0.8);
             QPainterPath helmet;
             helmet.moveTo(16.5, 7.5);
             helmet.arcTo(QRectF(17.2, 1.5, 9.6, 9), 180, -180);
             helmet.lineTo(27.5, 7.5);
             helmet.closeSubpath();
             fill(p, helmet, shaded(QRectF(16, 1, 12, 7), kYellow), 0.8);
         }},
    };
    return all;
}

} // namespace

std::vector<PictureFile> toolbarGlyphs()
{
    std::vector<PictureFile> files;
    for (const Glyph& g : glyphs())
        files.push_back({QStringLiteral("toolbar/%1.png").arg(QLatin1String(g.button)),
                         [&g] { return render(g.size, g.draw); }});
    return files;
}

} // namespace pictures
