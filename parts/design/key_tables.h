#pragma once
// The key section tables (Panel129) beside the keyed-bore panel: a button
// per standard shows its grid of shaft ranges and key sections, and the row
// loader copies the keyway of row N (b, t2, r1) into the keyed-bore panel.
#include "app/shell/table_side_panel.h"
#include "parts/design/key_sections.h"
#include "parts/design/keyed_bore_panel.h"

#include <memory>

namespace Ui {
class Panel129;
}

namespace design {

class KeyTables : public shell::TableSidePanel {
public:
    KeyTables(shell::PanelContext& context, QWidget* parent, const KeywayEdits& keyway);
    ~KeyTables() override;

    // The texts of a standard's grid: the header, then its rows.
    static shell::GridText standardText(keys::Standard standard);

    void BitBtn124Click(); // "ГОСТ 23360"
    void BitBtn125Click(); // "ГОСТ 10748"
    void BitBtn126Click(); // "ГОСТ 8790"
    void BitBtn127Click(); // "№ строки"

private:
    void showStandard(keys::Standard standard, QTableWidget* grid);

    std::unique_ptr<Ui::Panel129> ui;
    KeywayEdits keyway_;
};

} // namespace design
