// The configuration file reader: arbitrary bytes as the configuration file, read through every
// accessor the product uses. A MIDI learn map read from it then drives its controls through the
// block path: whatever ranges the file holds, the controls stay in theirs.
#include "FuzzSupport.h"
#include "gui/patches/LoadSave.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    crenzel_fuzz::redirectLocations();
    const juce::File file = LoadSave::getConfigFile();
    static const bool made = file.getParentDirectory().createDirectory().wasOk();
    (void)made;
    if (!file.replaceWithData(data, size))
        return 0;

    LoadSave::getConfigVar();
    LoadSave::shouldCheckForUpdates();
    LoadSave::shouldAnimateWidgets();
    const float scale = LoadSave::loadWindowSize();
    if (!(std::isfinite(scale) && scale > 0.0f))
        crenzel_fuzz::fail("window size not a positive scale", 0, double(scale));
    LoadSave::getComputerKeyboardLayout();
    LoadSave::getComputerKeyboardOctaveControls();
    MidiLearnMap map;
    LoadSave::loadMidiMapFromConfig(map);
    for (const auto& [source, targets] : map)
        for (const auto& [id, range] : targets)
            if (!std::isfinite(range.first) || !std::isfinite(range.second))
                crenzel_fuzz::fail("non-finite MIDI learn range", id, range.first);
    LoadSave::wasUpgraded();
    if (map.empty())
        return 0;

    PluginProcessor& p = crenzel_fuzz::processor();
    MidiManager& mm = *p.getMidiManager();
    mm.setMidiLearnMap(map);
    juce::MidiBuffer midi;
    int at = 0;
    for (const auto& [source, targets] : map)
        for (const int value : {0, 127, size > 0 ? int(data[size - 1] % 128) : 64})
            midi.addEvent(juce::MidiMessage::controllerEvent(1, source % 128, value),
                          (at++) % crenzel_fuzz::kBlock);
    crenzel_fuzz::runBlocks(p, 1, &midi);
    crenzel_fuzz::runBlocks(p, 1);
    crenzel_fuzz::checkControls(p);
    mm.setMidiLearnMap({});
    return 0;
}
