#pragma once
// The application's UTF-8 texts as Qt strings.

#include <QString>
#include <string_view>

namespace tesvik {

inline QString from_utf8(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace tesvik
