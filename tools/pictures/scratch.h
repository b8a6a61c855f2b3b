#pragma once
// A scratch drawing in which a panel draws its part as a user would have it
// drawn: the program's part panels over a drawing of their own, the sizes
// typed into the panel's edits and its button pressed.
#include "tools/pictures/records.h"

#include "acad/fields.h"
#include "acad/interfaces.h"
#include "app/shell/panel_context.h"

#include <QSize>
#include <QWidget>
#include <TopoDS_Shape.hxx>

#include <stdexcept>
#include <string>

namespace pictures {

// The window as the panels see it, over a drawing of its own: the layouts
// only size the panels.
class ScratchWindow : public shell::PanelContext {
public:
    ScratchWindow();
    ~ScratchWindow() override;

    acad::WorkingFields& fields() override { return fields_; }
    void NetPan() override {}
    void FullPanelLayout(QWidget* panel) override { panel->resize(601, 459); }
    void SidePanelLayout(QWidget* panel) override { panel->resize(465, 336); }
    void TableSidePanelLayout(QWidget*) override {}

    QWidget* panel(const char* name);
    // The panel, or the page of the window that holds the control when the
    // panel does not.
    QWidget* holder(QWidget* panel, const char* name);

    template <class W>
    W* control(QWidget* panel, const char* name)
    {
        auto* w = panel->findChild<W*>(QString::fromLatin1(name));
        if (!w)
            throw std::runtime_error(std::string("no control ") + name + " on " + panel->objectName().toStdString());
        return w;
    }

    acad::TAcadDocument connection;
    QWidget client;

private:
    acad::WorkingFields fields_{connection};
};

struct DrawnPart {
    TopoDS_Shape shape; // the solid the record names (the newest unless told), or the lines
    QSize imageSize;    // the size of the panel's picture
};

// Throws std::runtime_error when the panel, an edit, a switch, the button
// or the picture is missing, or when the button fails.
DrawnPart drawPart(const PartPicture& picture);
// The same for one view of the picture: its own sizes and switches.
DrawnPart drawPart(const PartPicture& picture, const std::vector<Size>& sizes,
                   const std::vector<const char*>& switches);

// The letters of the panel's edit labels ("b  =" gives "b", "L** =" gives
// "L", "Шаг резьбы, . .  P =" gives "P"), in the order of the layout. An
// edit's label is the one whose buddy it is, or the one named after it; a
// label in words ("цилиндра") takes the big letter standing alone before it,
// and a label gives its letter once, however many edits it serves. Edits
// without such a label (outputs, the slope) are left out.
std::vector<std::string> panelLetters(const char* panel);

} // namespace pictures
