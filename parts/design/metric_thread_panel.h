#pragma once
// The metric thread with its true profile (Panel48): "3D" sweeps one pitch
// of the profile along a helix about the X axis in pieces of about ten
// degrees, unites them into turns and the turns into a thread, and cuts it
// to the length L: the threaded band of a bolt, or a nut's threaded sleeve.
#include "app/shell/part_panel.h"

#include <memory>

namespace Ui {
class Panel48;
}

namespace design {

class MetricThreadPanel : public shell::PartPanel {
public:
    MetricThreadPanel(shell::PanelContext& context, QWidget* parent);
    ~MetricThreadPanel() override;

    void BitBtn39Click(); // "3D"

private:
    std::unique_ptr<Ui::Panel48> ui;
};

// The colours of the two results, as the panel's picture shows them.
constexpr int kBoltColour = 1;
constexpr int kNutColour = 5;

} // namespace design
