#pragma once
// Page 1 of the V-belt wizard (Panel105): the drive data, the torque with the
// recommended sections, the pulley diameters and the speeds (steps 1 to 8).
#include "parts/transmissions/vbelt_page.h"

#include <memory>

namespace transmissions {

class VBeltPage1 : public VBeltPage {
public:
    VBeltPage1(shell::PanelContext& context, QWidget* parent, std::shared_ptr<VBeltBoxes> boxes);
    ~VBeltPage1() override;

    void BitBtn103Click(); // "=": torque, recommended sections
    void BitBtn104Click(); // "=": pulley diameters
    void BitBtn105Click(); // "=": belt speed
    void BitBtn106Click(); // "=": slow pulley, ratio, force, centre distance, belt length

private:
    std::unique_ptr<Ui::Panel105> ui;
};

} // namespace transmissions
