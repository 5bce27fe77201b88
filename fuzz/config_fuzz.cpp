// The configuration file reader: arbitrary bytes as the configuration file, read through every
// accessor the product uses.
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
    return 0;
}
