// The .vpp bytes on their own: golden files written from the layout rules,
// the tolerances for older files, and the files the reader must refuse.

#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "EveryKindLadder.h"
#include "LadderFileFormat.h"

using namespace tamberlo;
using tamberlo::test::EveryKind;
using tamberlo::test::ReadGolden;

namespace {

std::vector<std::string> Lines(const std::string& s) {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (std::size_t p; (p = s.find("\r\n", start)) != std::string::npos; start = p + 2)
        out.push_back(s.substr(start, p - start));
    return out;
}

ParsedLadder Ok(const LadderParseResult& r) {
    if (const auto* e = std::get_if<LadderFileError>(&r)) {
        ADD_FAILURE() << "refused: kind " << static_cast<int>(e->kind) << " line " << e->line << " field '" << e->field << "'";
        return {};
    }
    return std::get<ParsedLadder>(r);
}

void ExpectSameTables(const LadderData& a, const LadderData& b) {
    for (int i = 1; i <= 270; ++i) EXPECT_EQ(a.conditions[i], b.conditions[i]) << "cell " << i;
    for (int r = 0; r <= 90; ++r) {
        EXPECT_EQ(a.actions[r], b.actions[r]) << "row " << r;
        if (a.actions[r][0] == 4) {
            EXPECT_EQ(a.soundFolders[r], b.soundFolders[r]) << "row " << r;
            EXPECT_EQ(a.soundFiles[r], b.soundFiles[r]) << "row " << r;
        }
    }
}

// Replaces line `n` (1-based) of a CR LF file.
std::string WithLine(const std::string& file, int n, const std::string& line) {
    auto lines = Lines(file);
    lines[static_cast<std::size_t>(n - 1)] = line;
    std::string out;
    for (auto& l : lines) out += l + "\r\n";
    return out;
}

std::string FirstLines(const std::string& file, int n) {
    auto lines = Lines(file);
    std::string out;
    for (int i = 0; i < n; ++i) out += lines[static_cast<std::size_t>(i)] + "\r\n";
    return out;
}

// Line numbers in every_kind.vpp: cell c on line 5 + c, action row r on 279 + r
// (row 2 wraps, so rows from 3 on lie one line further).
constexpr int CellLine(int c) { return 5 + c; }
constexpr int ActionTextLine(int r) { return r <= 2 ? 279 + r : 280 + r; }

}  // namespace

TEST(LadderFileFormat, WriterOutputMatchesTheGoldenFiles) {
    EXPECT_EQ(FormatLadderFile(EveryKind(), "127.0.0.1", 120), ReadGolden("every_kind.vpp"));
    EXPECT_EQ(FormatLadderFile(LadderData{}, "  127.0.0.1", 0), ReadGolden("all_zero.vpp"))
        << "leading blanks of the host are removed";
}

TEST(LadderFileFormat, ColumnsFollowTheLayoutRules) {
    const auto lines = Lines(FormatLadderFile(EveryKind(), "127.0.0.1", 120));
    ASSERT_EQ(lines.size(), 376u);
    EXPECT_EQ(lines[0], "Ladderprogramma voor Tamberlo");
    EXPECT_EQ(lines[2], std::string(62, '-'));
    // Record number digit in column 2, the values' digits in 7, 13, 19, 25, 31, 37.
    EXPECT_EQ(lines[CellLine(1) - 1], " 1    1     10    3     0     0     0 ");
    // A 4-digit value fills its slot exactly and the next value stays on the line.
    EXPECT_EQ(lines[CellLine(2) - 1], " 2    1     22    2     1100  0     0 ");
    EXPECT_EQ(lines[CellLine(270) - 1], " 270  1     40    17    0     0     0 ");
    // A 5-digit value runs past the next tab column: the record goes on in that column of a new line.
    EXPECT_EQ(lines[ActionTextLine(2) - 1], " 2    2     1     6000  300   0     12345 ");
    EXPECT_EQ(lines[ActionTextLine(2)], std::string(41, ' ') + " 0    -5     0     150 ");
    // A sound row's folder starts in column 71, "/\" joins it to the file.
    EXPECT_EQ(lines[ActionTextLine(6) - 1].substr(70), "/home/leerling/Geluiden/\\bel.wav");
    EXPECT_EQ(lines[ActionTextLine(6) - 1].substr(0, 62), " 6    4     0     0     0     0     0     0     0     0     0 ");
    EXPECT_EQ(lines[lines.size() - 3], "IP-adres: 127.0.0.1");
    EXPECT_EQ(lines[lines.size() - 2], "Poort: 120");
}

TEST(LadderFileFormat, GoldenFilesReadBackIntoTheTables) {
    const ParsedLadder p = Ok(ParseLadderFile(ReadGolden("every_kind.vpp")));
    EXPECT_EQ(p.conditionRecords, 270);
    EXPECT_EQ(p.actionRecords, 91);
    ExpectSameTables(p.ladder, EveryKind());
    EXPECT_EQ(p.ladder.soundFolders[7], "/snd/a,b") << "commas survive in the sound field";
    EXPECT_EQ(p.ladder.soundFiles[7], "deur, dicht.wav");
    EXPECT_EQ(p.host, "127.0.0.1");
    EXPECT_EQ(p.port, 120);

    const ParsedLadder z = Ok(ParseLadderFile(ReadGolden("all_zero.vpp")));
    ExpectSameTables(z.ladder, LadderData{});
    EXPECT_EQ(z.host, "127.0.0.1");
    EXPECT_EQ(z.port, 0);
}

TEST(LadderFileFormat, RoundTripKeepsEveryValue) {
    LadderData d = EveryKind();
    d.actions[8] = {4, 0, 0, 0, 0, 0, -32768, 32767, 0, 0};
    d.soundFolders[8] = "\"quoted\" map";
    d.soundFiles[8] = "x.wav ";
    d.conditions[13] = {0, -32768, 32767, -1, 99, 0};  // unused columns of an empty cell
    const std::string bytes = FormatLadderFile(d, "peer", 65535);
    const ParsedLadder p = Ok(ParseLadderFile(bytes));
    ExpectSameTables(p.ladder, d);
    EXPECT_EQ(p.port, 65535);
    EXPECT_EQ(FormatLadderFile(p.ladder, *p.host, *p.port), bytes);
}

TEST(LadderFileFormat, HeaderLinesAreReadWhateverTheyHold) {
    const std::string golden = ReadGolden("every_kind.vpp");
    const ParsedLadder expected = Ok(ParseLadderFile(golden));
    // Files written earlier carry other credit lines; none may shift the fields.
    for (const char* credit : {"Gemaakt met Tamberlo - www.tamberlo.nl", "", "   ", "Made by A, B, and C",
                               "\"Quoted\", then more", "12 34 56", "-----"}) {
        const ParsedLadder p = Ok(ParseLadderFile(WithLine(golden, 2, credit)));
        ExpectSameTables(p.ladder, expected.ladder);
        EXPECT_EQ(p.host, expected.host) << credit;
    }
    EXPECT_EQ(Lines(golden)[1], kLadderFileCredit);
    EXPECT_EQ(std::string(kLadderFileCredit).find_first_of(".:/"), std::string::npos) << "no web address";
}

TEST(LadderFileFormat, ShortOlderFilesFillOnlyTheRecordsTheyHold) {
    LadderData d;
    d.conditions[90] = {3, 2, 5, 0, 0, 0};
    d.actions[29] = {3, 1, 2, 6, 0, 0, 0, 0, 0, 0};
    auto lines = Lines(FormatLadderFile(d, "10.1.1.1", 121));
    // 90 condition records and 30 action records, each section closed by its dash line.
    std::string shortFile;
    for (int i = 0; i < 5 + 90; ++i) shortFile += lines[static_cast<std::size_t>(i)] + "\r\n";
    for (int i = 275; i < 278 + 30; ++i) shortFile += lines[static_cast<std::size_t>(i)] + "\r\n";
    for (std::size_t i = 278 + 91; i < lines.size(); ++i) shortFile += lines[i] + "\r\n";

    const ParsedLadder p = Ok(ParseLadderFile(shortFile));
    EXPECT_EQ(p.conditionRecords, 90);
    EXPECT_EQ(p.actionRecords, 30);
    ExpectSameTables(p.ladder, d);
    EXPECT_EQ(p.host, "10.1.1.1");
    EXPECT_EQ(p.port, 121);
}

TEST(LadderFileFormat, SettingsSectionIsOptional) {
    const std::string golden = ReadGolden("every_kind.vpp");
    const int lastAction = ActionTextLine(90);
    // No settings section at all, and not even the dash line after the actions.
    for (int keep : {lastAction + 1, lastAction}) {
        const ParsedLadder p = Ok(ParseLadderFile(FirstLines(golden, keep)));
        EXPECT_EQ(p.actionRecords, 91);
        EXPECT_FALSE(p.host.has_value());
        EXPECT_FALSE(p.port.has_value());
    }
    // A section that stops after the host line keeps the host only.
    const ParsedLadder h = Ok(ParseLadderFile(FirstLines(golden, lastAction + 4)));
    EXPECT_EQ(h.host, "127.0.0.1");
    EXPECT_FALSE(h.port.has_value());
    // An unreadable port is no port.
    const ParsedLadder u = Ok(ParseLadderFile(WithLine(golden, lastAction + 5, "Poort: 12x")));
    EXPECT_EQ(u.host, "127.0.0.1");
    EXPECT_FALSE(u.port.has_value());
}

TEST(LadderFileFormat, HostLineWithoutBlankLosesItsFirstCharacter) {
    const std::string golden = ReadGolden("every_kind.vpp");
    const ParsedLadder p = Ok(ParseLadderFile(WithLine(golden, ActionTextLine(90) + 4, "IP-adres:127.0.0.1")));
    EXPECT_EQ(p.host, "27.0.0.1");
}

TEST(LadderFileFormat, RecordNumbersAreNotUsed) {
    const std::string golden = ReadGolden("every_kind.vpp");
    const ParsedLadder p = Ok(ParseLadderFile(WithLine(golden, CellLine(1), " 7    1     10    3     0     0     0 ")));
    EXPECT_EQ(p.ladder.conditions[1], (std::array<std::int16_t, 6>{1, 10, 3, 0, 0, 0}));
    EXPECT_EQ(p.ladder.conditions[7], (std::array<std::int16_t, 6>{2, 2, 2, 5, 0, 0}));
}

TEST(LadderFileFormat, SoundFieldSplitsAtTheFirstSeparator) {
    const std::string golden = ReadGolden("every_kind.vpp");
    std::string line = Lines(golden)[ActionTextLine(6) - 1].substr(0, 70) + "/a/\\b/\\c.wav";
    const ParsedLadder p = Ok(ParseLadderFile(WithLine(golden, ActionTextLine(6), line)));
    EXPECT_EQ(p.ladder.soundFolders[6], "/a");
    EXPECT_EQ(p.ladder.soundFiles[6], "b/\\c.wav");
}

TEST(LadderFileFormat, FieldsMaySpanLinesAndUseCommasOrBareLineFeeds) {
    std::string golden = ReadGolden("every_kind.vpp");
    std::string lf;
    for (char c : golden)
        if (c != '\r') lf += c;
    ExpectSameTables(Ok(ParseLadderFile(lf)).ladder, EveryKind());
    const ParsedLadder p = Ok(ParseLadderFile(WithLine(golden, CellLine(1), "1,1,10,3,0\r\n0,0")));
    EXPECT_EQ(p.ladder.conditions[1], (std::array<std::int16_t, 6>{1, 10, 3, 0, 0, 0}));
}

TEST(LadderFileFormat, EveryValueAnEditorWritesIsAccepted) {
    const std::string golden = ReadGolden("every_kind.vpp");
    struct Case {
        int line;
        const char* record;
    } cases[] = {
        // Velleman digital with an input left from the module (7, inverted 17).
        {CellLine(1), "1 1 10 7 0 0 0"},
        {CellLine(1), "1 1 13 17 1055 1 3"},
        {CellLine(1), "1 1 23 1 1255 1 0"},
        {CellLine(1), "1 1 43 18 0 0 0"},  // a module code older files may hold
        {CellLine(1), "1 2 1 23 59 59 0"},
        {CellLine(1), "1 2 1 0 0 0 127"},
        {CellLine(1), "1 2 2 1 7 0 0"},
        {CellLine(1), "1 3 1 7 0 0 0"},
        {CellLine(1), "1 3 2 1 0 0 0"},
        {CellLine(1), "1 3 3 3 2255 0 0"},
        {ActionTextLine(0), "0 1 42 3 9 1 0 0 0 0 0"},
        {ActionTextLine(0), "0 1 50 1 1 0 0 0 0 0 0"},
        {ActionTextLine(0), "0 1 23 1 2255 1 1 0 0 0 0"},
        {ActionTextLine(0), "0 2 2 2 7 0 0 6000 6000 0 0"},
        {ActionTextLine(0), "0 3 1 2 7 0 0 0 0 0 0"},
        {ActionTextLine(0), "0 3 2 3 3 255 0 0 0 0 0"},
        {ActionTextLine(0), "0 4 0 0 0 0 0 6000 6000 6000 6000 /\\"},
    };
    for (const auto& c : cases) {
        auto r = ParseLadderFile(WithLine(golden, c.line, c.record));
        EXPECT_TRUE(std::holds_alternative<ParsedLadder>(r)) << c.record;
    }
}

TEST(LadderFileFormat, MalformedFilesAreRefusedNamingTheLine) {
    const std::string golden = ReadGolden("every_kind.vpp");
    using K = LadderFileErrorKind;
    struct Case {
        const char* what;
        std::string file;
        K kind;
        int line;
    } cases[] = {
        {"empty file", "", K::EndsEarly, 1},
        {"header only", FirstLines(golden, 5), K::EndsEarly, 5},
        {"ends inside the conditions", FirstLines(golden, 100), K::EndsEarly, 100},
        {"ends inside a record", FirstLines(golden, 100) + " 96 1", K::EndsEarly, 101},
        {"ends before the actions", FirstLines(golden, CellLine(270) + 2), K::EndsEarly, CellLine(270) + 2},
        {"ends inside the actions", FirstLines(golden, ActionTextLine(40)), K::EndsEarly, ActionTextLine(40)},
        {"letter in a value", WithLine(golden, CellLine(9), " 9 3 2 8 O 0 0"), K::NotANumber, CellLine(9)},
        {"decimal value", WithLine(golden, CellLine(9), " 9 3 2 8 0.5 0 0"), K::NotANumber, CellLine(9)},
        {"record number not a number", WithLine(golden, CellLine(9), "x9 3 2 8 0 0 0"), K::NotANumber, CellLine(9)},
        {"value above 16 bits", WithLine(golden, CellLine(9), " 9 3 2 8 32768 0 0"), K::TooLarge, CellLine(9)},
        {"value below 16 bits", WithLine(golden, ActionTextLine(3), " 3 3 1 1 7 0 0 0 0 0 -32769"), K::TooLarge,
         ActionTextLine(3)},
        {"huge value", WithLine(golden, CellLine(9), " 9 3 2 8 99999999999999999999999 0 0"), K::TooLarge, CellLine(9)},
        {"sound without separator", WithLine(golden, ActionTextLine(6), " 6 4 0 0 0 0 0 0 0 0 0 /snd\\bel.wav"),
         K::NoSoundSeparator, ActionTextLine(6)},
        {"sound field missing", WithLine(golden, ActionTextLine(6), " 6 4 0 0 0 0 0 0 0 0 0   "), K::NoSoundSeparator,
         ActionTextLine(6)},
        {"ends before a sound field", FirstLines(golden, ActionTextLine(6) - 1) + " 6 4 0 0 0 0 0 0 0 0 0", K::EndsEarly,
         ActionTextLine(6)},
        {"ends after a sound row's values", FirstLines(golden, ActionTextLine(6) - 1) + " 6 4 0 0 0 0 0 0 0 0 0 \r\n\r\n",
         K::EndsEarly, ActionTextLine(6) + 1},
        {"condition kind 5", WithLine(golden, CellLine(9), " 9 5 0 0 0 0 0"), K::InvalidValue, CellLine(9)},
        {"condition kind -1", WithLine(golden, CellLine(9), " 9 -1 0 0 0 0 0"), K::InvalidValue, CellLine(9)},
        {"input interface 14", WithLine(golden, CellLine(1), " 1 1 14 3 0 0 0"), K::InvalidValue, CellLine(1)},
        {"input interface 44", WithLine(golden, CellLine(1), " 1 1 44 3 0 0 0"), K::InvalidValue, CellLine(1)},
        {"input number 9", WithLine(golden, CellLine(1), " 1 1 10 9 0 0 0"), K::InvalidValue, CellLine(1)},
        {"input number 0", WithLine(golden, CellLine(1), " 1 1 31 0 0 0 0"), K::InvalidValue, CellLine(1)},
        {"inverted input 19", WithLine(golden, CellLine(1), " 1 1 40 19 0 0 0"), K::InvalidValue, CellLine(1)},
        {"analog channel 3", WithLine(golden, CellLine(2), " 2 1 22 3 1100 0 0"), K::InvalidValue, CellLine(2)},
        {"timer condition timer 8", WithLine(golden, CellLine(7), " 7 2 2 2 8 0 0"), K::InvalidValue, CellLine(7)},
        {"timer condition sense 3", WithLine(golden, CellLine(7), " 7 2 2 3 5 0 0"), K::InvalidValue, CellLine(7)},
        {"memory 8", WithLine(golden, CellLine(8), " 8 3 1 8 1 0 0"), K::InvalidValue, CellLine(8)},
        {"memory inverted 2", WithLine(golden, CellLine(8), " 8 3 1 4 2 0 0"), K::InvalidValue, CellLine(8)},
        {"key F0", WithLine(golden, CellLine(9), " 9 3 2 0 0 0 0"), K::InvalidValue, CellLine(9)},
        {"key F9", WithLine(golden, CellLine(9), " 9 3 2 9 0 0 0"), K::InvalidValue, CellLine(9)},
        {"variable D", WithLine(golden, CellLine(10), " 10 3 3 4 2005 0 0"), K::InvalidValue, CellLine(10)},
        {"link in rung 1",
         WithLine(WithLine(WithLine(golden, CellLine(1), " 1 4 0 0 0 0 0"), CellLine(2), " 2 4 0 0 0 0 0"), CellLine(3),
                  " 3 4 0 0 0 0 0"),
         K::InvalidValue, CellLine(1)},
        {"link in one cell", WithLine(golden, CellLine(269), " 269 4 0 0 0 0 0"), K::InvalidValue, CellLine(269)},
        {"action kind 5", WithLine(golden, ActionTextLine(3), " 3 5 0 0 0 0 0 0 0 0 0"), K::InvalidValue, ActionTextLine(3)},
        {"output interface 44", WithLine(golden, ActionTextLine(0), " 0 1 44 1 9 0 0 0 0 0 0"), K::InvalidValue,
         ActionTextLine(0)},
        {"output 10", WithLine(golden, ActionTextLine(0), " 0 1 31 1 10 0 0 0 0 0 0"), K::InvalidValue, ActionTextLine(0)},
        {"output 0", WithLine(golden, ActionTextLine(0), " 0 1 50 1 0 0 0 0 0 0 0"), K::InvalidValue, ActionTextLine(0)},
        {"operation 4", WithLine(golden, ActionTextLine(0), " 0 1 31 4 9 0 0 0 0 0 0"), K::InvalidValue, ActionTextLine(0)},
        {"analog output channel 0", WithLine(golden, ActionTextLine(1), " 1 1 20 0 1150 1 1 0 0 0 0"), K::InvalidValue,
         ActionTextLine(1)},
        {"start of timer 8", WithLine(golden, ActionTextLine(5), " 5 2 2 1 8 0 0 0 0 0 0"), K::InvalidValue, ActionTextLine(5)},
        {"start or reset 3", WithLine(golden, ActionTextLine(5), " 5 2 2 3 4 0 0 0 0 0 0"), K::InvalidValue, ActionTextLine(5)},
        {"memory action M8", WithLine(golden, ActionTextLine(3), " 3 3 1 1 8 0 0 0 0 0 0"), K::InvalidValue, ActionTextLine(3)},
        {"memory action set 0", WithLine(golden, ActionTextLine(3), " 3 3 1 0 7 0 0 0 0 0 0"), K::InvalidValue,
         ActionTextLine(3)},
        {"variable action 0", WithLine(golden, ActionTextLine(4), " 4 3 2 0 2 40 0 0 0 0 0"), K::InvalidValue, ActionTextLine(4)},
        {"variable operation 4", WithLine(golden, ActionTextLine(4), " 4 3 2 3 4 40 0 0 0 0 0"), K::InvalidValue,
         ActionTextLine(4)},
        {"bad value on a continuation line", WithLine(golden, ActionTextLine(2) + 1, std::string(41, ' ') + " 0 -5 x 150"),
         K::NotANumber, ActionTextLine(2) + 1},
    };
    for (const auto& c : cases) {
        auto r = ParseLadderFile(c.file);
        ASSERT_TRUE(std::holds_alternative<LadderFileError>(r)) << c.what;
        const auto& e = std::get<LadderFileError>(r);
        EXPECT_EQ(e.kind, c.kind) << c.what;
        EXPECT_EQ(e.line, c.line) << c.what;
    }
}
