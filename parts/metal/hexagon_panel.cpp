#include "parts/metal/hexagon_panel.h"

#include "ui_hexagon_panel.h"

namespace metal {

namespace {
enum { a, L };
}

HexagonPanel::HexagonPanel(shell::PanelContext& context, QWidget* parent)
    : PartPanel(context, parent), ui(std::make_unique<Ui::Panel37>())
{
    ui->setupUi(this);
    profile_ = {{{ui->Edit47, 12}, {ui->Edit49, 6}}, L, nullptr, {[](const Values& v) { return hexagon(v[a]); }}};
    onClick(ui->BitBtn27, &HexagonPanel::BitBtn27Click);
}

HexagonPanel::~HexagonPanel() = default;

void HexagonPanel::BitBtn27Click()
{
    const Values v = drawExtruded(w(), profile_);
    w().Dim00 = 2 * hexagonCircumradius(v[a]);
    writeFloat(ui->Edit48, w().Dim00, 8, 4);
}

} // namespace metal
