// The drawing window beside the main window, as a designer uses the two:
// closing the drawing window closes its drawing after the save question,
// the next "3D" opens a new drawing in a new window, and the program does
// not end while a drawing holds unsaved entities without that question,
// whichever window is closed last.
#include "window_fixture.h"

#include "acad/view/drawing_window.h"
#include "acad/view/install.h"
#include "acad/view/support.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>

using acad::view::DrawingWindow;
using acad::view::test::DialogScript;
using acad::view::test::settle;

namespace {

std::vector<DrawingWindow*> drawingWindows()
{
    std::vector<DrawingWindow*> found;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* d = qobject_cast<DrawingWindow*>(w); d && d->isVisible())
            found.push_back(d);
    return found;
}

// Qt ends the program when its last window that keeps it running closes.
bool windowsKeepTheProgramRunning()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->isWindow() && w->testAttribute(Qt::WA_QuitOnClose) && !qobject_cast<QMessageBox*>(w))
            return true;
    return false;
}

std::shared_ptr<acad::Application> runningProgram()
{
    return acad::server::activeObject(QStringLiteral("AutoCAD.Application"));
}

// Answers the save question with a button, and records its text.
DialogScript::Step answer(QMessageBox::StandardButton button, QStringList& questions)
{
    return [button, &questions](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr) << "expected the save question";
        questions << box->text();
        box->button(button)->click();
    };
}

} // namespace

class DrawingWindowBeside : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        acad::view::install(true);
    }
    void TearDown() override
    {
        std::vector<QPointer<DrawingWindow>> windows;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<DrawingWindow*>(w))
                windows.emplace_back(d);
        for (const auto& w : windows)
            delete w.data();
        settle();
        acad::Application::setVisibilityHook({});
        WindowTest::TearDown();
    }

    // A pipe 40 x 20 x 2, 100 long, from the pipe panel's "3D".
    void drawPipe()
    {
        press("SpeedButton28");
        for (const auto& [name, text] : {std::pair{"Edit5", "40"}, {"Edit6", "20"}, {"Edit7", "2"},
                                         {"Edit8", "100"}, {"Edit522", "4"}})
            form().findChild<QLineEdit*>(QLatin1String(name))->setText(QLatin1String(text));
        press("BitBtn4");
        settle();
    }

    // Closes a window as its close box does, answering the questions.
    bool closeByBox(QWidget* window, std::deque<DialogScript::Step> answers)
    {
        DialogScript script(std::move(answers));
        const bool closed = window->close();
        settle();
        EXPECT_TRUE(script.finished()) << "questions left unasked: " << window->windowTitle().toStdString();
        return closed;
    }

    QStringList questions;
};

TEST_F(DrawingWindowBeside, ClosingTheDrawingWindowClosesTheDrawingAndTheNextPartOpensANewOne)
{
    form().show();
    settle();
    ASSERT_EQ(drawingWindows().size(), 1u) << "the program shows its drawing at start";
    QPointer<DrawingWindow> first = drawingWindows().front();
    const std::shared_ptr<acad::Document> drawing1 = first->document();
    EXPECT_EQ(drawing1->name(), QStringLiteral("Чертеж1"));

    drawPipe();
    EXPECT_EQ(drawing1->count(), 1);
    // Cancel keeps the window and the drawing: the next part joins it.
    EXPECT_FALSE(closeByBox(first, {answer(QMessageBox::Cancel, questions)}));
    ASSERT_FALSE(first.isNull());
    EXPECT_FALSE(drawing1->closed());
    drawPipe();
    EXPECT_EQ(drawing1->count(), 2);

    EXPECT_TRUE(closeByBox(first, {answer(QMessageBox::Discard, questions)}));
    EXPECT_EQ(questions, QStringList(2, QStringLiteral("Сохранить изменения в чертеже «Чертеж1»?")));
    EXPECT_TRUE(first.isNull()) << "the closed window goes";
    EXPECT_TRUE(drawing1->closed());
    EXPECT_TRUE(runningProgram()->documents().empty());
    EXPECT_TRUE(drawingWindows().empty());

    // The next "3D" opens "Чертеж2" and shows it.
    drawPipe();
    EXPECT_TRUE(boxes.isEmpty()) << boxes.join(u'\n').toStdString();
    ASSERT_EQ(drawingWindows().size(), 1u);
    DrawingWindow* second = drawingWindows().front();
    EXPECT_EQ(second->document()->name(), QStringLiteral("Чертеж2"));
    EXPECT_TRUE(second->windowTitle().startsWith(QStringLiteral("Чертеж2")));
    EXPECT_EQ(second->document(), runningProgram()->activeDocument());
    EXPECT_EQ(second->document()->count(), 1);
    EXPECT_EQ(second->shownCount(), 1);
    EXPECT_EQ(drawing1->count(), 0) << "nothing goes into the closed drawing";
}

// Unsaved parts keep the program running until their question is answered:
// the main window closed first leaves the drawing window open; a part drawn
// after the drawing window was closed shows in a new one, which the main
// window's closing leaves open as well.
TEST_F(DrawingWindowBeside, TheProgramEndsOnlyAfterTheSaveQuestionWhicheverWindowClosesLast)
{
    for (const bool drawingClosedBefore : {false, true}) {
        SCOPED_TRACE(drawingClosedBefore ? "drawing window closed before" : "main window closed first");
        questions.clear();
        form().show();
        settle();
        drawPipe();
        ASSERT_EQ(drawingWindows().size(), 1u);
        if (drawingClosedBefore) {
            EXPECT_TRUE(closeByBox(drawingWindows().front(), {answer(QMessageBox::Discard, questions)}));
            drawPipe();
            ASSERT_EQ(drawingWindows().size(), 1u) << "the new part is shown";
        }
        DrawingWindow* drawing = drawingWindows().front();
        const QString name = drawing->document()->name();

        EXPECT_TRUE(closeByBox(&form(), {}));
        EXPECT_TRUE(windowsKeepTheProgramRunning()) << "the drawing window keeps the program running";
        EXPECT_FALSE(closeByBox(drawing, {answer(QMessageBox::Cancel, questions)}));
        EXPECT_TRUE(windowsKeepTheProgramRunning());
        EXPECT_TRUE(closeByBox(drawing, {answer(QMessageBox::Discard, questions)}));
        EXPECT_FALSE(windowsKeepTheProgramRunning());
        EXPECT_EQ(questions.size(), drawingClosedBefore ? 3 : 2);
        EXPECT_EQ(questions.back(), QStringLiteral("Сохранить изменения в чертеже «%1»?").arg(name));
        closeWindow();
    }
}
