// The module reply parser over plain bytes: every reply form, binary frames,
// and lines that are no reply.

#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "ModuleReplyParser.h"

namespace kelvanor::test {
namespace {

struct Accepted {
    std::string line;
    ReplyKind kind;
    int module;
    int index;
    std::uint32_t value;
};

class ModuleReplyParserTest : public ::testing::TestWithParam<Accepted> {};

TEST_P(ModuleReplyParserTest, ReadsTheForm) {
    const Accepted& a = GetParam();
    const ParsedReply parsed = ParseModuleReply(a.line);
    const auto* r = std::get_if<ModuleReply>(&parsed);
    ASSERT_NE(r, nullptr) << std::get<ReplyError>(parsed).reason;
    EXPECT_EQ(r->kind, a.kind);
    EXPECT_EQ(r->module, a.module);
    EXPECT_EQ(r->index, a.index);
    EXPECT_EQ(r->value, a.value);
    if (a.kind != ReplyKind::Frame) {
        EXPECT_EQ(r->text + '\r', a.line);
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryForm, ModuleReplyParserTest,
    ::testing::Values(
        Accepted{"\r", ReplyKind::Empty, 0, 0, 0}, Accepted{"setup3\r", ReplyKind::Setup, 3, 0, 0},
        Accepted{"DV\r", ReplyKind::VersionEcho, 0, 0, 0}, Accepted{"DEW2.8\r", ReplyKind::Word4Echo, 2, 8, 0},
        Accepted{"EW1.8=0123\r", ReplyKind::InputWord, 1, 8, 0x123}, Accepted{"EW1.0=fFfF\r", ReplyKind::InputWord, 1, 0, 0xFFFF},
        Accepted{"#H1012FF\r", ReplyKind::InputReport, 1, 0, 0x12FF}, Accepted{"e1201A0\r", ReplyKind::InputReport, 1, 2, 0x1A0},
        Accepted{"AW1.4=07FF\r", ReplyKind::OutputWord, 1, 4, 0x7FF}, Accepted{"T1=10\r", ReplyKind::Timer, 1, 0, 0x10},
        Accepted{"ME=4\r", ReplyKind::InitDone, 0, 0, 4}, Accepted{"M1=20\r", ReplyKind::FilterMask, 1, 0, 0x20},
        Accepted{"S1=0F\r", ReplyKind::ChannelMask, 1, 0, 0x0F}, Accepted{"C1.1=1\r", ReplyKind::CounterStarted, 1, 1, 1},
        Accepted{"C1.0=00FF\r", ReplyKind::Counter, 1, 0, 0xFF}, Accepted{"B1=1\r", ReplyKind::Acknowledged, 1, 0, 0},
        Accepted{"F1=02\r", ReplyKind::Acknowledged, 1, 0, 2}, Accepted{"G1.2=1.50\r", ReplyKind::Acknowledged, 1, 0, 0},
        Accepted{"U1.02=03\r", ReplyKind::Acknowledged, 1, 0, 3}, Accepted{"RA1=5\r", ReplyKind::Acknowledged, 1, 0, 0},
        Accepted{"RE1=-2\r", ReplyKind::Acknowledged, 1, 0, 0},
        // Blanks after the form do not matter.
        Accepted{"setup2 \r", ReplyKind::Setup, 2, 0, 0},
        // A CR among the value bytes is part of the frame.
        Accepted{std::string("4\x0D\x41\r", 4), ReplyKind::Frame, 0, 2, 0x0D41},
        Accepted{std::string("8\xFF\x00\r", 4), ReplyKind::Frame, 0, 4, 0xFF00}));

TEST(ModuleReplyParser, ReadsTheVersion) {
    const ParsedReply parsed = ParseModuleReply("V=2.05\r");
    const auto& r = std::get<ModuleReply>(parsed);
    EXPECT_EQ(r.kind, ReplyKind::Version);
    EXPECT_EQ(r.major, 2);
    EXPECT_EQ(r.minor, 5);
}

TEST(ModuleReplyParser, RefusesWhatIsNoReply) {
    for (const std::string& line : {
             std::string(),
             std::string("x"),
             std::string("X1=1\r"),
             std::string("3abc\r"),
             std::string("setup34\r"),
             std::string("setup3 x\r"),
             std::string("setup\r"),
             std::string("EW1.8=\r"),
             std::string("EW1.8=12345\r"),
             std::string("EW1.8=-123\r"),
             std::string("EWx.8=0123\r"),
             std::string("AW1.0=GG\r"),
             std::string("V=2\r"),
             std::string("C1.2=1\r"),
             std::string("C1.0=1\r ") /* 8 bytes: neither counter form */,
             std::string("DV \r"),
             std::string("G1.2=abc\r"),
             std::string("2abcd"),
             std::string("2a\r"),
             std::string(101, 'A'),
         }) {
        EXPECT_TRUE(std::holds_alternative<ReplyError>(ParseModuleReply(line))) << '"' << line << '"';
    }
}

}  // namespace
}  // namespace kelvanor::test
