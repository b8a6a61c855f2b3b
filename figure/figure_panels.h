#pragma once
#include "app/shell/panel_context.h"

class QWidget;

namespace figure {

// Creates the worker figure's panel and its two pages as children of the
// window's client area, each named as the window's navigation knows it.
void createPanels(shell::PanelContext& context, QWidget* clientArea);

} // namespace figure
