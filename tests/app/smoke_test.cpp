// A walk through the whole window: every toolbar button, every button on the
// panel it shows, and every menu item. Whatever a button does with the texts
// its panel starts with, the program goes on and the drawing stays sound.
#include "window_fixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>

#include <BRepCheck_Analyzer.hxx>

TEST_F(WindowTest, EveryButtonAndMenuItemRunsWithoutBreakingAnything)
{
    const QList<QAbstractButton*> toolbar = widget("Panel5")->findChildren<QAbstractButton*>();
    ASSERT_EQ(toolbar.size(), 44);
    // First with the edits as they start, then with a 10 typed into each.
    for (const QString& typed : {QString(), QStringLiteral("10")}) {
        for (QAbstractButton* tool : toolbar) {
            SCOPED_TRACE(tool->objectName().toStdString());
            tool->click();
            // The panel it shows: the one sized panel of the work area.
            for (QWidget* panel : form().clientArea()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (panel->width() == 0 || panel == widget("Panel5") || panel == widget("Panel4") ||
                    panel->objectName().startsWith(QLatin1String("Panel11")) || !panel->objectName().startsWith(u'P'))
                    continue;
                if (!typed.isEmpty())
                    for (QLineEdit* e : panel->findChildren<QLineEdit*>())
                        e->setText(typed);
                for (QAbstractButton* b : panel->findChildren<QAbstractButton*>())
                    b->click();
            }
        }
    }
    for (QAction* a : form().findChildren<QAction*>())
        if (!a->menu())
            a->trigger();
    QApplication::processEvents();
    // Every solid drawn on the way is a valid one.
    const acad::IAcadModelSpace ms = form().AcadDocument1.ModelSpace();
    EXPECT_GT(ms.Count(), 0);
    for (int i = 0; i < ms.Count(); ++i) {
        const auto e = ms.Item(i).entity();
        if (e->type() == acad::EntityType::Solid) {
            EXPECT_TRUE(BRepCheck_Analyzer(e->shape()).IsValid()) << i;
        }
    }
}

TEST_F(WindowTest, ErrorBoxShowsTheMessageUnderTheApplicationTitle)
{
    shell::setErrorBoxCapture({});
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        box->accept();
    });
    shell::showErrorBox(QStringLiteral("'' is not a valid floating point value"));
    EXPECT_EQ(title, QStringLiteral("ТОРВИЛ 10-2011"));
    EXPECT_EQ(text, QStringLiteral("'' is not a valid floating point value."));
    EXPECT_EQ(icon, QMessageBox::Critical);
}
