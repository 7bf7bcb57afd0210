#include "app/net/qt_network.h"

#include "app/net/response_text.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QLockFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>
#include <set>

namespace tesvik {

namespace {

constexpr const char* kSettingsOrganisation = "tesvik";
constexpr const char* kSettingsApplication = "sx_Orlane_pk10_20170412";
constexpr const char* kInstallIdKey = "Startup/key";
constexpr const char* kLockName = "tesvik.lock";

bool web_url(const QUrl& url) {
  return url.isValid() && (url.scheme() == "http" || url.scheme() == "https") && !url.host().isEmpty();
}

QString default_lock_file() {
  QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (dir.isEmpty()) dir = QDir::tempPath();
  return QDir(dir).filePath(kLockName);
}

// What one exchange has gathered so far.
struct Exchange {
  QByteArray body;
  bool refused = false;  // timed out or too large
  QTimer* timer = nullptr;  // the time-out, a child of the reply
  std::function<void(std::string)> done;
};

}  // namespace

struct QtNetworkPorts::Impl {
  std::unique_ptr<QCoreApplication> own_application;  // first: goes last
  Wait wait = Wait::Async;
  QString settings_file;
  QString lock_file;
  std::unique_ptr<QLockFile> lock;
  std::unique_ptr<QNetworkAccessManager> manager;
  std::set<QNetworkReply*> pending;
  std::function<void()> after_answer;

  ~Impl() {
    // Answers still under way go nowhere: the application may be gone.
    for (QNetworkReply* reply : pending) {
      QObject::disconnect(reply, nullptr, nullptr, nullptr);
      reply->abort();
      delete reply;
    }
  }

  std::unique_ptr<QSettings> settings() const {
    if (!settings_file.isEmpty()) return std::make_unique<QSettings>(settings_file, QSettings::IniFormat);
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, kSettingsOrganisation,
                                       kSettingsApplication);
  }

  // Starts the exchange; done runs once, at once when the request cannot be made.
  void start(const HttpRequest& request, std::function<void(std::string)> done);
  void finish(QNetworkReply* reply, const std::shared_ptr<Exchange>& exchange);
};

void QtNetworkPorts::Impl::start(const HttpRequest& request, std::function<void(std::string)> done) {
  const QUrl url(QString::fromStdString(request.url), QUrl::StrictMode);
  if (!web_url(url)) return done({});
  QNetworkRequest r(url);
  if (!request.content_type.empty())
    r.setHeader(QNetworkRequest::ContentTypeHeader, QByteArray::fromStdString(request.content_type));
  const QByteArray body = QByteArray::fromStdString(request.body);
  // The body goes with GET as well.
  QNetworkReply* reply = request.method == "POST" ? manager->post(r, body)
                                                  : manager->sendCustomRequest(r, QByteArray::fromStdString(request.method), body);
  pending.insert(reply);
  auto exchange = std::make_shared<Exchange>();
  exchange->done = std::move(done);
  auto refuse = [reply, exchange] {
    exchange->refused = true;
    reply->abort();
  };
  auto* timer = new QTimer(reply);
  timer->setSingleShot(true);
  timer->setTimerType(Qt::PreciseTimer);  // a coarse timer may end the exchange early
  QObject::connect(timer, &QTimer::timeout, reply, refuse);
  timer->start(std::max(0, request.timeout_ms));
  exchange->timer = timer;
  QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, [reply, refuse] {
    const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
    if (length.isValid() && length.toLongLong() > static_cast<qint64>(kMaxBodyBytes)) refuse();
  });
  QObject::connect(reply, &QNetworkReply::readyRead, reply, [reply, exchange, refuse] {
    exchange->body += reply->readAll();
    if (static_cast<std::size_t>(exchange->body.size()) > kMaxBodyBytes) refuse();
  });
  QObject::connect(reply, &QNetworkReply::finished, reply, [this, reply, exchange] { finish(reply, exchange); });
}

void QtNetworkPorts::Impl::finish(QNetworkReply* reply, const std::shared_ptr<Exchange>& exchange) {
  exchange->timer->stop();
  if (!exchange->refused) exchange->body += reply->readAll();
  const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
  const bool ok = !exchange->refused && reply->error() == QNetworkReply::NoError && status == 200 &&
                  static_cast<std::size_t>(exchange->body.size()) <= kMaxBodyBytes;
  pending.erase(reply);
  reply->deleteLater();
  auto done = std::move(exchange->done);
  done(ok ? response_text(std::string_view(exchange->body.constData(), static_cast<std::size_t>(exchange->body.size()))) : std::string());
  if (wait == Wait::Async && after_answer) after_answer();
}

QtNetworkPorts::QtNetworkPorts(Wait wait, const NoticeConfig& config) : impl_(std::make_unique<Impl>()) {
  if (!QCoreApplication::instance()) {
    static int argc = 1;
    static char name[] = "tesvik";
    static char* argv[] = {name, nullptr};
    impl_->own_application = std::make_unique<QCoreApplication>(argc, argv);
  }
  impl_->wait = wait;
  impl_->settings_file = QString::fromStdString(config.settings_file);
  impl_->lock_file = config.lock_file.empty() ? default_lock_file() : QString::fromStdString(config.lock_file);
  impl_->manager = std::make_unique<QNetworkAccessManager>();
}

QtNetworkPorts::~QtNetworkPorts() = default;

void QtNetworkPorts::after_answer(std::function<void()> hook) { impl_->after_answer = std::move(hook); }

bool QtNetworkPorts::another_instance_running() {
  if (impl_->lock) return false;
  QDir().mkpath(QFileInfo(impl_->lock_file).absolutePath());
  auto lock = std::make_unique<QLockFile>(impl_->lock_file);
  // Only a lock whose process still runs counts; a lock left by a crashed
  // copy is taken over (the default would also take over a lock older than
  // 30 s, a running copy's included).
  lock->setStaleLockTime(0);
  if (lock->tryLock(0)) {
    impl_->lock = std::move(lock);
    return false;
  }
  return lock->error() == QLockFile::LockFailedError;
}

std::string QtNetworkPorts::read_install_id() {
  const auto settings = impl_->settings();
  if (settings->status() != QSettings::NoError) return {};
  return settings->value(kInstallIdKey).toString().toStdString();
}

bool QtNetworkPorts::save_install_id(std::string_view id) {
  const auto settings = impl_->settings();
  settings->setValue(kInstallIdKey, QString::fromUtf8(id.data(), static_cast<qsizetype>(id.size())));
  settings->sync();
  return settings->status() == QSettings::NoError;
}

void QtNetworkPorts::fetch(const HttpRequest& request, std::function<void(std::string)> done) {
  if (impl_->wait == Wait::Async) return impl_->start(request, std::move(done));
  bool answered = false;
  std::string answer;
  QEventLoop loop;
  impl_->start(request, [&](std::string body) {
    answer = std::move(body);
    answered = true;
    loop.quit();
  });
  if (!answered) loop.exec();
  done(std::move(answer));
}

std::unique_ptr<NetworkPorts> blocking_network_ports(const NoticeConfig& config) {
  return std::make_unique<QtNetworkPorts>(QtNetworkPorts::Wait::Blocking, config);
}

}  // namespace tesvik
