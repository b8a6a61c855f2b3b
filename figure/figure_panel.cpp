#include "figure/figure_panel.h"

#include "acad/numbers.h"
#include "figure/assembly.h"
#include "figure/pose_file.h"

#include "ui_figure_panel.h"

#include <QStringList>

namespace figure {

namespace {

// The work area below the toolbar: the strip keeps its top 33 pixels and a
// page fills the rest.
constexpr int kWorkWidth = 601;
constexpr int kStripHeight = 33;
constexpr int kPageHeight = 425;

int decimalsOf(PoseKind kind)
{
    return kind == PoseKind::Colour ? 0 : 2;
}

} // namespace

FigurePanel::FigurePanel(shell::PanelContext& context, QWidget* parent, QWidget* bodyPage, QWidget* fingerPage)
    : PartPanel(context, parent), ui(std::make_unique<Ui::Panel61>()), bodyPage_(bodyPage), fingerPage_(fingerPage),
      edits_(findPoseEdits(bodyPage, fingerPage))
{
    ui->setupUi(this);
    onClick(ui->BitBtn97, &FigurePanel::BitBtn97Click);
    onClick(ui->BitBtn58, &FigurePanel::BitBtn58Click);
    onClick(ui->BitBtn60, &FigurePanel::BitBtn60Click);
    onClick(ui->BitBtn98, &FigurePanel::BitBtn98Click);
    onClick(ui->BitBtn59, &FigurePanel::BitBtn59Click);
    onClick(ui->BitBtn57, &FigurePanel::BitBtn57Click);
}

FigurePanel::~FigurePanel() = default;

void FigurePanel::BitBtn97Click()
{
    acad::WorkingFields& f = w();
    for (int i = 0; i < kPoseSize; ++i) {
        const PoseValue& v = kPoseValues[i];
        f.Dim01 = v.kind == PoseKind::Height ? kReferenceHeight : v.kind == PoseKind::Angle ? 0.0 : v.initial;
        writeFloat(edits_[i], f.Dim01, 7, decimalsOf(v.kind));
    }
}

void FigurePanel::BitBtn58Click()
{
    // Every text is converted before the file is touched, so a text that is
    // not a number leaves the saved pose as it was.
    acad::WorkingFields& f = w();
    std::array<double, kPoseSize> hundredfold{};
    for (int i = 0; i < kPoseSize; ++i) {
        f.Dim01 = readFloat(edits_[i]) * 100;
        hundredfold[i] = f.Dim01;
    }
    QStringList lines;
    for (double value : hundredfold) {
        ui->Edit202->setText(poseFileLine(value));
        lines << ui->Edit202->text();
    }
    writePoseFile(lines);
}

void FigurePanel::BitBtn60Click()
{
    // Every value is read and checked before an edit changes.
    const std::array<double, kPoseSize> numbers = readPoseFile();
    acad::WorkingFields& f = w();
    std::array<QString, kPoseSize> texts;
    for (int i = 0; i < kPoseSize; ++i) {
        f.Dim01 = numbers[i] / 100;
        texts[i] = acad::FloatToStrF(f.Dim01, 7, decimalsOf(kPoseValues[i].kind));
    }
    for (int i = 0; i < kPoseSize; ++i)
        edits_[i]->setText(texts[i]);
}

void FigurePanel::BitBtn98Click()
{
    showPage(bodyPage_);
}

void FigurePanel::BitBtn59Click()
{
    showPage(fingerPage_);
}

void FigurePanel::BitBtn57Click()
{
    Assembly assembly(w(), bodyPage_, fingerPage_);
    drawFigure(assembly);
}

void FigurePanel::showPage(QWidget* page)
{
    for (QWidget* p : {bodyPage_, fingerPage_})
        p->resize(p == page ? QSize(kWorkWidth, kPageHeight) : QSize(0, 0));
    resize(kWorkWidth, kStripHeight);
}

} // namespace figure
