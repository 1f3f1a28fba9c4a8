// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Synthesises the program's eight sounds and writes them as resources/sounds/101.wav ... 108.wav.
//
// Usage: make-sounds <output folder>
//
// Each file is 8-bit unsigned mono PCM (128 = silence) with the fixed size, sample rate, sample
// count and chunk layout of the program's resource set. Everything is deterministic: the noise
// comes from a fixed seed, so running the tool twice gives the same bytes.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr double pi = std::numbers::pi;

using Signal = std::vector<double>;

// ---------------------------------------------------------------------------------------------
// Building blocks

// 0 -> 1 over `length` seconds with a raised cosine: no corner, so no click.
double rise(double t, double length)
{
    if (t <= 0)
        return 0;
    if (t >= length)
        return 1;
    return 0.5 - 0.5 * std::cos(pi * t / length);
}

// A note's amplitude: raised-cosine attack, exponential decay, raised-cosine release that reaches
// exactly zero at `duration`.
double envelope(double t, double duration, double attack, double decayTime, double release)
{
    if (t < 0 || t >= duration)
        return 0;
    const double decay = decayTime > 0 ? std::exp(-std::max(0.0, t - attack) / decayTime) : 1.0;
    return rise(t, attack) * decay * rise(duration - t, release);
}

// Fixed-seed white noise in [-1, 1).
class Noise {
public:
    double next()
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 7;
        m_state ^= m_state << 17;
        return static_cast<double>(m_state >> 11) / 4503599627370496.0 - 1.0;  // 2^52
    }

private:
    std::uint64_t m_state = 0x9E3779B97F4A7C15ull;
};

// Band-pass state-variable filter in trapezoidal form: stays stable while its centre moves,
// even close to the Nyquist frequency.
class BandPass {
public:
    double process(double in, double centre, double q, double sampleRate)
    {
        const double g = std::tan(pi * std::min(centre, 0.45 * sampleRate) / sampleRate);
        const double k = 1.0 / q;
        const double a1 = 1.0 / (1.0 + g * (g + k));
        const double a2 = g * a1;
        const double a3 = g * a2;
        const double v3 = in - m_ic2;
        const double v1 = a1 * m_ic1 + a2 * v3;
        const double v2 = m_ic2 + a2 * m_ic1 + a3 * v3;
        m_ic1 = 2 * v1 - m_ic1;
        m_ic2 = 2 * v2 - m_ic2;
        return v1 * k;  // unity gain at the centre
    }

private:
    double m_ic1 = 0;
    double m_ic2 = 0;
};

// Adds a tone made of harmonics 1..n (amplitude 1/n^tilt), leaving out any partial at or above
// `ceiling` Hz so that nothing folds back below the Nyquist frequency.
void addTone(Signal& out, double sampleRate, double start, double duration, double frequency, double level,
             double tilt, double ceiling, const std::function<double(double)>& amp, double vibratoDepth = 0,
             double vibratoRate = 0)
{
    const auto first = static_cast<std::size_t>(std::max(0.0, std::round(start * sampleRate)));
    double phase = 0;
    for (std::size_t i = first; i < out.size(); ++i) {
        const double t = static_cast<double>(i - first) / sampleRate;
        if (t >= duration)
            break;
        const double a = amp(t);
        double sample = 0;
        for (int h = 1; h * frequency < ceiling; ++h)
            sample += std::sin(h * phase) / std::pow(h, tilt);
        out[i] += level * a * sample;
        const double vibrato = 1 + vibratoDepth * std::sin(2 * pi * vibratoRate * t) * rise(t, 0.3);
        phase += 2 * pi * frequency * vibrato / sampleRate;
    }
}

// A struck bar or bell: a few partials, each dying away at its own pace.
struct Partial {
    double ratio;
    double level;
    double decay;  // seconds
};

void addStrike(Signal& out, double sampleRate, double start, double frequency, double level,
               const std::vector<Partial>& partials, double attack)
{
    const auto first = static_cast<std::size_t>(std::round(start * sampleRate));
    for (std::size_t i = first; i < out.size(); ++i) {
        const double t = static_cast<double>(i - first) / sampleRate;
        double sample = 0;
        for (const Partial& p : partials) {
            if (p.ratio * frequency >= 0.45 * sampleRate)
                continue;
            sample += p.level * std::exp(-t / p.decay) * std::sin(2 * pi * p.ratio * frequency * t);
        }
        out[i] += level * rise(t, attack) * sample;
    }
}

// Scales the signal so its loudest sample reaches `peak` (a fraction of full scale) and fades
// both ends to exact silence, so the sound never starts or stops with a step.
void finish(Signal& signal, double sampleRate, double peak, double edge = 0.004)
{
    const std::size_t n = signal.size();
    const double fade = std::min(edge * sampleRate, n / 4.0);
    for (std::size_t i = 0; i < n; ++i) {
        const double fromEnd = static_cast<double>(n - 1 - i);
        signal[i] *= rise(static_cast<double>(i), fade) * rise(fromEnd, fade);
    }
    double loudest = 0;
    for (double s : signal)
        loudest = std::max(loudest, std::abs(s));
    if (loudest > 0)
        for (double& s : signal)
            s *= peak / loudest;
}

// ---------------------------------------------------------------------------------------------
// The eight sounds

constexpr double C5 = 523.25, E5 = 659.26, G4 = 392.00, G5 = 783.99, C6 = 1046.50;

// 101, end of an exercise: a short brass-like fanfare, "ta-ta-ta-taaa ta-TAAA".
Signal fanfare(std::size_t n, double rate)
{
    Signal s(n, 0.0);
    const double total = static_cast<double>(n) / rate;
    const double ceiling = 4800;
    auto note = [&](double start, double length, double frequency, double level) {
        addTone(s, rate, start, length, frequency, level, 1.3, ceiling, [length](double t) {
            return envelope(t, length, 0.018, 0.0, 0.045) * (0.75 + 0.25 * std::exp(-t / 0.05));
        });
    };
    note(0.00, 0.13, G4, 0.8);
    note(0.14, 0.13, C5, 0.8);
    note(0.28, 0.13, E5, 0.8);
    note(0.42, 0.30, G5, 0.9);
    note(0.76, 0.14, E5, 0.8);
    // The closing chord rings to the end of the sound and fades out completely.
    const double start = 0.92;
    const double length = total - start;
    auto chordAmp = [length](double t) {
        return envelope(t, length, 0.025, 2.2, 0.9) * (0.8 + 0.2 * std::exp(-t / 0.08));
    };
    addTone(s, rate, start, length, C5, 0.45, 1.3, ceiling, chordAmp, 0.004, 5.2);
    addTone(s, rate, start, length, E5, 0.40, 1.3, ceiling, chordAmp, 0.004, 5.5);
    addTone(s, rate, start, length, G5, 0.40, 1.3, ceiling, chordAmp, 0.004, 4.9);
    addTone(s, rate, start, length, C6, 0.35, 1.3, ceiling, chordAmp, 0.004, 5.3);
    finish(s, rate, 0.62);
    return s;
}

// 102, keypad key, help, sound switched on: a soft wooden click.
Signal click(std::size_t n, double rate)
{
    Signal s(n, 0.0);
    addStrike(s, rate, 0.0, 1250, 1.0, {{1.0, 1.0, 0.012}, {2.13, 0.45, 0.006}, {3.4, 0.2, 0.003}}, 0.0015);
    finish(s, rate, 0.45);
    return s;
}

// 103, a wrong step: a soft low buzz that sinks a little, like a gentle "uh-uh".
Signal buzz(std::size_t n, double rate)
{
    Signal s(n, 0.0);
    const double length = static_cast<double>(n) / rate;
    // Two slightly detuned voices beat slowly, which keeps the buzz warm rather than harsh.
    for (const double detune : {1.0, 1.012}) {
        double phase = 0;
        for (std::size_t i = 0; i < n; ++i) {
            const double t = static_cast<double>(i) / rate;
            const double frequency = (150 - 18 * t / length) * detune;
            double sample = 0;
            for (int h = 1; h * frequency < 1800; ++h)
                sample += std::sin(h * phase) / std::pow(h, 1.6);
            // Two pulses: a short one and a longer one.
            const double pulses
                = envelope(t, 0.20, 0.025, 0.0, 0.05) + envelope(t - 0.24, length - 0.24, 0.025, 0.6, 0.12);
            s[i] += 0.5 * pulses * sample;
            phase += 2 * pi * frequency / rate;
        }
    }
    finish(s, rate, 0.36);
    return s;
}

// 104, a right step: a bright rising chime of three bell notes.
Signal chime(std::size_t n, double rate)
{
    Signal s(n, 0.0);
    const std::vector<Partial> bell
        = {{1.0, 1.0, 0.22}, {2.0, 0.30, 0.10}, {3.0, 0.12, 0.05}, {4.16, 0.06, 0.03}};
    addStrike(s, rate, 0.00, C6, 0.8, bell, 0.003);
    addStrike(s, rate, 0.07, 1318.51, 0.8, bell, 0.003);
    addStrike(s, rate, 0.14, 1567.98, 1.0, bell, 0.003);
    finish(s, rate, 0.58, 0.06);
    return s;
}

// 105, never played: a soft major chord that swells and fades.
Signal pad(std::size_t n, double rate)
{
    Signal s(n, 0.0);
    const double length = static_cast<double>(n) / rate;
    auto amp = [length](double t) {
        return envelope(t, length, 0.35, 0.0, 0.55) * (1 + 0.08 * std::sin(2 * pi * 4.0 * t));
    };
    addTone(s, rate, 0, length, 349.23, 0.5, 2.5, 2000, amp);
    addTone(s, rate, 0, length, 440.00, 0.4, 2.5, 2000, amp);
    addTone(s, rate, 0, length, 523.25, 0.4, 2.5, 2000, amp);
    finish(s, rate, 0.40);
    return s;
}

// 106, a window opens: a whoosh, noise whose band sweeps up and back down as it swells and fades.
Signal whoosh(std::size_t n, double rate)
{
    Signal s(n, 0.0);
    const double length = static_cast<double>(n) / rate;
    Noise noise;
    BandPass band;
    double smooth = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const double x = static_cast<double>(i) / rate / length;  // 0 .. 1
        // Swells to its loudest at 40% of the way, then dies away more slowly.
        const double amp = x < 0.4 ? std::pow(std::sin(pi / 2 * x / 0.4), 2)
                                   : std::pow(std::cos(pi / 2 * (x - 0.4) / 0.6), 2);
        const double centre = 350 * std::pow(2200.0 / 350, std::sin(pi * std::pow(x, 0.8)));
        const double filtered = band.process(noise.next(), centre, 1.4, rate);
        smooth += 0.55 * (filtered - smooth);  // takes the hiss off the top
        s[i] = amp * smooth;
    }
    finish(s, rate, 0.50);
    return s;
}

// 107, most buttons: a short, light tick.
Signal tick(std::size_t n, double rate)
{
    Signal s(n, 0.0);
    addStrike(s, rate, 0.0, 2600, 1.0, {{1.0, 1.0, 0.0035}, {1.57, 0.5, 0.002}}, 0.0006);
    finish(s, rate, 0.42, 0.0025);
    return s;
}

// 108, never played: two soft marimba notes falling a fourth.
Signal marimba(std::size_t n, double rate)
{
    Signal s(n, 0.0);
    const std::vector<Partial> bar = {{1.0, 1.0, 0.16}, {3.93, 0.18, 0.03}, {9.2, 0.04, 0.01}};
    addStrike(s, rate, 0.00, 880.00, 0.9, bar, 0.004);
    addStrike(s, rate, 0.14, 659.26, 1.0, bar, 0.004);
    finish(s, rate, 0.40, 0.05);
    return s;
}

// ---------------------------------------------------------------------------------------------
// Writing the images

struct SoundFile {
    int number;
    int sampleRate;
    std::size_t samples;
    std::size_t totalBytes;
    // The resources differ in their chunk layout; the fixed totals depend on it.
    // 16, or 18 (a format block ending in a zero extension size) where the fixed total has two
    // bytes more than a 16-byte block leaves room for.
    int formatBytes;
    bool factChunk;  // holds the sample count, between fmt and data
    bool infoList;   // a LIST/INFO chunk of 44 bytes of contents naming the tool, at the very end
    Signal (*make)(std::size_t, double);
};

const SoundFile soundFiles[] = {
    {101, 11025, 30720, 30764, 16, false, false, fanfare},
    {102, 11025, 1295, 1340, 16, false, false, click},
    {103, 11025, 6207, 6252, 16, false, false, buzz},
    {104, 22050, 11376, 11420, 16, false, false, chime},
    {105, 22254, 26665, 26724, 18, true, false, pad},
    {106, 11025, 12557, 12616, 18, true, false, whoosh},
    {107, 20000, 371, 468, 16, false, true, tick},
    {108, 16000, 7520, 7576, 16, true, false, marimba},
};

class Image {
public:
    void text(const char* fourCC) { m_bytes.insert(m_bytes.end(), fourCC, fourCC + 4); }
    void u16(unsigned value)
    {
        for (int i = 0; i < 2; ++i)
            m_bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
    void u32(std::size_t value)
    {
        for (int i = 0; i < 4; ++i)
            m_bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
    void chunk(const char* id, const std::vector<char>& body)
    {
        text(id);
        u32(body.size());
        m_bytes.insert(m_bytes.end(), body.begin(), body.end());
        if (body.size() % 2)
            m_bytes.push_back(0);  // chunks start on even offsets
    }
    std::vector<char>& bytes() { return m_bytes; }

private:
    std::vector<char> m_bytes;
};

std::vector<char> toBytes(const Signal& signal)
{
    std::vector<char> data;
    data.reserve(signal.size());
    for (double s : signal) {
        const long value = std::lround(128 + 127 * std::clamp(s, -1.0, 1.0));
        data.push_back(static_cast<char>(static_cast<unsigned char>(std::clamp(value, 1L, 254L))));
    }
    return data;
}

std::vector<char> waveImage(const SoundFile& sound)
{
    Image body;
    body.text("WAVE");
    {
        Image fmt;
        fmt.u16(1);  // PCM
        fmt.u16(1);  // mono
        fmt.u32(static_cast<std::size_t>(sound.sampleRate));
        fmt.u32(static_cast<std::size_t>(sound.sampleRate));  // bytes per second
        fmt.u16(1);                                           // block align
        fmt.u16(8);                                           // bits per sample
        if (sound.formatBytes == 18)
            fmt.u16(0);  // no extra format bytes
        body.chunk("fmt ", fmt.bytes());
    }
    if (sound.factChunk) {
        Image fact;
        fact.u32(sound.samples);
        body.chunk("fact", fact.bytes());
    }
    body.chunk("data", toBytes(sound.make(sound.samples, sound.sampleRate)));
    if (sound.infoList) {
        Image info;
        info.text("INFO");
        const std::string tool = "Quintavia make-sounds";
        std::vector<char> name(tool.begin(), tool.end());
        name.resize(32, '\0');  // zero-terminated, padded to give the list its 44 bytes
        info.chunk("ISFT", name);
        body.chunk("LIST", info.bytes());
    }
    Image riff;
    riff.text("RIFF");
    riff.u32(body.bytes().size());
    riff.bytes().insert(riff.bytes().end(), body.bytes().begin(), body.bytes().end());
    return riff.bytes();
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    int failures = 0;
    for (const SoundFile& sound : soundFiles) {
        const std::vector<char> image = waveImage(sound);
        const std::string path = folder + "/" + std::to_string(sound.number) + ".wav";
        if (image.size() != sound.totalBytes) {
            std::fprintf(stderr, "%s: %zu bytes instead of %zu\n", path.c_str(), image.size(),
                         sound.totalBytes);
            ++failures;
            continue;
        }
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(image.data(), static_cast<std::streamsize>(image.size()));
        out.close();
        if (!out) {
            std::fprintf(stderr, "%s: cannot write\n", path.c_str());
            ++failures;
            continue;
        }
        std::printf("%s: %zu bytes, %d Hz, %zu samples\n", path.c_str(), image.size(), sound.sampleRate,
                    sound.samples);
    }
    return failures == 0 ? 0 : 1;
}
