#pragma once
// Page 4 of the V-belt wizard (Panel113): the useful stress with its formula
// line for normal or narrow belts, the number of belts, the traction and the
// tensions of the branches (steps 12 to 15).
#include "parts/transmissions/vbelt_page.h"

#include <memory>

namespace transmissions {

class VBeltPage4 : public VBeltPage {
public:
    VBeltPage4(shell::PanelContext& context, QWidget* parent, std::shared_ptr<VBeltBoxes> boxes);
    ~VBeltPage4() override;

    void BitBtn109Click(); // "=": belt count, traction coefficient
    void BitBtn110Click(); // "=": centrifugal tension, branch tensions

private:
    std::unique_ptr<Ui::Panel113> ui;
};

// Shows the formula line of Ko on page 4 for normal or for narrow belts.
void showFormulaLine(Ui::Panel113& page, bool narrow);

} // namespace transmissions
