#include "PlotWriter.h"

#include "Fft.h"

#include <cmath>

namespace
{
constexpr int kFftSize = 2048;
constexpr double kMinHz = 20.0;
const juce::Colour kBackground(0xff101418);
const juce::Colour kPanel(0xff000000);
const juce::Colour kText(0xffd8dde3);
const juce::Colour kGrid(0x40ffffff);

double maxHz(double sampleRate)
{
    return std::min(20000.0, 0.5 * sampleRate);
}

int freqToY(double hz, juce::Rectangle<int> area, double sampleRate)
{
    const double t = std::log(hz / kMinHz) / std::log(maxHz(sampleRate) / kMinHz);
    return area.getBottom() - int(std::lround(t * area.getHeight()));
}
} // namespace

juce::Colour PlotWriter::dbColour(float db)
{
    // Dark blue through magenta and orange to pale yellow: loudness reads as brightness.
    static const juce::Colour stops[] = {juce::Colour(0xff000004), juce::Colour(0xff2c115f),
                                         juce::Colour(0xff721f81), juce::Colour(0xffb73779),
                                         juce::Colour(0xfff1605d), juce::Colour(0xfffeb078),
                                         juce::Colour(0xfffcfdbf)};
    constexpr int nbr = int(sizeof(stops) / sizeof(stops[0]));
    const float t = juce::jlimit(0.0f, 1.0f, (db - kFloorDb) / -kFloorDb) * (nbr - 1);
    const int i = std::min(int(t), nbr - 2);
    return stops[i].interpolatedWith(stops[i + 1], t - float(i));
}

juce::Image PlotWriter::draw(const juce::AudioBuffer<float>& input, const juce::AudioBuffer<float>& output,
                             double sampleRate, int width, int height)
{
    juce::Image image(juce::Image::ARGB, width, height, true);
    juce::Graphics g(image);
    g.fillAll(kBackground);

    const int total = std::max(1, std::max(input.getNumSamples(), output.getNumSamples()));
    const double seconds = total / sampleRate;
    const float fontSize = juce::jlimit(9.0f, 16.0f, height / 60.0f);
    const int left = int(fontSize * 5), right = int(fontSize * 6), top = int(fontSize * 0.5f);
    const int axis = int(fontSize * 2.2f), title = int(fontSize * 1.6f);
    const int sectionHeight = (height - top) / 2;

    const juce::AudioBuffer<float>* sources[] = {&input, &output};
    const char* names[] = {"Input", "Output"};
    for (int s = 0; s < 2; ++s)
    {
        auto section =
            juce::Rectangle<int>(left, top + s * sectionHeight, width - left - right, sectionHeight);
        g.setColour(kText);
        g.setFont(juce::Font(fontSize * 1.15f, juce::Font::bold));
        g.drawText(juce::String(names[s]) + " (" + juce::String(sources[s]->getNumChannels()) + " ch, " +
                       juce::String(sources[s]->getNumSamples() / sampleRate, 2) + " s)",
                   section.removeFromTop(title), juce::Justification::centredLeft);
        section.removeFromBottom(axis);
        auto wave = section.removeFromTop(section.getHeight() / 3);
        section.removeFromTop(int(fontSize * 0.5f));
        auto conv = section;

        g.setColour(kPanel);
        g.fillRect(wave);
        drawWaveform(g, wave, *sources[s], total);
        drawSpectrogram(image, conv, *sources[s], sampleRate, total);
        g.setFont(juce::Font(fontSize));
        drawFrequencyAxis(g, conv, sampleRate);
        drawTimeAxis(g, juce::Rectangle<int>(conv.getX(), conv.getBottom(), conv.getWidth(), axis), seconds);
        g.setColour(kText);
        g.drawText("amplitude", wave.withX(0).withWidth(left - 6), juce::Justification::centredRight);
        drawColourBar(g, juce::Rectangle<int>(conv.getRight() + int(fontSize), conv.getY(),
                                              int(fontSize * 1.2f), conv.getHeight()));
    }
    return image;
}

void PlotWriter::drawWaveform(juce::Graphics& g, juce::Rectangle<int> area,
                              const juce::AudioBuffer<float>& audio, int totalSamples)
{
    const float mid = float(area.getCentreY());
    const float half = area.getHeight() * 0.5f;
    g.setColour(kGrid);
    g.drawHorizontalLine(int(mid), float(area.getX()), float(area.getRight()));
    const juce::Colour colours[] = {juce::Colour(0xc04fc3f7), juce::Colour(0x90ffb74d)};
    for (int c = 0; c < std::min(2, audio.getNumChannels()); ++c)
    {
        g.setColour(colours[c]);
        const float* data = audio.getReadPointer(c);
        for (int x = 0; x < area.getWidth(); ++x)
        {
            const int a = int(juce::int64(x) * totalSamples / area.getWidth());
            const int b =
                std::min(audio.getNumSamples(), int(juce::int64(x + 1) * totalSamples / area.getWidth()));
            if (a >= b)
                continue;
            const auto range = juce::FloatVectorOperations::findMinAndMax(data + a, b - a);
            const float y0 = mid - juce::jlimit(-1.0f, 1.0f, range.getEnd()) * half;
            const float y1 = mid - juce::jlimit(-1.0f, 1.0f, range.getStart()) * half;
            g.drawVerticalLine(area.getX() + x, y0, std::max(y1, y0 + 1.0f));
        }
    }
}

void PlotWriter::drawSpectrogram(juce::Image& image, juce::Rectangle<int> area,
                                 const juce::AudioBuffer<float>& audio, double sampleRate, int totalSamples)
{
    const Fft fft(kFftSize);
    std::vector<double> window(kFftSize);
    double windowSum = 0.0;
    for (int i = 0; i < kFftSize; ++i)
    {
        window[size_t(i)] = 0.5 - 0.5 * std::cos(2.0 * M_PI * i / (kFftSize - 1));
        windowSum += window[size_t(i)];
    }
    // Rows map to frequencies once; each row reads between two bins.
    std::vector<double> rowBin(size_t(area.getHeight()));
    for (int y = 0; y < area.getHeight(); ++y)
    {
        const double t = 1.0 - (y + 0.5) / area.getHeight();
        const double hz = kMinHz * std::pow(maxHz(sampleRate) / kMinHz, t);
        rowBin[size_t(y)] = hz / sampleRate * kFftSize;
    }

    std::vector<std::complex<double>> data(kFftSize);
    std::vector<float> db(kFftSize / 2 + 1);
    const int channels = std::max(1, audio.getNumChannels());
    juce::Image::BitmapData pixels(image, area.getX(), area.getY(), area.getWidth(), area.getHeight(),
                                   juce::Image::BitmapData::writeOnly);
    for (int x = 0; x < area.getWidth(); ++x)
    {
        const juce::int64 centre = (juce::int64(x) * 2 + 1) * totalSamples / (2 * area.getWidth());
        const juce::int64 start = centre - kFftSize / 2;
        for (int i = 0; i < kFftSize; ++i)
        {
            const juce::int64 k = start + i;
            double v = 0.0;
            if (k >= 0 && k < audio.getNumSamples())
                for (int c = 0; c < audio.getNumChannels(); ++c)
                    v += audio.getSample(c, int(k));
            data[size_t(i)] = {v / channels * window[size_t(i)], 0.0};
        }
        fft.perform(data);
        for (size_t b = 0; b < db.size(); ++b)
        {
            const double amp = 2.0 * std::abs(data[b]) / windowSum;
            db[b] = float(20.0 * std::log10(std::max(amp, 1e-9)));
        }
        for (int y = 0; y < area.getHeight(); ++y)
        {
            const double bin = rowBin[size_t(y)];
            const int b0 = std::min(int(bin), int(db.size()) - 2);
            const float f = float(bin - b0);
            pixels.setPixelColour(x, y, dbColour(db[size_t(b0)] * (1.0f - f) + db[size_t(b0 + 1)] * f));
        }
    }
}

void PlotWriter::drawFrequencyAxis(juce::Graphics& g, juce::Rectangle<int> area, double sampleRate)
{
    static const double ticks[] = {20, 50, 100, 200, 500, 1000, 2000, 5000, 10000, 20000};
    for (double hz : ticks)
    {
        if (hz > maxHz(sampleRate) + 1e-6)
            break;
        const int y = freqToY(hz, area, sampleRate);
        g.setColour(kGrid);
        g.drawHorizontalLine(y, float(area.getX()), float(area.getRight()));
        g.setColour(kText);
        const juce::String label = hz >= 1000 ? juce::String(hz / 1000, 0) + "k" : juce::String(int(hz));
        g.drawText(label, area.getX() - 56, y - 8, 50, 16, juce::Justification::centredRight);
    }
    g.saveState();
    g.addTransform(juce::AffineTransform::rotation(-juce::MathConstants<float>::halfPi, 0.0f, 0.0f)
                       .translated(0.0f, float(area.getCentreY())));
    g.drawText("frequency (Hz)", -80, 0, 160, 16, juce::Justification::centred);
    g.restoreState();
}

void PlotWriter::drawTimeAxis(juce::Graphics& g, juce::Rectangle<int> area, double seconds)
{
    // About one tick per 100 pixels, on a 1-2-5 step.
    const double target = seconds * 100.0 / std::max(1, area.getWidth());
    double step = std::pow(10.0, std::floor(std::log10(std::max(target, 1e-6))));
    if (step * 2 >= target)
        step *= 2;
    else if (step * 5 >= target)
        step *= 5;
    else
        step *= 10;
    g.setColour(kText);
    const int decimals = step < 1.0 ? (step < 0.1 ? 2 : 1) : 0;
    for (double t = 0.0; t <= seconds + 1e-9; t += step)
    {
        const int x = area.getX() + int(std::lround(t / seconds * area.getWidth()));
        g.drawVerticalLine(x, float(area.getY()), float(area.getY() + 4));
        g.drawText(juce::String(t, decimals), x - 30, area.getY() + 4, 60, area.getHeight() / 2,
                   juce::Justification::centred);
    }
    g.drawText("time (s)", area.withTrimmedTop(area.getHeight() / 2), juce::Justification::centred);
}

void PlotWriter::drawColourBar(juce::Graphics& g, juce::Rectangle<int> area)
{
    for (int y = 0; y < area.getHeight(); ++y)
    {
        const float db = -kFloorDb * -(float(y) / area.getHeight());
        g.setColour(dbColour(db));
        g.fillRect(area.getX(), area.getY() + y, area.getWidth(), 1);
    }
    g.setColour(kText);
    for (int db = 0; db >= int(kFloorDb); db -= 20)
    {
        const int y = area.getY() + int(std::lround(db / kFloorDb * area.getHeight()));
        g.drawText(juce::String(db), area.getRight() + 3, y - 8, 40, 16, juce::Justification::centredLeft);
    }
    g.drawText("dBFS", area.getX() - 10, area.getY() - 18, area.getWidth() + 40, 16,
               juce::Justification::centredLeft);
}

bool PlotWriter::writePng(const juce::Image& image, const juce::File& file)
{
    juce::TemporaryFile temp(file);
    {
        juce::FileOutputStream stream(temp.getFile());
        if (!stream.openedOk())
            return false;
        juce::PNGImageFormat png;
        if (!png.writeImageToStream(image, stream))
            return false;
        stream.flush();
        if (stream.getStatus().failed())
            return false;
    }
    return temp.overwriteTargetFileWithTemporary();
}
