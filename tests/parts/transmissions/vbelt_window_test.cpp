// The wizard in the main window: the toolbar opens page 1, the page buttons
// turn the pages, and the boxes keep their texts through it all.
#include "support/window_fixture.h"

#include <QAbstractButton>
#include <QLineEdit>

#include <gtest/gtest.h>

class VBeltInTheWindow : public InTheWindow {
protected:
    QSize size(const char* name) { return form->findChild<QWidget*>(QLatin1String(name))->size(); }

    // The sizes of the five pages, in order.
    std::vector<QSize> pages()
    {
        std::vector<QSize> sizes;
        for (const char* p : {"Panel105", "Panel106", "Panel110", "Panel113", "Panel116"})
            sizes.push_back(size(p));
        return sizes;
    }
};

TEST_F(VBeltInTheWindow, PageButtonsTurnThePagesAndKeepTheTexts)
{
    const QSize hidden(0, 0), page(601, 435), strip(601, 24), first(601, 459);
    press("SpeedButton7");
    EXPECT_EQ(geometry("Panel105"), QRect(0, 50, 601, 459));
    for (const char* p : {"Panel106", "Panel110", "Panel113", "Panel116"})
        EXPECT_EQ(geometry(p).topLeft(), QPoint(0, 74)) << p;
    const char* typed[] = {"Edit459", "Edit482", "Edit491", "Edit511"};
    for (const char* name : typed)
        edit(name)->setText(QString::fromLatin1(name));

    struct Turn {
        const char* button;
        std::vector<QSize> after;
    };
    const Turn turns[] = {
        {"SpeedButton8", {strip, page, hidden, hidden, hidden}},   {"SpeedButton9", {strip, hidden, page, hidden, hidden}},
        {"SpeedButton10", {strip, hidden, hidden, page, hidden}},  {"SpeedButton14", {strip, hidden, hidden, hidden, page}},
        {"SpeedButton15", {strip, hidden, hidden, page, hidden}},  {"SpeedButton13", {strip, hidden, page, hidden, hidden}},
        {"SpeedButton11", {strip, page, hidden, hidden, hidden}},  {"SpeedButton12", {first, hidden, hidden, hidden, hidden}},
    };
    for (const Turn& t : turns) {
        press(t.button);
        EXPECT_EQ(pages(), t.after) << t.button;
        // Only the forward buttons of pages 1 to 3 collapse the window's panels.
        const bool collapses = QByteArray(t.button) == "SpeedButton8" || QByteArray(t.button) == "SpeedButton9" ||
                               QByteArray(t.button) == "SpeedButton10";
        if (collapses)
            EXPECT_EQ(form->outerWidth(), 607) << t.button;
    }

    // Another part and back: page 1 again, every text kept.
    press("SpeedButton8");
    press("SpeedButton28");
    EXPECT_EQ(pages(), (std::vector<QSize>{hidden, hidden, hidden, hidden, hidden}));
    press("SpeedButton7");
    EXPECT_EQ(pages(), (std::vector<QSize>{first, hidden, hidden, hidden, hidden}));
    for (const char* name : typed)
        EXPECT_EQ(edit(name)->text(), QString::fromLatin1(name));
    EXPECT_TRUE(boxes.empty());
}

TEST_F(VBeltInTheWindow, ForwardButtonCollapsesAnOpenTable)
{
    press("SpeedButton28");
    press("BitBtn5"); // the pipe tables beside the pipe panel
    EXPECT_EQ(form->outerWidth(), 858);
    press("SpeedButton7");
    press("SpeedButton8");
    EXPECT_EQ(form->outerWidth(), 607);
    EXPECT_EQ(size("Panel132"), QSize(0, 0));
    EXPECT_EQ(size("Panel106"), QSize(601, 435));
}
