#pragma once
// The light single clamps of GOST 17678 that the clamp table lists and its
// row loader copies into the clamp panel: rows 1 to 21 of type III, 22 to 46
// of type II, 47 to 73 of type I, numbered straight through.
#include "app/shell/table_side_panel.h"

namespace seals::clamp_sizes {

enum class ClampType { I, II, III };

constexpr int kFirstRow = 1;
constexpr int kLastRow = 73;
// Rows above this one are of type I and set the tab's depth as well.
constexpr int kLastRowWithoutTab = 46;
// The depth of the tab below the feet that every type I row sets.
constexpr double kTabDepth = 4;

// One row: the type and the sizes in millimetres (L1 only for type I).
struct ClampRow {
    ClampType type;
    double D, H, r, S, L, B, d, A, L1;
};

const ClampRow& row(int n); // 1 to 73

// The grid's texts for one type: the header, then the type's rows.
shell::GridText gridText(ClampType type);

} // namespace seals::clamp_sizes
