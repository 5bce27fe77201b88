// End-to-end checks of the crenzel-render executable, run as a child process in temporary folders.
#include "gui/TempLocations.h"

#include <gtest/gtest.h>
#include <juce_audio_formats/juce_audio_formats.h>
#include <juce_audio_processors/juce_audio_processors.h>
#include <juce_graphics/juce_graphics.h>

#include <sys/wait.h>

#include <cmath>
#include <regex>
#include <set>

juce::AudioProcessor* JUCE_CALLTYPE createPluginFilter();

namespace
{
using crenzel_test::TempLocations;

struct RunResult
{
    int status = -1;
    juce::String out, err;
};

class RenderTest : public ::testing::Test
{
protected:
    TempLocations locations;
    juce::File work = locations.root.getChildFile("work");

    void SetUp() override { work.createDirectory(); }

    // Runs the renderer in the work folder; arguments are quoted for the shell.
    RunResult run(const juce::StringArray& args)
    {
        juce::String cmd = "cd " + work.getFullPathName().quoted('\'') + " && " +
                           juce::String(CRENZEL_RENDER_EXE).quoted('\'');
        for (const auto& a : args)
            cmd << " " << a.quoted('\'');
        const juce::File out = locations.root.getChildFile("stdout.txt");
        const juce::File err = locations.root.getChildFile("stderr.txt");
        cmd << " >" << out.getFullPathName().quoted('\'') << " 2>" << err.getFullPathName().quoted('\'');
        const int raw = std::system(cmd.toRawUTF8());
        RunResult r;
        r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        r.out = out.loadFileAsString();
        r.err = err.loadFileAsString();
        return r;
    }

    std::set<juce::String> workFiles() const
    {
        std::set<juce::String> names;
        for (const auto& f : work.findChildFiles(juce::File::findFilesAndDirectories, true))
            names.insert(f.getRelativePathFrom(work));
        return names;
    }

    static juce::AudioBuffer<float> readAudio(const juce::File& file, double& rate)
    {
        juce::AudioFormatManager formats;
        formats.registerBasicFormats();
        std::unique_ptr<juce::AudioFormatReader> reader(formats.createReaderFor(file));
        juce::AudioBuffer<float> b;
        if (reader == nullptr)
            return b;
        rate = reader->sampleRate;
        b.setSize(int(reader->numChannels), int(reader->lengthInSamples));
        reader->read(&b, 0, b.getNumSamples(), 0, true, true);
        return b;
    }

    static bool writeWav(const juce::File& file, const juce::AudioBuffer<float>& b, double rate)
    {
        file.deleteFile(); // the stream would append
        juce::WavAudioFormat wav;
        std::unique_ptr<juce::AudioFormatWriter> w(wav.createWriterFor(
            new juce::FileOutputStream(file), rate, unsigned(b.getNumChannels()), 32, {}, 0));
        return w != nullptr && w->writeFromAudioSampleBuffer(b, 0, b.getNumSamples());
    }

    // Clicks, a tone and noise: enough to wake the transient detector and the bands.
    static juce::AudioBuffer<float> testSignal(int channels, int length, double rate)
    {
        juce::AudioBuffer<float> b(channels, length);
        juce::Random rng(42);
        for (int i = 0; i < length; ++i)
        {
            const double t = i / rate;
            const double beat = std::fmod(t, 0.25);
            const double s =
                0.4 * std::sin(2 * M_PI * 110 * t) + 0.5 * std::exp(-beat * 40) * (rng.nextFloat() - 0.5);
            for (int c = 0; c < channels; ++c)
                b.setSample(c, i, float(s * (c == 0 ? 1.0 : 0.8)));
        }
        return b;
    }
};

class Playhead : public juce::AudioPlayHead
{
public:
    double bpm = 120;
    juce::int64 time = 0;
    juce::Optional<PositionInfo> getPosition() const override
    {
        PositionInfo p;
        p.setBpm(bpm);
        p.setIsPlaying(true);
        p.setTimeInSamples(time);
        return p;
    }
};

const std::regex
    kSummary(R"re(input="([^"]*)" patch="([^"]*)" duration=([0-9.]+)s input_peak=(-?[0-9.]+|-inf)dBFS )re"
             R"re(input_rms=(-?[0-9.]+|-inf)dBFS output_peak=(-?[0-9.]+|-inf)dBFS )re"
             R"re(output_rms=(-?[0-9.]+|-inf)dBFS realtime=([0-9.]+)x\n)re");

TEST_F(RenderTest, DemoRendersInputPlusTailWithSummary)
{
    const RunResult r = run({});
    ASSERT_EQ(r.status, 0) << r.err;
    // Standard error is a file here: no progress bar.
    EXPECT_TRUE(r.err.isEmpty()) << r.err;
    std::smatch m;
    const std::string out = r.out.toStdString();
    ASSERT_TRUE(std::regex_match(out, m, kSummary)) << out;
    EXPECT_EQ(m[1].str(), "demo");
    EXPECT_DOUBLE_EQ(std::stod(m[3].str()), 9.0);
    EXPECT_GT(std::stod(m[8].str()), 0.0);

    double rate = 0;
    const auto audio = readAudio(work.getChildFile("crenzel-demo.wav"), rate);
    ASSERT_EQ(audio.getNumChannels(), 2);
    EXPECT_EQ(audio.getNumSamples(), int(std::lround(9.0 * rate)));
    // The summary's output peak is the file's (24-bit rounding aside).
    const double filePeak = 20 * std::log10(std::max(audio.getMagnitude(0, 0, audio.getNumSamples()),
                                                     audio.getMagnitude(1, 0, audio.getNumSamples())));
    EXPECT_NEAR(std::stod(m[6].str()), filePeak, 0.01);
    EXPECT_GT(audio.getRMSLevel(0, 0, int(8 * rate)), 1e-3f);
}

// The executable and the processor driven here with the same settings agree to the last bit.
TEST_F(RenderTest, OutputEqualsInProcessProcessor)
{
    juce::ScopedJuceInitialiser_GUI juce;
    struct Case
    {
        int channels;
        double rate;
        int block;
        double tail;
        double bpm;
    };
    const Case cases[] = {
        {2, 44100.0, 300, 0.5, 97.0}, {1, 22050.0, 512, 0.25, 140.0}, {2, 48000.0, 64, 0.0, 120.0}};
    const juce::StringArray sets = {"Cutoff=440", "Number of Bands=6", "Tone=25", "Reso=12", "6=PRE"};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(juce::String(c.channels) + " ch at " + juce::String(c.rate) + ", block " +
                     juce::String(c.block));
        const auto input = testSignal(c.channels, int(1.3 * c.rate) + 7, c.rate);
        ASSERT_TRUE(writeWav(work.getChildFile("in.wav"), input, c.rate));
        juce::StringArray args = {"--bits",  "32f",
                                  "--block", juce::String(c.block),
                                  "--tail",  juce::String(c.tail),
                                  "--bpm",   juce::String(c.bpm),
                                  "--quiet"};
        for (const auto& s : sets)
            args.addArray(juce::StringArray{"--set", s});
        args.addArray(juce::StringArray{"in.wav", "out.wav"});
        const RunResult r = run(args);
        ASSERT_EQ(r.status, 0) << r.err;
        double rate = 0;
        const auto rendered = readAudio(work.getChildFile("out.wav"), rate);
        EXPECT_EQ(rate, c.rate);
        const int expectedLength = input.getNumSamples() + int(std::lround(c.tail * c.rate));
        ASSERT_EQ(rendered.getNumSamples(), expectedLength);
        ASSERT_EQ(rendered.getNumChannels(), 2);

        std::unique_ptr<juce::AudioProcessor> proc(createPluginFilter());
        for (const auto& s : sets)
        {
            const juce::String key = s.upToFirstOccurrenceOf("=", false, false);
            bool found = false;
            for (auto* p : proc->getParameters())
                if (auto* h = dynamic_cast<juce::HostedAudioProcessorParameter*>(p))
                    if (!found && (h->getParameterID() == key || h->getName(100).trim() == key))
                    {
                        h->setValueNotifyingHost(
                            h->getValueForText(s.fromFirstOccurrenceOf("=", false, false)));
                        found = true;
                    }
            ASSERT_TRUE(found) << s;
        }
        auto layout = proc->getBusesLayout();
        layout.getChannelSet(true, 0) = juce::AudioChannelSet::canonicalChannelSet(c.channels);
        ASSERT_TRUE(proc->setBusesLayout(layout));
        Playhead head;
        head.bpm = c.bpm;
        proc->setPlayHead(&head);
        proc->prepareToPlay(c.rate, c.block);
        juce::AudioBuffer<float> expected(2, expectedLength);
        juce::MidiBuffer midi;
        for (int pos = 0; pos < expectedLength; pos += c.block)
        {
            const int n = std::min(c.block, expectedLength - pos);
            juce::AudioBuffer<float> buf(2, n);
            buf.clear();
            for (int ch = 0; ch < c.channels; ++ch)
                if (pos < input.getNumSamples())
                    buf.copyFrom(ch, 0, input, ch, pos, std::min(n, input.getNumSamples() - pos));
            head.time = pos;
            proc->processBlock(buf, midi);
            for (int ch = 0; ch < 2; ++ch)
                expected.copyFrom(ch, pos, buf, ch, 0, n);
        }
        proc->setPlayHead(nullptr);

        int mismatches = 0;
        for (int ch = 0; ch < 2; ++ch)
            for (int i = 0; i < expectedLength; ++i)
                mismatches += rendered.getSample(ch, i) != expected.getSample(ch, i) ? 1 : 0;
        EXPECT_EQ(mismatches, 0);
        EXPECT_GT(expected.getRMSLevel(0, 0, expectedLength), 1e-4f);
    }
}

TEST_F(RenderTest, ErrorsGiveTheirStatusAndLeaveNoOutput)
{
    TempLocations::write(work, "notaudio.wav", "this is text");
    TempLocations::write(locations.bankFolder(), "User/A/Twin.fpx", TempLocations::patchText("1.0.0"));
    TempLocations::write(locations.bankFolder(), "User/B/Twin.fpx", TempLocations::patchText("1.0.0"));
    TempLocations::write(work, "broken.fpx", "{ not json");
    struct Case
    {
        juce::StringArray args;
        int status;
        const char* message;
    };
    const Case cases[] = {
        {{"--frobnicate", "-o", "out.wav"}, 2, "--frobnicate"},
        {{"--bpm", "fast", "-o", "out.wav"}, 2, "--bpm"},
        {{"--block", "0", "-o", "out.wav"}, 2, "--block"},
        {{"--tail", "-1", "-o", "out.wav"}, 2, "--tail"},
        {{"--bits", "8", "-o", "out.wav"}, 2, "--bits"},
        {{"--bits", "32f", "-o", "out.flac"}, 2, "32f"},
        {{"--set", "NoSuchControl=1", "-o", "out.wav"}, 2, "NoSuchControl"},
        {{"--set", "Tone", "-o", "out.wav"}, 2, "CONTROL=VALUE"},
        {{"--patch", "nothing-like-it", "-o", "out.wav"}, 2, "unknown patch"},
        {{"--patch", "twin", "-o", "out.wav"}, 2, "ambiguous patch"},
        {{"--plot", "p.jpg", "-o", "out.wav"}, 2, ".png"},
        {{"a.wav", "b.wav", "c.wav"}, 2, "too many"},
        {{"-o", "out.xyz"}, 2, "output format"},
        {{"missing.wav", "out.wav"}, 1, "missing.wav"},
        {{"notaudio.wav", "out.wav"}, 1, "notaudio.wav"},
        {{"--output", "no/such/folder/out.wav"}, 1, "out.wav"},
        {{"--patch", "broken.fpx", "-o", "out.wav"}, 1, "broken.fpx"},
        {{"--plot", "no/such/folder/p.png", "-o", "out.wav"}, 1, "p.png"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.args.joinIntoString(" "));
        const auto before = workFiles();
        const RunResult r = run(c.args);
        EXPECT_EQ(r.status, c.status);
        EXPECT_TRUE(r.err.contains(c.message)) << r.err;
        EXPECT_EQ(r.err.trimEnd().indexOfChar('\n'), -1) << "one line: " << r.err;
        EXPECT_TRUE(r.out.isEmpty());
        // A failed plot still leaves the finished audio; nothing else may appear.
        auto after = workFiles();
        if (juce::String(c.message) == "p.png")
            after.erase("out.wav");
        EXPECT_EQ(after, before);
        work.getChildFile("out.wav").deleteFile();
    }
}

TEST_F(RenderTest, BadSetValueNamesControlAndRange)
{
    const RunResult r = run({"--set", "Tone=loud", "-o", "out.wav"});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.err.contains("\"loud\"")) << r.err;
    EXPECT_TRUE(r.err.contains("Tone (7)")) << r.err;
    EXPECT_TRUE(r.err.contains("0.0%") && r.err.contains("100.0%")) << r.err;
    EXPECT_FALSE(work.getChildFile("out.wav").exists());
}

TEST_F(RenderTest, PatchByNameAndInfo)
{
    juce::String text = TempLocations::patchText("1.0.0", "Ada");
    text = text.replace("\"author\"", "\"info\": \"warm and slow\", \"author\"");
    TempLocations::write(locations.bankFolder(), "User/Pads/Velvet.fpx", text);
    TempLocations::write(locations.bankFolder(), "User/Pads/Other.fpx", TempLocations::patchText("1.0.0"));

    const RunResult list = run({"--list-patches"});
    ASSERT_EQ(list.status, 0) << list.err;
    EXPECT_TRUE(list.out.contains("Velvet") && list.out.contains("Other"));

    const RunResult info = run({"--info", "VELVET"});
    ASSERT_EQ(info.status, 0) << info.err;
    EXPECT_TRUE(info.out.contains("author: Ada"));
    EXPECT_TRUE(info.out.contains("info: warm and slow"));
    EXPECT_TRUE(info.out.contains("folder: Pads"));
    EXPECT_TRUE(info.out.contains("modulations: 0"));

    const RunResult r = run({"--patch", "velvet", "--tail", "0", "-o", "out.wav"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(r.out.contains("patch=\"Velvet\"")) << r.out;
}

TEST_F(RenderTest, ListParamsTextAndJsonAgree)
{
    const RunResult text = run({"--list-params"});
    const RunResult json = run({"--list-params", "--json"});
    ASSERT_EQ(text.status, 0);
    ASSERT_EQ(json.status, 0);
    const juce::var doc = juce::JSON::parse(json.out);
    ASSERT_TRUE(doc.isArray());
    juce::StringArray lines;
    lines.addLines(text.out.trimEnd());
    EXPECT_EQ(lines.size(), doc.size());
    bool sawTone = false;
    for (const auto& e : *doc.getArray())
        if (e["id"].toString() == "7")
        {
            sawTone = true;
            EXPECT_EQ(e["name"].toString(), "Tone");
            EXPECT_EQ(e["unit"].toString(), "%");
        }
    EXPECT_TRUE(sawTone);
    EXPECT_TRUE(doc.getArray()->getLast()["id"].toString() == "bypass");
}

TEST_F(RenderTest, PlotIsPngOfRequestedSize)
{
    struct Case
    {
        juce::StringArray extra;
        int width, height;
    };
    const Case cases[] = {{{}, 1600, 900}, {{"--plot-size", "640x360"}, 640, 360}};
    for (const auto& c : cases)
    {
        juce::StringArray args = {"--tail", "0.2", "--plot", "pic.png", "-o", "out.wav"};
        args.addArray(c.extra);
        const RunResult r = run(args);
        ASSERT_EQ(r.status, 0) << r.err;
        juce::FileInputStream in(work.getChildFile("pic.png"));
        juce::PNGImageFormat png;
        ASSERT_TRUE(png.canUnderstand(in));
        in.setPosition(0);
        const juce::Image image = png.decodeImage(in);
        ASSERT_TRUE(image.isValid());
        EXPECT_EQ(image.getWidth(), c.width);
        EXPECT_EQ(image.getHeight(), c.height);
        // The spectrograms fill most of the picture with many different colours.
        std::set<juce::uint32> colours;
        for (int y = 0; y < c.height; y += 7)
            for (int x = 0; x < c.width; x += 7)
                colours.insert(image.getPixelAt(x, y).getARGB());
        EXPECT_GT(colours.size(), 200u);
    }
}
} // namespace
