#pragma once
// The 3D view of the drawing window: OpenCASCADE's viewer drawing with
// OpenGL straight into a native X11 child window.
//
// Left drag orbits, middle drag (or Shift with the left button) pans, the
// wheel zooms about the point under the cursor. On a platform without X11
// (a headless run) the widget stays empty and context() is null; what the
// window puts into the scene is then simply not drawn.
#include <AIS_InteractiveContext.hxx>
#include <Aspect_DisplayConnection.hxx>
#include <OpenGl_GraphicDriver.hxx>
#include <V3d_View.hxx>
#include <V3d_Viewer.hxx>
#include <Bnd_Box.hxx>

#include <QImage>
#include <QPoint>
#include <QWidget>

namespace acad::view {

class Viewport : public QWidget {
    Q_OBJECT
public:
    explicit Viewport(QWidget* parent = nullptr);
    ~Viewport() override;

    // The scene's context; null when this platform draws nothing.
    const Handle(AIS_InteractiveContext)& context() const { return context_; }
    // The view; null until the widget's native window exists.
    const Handle(V3d_View)& view() const { return view_; }

    // Makes the view when the widget has a native window; true when there is one.
    bool ensureView();

    void redraw();
    void fitAll();
    // Looks along the direction (top: straight down; isometric: from +X −Y +Z) and fits.
    void setProjection(V3d_TypeOfOrientation orientation);
    // Scales the view by `factor` (above 1 closer) keeping the model point
    // under a pixel of the widget where it is.
    void zoomAt(const QPoint& pixel, double factor);

    // The picture the view shows, drawn off screen at the given size; null
    // when there is no view.
    QImage renderImage(const QSize& size);

    // The widget pixel where a model point shows.
    QPoint pixelOf(const gp_Pnt& point) const;
    // Whether the whole box is in sight; true when there is no view.
    bool shows(const Bnd_Box& box) const;

protected:
    QPaintEngine* paintEngine() const override { return nullptr; }
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    enum class Drag { None, Orbit, Pan };
    QPoint devicePixel(const QPointF& p) const;

    Handle(Aspect_DisplayConnection) display_;
    Handle(OpenGl_GraphicDriver) driver_;
    Handle(V3d_Viewer) viewer_;
    Handle(AIS_InteractiveContext) context_;
    Handle(V3d_View) view_;
    Drag drag_ = Drag::None;
    QPoint last_;
    QSize viewSize_;
};

} // namespace acad::view
