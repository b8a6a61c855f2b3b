#pragma once
// A part panel: a panel of the main window built from its layout file, with
// labelled edit boxes, switches and buttons whose procedures draw the part.
// Its procedures reach the drawing and the working fields through the panel
// context; numbers are read and written with the system's decimal separator.
#include "app/shell/errorbox.h"
#include "app/shell/panel_context.h"

#include <QAbstractButton>
#include <QFrame>
#include <QLineEdit>

namespace shell {

// A panel waits collapsed at its place in the window until it is shown.
inline void collapseAt(QWidget* panel, int left, int top)
{
    panel->setGeometry(left, top, 0, 0);
}

// The most repetitions a count typed into a panel may ask of a drawing loop
// (holes, ribs, belts, spline spaces): one turn in degrees. A count beyond
// it is refused as "<what> не может быть больше 360", before the loop.
constexpr int kMostRepetitions = 360;
void limitCount(double count, const char* what);

class PartPanel : public QFrame {
public:
    PartPanel(PanelContext& context, QWidget* parent);

protected:
    PanelContext& context() { return context_; }
    acad::WorkingFields& w() { return context_.fields(); }
    acad::IAcadModelSpace ModelSpace() { return context_.fields().ModelSpace(); }

    // The edit's text as a number; a text that is not one ends the procedure.
    static double readFloat(const QLineEdit* edit);
    static int readInt(const QLineEdit* edit);
    // Writes a value as fixed-point text: p significant digits, d decimals.
    static void writeFloat(QLineEdit* edit, double value, int precision, int digits);

    // Runs the procedure when the button is clicked; a failure shows the error box.
    template <class Panel>
    void onClick(QAbstractButton* button, void (Panel::*procedure)())
    {
        Panel* self = static_cast<Panel*>(this);
        QObject::connect(button, &QAbstractButton::clicked, this,
                         [self, procedure] { runProcedure([self, procedure] { (self->*procedure)(); }); });
    }

private:
    PanelContext& context_;
};

} // namespace shell
