// crenzel-render: renders audio files (or the built-in loop) through the plug-in's processor.
#include "DemoLoop.h"
#include "PlotWriter.h"
#include "RenderSession.h"

#include "gui/patches/LoadSave.h"
#include "zun/param/ParamDescInterface.h"

#include <juce_audio_formats/juce_audio_formats.h>
#include <juce_events/juce_events.h>

#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <iostream>

namespace
{
constexpr int kUsageError = 2;
constexpr int kFileError = 1;

const char* const kUsage =
    "usage: crenzel-render [options] [INPUT] [OUTPUT]\n"
    "  --patch NAME|FILE      patch by file or by name in the installed banks (default: default program)\n"
    "  --set CONTROL=VALUE    control id or name, value as typed in the editor (repeatable)\n"
    "  --bpm X                host tempo (default 120)\n"
    "  --block N              host block size (default 512)\n"
    "  --tail SECONDS         silence rendered after the input (default 1)\n"
    "  --bits 16|24|32f       output sample format (default 24)\n"
    "  --normalise            scale the output to a peak of -1 dBFS\n"
    "  --plot FILE.png        waveforms and spectrograms; --plot-size WxH (default 1600x900)\n"
    "  --quiet                no progress bar\n"
    "  --list-patches | --list-params [--json] | --info PATCH\n"
    "With no INPUT the built-in 8-second loop is rendered; with no OUTPUT, crenzel-demo.wav.\n";

struct Failure
{
    int status = 0;
    juce::String message;
};

struct Options
{
    juce::String input, output, patch, plot, info;
    juce::StringArray sets;
    double bpm = 120.0, tail = 1.0;
    int block = 512, plotWidth = PlotWriter::kDefaultWidth, plotHeight = PlotWriter::kDefaultHeight;
    juce::String bits = "24";
    bool normalise = false, quiet = false, listPatches = false, listParams = false, json = false,
         help = false;
};

int fail(const Failure& f)
{
    std::cerr << "crenzel-render: " << f.message << std::endl;
    return f.status;
}

bool parseNumber(const juce::String& text, double lo, double hi, double& out)
{
    const juce::String t = text.trim();
    if (t.isEmpty() || !t.containsOnly("0123456789.+-eE"))
        return false;
    char* end = nullptr;
    const double v = std::strtod(t.toRawUTF8(), &end);
    if (end == nullptr || *end != '\0' || !std::isfinite(v) || v < lo || v > hi)
        return false;
    out = v;
    return true;
}

bool parseArgs(const juce::StringArray& args, Options& o, Failure& f)
{
    juce::StringArray positional;
    for (int i = 0; i < args.size(); ++i)
    {
        juce::String a = args[i], value;
        if (a == "-o")
            a = "--output";
        const bool isOption = a.startsWith("--");
        if (isOption && a.containsChar('='))
        {
            value = a.fromFirstOccurrenceOf("=", false, false);
            a = a.upToFirstOccurrenceOf("=", false, false);
        }
        else if (isOption &&
                 (a == "--patch" || a == "--set" || a == "--bpm" || a == "--block" || a == "--tail" ||
                  a == "--bits" || a == "--plot" || a == "--plot-size" || a == "--info" || a == "--output"))
        {
            if (i + 1 >= args.size())
            {
                f = {kUsageError, a + " needs a value"};
                return false;
            }
            value = args[++i];
        }
        double x = 0.0;
        const auto bad = [&](const juce::String& what)
        {
            f = {kUsageError, "bad value \"" + value + "\" for " + a + ": " + what};
            return false;
        };
        if (!isOption || a == "--")
            positional.add(a == "--" ? juce::String() : a);
        else if (a == "--patch")
            o.patch = value;
        else if (a == "--set")
            o.sets.add(value);
        else if (a == "--bpm")
        {
            if (!parseNumber(value, 1.0, 999.0, x))
                return bad("expected a tempo from 1 to 999");
            o.bpm = x;
        }
        else if (a == "--block")
        {
            if (!parseNumber(value, 1.0, 65536.0, x) || x != std::floor(x))
                return bad("expected a whole number from 1 to 65536");
            o.block = int(x);
        }
        else if (a == "--tail")
        {
            if (!parseNumber(value, 0.0, 3600.0, x))
                return bad("expected seconds from 0 to 3600");
            o.tail = x;
        }
        else if (a == "--bits")
        {
            if (value != "16" && value != "24" && value != "32f")
                return bad("expected 16, 24 or 32f");
            o.bits = value;
        }
        else if (a == "--plot")
            o.plot = value;
        else if (a == "--plot-size")
        {
            const juce::String w = value.upToFirstOccurrenceOf("x", false, true);
            const juce::String h = value.fromFirstOccurrenceOf("x", false, true);
            double wv = 0, hv = 0;
            if (!parseNumber(w, 200, 8000, wv) || !parseNumber(h, 150, 8000, hv))
                return bad("expected WIDTHxHEIGHT from 200x150 to 8000x8000");
            o.plotWidth = int(wv);
            o.plotHeight = int(hv);
        }
        else if (a == "--info")
            o.info = value;
        else if (a == "--output")
            o.output = value;
        else if (a == "--normalise" || a == "--normalize")
            o.normalise = true;
        else if (a == "--quiet")
            o.quiet = true;
        else if (a == "--list-patches")
            o.listPatches = true;
        else if (a == "--list-params")
            o.listParams = true;
        else if (a == "--json")
            o.json = true;
        else if (a == "--help")
            o.help = true;
        else
        {
            f = {kUsageError, "unknown option " + a + " (see --help)"};
            return false;
        }
    }
    if (positional.size() > 2 || (positional.size() == 2 && o.output.isNotEmpty()))
    {
        f = {kUsageError, "too many file arguments (see --help)"};
        return false;
    }
    if (positional.size() > 0)
        o.input = positional[0];
    if (positional.size() > 1)
        o.output = positional[1];
    return true;
}

juce::Array<juce::File> installedPatches()
{
    juce::Array<juce::File> files;
    for (const auto& f : LoadSave::getPatchFiles())
        if (f != juce::File() && f.existsAsFile())
            files.add(f);
    return files;
}

// A path to an existing file, or a file name without extension from the banks.
bool resolvePatch(const juce::String& key, juce::File& result, Failure& f)
{
    const juce::File direct = juce::File::getCurrentWorkingDirectory().getChildFile(key);
    if (direct.existsAsFile())
    {
        result = direct;
        return true;
    }
    const auto all = installedPatches();
    juce::Array<juce::File> matches;
    for (const auto& p : all)
        if (p.getFileNameWithoutExtension().equalsIgnoreCase(key))
            matches.add(p);
    if (matches.size() == 1)
    {
        result = matches[0];
        return true;
    }
    const auto& listed = matches.isEmpty() ? all : matches;
    juce::StringArray names;
    const juce::File bank = LoadSave::getBankDirectory();
    for (const auto& p : listed)
        names.add(matches.isEmpty() ? p.getFileNameWithoutExtension() : p.getRelativePathFrom(bank));
    f = {kUsageError, (matches.isEmpty() ? "unknown patch \"" : "ambiguous patch \"") + key +
                          "\"; candidates: " +
                          (names.isEmpty() ? juce::String("(none installed)") : names.joinIntoString(", "))};
    return false;
}

juce::String dbText(double linear)
{
    if (!(linear > 0.0))
        return "-inf";
    return juce::String(20.0 * std::log10(linear), 2);
}

void measure(const juce::AudioBuffer<float>& b, double& peak, double& rms)
{
    peak = 0.0;
    double sum = 0.0;
    for (int c = 0; c < b.getNumChannels(); ++c)
    {
        const float* d = b.getReadPointer(c);
        for (int i = 0; i < b.getNumSamples(); ++i)
        {
            peak = std::max(peak, double(std::abs(d[i])));
            sum += double(d[i]) * d[i];
        }
    }
    const double n = double(b.getNumChannels()) * b.getNumSamples();
    rms = n > 0 ? std::sqrt(sum / n) : 0.0;
}

int listPatches()
{
    const juce::File bank = LoadSave::getBankDirectory();
    for (const auto& p : installedPatches())
        std::cout << p.getFileNameWithoutExtension() << "\t" << p.getRelativePathFrom(bank) << "\n";
    return 0;
}

int listParams(RenderSession& session, bool json)
{
    juce::Array<juce::var> entries;
    for (auto* raw : session.getProcessor().getParameters())
    {
        auto* p = dynamic_cast<juce::HostedAudioProcessorParameter*>(raw);
        if (p == nullptr)
            continue;
        const auto* desc = session.getDescription(*p);
        const juce::String unit = desc != nullptr ? juce::String(desc->get_unit(64)) : p->getLabel();
        const juce::String name = p->getName(1024).trim();
        const juce::String def = p->getText(p->getDefaultValue(), 1024).trim();
        if (json)
        {
            auto* o = new juce::DynamicObject();
            o->setProperty("id", p->getParameterID());
            o->setProperty("name", name);
            o->setProperty("min", p->getText(0.0f, 1024).trim());
            o->setProperty("max", p->getText(1.0f, 1024).trim());
            o->setProperty("default", def);
            if (desc != nullptr)
            {
                o->setProperty("min_value", desc->get_nat_min());
                o->setProperty("max_value", desc->get_nat_max());
                o->setProperty("default_value", desc->conv_nrm_to_nat(p->getDefaultValue()));
            }
            o->setProperty("unit", unit);
            entries.add(juce::var(o));
        }
        else
            std::cout << p->getParameterID() << "\t" << name << "\t" << session.describeRange(*p) << "\t"
                      << "default " << def << "\t" << unit << "\n";
    }
    if (json)
        std::cout << juce::JSON::toString(juce::var(entries), false) << "\n";
    return 0;
}

int showInfo(const juce::String& key)
{
    juce::File file;
    Failure f;
    if (!resolvePatch(key, file, f))
        return fail(f);
    const juce::var doc = LoadSave::parseJsonFile(file);
    if (!doc.isObject())
        return fail({kFileError, "patch \"" + file.getFullPathName() + "\" is not a JSON object"});
    std::cout << "name: " << file.getFileNameWithoutExtension() << "\n"
              << "file: " << file.getFullPathName() << "\n"
              << "folder: " << file.getParentDirectory().getFileName() << "\n"
              << "author: " << LoadSave::getAuthor(doc) << "\n"
              << "info: " << LoadSave::getInfo(doc).replace("\n", "\n      ") << "\n";
    const juce::var settings = doc["settings"];
    const char* kinds[] = {"modulations", "macros"};
    for (const char* kind : kinds)
    {
        const auto* list = settings[kind].getArray();
        std::cout << kind << ": " << (list != nullptr ? list->size() : 0) << "\n";
        if (list != nullptr)
            for (const auto& c : *list)
                std::cout << "  " << c["source"].toString() << " -> " << c["destination"].toString()
                          << " amount " << c["amount"].toString() << "\n";
    }
    return 0;
}

void drawProgress(double done)
{
    constexpr int width = 40;
    const int filled = int(done * width);
    std::string bar(size_t(filled), '#');
    bar.append(size_t(width - filled), '.');
    std::fprintf(stderr, "\rrendering [%s] %3d%%", bar.c_str(), int(done * 100.0));
    if (done >= 1.0)
        std::fprintf(stderr, "\n");
    std::fflush(stderr);
}

int run(const juce::StringArray& args)
{
    Options o;
    Failure f;
    if (!parseArgs(args, o, f))
        return fail(f);
    if (o.help)
    {
        std::cout << kUsage;
        return 0;
    }
    if (o.listPatches)
        return listPatches();
    if (o.info.isNotEmpty())
        return showInfo(o.info);

    const juce::File cwd = juce::File::getCurrentWorkingDirectory();
    const juce::File outFile =
        cwd.getChildFile(o.output.isNotEmpty() ? o.output : juce::String("crenzel-demo.wav"));
    juce::AudioFormatManager formats;
    formats.registerBasicFormats();
    juce::AudioFormat* outFormat = nullptr;
    juce::File plotFile;
    if (!o.listParams)
    {
        outFormat = formats.findFormatForFileExtension(outFile.getFileExtension());
        if (outFormat == nullptr || !outFormat->canDoStereo())
            return fail({kUsageError, "unknown output format \"" + outFile.getFileExtension() +
                                          "\" (use .wav, .aiff or .flac)"});
        const int depth = o.bits == "32f" ? 32 : o.bits.getIntValue();
        if ((o.bits == "32f" && dynamic_cast<juce::WavAudioFormat*>(outFormat) == nullptr) ||
            !outFormat->getPossibleBitDepths().contains(depth))
            return fail(
                {kUsageError, "--bits " + o.bits + " is not available for " + outFormat->getFormatName() +
                                  (o.bits == "32f" ? juce::String(" (32f needs .wav)") : juce::String())});
        if (o.plot.isNotEmpty())
        {
            plotFile = cwd.getChildFile(o.plot);
            if (!plotFile.hasFileExtension("png"))
                return fail({kUsageError, "--plot needs a .png file name"});
        }
    }

    juce::File patchFile;
    if (o.patch.isNotEmpty() && !resolvePatch(o.patch, patchFile, f))
        return fail(f);

    // Input before the processor: a missing file should not wait for the engine to build.
    juce::AudioBuffer<float> input;
    double sampleRate = 48000.0;
    juce::String inputName = "demo";
    if (!o.listParams)
    {
        if (o.input.isEmpty())
            input = DemoLoop::make(sampleRate);
        else
        {
            const juce::File inFile = cwd.getChildFile(o.input);
            std::unique_ptr<juce::AudioFormatReader> reader(
                inFile.existsAsFile() ? formats.createReaderFor(inFile) : nullptr);
            if (reader == nullptr)
                return fail({kFileError, "cannot read input \"" + o.input + "\""});
            if (reader->numChannels < 1 || reader->numChannels > 2)
                return fail({kFileError, "input \"" + o.input + "\" has " +
                                             juce::String(reader->numChannels) +
                                             " channels; only mono and stereo are supported"});
            if (reader->lengthInSamples > std::numeric_limits<int>::max() / 2)
                return fail({kFileError, "input \"" + o.input + "\" is too long"});
            sampleRate = reader->sampleRate;
            input.setSize(int(reader->numChannels), int(reader->lengthInSamples));
            if (!reader->read(&input, 0, input.getNumSamples(), 0, true, true))
                return fail({kFileError, "cannot read input \"" + o.input + "\""});
            inputName = inFile.getFileName();
        }
    }

    RenderSession session;
    if (o.listParams)
        return listParams(session, o.json);

    auto& processor = session.getProcessor();
    juce::String patchName = processor.getProgramName(processor.getCurrentProgram());
    if (patchFile != juce::File())
    {
        juce::String error;
        if (!session.loadPatchFile(patchFile, error))
            return fail({kFileError, error});
        patchName = patchFile.getFileNameWithoutExtension();
    }
    if (patchName.isEmpty())
        patchName = "(defaults)";
    for (const auto& s : o.sets)
    {
        juce::String error;
        if (!session.applySetting(s, error))
            return fail({kUsageError, error});
    }

    const double outSeconds = input.getNumSamples() / sampleRate + o.tail;
    const bool showProgress = !o.quiet && isatty(STDERR_FILENO) && outSeconds > 1.0;
    auto result = session.render(input, sampleRate, o.block, o.bpm, o.tail,
                                 showProgress ? std::function<void(double)>(drawProgress) : nullptr);
    auto& output = result.output;

    double inPeak = 0, inRms = 0, outPeak = 0, outRms = 0;
    measure(input, inPeak, inRms);
    measure(output, outPeak, outRms);
    if (o.normalise && outPeak > 0.0)
    {
        const double gain = std::pow(10.0, -1.0 / 20.0) / outPeak;
        output.applyGain(float(gain));
        outPeak *= gain;
        outRms *= gain;
    }

    {
        juce::TemporaryFile temp(outFile);
        auto stream = std::make_unique<juce::FileOutputStream>(temp.getFile());
        if (!stream->openedOk())
            return fail({kFileError, "cannot write output \"" + outFile.getFullPathName() + "\""});
        const int depth = o.bits == "32f" ? 32 : o.bits.getIntValue();
        std::unique_ptr<juce::AudioFormatWriter> writer(outFormat->createWriterFor(
            stream.get(), sampleRate, unsigned(output.getNumChannels()), depth, {}, 0));
        if (writer == nullptr)
            return fail({kFileError, "cannot write output \"" + outFile.getFullPathName() + "\""});
        stream.release();
        const bool written =
            writer->writeFromAudioSampleBuffer(output, 0, output.getNumSamples()) && writer->flush();
        writer.reset();
        if (!written || !temp.overwriteTargetFileWithTemporary())
            return fail({kFileError, "cannot write output \"" + outFile.getFullPathName() + "\""});
    }
    if (plotFile != juce::File())
    {
        const auto image = PlotWriter::draw(input, output, sampleRate, o.plotWidth, o.plotHeight);
        if (!PlotWriter::writePng(image, plotFile))
            return fail({kFileError, "cannot write plot \"" + plotFile.getFullPathName() + "\""});
    }

    const double realtime = result.processSeconds > 0.0 ? outSeconds / result.processSeconds : 0.0;
    std::cout << "input=\"" << inputName << "\" patch=\"" << patchName
              << "\" duration=" << juce::String(output.getNumSamples() / sampleRate, 3)
              << "s input_peak=" << dbText(inPeak) << "dBFS input_rms=" << dbText(inRms)
              << "dBFS output_peak=" << dbText(outPeak) << "dBFS output_rms=" << dbText(outRms)
              << "dBFS realtime=" << juce::String(realtime, 1) << "x" << std::endl;
    return 0;
}
} // namespace

int main(int argc, char* argv[])
{
    // The processor posts notifications to a message thread; this one is it, and never runs a loop.
    juce::ScopedJuceInitialiser_GUI juce;
    juce::StringArray args;
    for (int i = 1; i < argc; ++i)
        args.add(juce::String::fromUTF8(argv[i]));
    return run(args);
}
