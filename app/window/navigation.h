#pragma once
// Showing the panels of the window. Every panel stands at its place in the
// client area from the start and is shown by giving it the size of its
// layout, hidden by giving it 0 x 0. NetPan collapses them all and narrows
// the window; a toolbar button or help-menu item then shows its one panel.
#include <QPointer>
#include <QWidget>

#include <vector>

namespace app {

class Navigation {
public:
    explicit Navigation(QWidget* clientArea);

    // The window's outer width: the client width and the single border.
    int outerWidth() const;
    void setOuterWidth(int width);

    // Places every top-level panel at its place, collapsed, creating an
    // empty panel under each name that no family created; then finds the
    // panels that NetPan collapses. Runs once, after the families.
    void placePanels();

    void NetPan();
    void FullPanelLayout(QWidget* panel);
    void SidePanelLayout(QWidget* panel);
    void TableSidePanelLayout(QWidget* sidePanel);
    // "Советы по работе": the tips panel beside whatever is shown.
    void showTips();

    // Connects the toolbar buttons and the help-menu items of the window.
    void connectControls(QObject* window);

private:
    QWidget* panel(const char* name) const;

    struct Collapsible {
        QPointer<QWidget> widget;
        bool resetLeft;
    };

    QWidget* client_;
    std::vector<Collapsible> collapsible_;
};

} // namespace app
