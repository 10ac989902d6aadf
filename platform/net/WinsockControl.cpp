#include "WinsockControl.h"

#include <QHostAddress>

namespace tamberlo {

WinsockControl::WinsockControl(QObject* parent) : QObject(parent) {
    socket_.setSocketOption(QAbstractSocket::LowDelayOption, 1);
    connect(&socket_, &QTcpSocket::readyRead, this, [this] {
        if (OnDataArrival) OnDataArrival(socket_.bytesAvailable());
    });
    connect(&socket_, &QTcpSocket::connected, this, [this] { socket_.setSocketOption(QAbstractSocket::LowDelayOption, 1); });
    connect(&socket_, &QTcpSocket::errorOccurred, this, &WinsockControl::handleError);
}

QString WinsockControl::RemoteHostIP() const {
    return socket_.state() == QAbstractSocket::ConnectedState ? socket_.peerAddress().toString() : QString();
}

bool WinsockControl::Connect() {
    // A socket that failed or whose peer went away is closed first, so a new
    // attempt never finds it in the way.
    if (State() == sckError || State() == sckClosing) Close();
    if (State() != sckClosed) return false;
    if (remoteHost_.trimmed().isEmpty() || remotePort_ <= 0 || remotePort_ > 65535) return false;
    failed_ = false;
    peerClosed_ = false;
    socket_.connectToHost(remoteHost_.trimmed(), static_cast<quint16>(remotePort_));
    return true;
}

int WinsockControl::State() const {
    if (failed_) return sckError;
    switch (socket_.state()) {
    case QAbstractSocket::UnconnectedState: return peerClosed_ ? sckClosing : sckClosed;
    case QAbstractSocket::HostLookupState: return sckResolvingHost;
    case QAbstractSocket::ConnectingState: return sckConnecting;
    case QAbstractSocket::ConnectedState: return sckConnected;
    case QAbstractSocket::ClosingState: return sckClosing;
    default: return sckOpen;
    }
}

bool WinsockControl::SendData(const QString& text) {
    if (socket_.state() != QAbstractSocket::ConnectedState) return false;
    const QByteArray bytes = text.toLatin1();
    if (socket_.write(bytes) != bytes.size()) return false;
    // Out now rather than at the next event-loop turn: a run yields once per cycle.
    socket_.flush();
    return true;
}

QString WinsockControl::GetData() { return QString::fromLatin1(socket_.readAll()); }

void WinsockControl::Close() {
    failed_ = false;
    peerClosed_ = false;
    socket_.abort();
}

void WinsockControl::handleError(QAbstractSocket::SocketError e) {
    if (e == QAbstractSocket::RemoteHostClosedError) {
        // Not an error of the socket: the peer ended the connection.
        peerClosed_ = true;
        if (OnClose) OnClose();
        return;
    }
    int number = sckNetworkError;
    switch (e) {
    case QAbstractSocket::ConnectionRefusedError: number = sckConnectionRefused; break;
    case QAbstractSocket::SocketTimeoutError: number = sckTimedout; break;
    case QAbstractSocket::HostNotFoundError: number = sckHostNotFound; break;
    default: break;
    }
    failed_ = true;
    const QString description = socket_.errorString();
    if (OnError) OnError(number, description, QStringLiteral("WinsockHost"));
}

}  // namespace tamberlo
