// Multiline texts: wrapping in the box, attachment and rotation.
#include "drawing_fixture.h"

namespace {

using MText = DrawingTest;
constexpr double pi = 3.141592653589793;

const acad::MTextEntity& textOf(const acad::IAcadMText& t)
{
    return static_cast<const acad::MTextEntity&>(*t.entity());
}

void expectPoint(const gp_Pnt& p, double x, double y)
{
    EXPECT_NEAR(p.X(), x, 1e-9);
    EXPECT_NEAR(p.Y(), y, 1e-9);
    EXPECT_NEAR(p.Z(), 0.0, 1e-9);
}

} // namespace

TEST_F(MText, WrapsAtBlanksToTheBoxWidth)
{
    // Each character advances 0.72 of the height: "Масса, кг" at 2.5 is 16.2 wide.
    struct Case {
        QString text;
        double width, height;
        QStringList lines;
    };
    const Case cases[] = {
        {"Масса, кг", 17, 2.5, {"Масса, кг"}},
        {"Масса, кг", 16, 2.5, {"Масса,", "кг"}},
        {"Перв. примен.", 5, 2.5, {"Перв.", "примен."}}, // words wider than the box overflow it
        {"Карнелов ", 23, 2.5, {"Карнелов "}},          // a closing blank stays
        {"a b c d", 0, 2.5, {"a b c d"}},               // no width: no wrapping
        {"раз\\Pдва", 100, 2.5, {"раз", "два"}},        // a paragraph break
        {"aa  bb   cc", 6.5 * 0.72 * 2, 2, {"aa  bb", "cc"}}, // blanks inside a line stay
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        auto t = ms().AddMText(acad::AcadPoint(0, 0, 0), c.width, c.text);
        t.Set("Height", c.height);
        EXPECT_EQ(textOf(t).lines(), c.lines);
        EXPECT_NEAR(textOf(t).boxHeight(), c.height * (1 + 5.0 / 3.0 * (c.lines.size() - 1)), 1e-12);
        EXPECT_EQ(textOf(t).text, c.text); // the text itself is kept as written
    }
    // Notes padded with blanks fall into one line each in a box of 180 at 3.5.
    const QString notes = QStringLiteral("1. * Размеры для справок.") + QString(47, u' ')
                          + QStringLiteral("2. Н16, h16, ±IT16/2.") + QString(51, u' ')
                          + QStringLiteral("3. Маркировать обозначение.");
    auto t = ms().AddMText(acad::AcadPoint(0, 0, 0), 180, notes);
    t.Set("Height", 3.5);
    EXPECT_EQ(textOf(t).lines(), QStringList({"1. * Размеры для справок.", "2. Н16, h16, ±IT16/2.",
                                              "3. Маркировать обозначение."}));
}

TEST_F(MText, AttachmentKeepsTheBoxAndMovesTheInsertionPoint)
{
    auto t = ms().AddMText(acad::AcadPoint(10, 20, 0), 50, QStringLiteral("ДЕТАЛЬ"));
    EXPECT_EQ(textOf(t).height, 2.5); // a new text's height
    t.Set("Height", 3.5);
    expectPoint(textOf(t).insertion, 10, 20); // the upper-left corner at first
    struct Case {
        int attachment;
        double x, y;
    };
    // The box: x from 10 to 60, y from 20 down to 16.5.
    for (const Case& c : {Case{5, 35, 18.25}, Case{9, 60, 16.5}, Case{2, 35, 20}, Case{7, 10, 16.5}, Case{1, 10, 20}}) {
        t.Set("AttachmentPoint", c.attachment);
        EXPECT_EQ(textOf(t).attachment, c.attachment);
        expectPoint(textOf(t).insertion, c.x, c.y);
        expectPoint(textOf(t).upperLeft(), 10, 20);
    }
    // Three lines make the box taller: its middle lies lower.
    auto three = ms().AddMText(acad::AcadPoint(0, 0, 0), 10, QStringLiteral("один два три"));
    three.Set("AttachmentPoint", 5);
    ASSERT_EQ(textOf(three).lines().size(), 3);
    expectPoint(textOf(three).insertion, 5, -(2.5 + 2 * 2.5 * 5 / 3) / 2);
    EXPECT_THROW(three.Set("AttachmentPoint", 10), acad::EOleException);
}

TEST_F(MText, RotationTurnsTheBoxAboutTheInsertionPoint)
{
    auto t = ms().AddMText(acad::AcadPoint(-2, 18.5, 0), 25, QStringLiteral("Инв. N подл."));
    t.Set("AttachmentPoint", 5);
    expectPoint(textOf(t).insertion, 10.5, 17.25);
    t.Set("Rotation", pi / 2);
    const auto& e = textOf(t);
    expectPoint(e.insertion, 10.5, 17.25);
    // Along the text is now +Y, up the box -X: the upper-left corner lies
    // half the width below and half the height left of the centre.
    expectPoint(e.upperLeft(), 10.5 - 1.25, 17.25 - 12.5);
    expectPoint(e.boxPoint(9), 10.5 + 1.25, 17.25 + 12.5);
    // A text without attachment turns about its upper-left corner.
    auto u = ms().AddMText(acad::AcadPoint(20, 586, 0), 70, QStringLiteral("7ZO7-000-000-000"));
    u.Set("Rotation", pi);
    expectPoint(textOf(u).upperLeft(), 20, 586);
    expectPoint(textOf(u).boxPoint(9), -50, 588.5);
    // Moving the text moves its box alike.
    t.Move(acad::AcadPoint(0, 0, 0), acad::AcadPoint(100, 0, 0));
    expectPoint(textOf(t).insertion, 110.5, 17.25);
    expectPoint(textOf(t).upperLeft(), 109.25, 4.75);
}
