#pragma once
// Page 3 of the V-belt wizard (Panel110): the belt section chosen from the
// table; its "=" fills the groove and belt dimensions of page 5 and gives
// the initial and the permissible useful stress.
#include "parts/transmissions/vbelt_page.h"

#include <memory>

namespace transmissions {

class VBeltPage3 : public VBeltPage {
public:
    VBeltPage3(shell::PanelContext& context, QWidget* parent, std::shared_ptr<VBeltBoxes> boxes);
    ~VBeltPage3() override;

    void BitBtn108Click(); // "=": section dimensions, Ko, [K]

    // The section whose radio button is selected.
    int selectedSection() const;

private:
    std::unique_ptr<Ui::Panel110> ui;
};

} // namespace transmissions
