#include "app/net/http_client.h"

#include <QSslSocket>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>
#include <algorithm>

#include "support/http_response.h"

namespace tesvik {

namespace {

// The socket is never read further ahead than this.
constexpr qint64 kReadBufferBytes = 64 * 1024;

bool web_url(const QUrl& url) {
  return url.isValid() && (url.scheme() == "http" || url.scheme() == "https") && !url.host().isEmpty();
}

bool same_server(const QUrl& a, const QUrl& b) {
  return a.scheme() == b.scheme() && a.host() == b.host() && a.port() == b.port();
}

bool redirect_status(int status) {
  return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

QByteArray request_bytes(const HttpRequest& request, const QUrl& url) {
  QByteArray target = url.toEncoded(QUrl::RemoveScheme | QUrl::RemoveAuthority | QUrl::RemoveFragment);
  if (target.isEmpty()) target = "/";
  QByteArray host = url.host(QUrl::FullyEncoded).toLatin1();
  if (host.contains(':')) host = "[" + host + "]";
  if (url.port() != -1) host += ":" + QByteArray::number(url.port());
  QByteArray out = QByteArray::fromStdString(request.method) + " " + target + " HTTP/1.1\r\nHost: " + host +
                   "\r\nUser-Agent: tesvik\r\nAccept: */*\r\nConnection: close\r\n";
  if (!request.content_type.empty()) out += "Content-Type: " + QByteArray::fromStdString(request.content_type) + "\r\n";
  // The body goes with GET as well.
  out += "Content-Length: " + QByteArray::number(static_cast<qsizetype>(request.body.size())) + "\r\n\r\n";
  return out + QByteArray::fromStdString(request.body);
}

}  // namespace

struct HttpClient::Exchange {
  HttpRequest request;
  QUrl origin, url;
  int redirects = 0;
  HttpResponseReader reader{kMaxBodyBytes};
  QObject* context = nullptr;  // owns the time-out and the sockets; a child of the client's root
  QAbstractSocket* socket = nullptr;
  bool ended = false;
  std::function<void(std::optional<std::string>)> done;
};

HttpClient::HttpClient() : root_(std::make_unique<QObject>()) {}

HttpClient::~HttpClient() {
  for (const auto& x : pending_) x->ended = true;
  // Deletes every exchange's sockets and timer, and so the slots that hold the exchanges.
  root_.reset();
}

void HttpClient::start(const HttpRequest& request, std::function<void(std::optional<std::string>)> done) {
  const QUrl url(QString::fromStdString(request.url), QUrl::StrictMode);
  if (!web_url(url)) return done(std::nullopt);
  auto x = std::make_shared<Exchange>();
  x->request = request;
  x->origin = x->url = url;
  x->done = std::move(done);
  x->context = new QObject(root_.get());
  pending_.insert(x);
  auto* timer = new QTimer(x->context);
  timer->setSingleShot(true);
  timer->setTimerType(Qt::PreciseTimer);  // a coarse timer may end the exchange early
  QObject::connect(timer, &QTimer::timeout, x->context, [this, x] { finish(x, false); });
  timer->start(std::max(0, request.timeout_ms));
  connect_to(x);
}

void HttpClient::connect_to(const std::shared_ptr<Exchange>& x) {
  if (x->socket) {
    QObject::disconnect(x->socket, nullptr, nullptr, nullptr);
    x->socket->abort();
    x->socket->deleteLater();
  }
  x->reader = HttpResponseReader(kMaxBodyBytes);
  const bool tls = x->url.scheme() == "https";
  if (tls && !QSslSocket::supportsSsl()) return finish(x, false);
  QAbstractSocket* socket = tls ? new QSslSocket(x->context) : new QTcpSocket(x->context);
  x->socket = socket;
  socket->setReadBufferSize(kReadBufferBytes);
  QObject* context = x->context;
  auto send = [x, socket] { socket->write(request_bytes(x->request, x->url)); };
  if (tls) QObject::connect(static_cast<QSslSocket*>(socket), &QSslSocket::encrypted, context, send);
  else QObject::connect(socket, &QAbstractSocket::connected, context, send);
  QObject::connect(socket, &QIODevice::readyRead, context, [this, x] { read(x); });
  QObject::connect(socket, &QAbstractSocket::disconnected, context, [this, x] { closed(x); });
  QObject::connect(socket, &QAbstractSocket::errorOccurred, context, [this, x](QAbstractSocket::SocketError error) {
    if (error == QAbstractSocket::RemoteHostClosedError) closed(x);
    else finish(x, false);
  });
  const quint16 port = static_cast<quint16>(x->url.port(tls ? 443 : 80));
  if (tls) static_cast<QSslSocket*>(socket)->connectToHostEncrypted(x->url.host(), port);
  else socket->connectToHost(x->url.host(), port);
}

void HttpClient::read(const std::shared_ptr<Exchange>& x) {
  while (!x->ended && x->reader.state() == HttpResponseReader::State::Reading && x->socket->bytesAvailable() > 0) {
    const QByteArray bytes = x->socket->read(kReadBufferBytes);
    x->reader.feed(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  }
  answered(x);
}

void HttpClient::closed(const std::shared_ptr<Exchange>& x) {
  if (x->ended) return;
  read(x);
  if (x->ended || x->reader.state() != HttpResponseReader::State::Reading) return;
  x->reader.end_of_stream();
  answered(x);
}

void HttpClient::answered(const std::shared_ptr<Exchange>& x) {
  if (x->ended) return;
  const HttpResponseReader& r = x->reader;
  if (r.state() == HttpResponseReader::State::Failed) return finish(x, false);
  if (r.state() != HttpResponseReader::State::Done) return;
  if (redirect_status(r.status()) && !r.location().empty()) {
    const QUrl target = x->url.resolved(QUrl(QString::fromStdString(r.location()), QUrl::StrictMode));
    const bool post = x->request.method == "POST";
    if (++x->redirects > kMaxRedirects || !web_url(target) || (post && !same_server(target, x->origin)))
      return finish(x, false);
    x->url = target;
    return connect_to(x);
  }
  finish(x, r.status() == 200);
}

void HttpClient::finish(std::shared_ptr<Exchange> x, bool ok) {
  if (x->ended) return;
  x->ended = true;
  if (x->socket) {
    QObject::disconnect(x->socket, nullptr, nullptr, nullptr);
    x->socket->abort();
  }
  // The sockets and the timer may be in the middle of a signal: they go later.
  x->context->deleteLater();
  pending_.erase(x);
  auto done = std::move(x->done);
  done(ok ? std::optional<std::string>(x->reader.body()) : std::nullopt);
}

}  // namespace tesvik
