#pragma once
// Element access by an index from a table or from user text: an index out
// of range throws std::out_of_range instead of reading past the vector.

#include <cstddef>
#include <vector>

namespace tesvik {

template <typename T>
T& checked_at(std::vector<T>& v, int i) {
  return v.at(static_cast<std::size_t>(i));
}

}  // namespace tesvik
