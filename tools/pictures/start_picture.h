#pragma once
// The start picture of the window: a shaded scene of parts that the program
// draws, under its name.
#include <QImage>

namespace pictures {

QImage startPicture();

} // namespace pictures
