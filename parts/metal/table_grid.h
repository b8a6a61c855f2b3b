#pragma once
// The grids of the family's table side panels as their layout files give
// them: read-only, row 0 the fixed header row, and the column widths of the
// grid's "columnWidths" property ("36,62,64,54").
class QTableWidget;

namespace metal {

void prepareLayoutGrid(QTableWidget* grid);

} // namespace metal
