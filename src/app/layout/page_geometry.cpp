#include "app/layout/page_geometry.h"

#include <algorithm>

#include "app/layout/condition_page_geometry.h"
#include "app/layout/front6_page_geometry.h"

namespace tesvik {

const PlacedControl* PageGeometry::find(ControlRef ref) const {
  const auto it = std::find_if(controls.begin(), controls.end(), [&](const PlacedControl& c) {
    return c.ref.array == ref.array && c.ref.index == ref.index;
  });
  return it == controls.end() ? nullptr : &*it;
}

PageGeometry page_geometry(int page, const TextMeasure& measure) {
  if (page >= 0 && page < 3) return condition_page_geometry(page_tables()[static_cast<std::size_t>(page)], measure);
  return front6_page_geometry(measure);
}

}  // namespace tesvik
