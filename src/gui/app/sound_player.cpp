#include "app/sound_player.h"

#include <QAudioDevice>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

void initQuorelResources()
{
    Q_INIT_RESOURCE(quorel);
}

namespace quorel::gui {

QString soundFileName(Sound sound)
{
    switch (sound) {
    case Sound::S99_19e: return QStringLiteral("S99_19e.wav");
    case Sound::S99_60e: return QStringLiteral("S99_60e.wav");
    case Sound::S99_66e: return QStringLiteral("S99_66e.wav");
    case Sound::S99_42e: return QStringLiteral("S99_42e.wav");
    }
    return {};
}

EffectSoundPlayer::EffectSoundPlayer(QString directory) : directory_(std::move(directory))
{
    initQuorelResources();
}

EffectSoundPlayer::~EffectSoundPlayer()
{
    qDeleteAll(effects_);
}

QSoundEffect* EffectSoundPlayer::effect(Sound sound)
{
    if (outputAvailable_ < 0)
        outputAvailable_ = QMediaDevices::audioOutputs().isEmpty() ? 0 : 1;
    if (outputAvailable_ == 0)
        return nullptr;
    const int key = static_cast<int>(sound);
    if (auto it = effects_.find(key); it != effects_.end())
        return *it;
    const QString path = QDir(directory_).filePath(soundFileName(sound));
    QSoundEffect* e = nullptr;
    if (QFileInfo::exists(path)) {
        e = new QSoundEffect;
        e->setSource(path.startsWith(':') ? QUrl(QStringLiteral("qrc") + path) : QUrl::fromLocalFile(path));
    }
    effects_.insert(key, e);   // a missing file stays silent for the rest of the run
    return e;
}

void EffectSoundPlayer::play(Sound sound)
{
    if (QSoundEffect* e = effect(sound))
        e->play();
}

void EffectSoundPlayer::playToEnd(Sound sound)
{
    QSoundEffect* e = effect(sound);
    if (!e)
        return;
    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(e, &QSoundEffect::playingChanged, &loop, [&] {
        if (!e->isPlaying())
            loop.quit();
    });
    QObject::connect(e, &QSoundEffect::statusChanged, &loop, [&] {
        if (e->status() == QSoundEffect::Error)
            loop.quit();
    });
    e->play();
    if (e->status() == QSoundEffect::Error || (!e->isPlaying() && e->status() == QSoundEffect::Ready))
        return;
    limit.start(kLongestWaitMs);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace quorel::gui
