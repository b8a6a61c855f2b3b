#pragma once
// The reinforced shaft cuff (Panel68): one solid of the rubber body with its
// lip (type 2 also with a dust lip), the hollow garter spring in its groove
// and the L-shaped metal insert in its cavity, built about the X axis from
// D, d and h (and h1) by fixed proportions.
#include "app/shell/part_panel.h"

#include <memory>

namespace Ui {
class Panel68;
}

namespace seals {

class ShaftCuffPanel : public shell::PartPanel {
public:
    ShaftCuffPanel(shell::PanelContext& context, QWidget* parent);
    ~ShaftCuffPanel() override;

    void BitBtn63Click(); // "3D"

private:
    std::unique_ptr<Ui::Panel68> ui;
};

} // namespace seals
