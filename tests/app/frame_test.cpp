// The window's frame: caption, fixed size, the toolbar strip with its six
// groups of buttons, the start picture, the bottom strip and the main menu.
#include "window_fixture.h"

#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

TEST_F(WindowTest, WindowHasItsCaptionAndCannotBeMaximised)
{
    EXPECT_EQ(form().windowTitle(), QStringLiteral("ТОРВИЛ 10-2011"));
    EXPECT_EQ(shell::applicationTitle(), form().windowTitle());
    EXPECT_FALSE(form().windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(form().windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(form().clientArea()->font().pixelSize(), 11);
}

TEST_F(WindowTest, FrameComponentsStandAtTheirPlaces)
{
    EXPECT_EQ(geometry("SpeedButton5"), QRect(0, 0, 26, 51));
    EXPECT_EQ(geometry("Panel5"), QRect(24, 0, 550, 52));
    EXPECT_EQ(geometry("SpeedButton6"), QRect(575, 0, 26, 50));
    EXPECT_EQ(geometry("Image12"), QRect(0, 50, 601, 459));
    EXPECT_EQ(geometry("Panel4"), QRect(-8, 508, 609, 25));
    EXPECT_FALSE(form().findChild<QLabel*>(QStringLiteral("Image12"))->pixmap().isNull());
}

TEST_F(WindowTest, EveryGroupHoldsItsButtonsInTwoRowsWithoutOverlap)
{
    struct Group {
        const char* name;
        QRect place;
        int buttons;
        int large;
    };
    const Group groups[] = {
        {"GroupBox3", {0, -6, 76, 55}, 6, 0},    {"GroupBox18", {75, -6, 100, 55}, 8, 0},
        {"GroupBox2", {175, -6, 150, 55}, 12, 0}, {"GroupBox11", {325, -6, 100, 55}, 2, 2},
        {"GroupBox14", {425, -6, 250, 55}, 13, 1}, {"GroupBox20", {625, -6, 75, 55}, 3, 1},
    };
    int total = 0;
    for (const Group& g : groups) {
        SCOPED_TRACE(g.name);
        auto* box = form().findChild<QGroupBox*>(QLatin1String(g.name));
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->parentWidget()->objectName(), QStringLiteral("Panel5"));
        EXPECT_EQ(box->geometry(), g.place);
        EXPECT_EQ(box->isFlat(), qstrcmp(g.name, "GroupBox3") != 0) << "only GroupBox3 has an etched frame";

        const auto buttons = box->findChildren<QAbstractButton*>();
        EXPECT_EQ(static_cast<int>(buttons.size()), g.buttons);
        int large = 0;
        for (QAbstractButton* b : buttons) {
            const QRect r = b->geometry();
            EXPECT_TRUE(r.y() == 6 || r.y() == 30) << b->objectName().toStdString();
            EXPECT_TRUE(QRect(0, 0, 200, 55).contains(r)) << b->objectName().toStdString();
            if (r.size() == QSize(50, 48)) {
                ++large;
            } else {
                EXPECT_TRUE(r.size() == QSize(25, 24) || r.size() == QSize(24, 24)) << b->objectName().toStdString();
            }
            for (QAbstractButton* other : buttons) {
                if (other != b) {
                    EXPECT_FALSE(r.intersects(other->geometry()))
                        << b->objectName().toStdString() << " " << other->objectName().toStdString();
                }
            }
            EXPECT_FALSE(b->toolTip().isEmpty());
            EXPECT_TRUE(b->objectName() == QLatin1String("BitBtn29") || !b->icon().isNull())
                << b->objectName().toStdString() << " has a glyph";
        }
        EXPECT_EQ(large, g.large);
        total += static_cast<int>(buttons.size());
    }
    EXPECT_EQ(total, 44);
    EXPECT_EQ(form().findChild<QAbstractButton*>(QStringLiteral("BitBtn29"))->text(), QStringLiteral("M="));
}

TEST_F(WindowTest, MainMenuHasItsItemsInOrder)
{
    struct Menu {
        const char* name;
        const char* title;
        std::vector<std::pair<const char*, const char*>> items;
    };
    const Menu menus[] = {
        {"N1",
         "  Вид",
         {{"N13", "Конструктивные элементы"},
          {"N2", "Металлопрокат"},
          {"N3", "Механические соединения"},
          {"N4", "Механические передачи"},
          {"N5", "Элементы гидро-, пневмоприводов"},
          {"N6", "Прочее"},
          {"N12", "Лента"}}},
        {"N7", "Справка", {{"N9", "О программе"}, {"N10", "Связь с разработчиками"}}},
        {"Help1", "Help", {{"N8", "Элементы управления"}, {"N11", "Советы по работе"}}},
    };
    const QList<QAction*> bar = form().menuBar()->actions();
    ASSERT_EQ(bar.size(), 3);
    for (int m = 0; m < 3; ++m) {
        QMenu* menu = bar[m]->menu();
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->objectName(), QLatin1String(menus[m].name));
        EXPECT_EQ(menu->title(), QString::fromUtf8(menus[m].title));
        const QList<QAction*> items = menu->actions();
        ASSERT_EQ(items.size(), static_cast<qsizetype>(menus[m].items.size()));
        for (size_t i = 0; i < menus[m].items.size(); ++i) {
            EXPECT_EQ(items[i]->objectName(), QLatin1String(menus[m].items[i].first));
            EXPECT_EQ(items[i]->text(), QString::fromUtf8(menus[m].items[i].second));
        }
    }
}

TEST_F(WindowTest, InformationPanelsCarryTheirFixedTexts)
{
    // The only texts of these panels that are fixed word for word.
    auto texts = [this](const char* panel) {
        QStringList all;
        for (QLabel* l : widget(panel)->findChildren<QLabel*>())
            all << l->text();
        return all;
    };
    EXPECT_TRUE(texts("Panel126").contains(QStringLiteral("1. Запускайте сначала AutoCAD, потом ТОРВИЛ.")));
    EXPECT_TRUE(texts("Panel126").contains(QStringLiteral("ОБЩИЕ СОВЕТЫ")));
    EXPECT_TRUE(texts("Panel121").contains(
        QStringLiteral("  Лента кнопок перемещается нажатием на зеленые стрелки-треуголники по ее краям.")));
    EXPECT_EQ(geometry("Image53"), QRect(250, 232, 20, 20));
    EXPECT_EQ(geometry("Image65"), QRect(470, 283, 20, 20));
    EXPECT_EQ(widget("Image53")->parentWidget()->objectName(), QStringLiteral("Panel121"));
}
