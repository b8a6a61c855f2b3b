#include "tools/pictures/part_picture.h"

#include "tools/pictures/expression.h"
#include "tools/pictures/marks.h"
#include "tools/pictures/projection.h"
#include "tools/pictures/scratch.h"

#include <QPainter>

#include <algorithm>
#include <limits>

namespace pictures {

namespace {

constexpr int kMargin = 5;

gp_Pnt point(const Point& p, const Names& names)
{
    return gp_Pnt(evaluate(p.x, names), evaluate(p.y, names), evaluate(p.z, names));
}

std::vector<PlacedMark> placeMarks(const std::vector<Size>& sizes, const std::vector<Dimension>& dimensions,
                                   const Projection& projection)
{
    Names names;
    for (const Size& s : sizes)
        names[s.name] = s.value;
    std::vector<PlacedMark> marks;
    for (const Dimension& d : dimensions) {
        gp_Pnt from = point(d.from, names);
        const gp_Pnt to = point(d.to, names);
        const gp_Vec shift(gp::Origin(), point(d.shift, names));
        if (d.mark == Mark::Angle) {
            // The shift is the point on the second ray.
            const QPointF other = projection.project(point(d.shift, names));
            marks.push_back({d.mark, QString::fromUtf8(d.letter), projection.project(from), projection.project(to),
                             other, other});
            continue;
        }
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

// One view of a picture, projected with its marks.
struct ViewSheet {
    Projection projection;
    std::vector<PlacedMark> marks;
    bool section;
    Place place;
};

} // namespace

QImage partPicture(const PartPicture& record)
{
    std::vector<PictureView> views{
        {record.sizes, record.switches, record.view, record.cutNormal, record.dimensions, record.place, record.cutAt}};
    views.insert(views.end(), record.moreViews.begin(), record.moreViews.end());

    QSize imageSize;
    std::vector<ViewSheet> sheets;
    for (const PictureView& v : views) {
        const DrawnPart part = drawPart(record, v.sizes, v.switches);
        imageSize = part.imageSize;
        Projection projection(part.shape, v.view, v.cutNormal, v.cutAt);
        std::vector<PlacedMark> marks = placeMarks(v.sizes, v.dimensions, projection);
        sheets.push_back({std::move(projection), std::move(marks), v.cutNormal.has_value(), v.place});
    }
    // The room of each view: its share of the picture less the margins.
    auto room = [&imageSize](const Place& place) {
        return QRectF(place[0] * imageSize.width() + kMargin, place[1] * imageSize.height() + kMargin,
                      place[2] * imageSize.width() - 2 * kMargin, place[3] * imageSize.height() - 2 * kMargin);
    };

    // Letters and arrows keep their size while the part scales: a few
    // rounds bring every view to its room at one scale.
    double scale = 1;
    for (int round = 0; round < 6; ++round) {
        double fit = std::numeric_limits<double>::max();
        for (const ViewSheet& v : sheets) {
            const QRectF b = compose(v.projection, v.marks, v.section, scale).bounds();
            const QRectF r = room(v.place);
            fit = std::min({fit, r.width() / b.width(), r.height() / b.height()});
        }
        scale *= fit;
    }

    QImage image(imageSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (const ViewSheet& v : sheets) {
        Sheet sheet = compose(v.projection, v.marks, v.section, scale);
        sheet.translate(room(v.place).center() - sheet.bounds().center());
        sheet.paint(painter);
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QColor(160, 160, 160));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(image.rect().adjusted(0, 0, -1, -1));
    return image;
}

} // namespace pictures
