// The toolbar strip: the view menu shows one group, "Лента" restores the
// ribbon, the green arrows shift every group by 25 pixels without bound.
#include "window_fixture.h"

namespace {

const char* const kGroups[] = {"GroupBox3", "GroupBox18", "GroupBox2", "GroupBox11", "GroupBox14", "GroupBox20"};
// The ribbon "Лента" restores.
const QRect kRibbon[] = {{0, -6, 76, 55},   {75, -6, 100, 55},  {175, -6, 150, 55},
                         {325, -6, 100, 55}, {425, -6, 200, 55}, {625, -6, 75, 55}};

} // namespace

TEST_F(WindowTest, TenArrowPressesEachWayShiftTheGroupsAndBringThemBack)
{
    QRect start[6];
    for (int i = 0; i < 6; ++i)
        start[i] = geometry(kGroups[i]);

    for (int k = 0; k < 10; ++k)
        press("SpeedButton5");
    EXPECT_EQ(geometry("GroupBox18").left(), -175);
    EXPECT_EQ(geometry("GroupBox3").left(), -250);
    EXPECT_EQ(geometry("GroupBox20").left(), 375);

    for (int k = 0; k < 10; ++k)
        press("SpeedButton6");
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(geometry(kGroups[i]), start[i]) << kGroups[i];
}

TEST_F(WindowTest, ViewMenuShowsOneGroupAtTheLeftEdgeAndCollapsesTheOthers)
{
    struct Case {
        const char* item;
        int group;
        int width;
    };
    const Case cases[] = {{"N13", 0, 75}, {"N2", 1, 100}, {"N3", 2, 150},
                          {"N4", 3, 100}, {"N5", 4, 200}, {"N6", 5, 75}};
    for (const Case& c : cases) {
        choose("N12");
        press("SpeedButton6"); // the collapsed groups keep where the arrow put them
        choose(c.item);
        for (int i = 0; i < 6; ++i) {
            const QRect g = geometry(kGroups[i]);
            if (i == c.group) {
                EXPECT_EQ(g, QRect(0, -6, c.width, 55)) << c.item;
            } else {
                EXPECT_EQ(g.size(), QSize(0, 0)) << c.item << " " << kGroups[i];
                EXPECT_EQ(g.left(), kRibbon[i].left() + 25) << c.item << " " << kGroups[i];
            }
        }
    }
}

TEST_F(WindowTest, RibbonRestoresAllSixGroupsAtTheirFixedPlaces)
{
    // In the window layout GroupBox14 is 250 wide; the ribbon makes it 200.
    EXPECT_EQ(geometry("GroupBox14"), QRect(425, -6, 250, 55));

    choose("N2");
    press("SpeedButton5");
    press("SpeedButton5");
    choose("N12");
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(geometry(kGroups[i]), kRibbon[i]) << kGroups[i];
}

TEST_F(WindowTest, ArrowsMoveTheGroupShownByTheViewMenuToo)
{
    choose("N6");
    press("SpeedButton6");
    EXPECT_EQ(geometry("GroupBox20"), QRect(25, -6, 75, 55));
    EXPECT_EQ(geometry("GroupBox3"), QRect(25, -6, 0, 0));
    press("SpeedButton5");
    press("SpeedButton5");
    EXPECT_EQ(geometry("GroupBox20").left(), -25);
}

TEST_F(WindowTest, ViewMenuChangesOnlyTheToolbar)
{
    press("SpeedButton28");
    const QRect shown = geometry("Panel10");
    const int width = form().outerWidth();

    choose("N3");
    choose("N12");

    EXPECT_EQ(geometry("Panel10"), shown);
    EXPECT_EQ(geometry("Panel117").size(), QSize(135, 336));
    EXPECT_EQ(form().outerWidth(), width);
}
