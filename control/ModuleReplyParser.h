#pragma once
// The meaning of one line (or one 4-byte binary frame) that a Kelvanor module
// sent, as a pure function over bytes: no channel, no tracing, no stored
// state, no message boxes. It is not the line builder and not the control's
// reaction to a reply (the initialisation chain, the events): the control
// acts on what this returns.

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace kelvanor {

enum class ReplyKind {
    Empty,           // only the CR
    Setup,           // "setup<n>": module number n
    Version,         // "V=<major>.<minor>"
    VersionEcho,     // "DV": an older module echoed the version request
    Word4Echo,       // "DEW<n>.8": a module without analog words echoed the word-4 request
    InputWord,       // "EW<n>.<w>=<hex>": the answer to a read of input word w / 2
    InputReport,     // "#H<n><w><hex>" or "e<n><w><hex>": an input word the module reports unasked
    OutputWord,      // "AW<n>.<w>=<hex>": output word w / 2 (the echo of a write, or a read)
    Timer,           // "T<n>=<hex>"
    InitDone,        // "ME=<d>": the last step of the initialisation chain
    FilterMask,      // "M<n>=<hex>"
    ChannelMask,     // "S<n>=<hex>": auto-sent analog inputs, bits 0..3 for words 1..4
    CounterStarted,  // "C<n>.<c>=<0|1>"
    Counter,         // "C<n>.<c>=<hex>": counter c
    Acknowledged,    // 'B', 'F', 'G', 'U', 'R': nothing but the reply text
    Frame,           // a binary frame: digit, high byte, low byte, CR
};

struct ModuleReply {
    ReplyKind kind = ReplyKind::Empty;
    int module = 0;           // the module number the line names (0..9), 0 when it names none
    int index = 0;            // word as sent (twice the word index), counter, or a frame's word (1..4)
    std::uint32_t value = 0;  // word value, mask, counter value
    int major = 0;            // Version
    int minor = 0;
    std::string text;  // the line without its CR: the module's reply text
};

struct ReplyError {
    std::string reason;
};

using ParsedReply = std::variant<ModuleReply, ReplyError>;

// Lines longer than this are never a reply.
inline constexpr std::size_t kMaxReplyLength = 100;

// True for the first byte of a binary frame ('2', '4', '6', '8').
constexpr bool IsFrameStart(char c) { return c == '2' || c == '4' || c == '6' || c == '8'; }

// `line` is one complete line including its CR, or a 4-byte frame.
ParsedReply ParseModuleReply(std::string_view line);

}  // namespace kelvanor
