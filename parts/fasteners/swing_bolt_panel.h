#pragma once
// Swing bolts (Panel76): the eye, a slice b thick of a sphere D with a
// chamfered hole d1, on a plain shank d1 reaching L from the eye centre.
// The thread is not drawn.
#include "app/shell/part_panel.h"

#include <memory>

namespace Ui {
class Panel76;
}

namespace fasteners {

class SwingBoltPanel : public shell::PartPanel {
public:
    SwingBoltPanel(shell::PanelContext& context, QWidget* parent);
    ~SwingBoltPanel() override;

    void BitBtn42Click(); // "3D"

private:
    std::unique_ptr<Ui::Panel76> ui;
};

} // namespace fasteners
