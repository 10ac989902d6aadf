#pragma once
// The TCP client control of the network link: the peer's host and port, and
// (in the network link) connect, state, send, receive and close.

#include <QObject>
#include <QString>

#include <cstdint>

namespace tamberlo {

class WinsockControl : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    QString RemoteHost() const { return remoteHost_; }
    void SetRemoteHost(const QString& h) { remoteHost_ = h; }
    std::int32_t RemotePort() const { return remotePort_; }
    void SetRemotePort(std::int32_t p) { remotePort_ = p; }

private:
    QString remoteHost_;
    std::int32_t remotePort_ = 0;
};

}  // namespace tamberlo
