#pragma once
// The TCP client control of the network link (`WinsockHost`): the peer's
// host and port, connect, the state, send a text, take all received text,
// close, and the data-arrival and error events. Text goes on the wire as
// single bytes (Latin-1). The control never listens.

#include <QObject>
#include <QString>
#include <QTcpSocket>

#include <cstdint>
#include <functional>

namespace tamberlo {

class WinsockControl : public QObject {
    Q_OBJECT
public:
    // The states the program reads.
    enum State : int {
        sckClosed = 0,
        sckOpen = 1,
        sckResolvingHost = 4,
        sckConnecting = 6,
        sckConnected = 7,
        sckClosing = 8,  // the peer closed its side
        sckError = 9,
    };

    explicit WinsockControl(QObject* parent = nullptr);

    QString RemoteHost() const { return remoteHost_; }
    void SetRemoteHost(const QString& h) { remoteHost_ = h; }
    std::int32_t RemotePort() const { return remotePort_; }
    void SetRemotePort(std::int32_t p) { remotePort_ = p; }
    // The address of the connected peer, "" when not connected.
    QString RemoteHostIP() const;

    // Starts connecting to RemoteHost:RemotePort; false when the control is
    // connecting or connected, the host is empty or the port is out of range.
    bool Connect();
    int State() const;
    // Sends `text` as one write; false when not connected or the write failed.
    bool SendData(const QString& text);
    // All characters waiting, taken at once.
    QString GetData();
    void Close();

    // Raised when data arrived, with the number of bytes waiting.
    std::function<void(qint64)> OnDataArrival;
    // Raised on a socket error: number, description, source.
    std::function<void(int, const QString&, const QString&)> OnError;
    // Raised when the peer closed the connection.
    std::function<void()> OnClose;

    // Error numbers reported through OnError.
    static constexpr int sckConnectionRefused = 10061;
    static constexpr int sckTimedout = 10060;
    static constexpr int sckHostNotFound = 11001;
    static constexpr int sckConnectionReset = 10054;
    static constexpr int sckNetworkError = 10050;

private:
    void handleError(QAbstractSocket::SocketError e);

    QTcpSocket socket_;
    QString remoteHost_;
    std::int32_t remotePort_ = 0;
    bool failed_ = false;
    bool peerClosed_ = false;
};

}  // namespace tamberlo
