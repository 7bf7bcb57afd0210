#pragma once
// The geometry of the front-six page, from its page table.

#include "app/layout/page_geometry.h"

namespace tesvik {

PageGeometry front6_page_geometry(const TextMeasure& measure);

}  // namespace tesvik
