// memcmp for the browser edition. The C library of emscripten compares a
// byte at a time; the boxes' memos compare megabytes of text at each run,
// which this does eight bytes at a time. Linked ahead of the C library's.
// Built with -fno-builtin, so that the compiler does not turn the loops
// back into a call of memcmp.

#include <cstddef>
#include <cstdint>

extern "C" int memcmp(const void* left, const void* right, std::size_t n) {
  auto l = static_cast<const unsigned char*>(left);
  auto r = static_cast<const unsigned char*>(right);
  for (; n >= 8; l += 8, r += 8, n -= 8) {
    std::uint64_t a, b;
    __builtin_memcpy(&a, l, 8);
    __builtin_memcpy(&b, r, 8);
    if (a != b) break;
  }
  for (; n > 0; ++l, ++r, --n)
    if (*l != *r) return *l - *r;
  return 0;
}
