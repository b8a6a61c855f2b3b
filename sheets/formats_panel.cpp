#include "sheets/formats_panel.h"

#include "sheets/a4_division.h"
#include "sheets/format_snapping.h"
#include "sheets/sheet_frame.h"
#include "sheets/title_block.h"

#include "ui_formats_panel.h"

namespace sheets {

FormatsPanel::FormatsPanel(shell::PanelContext& context, QWidget* parent)
    : PartPanel(context, parent), ui(std::make_unique<Ui::Panel2>())
{
    ui->setupUi(this);
    onClick(ui->BitBtn62, &FormatsPanel::BitBtn62Click);
    onClick(ui->BitBtn101, &FormatsPanel::BitBtn101Click);
    onClick(ui->BitBtn102, &FormatsPanel::BitBtn102Click);
}

FormatsPanel::~FormatsPanel() = default;

void FormatsPanel::BitBtn62Click()
{
    w().LineStart = acad::AcadPoint();
    w().LineEnd = acad::AcadPoint();
    // Both sizes are read before either is kept, so that a size that is not
    // a number leaves the stored sheet as it was.
    const double L = readFloat(ui->Edit457);
    const double H = readFloat(ui->Edit458);
    w().Dim06 = L;
    w().Dim01 = H;
    snapFormat(w().Dim06, w().Dim01, 5);
    sheets::drawFrame(w(), w().Dim06, w().Dim01);
}

void FormatsPanel::BitBtn101Click()
{
    writeTitleBlock(w(), w().Dim06, w().Dim01);
}

void FormatsPanel::BitBtn102Click()
{
    divideIntoA4(w());
}

} // namespace sheets
