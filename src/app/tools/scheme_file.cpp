#include "app/tools/scheme_file.h"

#include <charconv>
#include <optional>
#include <set>
#include <utility>

#include "app/front_six/front6_page_table.h"
#include "front6/pasted_list.h"
#include "support/text.h"
#include "support/text_escape.h"
#include "support/utf8.h"

namespace tesvik {

namespace {

constexpr std::string_view kMagic = "tesvik-scheme";
constexpr std::string_view kVersion = "1";
constexpr std::string_view kBom = "\xEF\xBB\xBF";

int mode_number(Mode mode) { return places_of(mode); }

// A word of the file as an error reason quotes it: as it stands when it is
// short UTF-8, else an ellipsis, so that a message never carries broken text.
std::string shown(std::string_view word) {
  constexpr std::size_t kLongest = 40;
  return word.size() <= kLongest && valid_utf8(word) ? std::string(word) : std::string("…");
}

std::string_view key_of(SchemeKind kind) {
  switch (kind) {
    case SchemeKind::Button: return "colour";
    case SchemeKind::Selector: return "range";
    case SchemeKind::CompoundRows: return "row";
    default: return "text";
  }
}

std::string_view page_name(int mode) {
  switch (mode) {
    case 3: return "前三";
    case 4: return "前四";
    case 5: return "前五";
    default: return "前六";
  }
}

template <typename T>
std::optional<T> whole_number(std::string_view word) {
  T value{};
  const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (ec != std::errc() || end != word.data() + word.size() || word.empty() || word[0] == '-') return std::nullopt;
  return value;
}

// The first line: the mode it names, or the error.
std::variant<int, std::string> header_mode(std::string_view line) {
  std::string_view rest = line;
  const std::string_view magic = next_word(rest), version = next_word(rest), mode = next_word(rest);
  if (magic != kMagic || !next_word(rest).empty())
    return std::string("不是方案文件，第一行应为 \"tesvik-scheme 1 页面\"");
  if (version != kVersion) return "方案格式版本 " + shown(version) + " 本程序不认识";
  const std::optional<int> m = whole_number<int>(mode);
  if (!m || *m < 3 || *m > 6) return "页面 " + shown(mode) + " 不存在（应为3、4、5或6）";
  return *m;
}

// A selector range "lo<*>hi" whose bounds its lists offer ("a*b": a..b).
bool valid_range(const SchemeControl& c, std::string_view text) {
  const std::string_view items = q6_selector_items(c.index);
  const std::size_t star = items.find('*'), mark = text.find("<*>");
  if (star == std::string_view::npos || mark == std::string_view::npos) return false;
  const std::optional<int> least = whole_number<int>(items.substr(0, star));
  const std::optional<int> largest = whole_number<int>(items.substr(star + 1));
  for (const std::string_view bound : {text.substr(0, mark), text.substr(mark + 3)}) {
    const std::optional<int> v = whole_number<int>(bound);
    if (!v || !least || !largest || *v < *least || *v > *largest || (bound.size() > 1 && bound[0] == '0')) return false;
  }
  return true;
}

// Checks a value against what its control accepts; the reason when it does not.
std::optional<std::string> value_error(const SchemeControl& c, const SchemeEntry& e) {
  const std::string name = std::string(c.word) + " " + std::to_string(c.index);
  switch (c.kind) {
    case SchemeKind::Button:
      for (Colour allowed : c.colours)
        if (allowed == e.colour) return std::nullopt;
      return "按钮 " + name + " 不能是颜色 " + std::to_string(e.colour);
    case SchemeKind::Selector: {
      if (valid_range(c, e.text)) return std::nullopt;
      std::string items;
      for (char ch : q6_selector_items(c.index)) items += ch == '*' ? std::string("～") : std::string(1, ch);
      return name + " 的范围应为 \"下限<*>上限\"，取值 " + items;
    }
    case SchemeKind::TextBox:
    case SchemeKind::PastedList:
      if (!valid_utf8(e.text)) return name + " 的文字不是UTF-8";
      if (c.kind == SchemeKind::PastedList && read_pasted_list(e.text).status != PasteStatus::Read)
        return name + " 的文字不是号码列表";
      return std::nullopt;
    case SchemeKind::ComboBox:
    case SchemeKind::CompoundRows:
      if (!valid_utf8(e.text)) return name + " 的文字不是UTF-8";
      if (character_count(e.text) > kSchemeLineChars) return name + " 的文字超过方框能接受的长度";
      if (e.text.find_first_of("\r\n") != std::string::npos) return name + " 的文字只能有一行";
      return std::nullopt;
  }
  return std::nullopt;
}

// One control line read into its entry, or the reason it cannot be.
std::variant<SchemeEntry, std::string> control_line(std::string_view line, Mode mode) {
  std::string_view rest = line;
  const std::string_view word = next_word(rest), index_word = next_word(rest);
  const std::optional<int> index = whole_number<int>(index_word);
  if (!index) return "应为 \"控件 序号 名=值\"";
  const SchemeControl* c = find_scheme_control(mode, word, *index);
  if (!c) return "本页没有可保存的控件 " + shown(word) + " " + shown(index_word);
  rest = trim_blanks(rest);
  const std::string_view key = key_of(c->kind);
  if (rest.size() <= key.size() || rest.substr(0, key.size()) != key || rest[key.size()] != '=')
    return shown(word) + " " + shown(index_word) + " 应写 " + std::string(key) + "=";
  const std::string_view value = rest.substr(key.size() + 1);
  SchemeEntry e{c, kNeutral, {}};
  if (c->kind == SchemeKind::Button) {
    const std::optional<Colour> colour = whole_number<Colour>(value);
    if (!colour) return "颜色应为十进制数";
    e.colour = *colour;
  } else {
    if (!valid_utf8(value)) return std::string(c->word) + " " + std::to_string(c->index) + " 的文字不是UTF-8";
    auto text = unquote_text(value);
    if (std::holds_alternative<TextError>(text)) return "文字的引号或转义写错了";
    e.text = std::move(std::get<std::string>(text));
  }
  if (auto bad = value_error(*c, e)) return *bad;
  return e;
}

std::string header_line(Mode mode) {
  return std::string(kMagic) + " " + std::string(kVersion) + " " + std::to_string(mode_number(mode)) + "\n";
}

std::string entry_line(const SchemeEntry& e) {
  const SchemeControl& c = *e.control;
  return std::string(c.word) + " " + std::to_string(c.index) + " " + std::string(key_of(c.kind)) + "=" +
         (c.kind == SchemeKind::Button ? std::to_string(e.colour) : quote_text(e.text)) + "\n";
}

}  // namespace

std::string write_scheme(Mode mode, const std::vector<SchemeEntry>& entries) {
  std::string out = header_line(mode);
  for (const SchemeEntry& e : entries) out += entry_line(e);
  return out;
}

std::optional<std::string> unloadable(Mode mode, const std::vector<SchemeEntry>& entries) {
  std::size_t size = header_line(mode).size();
  for (const SchemeEntry& e : entries) {
    if (auto bad = value_error(*e.control, e)) return bad;
    size += entry_line(e).size();
    if (size > kSchemeFileBytes)
      return std::string(e.control->word) + " " + std::to_string(e.control->index) + " 的文字太长，方案文件会超过64MB";
  }
  return std::nullopt;
}

std::variant<std::vector<SchemeEntry>, SchemeError> read_scheme(std::string_view text, Mode mode) {
  if (text.size() > kSchemeFileBytes) return SchemeError{0, "方案文件超过64MB"};
  if (text.substr(0, kBom.size()) == kBom) text.remove_prefix(kBom.size());
  if (text.empty()) return SchemeError{0, "文件是空的"};
  std::vector<SchemeEntry> entries;
  std::set<const SchemeControl*> seen;
  int number = 0;
  bool header = false;
  for (std::size_t start = 0; start <= text.size();) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    start = end + 1;
    ++number;
    if (!header) {
      auto m = header_mode(line);
      if (const auto* bad = std::get_if<std::string>(&m)) return SchemeError{number, *bad};
      if (std::get<int>(m) != mode_number(mode))
        return SchemeError{number, "这是" + std::string(page_name(std::get<int>(m))) + "的方案，不能载入" +
                                       std::string(page_name(mode_number(mode)))};
      header = true;
      continue;
    }
    const std::string_view trimmed = trim_blanks(line);
    if (trimmed.empty() || trimmed[0] == '#') continue;
    auto read = control_line(trimmed, mode);
    if (const auto* bad = std::get_if<std::string>(&read)) return SchemeError{number, *bad};
    SchemeEntry& e = std::get<SchemeEntry>(read);
    if (e.control->kind != SchemeKind::CompoundRows && !seen.insert(e.control).second)
      return SchemeError{number, std::string(e.control->word) + " " + std::to_string(e.control->index) + " 重复"};
    entries.push_back(std::move(e));
  }
  return entries;
}

std::string scheme_error_text(const SchemeError& error) {
  if (error.line == 0) return "方案文件有错误：" + error.reason + "，未载入";
  return "方案文件第" + std::to_string(error.line) + "行有错误：" + error.reason + "，未载入";
}

}  // namespace tesvik
