#pragma once
// The collars with their seats (Panel69). The cylinder group's "3D" draws
// the piston's seat body (blue, to be united with the piston) and the
// collar in its groove (red); the rod group's "3D" draws the housing's seat
// cutter (blue, to be subtracted from the housing; variant 1 up to a rod of
// 35, variant 2 above) and the collar. All about the X axis. The table
// buttons open the collar table beside the panel.
#include "app/shell/part_panel.h"

#include <memory>

namespace Ui {
class Panel69;
}

namespace seals {

class CollarTable;

// The edit boxes that a row of the collar table fills.
struct CollarEdits {
    QLineEdit *R3, *fc;                          // both groups
    QLineEdit *Dc, *Dp, *D1, *d, *h, *h1, *f;    // cylinder
    QLineEdit *dr, *dh, *d1, *d2, *b, *H;        // rod
};

class CollarPanel : public shell::PartPanel {
public:
    CollarPanel(shell::PanelContext& context, QWidget* parent);
    ~CollarPanel() override;

    CollarEdits tableEdits() const;
    void setTable(CollarTable* table) { table_ = table; }

    void BitBtn65Click(); // "3D" of the cylinder group
    void BitBtn66Click(); // "3D" of the rod group
    void BitBtn36Click(); // the piston list
    void BitBtn43Click(); // the rod list

private:
    // R3 and f of the collar, read once the seat is drawn; then the collar.
    void readCollar();
    void drawCollar(double heel, double lips, double inner, double outer, bool recessFromTheHeel);

    std::unique_ptr<Ui::Panel69> ui;
    CollarTable* table_ = nullptr;
};

} // namespace seals
