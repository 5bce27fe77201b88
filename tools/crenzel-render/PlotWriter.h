#pragma once

#include <juce_audio_basics/juce_audio_basics.h>
#include <juce_graphics/juce_graphics.h>

// The picture of a render: input and output waveforms, each above its spectrogram (log frequency,
// dB colour scale), on one time axis in seconds.
class PlotWriter
{
public:
    static constexpr int kDefaultWidth = 1600;
    static constexpr int kDefaultHeight = 900;
    static constexpr float kFloorDb = -120.0f;

    static juce::Image draw(const juce::AudioBuffer<float>& input, const juce::AudioBuffer<float>& output,
                            double sampleRate, int width, int height);
    // Through a temporary file beside the target; false when it cannot be written.
    static bool writePng(const juce::Image& image, const juce::File& file);

private:
    static void drawWaveform(juce::Graphics& g, juce::Rectangle<int> area,
                             const juce::AudioBuffer<float>& audio, int totalSamples);
    static void drawSpectrogram(juce::Image& image, juce::Rectangle<int> area,
                                const juce::AudioBuffer<float>& audio, double sampleRate, int totalSamples);
    static void drawFrequencyAxis(juce::Graphics& g, juce::Rectangle<int> area, double sampleRate);
    static void drawTimeAxis(juce::Graphics& g, juce::Rectangle<int> area, double seconds);
    static void drawColourBar(juce::Graphics& g, juce::Rectangle<int> area);
    static juce::Colour dbColour(float db);
};
