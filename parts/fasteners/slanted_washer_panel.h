#pragma once
// Slanted square washers (Panel123): a square plate B × B, S thick at its
// thick end (x = −B/2) and h at its thin end, with a hole d along Z through
// the origin and every edge and corner rounded with R. "3D" shows the slope
// Alfa and the thickness S1* on the hole's axis; the table button opens the
// GOST 10906 table beside the panel.
#include "app/shell/part_panel.h"

#include <memory>

namespace Ui {
class Panel123;
}

namespace fasteners {

class SlantedWasherTable;

// The edit boxes that a table row fills.
struct SlantedWasherEdits {
    QLineEdit *B, *d, *S, *h, *R;
};

class SlantedWasherPanel : public shell::PartPanel {
public:
    SlantedWasherPanel(shell::PanelContext& context, QWidget* parent);
    ~SlantedWasherPanel() override;

    SlantedWasherEdits tableEdits() const;
    void setTable(SlantedWasherTable* table) { table_ = table; }

    void SpeedButton16Click(); // "3D"
    void SpeedButton19Click(); // the GOST 10906 table

private:
    std::unique_ptr<Ui::Panel123> ui;
    SlantedWasherTable* table_ = nullptr;
};

} // namespace fasteners
