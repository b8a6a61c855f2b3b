#pragma once
// The channel catalogue after GOST 8240 (Panel125), beside the channel
// panel: a series button shows its series in its grid, and the row loader
// copies size N with the slope of its flanges into the channel panel.
#include "app/shell/table_side_panel.h"
#include "parts/metal/channel_panel.h"
#include "parts/metal/gost8240.h"

#include <memory>

namespace Ui {
class Panel125;
}

namespace metal {

class ChannelCatalogue : public shell::TableSidePanel {
public:
    ChannelCatalogue(shell::PanelContext& context, QWidget* parent, const ChannelEdits& channel);
    ~ChannelCatalogue() override;

    // The texts of a series grid: the header, then N, designation, h and b.
    static shell::GridText seriesText(gost8240::Series series);

    void BitBtn115Click(); // "У"
    void BitBtn116Click(); // "П"
    void BitBtn117Click(); // "Э"
    void BitBtn118Click(); // " Л"
    void BitBtn119Click(); // "С"
    void BitBtn114Click(); // "№ Загрузить"

private:
    void showSeries(gost8240::Series series, QTableWidget* grid);

    std::unique_ptr<Ui::Panel125> ui;
    ChannelEdits channel_;
};

} // namespace metal
