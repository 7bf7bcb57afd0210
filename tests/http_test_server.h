#pragma once
// A small HTTP/1.1 server on 127.0.0.1 for the tests: it answers each path
// as told (status, extra headers and body, or never, or a body that does not
// end), and records every request and how many body bytes it sent.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <map>
#include <string>
#include <vector>

namespace tesvik::testing {

class TestServer {
 public:
  enum class Body {
    Whole,    // the body with its Content-Length
    Chunked,  // chunks of 'x' without end
    Endless,  // 'x' without end, no length, as if the close would end it
    Trickle,  // the body one byte every 100 ms, no length
  };
  struct Answer {
    int status = 200;
    QByteArray body;
    bool silent = false;
    QByteArray headers = {};  // extra header lines, each ending in CR LF
    Body kind = Body::Whole;
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
  qint64 streamed = 0;  // body bytes written by the endless answers

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
    const QByteArray status = "HTTP/1.1 " + QByteArray::number(a.status) + " X\r\n" + a.headers;
    switch (a.kind) {
      case Body::Whole:
        socket->write(status + "Content-Length: " + QByteArray::number(a.body.size()) +
                      "\r\nConnection: close\r\n\r\n" + a.body);
        socket->disconnectFromHost();
        return;
      case Body::Chunked: return stream(socket, status + "Transfer-Encoding: chunked\r\n\r\n", true);
      case Body::Endless: return stream(socket, status + "Connection: close\r\n\r\n", false);
      case Body::Trickle: {
        socket->write(status + "Connection: close\r\n\r\n");
        auto* timer = new QTimer(socket);
        QObject::connect(timer, &QTimer::timeout, socket, [this, socket] {
          if (streamed < kMaxStreamed) streamed += socket->write("x");
        });
        timer->start(100);
        return;
      }
    }
  }

  // Keeps a quarter MiB queued until the client closes or kMaxStreamed went out.
  void stream(QTcpSocket* socket, const QByteArray& head, bool chunked) {
    socket->write(head);
    const QByteArray piece(64 * 1024, 'x');
    const QByteArray chunk = QByteArray::number(piece.size(), 16) + "\r\n" + piece + "\r\n";
    auto more = [this, socket, chunked, piece, chunk] {
      while (socket->bytesToWrite() < 256 * 1024 && streamed < kMaxStreamed &&
             socket->state() == QAbstractSocket::ConnectedState) {
        socket->write(chunked ? chunk : piece);
        streamed += piece.size();
      }
    };
    QObject::connect(socket, &QTcpSocket::bytesWritten, socket, more);
    more();
  }
  static constexpr qint64 kMaxStreamed = qint64{512} << 20;

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
