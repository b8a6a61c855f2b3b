#include "parts/pipes/ball_nipple_page.h"

#include "ui_ball_nipple_page.h"

namespace pipes {

BallNipplePage::BallNipplePage(shell::PanelContext& context, QWidget* parent, std::shared_ptr<BallPages> pages)
    : PartPanel(context, parent), ui(std::make_unique<Ui::Panel96>()), pages_(std::move(pages))
{
    ui->setupUi(this);
    onClick(ui->SpeedButton2, &BallNipplePage::SpeedButton2Click);
    onClick(ui->BitBtn96, &BallNipplePage::BitBtn96Click);
}

BallNipplePage::~BallNipplePage() = default;

void BallNipplePage::SpeedButton2Click()
{
    pages_->showNut();
}

void BallNipplePage::BitBtn96Click()
{
    pages_->showFitting();
}

} // namespace pipes
