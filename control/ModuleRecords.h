#pragma once
// The control's records of the modules (index = module number, 1 to 8 used)
// and of the channels (one per open port).

#include <array>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>

#include "CommunicationPort.h"

namespace kelvanor {

struct ChannelRecord;

// Type codes and flags of ModuleRecord::type.
constexpr std::uint32_t kTypeAtlas = 1;
constexpr std::uint32_t kTypeBasil = 2;
constexpr std::uint32_t kTypeDelta = 3;
constexpr std::uint32_t kTypeCedar = 5;
constexpr std::uint32_t kTypeHasAnalogWords = 2;  // bit 1
constexpr std::uint32_t kTypeCedarFlag = 4;       // bit 2

constexpr int kModuleRecords = 9;
constexpr int kChannelRecords = 8;
constexpr int kInputWords = 5;
constexpr int kOutputWords = 3;
constexpr int kCounters = 2;

struct ModuleRecord {
    std::uint32_t present = 0;
    std::uint32_t type = 0;
    std::uint16_t number = 0;
    ChannelRecord* channel = nullptr;
    std::uint32_t minorVersion = 0;
    std::uint32_t majorVersion = 0;
    std::array<std::uint32_t, kCounters> counters{};
    std::array<std::uint8_t, kCounters> counterRequest{};
    std::array<std::uint32_t, kInputWords> inputWords{};
    std::array<std::uint8_t, kInputWords> autoSend{};
    std::array<std::uint32_t, kInputWords> inputRequest{};
    std::array<std::uint32_t, kOutputWords> outputWords{};
    std::array<std::uint8_t, kOutputWords> outputWrite{};
    std::string replyText;
    std::uint8_t replyPending = 1;

    // Back to "no module" (number and versions stay).
    void Reset() {
        present = 0;
        type = 0;
        channel = nullptr;
        counters = {};
        counterRequest = {};
        inputWords = {};
        inputRequest = {};
        outputWords = {};
        outputWrite = {};
        autoSend = {1, 0, 0, 0, 0};
        replyText.clear();
        replyPending = 1;
    }
};

enum ChannelState : std::uint32_t {
    kChannelClosed = 0,
    kChannelOpening = 1,
    kChannelReady = 2,
    kChannelInitialising = 3,
    kChannelClosing = 4,
};

struct ChannelRecord {
    static constexpr std::size_t kLineLimit = 100;  // characters a line may use
    static constexpr std::size_t kPendingLimit = 64 * 1024;

    ModuleRecord* modules = nullptr;
    std::uint32_t index = 0;
    std::uint32_t minorVersion = 0;
    std::uint32_t majorVersion = 0;
    std::uint32_t moduleNumber = 0;
    std::uint32_t state = kChannelClosed;
    std::uint32_t portKind = kPortNone;
    std::uint32_t key = 0;
    std::unique_ptr<CCommunicationPort> port;
    std::array<char, 1024> line{};
    std::uint32_t lineLength = 0;
    // An overlong line is being skipped up to its CR.
    bool skippingLine = false;

    // Bytes taken from the port and not yet built into lines. Kept here, not
    // on the stack, so that a handler running nested inside the control's
    // message handling continues with the same bytes in order.
    std::deque<std::uint8_t> pending;
    bool moreThanHalfFull = false;
    // The newest binary frame of each digit '2', '4', '6', '8' since the last batch.
    std::array<std::array<char, 4>, 4> frames{};
    std::array<bool, 4> frameSet{};

    void ClearInput() {
        lineLength = 0;
        line[0] = 0;
        skippingLine = false;
        pending.clear();
        frameSet = {};
    }
};

}  // namespace kelvanor
