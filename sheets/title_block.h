#pragma once
// The placeholder texts of a sheet: the format label under the frame, the
// captions and sample entries of the title block, the captions of the margin
// columns, the designation (also upside down in the upper-left box), the
// material written as a fraction and the technical notes above the title
// block. Every text and position is fixed; positions follow the sheet
// length L and height H.
#include "acad/fields.h"
#include "sheets/sheet_coords.h"

#include <span>

namespace sheets {

enum class Turn { None, Quarter, Half };

struct TitleText {
    const char* text; // UTF-8
    SheetCoord x, y;  // the insertion point
    double width;
    double height;    // 0: the drawing's default height is kept
    int attachment;   // 0: not written
    Turn turn;
};

// The 44 texts in writing order.
std::span<const TitleText> titleTexts();

// The fraction line of the material entry, drawn between texts 43 and 44.
struct FractionLine {
    SheetCoord x1, y1, x2, y2;
    int lineweight;
};
FractionLine fractionLine();

// Writes the texts and the fraction line for a sheet of length L and height
// H. The height, the attachment and the rotation are written by name on
// each new text, in that order, where a text has them.
void writeTitleBlock(acad::WorkingFields& w, double L, double H);

} // namespace sheets
