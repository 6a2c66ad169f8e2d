#pragma once
// The program's four sounds, played behind a small interface so that tests can
// listen with a fake and a machine without sound output stays silent.

#include <QHash>
#include <QString>
#include <memory>

class QSoundEffect;

namespace quorel::gui {

enum class Sound {
    S99_19e,   // a scan step captured
    S99_60e,   // no capture; a run-time warning
    S99_66e,   // the Calculation command refused
    S99_42e,   // the program ends
};

QString soundFileName(Sound sound);   // "S99_19e.wav", ...

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Starts the sound and returns at once.
    virtual void play(Sound sound) = 0;
    // Plays the sound to its end before returning (bounded: a sound that never reports
    // its end does not hold the program).
    virtual void playToEnd(Sound sound) = 0;
};

// QSoundEffect on the wave files of a directory (":/sounds", the files built into the
// program, by default). Silent without an audio output or with a file missing; never
// falls back to a default sound.
class EffectSoundPlayer : public SoundPlayer {
public:
    explicit EffectSoundPlayer(QString directory = QStringLiteral(":/sounds"));
    ~EffectSoundPlayer() override;

    void play(Sound sound) override;
    void playToEnd(Sound sound) override;

    // The longest playToEnd waits, in milliseconds; longer than every sound of the program.
    static constexpr int kLongestWaitMs = 3000;

private:
    QSoundEffect* effect(Sound sound);

    QString directory_;
    int outputAvailable_ = -1;   // unknown until the first sound
    QHash<int, QSoundEffect*> effects_;
};

}  // namespace quorel::gui

// Makes the resources of the static GUI library (the sounds) available; call once
// after the application object exists. Safe to call more than once.
void initQuorelResources();
