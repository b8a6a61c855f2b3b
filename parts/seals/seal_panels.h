#pragma once
#include "app/shell/panel_context.h"

class QWidget;

namespace seals {

// Creates the seal panels and the collar table as children of the window's
// client area, each named as the window's navigation knows it.
void createPanels(shell::PanelContext& context, QWidget* clientArea);

} // namespace seals
