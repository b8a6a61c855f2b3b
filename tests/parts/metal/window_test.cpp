// The family in the main window: its toolbar buttons show the panels, the
// panels draw into the window's drawing and open their tables beside them.
#include "support/window_fixture.h"
#include "acad/numbers.h"

#include <QAbstractButton>
#include <QLineEdit>

#include <gtest/gtest.h>

using MetalInTheWindow = InTheWindow;

TEST_F(MetalInTheWindow, ToolbarShowsThePanelsThatDrawAndOpenTheirTables)
{
    press("SpeedButton28");
    EXPECT_EQ(widget("Panel10")->geometry(), QRect(0, 50, 465, 336));
    for (auto [edit, text] : {std::pair{"Edit5", "40"}, {"Edit6", "20"}, {"Edit7", "2"}, {"Edit8", "100"}, {"Edit522", "4"}})
        type(edit, text);
    press("BitBtn4");
    ASSERT_EQ(count(), 1);
    EXPECT_EQ(form->AcadDocument1.ModelSpace().Item(0).get_color(), 3);
    press("BitBtn5");
    EXPECT_EQ(widget("Panel132")->geometry(), QRect(601, 0, 250, 533));
    EXPECT_EQ(form->outerWidth(), 858);

    // The channel panel, two pixels off the edge, and its catalogue; the
    // pipe tables are gone with the pipe panel.
    press("SpeedButton31");
    EXPECT_EQ(widget("Panel24")->geometry(), QRect(2, 50, 465, 336));
    EXPECT_EQ(widget("Panel132")->size(), QSize(0, 0));
    press("BitBtn113");
    EXPECT_EQ(widget("Panel125")->geometry(), QRect(601, 0, 250, 533));
    type("Edit532", "32");
    press("BitBtn114");
    EXPECT_EQ(form->findChild<QLineEdit*>(QStringLiteral("Edit28"))->text(), QStringLiteral("270.0").replace(u'.', acad::decimalSeparator()));

    // The nozzle's "2D" refuses another panel's solid.
    press("SpeedButton35");
    for (auto [edit, text] : {std::pair{"Edit41", "57"}, {"Edit42", "3.5"}, {"Edit43", "100"}, {"Edit44", "0"}})
        type(edit, text);
    press("BitBtn26");
    press("SpeedButton36");
    type("Edit47", "10");
    type("Edit49", "50");
    press("BitBtn27");
    press("SpeedButton35");
    press("BitBtn28");
    EXPECT_EQ(boxes, QStringList{QStringLiteral("Нет детали для сечения: сначала постройте ее кнопкой «3D» этой панели.")});
    EXPECT_EQ(count(), 3);
}
