#pragma once
// The pose file "M0_P0.db" in the current directory: one line for each value
// of the pose record, in the record's order, the value times 100 as a whole
// number, each line ending in CR LF.
#include "figure/pose_record.h"

#include <QString>
#include <QStringList>

#include <array>

namespace figure {

constexpr const char* kPoseFileName = "M0_P0.db";

// The line written for a value's hundredfold: rounded to a whole number,
// halves away from zero, without a sign when it rounds to zero. A value too
// large for seven digits is written with all the digits of its rounding.
QString poseFileLine(double hundredfold);

// Writes the lines, each with CR LF, into a new file beside the pose file
// that replaces it only once it is complete: a failure leaves the old file as
// it was. Failures are EInOutError (access denied, disk full).
void writePoseFile(const QStringList& lines);

// The 123 numbers of the pose file as they stand in it (each the hundredfold
// of a value). A value is the next number in the file, blanks, tabs and line
// ends before it skipped; it ends at the first blank, tab or control
// character and is read with a point as its decimal separator, with an
// optional sign, fraction and exponent; the rest of its line is skipped.
// Values missing at the end of the file read as 0. Failures are EInOutError:
// a missing file, one that cannot be read, a value that is not a number.
std::array<double, kPoseSize> readPoseFile();

// The numbers of a pose file's contents, by the same rules.
std::array<double, kPoseSize> parsePoseFile(const QByteArray& contents);

} // namespace figure
