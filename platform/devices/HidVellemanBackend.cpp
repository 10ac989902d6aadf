#include "HidVellemanBackend.h"

#include <hidapi.h>

namespace tamberlo::velleman {

namespace {
std::uint8_t toByte(std::int32_t v) { return static_cast<std::uint8_t>(v < 0 ? 0 : (v > 255 ? 255 : v)); }
constexpr int kMaxQueuedReports = 64;  // reports drained per read, so a read never loops without end
}  // namespace

HidVellemanBackend::HidVellemanBackend() { hidReady_ = hid_init() == 0; }

HidVellemanBackend::~HidVellemanBackend() {
    CloseDevice();
    if (hidReady_) hid_exit();
}

HidVellemanBackend::Card* HidVellemanBackend::current() {
    Card& c = cards_[current_];
    return c.device ? &c : nullptr;
}

void HidVellemanBackend::close(Card& card) {
    if (card.device) hid_close(card.device);
    card = Card{};
}

std::int32_t HidVellemanBackend::CloseDevice() {
    for (Card& c : cards_) close(c);
    return 0;
}

std::int32_t HidVellemanBackend::SearchDevices() {
    CloseDevice();
    if (!hidReady_) return 0;
    int mask = 0;
    hid_device_info* list = hid_enumerate(kVendorId, 0);
    for (hid_device_info* d = list; d; d = d->next) {
        auto card = CardOfProductId(d->product_id);
        if (!card || cards_[*card].device) continue;
        // Opening fails without read/write permission on the hidraw node: the card is then not found.
        hid_device* dev = d->path ? hid_open_path(d->path) : nullptr;
        if (!dev) continue;
        cards_[*card].device = dev;
        mask |= 1 << *card;
    }
    hid_free_enumeration(list);
    return mask;
}

std::int32_t HidVellemanBackend::SetCurrentDevice(std::int32_t card) {
    if (card < 0 || card > 3) return -1;
    current_ = card;
    return cards_[card].device ? card : -1;
}

std::int32_t HidVellemanBackend::Connected() {
    int mask = 0;
    for (int i = 0; i < 4; ++i)
        if (cards_[i].device) mask |= 1 << i;
    return mask;
}

void HidVellemanBackend::send(Card& card) {
    Report r = EncodeOutputs(card.digital, card.analog1, card.analog2);
    // hidapi wants the report id first; the card's reports have none (0).
    unsigned char buf[kReportSize + 1] = {0};
    for (std::size_t i = 0; i < kReportSize; ++i) buf[i + 1] = r[i];
    if (hid_write(card.device, buf, sizeof buf) < 0) close(card);
}

void HidVellemanBackend::refreshInput(Card& card) {
    // The card reports its inputs continuously and the kernel queues the
    // reports: take the newest one waiting, or wait briefly for a fresh one.
    using Clock = std::chrono::steady_clock;
    unsigned char buf[kReportSize];
    bool got = false;
    for (int i = 0; i < kMaxQueuedReports; ++i) {
        int n = hid_read_timeout(card.device, buf, sizeof buf, 0);
        if (n < 0) {
            close(card);
            return;
        }
        if (n == 0) break;
        if (auto in = DecodeInput(buf, static_cast<std::size_t>(n))) {
            card.input = *in;
            got = true;
        }
    }
    if (!got && Clock::now() - card.received < kFreshReport) return;
    if (!got) {
        int n = hid_read_timeout(card.device, buf, sizeof buf, kReadTimeoutMs);
        if (n < 0) {
            close(card);
            return;
        }
        auto in = DecodeInput(buf, static_cast<std::size_t>(n));
        if (!in) return;  // no report in time: the last one stands
        card.input = *in;
    }
    card.received = Clock::now();
}

std::int32_t HidVellemanBackend::ReadAllDigital() {
    Card* c = current();
    if (!c) return 0;
    refreshInput(*c);
    return c->input.digital;
}

void HidVellemanBackend::ReadAllAnalog(std::int32_t& a1, std::int32_t& a2) {
    Card* c = current();
    if (!c) {
        a1 = 0;
        a2 = 0;
        return;
    }
    refreshInput(*c);
    a1 = c->input.analog1;
    a2 = c->input.analog2;
}

void HidVellemanBackend::WriteAllDigital(std::int32_t data) {
    if (Card* c = current()) {
        c->digital = static_cast<std::uint8_t>(data & 0xFF);
        send(*c);
    }
}

void HidVellemanBackend::SetAllDigital() { WriteAllDigital(0xFF); }
void HidVellemanBackend::ClearAllDigital() { WriteAllDigital(0); }

void HidVellemanBackend::SetDigitalChannel(std::int32_t channel) {
    Card* c = current();
    if (!c || channel < 1 || channel > 8) return;
    c->digital = static_cast<std::uint8_t>(c->digital | (1 << (channel - 1)));
    send(*c);
}

void HidVellemanBackend::ClearDigitalChannel(std::int32_t channel) {
    Card* c = current();
    if (!c || channel < 1 || channel > 8) return;
    c->digital = static_cast<std::uint8_t>(c->digital & ~(1 << (channel - 1)));
    send(*c);
}

void HidVellemanBackend::OutputAnalogChannel(std::int32_t channel, std::int32_t data) {
    Card* c = current();
    if (!c || (channel != 1 && channel != 2)) return;
    (channel == 1 ? c->analog1 : c->analog2) = toByte(data);
    send(*c);
}

void HidVellemanBackend::OutputAllAnalog(std::int32_t data1, std::int32_t data2) {
    Card* c = current();
    if (!c) return;
    c->analog1 = toByte(data1);
    c->analog2 = toByte(data2);
    send(*c);
}

// Version 1.0.0.0 of this layer, one number per byte from the high byte down.
std::int32_t HidVellemanBackend::Version() { return 0x01000000; }

}  // namespace tamberlo::velleman
