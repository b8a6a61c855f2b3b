#include "tools/pictures/start_picture.h"

#include "tools/pictures/records.h"
#include "tools/pictures/scratch.h"
#include "tools/pictures/shaded.h"
#include "tools/pictures/sheet.h"

#include <BRepBuilderAPI_Transform.hxx>
#include <gp_Ax1.hxx>
#include <gp_Trsf.hxx>

#include <QLinearGradient>
#include <QPainter>

#include <stdexcept>

namespace pictures {

namespace {

// The window shows the picture from its top-left corner, 601 x 459 of it.
const Scene kStart{
    "window/start.png",
    {720, 540},
    {10, 60, 580, 395},
    {{0.9, 0.8, 1.3}, {0, 1, 0}},
    {
        // Profiles lying on the floor y = 0, their lengths going back along -Z.
        {"metal/ibeam.png", {0, 0, 1}, 0, {0, 0, -150}, {96, 178, 96}},
        {"metal/channel.png", {0, 0, 1}, 0, {80, 0, -150}, {96, 178, 96}},
        {"metal/bent_channel.png", {0, 0, 1}, 0, {150, 0, -170}, {150, 190, 120}},
        {"metal/pipe.png", {0, 0, 1}, 0, {-20, 0, 10}, {170, 182, 196}},
        {"metal/hexagon.png", {0, 0, 1}, 0, {70, 26, 30}, {200, 176, 120}},
        {"metal/angle.png", {0, 0, 1}, 0, {105, 0, -10}, {96, 178, 96}},
        {"metal/nozzle.png", {0, 1, 0}, -90, {200, 28.5, -30}, {170, 182, 196}},
        {"metal/bent_angle.png", {0, 0, 1}, 0, {255, 0, -110}, {150, 190, 120}},
    }};

const PartPicture& record(const char* file)
{
    for (const PartPicture& p : partPictures())
        if (std::string_view(p.file) == file)
            return p;
    throw std::runtime_error(std::string("no picture ") + file);
}

QImage background(const Scene& scene)
{
    QImage image(scene.size[0], scene.size[1], QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient sky(0, 0, 0, scene.size[1]);
    sky.setColorAt(0, QColor(206, 220, 236));
    sky.setColorAt(1, QColor(250, 250, 244));
    p.fillRect(image.rect(), sky);
    p.setRenderHint(QPainter::Antialiasing);
    QFont title = letterFont();
    title.setPixelSize(40);
    QPainterPath name;
    name.addText(22, 50, title, QStringLiteral("ТОРВИЛ 10-2011"));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 128));
    p.drawPath(name);
    return image;
}

} // namespace

QImage startPicture()
{
    std::vector<ShadedSolid> solids;
    for (const Placement& placed : kStart.parts) {
        gp_Trsf turn, move;
        turn.SetRotation(gp_Ax1(gp::Origin(), gp_Dir(placed.turnAxis[0], placed.turnAxis[1], placed.turnAxis[2])),
                         placed.turnDegrees * M_PI / 180);
        move.SetTranslation(gp_Vec(placed.move[0], placed.move[1], placed.move[2]));
        const TopoDS_Shape shape = BRepBuilderAPI_Transform(drawPart(record(placed.picture)).shape, move * turn, true).Shape();
        solids.push_back({shape, QColor(placed.colour[0], placed.colour[1], placed.colour[2])});
    }
    const QRect frame(kStart.frame[0], kStart.frame[1], kStart.frame[2], kStart.frame[3]);
    return shadedView(solids, kStart.view, background(kStart), frame);
}

} // namespace pictures
