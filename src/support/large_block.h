#pragma once
// Memory for the large tables that a run fills (a byte per front-six pick,
// a count per positional key). The first touch of each 4 KB page traps into
// the system, and on a virtual machine that costs several microseconds: a
// table of 1.8 MB takes hundreds of them, more than the run's own work. A
// block of 1 MB or more is therefore aligned to 2 MB and asks the system for
// 2 MB pages, which fault once each.

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <type_traits>

namespace tesvik {

inline constexpr std::size_t kLargePage = std::size_t{2} << 20;

struct LargeFree {
  void operator()(void* p) const noexcept { std::free(p); }
};
using LargeBlock = std::unique_ptr<unsigned char[], LargeFree>;

// `bytes` of memory, contents undefined. Throws std::bad_alloc.
LargeBlock allocate_large(std::size_t bytes);

// A fixed number of zero-initialised counts in a large block.
template <typename T>
class LargeTable {
  static_assert(std::is_arithmetic_v<T>);

 public:
  LargeTable() = default;
  explicit LargeTable(std::size_t n) : block_(allocate_large(n * sizeof(T))), size_(n) {
    std::memset(block_.get(), 0, n * sizeof(T));
  }

  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  T* data() { return reinterpret_cast<T*>(block_.get()); }
  const T* data() const { return reinterpret_cast<const T*>(block_.get()); }
  T& operator[](std::size_t i) { return data()[i]; }
  const T& operator[](std::size_t i) const { return data()[i]; }

 private:
  LargeBlock block_;
  std::size_t size_ = 0;
};

}  // namespace tesvik
