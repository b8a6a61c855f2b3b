#include "acad/view/install.h"

#include "acad/model.h"
#include "acad/view/drawing_window.h"
#include "acad/view/guard.h"

#include <QApplication>
#include <QPointer>
#include <QThread>

#include <memory>
#include <unordered_map>
#include <vector>

namespace acad::view {

namespace {

// The open windows, by the document they show. A window keeps its document
// alive, so the address of a document with a live window is never reused.
std::unordered_map<const Document*, QPointer<DrawingWindow>>& windows()
{
    static std::unordered_map<const Document*, QPointer<DrawingWindow>> map;
    return map;
}

bool canShowWindows(bool headlessToo)
{
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return false;
    if (headlessToo)
        return true;
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal")
        && platform != QLatin1String("minimalegl");
}

void apply(const std::vector<std::shared_ptr<Document>>& documents, const std::shared_ptr<Document>& active,
           bool visible)
{
    auto& map = windows();
    for (auto it = map.begin(); it != map.end();)
        it = it->second ? std::next(it) : map.erase(it);
    if (!visible) {
        for (const auto& d : documents)
            if (const auto it = map.find(d.get()); it != map.end())
                it->second->hide();
        return;
    }
    if (!active)
        return;
    QPointer<DrawingWindow>& window = map[active.get()];
    if (!window)
        window = new DrawingWindow(active);
    window->show();
    window->raise();
}

} // namespace

void install(bool headlessToo)
{
    Application::setVisibilityHook([headlessToo](Application& app, bool visible) {
        if (!canShowWindows(headlessToo))
            return;
        auto run = [documents = app.documents(), active = app.activeDocument(), visible] {
            guarded("показ окна чертежа", [&] { apply(documents, active, visible); });
        };
        // Widgets live in the thread of the application object only.
        if (QThread::currentThread() == qApp->thread())
            run();
        else
            QMetaObject::invokeMethod(qApp, run, Qt::QueuedConnection);
    });
}

} // namespace acad::view
