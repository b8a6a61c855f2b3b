#pragma once
// Page 5 of the V-belt wizard (Panel116): the forces at rest and on the shafts,
// the groove and belt dimensions with the corrections of the drawing, and
// the drive in 3D.
#include "parts/transmissions/vbelt_page.h"

#include <memory>

namespace transmissions {

class VBeltPage5 : public VBeltPage {
public:
    VBeltPage5(shell::PanelContext& context, QWidget* parent, std::shared_ptr<VBeltBoxes> boxes);
    ~VBeltPage5() override;

    void BitBtn111Click(); // "=": static tension, load on the shafts
    void BitBtn112Click(); // "3D": the two pulleys and the belts

private:
    std::unique_ptr<Ui::Panel116> ui;
};

} // namespace transmissions
