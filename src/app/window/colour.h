#pragma once
// Stored colours (0x00BBGGRR) as Qt colours.

#include <QColor>

#include "app/colours.h"

namespace tesvik {

inline QColor to_qcolor(Colour c) { return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF)); }

}  // namespace tesvik
