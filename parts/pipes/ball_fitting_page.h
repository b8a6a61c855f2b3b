#pragma once
// Ball connections of steel pipes for pressures up to 20 MPa (Panel94): the
// end fitting's page with the assembly. "3D" draws the end fitting, the
// nipple and the union nut, each a solid of its own, with point A at the
// typed point; the table button shows the pipe sizes beside the panel.
#include "app/shell/part_panel.h"
#include "parts/pipes/ball_pages.h"
#include "parts/pipes/ball_table.h"

#include <memory>

namespace Ui {
class Panel94;
}

namespace pipes {

class BallNipplePage;
class BallNutPage;

class BallFittingPage : public shell::PartPanel {
public:
    BallFittingPage(shell::PanelContext& context, QWidget* parent, std::shared_ptr<BallPages> pages);
    ~BallFittingPage() override;

    // The other pages and the table; the table's loader gets its edits.
    void attach(BallNipplePage* nipple, BallNutPage* nut, BallTable* table);

    void BitBtn86Click();     // "3D"
    void BitBtn95Click();     // to the nipple page
    void SpeedButton17Click(); // the pipe sizes

private:
    std::unique_ptr<Ui::Panel94> ui;
    std::shared_ptr<BallPages> pages_;
    BallNipplePage* nipple_ = nullptr;
    BallNutPage* nut_ = nullptr;
    BallTable* table_ = nullptr;
};

} // namespace pipes
