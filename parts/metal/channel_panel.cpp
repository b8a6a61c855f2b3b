#include "parts/metal/channel_panel.h"

#include "ui_channel_panel.h"

namespace metal {

namespace {
enum { h, b, s, t, r, R, L, alpha };
}

ChannelPanel::ChannelPanel(shell::PanelContext& context, QWidget* parent)
    : PartPanel(context, parent), ui(std::make_unique<Ui::Panel24>())
{
    ui->setupUi(this);
    profile_ = {{{ui->Edit28, 1},
                 {ui->Edit29, 4},
                 {ui->Edit30, 3},
                 {ui->Edit31, 5},
                 {ui->Edit33, 8},
                 {ui->Edit32, 7},
                 {ui->Edit34, 6},
                 {ui->Edit35, kNoSlot}},
                L,
                nullptr,
                {[](const Values& v) { return slopedChannel(v[h], v[b], v[s], v[t], v[r], v[R], v[alpha]); }}};
    onClick(ui->BitBtn19, &ChannelPanel::BitBtn19Click);
    onClick(ui->BitBtn113, &ChannelPanel::BitBtn113Click);
}

ChannelPanel::~ChannelPanel() = default;

ChannelEdits ChannelPanel::catalogueEdits() const
{
    return {ui->Edit35, ui->Edit28, ui->Edit29, ui->Edit30, ui->Edit31, ui->Edit32, ui->Edit33};
}

void ChannelPanel::BitBtn19Click()
{
    drawExtruded(w(), profile_);
}

void ChannelPanel::BitBtn113Click()
{
    context().TableSidePanelLayout(catalogue_);
}

} // namespace metal
