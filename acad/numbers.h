#pragma once
// Numbers in edit boxes: read and written with the decimal separator of the
// system's regional settings.
#include <QChar>
#include <QString>

namespace acad {

// The decimal separator in use: the system locale's unless set. Numbers are
// read and written the same way whatever the C runtime's numeric locale is.
QChar decimalSeparator();
// For tools that type their own texts with a fixed separator whatever the
// regional settings (the picture maker, the benchmarks).
void setDecimalSeparator(QChar separator);

// A decimal number: blanks around it are ignored, then an optional sign,
// digits with at most one decimal separator (at least one digit), and an
// optional exponent (E or e, an optional sign, digits). Anything else raises
// EConvertError "'<text>' is not a valid floating point value". A fault
// pending from the procedure's arithmetic is raised first; the conversion
// itself leaves the faults as they were.
double StrToFloat(const QString& text);

// A whole number in the 32-bit range, blanks around it ignored; otherwise
// EConvertError "'<text>' is not a valid integer value".
int StrToInt(const QString& text);

// The value rounded to `precision` significant digits (halves away from
// zero) and written with exactly `digits` decimals; a value whose integer
// part needs more than `precision` digits is written in exponent form.
// A fault pending from the computation of the value is raised first.
QString FloatToStrF(double value, int precision, int digits);

} // namespace acad
