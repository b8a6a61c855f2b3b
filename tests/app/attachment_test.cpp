// The window attaches to the drawing when it is created: to the running
// program's active drawing, else to a program it starts and shows.
#include "window_fixture.h"

#include "acad/errors.h"

namespace {

std::shared_ptr<acad::Application> runningProgram()
{
    return acad::server::activeObject(QStringLiteral("AutoCAD.Application"));
}

} // namespace

TEST_F(WindowTest, AttachesToTheActiveDrawingOfTheRunningProgramSilently)
{
    const std::shared_ptr<acad::Document> drawing = acad::server::runningOrNewDocument();
    ASSERT_FALSE(runningProgram()->visible());

    form();

    EXPECT_TRUE(boxes.isEmpty());
    EXPECT_EQ(form().AcadDocument1.Document().document(), drawing);
    EXPECT_FALSE(runningProgram()->visible()) << "the program's window is left as it was";
}

TEST_F(WindowTest, StartsTheProgramAndShowsItWhenNoneRuns)
{
    form();

    EXPECT_TRUE(boxes.isEmpty());
    const std::shared_ptr<acad::Application> program = runningProgram();
    EXPECT_TRUE(program->visible());

    // The first drawing goes into the document of that connection.
    form().fields().ModelSpace().AddBox({0, 0, 0}, 10, 20, 30);
    EXPECT_EQ(program->activeDocument()->count(), 1);
    EXPECT_EQ(form().AcadDocument1.Document().document(), program->activeDocument());
}

TEST_F(WindowTest, UnreachableProgramGivesOneBoxAtStartAndOneForEveryDrawing)
{
    acad::server::setReachable(false);
    QString refusal;
    try {
        acad::server::runningOrNewDocument();
    } catch (const acad::Exception& e) {
        refusal = e.message();
    }
    ASSERT_FALSE(refusal.isEmpty());

    form();

    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0], acad::errorBoxText(refusal));
    EXPECT_EQ(geometry("Image12"), QRect(0, 50, 601, 459)) << "the window opens all the same";

    EXPECT_FALSE(shell::runProcedure([this] { form().fields().ModelSpace().AddBox({0, 0, 0}, 1, 1, 1); }));
    EXPECT_EQ(boxes.size(), 2);

    // Once the program can be reached, the next drawing connects.
    acad::server::setReachable(true);
    EXPECT_TRUE(shell::runProcedure([this] { form().fields().ModelSpace().AddBox({0, 0, 0}, 1, 1, 1); }));
    EXPECT_EQ(runningProgram()->activeDocument()->count(), 1);
    EXPECT_EQ(boxes.size(), 2);
}

TEST_F(WindowTest, ClosingTheWindowLeavesTheProgramAndItsDrawing)
{
    form().fields().ModelSpace().AddBox({0, 0, 0}, 1, 1, 1);
    const std::shared_ptr<acad::Document> drawing = form().AcadDocument1.Document().document();

    closeWindow();

    EXPECT_EQ(runningProgram()->activeDocument(), drawing);
    EXPECT_EQ(drawing->count(), 1);
}
