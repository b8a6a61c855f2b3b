#pragma once
// The pipe nozzle with a groove (Panel33): "3D" revolves the nozzle's wall
// about the X axis and writes its inner volume in litres; "2D" replaces that
// nozzle by its axial section and closes the bore at the end faces.
#include "app/shell/part_panel.h"

#include <memory>

namespace Ui {
class Panel33;
}

namespace metal {

class NozzlePanel : public shell::PartPanel {
public:
    NozzlePanel(shell::PanelContext& context, QWidget* parent);
    ~NozzlePanel() override;

    void BitBtn26Click(); // "3D"
    void BitBtn28Click(); // "2D"

    // The refusal of a negative groove length.
    static QString negativeGrooveMessage();

private:
    std::unique_ptr<Ui::Panel33> ui;
};

} // namespace metal
