#pragma once
// The straight-sided spline bore (Panel133): "3D" draws the body of a hub
// bore, the cylinder of the minor diameter united with z tooth spaces that
// reach the major diameter, for the user to subtract from the hub; the table
// button shows the GOST 1139 table beside it, whose loader fills z, d, D, b,
// f and r.
#include "app/shell/part_panel.h"

#include "acad/fields.h"

#include <memory>
#include <vector>

namespace Ui {
class Panel133;
}

namespace design {

// The spline edits that the spline loader writes.
struct SplineEdits {
    QLineEdit *z, *d, *D, *b, *f, *r;
};

// One tooth space in the XY plane, symmetric about +Y: nine vertices (the
// last equal to the first) and its three clockwise arcs.
struct ToothSpace {
    std::vector<acad::XY> vertices;
    std::vector<acad::Bulge> bulges;
    double phi; // the angle from +Y to a fillet centre
};
ToothSpace toothSpace(double D, double d, double b, double r, double f);

class SplineTable;

class SplineBorePanel : public shell::PartPanel {
public:
    SplineBorePanel(shell::PanelContext& context, QWidget* parent);
    ~SplineBorePanel() override;

    SplineEdits splineEdits() const;
    void setTable(SplineTable* table) { table_ = table; }

    void BitBtn7Click(); // "3D"
    void BitBtn3Click(); // the GOST 1139 table

private:
    std::unique_ptr<Ui::Panel133> ui;
    SplineTable* table_ = nullptr;
};

} // namespace design
