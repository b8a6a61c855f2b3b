#pragma once
// A family's panels in a client area of their own, over a fresh drawing,
// driven as a user drives them: type into edits, press buttons, read the
// drawing and the error boxes. Numbers are typed with the decimal separator
// of the regional settings the test runs under (num, dec).
#include "acad/fields.h"
#include "acad/interfaces.h"
#include "acad/model.h"
#include "acad/numbers.h"
#include "app/shell/errorbox.h"
#include "app/shell/panel_context.h"
#include "support/drawing_checks.h"

#include <BRepCheck_Analyzer.hxx>

#include <QAbstractButton>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>
#include <QWidget>

#include <gtest/gtest.h>

#include <ostream>
#include <utility>
#include <vector>

// Texts in failure messages.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

// The window as the panels see it: the layouts only size the panels.
class TestWindow : public shell::PanelContext {
public:
    acad::WorkingFields& fields() override { return fields_; }
    void NetPan() override {}
    void FullPanelLayout(QWidget* panel) override { panel->resize(601, 459); }
    void SidePanelLayout(QWidget* panel) override { panel->resize(465, 336); }
    void TableSidePanelLayout(QWidget* sidePanel) override
    {
        sidePanel->setGeometry(601, 0, 250, 533);
        tableShown = sidePanel;
    }

    acad::TAcadDocument connection;
    QWidget* tableShown = nullptr;

private:
    acad::WorkingFields fields_{connection};
};

using CreatePanels = void (*)(shell::PanelContext& context, QWidget* clientArea);

class PanelTest : public ::testing::Test {
protected:
    explicit PanelTest(CreatePanels create) : create_(create) {}

    void SetUp() override
    {
        acad::server::shutdown();
        acad::server::setReachable(true);
        window.connection.Connect();
        shell::setErrorBoxCapture([this](const QString& text) { errors.push_back(text); });
        create_(window, &clientArea);
    }
    void TearDown() override
    {
        shell::setErrorBoxCapture({});
        acad::server::shutdown();
    }

    QWidget* panel(const char* name)
    {
        auto* p = clientArea.findChild<QWidget*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
        if (!p)
            ADD_FAILURE() << "no panel " << name;
        return p;
    }
    template <class W>
    W* control(const char* panelName, const char* name)
    {
        QWidget* p = panel(panelName);
        W* w = p ? p->findChild<W*>(QString::fromLatin1(name)) : nullptr;
        if (!w)
            ADD_FAILURE() << "no control " << name << " on " << panelName;
        return w;
    }
    QLineEdit* edit(const char* panelName, const char* name) { return control<QLineEdit>(panelName, name); }
    QTableWidget* grid(const char* panelName, const char* name) { return control<QTableWidget>(panelName, name); }

    // Types the texts into the panel's edits.
    using Texts = std::vector<std::pair<const char*, QString>>;
    void type(const char* panelName, const Texts& texts)
    {
        for (const auto& [name, text] : texts)
            edit(panelName, name)->setText(text);
    }
    // A number as the user types it under the regional settings in force.
    static QString num(double v) { return dec(QString::number(v, 'g', 12)); }
    // A decimal text written with '.', typed with the separator in force.
    static QString dec(const QString& text)
    {
        QString t = text;
        return t.replace(u'.', acad::decimalSeparator());
    }
    void press(const char* panelName, const char* button) { control<QAbstractButton>(panelName, button)->click(); }
    void check(const char* panelName, const char* radio) { control<QRadioButton>(panelName, radio)->setChecked(true); }
    QString text(const char* panelName, const char* name) { return edit(panelName, name)->text(); }

    // Empties the drawing between the cases of a test.
    void clearDrawing()
    {
        for (int k = count() - 1; k >= 0; --k)
            item(k).Delete();
    }

    acad::WorkingFields& fields() { return window.fields(); }
    acad::IAcadModelSpace ms() { return window.connection.ModelSpace(); }
    acad::Document& doc() { return *window.connection.Document().document(); }
    int count() { return ms().Count(); }
    acad::IAcadEntity item(int k) { return ms().Item(k); }

    // The drawing holds exactly one entity, a valid solid of the colour.
    acad::IAcad3DSolid onlyPart(int colour = 3)
    {
        EXPECT_TRUE(errors.empty()) << (errors.empty() ? "" : errors.front().toStdString());
        EXPECT_EQ(count(), 1);
        if (count() < 1)
            return {};
        return checkedPart(item(count() - 1), colour);
    }
    acad::IAcad3DSolid checkedPart(const acad::IAcadEntity& e, int colour = 3)
    {
        EXPECT_EQ(e.ObjectName(), QStringLiteral("AcDb3dSolid"));
        auto solid = e.as<acad::IAcad3DSolid>();
        EXPECT_TRUE(BRepCheck_Analyzer(solid.entity()->shape()).IsValid());
        EXPECT_EQ(solid.get_color(), colour);
        return solid;
    }

    // What the error box says for a text that is not a number.
    static QString notAFloat(const char* text)
    {
        return QStringLiteral("'%1' is not a valid floating point value.").arg(QString::fromUtf8(text));
    }

    TestWindow window;
    QWidget clientArea;
    QStringList errors;

private:
    CreatePanels create_;
};

constexpr double pi = 3.141592653589793;
