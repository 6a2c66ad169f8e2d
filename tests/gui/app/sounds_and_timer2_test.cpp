#include "app/glyphs.h"
#include "app/main_window.h"
#include "app/sound_player.h"
#include "shell_test_support.h"

#include <QFile>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QtEndian>
#include <gtest/gtest.h>

using namespace quorel;
using namespace quorel::gui;
using quorel::gui::testing::ShellFixture;

namespace {

QImage iconImage(const QToolButton* button)
{
    return button->icon().pixmap(kGlyphSize, kGlyphSize).toImage().convertToFormat(QImage::Format_ARGB32);
}

QImage glyphImage(const char* name)
{
    return QIcon(namedImage(name)).pixmap(kGlyphSize, kGlyphSize).toImage().convertToFormat(QImage::Format_ARGB32);
}

}  // namespace

using Sounds = ShellFixture;

TEST_F(Sounds, AreOffAtStartAndSpeedButton5SwitchesThem)
{
    auto window = makeWindow();
    window->show();
    EXPECT_EQ(window->shell().soundOn, 0);
    EXPECT_EQ(iconImage(window->SpeedButton5), glyphImage("ImageSOFF"));
    EXPECT_NE(glyphImage("ImageSOFF"), glyphImage("ImageSON"));
    window->playSound(Sound::S99_19e);
    EXPECT_TRUE(sounds->played.empty());

    QTest::mouseClick(window->SpeedButton5, Qt::LeftButton);
    EXPECT_EQ(window->shell().soundOn, 1);
    EXPECT_EQ(iconImage(window->SpeedButton5), glyphImage("ImageSON"));
    for (Sound s : {Sound::S99_19e, Sound::S99_60e, Sound::S99_66e})
        window->playSound(s);
    ASSERT_EQ(sounds->played.size(), 3u);
    EXPECT_EQ(sounds->played[2].sound, Sound::S99_66e);
    EXPECT_FALSE(sounds->played[0].toEnd);   // never waited for

    QTest::mouseClick(window->SpeedButton5, Qt::LeftButton);
    EXPECT_EQ(window->shell().soundOn, 0);
    EXPECT_EQ(iconImage(window->SpeedButton5), glyphImage("ImageSOFF"));
    window->playSound(Sound::S99_60e);
    EXPECT_EQ(sounds->played.size(), 3u);
}

TEST_F(Sounds, ExitPlaysItsSoundToTheEndOnlyWhileSoundsAreOn)
{
    for (int soundOn : {0, 1}) {
        sounds->played.clear();
        auto window = makeWindow();
        window->show();
        if (soundOn == 1)
            window->SpeedButton5Click();
        exitAnswer = false;
        window->close();
        EXPECT_TRUE(sounds->played.empty());   // not leaving: no sound
        exitAnswer = true;
        window->close();
        if (soundOn == 1) {
            ASSERT_EQ(sounds->played.size(), 1u);
            EXPECT_EQ(sounds->played[0].sound, Sound::S99_42e);
            EXPECT_TRUE(sounds->played[0].toEnd);
        } else {
            EXPECT_TRUE(sounds->played.empty());
        }
    }
}

TEST(SoundFiles, AreShortQuietMonoWavesThatStartAndEndInSilence)
{
    initQuorelResources();
    for (Sound s : {Sound::S99_19e, Sound::S99_60e, Sound::S99_66e, Sound::S99_42e}) {
        const QString name = soundFileName(s);
        SCOPED_TRACE(name.toStdString());
        EXPECT_TRUE(name.startsWith("S99_") && name.endsWith("e.wav"));
        QFile file(":/sounds/" + name);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray wav = file.readAll();
        ASSERT_GT(wav.size(), 44);
        EXPECT_EQ(wav.mid(0, 4), "RIFF");
        EXPECT_EQ(wav.mid(8, 4), "WAVE");
        const auto u16 = [&](int at) { return qFromLittleEndian<quint16>(wav.constData() + at); };
        const auto u32 = [&](int at) { return qFromLittleEndian<quint32>(wav.constData() + at); };
        EXPECT_EQ(u16(20), 1);    // PCM
        EXPECT_EQ(u16(22), 1);    // mono
        EXPECT_EQ(u16(34), 16);   // bits
        const quint32 rate = u32(24);
        ASSERT_EQ(wav.mid(36, 4), "data");
        const int samples = static_cast<int>(u32(40) / 2);
        const double seconds = double(samples) / rate;
        EXPECT_GT(seconds, 0.1);
        EXPECT_LT(seconds, 1.0);
        int peak = 0;
        for (int i = 0; i < samples; ++i)
            peak = std::max(peak, std::abs(int(qFromLittleEndian<qint16>(wav.constData() + 44 + 2 * i))));
        EXPECT_GT(peak, 3000);                  // audible
        EXPECT_LT(peak, 32767 / 2);             // and never loud
        const auto sample = [&](int i) { return std::abs(int(qFromLittleEndian<qint16>(wav.constData() + 44 + 2 * i))); };
        EXPECT_LT(sample(0), 300);              // no click at the start
        EXPECT_LT(sample(samples - 1), 300);    // nor at the end
    }
}

TEST(SoundFiles, TheRealPlayerIsHarmlessWithoutADeviceOrAFile)
{
    // Whatever the machine offers, playing returns and playing to the end comes back.
    for (const QString& folder : {QStringLiteral(":/sounds"), QStringLiteral("/nonexistent/quorel/sounds")}) {
        EffectSoundPlayer player(folder);
        for (Sound s : {Sound::S99_19e, Sound::S99_60e, Sound::S99_66e})
            player.play(s);
        player.playToEnd(Sound::S99_42e);
        player.playToEnd(Sound::S99_42e);
    }
    SUCCEED();
}

using Timer2Flashing = ShellFixture;

TEST_F(Timer2Flashing, FlashesFourTimesThenStops)
{
    auto window = makeWindow();
    window->show();
    EXPECT_FALSE(window->Timer2->isActive());
    EXPECT_EQ(window->Timer2->interval(), 200);
    window->Timer2Timer();   // a stray tick while disabled does nothing
    EXPECT_EQ(flashes, 0);

    window->enableTimer2();
    EXPECT_TRUE(window->Timer2->isActive());
    for (int tick = 1; tick <= 4; ++tick) {
        window->Timer2Timer();
        EXPECT_EQ(flashes, tick);
        EXPECT_EQ(window->Timer2->isActive(), tick < 4);
    }
    window->Timer2Timer();
    EXPECT_EQ(flashes, 4);

    // Left to the timer itself, it flashes four more times and switches itself off.
    window->enableTimer2();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window->Timer2->isActive(); }, 10000));
    EXPECT_EQ(flashes, 8);
}
