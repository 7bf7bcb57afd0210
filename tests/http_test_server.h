#pragma once
// A small HTTP/1.1 server on 127.0.0.1 for the tests: it answers each path
// as told (status and body, or never), and records every request.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <map>
#include <string>
#include <vector>

namespace tesvik::testing {

class TestServer {
 public:
  struct Answer {
    int status = 200;
    QByteArray body;
    bool silent = false;
  };
  struct Request {
    QByteArray method, path, content_type, body;
  };

  TestServer() {
    EXPECT_TRUE(server_.listen(QHostAddress::LocalHost, 0));
    QObject::connect(&server_, &QTcpServer::newConnection, [this] {
      while (QTcpSocket* socket = server_.nextPendingConnection()) {
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { read(socket); });
        QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
      }
    });
  }
  std::string base() const { return "http://127.0.0.1:" + std::to_string(server_.serverPort()) + "/"; }
  void answer(const QByteArray& path, Answer a) { answers_[path] = std::move(a); }
  void answer(const QByteArray& path, const QByteArray& body) { answers_[path] = {200, body, false}; }
  std::vector<Request> requests;

 private:
  void read(QTcpSocket* socket) {
    QByteArray& buffer = buffers_[socket];
    buffer += socket->readAll();
    const qsizetype head_end = buffer.indexOf("\r\n\r\n");
    if (head_end < 0) return;
    Request r;
    qsizetype length = 0;
    const QList<QByteArray> lines = buffer.left(head_end).split('\n');
    const QList<QByteArray> first = lines.front().trimmed().split(' ');
    r.method = first.value(0);
    r.path = first.value(1);
    for (const QByteArray& line : lines.mid(1)) {
      const qsizetype colon = line.indexOf(':');
      const QByteArray name = line.left(colon).trimmed().toLower();
      const QByteArray value = line.mid(colon + 1).trimmed();
      if (name == "content-length") length = value.toLongLong();
      if (name == "content-type") r.content_type = value;
    }
    if (buffer.size() < head_end + 4 + length) return;
    r.body = buffer.mid(head_end + 4, length);
    buffers_.erase(socket);
    requests.push_back(r);
    const auto found = answers_.find(r.path);
    const Answer a = found == answers_.end() ? Answer{404, "not here"} : found->second;
    if (a.silent) return;
    socket->write("HTTP/1.1 " + QByteArray::number(a.status) + " X\r\nContent-Length: " +
                  QByteArray::number(a.body.size()) + "\r\nConnection: close\r\n\r\n" + a.body);
    socket->disconnectFromHost();
  }

  QTcpServer server_;
  std::map<QByteArray, Answer> answers_;
  std::map<QTcpSocket*, QByteArray> buffers_;
};

// A base URL where nothing listens: connections are refused at once.
inline std::string refusing_base() {
  QTcpServer probe;
  EXPECT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
  const auto port = probe.serverPort();
  probe.close();
  return "http://127.0.0.1:" + std::to_string(port) + "/";
}

}  // namespace tesvik::testing
