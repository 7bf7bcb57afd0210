#pragma once
// The geometry of a page of front three, four or five, from its page table.

#include "app/layout/page_geometry.h"
#include "app/pages/page_tables.h"

namespace tesvik {

PageGeometry condition_page_geometry(const PageTable& table, const TextMeasure& measure);

}  // namespace tesvik
