#pragma once
// The main window: the toolbar strip with its button groups, the start
// picture, the bottom strip, the main menu, every panel of the program and
// the connection to the drawing with the drawing working fields. At its
// creation it attaches to the drawing.
#include "acad/fields.h"
#include "acad/interfaces.h"
#include "app/shell/panel_context.h"
#include "app/window/families.h"

#include <QMainWindow>

#include <memory>
#include <vector>

namespace Ui {
class TForm1;
}

namespace app {

class Navigation;
class Toolbar;

class TForm1 : public QMainWindow, public shell::PanelContext {
    Q_OBJECT
public:
    // The window with the panels of the given part families.
    explicit TForm1(const std::vector<CreatePanels>& families = partFamilies(), QWidget* parent = nullptr);
    ~TForm1() override;

    // The connection to the drawing, bound at creation.
    acad::TAcadDocument AcadDocument1;

    acad::WorkingFields& fields() override { return fields_; }
    void NetPan() override;
    void FullPanelLayout(QWidget* panel) override;
    void SidePanelLayout(QWidget* panel) override;
    void TableSidePanelLayout(QWidget* sidePanel) override;

    // The outer width of the window (client width and border).
    int outerWidth() const;
    QWidget* clientArea() const;

private:
    void FormCreate();

    std::unique_ptr<Ui::TForm1> ui_;
    acad::WorkingFields fields_{AcadDocument1};
    std::unique_ptr<Navigation> navigation_;
    std::unique_ptr<Toolbar> toolbar_;
};

} // namespace app
