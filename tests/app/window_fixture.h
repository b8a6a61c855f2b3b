#pragma once
// A main window over a fresh drawing program, with the error boxes it shows
// collected instead of shown. The window is made on demand, so that a test
// can first set up the drawing program it will find at start.
#include "acad/model.h"
#include "app/shell/errorbox.h"
#include "app/window/form1.h"

#include <QAbstractButton>
#include <QAction>
#include <QStringList>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QRect& r, std::ostream* os)
{
    *os << '(' << r.x() << ", " << r.y() << ", " << r.width() << " x " << r.height() << ')';
}
inline void PrintTo(const QSize& s, std::ostream* os) { *os << s.width() << " x " << s.height(); }
QT_END_NAMESPACE

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        acad::server::shutdown();
        acad::server::setReachable(true);
        shell::setErrorBoxCapture([this](const QString& text) { boxes << text; });
    }
    void TearDown() override
    {
        form_.reset();
        shell::setErrorBoxCapture({});
        acad::server::setReachable(true);
        acad::server::shutdown();
    }

    app::TForm1& form(const std::vector<app::CreatePanels>& families = app::partFamilies())
    {
        if (!form_)
            form_ = std::make_unique<app::TForm1>(families);
        return *form_;
    }

    void closeWindow() { form_.reset(); }

    QWidget* widget(const char* name) { return form().findChild<QWidget*>(QLatin1String(name)); }
    QRect geometry(const char* name)
    {
        QWidget* w = widget(name);
        EXPECT_NE(w, nullptr) << name;
        return w ? w->geometry() : QRect();
    }
    void press(const char* button) { form().findChild<QAbstractButton*>(QLatin1String(button))->click(); }
    void choose(const char* item) { form().findChild<QAction*>(QLatin1String(item))->trigger(); }

    QStringList boxes;

private:
    std::unique_ptr<app::TForm1> form_;
};
