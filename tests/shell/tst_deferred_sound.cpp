// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fake_sound_output.h"
#include "shell/deferred_sound_output.h"
#include "test_main.h"

#include <QWidget>

using namespace quintavia;

class TestDeferredSound : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void madeOnceAndNothingLost_data();
    void madeOnceAndNothingLost();
    void preloadedAfterTheFirstPaint();
    void moduleFoundOrSilent_data();
    void moduleFoundOrSilent();
};

void TestDeferredSound::madeOnceAndNothingLost_data()
{
    QTest::addColumn<bool>("preloadFirst");
    QTest::addColumn<bool>("outputExists");
    QTest::addColumn<QList<int>>("heard");
    QTest::newRow("first sound makes the output") << false << true << QList<int>{101, 102};
    QTest::newRow("preloaded") << true << true << QList<int>{101, 102};
    QTest::newRow("no sound system: silent, tried once") << false << false << QList<int>{};
}

void TestDeferredSound::madeOnceAndNothingLost()
{
    QFETCH(bool, preloadFirst);
    QFETCH(bool, outputExists);
    QFETCH(QList<int>, heard);
    int made = 0;
    test::FakeSoundOutput* fake = nullptr;
    DeferredSoundOutput output([&]() -> std::unique_ptr<SoundOutput> {
        ++made;
        if (!outputExists)
            return nullptr;
        auto real = std::make_unique<test::FakeSoundOutput>();
        fake = real.get();
        return real;
    });
    QCOMPARE(made, 0);
    if (preloadFirst)
        output.preload();
    output.play(101, "a");
    output.preload();
    output.play(102, "b");
    QCOMPARE(made, 1);
    QCOMPARE(fake ? fake->played : QList<int>{}, heard);
}

void TestDeferredSound::preloadedAfterTheFirstPaint()
{
    int made = 0;
    DeferredSoundOutput output([&] {
        ++made;
        return std::make_unique<test::FakeSoundOutput>();
    });
    QWidget window;
    window.resize(50, 50);
    output.preloadAfterFirstPaint(&window);
    QCoreApplication::processEvents();
    QCOMPARE(made, 0);
    window.show();
    QTRY_COMPARE(made, 1);
    window.update();
    QTest::qWait(20);
    QCOMPARE(made, 1);
}

void TestDeferredSound::moduleFoundOrSilent_data()
{
    QTest::addColumn<QStringList>("paths");
    QTest::addColumn<bool>("loaded");
    const QString module = QStringLiteral(QUINTAVIA_BUILD_DIR "/quintavia-sound.so");
    QTest::newRow("the built module") << QStringList{module} << true;
    QTest::newRow("the second place") << QStringList{QStringLiteral("/nonexistent/x.so"), module} << true;
    QTest::newRow("nowhere") << QStringList{QStringLiteral("/nonexistent/x.so")} << false;
    QTest::newRow("not a module") << QStringList{QStringLiteral(QUINTAVIA_SOURCE_DIR "/README.md")} << false;
}

void TestDeferredSound::moduleFoundOrSilent()
{
    QFETCH(QStringList, paths);
    QFETCH(bool, loaded);
    if (!loaded)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^quintavia: suoni non disponibili")));
    QCOMPARE(loadSoundModule(paths) != nullptr, loaded);
}

QUINTAVIA_TEST_MAIN(TestDeferredSound)
#include "tst_deferred_sound.moc"
