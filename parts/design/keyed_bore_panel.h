#pragma once
// The keyed hub bore (Panel128): "3D" draws the body of a bore with the
// keyway for a prismatic key, extruded to its length, for the user to
// subtract from the hub; the table button shows the key tables beside it,
// whose loader fills b, t2 and r1.
#include "app/shell/part_panel.h"

#include <memory>

namespace Ui {
class Panel128;
}

namespace design {

// The keyway edits that the key loader writes.
struct KeywayEdits {
    QLineEdit *b, *t2, *r1;
};

class KeyedBorePanel : public shell::PartPanel {
public:
    KeyedBorePanel(shell::PanelContext& context, QWidget* parent);
    ~KeyedBorePanel() override;

    KeywayEdits keywayEdits() const;
    void setTables(QWidget* tables) { tables_ = tables; }

    void BitBtn122Click(); // "3D"
    void BitBtn123Click(); // the key tables

private:
    std::unique_ptr<Ui::Panel128> ui;
    QWidget* tables_ = nullptr;
};

} // namespace design
