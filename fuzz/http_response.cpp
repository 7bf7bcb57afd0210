// Any bytes from a server, as the HTTP reader takes them: the first byte
// chooses the size of the pieces they arrive in. Whatever comes, the reader
// holds no more body than its limit and a read that ended stays ended.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "support/http_response.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  using tesvik::HttpResponseReader;
  const std::size_t piece = 1 + data[0] % 64;
  const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  constexpr std::size_t kLimit = 256;
  HttpResponseReader reader(kLimit);
  for (std::size_t i = 0; i < bytes.size(); i += piece) {
    const auto before = reader.state();
    const auto after = reader.feed(bytes.substr(i, piece));
    if (before != HttpResponseReader::State::Reading && after != before) std::abort();
    if (reader.body().size() > kLimit) std::abort();
  }
  reader.end_of_stream();
  if (reader.body().size() > kLimit) std::abort();
  return 0;
}
