#pragma once
#include "app/shell/panel_context.h"

class QWidget;

namespace sheets {

// Creates the drawing-formats panel and the mass calculator as children of
// the window's client area, each named as the window's navigation knows it.
void createPanels(shell::PanelContext& context, QWidget* clientArea);

} // namespace sheets
