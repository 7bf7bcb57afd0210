#include "support/http_response.h"

#include <algorithm>
#include <cctype>

namespace tesvik {

namespace {

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

bool same_name(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

// A number in the given base, all of `s`; false when it is not one or
// passes `most`.
bool number(std::string_view s, int base, std::uint64_t most, std::uint64_t& out) {
  if (s.empty() || s.size() > 16) return false;
  out = 0;
  for (char c : s) {
    const auto u = static_cast<unsigned char>(c);
    int digit = 0;
    if (std::isdigit(u)) digit = c - '0';
    else if (base == 16 && std::isxdigit(u)) digit = std::tolower(u) - 'a' + 10;
    else return false;
    out = out * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
    if (out > most) return false;
  }
  return true;
}

}  // namespace

HttpResponseReader::State HttpResponseReader::feed(std::string_view bytes) {
  if (state_ != State::Reading) return state_;
  pending_.append(bytes);
  while (state_ == State::Reading && step()) {
  }
  // What was consumed goes, so that the buffer never holds more than a step needs.
  pending_.erase(0, consumed_);
  consumed_ = 0;
  return state_;
}

HttpResponseReader::State HttpResponseReader::end_of_stream() {
  if (state_ != State::Reading) return state_;
  if (step_ == Step::Body && framing_ == Framing::Close) return done();
  return fail();
}

bool HttpResponseReader::step() {
  const std::string_view rest = std::string_view(pending_).substr(consumed_);
  if (step_ == Step::Body || step_ == Step::ChunkData) {
    if (rest.empty()) return false;
    std::size_t count = rest.size();
    if (framing_ != Framing::Close) count = static_cast<std::size_t>(std::min<std::uint64_t>(count, remaining_));
    return take_body(count);
  }
  if (step_ == Step::Head) {
    // The head ends at an empty line (CR LF or a bare LF).
    std::size_t head_end = rest.find("\r\n\r\n");
    if (head_end != std::string_view::npos) head_end += 4;
    const std::size_t bare = rest.find("\n\n");
    if (bare != std::string_view::npos) head_end = std::min(head_end, bare + 2);
    if (head_end == std::string_view::npos || head_end > kMaxHeadBytes) {
      if (rest.size() > kMaxHeadBytes) fail();
      return false;
    }
    consumed_ += head_end;
    if (!read_head(rest.substr(0, head_end))) fail();
    return true;
  }
  // The lines around chunks: a size, the end of a chunk's data, trailers.
  const std::size_t line_end = rest.find('\n');
  if (line_end == std::string_view::npos) {
    if (rest.size() > kMaxLineBytes) fail();
    return false;
  }
  const std::string_view line = trimmed(rest.substr(0, line_end));
  consumed_ += line_end + 1;
  switch (step_) {
    case Step::ChunkSize:
      if (!number(trimmed(line.substr(0, line.find(';'))), 16, max_body_, remaining_) ||
          body_.size() + remaining_ > max_body_)
        fail();
      else step_ = remaining_ == 0 ? Step::Trailer : Step::ChunkData;
      return true;
    case Step::ChunkEnd:
      if (!line.empty()) fail();
      step_ = Step::ChunkSize;
      return true;
    default:  // Step::Trailer
      if (line.empty()) done();
      return true;
  }
}

bool HttpResponseReader::take_body(std::size_t count) {
  if (body_.size() + count > max_body_) {
    fail();
    return false;
  }
  body_.append(pending_, consumed_, count);
  consumed_ += count;
  if (framing_ == Framing::Close) return true;
  remaining_ -= count;
  if (remaining_ != 0) return true;
  if (step_ == Step::ChunkData) step_ = Step::ChunkEnd;
  else done();
  return true;
}

bool HttpResponseReader::read_head(std::string_view head) {
  const std::size_t first_end = head.find('\n');
  const std::string_view status_line = trimmed(head.substr(0, first_end));
  std::uint64_t code = 0;
  if (!status_line.starts_with("HTTP/1.") || status_line.size() < 12 || status_line[8] != ' ' ||
      !number(status_line.substr(9, 3), 10, 999, code) || (status_line.size() > 12 && status_line[12] != ' '))
    return false;
  status_ = static_cast<int>(code);
  framing_ = Framing::Close;
  location_.clear();
  for (std::size_t start = first_end + 1; start < head.size();) {
    std::size_t end = head.find('\n', start);
    if (end == std::string_view::npos) end = head.size();
    const std::string_view line = trimmed(head.substr(start, end - start));
    start = end + 1;
    if (line.empty()) continue;
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos || !header(trimmed(line.substr(0, colon)), trimmed(line.substr(colon + 1))))
      return false;
  }
  if (status_ >= 100 && status_ < 200) {  // an interim answer: the real one follows
    step_ = Step::Head;
    return true;
  }
  if (status_ == 204 || status_ == 304 || (framing_ == Framing::Length && remaining_ == 0)) {
    step_ = Step::Body;
    done();
    return true;
  }
  step_ = framing_ == Framing::Chunked ? Step::ChunkSize : Step::Body;
  return true;
}

bool HttpResponseReader::header(std::string_view name, std::string_view value) {
  if (same_name(name, "Content-Length")) {
    if (framing_ == Framing::Chunked) return true;  // chunks win over a length
    framing_ = Framing::Length;
    return number(value, 10, max_body_, remaining_);
  }
  if (same_name(name, "Transfer-Encoding")) {
    std::string lower(value);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    if (lower.find("chunked") != std::string::npos) framing_ = Framing::Chunked;
    return true;
  }
  if (same_name(name, "Location")) location_ = std::string(value);
  return true;
}

}  // namespace tesvik
