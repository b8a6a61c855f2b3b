// The figure panel and its pages: the record's edits after start, the
// initial pose, the captions and the page buttons.
#include "figure_fixture.h"

#include <QCheckBox>
#include <QLabel>

using PoseRecord = FigureTest;

TEST_F(PoseRecord, AfterStartOnlyTheColoursHoldTexts)
{
    for (int line = 1; line <= 96; ++line)
        EXPECT_EQ(lineEdit(line)->text(), "") << "line " << line;
    for (int line = 97; line <= 123; ++line)
        EXPECT_EQ(lineEdit(line)->text(), QString::number(kInitialColours[line - 97])) << "line " << line;
    EXPECT_FALSE(control<QCheckBox>("Panel59", "CheckBox1")->isChecked());
    EXPECT_FALSE(control<QCheckBox>("Panel59", "CheckBox2")->isChecked());
    EXPECT_EQ(control<QCheckBox>("Panel59", "CheckBox1")->text(), "Голова с волосами");
    EXPECT_EQ(control<QCheckBox>("Panel59", "CheckBox2")->text(), "Голова в каске");
    QLineEdit* buffer = edit("Panel61", "Edit202");
    EXPECT_EQ(buffer->text(), "Edit202");
    EXPECT_EQ(buffer->width(), 0);
    // Every panel waits collapsed at its place.
    EXPECT_EQ(panel("Panel61")->geometry(), QRect(0, 50, 0, 0));
    EXPECT_EQ(panel("Panel59")->geometry(), QRect(0, 84, 0, 0));
    EXPECT_EQ(panel("Panel60")->geometry(), QRect(0, 84, 0, 0));
}

TEST_F(PoseRecord, InitialPoseFillsTheRecordAndResetsChangedColours)
{
    auto* hair = control<QCheckBox>("Panel59", "CheckBox1");
    hair->setChecked(true);
    type("Panel60", {{"Edit285", "7"}, {"Edit283", "0"}});
    type("Panel59", {{"Edit146", num(12.5)}});
    panel("Panel61")->resize(601, 459);
    initialPose();
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_EQ(lineEdit(1)->text(), dec("1755.50"));
    for (int line = 2; line <= 96; ++line)
        EXPECT_EQ(lineEdit(line)->text(), dec("0.00")) << "line " << line;
    for (int line = 97; line <= 123; ++line)
        EXPECT_EQ(lineEdit(line)->text(), QString::number(kInitialColours[line - 97])) << "line " << line;
    // The last value written passed through Dim01.
    EXPECT_EQ(fields().Dim01, 110);
    // The check boxes, the buffer and the help view stay as they were.
    EXPECT_TRUE(hair->isChecked());
    EXPECT_FALSE(control<QCheckBox>("Panel59", "CheckBox2")->isChecked());
    EXPECT_EQ(text("Panel61", "Edit202"), "Edit202");
    EXPECT_EQ(panel("Panel61")->size(), QSize(601, 459));
    EXPECT_EQ(panel("Panel59")->size(), QSize(0, 0));
    EXPECT_EQ(count(), 0);
}

TEST_F(PoseRecord, CaptionsNameTheAnglesWithCyrillicKindLettersButInC10L)
{
    const std::vector<std::pair<const char*, QString>> captions = {
        {"Edit102Label", "Рост манекена Н, . . . . . . . . . . . . . . . . . Н      ="},
        {"Edit103Label", "\u04101     ="},   {"Edit104Label", "\u04121     ="}, {"Edit142Label", "\u04211     ="},
        {"Edit105Label", "\u04102P   ="},   {"Edit144Label", "\u04215L   ="}, {"Edit124Label", "\u04127     ="},
        {"Edit129Label", "\u04109P  ="},    {"Edit138Label", "\u04129L  ="}, {"Edit131Label", "\u041010P ="},
        {"Edit145Label", "\u042110P ="},    {"Edit146Label", "C10L ="},
    };
    for (const auto& [name, caption] : captions)
        EXPECT_EQ(control<QLabel>("Panel59", name)->text(), caption) << name;
    const std::vector<std::pair<const char*, QString>> fingers = {
        {"Edit172Label", "AA1P="}, {"Edit176Label", "BE3P="}, {"Edit149Label", "AA1L="},
        {"Edit198Label", "BE3L="}, {"Edit285Label", "Головы и рук"}, {"Edit211Label", "Каски. . . . . . . ."},
    };
    for (const auto& [name, caption] : fingers)
        EXPECT_EQ(control<QLabel>("Panel60", name)->text(), caption) << name;
}

TEST_F(PoseRecord, ButtonStripAlongTheTopEdge)
{
    const std::vector<std::pair<const char*, int>> strip = {
        {"BitBtn97", 6}, {"BitBtn58", 31}, {"BitBtn60", 56}, {"BitBtn98", 81}, {"BitBtn59", 106}};
    for (const auto& [name, x] : strip) {
        auto* b = control<QAbstractButton>("Panel61", name);
        EXPECT_EQ(b->geometry().x(), x) << name;
        EXPECT_EQ(b->size(), QSize(25, 21)) << name;
        EXPECT_TRUE(b->text().isEmpty()) << name;
        EXPECT_FALSE(b->icon().isNull()) << name;
    }
    auto* draw = control<QAbstractButton>("Panel61", "BitBtn57");
    EXPECT_EQ(draw->geometry(), QRect(520, draw->y(), 65, 21));
    EXPECT_EQ(draw->text(), "3D");
    EXPECT_EQ(control<QLabel>("Panel59", "Image19")->size(), QSize(279, 300));
    EXPECT_EQ(control<QLabel>("Panel60", "Image20")->size(), QSize(202, 155));
    EXPECT_EQ(panel("Panel60")->findChild<QWidget*>("Panel62")->size(), QSize(385, 113));
}

TEST_F(PoseRecord, PageButtonsShowOnePageBelowTheStrip)
{
    struct Case {
        const char* button;
        QSize body, fingers;
    };
    const Case cases[] = {
        {"BitBtn98", {601, 425}, {0, 0}},
        {"BitBtn59", {0, 0}, {601, 425}},
        {"BitBtn98", {601, 425}, {0, 0}},
    };
    panel("Panel61")->resize(601, 459);
    for (const Case& c : cases)
        for (int twice = 0; twice < 2; ++twice) {
            press("Panel61", c.button);
            EXPECT_EQ(panel("Panel59")->geometry(), QRect(QPoint(0, 84), c.body)) << c.button;
            EXPECT_EQ(panel("Panel60")->geometry(), QRect(QPoint(0, 84), c.fingers)) << c.button;
            EXPECT_EQ(panel("Panel61")->geometry(), QRect(0, 50, 601, 33)) << c.button;
        }
    EXPECT_TRUE(errors.isEmpty());
}
