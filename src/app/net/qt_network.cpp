#include "app/net/qt_network.h"

#include "app/net/http_client.h"
#include "app/net/response_text.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSettings>
#include <QStandardPaths>
#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tesvik {

namespace {

constexpr const char* kSettingsOrganisation = "tesvik";
constexpr const char* kSettingsApplication = "sx_Orlane_pk10_20170412";
constexpr const char* kInstallIdKey = "Startup/key";
constexpr const char* kLockName = "tesvik.lock";

QString default_lock_file() {
  QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (dir.isEmpty()) dir = QDir::tempPath();
  return QDir(dir).filePath(kLockName);
}

}  // namespace

struct QtNetworkPorts::Impl {
  std::unique_ptr<QCoreApplication> own_application;  // first: goes last
  Wait wait = Wait::Async;
  QString settings_file;
  QString lock_file;
  int lock_fd = -1;  // held open with its lock while the program runs
  // Answers still under way go nowhere when it goes: the application may be gone.
  std::unique_ptr<HttpClient> http;
  std::function<void()> after_answer;
  std::function<void()> raise;
  std::unique_ptr<QLocalServer> raise_server;  // listens while this copy holds the lock

  // Beside the lock: the socket where the running copy hears that another started.
  QString raise_socket() const { return lock_file + ".sock"; }
  void listen_for_raise();
  void ask_running_copy_to_raise() const;

  ~Impl() {
    if (lock_fd >= 0) ::close(lock_fd);
  }

  std::unique_ptr<QSettings> settings() const {
    if (!settings_file.isEmpty()) return std::make_unique<QSettings>(settings_file, QSettings::IniFormat);
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, kSettingsOrganisation,
                                       kSettingsApplication);
  }

  // Starts the exchange; done runs once, at once when the request cannot be made.
  void start(const HttpRequest& request, std::function<void(std::string)> done) {
    http->start(request, [this, done = std::move(done)](std::optional<std::string> body) {
      done(body ? response_text(*body) : std::string());
      if (wait == Wait::Async && after_answer) after_answer();
    });
  }
};

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
  impl_->http = std::make_unique<HttpClient>();
}

QtNetworkPorts::~QtNetworkPorts() = default;

void QtNetworkPorts::after_answer(std::function<void()> hook) { impl_->after_answer = std::move(hook); }

bool QtNetworkPorts::another_instance_running() {
  if (impl_->lock_fd >= 0) return false;
  QDir().mkpath(QFileInfo(impl_->lock_file).absolutePath());
  // The kernel lock of a running copy is the only sign that counts: it goes
  // with the process, so a crashed copy leaves nothing to take over, and the
  // file's content (empty, garbled) means nothing. Whatever is at the path
  // that is not a lockable regular file (a directory, a FIFO, a link) lets the
  // program start; the open cannot wait and the lock is only tried.
  const QByteArray path = QFile::encodeName(impl_->lock_file);
  const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    return false;
  }
  if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
    impl_->lock_fd = fd;
    impl_->listen_for_raise();
    return false;
  }
  const bool held = errno == EWOULDBLOCK;
  ::close(fd);
  if (held) impl_->ask_running_copy_to_raise();
  return held;
}

void QtNetworkPorts::on_raise_request(std::function<void()> raise) { impl_->raise = std::move(raise); }

void QtNetworkPorts::Impl::listen_for_raise() {
  if (!raise) return;
  raise_server = std::make_unique<QLocalServer>();
  raise_server->setSocketOptions(QLocalServer::UserAccessOption);
  // A socket left by a copy that crashed; this copy holds the lock, so no live copy owns it.
  QLocalServer::removeServer(raise_socket());
  if (!raise_server->listen(raise_socket())) return raise_server.reset();
  QObject::connect(raise_server.get(), &QLocalServer::newConnection, raise_server.get(), [this] {
    while (QLocalSocket* socket = raise_server->nextPendingConnection()) socket->deleteLater();
    raise();
  });
}

void QtNetworkPorts::Impl::ask_running_copy_to_raise() const {
  // A local socket connects at once or not at all; the wait only bounds a busy peer.
  QLocalSocket socket;
  socket.connectToServer(raise_socket());
  if (socket.waitForConnected(500)) socket.disconnectFromServer();
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
