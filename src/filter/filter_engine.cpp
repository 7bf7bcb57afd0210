#include "filter/filter_engine.h"

#include <stdexcept>

#include "model/universe.h"

namespace tesvik {

FilterEngine::FilterEngine()
    : matrices_{ConditionMatrix(universe_size(3)), ConditionMatrix(universe_size(4)),
                ConditionMatrix(universe_size(5))} {}

namespace {
std::size_t slot(int places) {
  if (places < 3 || places > 5) throw std::out_of_range("places must be 3..5");
  return static_cast<std::size_t>(places - 3);
}
}  // namespace

ConditionMatrix& FilterEngine::matrix(int places) { return matrices_[slot(places)]; }

const ConditionMatrix& FilterEngine::matrix(int places) const { return matrices_[slot(places)]; }

}  // namespace tesvik
