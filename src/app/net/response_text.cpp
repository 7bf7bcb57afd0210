#include "app/net/response_text.h"

#include <QByteArray>
#include <QString>
#include <QStringDecoder>

#include "support/http_exchange.h"

namespace tesvik {

std::string response_text(std::string_view body) {
  if (body_charset(body) == BodyCharset::Utf8) return std::string(without_utf8_bom(body));
  QStringDecoder gb18030("GB18030");
  if (!gb18030.isValid()) return {};
  const QString text = gb18030.decode(QByteArrayView(body.data(), static_cast<qsizetype>(body.size())));
  return text.toStdString();
}

}  // namespace tesvik
