#pragma once
// A network peer on 127.0.0.1 (a free port): accepts the program's
// connection, records every message it receives, acknowledges "du" with "cd"
// and "au" with "ca" unless told not to, and sends messages whole, split
// over several writes, or several merged into one write.

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>

#include <functional>

namespace tamberlo::test {

class NetworkPeerEmulator : public QObject {
    Q_OBJECT
public:
    NetworkPeerEmulator();

    quint16 port() const { return server_.serverPort(); }
    bool connected() const { return client_ && client_->state() == QAbstractSocket::ConnectedState; }

    bool ackDigital = true;  // answer "du" with "cd"
    bool ackAnalog = true;   // answer "au" with "ca"
    bool acceptConnections = true;

    // Messages received, each "code|payload" (the frame's Chr(1) shown as "|").
    QStringList messages;
    int count(const QString& code) const;
    QStringList payloads(const QString& code) const;

    // One frame: code, Chr(1), payload, Chr(13).
    static QByteArray frame(const QString& code, const QString& payload = {});
    void sendRaw(const QByteArray& bytes);
    void sendMessage(const QString& code, const QString& payload = {}) { sendRaw(frame(code, payload)); }
    // Sends `bytes` in pieces of `piece` bytes, each written and flushed on its own.
    void sendSplit(const QByteArray& bytes, int piece);
    // Closes the connection from the peer's side.
    void hangUp();

    std::function<void(const QString& code, const QString& payload)> onMessage;

private:
    void readable();

    QTcpServer server_;
    QPointer<QTcpSocket> client_;
    QByteArray pending_;
};

}  // namespace tamberlo::test
