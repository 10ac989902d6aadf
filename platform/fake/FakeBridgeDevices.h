#pragma once
// The bookkeeping both fake USB bridge libraries keep: the devices added,
// their open handles, the bytes each received and was sent, the calls it saw,
// and failures injected per step. Thread-safe: a reader thread may poll while
// the test injects.
//
// State is a device's record: `device` (what the test added), `handle`
// (0 when closed), `rx`, `tx` and `calls`.

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace tamberlo::test {

template <class State, class Step, int kOk, int kInvalidHandle>
class FakeBridgeDevices {
public:
    // Adds a device; returns its index in the list.
    int addDevice(decltype(State::device) device) {
        std::lock_guard lock(mutex_);
        State s;
        s.device = std::move(device);
        devices_.push_back(std::move(s));
        return int(devices_.size()) - 1;
    }
    // Every later call of `step` returns `status` (0 removes the failure).
    void failAt(Step step, int status) {
        std::lock_guard lock(mutex_);
        if (status == 0) failures_.erase(step);
        else failures_[step] = status;
    }
    // Bytes that the device sends.
    void inject(int index, const std::string& bytes) {
        std::lock_guard lock(mutex_);
        devices_.at(std::size_t(index)).rx += bytes;
    }

    std::vector<std::string> calls(int index) const { return field(index, &State::calls); }
    std::string written(int index) const { return field(index, &State::tx); }  // every byte written so far
    bool isOpen(int index) const { return field(index, &State::handle) != 0; }
    std::size_t pending(int index) const { return field(index, &State::rx).size(); }  // received, not yet read

protected:
    // A field of device `index`, read under the lock.
    template <class T>
    T field(int index, T State::*member) const {
        std::lock_guard lock(mutex_);
        return devices_.at(std::size_t(index)).*member;
    }

    // Looks up the open device of `handle`, logs `call`, and gives the step's
    // injected failure or kOk. Caller holds the lock.
    int enter(std::uintptr_t handle, Step step, const std::string& call, State*& state) {
        state = nullptr;
        for (auto& s : devices_)
            if (handle != 0 && s.handle == handle) state = &s;
        if (!state) return kInvalidHandle;
        if (!call.empty()) state->calls.push_back(call);
        auto f = failures_.find(step);
        return f == failures_.end() ? kOk : f->second;
    }

    int closeHandle(std::uintptr_t handle) {
        std::lock_guard lock(mutex_);
        for (auto& s : devices_)
            if (handle != 0 && s.handle == handle) {
                s.calls.push_back("Close");
                s.handle = 0;
                return kOk;
            }
        return kInvalidHandle;
    }

    // Hands over at most `size` received bytes.
    int readBytes(std::uintptr_t handle, Step step, void* buffer, std::uint32_t size, std::uint32_t& got) {
        std::lock_guard lock(mutex_);
        State* s;
        got = 0;
        const int r = enter(handle, step, "", s);
        if (r != kOk) return r;
        const std::size_t n = std::min<std::size_t>(size, s->rx.size());
        std::memcpy(buffer, s->rx.data(), n);
        s->rx.erase(0, n);
        got = std::uint32_t(n);
        return kOk;
    }

    // Records a write; `answerOf(state, bytes)` gives the device's answer to
    // make, or nothing. The answer is made without the lock (a responder may
    // take its time) and arrives as received bytes.
    template <class AnswerOf>
    int writeBytes(std::uintptr_t handle, Step step, const void* buffer, std::uint32_t size, std::uint32_t& written,
                   AnswerOf answerOf) {
        const std::string bytes(static_cast<const char*>(buffer), size);
        std::function<std::string()> answer;
        {
            std::lock_guard lock(mutex_);
            State* s;
            written = 0;
            const int r = enter(handle, step, "", s);
            if (r != kOk) return r;
            s->tx += bytes;
            written = size;
            answer = answerOf(*s, bytes);
        }
        if (!answer) return kOk;
        const std::string reply = answer();
        std::lock_guard lock(mutex_);
        for (auto& s : devices_)
            if (s.handle == handle) s.rx += reply;
        return kOk;
    }

    mutable std::mutex mutex_;
    std::vector<State> devices_;
    std::map<Step, int> failures_;
};

}  // namespace tamberlo::test
