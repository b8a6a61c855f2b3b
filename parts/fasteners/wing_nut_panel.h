#pragma once
// Wing nuts (Panel85): a wing plate cut to the nut's front outline, a hub in
// the form of a truncated cone, a plain bore d with a 120° countersink at the
// bottom and, when d1 > 0, a hole through each wing tip. The nut stands on
// the Y axis with the bottom of its hub in y = 0.
#include "app/shell/part_panel.h"

#include <memory>

namespace Ui {
class Panel85;
}

namespace fasteners {

class WingNutPanel : public shell::PartPanel {
public:
    WingNutPanel(shell::PanelContext& context, QWidget* parent);
    ~WingNutPanel() override;

    void BitBtn81Click(); // "3D"

private:
    std::unique_ptr<Ui::Panel85> ui;
};

} // namespace fasteners
