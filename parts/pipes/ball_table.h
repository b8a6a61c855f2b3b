#pragma once
// The pipe sizes of the ball connection (Panel122) beside its end-fitting
// page: seven pipe sizes in a grid without a fixed row, and the row loader
// that writes the 40 sizes of a row into the three pages.
#include "app/shell/table_side_panel.h"
#include "parts/pipes/ball_sizes.h"

#include <QRadioButton>

#include <array>
#include <memory>

namespace Ui {
class Panel122;
}

namespace pipes {

// The edits a row fills, in the loader's order, and the switch of the
// cylindrical thread that chooses the thread-dependent values.
struct BallLoadTargets {
    std::array<QLineEdit*, ball::kValues> edits{};
    const QRadioButton* gThread = nullptr;
};

class BallTable : public shell::TableSidePanel {
public:
    BallTable(shell::PanelContext& context, QWidget* parent);
    ~BallTable() override;

    void setTargets(const BallLoadTargets& targets) { targets_ = targets; }
    // Writes every cell of the grid.
    void fillSizes();

    void SpeedButton18Click(); // "№ Загрузить"

private:
    std::unique_ptr<Ui::Panel122> ui;
    BallLoadTargets targets_;
};

} // namespace pipes
