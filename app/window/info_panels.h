#pragma once
// The information panels of the help menu: about, contacts, controls help
// and tips. Their texts and pictures are in their layout files.
class QWidget;

namespace app {

// Creates Panel32, Panel120, Panel121 and Panel126 in the client area.
void createInformationPanels(QWidget* clientArea);

} // namespace app
