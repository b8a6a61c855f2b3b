// The family's panels as the window receives them, and in the main window.
#include "support/window_fixture.h"
#include "pipes_fixture.h"

#include <QLabel>

using Panels = PipesTest;

TEST_F(Panels, EveryPanelWaitsCollapsedWithEmptyEditsAndItsSwitchesAtStart)
{
    struct Case {
        const char* name;
        int firstEdit, edits;
        const char* heading;
    };
    const Case cases[] = {
        {"Panel1", 1, 4, "ДНИЩА по ГОСТ 6533"},
        {"Panel41", 50, 4, "  ПАТРУБКИ ИЗОГНУТЫЕ    (КОЛЕНА)"},
        {"Panel50", 70, 6, "ФЛАНЦЫ КВАДРАТНЫЕ"},
        {"Panel57", 91, 11, "Фланцы стальные плоские приварные"},
        {"Panel87", 355, 16, "КОЛПАКИ С РЕБРАМИ, ГОСТ 8962-"},
        {"Panel89", 371, 14, "Муфты для соединения трубопроводов по ГОСТ 8954-..., 8955-..., 8956-... "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QWidget* p = panel(c.name);
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(p->geometry(), QRect(0, 50, 0, 0));
        for (int k = c.firstEdit; k < c.firstEdit + c.edits; ++k)
            EXPECT_TRUE(edit(c.name, QStringLiteral("Edit%1").arg(k).toLatin1().constData())->text().isEmpty());
        bool headed = false;
        for (QLabel* l : p->findChildren<QLabel*>())
            headed = headed || l->text() == QString::fromUtf8(c.heading);
        EXPECT_TRUE(headed);
    }
    EXPECT_EQ(clientArea.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly).size(), 11);
    EXPECT_TRUE(control<QRadioButton>("Panel1", "RadioButton1")->isChecked());
    EXPECT_FALSE(control<QRadioButton>("Panel1", "RadioButton2")->isChecked());
    EXPECT_TRUE(control<QRadioButton>("Panel50", "RadioButton7")->isChecked());
    EXPECT_FALSE(control<QRadioButton>("Panel50", "RadioButton8")->isChecked());
    // One group per panel.
    check("Panel1", "RadioButton2");
    EXPECT_FALSE(control<QRadioButton>("Panel1", "RadioButton1")->isChecked());
    check("Panel50", "RadioButton8");
    EXPECT_FALSE(control<QRadioButton>("Panel50", "RadioButton7")->isChecked());
}

TEST_F(Panels, EveryPanelShowsItsPictureAtItsSize)
{
    const std::pair<const char*, const char*> pictures[] = {
        {"Panel1", "Image1"}, {"Panel41", "Image10"}, {"Panel50", "Image15"}, {"Panel57", "Image18"}};
    for (const auto& [name, image] : pictures) {
        SCOPED_TRACE(name);
        const QLabel* label = control<QLabel>(name, image);
        ASSERT_NE(label, nullptr);
        EXPECT_FALSE(label->pixmap().isNull());
        EXPECT_EQ(label->pixmap().size(), label->size());
        EXPECT_TRUE(label->hasScaledContents());
    }
}

class PipesInTheWindow : public InTheWindow {
protected:
    template <class W>
    W* on(const char* panel, const char* name)
    {
        return widget(panel)->findChild<W*>(QLatin1String(name));
    }
};

TEST_F(PipesInTheWindow, ToolbarShowsThePanelsThatDrawIntoTheWindowsDrawing)
{
    struct Case {
        const char *toolbar, *panel;
        QSize size;
        const char* button;
        std::vector<std::pair<const char*, const char*>> texts;
        int colour;
    };
    const Case cases[] = {
        {"SpeedButton49", "Panel1", {465, 336}, "BitBtn2",
         {{"Edit1", "1000"}, {"Edit2", "250"}, {"Edit3", "40"}, {"Edit4", "10"}}, 1},
        {"SpeedButton50", "Panel41", {465, 336}, "BitBtn31",
         {{"Edit50", "100"}, {"Edit51", "5"}, {"Edit52", "150"}, {"Edit53", "90"}}, 3},
        {"SpeedButton55", "Panel50", {601, 459}, "BitBtn45",
         {{"Edit70", "100"}, {"Edit71", "70"}, {"Edit72", "10"}, {"Edit73", "40"}, {"Edit74", "11"}, {"Edit75", "12"}},
         3},
        {"SpeedButton57", "Panel57", {601, 459}, "BitBtn52",
         {{"Edit91", "125"}, {"Edit92", "16"}, {"Edit93", "4"}, {"Edit94", "18"}, {"Edit95", "57"}, {"Edit96", "5"},
          {"Edit97", "70"}, {"Edit98", "160"}, {"Edit99", "2"}, {"Edit100", "3"}, {"Edit101", "1"}},
         3},
        {"SpeedButton59", "Panel89", {601, 459}, "BitBtn92",
         {{"Edit371", "40"}, {"Edit372", "5"}, {"Edit373", "80"}, {"Edit374", "3"}, {"Edit375", "6"}, {"Edit376", "14"},
          {"Edit377", "80"}, {"Edit378", "4"}, {"Edit379", "2"}, {"Edit380", "2"}, {"Edit381", "15"}, {"Edit382", "50"},
          {"Edit383", "5"}, {"Edit384", "4"}},
         52},
    };
    int drawn = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.panel);
        press(c.toolbar);
        EXPECT_EQ(widget(c.panel)->geometry(), QRect(QPoint(0, 50), c.size));
        for (const auto& [name, text] : c.texts)
            on<QLineEdit>(c.panel, name)->setText(QString::fromLatin1(text));
        on<QAbstractButton>(c.panel, c.button)->click();
        EXPECT_TRUE(boxes.isEmpty());
        ASSERT_EQ(form->AcadDocument1.ModelSpace().Count(), ++drawn);
        EXPECT_EQ(form->AcadDocument1.ModelSpace().Item(drawn - 1).get_color(), c.colour);
    }
}
