#include "app/window/text_mirror.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <cstdlib>

#include "support/utf8.h"

namespace tesvik {

namespace {

constexpr std::size_t kNowhere = std::string::npos;

// The application's text for raw, written at out, or only measured when out
// is null; returns its length in bytes.
std::size_t encode(QStringView raw, char* out) {
  std::size_t n = 0;
  char measured[4];
  const auto put = [&](char32_t c) { n += encode_utf8(c, out ? out + n : measured); };
  for (qsizetype i = 0; i < raw.size(); ++i) {
    const char16_t u = raw[i].unicode();
    if (u >= 0x20 && u < 0x80) {
      put(u);
    } else if (u == '\n' || u == QChar::ParagraphSeparator || u == QChar::LineSeparator || u == 0xFDD0 || u == 0xFDD1) {
      put('\r');  // also the document's frame markers, as its plain text has them
      put('\n');
    } else if (u == QChar::Nbsp) {
      put(' ');
    } else if (QChar::isHighSurrogate(u) && i + 1 < raw.size() && raw[i + 1].isLowSurrogate()) {
      put(QChar::surrogateToUcs4(u, raw[i + 1].unicode()));
      ++i;
    } else {
      put(QChar::isSurrogate(u) ? char32_t{'?'} : char32_t{u});
    }
  }
  return n;
}

// The bytes of `text` from `from` that hold `steps` document positions
// (backwards for negative steps): a CR LF is one position, a 4-byte
// character two (a surrogate pair), any other character one. kNowhere when
// the walk would end inside a character or outside the text.
std::size_t walk(std::string_view text, std::size_t from, long long steps) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  while (steps > 0) {
    if (from >= text.size()) return kNowhere;
    if (byte(from) == '\r' && from + 1 < text.size() && byte(from + 1) == '\n') {
      from += 2;
      --steps;
      continue;
    }
    const unsigned char lead = byte(from);
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    const int positions = length == 4 ? 2 : 1;
    if (positions > steps || from + length > text.size()) return kNowhere;
    from += length;
    steps -= positions;
  }
  while (steps < 0) {
    if (from == 0) return kNowhere;
    if (from >= 2 && byte(from - 2) == '\r' && byte(from - 1) == '\n') {
      from -= 2;
      ++steps;
      continue;
    }
    std::size_t lead = from - 1;
    while (lead > 0 && from - lead < 4 && (byte(lead) & 0xC0) == 0x80) --lead;
    const int positions = byte(lead) >= 0xF0 ? 2 : 1;
    if (positions > -steps) return kNowhere;
    from = lead;
    steps += positions;
  }
  return from;
}

// Appends the application's text for a document's raw text: block and line
// separators become CR LF, a no-break space a space (as the document's plain
// text has them), and an unpaired surrogate '?' as Qt's UTF-8 conversion writes it.
void append_model_text(std::string& out, QStringView raw) {
  const std::size_t at = out.size();
  out.resize(at + encode(raw, nullptr));
  encode(raw, out.data() + at);
}

// The application's text for the document's text from position on for
// length positions. Reading a block's text costs about five times more per
// character than the document's whole raw text, so a slice of a quarter of
// the document or more comes from the raw text, a smaller one block by
// block.
std::string model_slice(const QTextDocument& doc, int position, int length) {
  std::string out;
  if (length >= (doc.characterCount() - 1) / 4) {
    append_model_text(out, QStringView(doc.toRawText()).sliced(position, length));
    return out;
  }
  const int end = position + length;
  for (QTextBlock block = doc.findBlock(position); block.isValid() && block.position() < end; block = block.next()) {
    const int separator = block.position() + block.length() - 1;
    const int from = std::max(position, block.position());
    const int to = std::min(end, separator);
    if (from < to) append_model_text(out, QStringView(block.text()).sliced(from - block.position(), to - from));
    if (separator < end) out += "\r\n";
  }
  return out;
}

int plain_length(const QTextDocument& doc) { return doc.characterCount() - 1; }  // without the closing separator

// Whether text is the application's text for the document, made and
// compared a piece at a time so that no second copy of a long text is made.
bool shows(const QTextDocument& doc, std::string_view text) {
  const QString raw = doc.toRawText();
  constexpr qsizetype kPiece = 1 << 16;
  std::string piece;
  std::size_t at = 0;
  for (qsizetype i = 0; i < raw.size();) {
    qsizetype n = std::min(raw.size() - i, kPiece);
    if (i + n < raw.size() && raw[i + n - 1].isHighSurrogate()) ++n;  // keep a surrogate pair whole
    piece.clear();
    append_model_text(piece, QStringView(raw).sliced(i, n));
    if (text.substr(at, piece.size()) != piece) return false;
    at += piece.size();
    i += n;
  }
  return at == text.size();
}

}  // namespace

void TextMirror::restart(const QTextDocument& doc, std::string_view text) {
  matches_ = shows(doc, text);
  length_ = plain_length(doc);
  anchor_position_ = 0;
  anchor_byte_ = 0;
}

TextSplice TextMirror::whole(const QTextDocument& doc, std::string_view text) {
  TextSplice s{0, text.size(), model_slice(doc, 0, plain_length(doc))};
  matches_ = true;
  length_ = plain_length(doc);
  anchor_position_ = 0;
  anchor_byte_ = 0;
  return s;
}

TextSplice TextMirror::change(const QTextDocument& doc, std::string_view text, int position, int removed, int added) {
  if (!matches_) return whole(doc, text);
  // The document may count its closing separator into a change that
  // reaches its end; the lengths before and after tell the true counts.
  const int length = plain_length(doc);
  added = std::min(added, length - position);
  removed = added - (length - length_);
  if (position < 0 || added < 0 || removed < 0 || position + removed > length_) return whole(doc, text);
  // A change beside half a surrogate pair may pair or unpair characters
  // outside it.
  if ((position > 0 && doc.characterAt(position - 1).isHighSurrogate()) ||
      doc.characterAt(position + added).isLowSurrogate())
    return whole(doc, text);
  // Walk from the nearest of the text's start, its end and the last change.
  std::size_t from = 0;
  int from_position = 0;
  if (length_ - position < position) {
    from = text.size();
    from_position = length_;
  }
  if (std::abs(position - anchor_position_) < std::abs(position - from_position)) {
    from = anchor_byte_;
    from_position = anchor_position_;
  }
  const std::size_t at = walk(text, from, static_cast<long long>(position) - from_position);
  const std::size_t end = at == kNowhere ? kNowhere : walk(text, at, removed);
  if (end == kNowhere) return whole(doc, text);
  TextSplice s{at, end - at, model_slice(doc, position, added)};
  length_ = length;
  anchor_position_ = position + added;
  anchor_byte_ = at + s.with.size();
  return s;
}

}  // namespace tesvik
