#pragma once
// The worker figure panel (Panel61): its button strip (initial pose, save,
// load, body page, finger and colour page, "3D") over the help view. The
// pose record lives in the edits of the two pages; the strip's buttons reset
// it, save it to the pose file and load it back, and show the pages.
#include "app/shell/part_panel.h"
#include "figure/pose_record.h"

#include <memory>

namespace Ui {
class Panel61;
}

namespace figure {

class FigurePanel : public shell::PartPanel {
public:
    FigurePanel(shell::PanelContext& context, QWidget* parent, QWidget* bodyPage, QWidget* fingerPage);
    ~FigurePanel() override;

    void BitBtn97Click(); // the initial pose
    void BitBtn58Click(); // save the pose to the pose file
    void BitBtn60Click(); // load the pose from the pose file
    void BitBtn98Click(); // the body page
    void BitBtn59Click(); // the finger and colour page
    void BitBtn57Click(); // "3D": the figure in its pose

private:
    // Shrinks the panel to its strip and shows one page below it.
    void showPage(QWidget* page);

    std::unique_ptr<Ui::Panel61> ui;
    QWidget* bodyPage_;
    QWidget* fingerPage_;
    PoseEdits edits_;
};

} // namespace figure
