#include "app/window/toolbar.h"

#include <QAbstractButton>
#include <QAction>
#include <QWidget>

namespace app {

namespace {

struct GroupPlace {
    const char* group;
    const char* viewItem; // the view-menu item that shows the group alone
    int ribbonLeft, ribbonWidth;
    int shownWidth; // its width when shown alone
};

constexpr GroupPlace kGroups[Toolbar::kGroupCount] = {
    {"GroupBox3", "N13", 0, 76, 75},      // Конструктивные элементы
    {"GroupBox18", "N2", 75, 100, 100},   // Металлопрокат
    {"GroupBox2", "N3", 175, 150, 150},   // Механические соединения
    {"GroupBox11", "N4", 325, 100, 100},  // Механические передачи
    {"GroupBox14", "N5", 425, 200, 200},  // Элементы гидро-, пневмоприводов
    {"GroupBox20", "N6", 625, 75, 75},    // Прочее
};

// The groups' upper frame edge lies above the strip, hidden.
constexpr int kGroupTop = -6;
constexpr int kGroupHeight = 55;
constexpr int kArrowStep = 25;

} // namespace

Toolbar::Toolbar(QWidget* strip)
{
    for (int i = 0; i < kGroupCount; ++i)
        groups_[i] = strip->findChild<QWidget*>(QLatin1String(kGroups[i].group), Qt::FindDirectChildrenOnly);
}

void Toolbar::NetBox()
{
    for (QWidget* g : groups_)
        g->resize(0, 0);
}

void Toolbar::showGroup(int group)
{
    NetBox();
    groups_[group]->resize(kGroups[group].shownWidth, kGroupHeight);
    groups_[group]->move(0, groups_[group]->y());
}

void Toolbar::ribbon()
{
    for (int i = 0; i < kGroupCount; ++i)
        groups_[i]->setGeometry(kGroups[i].ribbonLeft, kGroupTop, kGroups[i].ribbonWidth, kGroupHeight);
}

void Toolbar::shift(int dx)
{
    for (QWidget* g : groups_)
        g->move(g->x() + dx, g->y());
}

void Toolbar::connectControls(QObject* window)
{
    auto item = [window](const char* name) { return window->findChild<QAction*>(QLatin1String(name)); };
    for (int i = 0; i < kGroupCount; ++i)
        QObject::connect(item(kGroups[i].viewItem), &QAction::triggered, window, [this, i] { showGroup(i); });
    QObject::connect(item("N12"), &QAction::triggered, window, [this] { ribbon(); });

    auto button = [window](const char* name) { return window->findChild<QAbstractButton*>(QLatin1String(name)); };
    QObject::connect(button("SpeedButton5"), &QAbstractButton::clicked, window, [this] { shift(-kArrowStep); });
    QObject::connect(button("SpeedButton6"), &QAbstractButton::clicked, window, [this] { shift(kArrowStep); });
}

} // namespace app
