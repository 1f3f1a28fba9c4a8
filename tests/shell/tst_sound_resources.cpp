// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/sound_player.h"
#include "shell/wave_image.h"
#include "shell_harness.h"

#include <QDir>
#include <QTest>
#include <QtEndian>

using namespace quintavia;

namespace {

struct Chunk {
    QByteArray id;
    qsizetype offset = 0;  // of the chunk header
    quint32 size = 0;      // of the body, without the pad byte
};

// Every chunk after the RIFF header, in file order, and where the walk ended.
QList<Chunk> chunksOf(const QByteArray& image, qsizetype* end)
{
    QList<Chunk> chunks;
    qsizetype at = 12;
    while (at + 8 <= image.size()) {
        const quint32 size = qFromLittleEndian<quint32>(image.constData() + at + 4);
        chunks.append({image.mid(at, 4), at, size});
        at += 8 + qsizetype(size) + (size & 1);
    }
    *end = at;
    return chunks;
}

qsizetype indexOf(const QList<Chunk>& chunks, const char* id)
{
    for (qsizetype i = 0; i < chunks.size(); ++i)
        if (chunks[i].id == id)
            return i;
    return -1;
}

}  // namespace

class TestSoundResources : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void imageMatchesTable_data() { soundTable(); }
    void imageMatchesTable();
    void samplesAreAudibleAndClean_data() { soundTable(); }
    void samplesAreAudibleAndClean();
    void exactlyTheEightSounds();

private:
    void soundTable();
};

void TestSoundResources::soundTable()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("totalBytes");
    QTest::addColumn<int>("sampleRate");
    QTest::addColumn<int>("dataBytes");
    QTest::addColumn<bool>("fact");
    QTest::addColumn<bool>("infoList");
    QTest::newRow("101 fanfare") << 101 << 30764 << 11025 << 30720 << false << false;
    QTest::newRow("102 click") << 102 << 1340 << 11025 << 1295 << false << false;
    QTest::newRow("103 buzz") << 103 << 6252 << 11025 << 6207 << false << false;
    QTest::newRow("104 chime") << 104 << 11420 << 22050 << 11376 << false << false;
    QTest::newRow("105 unused") << 105 << 26724 << 22254 << 26665 << true << false;
    QTest::newRow("106 whoosh") << 106 << 12616 << 11025 << 12557 << true << false;
    QTest::newRow("107 tick") << 107 << 468 << 20000 << 371 << false << true;
    QTest::newRow("108 unused") << 108 << 7576 << 16000 << 7520 << true << false;
}

void TestSoundResources::imageMatchesTable()
{
    QFETCH(int, number);
    QFETCH(int, totalBytes);
    QFETCH(int, sampleRate);
    QFETCH(int, dataBytes);
    QFETCH(bool, fact);
    QFETCH(bool, infoList);

    const QByteArray image = SoundPlayer::resource(number);
    QCOMPARE(image.size(), totalBytes);
    QCOMPARE(qFromLittleEndian<quint32>(image.constData() + 4), quint32(totalBytes - 8));

    const auto wave = parseWave(image);
    QVERIFY(wave);
    QCOMPARE(wave->formatTag, 1);
    QCOMPARE(wave->channels, 1);
    QCOMPARE(wave->bitsPerSample, 8);
    QCOMPARE(wave->blockAlign, 1);
    QCOMPARE(wave->sampleRate, sampleRate);
    QCOMPARE(wave->samples.size(), dataBytes);

    // The chunks must tile the file exactly: no trailing bytes, no chunk running past the end.
    qsizetype end = 0;
    const QList<Chunk> chunks = chunksOf(image, &end);
    QCOMPARE(end, image.size());
    QCOMPARE(chunks.first().id, QByteArray("fmt "));
    QVERIFY(chunks.first().size >= 16);
    const qsizetype fmtBody = chunks.first().offset + 8;
    QCOMPARE(qFromLittleEndian<quint32>(image.constData() + fmtBody + 8), quint32(sampleRate));
    if (chunks.first().size > 16)  // a longer format block must declare no extra bytes
        QCOMPARE(qFromLittleEndian<quint16>(image.constData() + fmtBody + 16), quint16(0));

    const qsizetype data = indexOf(chunks, "data");
    QVERIFY(data > 0);
    const qsizetype factAt = indexOf(chunks, "fact");
    QCOMPARE(factAt >= 0, fact);
    if (fact) {
        QVERIFY(factAt < data);
        QCOMPARE(chunks[factAt].size, 4u);
        QCOMPARE(qFromLittleEndian<quint32>(image.constData() + chunks[factAt].offset + 8),
                 quint32(dataBytes));
    }

    const qsizetype list = indexOf(chunks, "LIST");
    QCOMPARE(list >= 0, infoList);
    if (infoList) {
        QCOMPARE(list, chunks.size() - 1);
        QCOMPARE(chunks[list].offset, qsizetype(totalBytes - 44));
        QCOMPARE(chunks[list].size, 36u);
        QCOMPARE(image.mid(chunks[list].offset + 8, 4), QByteArray("INFO"));
        QVERIFY(list > data);
    }
}

void TestSoundResources::samplesAreAudibleAndClean()
{
    QFETCH(int, number);
    const QByteArray image = SoundPlayer::resource(number);  // the view below points into it
    const auto wave = parseWave(image);
    QVERIFY(wave);
    const QByteArrayView samples = wave->samples;
    QVERIFY(!samples.isEmpty());

    int loudest = 0;
    for (const char c : samples) {
        const int value = static_cast<unsigned char>(c);
        QVERIFY2(value != 0 && value != 255, "clipped sample");
        loudest = qMax(loudest, qAbs(value - 128));
    }
    QVERIFY2(loudest >= 16, "sound is (nearly) silent");
    QVERIFY2(loudest <= 110, "sound is too loud");
    // Starting or stopping away from silence is heard as a click.
    QVERIFY(qAbs(static_cast<unsigned char>(samples.front()) - 128) <= 2);
    QVERIFY(qAbs(static_cast<unsigned char>(samples.back()) - 128) <= 2);
}

void TestSoundResources::exactlyTheEightSounds()
{
    QStringList expected;
    for (int n = 101; n <= 108; ++n)
        expected << QStringLiteral("%1.wav").arg(n);
    QCOMPARE(QDir(QStringLiteral(":/sounds")).entryList(QDir::Files, QDir::Name), expected);
    QVERIFY(SoundPlayer::resource(100).isEmpty());
    QVERIFY(SoundPlayer::resource(109).isEmpty());
}

QUINTAVIA_TEST_MAIN(TestSoundResources)
#include "tst_sound_resources.moc"
