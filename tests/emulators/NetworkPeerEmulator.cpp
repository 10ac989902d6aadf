#include "NetworkPeerEmulator.h"

#include <QThread>

namespace tamberlo::test {

NetworkPeerEmulator::NetworkPeerEmulator() {
    server_.listen(QHostAddress::LocalHost, 0);
    connect(&server_, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* s = server_.nextPendingConnection()) {
            if (!acceptConnections) {
                s->abort();
                s->deleteLater();
                continue;
            }
            if (client_) client_->deleteLater();
            client_ = s;
            s->setSocketOption(QAbstractSocket::LowDelayOption, 1);
            connect(s, &QTcpSocket::readyRead, this, [this] { readable(); });
        }
    });
}

int NetworkPeerEmulator::count(const QString& code) const { return static_cast<int>(payloads(code).size()); }

QStringList NetworkPeerEmulator::payloads(const QString& code) const {
    QStringList out;
    for (const QString& m : messages)
        if (m.startsWith(code + QLatin1Char('|'))) out.append(m.mid(code.size() + 1));
    return out;
}

QByteArray NetworkPeerEmulator::frame(const QString& code, const QString& payload) {
    return code.toLatin1() + '\x01' + payload.toLatin1() + '\r';
}

void NetworkPeerEmulator::sendRaw(const QByteArray& bytes) {
    if (!client_) return;
    client_->write(bytes);
    client_->flush();
}

void NetworkPeerEmulator::sendSplit(const QByteArray& bytes, int piece) {
    if (!client_) return;
    for (qsizetype i = 0; i < bytes.size(); i += piece) {
        client_->write(bytes.mid(i, piece));
        client_->flush();
        // Let each piece leave as a segment of its own.
        client_->waitForBytesWritten(100);
        QThread::usleep(2000);
    }
}

void NetworkPeerEmulator::hangUp() {
    if (client_) client_->disconnectFromHost();
}

void NetworkPeerEmulator::readable() {
    pending_.append(client_->readAll());
    for (;;) {
        const qsizetype end = pending_.indexOf('\r');
        if (end < 0) break;
        const QByteArray f = pending_.left(end);
        pending_.remove(0, end + 1);
        const qsizetype sep = f.indexOf('\x01');
        const QString code = QString::fromLatin1(sep >= 0 ? f.left(sep) : f);
        const QString payload = sep >= 0 ? QString::fromLatin1(f.mid(sep + 1)) : QString();
        messages.append(code + QLatin1Char('|') + payload);
        if (code == QLatin1String("du") && ackDigital) sendMessage(QStringLiteral("cd"));
        if (code == QLatin1String("au") && ackAnalog) sendMessage(QStringLiteral("ca"));
        if (onMessage) onMessage(code, payload);
    }
}

}  // namespace tamberlo::test
