#pragma once
// The Kelvanor control for the program's tests: Connect and GetModuleType
// answer as told, and every call is logged ("Connect()", "Disconnect()",
// "GetModuleType(0)", "SetDigitalOutput0(5)", "AboutBox()"), into `log` or
// into a log the test shares with its other fakes.

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "KelvanorClient.h"

namespace tamberlo::test {

class FakeKelvanor final : public tamberlo::KelvanorClient {
public:
    FakeKelvanor() = default;
    explicit FakeKelvanor(std::vector<std::string>& sharedLog) : log_(&sharedLog) {}
    FakeKelvanor(const FakeKelvanor&) = delete;
    FakeKelvanor& operator=(const FakeKelvanor&) = delete;

    std::int16_t connectResult = 0;
    std::int16_t moduleType = 0;
    bool connectThrows = false;
    std::function<void()> duringConnect;  // runs inside Connect, as its event dispatching would
    std::vector<std::string> log;
    std::vector<int> sent;  // the bytes of every SetDigitalOutput0

    std::int16_t Connect() override {
        log_->push_back("Connect()");
        if (duringConnect) duringConnect();
        if (connectThrows) throw std::runtime_error("control failed");
        return connectResult;
    }
    void Disconnect() override { log_->push_back("Disconnect()"); }
    std::int16_t GetModuleType(std::int16_t i) override {
        log_->push_back("GetModuleType(" + std::to_string(i) + ")");
        return moduleType;
    }
    void SetDigitalOutput0(std::int16_t d) override {
        log_->push_back("SetDigitalOutput0(" + std::to_string(d) + ")");
        sent.push_back(d);
    }
    void AboutBox() override { log_->push_back("AboutBox()"); }

private:
    std::vector<std::string>* log_ = &log;
};

}  // namespace tamberlo::test
