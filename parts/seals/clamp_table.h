#pragma once
// The clamp table (Panel135) beside the clamp panel: the type buttons fill
// one grid with the row numbers, D and H of their type, and the row loader
// copies row N (1 to 73, whatever type is shown) into the clamp panel. The
// type to draw stays the one chosen on the clamp panel.
#include "app/shell/table_side_panel.h"
#include "parts/seals/clamp_panel.h"

#include <memory>

namespace Ui {
class Panel135;
}

namespace seals {

class ClampTable : public shell::TableSidePanel {
public:
    ClampTable(shell::PanelContext& context, QWidget* parent, const ClampEdits& clamp);
    ~ClampTable() override;

    void BitBtn20Click(); // "Тип I"
    void BitBtn25Click(); // "Тип II"
    void BitBtn30Click(); // "Тип III"
    void BitBtn33Click(); // "№ Загрузить"

private:
    void showType(ClampType type);

    std::unique_ptr<Ui::Panel135> ui;
    ClampEdits clamp_;
};

} // namespace seals
