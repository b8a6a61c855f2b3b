#pragma once
// The nipple page (Panel96) of the ball connection: the nipple's sizes and
// the direction of the whole assembly.
#include "app/shell/part_panel.h"
#include "parts/pipes/ball_pages.h"

#include <memory>

namespace Ui {
class Panel96;
}

namespace pipes {

class BallNipplePage : public shell::PartPanel {
public:
    BallNipplePage(shell::PanelContext& context, QWidget* parent, std::shared_ptr<BallPages> pages);
    ~BallNipplePage() override;

    Ui::Panel96& form() { return *ui; }

    void SpeedButton2Click(); // to the nut page
    void BitBtn96Click();     // back to the end-fitting page

private:
    std::unique_ptr<Ui::Panel96> ui;
    std::shared_ptr<BallPages> pages_;
};

} // namespace pipes
