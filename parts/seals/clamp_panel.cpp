#include "parts/seals/clamp_panel.h"

#include "parts/seals/clamp_blank.h"
#include "parts/seals/clamp_solid.h"
#include "parts/seals/clamp_table.h"

#include "ui_clamp_panel.h"

namespace seals {

ClampPanel::ClampPanel(shell::PanelContext& context, QWidget* parent)
    : PartPanel(context, parent), ui(std::make_unique<Ui::Panel134>())
{
    ui->setupUi(this);
    onClick(ui->BitBtn13, &ClampPanel::BitBtn13Click);
    onClick(ui->BitBtn16, &ClampPanel::BitBtn16Click);
    onClick(ui->BitBtn35, &ClampPanel::BitBtn35Click);
}

ClampPanel::~ClampPanel() = default;

ClampEdits ClampPanel::tableEdits() const
{
    return {ui->Edit551, ui->Edit552, ui->Edit553, ui->Edit554, ui->Edit555,
            ui->Edit556, ui->Edit557, ui->Edit558, ui->Edit559, ui->Edit561};
}

ClampType ClampPanel::selectedType() const
{
    if (ui->RadioButton56->isChecked())
        return ClampType::I;
    return ui->RadioButton57->isChecked() ? ClampType::II : ClampType::III;
}

ClampSizes ClampPanel::readSizes()
{
    acad::WorkingFields& f = w();
    f.Dim00 = readFloat(ui->Edit551);
    f.Dim01 = readFloat(ui->Edit552);
    f.Dim08 = readFloat(ui->Edit553);
    f.Dim03 = readFloat(ui->Edit554);
    f.Dim06 = readFloat(ui->Edit555);
    f.Dim04 = readFloat(ui->Edit556);
    f.Dim15 = readFloat(ui->Edit557);
    f.Dim16 = readFloat(ui->Edit558);
    return {f.Dim00, f.Dim01, f.Dim08, f.Dim03, f.Dim06, f.Dim04, f.Dim15, f.Dim16};
}

void ClampPanel::BitBtn13Click()
{
    acad::WorkingFields& f = w();
    const ClampType type = selectedType();
    const ClampSizes s = readSizes();
    if (type == ClampType::I)
        f.Dim11 = readFloat(ui->Edit559);
    const ClampBends b = bendsOf(s, type);
    f.Dim02 = b.w;
    f.Dim13 = b.phi;
    f.Dim05 = type == ClampType::III ? 0 : 1;

    drawBentStrip(f, s, b);
    if (type == ClampType::I) {
        // The tab reaches at least to the end of its bend; the edit shows
        // the depth that is drawn.
        f.Dim02 = readFloat(ui->Edit561);
        if (f.Dim02 < s.r)
            f.Dim02 = s.r;
        writeFloat(ui->Edit561, f.Dim02, 5, 1);
        makeTabAndSquareEnd(f, s, f.Dim11, f.Dim02);
    }
    drillHoles(f, s);
    f.GroupSolid.put_color(kClampColour);
}

void ClampPanel::BitBtn16Click()
{
    context().TableSidePanelLayout(table_);
}

void ClampPanel::BitBtn35Click()
{
    acad::WorkingFields& f = w();
    const ClampType type = selectedType();
    const ClampSizes s = readSizes();
    f.Dim05 = readFloat(ui->Edit562);
    const ClampBends b = bendsOf(s, type);
    f.Dim02 = b.w;
    // Type III keeps the elevation of the bend centres below the pipe axis.
    f.Dim13 = type == ClampType::III ? -b.phi : b.phi;
    if (type == ClampType::I) {
        f.Dim11 = readFloat(ui->Edit559);
        f.Dim02 = readFloat(ui->Edit561);
    }
    const BlankStations x = type == ClampType::I ? blankStations(s, b, f.Dim05, f.Dim11, f.Dim02)
                                                 : blankStations(s, b, f.Dim05);
    drawBlank(f, type, s, x);
}

} // namespace seals
