#include "parts/metal/angle_panel.h"

#include "ui_angle_panel.h"

namespace metal {

namespace {
enum { B, b, t, R, r, L };
}

AnglePanel::AnglePanel(shell::PanelContext& context, QWidget* parent)
    : PartPanel(context, parent), ui(std::make_unique<Ui::Panel12>())
{
    ui->setupUi(this);
    profile_ = {{{ui->Edit9, 9}, {ui->Edit10, 10}, {ui->Edit11, 5}, {ui->Edit12, 7}, {ui->Edit13, 8}, {ui->Edit14, 6}},
                L,
                nullptr,
                {[](const Values& v) { return hotRolledAngle(v[B], v[b], v[t], v[R], v[r]); }}};
    onClick(ui->BitBtn8, &AnglePanel::BitBtn8Click);
}

AnglePanel::~AnglePanel() = default;

void AnglePanel::BitBtn8Click()
{
    drawExtruded(w(), profile_);
}

} // namespace metal
