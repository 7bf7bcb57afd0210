#pragma once
// An HTTP/1.1 response read as its bytes arrive, with hard limits: the head
// (status line and headers) and the body each have a most that is ever
// held, so that a server that sends on and on, or sends a body without end,
// is refused as soon as it passes them. The body may be framed by
// Content-Length, by chunks or by the end of the connection.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tesvik {

class HttpResponseReader {
 public:
  enum class State { Reading, Done, Failed };

  explicit HttpResponseReader(std::size_t max_body) : max_body_(max_body) {}

  // Takes the next bytes from the connection; the state after them. Bytes
  // after the end of the response are ignored.
  State feed(std::string_view bytes);
  // The connection has ended: ends a body without a length, fails any other
  // unfinished response.
  State end_of_stream();

  State state() const { return state_; }
  int status() const { return status_; }
  const std::string& location() const { return location_; }  // the Location header, empty without one
  const std::string& body() const { return body_; }

  static constexpr std::size_t kMaxHeadBytes = 64 * 1024;
  static constexpr std::size_t kMaxLineBytes = 1024;  // a chunk's size line or a trailer

 private:
  enum class Framing { Length, Chunked, Close };
  enum class Step { Head, Body, ChunkSize, ChunkData, ChunkEnd, Trailer };

  bool read_head(std::string_view head);
  bool header(std::string_view name, std::string_view value);
  State fail() { return state_ = State::Failed; }
  State done() { return state_ = State::Done; }
  // One step on the buffered bytes; false when it needs more.
  bool step();
  bool take_body(std::size_t count);

  std::size_t max_body_;
  State state_ = State::Reading;
  Step step_ = Step::Head;
  Framing framing_ = Framing::Close;
  std::string pending_;  // bytes not yet consumed
  std::size_t consumed_ = 0;
  int status_ = 0;
  std::uint64_t remaining_ = 0;  // of the body or the current chunk
  std::string location_;
  std::string body_;
};

}  // namespace tesvik
