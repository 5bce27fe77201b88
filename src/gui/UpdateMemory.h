#pragma once

#include <juce_core/juce_core.h>

// Asks the web location of the version file for the latest released version, once, in the
// constructor (blocking for at most the connection time-out per attempt).
class UpdateMemory
{
public:
    UpdateMemory();
    virtual ~UpdateMemory() = default;

    // "0.0.0" when the check failed.
    const juce::String& getLatestVersion() const { return latestVersion; }
    bool isNewerVersionAvailable() const { return newerVersionAvailable; }

private:
    juce::String latestVersion{"0.0.0"};
    bool newerVersionAvailable = false;
};
