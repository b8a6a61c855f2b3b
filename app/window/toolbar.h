#pragma once
// The toolbar strip Panel5 with its six button groups: the view menu shows
// one group at the strip's left edge, "Лента" lays all six out as a ribbon,
// and the two green arrows shift every group by 25 pixels, without bound.
#include <array>

class QObject;
class QWidget;

namespace app {

class Toolbar {
public:
    // The strip and the groups inside it.
    explicit Toolbar(QWidget* strip);

    // Collapses the six groups; their Left values stay.
    void NetBox();
    // A view-menu item: NetBox, then the group of that item alone at Left 0.
    void showGroup(int group);
    // "Лента": all six groups at their fixed places.
    void ribbon();
    // The arrows: every group, collapsed ones included, moves by dx.
    void shift(int dx);

    // Connects the view-menu items and the arrow buttons of the window.
    void connectControls(QObject* window);

    static constexpr int kGroupCount = 6;

private:
    std::array<QWidget*, kGroupCount> groups_{};
};

} // namespace app
