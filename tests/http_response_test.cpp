// HTTP responses read as they arrive: every framing of the body, fed whole
// or a byte at a time, and the limits that end an answer without end.

#include <gtest/gtest.h>

#include <string>

#include "support/http_response.h"

namespace tesvik {
namespace {

using State = HttpResponseReader::State;

struct Read {
  State state;
  int status;
  std::string body;
};

// Feeds the bytes in pieces of `piece` bytes, then ends the stream when `close`.
Read read(const std::string& bytes, std::size_t piece, bool close, std::size_t max_body = 16) {
  HttpResponseReader r(max_body);
  for (std::size_t i = 0; i < bytes.size() && r.state() == State::Reading; i += piece)
    r.feed(std::string_view(bytes).substr(i, piece));
  if (close) r.end_of_stream();
  return {r.state(), r.status(), r.body()};
}

TEST(HttpResponse, FramingsReadTheSameWholeOrByteByByte) {
  const struct {
    std::string bytes;
    bool close;
    Read expected;
  } rows[] = {
      {"HTTP/1.1 200 OK\r\nContent-Length: 4\r\n\r\n[ok]and more", false, {State::Done, 200, "[ok]"}},
      {"HTTP/1.0 404 Not here\r\ncontent-length: 3\r\n\r\nabc", false, {State::Done, 404, "abc"}},
      {"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n2;x=1\r\nab\r\nA\r\n0123456789\r\n0\r\nT: 1\r\n\r\n",
       false,
       {State::Done, 200, "ab0123456789"}},
      {"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\nContent-Length: 99\r\n\r\n1\r\nx\r\n0\r\n\r\n",
       false,
       {State::Done, 200, "x"}},
      {"HTTP/1.1 200 OK\r\nConnection: close\r\n\r\nto the end", true, {State::Done, 200, "to the end"}},
      {"HTTP/1.1 200 OK\n\nbare lines", true, {State::Done, 200, "bare lines"}},
      {"HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok", false, {State::Done, 200, "ok"}},
      {"HTTP/1.1 204 No Content\r\n\r\n", false, {State::Done, 204, ""}},
      {"HTTP/1.1 200 OK\r\nContent-Length: 0\r\n\r\n", false, {State::Done, 200, ""}},
      // Cut short: a length or chunks not complete when the connection ends.
      {"HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nabc", true, {State::Failed, 200, "abc"}},
      {"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n5\r\nab", true, {State::Failed, 200, "ab"}},
      {"HTTP/1.1 200 OK\r\nContent-Le", true, {State::Failed, 0, ""}},
      // Malformed heads and chunks.
      {"HTTP/2 200 OK\r\n\r\n", false, {State::Failed, 0, ""}},
      {"HTTP/1.1 20x OK\r\n\r\n", false, {State::Failed, 0, ""}},
      {"HTTP/1.1 200OK\r\n\r\n", false, {State::Failed, 0, ""}},
      {"HTTP/1.1 200 OK\r\nno colon\r\n\r\n", false, {State::Failed, 200, ""}},
      {"HTTP/1.1 200 OK\r\nContent-Length: -1\r\n\r\n", false, {State::Failed, 200, ""}},
      {"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\nzz\r\n", false, {State::Failed, 200, ""}},
      {"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n1\r\nxy\r\n", false, {State::Failed, 200, "x"}},
      // Past the body limit of 16 bytes, however framed.
      {"HTTP/1.1 200 OK\r\nContent-Length: 17\r\n\r\n", false, {State::Failed, 200, ""}},
      {"HTTP/1.1 200 OK\r\nContent-Length: 99999999999999999999\r\n\r\n", false, {State::Failed, 200, ""}},
      {"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n8\r\n12345678\r\n9\r\n",
       false,
       {State::Failed, 200, "12345678"}},
      {"HTTP/1.1 200 OK\r\n\r\n12345678901234567", false, {State::Failed, 200, ""}},
  };
  for (const auto& row : rows) {
    for (const std::size_t piece : {row.bytes.size(), std::size_t{1}, std::size_t{7}}) {
      const Read got = read(row.bytes, piece, row.close);
      SCOPED_TRACE(row.bytes + " in pieces of " + std::to_string(piece));
      EXPECT_EQ(got.state, row.expected.state);
      if (got.state == State::Done) {
        EXPECT_EQ(got.status, row.expected.status);
        EXPECT_EQ(got.body, row.expected.body);
      }
    }
  }
}

TEST(HttpResponse, HeadsAndChunkLinesWithoutEndAreRefusedAtTheirLimits) {
  HttpResponseReader head(1024);
  const std::string header_line = "X-Filler: " + std::string(1000, 'x') + "\r\n";
  head.feed("HTTP/1.1 200 OK\r\n");
  std::size_t fed = 0;
  while (head.feed(header_line) == State::Reading) fed += header_line.size();
  EXPECT_LE(fed, HttpResponseReader::kMaxHeadBytes);

  HttpResponseReader chunk(1024);
  chunk.feed("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n");
  EXPECT_EQ(chunk.feed(std::string(HttpResponseReader::kMaxLineBytes, '0')), State::Reading);
  EXPECT_EQ(chunk.feed("0"), State::Failed);

  HttpResponseReader redirect(16);
  redirect.feed("HTTP/1.1 302 Found\r\nLocation:  /next \r\nContent-Length: 0\r\n\r\n");
  EXPECT_EQ(redirect.state(), State::Done);
  EXPECT_EQ(redirect.location(), "/next");
}

}  // namespace
}  // namespace tesvik
