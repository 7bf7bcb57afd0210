#pragma once
// Scheme files: the conditions of one page as text. The first line is
// "tesvik-scheme 1 MODE"; every further line sets one control of that page
// ("C_annv 45 colour=65535", "T_nei_txt_ip 0 text=\"...\"", "rc_q6 1
// range=\"0<*>1\"", "List_nei 0 row=\"...\"", "paste 10 text=\"...\"").
// Reading checks the whole text before anything is used, so a scheme can
// only ever set its page's conditions, and only to states clicks and typing
// can give them.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "app/tools/scheme_controls.h"

namespace tesvik {

// Larger scheme files are refused unread.
inline constexpr std::size_t kSchemeFileBytes = std::size_t{64} << 20;

// One control's state in a scheme: a button's colour, or the text of a box,
// a selector's range, one compound row or a pasted list.
struct SchemeEntry {
  const SchemeControl* control = nullptr;
  Colour colour = kNeutral;
  std::string text;
};

// Why a scheme file cannot be loaded; line 0 when the file as a whole is wrong.
struct SchemeError {
  int line = 0;
  std::string reason;
};

// The text of a scheme of `mode` from its entries, one line each, in order.
std::string write_scheme(Mode mode, const std::vector<SchemeEntry>& entries);

// Why a load would refuse the scheme of these entries (a text that is not
// UTF-8 or longer than its box takes, a file over the size limit), naming the
// control; nothing when the saved file loads back.
std::optional<std::string> unloadable(Mode mode, const std::vector<SchemeEntry>& entries);

// Reads a scheme file for the page of `mode`; every line is checked.
std::variant<std::vector<SchemeEntry>, SchemeError> read_scheme(std::string_view text, Mode mode);

// The error as the user reads it: "方案文件第3行：...".
std::string scheme_error_text(const SchemeError& error);

}  // namespace tesvik
