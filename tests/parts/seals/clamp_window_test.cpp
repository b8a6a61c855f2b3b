// The clamp panel in the main window: its toolbar button shows it in the
// whole work area, and its table button opens the clamp table beside it.
#include "support/window_fixture.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <gtest/gtest.h>

using ClampInTheWindow = InTheWindow;

TEST_F(ClampInTheWindow, ToolbarShowsTheClampsAndTheTableOpensBesideThem)
{
    press("SpeedButton60");
    EXPECT_EQ(widget("Panel134")->geometry(), QRect(0, 50, 601, 459));
    // Every edit empty, type III chosen.
    const auto edits = widget("Panel134")->findChildren<QLineEdit*>();
    EXPECT_EQ(edits.size(), 11);
    for (const QLineEdit* e : edits)
        EXPECT_TRUE(e->text().isEmpty()) << e->objectName().toStdString();
    EXPECT_TRUE(form->findChild<QRadioButton*>(QLatin1String("RadioButton58"))->isChecked());

    EXPECT_EQ(widget("Panel135")->size(), QSize(0, 0));
    press("BitBtn16");
    EXPECT_EQ(widget("Panel135")->geometry(), QRect(601, 0, 250, 533));
    EXPECT_EQ(form->outerWidth(), 858);
    EXPECT_EQ(widget("Panel134")->geometry(), QRect(0, 50, 601, 459));
    press("SpeedButton51");
    EXPECT_EQ(widget("Panel135")->size(), QSize(0, 0));
    EXPECT_EQ(widget("Panel134")->size(), QSize(0, 0));
    EXPECT_TRUE(boxes.isEmpty());
}

TEST_F(ClampInTheWindow, ThePanelShowsItsPictureAtItsSizeUnderTheTypeSwitches)
{
    const auto* label = widget("Panel134")->findChild<QLabel*>(QLatin1String("Image63"));
    ASSERT_NE(label, nullptr);
    ASSERT_FALSE(label->pixmap().isNull());
    EXPECT_EQ(label->pixmap().size(), QSize(439, 388));
    EXPECT_EQ(label->geometry(), QRect(24, 25, 439, 388));
    // The switches stand on the picture, above it.
    for (const char* radio : {"RadioButton56", "RadioButton57", "RadioButton58"}) {
        const auto* r = form->findChild<QRadioButton*>(QLatin1String(radio));
        EXPECT_TRUE(label->geometry().contains(r->geometry().topLeft())) << radio;
        EXPECT_GT(widget("Panel134")->children().indexOf(const_cast<QRadioButton*>(r)),
                  widget("Panel134")->children().indexOf(const_cast<QLabel*>(label)));
    }
}
