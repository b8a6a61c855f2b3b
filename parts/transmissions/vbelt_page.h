#pragma once
// A page of the V-belt wizard. The calculation keeps no state of its own:
// every step reads the texts of the boxes it needs, on whatever page they
// stand, and writes its results back as texts.
#include "app/shell/part_panel.h"

#include <memory>

namespace Ui {
class Panel105;
class Panel106;
class Panel110;
class Panel113;
class Panel116;
} // namespace Ui

namespace transmissions {

// The controls of the five pages.
struct VBeltBoxes {
    Ui::Panel105* page1 = nullptr;
    Ui::Panel106* page2 = nullptr;
    Ui::Panel110* page3 = nullptr;
    Ui::Panel113* page4 = nullptr;
    Ui::Panel116* page5 = nullptr;
};

class VBeltPage : public shell::PartPanel {
public:
    VBeltPage(shell::PanelContext& context, QWidget* parent, std::shared_ptr<VBeltBoxes> boxes)
        : PartPanel(context, parent), boxes_(std::move(boxes))
    {
    }

protected:
    VBeltBoxes& boxes() const { return *boxes_; }
    // A result as the pages show it: 7 significant digits, 3 or 2 decimals.
    static void write73(QLineEdit* edit, double value) { writeFloat(edit, value, 7, 3); }
    static void write72(QLineEdit* edit, double value) { writeFloat(edit, value, 7, 2); }

private:
    std::shared_ptr<VBeltBoxes> boxes_;
};

inline constexpr double pi = 3.141592653589793;

} // namespace transmissions
