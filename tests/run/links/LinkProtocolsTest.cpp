// The two links' protocols as pure functions: commands, number reading,
// framing of merged, split, unterminated and endless input.
#include <gtest/gtest.h>

#include "ArduinoProtocol.h"
#include "NetworkProtocol.h"

using namespace tamberlo;

TEST(ArduinoProtocol, Commands) {
    EXPECT_EQ(ArduinoOutputCommand(5), "1/5/");
    EXPECT_EQ(ArduinoOutputCommand(0), "1/0/");
    EXPECT_EQ(ArduinoOutputCommand(255), "1/255/");
    EXPECT_EQ(ArduinoPollCommand("ET"), "5/");
    EXPECT_EQ(ArduinoPollCommand("AT"), "5/");
    EXPECT_EQ(ArduinoPollCommand("TM"), "7/");
    EXPECT_EQ(ArduinoPollCommand(""), "");
    EXPECT_EQ(ArduinoPollCommand("et"), "");
}

TEST(ArduinoProtocol, FollowerReadsTheOutputsOfEveryOutputCommandWritten) {
    using Outputs = std::vector<std::optional<int>>;
    ArduinoCommandFollower f;
    EXPECT_EQ(f.Feed("90/5/1/4/7/99/"), Outputs{4});
    EXPECT_EQ(f.Feed("1/2"), Outputs{});  // cut anywhere
    EXPECT_EQ(f.Feed("55/1/0/"), (Outputs{255, 0}));
    EXPECT_EQ(f.Feed("1/256/1/x/1//"), (Outputs{std::nullopt, std::nullopt, std::nullopt}));  // unknown
    f.Feed("1/");
    f.Reset();  // a new port
    EXPECT_EQ(f.Feed("5/"), Outputs{});
}

TEST(ArduinoProtocol, NumbersAreBoundedDigitsOnly) {
    EXPECT_EQ(ReadNumber("600\r\n"), 600);
    EXPECT_EQ(ReadNumber("12x4"), 12);
    EXPECT_EQ(ReadNumber(""), 0);
    EXPECT_EQ(ReadNumber("-5"), 0);
    EXPECT_EQ(ReadNumber("99999999999999"), 999999);  // six characters at most
}

TEST(ArduinoProtocol, RepliesByTheirFirstTwoLetters) {
    auto a = ReadArduinoReply("A3600");
    EXPECT_EQ(a.kind, ArduinoReply::Kind::Analog);
    EXPECT_EQ(a.channel, 3);
    EXPECT_EQ(a.value, 600);
    a = ReadArduinoReply("DI5DI7");  // two run together: the first counts
    EXPECT_EQ(a.kind, ArduinoReply::Kind::Digital);
    EXPECT_EQ(a.value, 5);
    a = ReadArduinoReply("TM");
    EXPECT_EQ(a.kind, ArduinoReply::Kind::Identity);
    EXPECT_EQ(a.identity, "TM");
    EXPECT_EQ(ReadArduinoReply("A5100").kind, ArduinoReply::Kind::Unknown);
    EXPECT_EQ(ReadArduinoReply("di5").kind, ArduinoReply::Kind::Unknown);
    EXPECT_EQ(ReadArduinoReply("D").kind, ArduinoReply::Kind::Unknown);
}

TEST(ArduinoProtocol, FramerCutsAtAnyLineEnd) {
    ArduinoReplyFramer f;
    EXPECT_EQ(f.Feed("DI5\r\nA3600\rET\nTM"), (QStringList{"DI5", "A3600", "ET"}));
    EXPECT_TRUE(f.HasPending());
    EXPECT_EQ(f.PauseMs(), kArduinoReplyPauseMs);  // or a quiet pause ends it
    EXPECT_EQ(f.Flush(), "TM");                    // ended by the port's closing
    EXPECT_EQ(f.Feed("D"), QStringList{});
    EXPECT_EQ(f.Feed("I3\r"), QStringList{"DI3"});
    EXPECT_FALSE(f.HasPending());
}

// The line stays quiet for `ms`: the link's pause timer ends the reply in
// progress when the framer's pause has passed.
void QuietFor(ArduinoReplyFramer& f, int ms, QStringList& taken) {
    if (f.PauseMs() == 0 || ms < f.PauseMs()) return;
    const QString r = f.TakeAfterPause();
    if (!r.isEmpty()) taken << r;
}

// A reply that arrives in two pieces `gapMs` apart, with the pause timer the
// link runs between them; returns the replies taken.
QStringList TakeInPieces(ArduinoReplyFramer& f, const QString& first, const QString& second, int gapMs) {
    QStringList taken = f.Feed(first);
    QuietFor(f, gapMs, taken);
    taken << f.Feed(second);
    QuietFor(f, 1000, taken);  // the line goes quiet after the reply
    return taken;
}

TEST(ArduinoProtocol, PiecesAtEveryGapMakeOneReply) {
    for (int gap = 1; gap <= 20; ++gap) {
        for (const QString reply : {"DI21", "A3600", "TM"}) {
            // With line ends (the stream has shown one before): cut anywhere.
            const QString line = reply + "\r\n";
            for (int at = 1; at < line.size(); ++at) {
                ArduinoReplyFramer f;
                f.Feed("ET\r\n");
                EXPECT_EQ(TakeInPieces(f, line.left(at), line.mid(at), gap), QStringList{reply})
                    << "gap " << gap << " ms, cut at " << at << " of " << reply.toStdString();
            }
            // A sketch that sends no line end: cut anywhere too, inside the number as well.
            for (int at = 1; at < reply.size(); ++at) {
                ArduinoReplyFramer f;
                EXPECT_EQ(TakeInPieces(f, reply.left(at), reply.mid(at), gap), QStringList{reply})
                    << "gap " << gap << " ms, no line end, cut at " << at << " of " << reply.toStdString();
            }
        }
    }
}

TEST(ArduinoProtocol, PolledRepliesInPiecesWhateverEndsThem) {
    // The sketch answers the hello, then a poll every 20 ms in two pieces `gap`
    // ms apart, cut after the code ("DI" | "21") or inside the number ("DI2" |
    // "1"); the line ends of the poll replies take their turns from the row's list.
    struct Row {
        const char* name;
        QString helloEnd;
        QStringList pollEnds;
    };
    const Row rows[] = {{"no line ends", "", {""}},
                        {"hello with CR LF, polls without", "\r\n", {""}},
                        {"CR LF throughout", "\r\n", {"\r\n"}},
                        {"switching", "\r\n", {"", "\r", "", "\n", "\r\n", "\r\n", ""}}};
    const QStringList replies = {"DI21", "DI5", "A3600", "DI17", "DI0", "A0512", "DI31", "DI8", "DI12"};
    for (const Row& row : rows) {
        for (int gap = 1; gap <= 19; ++gap) {
            for (const int cut : {2, 3}) {
                ArduinoReplyFramer f;
                QStringList taken = f.Feed("ET" + row.helloEnd);
                QuietFor(f, 1000, taken);
                QStringList expected{"ET"};
                for (int i = 0; i < replies.size(); ++i) {
                    taken << f.Feed(replies[i].left(cut));
                    QuietFor(f, gap, taken);
                    taken << f.Feed(replies[i].mid(cut) + row.pollEnds[i % row.pollEnds.size()]);
                    QuietFor(f, kArduinoPollMs - gap, taken);
                    expected << replies[i];
                }
                QuietFor(f, 1000, taken);
                EXPECT_EQ(taken, expected) << row.name << ", gap " << gap << " ms, cut at " << cut;
            }
        }
    }
}

TEST(ArduinoProtocol, ACodeWithoutDigitsIsNoReading) {
    for (const char* r : {"DI", "A3", "DI\r", "DIx5", "A4-1"})
        EXPECT_EQ(ReadArduinoReply(r).kind, ArduinoReply::Kind::Unknown) << r;
    EXPECT_TRUE(IsWholeArduinoReply("DI0"));
    EXPECT_FALSE(IsWholeArduinoReply("DI"));
    EXPECT_FALSE(IsWholeArduinoReply("DI5x"));

    // Without line ends, a pause keeps a bare code for its number and drops
    // what can never become a reply.
    ArduinoReplyFramer f;
    f.Feed("DI");
    EXPECT_EQ(f.TakeAfterPause(), "");
    EXPECT_EQ(f.Pending(), "DI");
    f.Feed("x5");
    EXPECT_EQ(f.TakeAfterPause(), "");
    EXPECT_FALSE(f.HasPending());
    // With line ends, a bare code at its line end is no reply.
    EXPECT_EQ(f.Feed("DI\r\nDI3\r\n"), (QStringList{"DI", "DI3"}));
}

TEST(ArduinoProtocol, FramerDropsEndlessGarbage) {
    ArduinoReplyFramer f;
    EXPECT_TRUE(f.Feed(QString(100000, QLatin1Char('x'))).isEmpty());
    EXPECT_TRUE(f.Feed("still garbage\r\nDI1\r\n") == QStringList{"DI1"});
    EXPECT_TRUE(f.Feed(QString(5000, QLatin1Char('y'))).isEmpty());
    EXPECT_EQ(f.Flush(), "");  // a pause ends garbage too, without a reply
    EXPECT_EQ(f.Feed("DI2\n"), QStringList{"DI2"});
    EXPECT_TRUE(f.Feed("DI" + QString(100000, QLatin1Char('1'))).isEmpty());  // endless digits too
    EXPECT_LE(f.Pending().size(), ArduinoReplyFramer::kMaxReply);

    // Without line ends, the pause ends garbage and the next reply is read.
    ArduinoReplyFramer quiet;
    EXPECT_TRUE(quiet.Feed(QString(100, QLatin1Char('z'))).isEmpty());
    EXPECT_EQ(quiet.PauseMs(), kArduinoReplyPauseMs);
    EXPECT_EQ(quiet.TakeAfterPause(), "");
    quiet.Feed("DI2");
    EXPECT_EQ(quiet.TakeAfterPause(), "DI2");
}

TEST(NetworkProtocol, Frame) {
    EXPECT_EQ(NetwerkBericht("ve"), QString("ve") + QChar(1) + QChar(13));
    EXPECT_EQ(NetwerkBericht("du", "k0-5k7-128"), QString("du") + QChar(1) + "k0-5k7-128" + QChar(13));
}

TEST(NetworkProtocol, ValuesAfterKeys) {
    EXPECT_EQ(FindValue("a1-100a0-50", "a0-"), 50);
    EXPECT_EQ(FindValue("a1-100a0-50", "a1-"), 100);
    EXPECT_EQ(FindValue("a1-100a0-50", "a2-"), std::nullopt);
    EXPECT_EQ(FindValue("k8-", "k8-"), 0);
    EXPECT_EQ(FindValue("k8-x", "k8-"), 0);
    EXPECT_EQ(FindValue("a0-12.5", "a0-"), 13);  // to the nearest whole number
    EXPECT_EQ(FindValue("a0-12.4", "a0-"), 12);
    EXPECT_EQ(FindValue("k0-99999999999", "k0-"), 999999);
    EXPECT_EQ(ReadNetworkNumber("-5"), std::nullopt);
}

TEST(NetworkProtocol, FramerSplitsMergedAndJoinsSplit) {
    NetworkFramer f;
    const QString a = NetwerkBericht("di", "k8-5");
    const QString b = NetwerkBericht("an", "a0-7");
    EXPECT_EQ(f.Feed(a + b), (QStringList{"di\x01k8-5",
                                          "an\x01"
                                          "a0-7"}));
    QStringList got;
    for (const QChar c : a) got += f.Feed(QString(c));
    EXPECT_EQ(got, QStringList{"di\x01k8-5"});
}

TEST(NetworkProtocol, FramerDropsOverlongMessages) {
    NetworkFramer f;
    EXPECT_TRUE(f.Feed(QString(1'000'000, QLatin1Char('k'))).isEmpty());
    EXPECT_TRUE(f.Skipping());
    EXPECT_EQ(f.Feed(QString("tail") + QChar(13) + "st" + QChar(1) + QChar(13)), QStringList{"st\x01"});
}
