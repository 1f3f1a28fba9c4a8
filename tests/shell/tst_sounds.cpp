// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/sound_player.h"
#include "shell/sound_switch.h"
#include "shell_harness.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

using namespace quintavia;

class TestSounds : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void switchDecidesEveryCall_data();
    void switchDecidesEveryCall();
    void secondSoundCutsOffTheFirst();
    void pendingEventsRunInsideThePlayer();
};

void TestSounds::switchDecidesEveryCall_data()
{
    QTest::addColumn<std::optional<int>>("switchValue");
    QTest::addColumn<bool>("plays");
    QTest::newRow("empty at start") << std::optional<int>() << true;
    QTest::newRow("off") << std::optional<int>(1) << false;
    QTest::newRow("on again") << std::optional<int>(0) << true;
}

void TestSounds::switchDecidesEveryCall()
{
    QFETCH(std::optional<int>, switchValue);
    QFETCH(bool, plays);
    test::ShellHarness h;
    soundSwitch() = switchValue;
    for (int n = int(Sound::Fanfare); n <= int(Sound::Unused108); ++n)
        h.player.play(Sound(n));
    QCOMPARE(h.sound.played.size(), plays ? 8 : 0);
    QCOMPARE(h.sound.lastImage.isEmpty(), !plays);
}

void TestSounds::secondSoundCutsOffTheFirst()
{
    test::ShellHarness h;
    h.player.play(Sound::Click);
    const QByteArray first = h.sound.lastImage;
    h.player.play(Sound::Chime);
    QCOMPARE(h.sound.played, (QList<int>{102, 104}));
    QCOMPARE(h.sound.playing, 104);
    QCOMPARE(h.sound.cutOff, 1);
    QVERIFY(h.sound.lastImage != first);
    QCOMPARE(h.sound.lastImage, SoundPlayer::resource(104));
}

void TestSounds::pendingEventsRunInsideThePlayer()
{
    test::ShellHarness h;
    bool ran = false;
    QTimer::singleShot(0, [&] { ran = true; });
    h.player.play(Sound::Click);
    QVERIFY(ran);
}

QUINTAVIA_TEST_MAIN(TestSounds)
#include "tst_sounds.moc"
