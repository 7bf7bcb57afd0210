#pragma once
// A condition box's text as the application keeps it: UTF-8 with CR LF line
// breaks. Qt's strings become that text as a plain text box would keep
// them, and positions in a line convert between its bytes and the UTF-16
// units that Qt's text layout counts.

#include <QString>
#include <QStringView>
#include <cstddef>
#include <string>
#include <string_view>

namespace tesvik {

// Appends `raw` as box text: CR LF, a lone CR, LF and the Unicode line and
// paragraph separators are each one line break (CR LF), a no-break space a
// space, an unpaired surrogate '?', all else its UTF-8.
void append_box_text(std::string& out, QStringView raw);
std::string box_text(QStringView raw);
// Whether `text` is box text as it stands: well-formed UTF-8 whose line
// breaks are all CR LF, without a character that box text writes otherwise.
bool is_box_text(std::string_view text);

// The box text as a Qt string with "\n" line breaks, as text boxes hand
// text to the clipboard.
QString clipboard_text(std::string_view text);

// The UTF-16 units of the well-formed UTF-8 `bytes`.
qsizetype utf16_length(std::string_view bytes);
// The bytes of the first `units` UTF-16 units of the well-formed UTF-8
// `line`, never ending inside a character.
std::size_t bytes_of_units(std::string_view line, qsizetype units);

}  // namespace tesvik
