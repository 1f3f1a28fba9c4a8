// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/sound_player.h"
#include "audio/wave_image.h"
#include "shell_harness.h"

#include <QDir>
#include <QTest>
#include <QtEndian>

#include <cmath>
#include <cstring>

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
    void convertedForAnyDevice_data() { soundTable(); }
    void convertedForAnyDevice();
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
        // 44 bytes of contents, like the 16 of "fmt ": no filler chunk before it.
        QCOMPARE(chunks[list].offset, qsizetype(totalBytes - 52));
        QCOMPARE(chunks[list].size, 44u);
        QCOMPARE(indexOf(chunks, "JUNK"), -1);
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

// A converted frame's first channel back in -1 .. 1; every channel of the frame must agree.
static double frameValue(const QByteArray& out, qsizetype frame, const PcmFormat& format, bool* channelsAgree)
{
    const int bytes = format.bytesPerSample();
    const char* at = out.constData() + frame * format.channels * bytes;
    for (int c = 1; c < format.channels; ++c)
        *channelsAgree = *channelsAgree && std::memcmp(at, at + c * bytes, bytes) == 0;
    switch (format.sample) {
    case PcmFormat::Sample::UInt8: return (static_cast<quint8>(*at) - 128) / 127.0;
    case PcmFormat::Sample::Int16: {
        qint16 v;
        std::memcpy(&v, at, 2);
        return v / 32767.0;
    }
    case PcmFormat::Sample::Int32: {
        qint32 v;
        std::memcpy(&v, at, 4);
        return v / 2147483647.0;
    }
    case PcmFormat::Sample::Float: {
        float v;
        std::memcpy(&v, at, 4);
        return v;
    }
    }
    return 0;
}

void TestSoundResources::convertedForAnyDevice()
{
    QFETCH(int, number);
    QFETCH(int, sampleRate);
    const QByteArray image = SoundPlayer::resource(number);
    const auto wave = parseWave(image);
    QVERIFY(wave);
    const QByteArrayView in = wave->samples;
    double inEnergy = 0;
    for (const char c : in)
        inEnergy += std::pow((static_cast<quint8>(c) - 128) / 127.0, 2);
    const double inRms = std::sqrt(inEnergy / double(in.size()));

    using S = PcmFormat::Sample;
    const PcmFormat formats[] = {
        {S::UInt8, 1, sampleRate}, {S::Int16, 1, sampleRate}, {S::Int16, 2, 48000},
        {S::Float, 2, 44100},      {S::Int32, 1, 8000},       {S::Float, 6, 96000},
    };
    for (const PcmFormat& format : formats) {
        const QString what = QStringLiteral("%1 channels, %2 Hz, %3 bytes")
                                 .arg(format.channels)
                                 .arg(format.sampleRate)
                                 .arg(format.bytesPerSample());
        const QByteArray out = convertSamples(in, sampleRate, format);
        const qsizetype frames = std::llround(double(in.size()) * format.sampleRate / sampleRate);
        QCOMPARE(out.size(), frames * format.channels * format.bytesPerSample());
        bool channelsAgree = true;
        double energy = 0;
        for (qsizetype f = 0; f < frames; ++f)
            energy += std::pow(frameValue(out, f, format, &channelsAgree), 2);
        QVERIFY2(channelsAgree, qPrintable(what));
        // The same sound, as loud: no sign or scale mistake, no lost half.
        const double rms = std::sqrt(energy / double(frames));
        QVERIFY2(rms > 0.6 * inRms && rms < 1.05 * inRms, qPrintable(what));
        QVERIFY2(qAbs(frameValue(out, 0, format, &channelsAgree)) < 0.03, qPrintable(what));
        QVERIFY2(qAbs(frameValue(out, frames - 1, format, &channelsAgree)) < 0.03, qPrintable(what));
        if (format.sampleRate == sampleRate) {
            // Unresampled, every sample keeps its value.
            for (qsizetype f = 0; f < frames; ++f)
                QVERIFY2(qAbs(frameValue(out, f, format, &channelsAgree)
                              - (static_cast<quint8>(in[f]) - 128) / 127.0)
                             < 1e-4,
                         qPrintable(what));
        }
    }
    QCOMPARE(convertSamples(in, sampleRate, {S::UInt8, 1, sampleRate}), in.toByteArray());
    QVERIFY(convertSamples(in, 0, {S::Int16, 2, 48000}).isEmpty());
    QVERIFY(convertSamples(in, sampleRate, {S::Int16, 0, 48000}).isEmpty());
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
