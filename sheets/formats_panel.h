#pragma once
// Drawing formats (Panel2): the sizes of the basic and derived formats, and a
// sheet of the typed length L and height H drawn as its frame with the
// title-block grid ("Чертить"), filled with placeholder texts ("Текст") and
// divided into A4 tiles ("Да, разбить"). The three buttons meet through the
// sheet size kept in Dim06 (L) and Dim01 (H).
#include "app/shell/part_panel.h"

#include <memory>

namespace Ui {
class Panel2;
}

namespace sheets {

class FormatsPanel : public shell::PartPanel {
public:
    FormatsPanel(shell::PanelContext& context, QWidget* parent);
    ~FormatsPanel() override;

    void BitBtn62Click();  // "Чертить"
    void BitBtn101Click(); // "Текст"
    void BitBtn102Click(); // "Да, разбить"

private:
    std::unique_ptr<Ui::Panel2> ui;
};

} // namespace sheets
