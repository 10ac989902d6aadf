#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>
#include <QtGlobal>

#include <cstdio>
#include <memory>

#include "FileReading.h"
#include "SoundPlayer.h"

namespace tamberlo {

namespace {

QtMessageHandler outerHandler = nullptr;

// Qt's PulseAudio layer warns on the terminal once per process when no sound
// server runs; playing nothing then is this layer's own, silent answer.
void DropPulseAudioWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QLatin1String("PulseAudioService:"))) return;
    if (outerHandler) outerHandler(type, context, message);
    else fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

bool HasAudioOutput() {
    outerHandler = qInstallMessageHandler(DropPulseAudioWarnings);
    const bool any = !QMediaDevices::audioOutputs().isEmpty();
    qInstallMessageHandler(outerHandler);
    return any;
}

class QtSoundPlayer final : public SoundPlayer {
public:
    void PlayAsync(const QString& path) override {
        // With no output device QSoundEffect reports "playing" for ever; play nothing then.
        if (!HasAudioOutput()) return;
        if (!effect_) effect_ = std::make_unique<QSoundEffect>();
        effect_->stop();
        const QUrl url = QUrl::fromLocalFile(path);
        if (effect_->source() != url) effect_->setSource(url);  // loads in the background
        effect_->play();                                        // starts once the file has loaded
    }

private:
    std::unique_ptr<QSoundEffect> effect_;
};

SoundPlayer* installed = nullptr;

}  // namespace

SoundPlayer& soundPlayer() {
    static QtSoundPlayer* qt = new QtSoundPlayer;  // lives as long as the program
    return installed ? *installed : *qt;
}

void SetSoundPlayer(SoundPlayer* player) { installed = player; }

void PlaySoundFile(const QString& path) {
    if (LookAtRegularFile(path).ok()) soundPlayer().PlayAsync(path);
}

QString SoundPath(const QString& folder, const QString& file) {
    QString dir = folder;
    dir.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!dir.isEmpty() && !dir.endsWith(QLatin1Char('/'))) dir += QLatin1Char('/');
    return dir + file;
}

}  // namespace tamberlo
