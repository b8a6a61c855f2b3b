#include "parts/metal/pipe_panel.h"

#include "ui_pipe_panel.h"

namespace metal {

namespace {

enum { b, h, t, L, R };

// An outer radius below the wall (or none) would leave the bore's corners
// without a radius: such an R becomes t + 0.0001, in the bank only.
void cornerRadiusRule(Values& v, acad::WorkingFields& w)
{
    if (v[R] < v[t] || v[R] == 0)
        w.Dim07 = v[R] = v[t] + 0.0001;
}

} // namespace

PipePanel::PipePanel(shell::PanelContext& context, QWidget* parent, QWidget* tables)
    : PartPanel(context, parent), ui(std::make_unique<Ui::Panel10>()), tables_(tables)
{
    ui->setupUi(this);
    profile_ = {{{ui->Edit5, 4}, {ui->Edit6, 1}, {ui->Edit7, 5}, {ui->Edit8, 6}, {ui->Edit522, 7}},
                L,
                cornerRadiusRule,
                {[](const Values& v) { return pipeOuter(v[b], v[h], v[R]); },
                 [](const Values& v) { return pipeInner(v[b], v[h], v[t], v[R]); }}};
    onClick(ui->BitBtn4, &PipePanel::BitBtn4Click);
    onClick(ui->BitBtn5, &PipePanel::BitBtn5Click);
}

PipePanel::~PipePanel() = default;

void PipePanel::BitBtn4Click()
{
    drawExtruded(w(), profile_);
}

void PipePanel::BitBtn5Click()
{
    context().TableSidePanelLayout(tables_);
}

} // namespace metal
