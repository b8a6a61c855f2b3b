// The figure panel in the main window: its toolbar button shows the help
// view, the page buttons a page below the strip, and any toolbar button
// collapses the panel and both pages again.
#include "support/window_fixture.h"

#include <QAbstractButton>

#include <gtest/gtest.h>

using FigureInTheWindow = InTheWindow;

TEST_F(FigureInTheWindow, ToolbarButtonShowsTheHelpViewAndOthersCollapseThePages)
{
    press("BitBtn56");
    EXPECT_EQ(geometry("Panel61"), QRect(0, 50, 601, 459));
    EXPECT_EQ(geometry("Panel59").size(), QSize(0, 0));
    press("BitBtn59");
    EXPECT_EQ(geometry("Panel61"), QRect(0, 50, 601, 33));
    EXPECT_EQ(geometry("Panel60"), QRect(0, 84, 601, 425));

    press("SpeedButton28");
    for (const char* name : {"Panel61", "Panel59", "Panel60"})
        EXPECT_EQ(geometry(name).size(), QSize(0, 0)) << name;

    // Back to the help view only through the toolbar button.
    press("BitBtn56");
    EXPECT_EQ(geometry("Panel61"), QRect(0, 50, 601, 459));
    EXPECT_EQ(geometry("Panel60").size(), QSize(0, 0));
    EXPECT_TRUE(boxes.isEmpty());
}
