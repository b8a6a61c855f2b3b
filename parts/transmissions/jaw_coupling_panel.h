#pragma once
// The elastic jaw coupling panel (Panel88): the nominal torque and the jaw
// form chosen, the sizes of each half-coupling typed in its column; "3D"
// draws the element and both half-couplings, the button under the note draws
// the element alone at its free size.
#include "app/shell/part_panel.h"

#include <array>
#include <memory>

class QRadioButton;

namespace Ui {
class Panel88;
} // namespace Ui

namespace transmissions {

class JawCouplingPanel : public shell::PartPanel {
public:
    JawCouplingPanel(shell::PanelContext& context, QWidget* parent);
    ~JawCouplingPanel() override;

    void BitBtn84Click();  // "3D"
    void BitBtn100Click(); // the free star

private:
    int selectedTorque() const;

    std::unique_ptr<Ui::Panel88> ui;
    std::array<QRadioButton*, 9> torques_{};
};

} // namespace transmissions
