#pragma once
// The light single clamps of GOST 17678 (Panel134): the clamp of type I,
// II or III drawn as one solid at the origin ("3D"), its flat blank drawn
// beside it ("Развертка"), and the table button that opens the clamp table.
#include "app/shell/part_panel.h"
#include "parts/seals/clamp_shape.h"

#include <memory>

namespace Ui {
class Panel134;
}

namespace seals {

class ClampTable;

// The edit boxes that a row of the clamp table fills.
struct ClampEdits {
    QLineEdit *D, *H, *r, *S, *L, *B, *d, *A, *L1, *h;
};

class ClampPanel : public shell::PartPanel {
public:
    ClampPanel(shell::PanelContext& context, QWidget* parent);
    ~ClampPanel() override;

    ClampEdits tableEdits() const;
    void setTable(ClampTable* table) { table_ = table; }

    void BitBtn13Click(); // "3D"
    void BitBtn16Click(); // the clamp table
    void BitBtn35Click(); // "Развертка"

private:
    ClampType selectedType() const;
    // D, H, r, S, L, B, d, A into their bank slots, in this order.
    ClampSizes readSizes();

    std::unique_ptr<Ui::Panel134> ui;
    ClampTable* table_ = nullptr;
};

} // namespace seals
