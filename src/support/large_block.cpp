#include "support/large_block.h"

#include <new>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace tesvik {

LargeBlock allocate_large(std::size_t bytes) {
  if (bytes == 0) bytes = 1;
  if (bytes < kLargePage / 2) {
    if (void* p = std::malloc(bytes)) return LargeBlock(static_cast<unsigned char*>(p));
    throw std::bad_alloc();
  }
  const std::size_t rounded = (bytes + kLargePage - 1) / kLargePage * kLargePage;
  void* p = std::aligned_alloc(kLargePage, rounded);
  if (!p) throw std::bad_alloc();
#ifdef __linux__
  // Only advice: where the system has no 2 MB pages the block works as any other.
  madvise(p, rounded, MADV_HUGEPAGE);
#endif
  return LargeBlock(static_cast<unsigned char*>(p));
}

}  // namespace tesvik
