#pragma once
// Conical bolts (Panel75): a body tapered 1:10 with a 45° chamfer and a
// screwdriver slot at its thick end, and a stepped stud at its thin end,
// revolved about the X axis. The stud's sizes are read only once the body
// and its slot are drawn.
#include "app/shell/part_panel.h"

#include <memory>

namespace Ui {
class Panel75;
}

namespace fasteners {

class ConicalBoltPanel : public shell::PartPanel {
public:
    ConicalBoltPanel(shell::PanelContext& context, QWidget* parent);
    ~ConicalBoltPanel() override;

    void BitBtn41Click(); // "3D"

private:
    std::unique_ptr<Ui::Panel75> ui;
};

} // namespace fasteners
