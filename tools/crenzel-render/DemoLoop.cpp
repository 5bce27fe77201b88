#include "DemoLoop.h"

#include <cmath>

namespace
{
constexpr double kTwoPi = 2.0 * M_PI;

void addKick(juce::AudioBuffer<float>& out, int start, double sr)
{
    const int len = std::min(int(0.35 * sr), out.getNumSamples() - start);
    double phase = 0.0;
    for (int i = 0; i < len; ++i)
    {
        const double t = i / sr;
        // A falling pitch gives the thump; the click is the first millisecond.
        const double freq = 45.0 + 110.0 * std::exp(-t * 30.0);
        phase += kTwoPi * freq / sr;
        const double s = 0.9 * std::sin(phase) * std::exp(-t * 9.0);
        for (int c = 0; c < out.getNumChannels(); ++c)
            out.addSample(c, start + i, float(s));
    }
}

void addNoiseHit(juce::AudioBuffer<float>& out, int start, double sr, juce::Random& rng, double seconds,
                 double decay, double gain, double toneHz, double highPass)
{
    const int len = std::min(int(seconds * sr), out.getNumSamples() - start);
    double prev = 0.0;
    for (int i = 0; i < len; ++i)
    {
        const double t = i / sr;
        const double noise = rng.nextDouble() * 2.0 - 1.0;
        // A one-pole difference tilts the noise towards the top for the hats.
        const double shaped = noise - highPass * prev;
        prev = noise;
        const double tone = toneHz > 0.0 ? 0.5 * std::sin(kTwoPi * toneHz * t) : 0.0;
        const double env = std::exp(-t * decay);
        for (int c = 0; c < out.getNumChannels(); ++c)
        {
            // The hats sit slightly apart in the stereo field.
            const double pan = (c == 0) ? 1.0 : (highPass > 0.5 ? 0.7 : 1.0);
            out.addSample(c, start + i, float(gain * env * pan * (shaped + tone)));
        }
    }
}

void addBassNote(juce::AudioBuffer<float>& out, int start, int len, double sr, double freq)
{
    len = std::min(len, out.getNumSamples() - start);
    double phase = 0.0;
    double lp = 0.0;
    for (int i = 0; i < len; ++i)
    {
        const double t = i / sr;
        phase += freq / sr;
        phase -= std::floor(phase);
        const double saw = 2.0 * phase - 1.0;
        // A decaying low-pass sweep makes each note pluck.
        const double cutoff = 200.0 + 1800.0 * std::exp(-t * 12.0);
        const double a = 1.0 - std::exp(-kTwoPi * cutoff / sr);
        lp += a * (saw - lp);
        const double env = std::min(1.0, t * 400.0) * std::min(1.0, (len - i) / (0.005 * sr));
        for (int c = 0; c < out.getNumChannels(); ++c)
            out.addSample(c, start + i, float(0.35 * env * lp));
    }
}
} // namespace

juce::AudioBuffer<float> DemoLoop::make(double sampleRate)
{
    const int total = int(std::lround(kSeconds * sampleRate));
    juce::AudioBuffer<float> out(2, total);
    out.clear();
    juce::Random rng(0x5eed);
    const double beat = 60.0 / kBpm;
    const int nbrBeats = int(kSeconds / beat);
    const auto at = [&](double beats) { return int(std::lround(beats * beat * sampleRate)); };

    // Semitones above A1 (55 Hz), one per eighth note, two bars that repeat.
    static const int bassLine[16] = {0, 0, 12, 0, 3, 0, 10, 7, 5, 5, 17, 5, 3, 3, 15, 10};
    for (int b = 0; b < nbrBeats; ++b)
    {
        if (b % 4 != 3 || (b / 4) % 2 == 0)
            addKick(out, at(b), sampleRate);
        else
        {
            addKick(out, at(b), sampleRate);
            addKick(out, at(b + 0.75), sampleRate);
        }
        if (b % 2 == 1)
            addNoiseHit(out, at(b), sampleRate, rng, 0.25, 18.0, 0.35, 190.0, 0.0);
        for (int e = 0; e < 2; ++e)
        {
            const bool open = (e == 1 && b % 4 == 3);
            addNoiseHit(out, at(b + 0.5 * e), sampleRate, rng, open ? 0.2 : 0.05, open ? 20.0 : 90.0,
                        e == 0 ? 0.12 : 0.08, 0.0, 0.95);
            const int step = (2 * b + e) % 16;
            const double freq = 55.0 * std::pow(2.0, bassLine[step] / 12.0);
            addBassNote(out, at(b + 0.5 * e), at(0.45), sampleRate, freq);
        }
    }
    // A fixed headroom whatever the rate: the peak lands at -3 dBFS.
    const float peak = out.getMagnitude(0, total);
    if (peak > 0.0f)
        out.applyGain(0.7079f / peak);
    return out;
}
