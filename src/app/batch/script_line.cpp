#include "app/batch/script_line.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>

#include "support/text_escape.h"

namespace tesvik {

namespace {

bool blank(char c) { return c == ' ' || c == '\t'; }

// Reads a line word by word; words are separated by blanks.
class Words {
 public:
  explicit Words(std::string_view line) : rest_(line) {}

  // The next word; empty at the end of the line.
  std::string_view next() {
    skip_blanks();
    std::size_t end = 0;
    while (end < rest_.size() && !blank(rest_[end])) ++end;
    const std::string_view word = rest_.substr(0, end);
    rest_.remove_prefix(end);
    return word;
  }

  // Everything not yet read, without the blanks around it.
  std::string_view take_rest() {
    skip_blanks();
    std::string_view r = rest_;
    while (!r.empty() && blank(r.back())) r.remove_suffix(1);
    rest_ = {};
    return r;
  }

  bool done() {
    skip_blanks();
    return rest_.empty();
  }

 private:
  void skip_blanks() {
    while (!rest_.empty() && blank(rest_.front())) rest_.remove_prefix(1);
  }
  std::string_view rest_;
};

// What follows the control (or the command itself, for commands without one).
enum class Arg { None, Text, Signed, Count, YesNo, Range };

constexpr unsigned bit(ControlKind k) { return 1u << static_cast<unsigned>(k); }
constexpr unsigned kAnyKind = ~0u;

struct VerbRule {
  std::string_view word;
  Verb verb;
  unsigned kinds;  // the kinds of control it applies to; 0 for commands without a control
  Arg arg;
  std::string_view arg_name;
};

constexpr std::array<VerbRule, 15> kVerbs = {{
    {"click", Verb::Click, bit(ControlKind::Button) | bit(ControlKind::CountLabel) | bit(ControlKind::AdvertLabel),
     Arg::None, ""},
    {"dblclick", Verb::DoubleClick, bit(ControlKind::TextBox), Arg::None, ""},
    {"hover", Verb::Hover, bit(ControlKind::AdvertLabel), Arg::None, ""},
    {"set", Verb::Set, bit(ControlKind::TextBox) | bit(ControlKind::ComboBox), Arg::Text, "TEXT"},
    {"type", Verb::Type, bit(ControlKind::TextBox) | bit(ControlKind::ComboBox), Arg::Text, "TEXT"},
    {"select", Verb::Select, bit(ControlKind::CompoundList), Arg::Signed, "ROW"},
    {"range", Verb::Range, 0, Arg::Range, "INDEX LO HI"},
    {"scroll", Verb::Scroll, 0, Arg::Signed, "V"},
    {"print", Verb::Print, kAnyKind, Arg::None, ""},
    {"clipboard", Verb::Clipboard, 0, Arg::Text, "TEXT"},
    {"clipboard-lock", Verb::ClipboardLock, 0, Arg::Count, "N"},
    {"answer", Verb::Answer, 0, Arg::YesNo, "yes|no"},
    {"wait", Verb::Wait, 0, Arg::Count, "MS"},
    {"close", Verb::Close, 0, Arg::None, ""},
    {"network", Verb::Network, 0, Arg::None, ""},
}};

// `print network` names the network state, not a control.
constexpr std::string_view kNetworkState = "network";

// An int as scripts write it: an optional '-' and decimal digits.
std::optional<int> whole_number(std::string_view word) {
  int value = 0;
  const char* end = word.data() + word.size();
  const auto [ptr, ec] = std::from_chars(word.data(), end, value);
  if (ec != std::errc{} || ptr != end) return std::nullopt;
  return value;
}

// "set T_nei_txt_ip INDEX TEXT": the words the command takes with this control.
LineError wrong_word_count(const VerbRule& rule, const ControlName* control) {
  std::string usage(rule.word);
  if (control) {
    usage += ' ';
    usage += control->name;
    if (control->indexed()) usage += " INDEX";
  }
  if (!rule.arg_name.empty()) {
    usage += ' ';
    usage += rule.arg_name;
  }
  return {"wrong number of words; expected " + usage};
}

// Reads the control and its INDEX into `cmd`.
std::optional<LineError> read_control(Words& words, const VerbRule& rule, ScriptCommand& cmd) {
  const std::string_view name = words.next();
  if (name.empty()) return LineError{"missing control name after " + std::string(rule.word)};
  if (rule.verb == Verb::Print && name == kNetworkState) {
    cmd.verb = Verb::PrintNetwork;
    return std::nullopt;
  }
  cmd.control = find_control(name);
  if (!cmd.control) return LineError{"unknown control " + quote_text(name)};
  if (!(rule.kinds & bit(cmd.control->kind)))
    return LineError{std::string(rule.word) + " does not apply to " + std::string(name) + ", " +
                     std::string(kind_description(cmd.control->kind))};
  if (!cmd.control->indexed()) return std::nullopt;
  const std::string_view word = words.next();
  if (word.empty()) return wrong_word_count(rule, cmd.control);
  const auto index = whole_number(word);
  if (!index) return LineError{"INDEX is not an int: " + quote_text(word)};
  if (!cmd.control->has_index(*index))
    return LineError{"index " + std::to_string(*index) + " outside " + std::string(name) + " " +
                     cmd.control->index_description()};
  cmd.index = *index;
  return std::nullopt;
}

// "range INDEX LO HI": the selector rc_q6 INDEX and the two values it is to show.
std::optional<LineError> read_range(Words& words, const VerbRule& rule, ScriptCommand& cmd) {
  cmd.control = find_control("rc_q6");
  std::array<int, 3> values{};
  static constexpr std::array<std::string_view, 3> kNames = {"INDEX", "LO", "HI"};
  for (std::size_t k = 0; k < values.size(); ++k) {
    const std::string_view word = words.next();
    if (word.empty()) return wrong_word_count(rule, nullptr);
    const auto value = whole_number(word);
    if (!value) return LineError{std::string(kNames[k]) + " is not an int: " + quote_text(word)};
    values[k] = *value;
  }
  if (!cmd.control->has_index(values[0]))
    return LineError{"index " + std::to_string(values[0]) + " outside rc_q6 " + cmd.control->index_description()};
  cmd.index = values[0];
  cmd.number = values[1];
  cmd.high = values[2];
  return std::nullopt;
}

// Reads what follows the control (or the command) into `cmd`.
std::optional<LineError> read_argument(Words& words, const VerbRule& rule, ScriptCommand& cmd) {
  if (rule.arg == Arg::None) return std::nullopt;
  if (rule.arg == Arg::Range) return read_range(words, rule, cmd);
  if (rule.arg == Arg::Text) {
    const std::string_view quoted = words.take_rest();
    if (quoted.empty()) return wrong_word_count(rule, cmd.control);
    auto text = unquote_text(quoted);
    if (const auto* error = std::get_if<TextError>(&text)) return LineError{"bad TEXT: " + error->reason};
    cmd.text = std::move(std::get<std::string>(text));
    return std::nullopt;
  }
  const std::string_view word = words.next();
  if (word.empty()) return wrong_word_count(rule, cmd.control);
  if (rule.arg == Arg::YesNo) {
    if (word != "yes" && word != "no") return LineError{"answer takes yes or no, not " + quote_text(word)};
    cmd.yes = word == "yes";
    return std::nullopt;
  }
  const auto number = whole_number(word);
  if (!number) return LineError{std::string(rule.arg_name) + " is not an int: " + quote_text(word)};
  if (rule.arg == Arg::Count && *number < 0)
    return LineError{std::string(rule.arg_name) + " must not be negative: " + std::to_string(*number)};
  cmd.number = *number;
  return std::nullopt;
}

}  // namespace

bool skipped_line(std::string_view line) {
  const auto first = std::find_if_not(line.begin(), line.end(), blank);
  return first == line.end() || *first == '#';
}

std::variant<ScriptCommand, LineError> parse_line(std::string_view line) {
  Words words(line);
  const std::string_view word = words.next();
  const auto rule = std::find_if(kVerbs.begin(), kVerbs.end(), [word](const VerbRule& v) { return v.word == word; });
  if (rule == kVerbs.end()) return LineError{"unknown command " + quote_text(word)};
  ScriptCommand cmd;
  cmd.verb = rule->verb;
  if (rule->kinds != 0)
    if (auto error = read_control(words, *rule, cmd)) return *error;
  if (auto error = read_argument(words, *rule, cmd)) return *error;
  if (!words.done()) return wrong_word_count(*rule, cmd.control);
  return cmd;
}

}  // namespace tesvik
