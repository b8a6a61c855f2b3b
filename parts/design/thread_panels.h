#pragma once
// The conventional threads: the rod with an external thread (Panel82) and
// the sleeve with an internal thread (Panel90). Each "3D" draws its twin by
// the one routine of the conventional thread.
#include "app/shell/part_panel.h"
#include "parts/design/conventional_thread.h"

#include <memory>

namespace Ui {
class Panel82;
class Panel90;
}

namespace design {

class RodPanel : public shell::PartPanel {
public:
    RodPanel(shell::PanelContext& context, QWidget* parent);
    ~RodPanel() override;

    void BitBtn82Click(); // "3D"

private:
    std::unique_ptr<Ui::Panel82> ui;
    ThreadControls controls_;
};

class SleevePanel : public shell::PartPanel {
public:
    SleevePanel(shell::PanelContext& context, QWidget* parent);
    ~SleevePanel() override;

    void BitBtn94Click(); // "3D"

private:
    std::unique_ptr<Ui::Panel90> ui;
    ThreadControls controls_;
};

} // namespace design
