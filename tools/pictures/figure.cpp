// The pictures of the worker figure's two pages, drawn by the figure itself:
// the body page's figure in the initial pose seen from the front with its
// fragments numbered, and the finger page's right hand seen from its palm
// with its fingers lettered and their phalanges numbered. Each is the
// figure's drawing shaded in its own colours, outlined, with its marks.
#include "tools/pictures/pictures.h"

#include "tools/pictures/expression.h"
#include "tools/pictures/marks.h"
#include "tools/pictures/records.h"
#include "tools/pictures/scratch.h"
#include "tools/pictures/shaded.h"
#include "tools/pictures/sheet.h"

#include "acad/model.h"
#include "app/shell/errorbox.h"
#include "figure/assembly.h"
#include "figure/stretches.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPainter>

#include <BRepAlgoAPI_Cut.hxx>
#include <BRepPrimAPI_MakeBox.hxx>
#include <TopExp_Explorer.hxx>
#include <TopTools_ListOfShape.hxx>

#include <stdexcept>

namespace pictures {

namespace {

// What the figure draws for a picture, after the initial pose is loaded.
enum class FigureDrawing {
    // The whole figure, as "3D" draws it.
    WholeFigure,
    // The hands' stretch alone: the right wrist at the origin, the left
    // elbow and a seed body far off along +X, so that the right hand is all
    // that lies on the side of -X.
    HandsAlone,
};

struct FigurePicture {
    const char* file;  // under resources/
    const char* page;  // the page whose picture it is
    const char* image; // the picture on that page; the file has its size
    FigureDrawing drawing;
    View view;
    // What lies on the normal's side of the plane at cutAt along it is cut
    // away.
    std::optional<Vector> cutNormal;
    double cutAt;
    // The room the drawing fills: left, top, width and height, shares of
    // the picture.
    Place place;
    // In the drawing's coordinates, millimetres.
    std::vector<Dimension> marks;
    double letterPixels;
    // The least fold between two faces whose edge is drawn, degrees.
    double smallestFold;
};

// The figure stands along +Z facing -Y, scaled by 1755.5 / 1849.18 from the
// frame in which it is built (X to its left, Y up, Z to its front), where
// the hip joints are at the origin, the arms stretch out along ±X at the
// height 561, the shoulders at 190.64, the elbows at 441.58 and the wrists
// at 674.16 from the middle, the fingertips 213.25 further; the shins end
// 920 below the hips, the shoes lower still. The marks' points are in the
// standing figure's frame: the built frame's x and y times 0.9493 become its
// x and z.
//
// The hand is built with the wrist at the origin, the fingers along -X,
// the thumb towards +Y and the palm facing +Z; its fingers' bases, A to E,
// are (-63.59, 29.26), (-97.68, 21.39), (-100, 0), (-97.68, -21.39) and
// (-90.84, -41.82), their phalanges run on along -X.
const std::vector<FigurePicture>& figurePictures()
{
    static const std::vector<FigurePicture> all = {
        {"figure/figure.png",
         "Panel59",
         "Image19",
         FigureDrawing::WholeFigure,
         {{0, -1, 0}, {0, 0, 1}},
         std::nullopt,
         0,
         {0.02, 0.02, 0.96, 0.96},
         {
             // The right arm's fragments with their numbers above the arm,
             // the rest with theirs beside the left leg.
             {Mark::Point, "2", {"-200", "0", "532"}, {"-200", "0", "700"}, {}},
             {Mark::Point, "3", {"-300", "0", "532"}, {"-330", "0", "780"}, {}},
             {Mark::Point, "4", {"-530", "0", "532"}, {"-560", "0", "700"}, {}},
             {Mark::Point, "5", {"-730", "0", "532"}, {"-760", "0", "780"}, {}},
             {Mark::Point, "1", {"0", "0", "650"}, {"250", "0", "820"}, {}},
             {Mark::Point, "6", {"110", "0", "370"}, {"420", "0", "330"}, {}},
             {Mark::Point, "7", {"60", "0", "150"}, {"420", "0", "120"}, {}},
             {Mark::Point, "8", {"120", "0", "-220"}, {"420", "0", "-180"}, {}},
             {Mark::Point, "9", {"120", "0", "-650"}, {"420", "0", "-520"}, {}},
             {Mark::Point, "10", {"130", "0", "-885"}, {"420", "0", "-850"}, {}},
         },
         13,
         // The face's many small bodies meet at slight folds.
         35},
        {"figure/hand.png",
         "Panel60",
         "Image20",
         FigureDrawing::HandsAlone,
         {{0, 0, 1}, {0, 1, 0}},
         // The right hand with the half of its cuff nearer the fingers.
         Vector{1, 0, 0},
         -25,
         {0.1, 0.02, 0.88, 0.96},
         {
             // The letters beyond the fingertips.
             {Mark::Text, "A", {"-145", "48", "0"}, {}, {}},
             {Mark::Text, "B", {"-210", "30", "0"}, {}, {}},
             {Mark::Text, "C", {"-228", "0", "0"}, {}, {}},
             {Mark::Text, "D", {"-222", "-21.39", "0"}, {}, {}},
             {Mark::Text, "E", {"-188", "-41.82", "0"}, {}, {}},
             // The phalanges' numbers on them, from the palm outwards; the
             // thumb covers the index finger's first.
             {Mark::Text, "1", {"-81", "29.26", "20"}, {}, {}},
             {Mark::Text, "2", {"-110", "29.26", "20"}, {}, {}},
             {Mark::Text, "2", {"-151.18", "21.39", "20"}, {}, {}},
             {Mark::Text, "3", {"-175.68", "21.39", "20"}, {}, {}},
             {Mark::Text, "1", {"-123.5", "0", "20"}, {}, {}},
             {Mark::Text, "2", {"-163.5", "0", "20"}, {}, {}},
             {Mark::Text, "3", {"-192.5", "0", "20"}, {}, {}},
             {Mark::Text, "1", {"-121.43", "-21.39", "20"}, {}, {}},
             {Mark::Text, "2", {"-160.18", "-21.39", "20"}, {}, {}},
             {Mark::Text, "3", {"-187.68", "-21.39", "20"}, {}, {}},
             {Mark::Text, "1", {"-108.34", "-41.82", "20"}, {}, {}},
             {Mark::Text, "2", {"-135.84", "-41.82", "20"}, {}, {}},
             {Mark::Text, "3", {"-157.84", "-41.82", "20"}, {}, {}},
         },
         10,
         // The joints of the phalanges show.
         0},
    };
    return all;
}

QColor colourOf(const acad::Colour& c)
{
    const auto rgb = c.rgb();
    return QColor(rgb[0], rgb[1], rgb[2]);
}

// Every solid of the drawing with its faces' own colours.
std::vector<ShadedSolid> drawnSolids(const acad::Document& doc)
{
    std::vector<ShadedSolid> solids;
    for (int k = 0; k < doc.count(); ++k) {
        const acad::Entity& entity = *doc.item(k);
        if (entity.erased() || entity.type() != acad::EntityType::Solid)
            continue;
        const auto& solid = static_cast<const acad::SolidEntity&>(entity);
        ShadedSolid shaded{solid.shape(), colourOf(solid.colour)};
        for (TopExp_Explorer e(shaded.shape, TopAbs_FACE); e.More(); e.Next())
            shaded.faceColours.push_back({e.Current(), colourOf(solid.faceColour(e.Current()))});
        solids.push_back(std::move(shaded));
    }
    return solids;
}

// The solid less what lies on the normal's side of the plane, its faces
// keeping their colours.
ShadedSolid cutAway(const ShadedSolid& solid, const Vector& normal, double at)
{
    constexpr double kFar = 1e5;
    const gp_Dir n(normal[0], normal[1], normal[2]);
    // A box far larger than the drawing, one face on the plane.
    gp_Ax2 frame(gp_Pnt(n.XYZ() * at), n);
    frame.Translate(gp_Vec(frame.XDirection()) * -kFar / 2 + gp_Vec(frame.YDirection()) * -kFar / 2);
    BRepAlgoAPI_Cut cut(solid.shape, BRepPrimAPI_MakeBox(frame, kFar, kFar, kFar).Shape());
    if (!cut.IsDone())
        throw std::runtime_error("the cut of the drawing failed");
    ShadedSolid kept{cut.Shape(), solid.colour};
    for (const auto& [face, colour] : solid.faceColours) {
        if (cut.IsDeleted(face))
            continue;
        const TopTools_ListOfShape& modified = cut.Modified(face);
        if (modified.IsEmpty())
            kept.faceColours.push_back({face, colour});
        for (const TopoDS_Shape& m : modified)
            kept.faceColours.push_back({m, colour});
    }
    return kept;
}

// The figure drawn for the picture, and the size of the page's picture.
std::vector<ShadedSolid> drawFigure(const FigurePicture& picture, QSize& imageSize)
{
    ScratchWindow window;
    QWidget* strip = window.panel("Panel61");
    QWidget* bodyPage = window.panel("Panel59");
    QWidget* fingerPage = window.panel("Panel60");
    imageSize = window.control<QLabel>(window.panel(picture.page), picture.image)->size();

    QString failure;
    shell::setErrorBoxCapture([&failure](const QString& text) { failure = text; });
    window.control<QAbstractButton>(strip, "BitBtn97")->click();
    if (picture.drawing == FigureDrawing::WholeFigure) {
        window.control<QAbstractButton>(strip, "BitBtn57")->click();
    } else {
        figure::Assembly a(window.fields(), bodyPage, fingerPage);
        shell::runProcedure([&] {
            a.readPose();
            acad::WorkingFields& f = a.f;
            f.Dim33 = f.Dim34 = f.Dim35 = 0;
            f.Dim27 = 2000, f.Dim28 = 0, f.Dim29 = 0;
            f.BodySolid = f.ModelSpace().AddSphere(acad::AcadPoint(2000, 0, 0), 1);
            figure::hands(a);
        });
    }
    shell::setErrorBoxCapture({});
    if (!failure.isEmpty())
        throw std::runtime_error(std::string(picture.file) + ": " + failure.toStdString());

    std::vector<ShadedSolid> solids = drawnSolids(*window.connection.Document().document());
    if (solids.empty())
        throw std::runtime_error(std::string(picture.file) + ": the figure drew no solid");
    if (picture.cutNormal)
        for (ShadedSolid& s : solids)
            s = cutAway(s, *picture.cutNormal, picture.cutAt);
    return solids;
}

gp_Pnt point(const Point& p)
{
    const Names none;
    return gp_Pnt(evaluate(p.x, none), evaluate(p.y, none), evaluate(p.z, none));
}

QImage figurePicture(const FigurePicture& picture)
{
    QSize size;
    const std::vector<ShadedSolid> solids = drawFigure(picture, size);
    QImage paper(size, QImage::Format_RGB32);
    paper.fill(Qt::white);
    QRectF room(picture.place[0] * size.width(), picture.place[1] * size.height(), picture.place[2] * size.width(),
                picture.place[3] * size.height());
    // The marks' letters keep their size while the drawing scales: where
    // they reach out of the picture, the drawing's room shrinks and moves
    // until drawing and marks fit together.
    const QRectF inside = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(2, 2, -2, -2);
    ShadedPicture shaded;
    Sheet sheet;
    for (int round = 0; round < 6; ++round) {
        shaded = shadedPicture(solids, picture.view, paper, room.toRect(), true, picture.smallestFold);
        sheet = Sheet();
        for (const Dimension& d : picture.marks) {
            const QPointF from = shaded.toPixels(point(d.from)), to = shaded.toPixels(point(d.to));
            addMark(sheet, {d.mark, QString::fromUtf8(d.letter), from, to, from, to}, QTransform(),
                    picture.letterPixels);
        }
        const QRectF all = sheet.bounds().united(room);
        if (inside.contains(all))
            break;
        const double k = std::min(inside.width() / all.width(), inside.height() / all.height());
        const QPointF centre = inside.center() + (room.center() - all.center()) * k;
        room = QRectF(QPointF(), room.size() * k);
        room.moveCenter(centre);
    }
    QPainter painter(&shaded.image);
    sheet.paint(painter);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QColor(160, 160, 160));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(shaded.image.rect().adjusted(0, 0, -1, -1));
    painter.end();
    return shaded.image;
}

} // namespace

std::vector<PictureFile> figurePictureFiles()
{
    std::vector<PictureFile> files;
    for (const FigurePicture& p : figurePictures())
        files.push_back({QLatin1String(p.file), [&p] { return figurePicture(p); },
                         p.drawing == FigureDrawing::WholeFigure});
    return files;
}

} // namespace pictures
