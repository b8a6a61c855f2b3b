#pragma once
// The page buttons of the V-belt wizard.
#include "app/shell/panel_context.h"

#include <QWidget>

namespace transmissions {

// Connects the forward and back buttons of the five pages, children of the
// client area: each sizes the pages it names, the forward buttons of pages
// 1 to 3 after collapsing every panel of the window.
void connectPageButtons(shell::PanelContext& context, QWidget* clientArea);

} // namespace transmissions
