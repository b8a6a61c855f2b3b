#include "parts/metal/bent_angle_panel.h"

#include "ui_bent_angle_panel.h"

namespace metal {

namespace {
enum { B, b, s, R, L };
}

BentAnglePanel::BentAnglePanel(shell::PanelContext& context, QWidget* parent)
    : PartPanel(context, parent), ui(std::make_unique<Ui::Panel16>())
{
    ui->setupUi(this);
    profile_ = {{{ui->Edit15, 9}, {ui->Edit16, 10}, {ui->Edit17, 3}, {ui->Edit18, 7}, {ui->Edit19, 6}},
                L,
                nullptr,
                {[](const Values& v) { return bentAngle(v[B], v[b], v[s], v[R]); }}};
    onClick(ui->BitBtn10, &BentAnglePanel::BitBtn10Click);
}

BentAnglePanel::~BentAnglePanel() = default;

void BentAnglePanel::BitBtn10Click()
{
    drawExtruded(w(), profile_);
}

} // namespace metal
