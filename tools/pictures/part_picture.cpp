#include "tools/pictures/part_picture.h"

#include "tools/pictures/expression.h"
#include "tools/pictures/marks.h"
#include "tools/pictures/projection.h"
#include "tools/pictures/scratch.h"

#include <QPainter>

#include <algorithm>

namespace pictures {

namespace {

constexpr int kMargin = 5;

gp_Pnt point(const Point& p, const Names& names)
{
    return gp_Pnt(evaluate(p.x, names), evaluate(p.y, names), evaluate(p.z, names));
}

std::vector<PlacedMark> placeMarks(const PartPicture& record, const Projection& projection)
{
    Names names;
    for (const Size& s : record.sizes)
        names[s.name] = s.value;
    std::vector<PlacedMark> marks;
    for (const Dimension& d : record.dimensions) {
        gp_Pnt from = point(d.from, names);
        const gp_Pnt to = point(d.to, names);
        const gp_Vec shift(gp::Origin(), point(d.shift, names));
        if (d.mark == Mark::Leader)
            from = projection.nearestOnEdges(from);
        marks.push_back({d.mark, QString::fromUtf8(d.letter), projection.project(from), projection.project(to),
                         projection.project(from.Translated(shift)), projection.project(to.Translated(shift))});
    }
    return marks;
}

// The sheet at the scale, the view plane's y turned downwards.
Sheet compose(const Projection& projection, const std::vector<PlacedMark>& marks, bool sectionView, double scale)
{
    const QTransform px(scale, 0, 0, -scale, 0, 0);
    Sheet sheet;
    for (const QPainterPath& face : projection.cutFaces())
        sheet.hatched.push_back(px.map(face));
    for (const ProjectedLine& line : projection.lines()) {
        // A section shows what lies behind the cut, not what is hidden.
        if (line.kind == LineKind::Hidden && sectionView)
            continue;
        const Stroke stroke = line.kind == LineKind::Visible ? Stroke::Visible
                              : line.kind == LineKind::Tangent ? Stroke::Tangent
                                                               : Stroke::Hidden;
        sheet.lines.push_back({stroke, px.map(line.points)});
    }
    for (const PlacedMark& m : marks)
        addMark(sheet, m, px);
    return sheet;
}

} // namespace

QImage partPicture(const PartPicture& record)
{
    const DrawnPart part = drawPart(record);
    const Projection projection(part.shape, record.view, record.cutNormal);
    const std::vector<PlacedMark> marks = placeMarks(record, projection);
    const bool section = record.cutNormal.has_value();

    // Letters and arrows keep their size while the part scales: a few
    // rounds bring the whole sheet to the picture's size.
    const QSizeF room(part.imageSize.width() - 2 * kMargin, part.imageSize.height() - 2 * kMargin);
    double scale = 1;
    Sheet sheet;
    for (int round = 0; round < 6; ++round) {
        sheet = compose(projection, marks, section, scale);
        const QRectF b = sheet.bounds();
        scale *= std::min(room.width() / b.width(), room.height() / b.height());
    }
    sheet = compose(projection, marks, section, scale);
    const QRectF b = sheet.bounds();
    sheet.translate(QPointF(part.imageSize.width(), part.imageSize.height()) / 2 - b.center());

    QImage image(part.imageSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    sheet.paint(painter);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QColor(160, 160, 160));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(image.rect().adjusted(0, 0, -1, -1));
    return image;
}

} // namespace pictures
