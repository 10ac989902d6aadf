#include "ArduinoEmulator.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace tamberlo::test {

ArduinoEmulator::ArduinoEmulator(const QString& folder, int comNumber, const QString& id) : identity(id) {
    char name[256] = {};
    if (openpty(&master_, &slave_, name, nullptr, nullptr) != 0) {
        master_ = slave_ = -1;
        return;
    }
    termios t{};
    tcgetattr(master_, &t);
    cfmakeraw(&t);
    tcsetattr(master_, TCSANOW, &t);
    tcgetattr(slave_, &t);
    cfmakeraw(&t);
    tcsetattr(slave_, TCSANOW, &t);
    fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
    slavePath_ = QString::fromLocal8Bit(name);
    linkPath_ = QDir(folder).filePath(QStringLiteral("COM%1").arg(comNumber));
    QFile::remove(linkPath_);
    QFile::link(slavePath_, linkPath_);
    notifier_ = std::make_unique<QSocketNotifier>(master_, QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, [this] { readable(); });
}

ArduinoEmulator::~ArduinoEmulator() {
    notifier_.reset();
    if (master_ >= 0) ::close(master_);
    if (slave_ >= 0) ::close(slave_);
    if (!linkPath_.isEmpty()) QFile::remove(linkPath_);
}

QStringList ArduinoEmulator::outputCommands() const {
    QStringList out;
    for (const QString& c : commands)
        if (c.startsWith(QLatin1String("1/"))) out.append(c);
    return out;
}

void ArduinoEmulator::send(const QByteArray& bytes) {
    if (master_ < 0) return;
    // The pty holds a few kilobytes; the program reads on this same thread,
    // so let it run while the buffer is full, until every byte is written.
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(master_, bytes.constData() + done, size_t(bytes.size() - done));
        if (n > 0) {
            done += n;
        } else if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            ::usleep(200);
        } else {
            break;
        }
    }
}

void ArduinoEmulator::unplug() {
    notifier_.reset();
    if (master_ >= 0) ::close(master_);
    master_ = -1;
    // The slave must go too, or the program's side never sees the hang-up.
    if (slave_ >= 0) ::close(slave_);
    slave_ = -1;
    QFile::remove(linkPath_);
}

void ArduinoEmulator::readSlowly(int ms) {
    slowReader_.reset();
    if (notifier_) notifier_->setEnabled(false);
    if (ms <= 0) return;
    slowReader_ = std::make_unique<QTimer>();
    slowReader_->setTimerType(Qt::PreciseTimer);
    connect(slowReader_.get(), &QTimer::timeout, this, [this] { readable(1); });
    slowReader_->start(ms);
}

void ArduinoEmulator::readFreely() {
    slowReader_.reset();
    if (notifier_) notifier_->setEnabled(true);
}

void ArduinoEmulator::readable(qsizetype most) {
    char buf[512];
    while (most != 0) {
        const qsizetype want = most < 0 ? qsizetype(sizeof buf) : std::min<qsizetype>(most, sizeof buf);
        const ssize_t n = ::read(master_, buf, size_t(want));
        if (n <= 0) break;
        if (most > 0) most -= n;
        received.append(buf, n);
        for (ssize_t i = 0; i < n; ++i) {
            const char c = buf[i];
            if (c == '\r' || c == '\n') {  // a separator: what came before it is no command
                pending_.clear();
                expectByte_ = false;
                continue;
            }
            if (c != '/') {
                pending_.append(QLatin1Char(c));
                continue;
            }
            if (expectByte_) {
                expectByte_ = false;
                handleCommand(QStringLiteral("1/") + pending_);
            } else if (pending_ == QLatin1String("1")) {
                expectByte_ = true;
            } else {
                handleCommand(pending_);
            }
            pending_.clear();
        }
    }
}

void ArduinoEmulator::handleCommand(const QString& c) {
    commands.append(c);
    if (c == QLatin1String("90")) {
        if (!identity.isEmpty()) reply(identity.toLatin1() + lineEnd);
    } else if ((c == QLatin1String("5") || c == QLatin1String("7")) && answerPolls) {
        if (!analogReply.isEmpty()) reply(analogReply.toLatin1() + lineEnd);
        else reply("DI" + QByteArray::number(inputBits) + lineEnd);
    } else if (c == QLatin1String("99")) {
        send(version.toLatin1() + lineEnd);
    }
    if (onCommand) onCommand(c);
}

void ArduinoEmulator::reply(const QByteArray& bytes) {
    // Like the sketch, one reply after the other, even when a timer runs late.
    if (sendingInPieces_) queuedReplies_.append(bytes);
    else if (pieceGapMs > 0 && bytes.size() > pieceCut) sendInPieces(bytes);
    else send(bytes);
}

void ArduinoEmulator::sendInPieces(const QByteArray& bytes) {
    send(bytes.left(pieceCut));
    sendingInPieces_ = true;
    QElapsedTimer quiet;  // from the end of the first piece to the start of the rest
    quiet.start();
    QTimer::singleShot(pieceGapMs, Qt::PreciseTimer, this, [this, quiet, rest = bytes.mid(pieceCut)] {
        longestPieceGapMs = std::max(longestPieceGapMs, double(quiet.nsecsElapsed()) / 1e6);
        send(rest);
        sendingInPieces_ = false;
        // Every queued answer goes out in turn: one short enough to go whole
        // must not leave the rest behind for a later answer to overtake.
        while (!sendingInPieces_ && !queuedReplies_.isEmpty()) reply(queuedReplies_.takeFirst());
    });
}

}  // namespace tamberlo::test
