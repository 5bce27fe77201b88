#pragma once

#include <juce_core/juce_core.h>

#include <functional>

// Start-up tasks: the user bank, the factory bank refresh and the patch upgrade after a first start
// or a version change. The parts that need the DSP side take it as callbacks.
class Startup
{
public:
    // Brings one patch document to the current format in place; true when it changed it.
    using UpgradeFunction = std::function<bool(juce::DynamicObject*)>;

    // fixPatchesFolder; then after a first start or a version change copyFactoryPatches,
    // upgradeUserPatches and saveVersionConfig; otherwise loadConfiguration (the MIDI learn map and
    // the keyboard layout). Returns true when it took the upgrade path.
    static bool doStartupChecks(const UpgradeFunction& upgrade,
                                const std::function<void()>& loadConfiguration);

    // Creates the user bank folder when it is missing.
    static void fixPatchesFolder();

    // Replaces the user's factory bank with the installed factory presets. The new bank is built
    // beside the old one and swapped in only once it holds at least one patch, so missing or empty
    // installed presets, or a copy that fails, leave the user's bank as it was. Returns true when
    // the bank was replaced.
    static bool copyFactoryPatches();

    // Runs upgrade on every patch of every bank whose first patch lies in a folder of the bank
    // (bank / folder / patch), and rewrites each patch that it changed. Returns the number of
    // files rewritten.
    static int upgradeUserPatches(const UpgradeFunction& upgrade);

    // True when the configuration file does not exist.
    static bool isFirstStartup();
};
