#pragma once
// Pipe bends (Panel41): "3D" revolves the pipe's wall through the bend angle
// about the bend axis and lays the bend with its first end at the origin;
// "2D" replaces that bend by its section through the centre line and closes
// the bore at both ends.
#include "app/shell/part_panel.h"

#include <memory>

namespace Ui {
class Panel41;
}

namespace pipes {

class BendPanel : public shell::PartPanel {
public:
    BendPanel(shell::PanelContext& context, QWidget* parent);
    ~BendPanel() override;

    void BitBtn31Click(); // "3D"
    void BitBtn32Click(); // "2D"

private:
    std::unique_ptr<Ui::Panel41> ui;
};

} // namespace pipes
