#pragma once
// Flat welded flanges (Panel57): "3D" revolves the flange's half section
// with its collar and chamfers about the X axis and cuts the ring of n
// chamfered bolt holes.
#include "app/shell/part_panel.h"

#include <memory>

namespace Ui {
class Panel57;
}

namespace pipes {

class FlatFlangePanel : public shell::PartPanel {
public:
    FlatFlangePanel(shell::PanelContext& context, QWidget* parent);
    ~FlatFlangePanel() override;

    void BitBtn52Click(); // "3D"

private:
    std::unique_ptr<Ui::Panel57> ui;
};

} // namespace pipes
