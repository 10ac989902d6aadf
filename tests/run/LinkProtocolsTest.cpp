// The two links' protocols as pure functions: commands, number reading,
// framing of merged, split, unterminated and endless input.
#include <gtest/gtest.h>

#include "ArduinoLink.h"
#include "ArduinoProtocol.h"
#include "NetworkProtocol.h"

using namespace tamberlo;

TEST(ArduinoProtocol, Commands) {
    EXPECT_EQ(ArduinoUitgangCommando(5), "1/5/");
    EXPECT_EQ(ArduinoUitgangCommando(0), "1/0/");
    EXPECT_EQ(ArduinoUitgangCommando(255), "1/255/");
    EXPECT_EQ(ArduinoPollCommando("ET"), "5/");
    EXPECT_EQ(ArduinoPollCommando("AT"), "5/");
    EXPECT_EQ(ArduinoPollCommando("TM"), "7/");
    EXPECT_EQ(ArduinoPollCommando(""), "");
    EXPECT_EQ(ArduinoPollCommando("et"), "");
}

TEST(ArduinoProtocol, NumbersAreBoundedDigitsOnly) {
    EXPECT_EQ(LeesGetal("600\r\n"), 600);
    EXPECT_EQ(LeesGetal("12x4"), 12);
    EXPECT_EQ(LeesGetal(""), 0);
    EXPECT_EQ(LeesGetal("-5"), 0);
    EXPECT_EQ(LeesGetal("99999999999999"), 999999);  // six characters at most
}

TEST(ArduinoProtocol, RepliesByTheirFirstTwoLetters) {
    auto a = LeesArduinoAntwoord("A3600");
    EXPECT_EQ(a.soort, ArduinoAntwoord::Soort::Analoog);
    EXPECT_EQ(a.kanaal, 3);
    EXPECT_EQ(a.waarde, 600);
    a = LeesArduinoAntwoord("DI5DI7");  // two run together: the first counts
    EXPECT_EQ(a.soort, ArduinoAntwoord::Soort::Digitaal);
    EXPECT_EQ(a.waarde, 5);
    a = LeesArduinoAntwoord("TM");
    EXPECT_EQ(a.soort, ArduinoAntwoord::Soort::Identiteit);
    EXPECT_EQ(a.identiteit, "TM");
    EXPECT_EQ(LeesArduinoAntwoord("A5100").soort, ArduinoAntwoord::Soort::Onbekend);
    EXPECT_EQ(LeesArduinoAntwoord("di5").soort, ArduinoAntwoord::Soort::Onbekend);
    EXPECT_EQ(LeesArduinoAntwoord("D").soort, ArduinoAntwoord::Soort::Onbekend);
}

TEST(ArduinoProtocol, FramerCutsAtAnyLineEnd) {
    ArduinoReplyFramer f;
    EXPECT_EQ(f.Feed("DI5\r\nA3600\rET\nTM"), (QStringList{"DI5", "A3600", "ET"}));
    EXPECT_TRUE(f.HasPending());
    EXPECT_FALSE(f.WaitsForPause());  // a stream with line ends waits for the next one
    EXPECT_EQ(f.Flush(), "TM");  // ended by the port's closing
    EXPECT_EQ(f.Feed("D"), QStringList{});
    EXPECT_EQ(f.Feed("I3\r"), QStringList{"DI3"});
    EXPECT_FALSE(f.HasPending());
}

// A reply that arrives in two pieces `gapMs` apart, with the pause timer the
// link runs between them; returns the replies taken.
QStringList TakeInPieces(ArduinoReplyFramer& f, const QString& first, const QString& second, int gapMs) {
    QStringList taken = f.Feed(first);
    auto pause = [&] {
        if (!f.WaitsForPause()) return;
        const QString r = f.TakeAfterPause();
        if (!r.isEmpty()) taken << r;
    };
    if (gapMs >= kArduinoAntwoordPauzeMs) pause();
    taken << f.Feed(second);
    pause();  // the line goes quiet after the reply
    return taken;
}

TEST(ArduinoProtocol, PiecesAtEveryGapMakeOneReply) {
    for (int gap = 1; gap <= 20; ++gap) {
        for (const QString reply : {"DI17", "A3600", "TM"}) {
            // With line ends (the stream has shown one before): cut anywhere.
            const QString line = reply + "\r\n";
            for (int at = 1; at < line.size(); ++at) {
                ArduinoReplyFramer f;
                f.Feed("ET\r\n");
                EXPECT_EQ(TakeInPieces(f, line.left(at), line.mid(at), gap), QStringList{reply})
                    << "gap " << gap << " ms, cut at " << at << " of " << reply.toStdString();
            }
            // A sketch that sends no line end: cut before the number.
            for (int at = 1; at <= 2; ++at) {
                ArduinoReplyFramer f;
                EXPECT_EQ(TakeInPieces(f, reply.left(at), reply.mid(at), gap), QStringList{reply})
                    << "gap " << gap << " ms, no line end, cut at " << at << " of " << reply.toStdString();
            }
        }
    }
}

TEST(ArduinoProtocol, ACodeWithoutDigitsIsNoReading) {
    for (const char* r : {"DI", "A3", "DI\r", "DIx5", "A4-1"})
        EXPECT_EQ(LeesArduinoAntwoord(r).soort, ArduinoAntwoord::Soort::Onbekend) << r;
    EXPECT_TRUE(IsWholeArduinoReply("DI0"));
    EXPECT_FALSE(IsWholeArduinoReply("DI"));
    EXPECT_FALSE(IsWholeArduinoReply("DI5x"));

    // Without line ends, a pause keeps a bare code for its number and drops
    // what can never become a reply.
    ArduinoReplyFramer f;
    f.Feed("DI");
    EXPECT_EQ(f.TakeAfterPause(), "");
    EXPECT_EQ(f.Pending(), "DI");
    f.Feed("A1700");
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
}

TEST(NetworkProtocol, Frame) {
    EXPECT_EQ(NetwerkBericht("ve"), QString("ve") + QChar(1) + QChar(13));
    EXPECT_EQ(NetwerkBericht("du", "k0-5k7-128"), QString("du") + QChar(1) + "k0-5k7-128" + QChar(13));
}

TEST(NetworkProtocol, ValuesAfterKeys) {
    EXPECT_EQ(ZoekWaarde("a1-100a0-50", "a0-"), 50);
    EXPECT_EQ(ZoekWaarde("a1-100a0-50", "a1-"), 100);
    EXPECT_EQ(ZoekWaarde("a1-100a0-50", "a2-"), std::nullopt);
    EXPECT_EQ(ZoekWaarde("k8-", "k8-"), 0);
    EXPECT_EQ(ZoekWaarde("k8-x", "k8-"), 0);
    EXPECT_EQ(ZoekWaarde("a0-12.5", "a0-"), 13);  // to the nearest whole number
    EXPECT_EQ(ZoekWaarde("a0-12.4", "a0-"), 12);
    EXPECT_EQ(ZoekWaarde("k0-99999999999", "k0-"), 999999);
    EXPECT_EQ(LeesNetwerkGetal("-5"), std::nullopt);
}

TEST(NetworkProtocol, FramerSplitsMergedAndJoinsSplit) {
    NetwerkFramer f;
    const QString a = NetwerkBericht("di", "k8-5");
    const QString b = NetwerkBericht("an", "a0-7");
    EXPECT_EQ(f.Feed(a + b), (QStringList{"di\x01k8-5", "an\x01" "a0-7"}));
    QStringList got;
    for (const QChar c : a) got += f.Feed(QString(c));
    EXPECT_EQ(got, QStringList{"di\x01k8-5"});
}

TEST(NetworkProtocol, FramerDropsOverlongMessages) {
    NetwerkFramer f;
    EXPECT_TRUE(f.Feed(QString(1'000'000, QLatin1Char('k'))).isEmpty());
    EXPECT_TRUE(f.Skipping());
    EXPECT_EQ(f.Feed(QString("tail") + QChar(13) + "st" + QChar(1) + QChar(13)), QStringList{"st\x01"});
}
