#pragma once
// Hot-rolled channels (Panel24): height h, flange width b, web s, flange
// thickness t, root fillet R, tip rounding r, length L and the slope of the
// flanges' inner faces; the table button shows the channel catalogue, whose
// loader fills the edits of a size.
#include "app/shell/part_panel.h"
#include "parts/metal/extruded_profile.h"

#include <memory>

namespace Ui {
class Panel24;
}

namespace metal {

// The edit boxes that a catalogue row fills.
struct ChannelEdits {
    QLineEdit *slope, *h, *b, *s, *t, *R, *r;
};

class ChannelPanel : public shell::PartPanel {
public:
    ChannelPanel(shell::PanelContext& context, QWidget* parent);
    ~ChannelPanel() override;

    ChannelEdits catalogueEdits() const;
    void setCatalogue(QWidget* catalogue) { catalogue_ = catalogue; }

    void BitBtn19Click();  // "3D"
    void BitBtn113Click(); // the catalogue

private:
    std::unique_ptr<Ui::Panel24> ui;
    ExtrudedProfile profile_;
    QWidget* catalogue_ = nullptr;
};

} // namespace metal
