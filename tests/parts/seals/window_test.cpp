// The seal panels in the main window: the toolbar shows them in the whole
// work area, and the collar panel's table buttons open the collar table
// beside it.
#include "support/window_fixture.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>

#include <gtest/gtest.h>

using SealsInTheWindow = InTheWindow;

TEST_F(SealsInTheWindow, ToolbarShowsTheSealPanelsAndTheCollarTableOpensBesideTheCollars)
{
    const std::pair<const char*, const char*> shown[] = {
        {"SpeedButton51", "Panel53"}, {"SpeedButton52", "Panel54"}, {"SpeedButton53", "Panel68"},
        {"SpeedButton54", "Panel69"}};
    for (const auto& [button, panel] : shown) {
        SCOPED_TRACE(panel);
        press(button);
        EXPECT_EQ(widget(panel)->geometry(), QRect(0, 50, 601, 459));
        // The family's panel, not an empty stand-in.
        EXPECT_FALSE(widget(panel)->findChildren<QLineEdit*>().isEmpty());
    }
    EXPECT_EQ(widget("Panel139")->size(), QSize(0, 0));
    press("BitBtn43");
    EXPECT_EQ(widget("Panel139")->geometry(), QRect(601, 0, 250, 533));
    EXPECT_EQ(form->outerWidth(), 858);
    EXPECT_EQ(widget("Panel69")->geometry(), QRect(0, 50, 601, 459));
    // Another toolbar button collapses the table with every panel.
    press("SpeedButton51");
    EXPECT_EQ(widget("Panel139")->size(), QSize(0, 0));
    EXPECT_TRUE(boxes.isEmpty());
}

TEST_F(SealsInTheWindow, EverySealPanelShowsItsPictureAtItsSize)
{
    const std::pair<const char*, const char*> pictures[] = {
        {"Panel53", "Image16"}, {"Panel54", "Image17"}, {"Panel68", "Image26"}, {"Panel69", "Image27"},
        {"Panel69", "Image28"}, {"Panel69", "Image29"}, {"Panel139", "Panel139Picture"}};
    for (const auto& [panel, image] : pictures) {
        SCOPED_TRACE(image);
        const auto* label = widget(panel)->findChild<QLabel*>(QLatin1String(image));
        ASSERT_NE(label, nullptr);
        EXPECT_FALSE(label->pixmap().isNull());
        EXPECT_TRUE(label->hasScaledContents());
        if (QByteArray(image) != "Panel139Picture")
            EXPECT_EQ(label->pixmap().size(), label->size());
    }
}
