#pragma once
// Rectangular and square pipes (Panel10): the pipe drawn from b, h, t, L and
// its outer corner radius; the table button shows the pipe tables beside it.
#include "app/shell/part_panel.h"
#include "parts/metal/extruded_profile.h"

#include <memory>

namespace Ui {
class Panel10;
}

namespace metal {

class PipePanel : public shell::PartPanel {
public:
    PipePanel(shell::PanelContext& context, QWidget* parent, QWidget* tables);
    ~PipePanel() override;

    void BitBtn4Click(); // "3D"
    void BitBtn5Click(); // the pipe tables

private:
    std::unique_ptr<Ui::Panel10> ui;
    ExtrudedProfile profile_;
    QWidget* tables_;
};

} // namespace metal
