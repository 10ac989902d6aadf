#include "ModuleReplyParser.h"

#include <charconv>
#include <limits>

namespace kelvanor {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isSpace(char c) { return isBlank(c) || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }
int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// Reads the fields of one reply form the way the modules write them: fixed
// letters, decimal and hexadecimal numbers of bounded width, and nothing but
// blanks after the form. Never reads past the line.
class Fields {
public:
    explicit Fields(std::string_view text) : text_(text) {}

    bool Letters(std::string_view letters) {
        if (text_.substr(pos_, letters.size()) != letters) return false;
        pos_ += letters.size();
        return true;
    }
    // Up to `width` characters: digits, after an optional sign when `signedNumber`.
    bool Decimal(int width, int& out, bool signedNumber = false) {
        SkipBlanks();
        bool negative = false;
        if (signedNumber && pos_ < text_.size() && (text_[pos_] == '-' || text_[pos_] == '+')) {
            negative = text_[pos_] == '-';
            ++pos_;
            --width;
        }
        long long v = 0;
        int digits = 0;
        while (digits < width && pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9') {
            v = v * 10 + (text_[pos_++] - '0');
            ++digits;
        }
        if (digits == 0) return false;
        out = static_cast<int>(negative ? -v : v);
        return true;
    }
    // Up to `width` hexadecimal digits (width 0: any number, the value saturating).
    bool Hex(int width, std::uint32_t& out) {
        SkipBlanks();
        std::uint64_t v = 0;
        int digits = 0;
        while ((width == 0 || digits < width) && pos_ < text_.size() && hexDigit(text_[pos_]) >= 0) {
            v = v * 16 + static_cast<std::uint64_t>(hexDigit(text_[pos_++]));
            if (v > std::numeric_limits<std::uint32_t>::max()) v = std::numeric_limits<std::uint32_t>::max();
            ++digits;
        }
        if (digits == 0) return false;
        out = static_cast<std::uint32_t>(v);
        return true;
    }
    bool Real(float& out) {
        SkipBlanks();
        const char* first = text_.data() + pos_;
        const char* last = text_.data() + text_.size();
        if (first < last && *first == '+') ++first;
        const auto [end, ec] = std::from_chars(first, last, out);
        if (ec != std::errc()) return false;
        pos_ = static_cast<std::size_t>(end - text_.data());
        return true;
    }
    // Only blanks and line ends remain.
    bool End() const {
        for (std::size_t i = pos_; i < text_.size(); ++i)
            if (!isSpace(text_[i])) return false;
        return true;
    }

private:
    void SkipBlanks() {
        while (pos_ < text_.size() && isSpace(text_[pos_])) ++pos_;
    }
    std::string_view text_;
    std::size_t pos_ = 0;
};

ParsedReply fail(std::string reason) { return ReplyError{std::move(reason)}; }

// "<n><sep><w>=<hex>" with n and w one digit each.
bool wordForm(Fields& f, std::string_view lead, std::string_view sep, std::string_view eq, int hexWidth, ModuleReply& r) {
    return f.Letters(lead) && f.Decimal(1, r.module) && f.Letters(sep) && f.Decimal(1, r.index) && f.Letters(eq) &&
           f.Hex(hexWidth, r.value) && f.End();
}

}  // namespace

ParsedReply ParseModuleReply(std::string_view line) {
    if (line.empty()) return fail("empty line");
    if (line.size() > kMaxReplyLength) return fail("line too long");
    ModuleReply r;
    const char first = line[0];

    if (IsFrameStart(first)) {
        if (line.size() != 4) return fail("binary frame of the wrong length");
        r.kind = ReplyKind::Frame;
        r.index = (first - '0') / 2;
        r.value = static_cast<std::uint32_t>(static_cast<unsigned char>(line[1])) * 256 + static_cast<unsigned char>(line[2]);
        return r;
    }
    const std::string_view text = line.back() == '\r' ? line.substr(0, line.size() - 1) : line;
    r.text.assign(text);
    if (line.size() == 1) {
        if (first != '\r') return fail("line without its CR");
        r.kind = ReplyKind::Empty;
        return r;
    }

    Fields f(line.substr(1));
    switch (first) {
    case 's':
        if (f.Letters("etup") && f.Decimal(1, r.module) && f.End()) {
            r.kind = ReplyKind::Setup;
            return r;
        }
        break;
    case 'V':
        if (f.Letters("=") && f.Decimal(1, r.major) && f.Letters(".") && f.Decimal(2, r.minor) && f.End()) {
            r.kind = ReplyKind::Version;
            return r;
        }
        break;
    case 'D':
        if (line == "DV\r") {
            r.kind = ReplyKind::VersionEcho;
            return r;
        }
        if (f.Letters("EW") && f.Decimal(1, r.module) && f.Letters(".8") && f.End()) {
            r.kind = ReplyKind::Word4Echo;
            r.index = 8;
            return r;
        }
        break;
    case 'E':
        if (wordForm(f, "W", ".", "=", 4, r)) {
            r.kind = ReplyKind::InputWord;
            return r;
        }
        break;
    case '#':
        if (wordForm(f, "H", "", "", 4, r)) {
            r.kind = ReplyKind::InputReport;
            return r;
        }
        break;
    case 'e':
        if (wordForm(f, "", "", "", 4, r)) {
            r.kind = ReplyKind::InputReport;
            return r;
        }
        break;
    case 'A':
        if (wordForm(f, "W", ".", "=", 4, r)) {
            r.kind = ReplyKind::OutputWord;
            return r;
        }
        break;
    case 'T':
        if (f.Decimal(1, r.module) && f.Letters("=") && f.Hex(0, r.value) && f.End()) {
            r.kind = ReplyKind::Timer;
            return r;
        }
        break;
    case 'M': {
        Fields done(line.substr(1));
        int step = 0;
        if (done.Letters("E=") && done.Decimal(1, step) && done.End()) {
            r.kind = ReplyKind::InitDone;
            r.value = static_cast<std::uint32_t>(step);
            return r;
        }
        if (f.Decimal(1, r.module) && f.Letters("=") && f.Hex(2, r.value) && f.End()) {
            r.kind = ReplyKind::FilterMask;
            return r;
        }
        break;
    }
    case 'S':
        if (f.Decimal(1, r.module) && f.Letters("=") && f.Hex(2, r.value) && f.End()) {
            r.kind = ReplyKind::ChannelMask;
            return r;
        }
        break;
    case 'C': {
        Fields started(line.substr(1));
        int on = 0;
        if (line.size() == 7 && started.Decimal(1, r.module) && started.Letters(".") && started.Decimal(1, r.index) &&
            started.Letters("=") && started.Decimal(1, on) && started.End() && r.index < 2 && on < 2) {
            r.kind = ReplyKind::CounterStarted;
            r.value = static_cast<std::uint32_t>(on);
            return r;
        }
        if (line.size() == 10 && wordForm(f, "", ".", "=", 4, r) && r.index <= 1) {
            r.kind = ReplyKind::Counter;
            return r;
        }
        break;
    }
    case 'B': {
        int value = 0;
        if (f.Decimal(1, r.module) && f.Letters("=") && f.Decimal(1, value) && f.End()) {
            r.kind = ReplyKind::Acknowledged;
            return r;
        }
        break;
    }
    case 'F':
        if (f.Decimal(1, r.module) && f.Letters("=") && f.Hex(2, r.value) && f.End()) {
            r.kind = ReplyKind::Acknowledged;
            return r;
        }
        break;
    case 'G': {
        int channel = 0;
        float gain = 0;
        if (f.Decimal(1, r.module) && f.Letters(".") && f.Decimal(9, channel, true) && f.Letters("=") && f.Real(gain) &&
            f.End()) {
            r.kind = ReplyKind::Acknowledged;
            return r;
        }
        break;
    }
    case 'U': {
        std::uint32_t channel = 0;
        if (f.Decimal(1, r.module) && f.Letters(".") && f.Hex(2, channel) && f.Letters("=") && f.Hex(2, r.value) && f.End()) {
            r.kind = ReplyKind::Acknowledged;
            return r;
        }
        break;
    }
    case 'R': {
        int range = 0;
        if ((f.Letters("A") || f.Letters("E")) && f.Decimal(1, r.module) && f.Letters("=") && f.Decimal(9, range, true) &&
            f.End()) {
            r.kind = ReplyKind::Acknowledged;
            return r;
        }
        break;
    }
    default: return fail("unknown reply");
    }
    return fail("malformed reply");
}

}  // namespace kelvanor
