#pragma once
// An Arduino running the program's sketch, on the master side of a
// pseudo-terminal, reached by the program as COM<n> through a link in a
// temporary test folder (TAMBERLO_COM_DIR). It answers "90/" with its board
// identity, "5/" and "7/" with a DI reply (or an analog reply), "99/" with a
// version, and records every byte the program writes. Like a sketch that must
// live beside the Kelvanor module search, which writes its own probe
// ("\rsetup0\r") to every serial port, it takes CR and LF as separators and
// ignores what it does not know.

#include <QByteArray>
#include <QObject>
#include <QSocketNotifier>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <memory>

namespace tamberlo::test {

class ArduinoEmulator : public QObject {
    Q_OBJECT
public:
    // Creates the pty and the link `folder`/COM<n>.
    ArduinoEmulator(const QString& folder, int comNumber, const QString& identity = QStringLiteral("ET"));
    ~ArduinoEmulator() override;

    bool ok() const { return master_ >= 0; }
    QString slavePath() const { return slavePath_; }

    // What the sketch answers.
    QString identity;             // reply to "90/"; "" = no answer
    int inputBits = 0;            // "DI" reply to a poll
    QString analogReply;          // when set, a poll is answered with this instead ("A3600")
    QByteArray lineEnd = "\r\n";  // what ends every reply
    int pieceGapMs = 0;           // when set, a reply goes out in two pieces this far apart
    int pieceCut = 2;             // the first piece's length: 2 is the code, 3 cuts inside "DI21"
    // The longest time the line really stayed quiet between the pieces of a
    // reply, in ms, since a test last set it to 0: a busy machine stretches
    // pieceGapMs, and a test judges by the gap the line really had.
    double longestPieceGapMs = 0;
    QString version = QStringLiteral("Tamberlo sketch 1.0");
    bool answerPolls = true;

    // Everything the program wrote, and the commands cut at "/".
    QByteArray received;
    QStringList commands;  // "90", "5", "1/5", ...
    int count(const QString& command) const { return static_cast<int>(commands.count(command)); }
    QStringList outputCommands() const;  // the "1/<n>" commands, in order
    // Whether a reply sent in pieces still has its rest to go.
    bool sendingInPieces() const { return sendingInPieces_; }

    // Writes raw bytes to the program.
    void send(const QByteArray& bytes);
    // Pulls the plug: the master side closes, the program's port errors out.
    void unplug();
    // A far end that reads slowly: not at all (0), or one byte every `ms`
    // milliseconds; readFreely() takes everything again.
    void readSlowly(int ms);
    void readFreely();

    // Called after each complete command.
    std::function<void(const QString&)> onCommand;

private:
    void readable(qsizetype most = -1);  // reads at most `most` bytes; -1: all there are
    void handleCommand(const QString& c);
    void reply(const QByteArray& bytes);
    void sendInPieces(const QByteArray& bytes);

    int master_ = -1;
    int slave_ = -1;  // kept open so the pty survives the program's closes
    QString slavePath_;
    QString linkPath_;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::unique_ptr<QTimer> slowReader_;
    QString pending_;
    bool expectByte_ = false;
    bool sendingInPieces_ = false;
    QList<QByteArray> queuedReplies_;  // answers the sketch gives once the reply going out is done
};

}  // namespace tamberlo::test
