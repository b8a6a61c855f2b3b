#include "parts/metal/ibeam_panel.h"

#include "ui_ibeam_panel.h"

namespace metal {

namespace {
enum { h, b, s, t, r, R, L, alpha };
}

IBeamPanel::IBeamPanel(shell::PanelContext& context, QWidget* parent)
    : PartPanel(context, parent), ui(std::make_unique<Ui::Panel20>())
{
    ui->setupUi(this);
    profile_ = {{{ui->Edit20, 1},
                 {ui->Edit21, 4},
                 {ui->Edit22, 3},
                 {ui->Edit23, 5},
                 {ui->Edit25, 8},
                 {ui->Edit24, 7},
                 {ui->Edit26, 6},
                 {ui->Edit27, kNoSlot}},
                L,
                nullptr,
                {[](const Values& v) { return iBeam(v[h], v[b], v[s], v[t], v[r], v[R], v[alpha]); }}};
    onClick(ui->BitBtn15, &IBeamPanel::BitBtn15Click);
}

IBeamPanel::~IBeamPanel() = default;

void IBeamPanel::BitBtn15Click()
{
    drawExtruded(w(), profile_);
}

} // namespace metal
