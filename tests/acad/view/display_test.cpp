// The drawing window on a real display (CTest runs these under xvfb-run):
// the program made visible shows its model in colour, and hides it again.
#include "acad/fpu.h"
#include "acad/interfaces.h"
#include "acad/model.h"
#include "acad/view/drawing_window.h"
#include "acad/view/install.h"
#include "acad/view/viewport.h"
#include "support.h"

#include <QImage>
#include <QMouseEvent>
#include <QWheelEvent>
#include <Graphic3d_Camera.hxx>
#include <QScreen>

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <memory>
#include <utility>

using namespace acad;
using acad::view::DrawingWindow;
using acad::view::test::waitFor;

namespace {

AcadAcCmColor rgb(int r, int g, int b)
{
    AcadAcCmColor c;
    c.SetRGB(r, g, b);
    return c;
}

DrawingWindow* windowOf(const std::shared_ptr<Document>& doc)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* d = qobject_cast<DrawingWindow*>(w); d && d->document() == doc)
            return d;
    return nullptr;
}

// Pixels in which one primary clearly dominates, whatever the shading.
struct Census {
    int red = 0, green = 0, blue = 0;
};

Census census(const QImage& image)
{
    Census c;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor p = image.pixelColor(x, y);
            const int r = p.red(), g = p.green(), b = p.blue();
            c.red += r > 80 && r > 2 * g && r > 2 * b;
            c.green += g > 80 && g > 2 * r && g > 2 * b;
            c.blue += b > 80 && b > 2 * r && b > 2 * g;
        }
    return c;
}

double distance(const QPoint& a, const QPoint& b)
{
    return std::hypot(a.x() - b.x(), a.y() - b.y());
}

} // namespace

TEST(DisplayDrawingWindow, ShowsModelInColourAndFollowsVisibility)
{
    view::install();
    auto app = std::make_shared<Application>();
    const std::shared_ptr<Document> doc = app->activeDocument();
    IAcadModelSpace ms(doc);

    // A red block with a blue boss on top, still a pending union; a green
    // region beside it with a circle and an arc on it; a thick yellow line
    // and a label.
    IAcad3DSolid block = ms.AddBox({0, 0, 5}, 40, 30, 10);
    block.put_TrueColor(rgb(220, 30, 30));
    IAcad3DSolid boss = ms.AddBox({0, 0, 12}, 20, 16, 4);
    boss.put_TrueColor(rgb(40, 60, 230));
    block.Boolean(acUnion, boss);
    IAcadPolyline outline = ms.AddPolyline({30, -10, 0, 60, -10, 0, 60, 10, 0, 30, 10, 0, 30, -10, 0});
    IAcadRegion region = ms.AddRegion({outline}).front();
    outline.Delete();
    region.put_TrueColor(rgb(30, 200, 60));
    ms.AddCircle({45, 0, 0}, 6).put_color(4);
    ms.AddArc({45, 0, 0}, 8, 0, M_PI).put_color(6);
    IAcadLine line = ms.AddLine({-20, -25, 0}, {60, -25, 0});
    line.put_color(2);
    line.put_Lineweight(50);
    IAcadMText label = ms.AddMText({-20, -32, 0}, 60, QStringLiteral("Корпус"));
    label.Set(QStringLiteral("Height"), 5.0);
    fpu::clear();

    app->setVisible(true);
    DrawingWindow* window = windowOf(doc);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(waitFor([&] { return window->isVisible() && window->viewport()->view() && window->refreshCount() > 0; }));
    EXPECT_EQ(window->shownCount(), 6);
    EXPECT_FALSE(window->presentation(*block.entity()).IsNull());

    // The first content is fitted: every corner of the model is in sight.
    const QRect area = window->viewport()->rect();
    for (double x : {-20.0, 60.0})
        for (double y : {-37.0, 15.0})
            for (double z : {0.0, 14.0})
                EXPECT_TRUE(area.contains(window->viewport()->pixelOf(gp_Pnt(x, y, z))))
                    << x << " " << y << " " << z;

    // On screen the view fills its widget, after a resize too. Nothing in
    // the picture is pure black where the view draws.
    auto blackShare = [&] {
        const QImage shot = window->screen()->grabWindow(window->viewport()->winId()).toImage();
        int black = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                black += (shot.pixel(x, y) & 0xffffff) == 0;
        return shot.isNull() ? 1.0 : double(black) / (shot.width() * shot.height());
    };
    EXPECT_TRUE(waitFor([&] { return blackShare() < 0.01; }, 2000)) << blackShare();
    window->resize(700, 500);
    EXPECT_TRUE(waitFor([&] { return blackShare() < 0.01; }, 2000)) << blackShare();

    // Seen from above: the boss's own blue, the block's red round it, the
    // region's green.
    const QSize size(480, 360);
    window->topView();
    const Census top = census(window->viewport()->renderImage(size));
    const int enough = size.width() * size.height() / 100;
    EXPECT_GT(top.blue, enough);
    EXPECT_GT(top.red, enough);
    EXPECT_GT(top.green, enough);

    window->isometricView();
    const QImage iso = window->viewport()->renderImage(QSize(800, 600));
    ASSERT_FALSE(iso.isNull());
    iso.save(QStringLiteral("/tmp/torvil-drawing-window.png"));
    const Census side = census(iso);
    EXPECT_GT(side.red, enough);
    EXPECT_GT(side.blue, enough);

    // Navigation with the mouse.
    view::Viewport* viewport = window->viewport();
    auto send = [&](QEvent::Type type, Qt::MouseButton button, const QPoint& at,
                    Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
        QMouseEvent event(type, QPointF(at), viewport->mapToGlobal(QPointF(at)),
                          type == QEvent::MouseMove ? Qt::NoButton : button, held, modifiers);
        QApplication::sendEvent(viewport, &event);
    };
    auto drag = [&](Qt::MouseButton button, const QPoint& from, const QPoint& by, Qt::KeyboardModifiers modifiers) {
        send(QEvent::MouseButtonPress, button, from, modifiers);
        send(QEvent::MouseMove, button, from + by / 2, modifiers);
        send(QEvent::MouseMove, button, from + by, modifiers);
        send(QEvent::MouseButtonRelease, button, from + by, modifiers);
    };
    const gp_Pnt under(45, 0, 0), other(-20, -15, 0);

    // Middle drag, or Shift with the left button, pans: the model follows the cursor.
    for (const auto& [button, modifiers] : {std::pair{Qt::MiddleButton, Qt::KeyboardModifiers(Qt::NoModifier)},
                                            std::pair{Qt::LeftButton, Qt::KeyboardModifiers(Qt::ShiftModifier)}}) {
        const QPoint from = viewport->pixelOf(under), by(40, 25);
        drag(button, from, by, modifiers);
        EXPECT_LE(distance(viewport->pixelOf(under), from + by), 1.5) << "button " << button;
    }

    // The wheel zooms about the cursor: the point under it stays, the rest
    // moves away from it, 1.2 times as far for each notch.
    const QPoint cursor = viewport->pixelOf(under);
    const double before = distance(viewport->pixelOf(other), cursor);
    QWheelEvent wheel(QPointF(cursor), viewport->mapToGlobal(QPointF(cursor)), QPoint(), QPoint(0, 3 * 120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &wheel);
    EXPECT_LE(distance(viewport->pixelOf(under), cursor), 1.5);
    EXPECT_NEAR(distance(viewport->pixelOf(other), cursor) / before, 1.2 * 1.2 * 1.2, 0.05);

    // A left drag orbits: the view turns.
    const gp_Dir direction = viewport->view()->Camera()->Direction();
    drag(Qt::LeftButton, viewport->rect().center(), QPoint(80, 0), Qt::NoModifier);
    EXPECT_GT(direction.Angle(viewport->view()->Camera()->Direction()), 0.1);

    // The viewer leaves no floating-point flags for the next procedure.
    EXPECT_EQ(std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW), 0);

    // A drawing emptied and drawn anew elsewhere is fitted again.
    for (const auto& e : std::vector(doc->entities()))
        doc->erase(*e);
    acad::view::test::settle();
    ms.AddBox({500, 400, 100}, 10, 10, 10);
    acad::view::test::settle();
    for (double x : {495.0, 505.0})
        for (double y : {395.0, 405.0})
            EXPECT_TRUE(viewport->rect().contains(viewport->pixelOf(gp_Pnt(x, y, 100))));

    app->setVisible(false);
    EXPECT_FALSE(window->isVisible());
    app->setVisible(true);
    EXPECT_EQ(windowOf(doc), window) << "one window for a document";
    EXPECT_TRUE(window->isVisible());

    delete window;
    Application::setVisibilityHook({});
}

// A part drawn out of sight, or moved there, brings the whole drawing into
// view; a part drawn where the user's own view already shows it leaves that
// view as it is.
TEST(DisplayDrawingWindow, ViewFollowsTheDrawingAndKeepsTheUsersOwnView)
{
    auto doc = std::make_shared<Document>(QStringLiteral("Чертеж1"));
    IAcadModelSpace ms(doc);
    DrawingWindow window(doc);
    window.show();
    ASSERT_TRUE(waitFor([&] { return window.isVisible() && window.viewport()->view(); }));
    view::Viewport* viewport = window.viewport();
    auto inSight = [&](const gp_Pnt& low, const gp_Pnt& high) {
        for (double x : {low.X(), high.X()})
            for (double y : {low.Y(), high.Y()})
                for (double z : {low.Z(), high.Z()})
                    if (!viewport->rect().contains(viewport->pixelOf(gp_Pnt(x, y, z))))
                        return false;
        return true;
    };
    struct Camera {
        double scale;
        gp_Pnt eye, centre;
        bool operator==(const Camera& o) const
        {
            return scale == o.scale && eye.IsEqual(o.eye, 0) && centre.IsEqual(o.centre, 0);
        }
    };
    auto camera = [&] {
        const Handle(Graphic3d_Camera)& c = viewport->view()->Camera();
        return Camera{c->Scale(), c->Eye(), c->Center()};
    };

    // The first part, in an empty drawing, is fitted.
    ms.AddBox({0, 0, 0}, 40, 40, 40);
    acad::view::test::settle();
    EXPECT_TRUE(inSight({-20, -20, -20}, {20, 20, 20}));

    // The user zooms in on it; a small part inside that view keeps it.
    const QPoint centre = viewport->pixelOf(gp_Pnt(0, 0, 0));
    QWheelEvent wheel(QPointF(centre), viewport->mapToGlobal(QPointF(centre)), QPoint(), QPoint(0, 2 * 120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &wheel);
    const Camera zoomed = camera();
    ms.AddBox({0, 0, 0}, 4, 4, 4).put_color(1);
    acad::view::test::settle();
    EXPECT_TRUE(camera() == zoomed) << "the user's view changed";
    EXPECT_FALSE(inSight({-20, -20, -20}, {20, 20, 20})) << "the zoom did not take";

    // A part far off: the whole drawing comes into view.
    IAcad3DSolid far = ms.AddBox({300, 0, 0}, 20, 20, 20);
    acad::view::test::settle();
    EXPECT_FALSE(camera() == zoomed);
    EXPECT_TRUE(inSight({-20, -20, -20}, {310, 10, 10}));

    // A part moved out of sight by a procedure is followed too.
    const Camera fitted = camera();
    far.Move({0, 0, 0}, {0, -900, 0});
    acad::view::test::settle();
    EXPECT_FALSE(camera() == fitted);
    EXPECT_TRUE(inSight({-20, -20, -20}, {20, 20, 20}));
    EXPECT_TRUE(inSight({290, -910, -10}, {310, -890, 10}));
}
