#pragma once
// A panel's picture from its record: the part drawn by the panel, projected
// as a line drawing, with its dimension marks, fitted into the size of the
// panel's picture on white.
#include "tools/pictures/records.h"

#include <QImage>

namespace pictures {

QImage partPicture(const PartPicture& record);

} // namespace pictures
