#include "app/window/box_text.h"

#include <algorithm>

#include "app/window/qt_text.h"
#include "support/utf8.h"

namespace tesvik {

namespace {

// The length of the UTF-8 sequence that starts with `lead`.
std::size_t sequence_length(unsigned char lead) { return lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1; }

bool breaks_line(char16_t u) {
  // U+FDD0 and U+FDD1 are the frame markers of Qt's text documents, which
  // end a line there as a paragraph separator does.
  return u == '\n' || u == '\r' || u == QChar::ParagraphSeparator || u == QChar::LineSeparator || u == 0xFDD0 ||
         u == 0xFDD1;
}

}  // namespace

void append_box_text(std::string& out, QStringView raw) {
  char code[4];
  for (qsizetype i = 0; i < raw.size(); ++i) {
    const char16_t u = raw[i].unicode();
    if (u >= 0x20 && u < 0x80) {
      out += static_cast<char>(u);
    } else if (breaks_line(u)) {
      if (u == '\r' && i + 1 < raw.size() && raw[i + 1] == u'\n') ++i;
      out += "\r\n";
    } else if (u == QChar::Nbsp) {
      out += ' ';
    } else if (QChar::isHighSurrogate(u) && i + 1 < raw.size() && raw[i + 1].isLowSurrogate()) {
      out.append(code, encode_utf8(QChar::surrogateToUcs4(u, raw[i + 1].unicode()), code));
      ++i;
    } else {
      out.append(code, encode_utf8(QChar::isSurrogate(u) ? char32_t{'?'} : char32_t{u}, code));
    }
  }
}

std::string box_text(QStringView raw) {
  std::string out;
  out.reserve(static_cast<std::size_t>(raw.size()));
  append_box_text(out, raw);
  return out;
}

bool is_box_text(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c == '\r') {
      if (i + 1 == text.size() || text[i + 1] != '\n') return false;
      i += 2;
    } else if (c == '\n') {
      return false;
    } else if (c < 0x80) {
      ++i;
    } else {
      const std::size_t from = i;
      const char32_t cp = next_code_point(text, i);
      const bool malformed = cp == 0xFFFD && i - from != 3;
      if (malformed || (cp <= 0xFFFF && breaks_line(static_cast<char16_t>(cp))) || cp == QChar::Nbsp) return false;
    }
  }
  return true;
}

QString clipboard_text(std::string_view text) {
  return from_utf8(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

qsizetype utf16_length(std::string_view bytes) {
  qsizetype units = 0;
  for (std::size_t i = 0; i < bytes.size(); i += sequence_length(static_cast<unsigned char>(bytes[i])))
    units += sequence_length(static_cast<unsigned char>(bytes[i])) == 4 ? 2 : 1;
  return units;
}

std::size_t bytes_of_units(std::string_view line, qsizetype units) {
  std::size_t i = 0;
  while (i < line.size()) {
    const std::size_t length = sequence_length(static_cast<unsigned char>(line[i]));
    const qsizetype needed = length == 4 ? 2 : 1;
    if (needed > units) break;
    units -= needed;
    i += length;
  }
  return std::min(i, line.size());
}

}  // namespace tesvik
