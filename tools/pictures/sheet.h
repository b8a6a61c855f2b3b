#pragma once
// What a line picture is made of, in pixels: lines of the part and of its
// dimensions, hatched areas, arrowheads and letters. A sheet is laid out
// first and painted last, so that its extent can be measured to fit it into
// the picture.
#include <QFont>
#include <QPainterPath>
#include <QPolygonF>
#include <QString>

#include <vector>

class QPainter;

namespace pictures {

enum class Stroke {
    Visible, // edges of the part in view
    Tangent, // edges between smooth faces
    Hidden,  // edges behind the part: thin, dashed
    Thin,    // dimension, extension and leader lines
    Axis,    // centre lines: thin, dash-dotted
};

struct Sheet {
    struct Line {
        Stroke stroke;
        QPolygonF points;
    };
    std::vector<Line> lines;
    std::vector<QPainterPath> hatched;
    std::vector<QPolygonF> arrows;
    std::vector<QPainterPath> letters;

    QRectF bounds() const;
    void translate(QPointF by);
    // On a white picture: hatching, hidden lines, then the rest on top.
    void paint(QPainter& painter) const;
};

// The letters of dimensions: an italic serif in the navy of the panels,
// from a font file of the system so that every machine draws the same.
// The letters' size in the panels' pictures, in pixels.
constexpr int kLetterPixels = 19;
QFont letterFont(double pixels = kLetterPixels);
// The outline of a text whose box is centred on the point.
QPainterPath letterPath(const QString& text, QPointF centre, double pixels = kLetterPixels);

} // namespace pictures
