#pragma once
// The grids of the family's table side panels as their layout files give
// them: read-only, the header row shaded, and the column widths of the
// grid's "columnWidths" property ("31,58,60,80").
class QTableWidget;

namespace design {

void prepareLayoutGrid(QTableWidget* grid);

} // namespace design
