#include "support/code_page.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace tesvik {

namespace {

constexpr std::string_view kReplacementUtf8 = "\xEF\xBF\xBD";  // U+FFFD

}  // namespace

std::string gbk_to_utf8(std::string_view gbk) {
  iconv_t cd = iconv_open("UTF-8", "GBK");
  if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("no GBK conversion");
  std::string out;
  out.reserve(gbk.size() * 3 / 2 + 16);
  char buffer[4096];
  char* src = const_cast<char*>(gbk.data());
  std::size_t src_left = gbk.size();
  while (src_left > 0) {
    char* dst = buffer;
    std::size_t dst_left = sizeof buffer;
    const std::size_t r = iconv(cd, &src, &src_left, &dst, &dst_left);
    out.append(buffer, static_cast<std::size_t>(dst - buffer));
    if (r != static_cast<std::size_t>(-1) || errno == E2BIG) continue;  // done, or the buffer was full
    // EILSEQ (no GBK character starts here) or EINVAL (cut off at the end).
    out += kReplacementUtf8;
    ++src;
    --src_left;
  }
  iconv_close(cd);
  return out;
}

}  // namespace tesvik
