#pragma once
// The transport under one channel: it opens a device, runs one reader thread
// that collects received bytes, and writes command lines. CSerialPort is the
// serial transport; the FTDI and Silicon Labs transports derive from this too.
//
// Threads: the window thread calls Open, Close, Write and the hand-over
// functions; the reader thread only appends received bytes under `lock_` and
// posts one notification to the owner (NotifyOwner). Parsing, events and
// message boxes happen on the window thread. Close always joins the reader
// before it returns, so a closed port can be deleted at once.

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "PortEvent.h"
#include "WriteSlot.h"

namespace kelvanor {

// Kinds of port as the channel records them; the low four bits give the
// transport (1 serial, 2 USB).
enum PortKind : std::uint32_t {
    kPortNone = 0x00,
    kPortSerial = 0x01,
    kPortFtdi = 0x12,
    kPortSiLabs = 0x22,
};

// Who hears from a port (the control). Called on the reader thread: it must
// only post to the window thread and return. `portId` names the port itself
// (CCommunicationPort::portId()); keys of different transports may collide.
class PortOwner {
public:
    virtual ~PortOwner() = default;
    virtual void PortDataPending(std::uint32_t portId) = 0;
};

class CCommunicationPort {
public:
    static constexpr std::size_t kBufferSize = 1024;

    CCommunicationPort();
    virtual ~CCommunicationPort();
    CCommunicationPort(const CCommunicationPort&) = delete;
    CCommunicationPort& operator=(const CCommunicationPort&) = delete;

    // Opens device `device` for `owner`. Serial: device = COM number,
    // option = baud rate; returns 0 or an error code (kAccessDenied when the
    // port is held elsewhere). FTDI: (device index, attempt) and Silicon Labs:
    // (device index, unused) return 1 when opened, 0 otherwise.
    virtual int Open(PortOwner* owner, std::uint32_t device, std::uint32_t option) = 0;
    // Stops and joins the reader, closes the device; returns 1.
    virtual int Close() = 0;
    // Queues or writes one line (CR already appended); dropped when the port
    // is closed or busy too long.
    virtual void Write(const std::string& line) = 0;
    virtual bool IsOpen() const = 0;

    // FTDI bridges that still carry the bridge maker's identity can be given
    // the module's own; other ports say no.
    virtual bool HasGenericIdentity() const { return false; }
    virtual int ProgramModuleIds(bool /*ember*/) { return -1; }

    // Window thread, after a notification: a fault the reader met (the port
    // shows it and closes). The default has nothing to report.
    virtual void HandleReaderFault() {}

    // ---- hand-over to the control (window thread) ------------------------
    struct Received {
        std::vector<std::uint8_t> bytes;
        bool moreThanHalfFull = false;
    };
    // Takes every received byte and empties the buffer, under the lock, so
    // bytes the reader appends meanwhile are kept for the next hand-over.
    Received TakeReceived();
    bool HasReceived();
    // The key this port's notifications carry (COM number, USB location id
    // or device index).
    std::uint32_t key() const { return key_; }
    // Unique among the ports of the process; notifications carry it.
    std::uint32_t portId() const { return portId_; }

protected:
    // Reader thread: appends at most the free space, returns what was kept.
    std::size_t AppendReceived(const std::uint8_t* data, std::size_t n);
    // Posts the owner's notification unless one is still waiting.
    void NotifyOwner();
    void StartPortThread(std::function<void()> proc);
    void JoinPortThread();

    std::mutex lock_;  // guards the device and the buffers during device calls
    std::array<std::uint8_t, kBufferSize> receive_{};
    std::size_t receivedCount_ = 0;
    bool moreThanHalfFull_ = false;
    PortOwner* owner_ = nullptr;
    std::uint32_t key_ = 0;
    PortEvent readEvent_;
    PortEvent writeEvent_;
    PortEvent stopEvent_;
    WriteSlot writeSlot_;
    std::thread thread_;
    std::atomic<bool> running_{false};
    std::atomic<bool> closing_{false};
    std::array<char, kBufferSize> writeBuffer_{};
    std::size_t writeLength_ = 0;
    int deviceNumber_ = -1;

private:
    std::atomic<bool> notifyPending_{false};
    const std::uint32_t portId_;
};

}  // namespace kelvanor
