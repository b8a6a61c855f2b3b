#pragma once
// The part families of the program. Each family library creates its part
// panels and table side panels as children of the window's client area.
#include "app/shell/panel_context.h"

#include <vector>

class QWidget;

namespace app {

using CreatePanels = void (*)(shell::PanelContext& context, QWidget* clientArea);

// Every family, in the order in which its panels are created.
std::vector<CreatePanels> partFamilies();

} // namespace app
