#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include <memory>

#include "SoundPlayer.h"

namespace tamberlo {

namespace {

class QtSoundPlayer final : public SoundPlayer {
public:
    void PlayAsync(const QString& path) override {
        // With no output device QSoundEffect reports "playing" for ever; play nothing then.
        if (QMediaDevices::audioOutputs().isEmpty()) return;
        if (!effect_) effect_ = std::make_unique<QSoundEffect>();
        effect_->stop();
        const QUrl url = QUrl::fromLocalFile(path);
        if (effect_->source() != url) effect_->setSource(url);  // loads in the background
        effect_->play();  // starts once the file has loaded
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

QString SoundPath(const QString& folder, const QString& file) {
    QString dir = folder;
    dir.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!dir.isEmpty() && !dir.endsWith(QLatin1Char('/'))) dir += QLatin1Char('/');
    return dir + file;
}

}  // namespace tamberlo
