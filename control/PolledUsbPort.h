#pragma once
// What the two USB bridge transports (FTDI and Silicon Labs) share: a reader
// that polls the bridge's receive queue, drops a flood, and hands bytes to the
// control as the serial reader does; writes run on the calling thread. The
// transports supply the device calls.

#include <cstdint>
#include <string>

#include "CommunicationPort.h"

namespace kelvanor {

class CPolledUsbPort : public CCommunicationPort {
public:
    // More bytes than this waiting counts as a flood: they are dropped.
    static constexpr std::uint32_t kFloodLimit = 768;

    void Write(const std::string& line) final;
    bool IsOpen() const final;
    // One poll of the receive queue (the reader's step; tests call it too).
    void ReadData();

protected:
    // Reader thread: polls every `ms` until closed or stopped.
    void PollLoop(int ms);

    // Device calls, made under `lock_`.
    virtual bool HasDevice() const = 0;
    // Bytes waiting to be read; false when there is nothing to read.
    virtual bool DeviceWaiting(std::uint32_t& waiting) = 0;
    virtual bool DeviceRead(std::uint8_t* data, std::uint32_t n, std::uint32_t& got) = 0;
    virtual void DeviceFlushReceive() = 0;
    virtual void DeviceWrite(const char* data, std::uint32_t n) = 0;
};

}  // namespace kelvanor
