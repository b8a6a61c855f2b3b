#include "app/shell/errorbox.h"

#include "acad/errors.h"
#include "acad/procedure.h"

#include <QApplication>
#include <QMessageBox>

namespace shell {

namespace {
std::function<void(const QString&)>& capture()
{
    static std::function<void(const QString&)> c;
    return c;
}
} // namespace

QString applicationTitle()
{
    return QStringLiteral("ТОРВИЛ 10-2011");
}

void showErrorBox(const QString& message)
{
    const QString text = acad::errorBoxText(message);
    if (capture()) {
        capture()(text);
        return;
    }
    QMessageBox box(QMessageBox::Critical, applicationTitle(), text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

void setErrorBoxCapture(std::function<void(const QString& text)> c)
{
    capture() = std::move(c);
}

bool runProcedure(const std::function<void()>& procedure)
{
    bool failed = false;
    const QString message = acad::runProcedure(procedure, &failed);
    if (failed)
        showErrorBox(message);
    return !failed;
}

} // namespace shell
