#pragma once
// The union nut page (Panel95) of the ball connection. The nut's thread is
// not drawn: the note points to the internal thread's own panel.
#include "app/shell/part_panel.h"
#include "parts/pipes/ball_pages.h"

#include <memory>

namespace Ui {
class Panel95;
}

namespace pipes {

class BallNutPage : public shell::PartPanel {
public:
    BallNutPage(shell::PanelContext& context, QWidget* parent, std::shared_ptr<BallPages> pages);
    ~BallNutPage() override;

    Ui::Panel95& form() { return *ui; }

    void SpeedButton3Click(); // back to the nipple page

private:
    std::unique_ptr<Ui::Panel95> ui;
    std::shared_ptr<BallPages> pages_;
};

} // namespace pipes
