#include "parts/metal/bent_channel_panel.h"

#include "ui_bent_channel_panel.h"

namespace metal {

namespace {
enum { h, b, s, R, L };
}

BentChannelPanel::BentChannelPanel(shell::PanelContext& context, QWidget* parent)
    : PartPanel(context, parent), ui(std::make_unique<Ui::Panel28>())
{
    ui->setupUi(this);
    profile_ = {{{ui->Edit36, 1}, {ui->Edit37, 4}, {ui->Edit38, 3}, {ui->Edit39, 7}, {ui->Edit40, 6}},
                L,
                nullptr,
                {[](const Values& v) { return bentChannel(v[h], v[b], v[s], v[R]); }}};
    onClick(ui->BitBtn23, &BentChannelPanel::BitBtn23Click);
}

BentChannelPanel::~BentChannelPanel() = default;

void BentChannelPanel::BitBtn23Click()
{
    drawExtruded(w(), profile_);
}

} // namespace metal
