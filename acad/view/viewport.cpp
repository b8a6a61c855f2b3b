#include "acad/view/viewport.h"

#include "acad/view/guard.h"

#include <Aspect_GradientFillMethod.hxx>
#include <Graphic3d_Camera.hxx>
#include <Image_PixMap.hxx>
#include <V3d_AmbientLight.hxx>
#include <V3d_DirectionalLight.hxx>
#include <Xw_Window.hxx>

#include <QGuiApplication>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QtGui/qguiapplication_platform.h>

#include <cmath>

namespace acad::view {

namespace {

Quantity_Color srgb(int r, int g, int b)
{
    return Quantity_Color(r / 255.0, g / 255.0, b / 255.0, Quantity_TOC_sRGB);
}

// One wheel notch brings the model this much closer.
constexpr double kZoomPerNotch = 1.2;

} // namespace

Viewport::Viewport(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(160, 120);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(38, 42, 50));
    setPalette(p);
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    guarded("запуск графики", [&] {
        // Share the X11 connection of Qt when it offers it.
        Aspect_XDisplay* x = nullptr;
        if (auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>())
            x = reinterpret_cast<Aspect_XDisplay*>(x11->display());
        Handle(Aspect_DisplayConnection) display = x ? new Aspect_DisplayConnection(x) : new Aspect_DisplayConnection();
        Handle(OpenGl_GraphicDriver) driver = new OpenGl_GraphicDriver(display, true);
        Handle(V3d_Viewer) viewer = new V3d_Viewer(driver);
        // Soft ambient light, and a light over the viewer's left shoulder
        // that turns with the view, so faces at different angles differ.
        Handle(V3d_AmbientLight) ambient = new V3d_AmbientLight(Quantity_NOC_WHITE);
        ambient->SetIntensity(0.35f);
        Handle(V3d_DirectionalLight) key = new V3d_DirectionalLight(gp_Dir(0.35, -0.6, -1.0), Quantity_NOC_WHITE, true);
        key->SetIntensity(0.9f);
        viewer->AddLight(ambient);
        viewer->AddLight(key);
        viewer->SetLightOn();
        Handle(AIS_InteractiveContext) context = new AIS_InteractiveContext(viewer);
        context->SetAutomaticHilight(false);
        display_ = display;
        driver_ = driver;
        viewer_ = viewer;
        context_ = context;
    });
    if (context_.IsNull())
        return;
    // OpenCASCADE draws into the native window itself; Qt must not paint over it.
    setAutoFillBackground(false);
    setAttribute(Qt::WA_NativeWindow);
    setAttribute(Qt::WA_PaintOnScreen);
    setAttribute(Qt::WA_NoSystemBackground);
}

Viewport::~Viewport()
{
    guarded("закрытие вида", [&] {
        if (!context_.IsNull())
            context_->RemoveAll(false);
        context_.Nullify();
        if (!view_.IsNull())
            view_->Remove();
        view_.Nullify();
        viewer_.Nullify();
        driver_.Nullify();
        display_.Nullify();
    });
}

bool Viewport::ensureView()
{
    if (!view_.IsNull())
        return true;
    if (viewer_.IsNull())
        return false;
    Handle(V3d_View) view;
    guarded("окно вида", [&] {
        Handle(Xw_Window) window = new Xw_Window(display_, static_cast<Aspect_Drawable>(winId()));
        view = viewer_->CreateView();
        view->SetImmediateUpdate(false);
        view->SetWindow(window);
        if (!window->IsMapped())
            window->Map();
        view->SetBgGradientColors(srgb(52, 58, 70), srgb(22, 24, 30), Aspect_GFM_VER);
        view->TriedronDisplay(Aspect_TOTP_LEFT_LOWER, Quantity_NOC_WHITE, 0.08, V3d_ZBUFFER);
        view->SetProj(V3d_XposYnegZpos);
        view->MustBeResized();
    });
    if (view.IsNull())
        return false;
    view_ = view;
    return true;
}

void Viewport::redraw()
{
    if (view_.IsNull())
        return;
    guarded("перерисовка", [&] { view_->Redraw(); });
}

void Viewport::fitAll()
{
    if (!ensureView())
        return;
    guarded("показ всего", [&] {
        view_->FitAll(0.05, false);
        view_->ZFitAll();
        view_->Redraw();
    });
}

void Viewport::setProjection(V3d_TypeOfOrientation orientation)
{
    if (!ensureView())
        return;
    guarded("выбор вида", [&] { view_->SetProj(orientation); });
    fitAll();
}

void Viewport::zoomAt(const QPoint& pixel, double factor)
{
    if (view_.IsNull() || !(factor > 0))
        return;
    guarded("увеличение", [&] {
        const QPoint p = devicePixel(pixel);
        Standard_Real x0, y0, z0, x1, y1, z1;
        view_->Convert(p.x(), p.y(), x0, y0, z0);
        view_->SetZoom(factor, true);
        view_->Convert(p.x(), p.y(), x1, y1, z1);
        // Shift the camera so the point under the cursor comes back under it.
        const gp_Vec shift(gp_Pnt(x1, y1, z1), gp_Pnt(x0, y0, z0));
        const Handle(Graphic3d_Camera)& camera = view_->Camera();
        camera->SetEyeAndCenter(camera->Eye().Translated(shift), camera->Center().Translated(shift));
        view_->Redraw();
    });
}

QImage Viewport::renderImage(const QSize& size)
{
    if (!ensureView() || size.isEmpty())
        return {};
    QImage image;
    guarded("снимок вида", [&] {
        Image_PixMap pixmap;
        if (!view_->ToPixMap(pixmap, size.width(), size.height(), Graphic3d_BT_RGB))
            return;
        QImage result(size, QImage::Format_RGB888);
        for (int y = 0; y < size.height(); ++y) {
            uchar* line = result.scanLine(y);
            for (int x = 0; x < size.width(); ++x) {
                const Quantity_ColorRGBA c = pixmap.PixelColor(x, y);
                const NCollection_Vec4<float> v = c;
                for (int k = 0; k < 3; ++k)
                    line[3 * x + k] = static_cast<uchar>(std::lround(std::clamp(v[k], 0.0f, 1.0f) * 255));
            }
        }
        image = result;
    });
    return image;
}

QPoint Viewport::pixelOf(const gp_Pnt& point) const
{
    if (view_.IsNull())
        return {};
    Standard_Integer x = 0, y = 0;
    view_->Convert(point.X(), point.Y(), point.Z(), x, y);
    const double ratio = devicePixelRatioF();
    return QPoint(static_cast<int>(std::lround(x / ratio)), static_cast<int>(std::lround(y / ratio)));
}

bool Viewport::shows(const Bnd_Box& box) const
{
    if (view_.IsNull() || box.IsVoid())
        return true;
    bool inside = true;
    guarded("проверка видимости", [&] {
        Standard_Integer width = 0, height = 0;
        view_->Window()->Size(width, height);
        double x[2], y[2], z[2];
        box.Get(x[0], y[0], z[0], x[1], y[1], z[1]);
        // The view projects a box into the hull of its corners' pixels.
        for (int corner = 0; corner < 8 && inside; ++corner) {
            Standard_Integer px = 0, py = 0;
            view_->Convert(x[corner & 1], y[(corner >> 1) & 1], z[corner >> 2], px, py);
            inside = px >= 0 && py >= 0 && px < width && py < height;
        }
    });
    return inside;
}

QPoint Viewport::devicePixel(const QPointF& p) const
{
    return (p * devicePixelRatioF()).toPoint();
}

void Viewport::paintEvent(QPaintEvent* event)
{
    if (!ensureView()) {
        QWidget::paintEvent(event);
        return;
    }
    guarded("рисование", [&] {
        // The native window may have been resized by the time it is exposed
        // without the view hearing of it (the first layout comes before the
        // view exists): follow its size here.
        const QSize size = (QSizeF(this->size()) * devicePixelRatioF()).toSize();
        if (size != viewSize_) {
            viewSize_ = size;
            view_->MustBeResized();
        }
        view_->Invalidate();
        view_->Redraw();
    });
}

void Viewport::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (!view_.IsNull())
        guarded("размер вида", [&] { view_->MustBeResized(); });
}

void Viewport::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    ensureView();
}

void Viewport::mousePressEvent(QMouseEvent* event)
{
    if (view_.IsNull())
        return;
    const QPoint p = devicePixel(event->position());
    last_ = p;
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    if (event->button() == Qt::MiddleButton || (event->button() == Qt::LeftButton && shift)) {
        drag_ = Drag::Pan;
    } else if (event->button() == Qt::LeftButton) {
        drag_ = Drag::Orbit;
        guarded("вращение", [&] { view_->StartRotation(p.x(), p.y()); });
    }
}

void Viewport::mouseMoveEvent(QMouseEvent* event)
{
    if (view_.IsNull() || drag_ == Drag::None)
        return;
    const QPoint p = devicePixel(event->position());
    guarded("движение вида", [&] {
        if (drag_ == Drag::Orbit)
            view_->Rotation(p.x(), p.y());
        else
            view_->Pan(p.x() - last_.x(), last_.y() - p.y());
        view_->Redraw();
    });
    last_ = p;
}

void Viewport::mouseReleaseEvent(QMouseEvent*)
{
    drag_ = Drag::None;
}

void Viewport::wheelEvent(QWheelEvent* event)
{
    const double notches = event->angleDelta().y() / 120.0;
    if (notches != 0)
        zoomAt(event->position().toPoint(), std::pow(kZoomPerNotch, notches));
    event->accept();
}

} // namespace acad::view
