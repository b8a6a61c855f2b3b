#pragma once
// The main window over a fresh drawing program, as a family's panels live in
// it: pressed and typed into by control names, its error boxes collected.
#include "acad/model.h"
#include "acad/numbers.h"
#include "app/shell/errorbox.h"
#include "app/window/form1.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QStringList>

#include <gtest/gtest.h>

#include <memory>

class InTheWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        acad::server::shutdown();
        acad::server::setReachable(true);
        shell::setErrorBoxCapture([this](const QString& text) { boxes << text; });
        form = std::make_unique<app::TForm1>();
    }
    void TearDown() override
    {
        form.reset();
        shell::setErrorBoxCapture({});
        acad::server::shutdown();
    }

    QWidget* widget(const char* name) { return form->findChild<QWidget*>(QLatin1String(name)); }
    QRect geometry(const char* name) { return widget(name)->geometry(); }
    QLineEdit* edit(const char* name) { return form->findChild<QLineEdit*>(QLatin1String(name)); }
    void press(const char* button) { form->findChild<QAbstractButton*>(QLatin1String(button))->click(); }
    // Types a text written with "." as the user types it under the regional
    // settings in force.
    void type(const char* name, const char* text)
    {
        edit(name)->setText(QString::fromUtf8(text).replace(u'.', acad::decimalSeparator()));
    }
    int count() { return form->AcadDocument1.ModelSpace().Count(); }

    std::unique_ptr<app::TForm1> form;
    QStringList boxes;
};
