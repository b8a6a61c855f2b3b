#pragma once
// The panels of ribbed caps (Panel87) and pipe couplings (Panel89): sizes of
// the body and its ribs typed under the part's picture, "3D" draws the part.
#include "app/shell/part_panel.h"

#include <memory>

namespace Ui {
class Panel87;
class Panel89;
} // namespace Ui

namespace pipes {

class CapPanel : public shell::PartPanel {
public:
    CapPanel(shell::PanelContext& context, QWidget* parent);
    ~CapPanel() override;

    void BitBtn90Click(); // "3D"

private:
    std::unique_ptr<Ui::Panel87> ui;
};

class CouplingPanel : public shell::PartPanel {
public:
    CouplingPanel(shell::PanelContext& context, QWidget* parent);
    ~CouplingPanel() override;

    void BitBtn92Click(); // "3D"

private:
    std::unique_ptr<Ui::Panel89> ui;
};

} // namespace pipes
