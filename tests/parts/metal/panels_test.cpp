// The family's panels as the window receives them.
#include "metal_fixture.h"

#include <QFont>

using Panels = MetalTest;

namespace {
// The panel's controls in tab order, from the first one.
QStringList tabOrder(QWidget* panel, QWidget* first)
{
    QStringList names;
    QWidget* w = first;
    do {
        if (w->parentWidget() == panel && (w->focusPolicy() & Qt::TabFocus))
            names << w->objectName();
        w = w->nextInFocusChain();
    } while (w != first && names.size() < 50);
    return names;
}
} // namespace

TEST_F(Panels, EveryPanelWaitsCollapsedAtItsPlace)
{
    struct Case {
        const char* name;
        QPoint place;
    };
    const Case cases[] = {
        {"Panel10", {0, 50}}, {"Panel12", {0, 50}}, {"Panel16", {0, 50}}, {"Panel28", {0, 50}},
        {"Panel37", {0, 50}}, {"Panel24", {2, 50}}, {"Panel20", {0, 50}}, {"Panel33", {0, 50}},
        {"Panel125", {601, 0}}, {"Panel132", {601, 0}},
    };
    for (const Case& c : cases) {
        QWidget* p = panel(c.name);
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(p->geometry(), QRect(c.place, QSize(0, 0))) << c.name;
    }
    EXPECT_EQ(clientArea.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly).size(), 10);
}

TEST_F(Panels, TabOrderAndFontsFollowTheLayout)
{
    EXPECT_EQ(tabOrder(panel("Panel10"), edit("Panel10", "Edit6")),
              QStringList({"Edit6", "Edit5", "Edit7", "Edit8", "BitBtn4", "Edit522", "BitBtn5"}));
    EXPECT_EQ(tabOrder(panel("Panel37"), edit("Panel37", "Edit47")),
              QStringList({"Edit47", "Edit48", "Edit49", "BitBtn27"}));
    EXPECT_EQ(tabOrder(panel("Panel24"), edit("Panel24", "Edit28")),
              QStringList({"Edit28", "Edit29", "Edit30", "Edit31", "Edit32", "Edit33", "Edit34", "Edit35", "BitBtn19",
                           "BitBtn113"}));
    // Times New Roman of 16 pixels reaches every control of a panel; the
    // hexagon's output is italic.
    QLineEdit* b = edit("Panel10", "Edit5");
    b->ensurePolished();
    EXPECT_EQ(b->font().pixelSize(), 16);
    EXPECT_EQ(b->font().family(), QStringLiteral("Times New Roman"));
    QLineEdit* out = edit("Panel37", "Edit48");
    out->ensurePolished();
    EXPECT_TRUE(out->font().italic());
    EXPECT_EQ(out->font().pixelSize(), 16);
}
