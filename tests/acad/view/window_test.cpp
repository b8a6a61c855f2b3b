// The drawing window without a display: how it follows its document, how it
// closes and saves, and that a headless program gets no window at all.
#include "acad/interfaces.h"
#include "acad/model.h"
#include "acad/view/drawing_window.h"
#include "acad/view/install.h"
#include "support.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace acad;
using acad::view::DrawingWindow;
using acad::view::test::DialogScript;
using acad::view::test::settle;

namespace {

int drawingWindowCount()
{
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<DrawingWindow*>(w))
            ++n;
    return n;
}

AcadAcCmColor rgb(int r, int g, int b)
{
    AcadAcCmColor c;
    c.SetRGB(r, g, b);
    return c;
}

} // namespace

TEST(ViewInstall, HeadlessProgramGetsNoWindow)
{
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        GTEST_SKIP() << "runs on the offscreen platform";
    view::install();
    auto app = std::make_shared<Application>();
    IAcadModelSpace(app->activeDocument()).AddLine({0, 0, 0}, {10, 0, 0});
    app->setVisible(true);
    settle();
    EXPECT_TRUE(app->visible());
    EXPECT_EQ(drawingWindowCount(), 0);
    app->setVisible(false);
    Application::setVisibilityHook({});
}

// A procedure makes and removes hundreds of entities in one go: the scene is
// brought up to date once, afterwards, and holds only what is left.
TEST(DrawingWindowScene, OneRefreshForABatchOfChanges)
{
    auto doc = std::make_shared<Document>(QStringLiteral("Чертеж1"));
    IAcadModelSpace ms(doc);
    auto* window = new DrawingWindow(doc);
    window->show();
    settle();
    const int before = window->refreshCount();

    std::vector<IAcadLine> lines;
    for (int i = 0; i < 300; ++i)
        lines.push_back(ms.AddLine({double(i), 0, 0}, {double(i), 10, 0}));
    for (int i = 0; i < 200; ++i)
        lines[i].Delete();
    EXPECT_EQ(window->refreshCount(), before) << "refreshed during the batch";
    settle();
    EXPECT_EQ(window->refreshCount(), before + 1);
    EXPECT_EQ(window->shownCount(), 100);
    EXPECT_TRUE(window->presentation(*lines[0].entity()).IsNull());
    EXPECT_FALSE(window->presentation(*lines[250].entity()).IsNull());

    // Hidden, the window leaves the work until it is shown again.
    window->hide();
    ms.AddLine({0, 0, 0}, {0, 5, 0});
    settle();
    EXPECT_EQ(window->refreshCount(), before + 1);
    window->show();
    settle();
    EXPECT_EQ(window->refreshCount(), before + 2);
    EXPECT_EQ(window->shownCount(), 101);

    delete window;
    // The window's listener went with it: changes reach nothing now.
    ms.AddLine({0, 0, 0}, {1, 1, 0});
    settle();
}

// Only what changed gets a new presentation; a union waiting to be made is
// made for showing.
TEST(DrawingWindowScene, ReplacesOnlyChangedPresentations)
{
    auto doc = std::make_shared<Document>(QStringLiteral("Чертеж1"));
    IAcadModelSpace ms(doc);
    IAcad3DSolid moved = ms.AddBox({0, 0, 0}, 10, 10, 10);
    IAcad3DSolid still = ms.AddBox({30, 0, 0}, 10, 10, 10);
    IAcad3DSolid united = ms.AddBox({60, 0, 0}, 10, 10, 10);
    IAcad3DSolid tool = ms.AddCylinder({60, 0, 5}, 3, 10);
    IAcadLine recoloured = ms.AddLine({0, 20, 0}, {50, 20, 0});
    IAcadLine widened = ms.AddLine({0, 30, 0}, {50, 30, 0});
    DrawingWindow window(doc);
    window.show();
    settle();
    auto prs = [&](const IAcadEntity& e) { return window.presentation(*e.entity()); };
    const auto stillBefore = prs(still), movedBefore = prs(moved), unitedBefore = prs(united);
    const auto recolouredBefore = prs(recoloured), widenedBefore = prs(widened);
    ASSERT_FALSE(stillBefore.IsNull());

    moved.Move({0, 0, 0}, {0, 0, 5});
    united.Boolean(acUnion, tool);
    recoloured.put_color(1);
    widened.put_Lineweight(50);
    settle();

    EXPECT_EQ(prs(still), stillBefore);
    EXPECT_NE(prs(moved), movedBefore);
    EXPECT_NE(prs(united), unitedBefore);
    EXPECT_NE(prs(recoloured), recolouredBefore);
    EXPECT_NE(prs(widened), widenedBefore);
    EXPECT_TRUE(prs(tool).IsNull());
    EXPECT_EQ(window.shownCount(), 5);
    EXPECT_EQ(static_cast<const SolidEntity&>(*united.entity()).body.pieceCount(), 1u);

    // A refresh with nothing changed keeps every presentation.
    const auto unitedAfter = prs(united);
    doc->touch();
    settle();
    EXPECT_EQ(prs(united), unitedAfter);
}

// Closing a drawing with unsaved changes asks what to do with them.
TEST(DrawingWindow, ClosingAsksAboutUnsavedChanges)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString good = dir.filePath(QStringLiteral("деталь.step"));
    const QString bad = dir.filePath(QStringLiteral("нет/такой/папки/деталь.step"));

    using Step = DialogScript::Step;
    auto press = [](QMessageBox::StandardButton b) -> Step {
        return [b](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            ASSERT_NE(box, nullptr) << "expected a message box";
            box->button(b)->click();
        };
    };
    auto chooseFile = [](const QString& path) -> Step {
        return [path](QWidget* w) {
            auto* dialog = qobject_cast<QFileDialog*>(w);
            ASSERT_NE(dialog, nullptr) << "expected a file dialog";
            dialog->selectFile(path);
            static_cast<QDialog*>(dialog)->accept(); // checks the name as a user's Save would
        };
    };
    const Step cancelFile = [](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); };
    const Step acknowledge = [](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr) << "expected the error box";
        EXPECT_EQ(box->icon(), QMessageBox::Critical);
        box->accept();
    };

    struct Case {
        const char* name;
        bool modified;
        std::deque<Step> answers;
        bool closes;
        bool writes;
    };
    const Case cases[] = {
        {"unchanged closes at once", false, {}, true, false},
        {"cancel keeps it open", true, {press(QMessageBox::Cancel)}, false, false},
        {"discard closes", true, {press(QMessageBox::Discard)}, true, false},
        {"save writes and closes", true, {press(QMessageBox::Save), chooseFile(good)}, true, true},
        {"save refused by the file system stays", true,
         {press(QMessageBox::Save), chooseFile(bad), acknowledge}, false, false},
        {"save dialog cancelled stays", true, {press(QMessageBox::Save), cancelFile}, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(good);
        auto doc = std::make_shared<Document>(QStringLiteral("Чертеж1"));
        IAcadModelSpace(doc).AddBox({0, 0, 0}, 10, 10, 10).put_TrueColor(rgb(200, 40, 40));
        if (!c.modified)
            doc->markSaved();
        QPointer<DrawingWindow> window = new DrawingWindow(doc);
        window->show();
        settle();
        const std::size_t steps = c.answers.size();
        DialogScript script(c.answers);
        const bool closed = window->close();
        settle();
        EXPECT_EQ(script.answered(), static_cast<int>(steps));
        EXPECT_EQ(closed, c.closes);
        EXPECT_EQ(window.isNull(), c.closes) << "a closed window is deleted";
        EXPECT_EQ(doc->closed(), c.closes) << "closing the window closes the drawing";
        EXPECT_EQ(QFileInfo::exists(good), c.writes);
        if (c.writes) {
            EXPECT_FALSE(doc->modifiedSinceSave());
        }
        delete window.data();
    }
}

// A closed drawing takes no more entities: calls on it and on its entities
// are refused, and the window's connection moves on to a new drawing of the
// program, "Чертеж2", which the visible program shows.
TEST(DrawingLifecycle, ClosedDrawingRefusesCallsAndTheConnectionMovesOnToANewOne)
{
    server::shutdown();
    view::install(true);
    TAcadDocument connection;
    connection.Connect();
    const std::shared_ptr<Application> program = server::activeObject(QStringLiteral("AutoCAD.Application"));
    IAcadApplication(program).Set(QStringLiteral("Visible"), true);
    settle();
    const std::shared_ptr<Document> first = connection.Document().document();
    IAcadModelSpace held = connection.ModelSpace();
    IAcad3DSolid box = held.AddBox({0, 0, 0}, 10, 10, 10);
    ASSERT_EQ(drawingWindowCount(), 1);

    first->close();
    settle();
    auto refusal = [](const std::function<void()>& call) {
        try {
            call();
        } catch (const EOleException& e) {
            return e.message();
        }
        return QStringLiteral("<none>");
    };
    EXPECT_EQ(refusal([&] { box.Volume(); }), QStringLiteral("Объект удален"));
    EXPECT_EQ(refusal([&] { held.AddLine({0, 0, 0}, {1, 0, 0}); }), QStringLiteral("Чертеж закрыт"));
    EXPECT_EQ(refusal([&] { IAcadDocument(first).SaveAs(QStringLiteral("/tmp/x.step")); }),
              QStringLiteral("Чертеж закрыт"));
    EXPECT_EQ(refusal([&] { IAcadApplication(program).ActiveDocument(); }),
              QStringLiteral("Нет открытого чертежа"));
    EXPECT_EQ(first->count(), 0);

    connection.ModelSpace().AddBox({0, 0, 0}, 10, 10, 10);
    const std::shared_ptr<Document> second = connection.Document().document();
    EXPECT_EQ(second->name(), QStringLiteral("Чертеж2"));
    EXPECT_EQ(second->count(), 1);
    EXPECT_EQ(program->documents(), std::vector<std::shared_ptr<Document>>{second});
    settle();
    int shown = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* d = qobject_cast<DrawingWindow*>(w); d && d->isVisible()) {
            EXPECT_EQ(d->document(), second);
            ++shown;
        }
    EXPECT_EQ(shown, 1);

    std::vector<QPointer<DrawingWindow>> windows;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* d = qobject_cast<DrawingWindow*>(w))
            windows.emplace_back(d);
    for (const auto& w : windows)
        delete w.data();
    Application::setVisibilityHook({});
    server::shutdown();
}

// The save dialog opens in the folder saved into last, with the drawing's
// own name suggested.
TEST(DrawingWindow, SaveDialogOpensInTheFolderLastUsed)
{
    QTemporaryDir first, second;
    ASSERT_TRUE(first.isValid() && second.isValid());
    int n = 0;
    auto save = [&](const QString& into, const QString& expectedFolder) {
        auto doc = std::make_shared<Document>(QStringLiteral("Чертеж%1").arg(++n));
        IAcadModelSpace(doc).AddBox({0, 0, 0}, 10, 10, 10);
        DrawingWindow window(doc);
        QString openedIn, suggested;
        DialogScript script({[&](QWidget* w) {
            auto* dialog = qobject_cast<QFileDialog*>(w);
            ASSERT_NE(dialog, nullptr);
            openedIn = dialog->directory().absolutePath();
            suggested = QFileInfo(dialog->selectedFiles().value(0)).fileName();
            dialog->selectFile(QDir(into).filePath(QStringLiteral("деталь%1.step").arg(n)));
            static_cast<QDialog*>(dialog)->accept();
        }});
        EXPECT_TRUE(window.saveAsStep());
        if (!expectedFolder.isEmpty()) {
            EXPECT_EQ(openedIn, expectedFolder);
        }
        EXPECT_EQ(suggested, doc->name() + QStringLiteral(".step"));
        EXPECT_TRUE(QFileInfo::exists(QDir(into).filePath(QStringLiteral("деталь%1.step").arg(n))));
    };
    save(first.path(), {});
    save(second.path(), QFileInfo(first.path()).absoluteFilePath());
    save(second.path(), QFileInfo(second.path()).absoluteFilePath());
    save(first.path(), QFileInfo(second.path()).absoluteFilePath());
}
