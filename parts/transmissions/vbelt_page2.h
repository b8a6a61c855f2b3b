#pragma once
// Page 2 of the V-belt wizard (Panel106): the refined centre distance, the
// wrap angles, the run frequency and the correction factors (steps 9 to 11),
// with the hint table of the load factor Cp.
#include "parts/transmissions/vbelt_page.h"

#include <memory>

namespace transmissions {

class VBeltPage2 : public VBeltPage {
public:
    VBeltPage2(shell::PanelContext& context, QWidget* parent, std::shared_ptr<VBeltBoxes> boxes);
    ~VBeltPage2() override;

    void BitBtn107Click(); // "=": centre distance, wrap angles, run frequency, Ku, Cα
private:
    std::unique_ptr<Ui::Panel106> ui;
};

} // namespace transmissions
