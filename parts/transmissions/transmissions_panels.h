#pragma once
#include "app/shell/panel_context.h"

class QWidget;

namespace transmissions {

// Creates the family's panels (the pages of the V-belt wizard) as children
// of the window's client area, each named as the window's navigation knows it.
void createPanels(shell::PanelContext& context, QWidget* clientArea);

} // namespace transmissions
