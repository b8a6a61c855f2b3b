#pragma once
#include "app/shell/panel_context.h"

class QWidget;

namespace design {

// Creates the family's part panels and table side panels as children of the
// window's client area, each named as the window's navigation knows it.
void createPanels(shell::PanelContext& context, QWidget* clientArea);

} // namespace design
