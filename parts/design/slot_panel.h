#pragma once
// The longitudinal slot (Panel127): "3D" draws the body of a slot with two
// semicircular ends, extruded to its height, for the user to subtract from
// his part; the table button shows the GOST 16030 table beside it.
#include "app/shell/part_panel.h"

#include <memory>

namespace Ui {
class Panel127;
}

namespace design {

class SlotTable;

class SlotPanel : public shell::PartPanel {
public:
    SlotPanel(shell::PanelContext& context, QWidget* parent, SlotTable* table);
    ~SlotPanel() override;

    void BitBtn120Click(); // "3D"
    void BitBtn121Click(); // the GOST 16030 table

private:
    std::unique_ptr<Ui::Panel127> ui;
    SlotTable* table_;
};

// The colour of every cutting body of the family.
constexpr int kCuttingColour = 20;

} // namespace design
