// Feeds arbitrary bytes to the Kelvanor module reply parser: cut into lines
// at CR as the control builds them (a 4-byte line that begins with an even
// digit is a binary frame), and whole. What it accepts must lie in range.

#include <cstdlib>
#include <string_view>
#include <variant>

#include "ModuleReplyParser.h"

using namespace kelvanor;

namespace {

void check(std::string_view line) {
    const ParsedReply parsed = ParseModuleReply(line);
    const auto* r = std::get_if<ModuleReply>(&parsed);
    if (!r) {
        if (std::get<ReplyError>(parsed).reason.empty()) std::abort();
        return;
    }
    if (line.size() > kMaxReplyLength || r->module < 0 || r->module > 9) std::abort();
    switch (r->kind) {
    case ReplyKind::Frame:
        if (line.size() != 4 || r->index < 1 || r->index > 4 || r->value > 0xFFFF) std::abort();
        break;
    case ReplyKind::InputWord:
    case ReplyKind::InputReport:
    case ReplyKind::OutputWord:
    case ReplyKind::Counter:
        if (r->index < 0 || r->index > 9 || r->value > 0xFFFF) std::abort();
        if (r->kind == ReplyKind::Counter && r->index > 1) std::abort();
        break;
    case ReplyKind::ChannelMask:
    case ReplyKind::FilterMask:
        if (r->value > 0xFF) std::abort();
        break;
    default: break;
    }
    if (r->kind != ReplyKind::Frame && r->text.size() >= line.size() + 1) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    check(bytes);
    std::size_t start = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r') continue;
        const std::size_t length = i + 1 - start;
        // A CR among a frame's value bytes does not end the frame.
        if (IsFrameStart(bytes[start]) && length < 4) continue;
        if (length <= kMaxReplyLength) check(bytes.substr(start, length));
        start = i + 1;
    }
    return 0;
}
