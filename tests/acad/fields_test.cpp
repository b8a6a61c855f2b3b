// The working fields, the connection and the 2D section of a panel's part.
#include "drawing_fixture.h"

using namespace acad;

using Fields = DrawingTest;

TEST_F(Fields, StartEmptyAndTheBankIsAddressableByNumber)
{
    WorkingFields f(connection);
    EXPECT_EQ(f.ModeFlag, 0);
    EXPECT_TRUE(f.BodySolid.isNull());
    EXPECT_TRUE(f.VertexArray.empty());
    f.Dim(7) = 3.5;
    EXPECT_EQ(f.Dim07, 3.5);
    f.Dim35 = 1;
    EXPECT_EQ(f.Dim(35), 1);
}

TEST_F(Fields, TwoDSectionsOnlyThePartOfItsOwnPanel)
{
    WorkingFields f(connection);
    int nozzlePanel = 0, otherPanel = 0;
    // "2D" before any "3D": nothing to section.
    EXPECT_THROW(f.SectionBody(&nozzlePanel), Exception);
    // The nozzle's "3D": a tube along Z, kept for its "2D".
    f.BodySolid = ms().AddCylinder(AcadPoint(0, 0, 0), 10, 20);
    f.BodySolid.Boolean(acSubtraction, ms().AddCylinder(AcadPoint(0, 0, 0), 6, 30));
    f.KeepBody(&nozzlePanel);
    // Another panel's "3D" leaves its own solid in BodySolid.
    IAcad3DSolid nozzle = f.BodySolid;
    f.BodySolid = ms().AddBox(AcadPoint(50, 0, 0), 5, 5, 5);
    try {
        f.SectionBody(&nozzlePanel);
        FAIL();
    } catch (const Exception& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Нет детали для сечения: сначала постройте ее кнопкой «3D» этой панели"));
    }
    EXPECT_EQ(ms().Count(), 2);
    EXPECT_THROW(f.SectionBody(&otherPanel), Exception);
    // The nozzle's own "3D" again, then its "2D": the section stays, the solid goes.
    f.BodySolid = nozzle;
    f.KeepBody(&nozzlePanel);
    f.SectionBody(&nozzlePanel, 0.0);
    EXPECT_EQ(ms().Count(), 2);
    EXPECT_NEAR(f.ProfileRegion.Area(), M_PI * (100 - 36), 1e-6);
    EXPECT_EQ(f.ProfileRegion.get_Lineweight(), 50);
    EXPECT_THROW(nozzle.Volume(), EOleException);
    // A second "2D" finds its solid gone.
    EXPECT_THROW(f.SectionBody(&nozzlePanel), Exception);
    EXPECT_EQ(ms().Count(), 2);
}

TEST_F(Fields, TwoDGetsBackTheSizesItsPartWasDrawnFrom)
{
    WorkingFields f(connection);
    int headPanel = 0, bendPanel = 0;
    f.BodySolid = ms().AddCylinder(AcadPoint(0, 0, 0), 10, 20);
    f.KeepBody(&headPanel, {1000, 250, 40, 10});
    IAcad3DSolid head = f.BodySolid;
    // Another panel's "3D" keeps its own part with its own sizes; the head's
    // "2D" is refused and its sizes are gone with it.
    f.BodySolid = ms().AddBox(AcadPoint(50, 0, 0), 5, 5, 5);
    f.KeepBody(&bendPanel, {100, 5});
    EXPECT_THROW(f.SectionBody(&headPanel), Exception);
    EXPECT_EQ(f.KeptSizes(), (std::vector<double>{100, 5}));
    // The head kept again: its "2D" finds it and its sizes, whatever the bank holds.
    f.BodySolid = head;
    f.KeepBody(&headPanel, {1000, 250, 40, 10});
    f.Dim00 = 12;
    f.SectionBody(&headPanel);
    EXPECT_EQ(f.KeptSizes(), (std::vector<double>{1000, 250, 40, 10}));
    // A part kept without sizes leaves none from before.
    f.BodySolid = ms().AddBox(AcadPoint(50, 0, 0), 5, 5, 5);
    f.KeepBody(&bendPanel);
    EXPECT_TRUE(f.KeptSizes().empty());
}

TEST_F(Fields, LinesArcsAndCirclesOfTheLineIdiom)
{
    WorkingFields f(connection);
    f.Line2D(0, 0, 10, 0, 25, 1);
    EXPECT_EQ(f.LastLine.get_Lineweight(), 25);
    EXPECT_EQ(f.LastLine.get_color(), 1);
    f.Arc2D(0, 0, 5, 0, M_PI / 2);
    expectBox(f.LastArc, 0, 0, 0, 5, 5, 0);
    EXPECT_EQ(f.LastArc.get_Lineweight(), 50);
    const int uncoloured = f.LastArc.get_color();
    EXPECT_NE(uncoloured, 1);
    // An arc of a coloured outline: the quarter from 12 to 9 o'clock.
    f.Arc2D(2, 3, 4, M_PI / 2, M_PI, 25, 1);
    EXPECT_EQ(f.LastArc.get_color(), 1);
    EXPECT_EQ(f.LastArc.get_Lineweight(), 25);
    expectBox(f.LastArc, -2, 3, 0, 2, 7, 0);
    f.Circle2D(1, 1, 2, 0);
    expectBox(f.LastCircle, -1, -1, 0, 3, 3, 0);
    EXPECT_EQ(ms().Count(), 4);
}

TEST(Connection, UnreachableProgramLeavesTheConnectionUnbound)
{
    server::shutdown();
    server::setReachable(false);
    EXPECT_THROW(GetActiveOleObject(QStringLiteral("AutoCAD.Application")), EOleException);
    TAcadDocument connection;
    EXPECT_THROW(connection.Connect(), EOleException);
    try {
        connection.ModelSpace();
        FAIL();
    } catch (const EAssertionFailed& e) {
        EXPECT_EQ(e.message(), QStringLiteral("DefaultInterface is NULL. Component is not connected to Server. You must "
                                              "call 'Connect' or 'ConnectTo' before this operation"));
    }
    // Once the program can be reached, the next request connects by itself.
    server::setReachable(true);
    EXPECT_EQ(connection.ModelSpace().Count(), 0);
    EXPECT_TRUE(connection.IsBound());
    // The running program is found by its identifier and shows when asked.
    IAcadApplication app = GetActiveOleObject(QStringLiteral("AutoCAD.Application"));
    EXPECT_EQ(app.ActiveDocument().document(), connection.Document().document());
    connection.Application().Set(QStringLiteral("Visible"), true);
    EXPECT_TRUE(app.Visible());
    EXPECT_THROW(app.Set(QStringLiteral("Colour"), 1), EOleException);
    server::shutdown();
}
