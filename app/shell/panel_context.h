#pragma once
// What a panel of a part family reaches of the main window: the drawing
// working fields (with the connection to the drawing) and the placements of
// panels. The main window is the one implementation.
#include "acad/fields.h"

class QWidget;

namespace shell {

class PanelContext {
public:
    virtual ~PanelContext() = default;

    // The drawing working fields of the window.
    virtual acad::WorkingFields& fields() = 0;

    // Collapses every panel and narrows the window.
    virtual void NetPan() = 0;
    // Shows a panel in the whole work area (601 x 459).
    virtual void FullPanelLayout(QWidget* panel) = 0;
    // Shows a panel in the upper left of the work area (465 x 336) with the
    // three side strips.
    virtual void SidePanelLayout(QWidget* panel) = 0;
    // Widens the window to show a table side panel right of the work area,
    // collapsing nothing.
    virtual void TableSidePanelLayout(QWidget* sidePanel) = 0;
};

} // namespace shell
