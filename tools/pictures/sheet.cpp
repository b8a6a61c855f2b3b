#include "tools/pictures/sheet.h"

#include <QFontDatabase>
#include <QPainter>

#include <stdexcept>

namespace pictures {

namespace {

const QColor kInk(20, 20, 20);
const QColor kNavy(0, 0, 128);
constexpr const char* kLetterFontFile = "/usr/share/fonts/opentype/urw-base35/NimbusRoman-Italic.otf";

QPen pen(Stroke stroke)
{
    QPen p(kInk);
    p.setCapStyle(Qt::RoundCap);
    p.setJoinStyle(Qt::RoundJoin);
    switch (stroke) {
    case Stroke::Visible:
        p.setWidthF(1.6);
        break;
    case Stroke::Tangent:
        p.setWidthF(0.7);
        p.setColor(QColor(90, 90, 90));
        break;
    case Stroke::Hidden:
        p.setWidthF(0.8);
        p.setColor(QColor(70, 70, 70));
        p.setCapStyle(Qt::FlatCap);
        p.setDashPattern({5, 3.5});
        break;
    case Stroke::Thin:
        p.setWidthF(0.8);
        break;
    case Stroke::Axis:
        p.setWidthF(0.7);
        p.setCapStyle(Qt::FlatCap);
        p.setDashPattern({16, 3, 2, 3});
        break;
    }
    return p;
}

} // namespace

QRectF Sheet::bounds() const
{
    QRectF r;
    auto add = [&r](const QRectF& b) { r = r.isNull() ? b : r.united(b); };
    for (const Line& l : lines)
        add(l.points.boundingRect());
    for (const QPainterPath& p : hatched)
        add(p.boundingRect());
    for (const QPolygonF& a : arrows)
        add(a.boundingRect());
    for (const QPainterPath& p : letters)
        add(p.boundingRect());
    return r;
}

void Sheet::translate(QPointF by)
{
    for (Line& l : lines)
        l.points.translate(by);
    for (QPainterPath& p : hatched)
        p.translate(by);
    for (QPolygonF& a : arrows)
        a.translate(by);
    for (QPainterPath& p : letters)
        p.translate(by);
}

void Sheet::paint(QPainter& painter) const
{
    painter.setRenderHint(QPainter::Antialiasing);
    // Hatching at 45 degrees, 6 pixels apart, inside each cut face.
    for (const QPainterPath& area : hatched) {
        painter.save();
        painter.setClipPath(area);
        painter.setPen(pen(Stroke::Thin));
        const QRectF b = area.boundingRect();
        for (double x = b.left() - b.height(); x < b.right(); x += 6)
            painter.drawLine(QPointF(x, b.bottom()), QPointF(x + b.height(), b.top()));
        painter.restore();
    }
    for (Stroke pass : {Stroke::Hidden, Stroke::Axis, Stroke::Tangent, Stroke::Thin, Stroke::Visible}) {
        painter.setPen(pen(pass));
        for (const Line& l : lines)
            if (l.stroke == pass)
                painter.drawPolyline(l.points);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(kInk);
    for (const QPolygonF& a : arrows)
        painter.drawPolygon(a);
    painter.setBrush(kNavy);
    for (const QPainterPath& p : letters)
        painter.drawPath(p);
}

QFont letterFont(double pixels)
{
    static const QString family = [] {
        const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(kLetterFontFile));
        if (id < 0)
            throw std::runtime_error(std::string("the letters' font is missing: ") + kLetterFontFile);
        return QFontDatabase::applicationFontFamilies(id).front();
    }();
    QFont font(family);
    font.setPixelSize(qRound(pixels));
    font.setItalic(true);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QPainterPath letterPath(const QString& text, QPointF centre, double pixels)
{
    QPainterPath path;
    path.addText(0, 0, letterFont(pixels), text);
    const QRectF box = path.boundingRect();
    path.translate(centre - box.center());
    return path;
}

} // namespace pictures
