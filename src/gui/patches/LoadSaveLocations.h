#pragma once

#include <juce_core/juce_core.h>

// The three roots below which the patches, the installed factory presets and the configuration
// live. Each can be redirected by an environment variable, read at every call, so that tests and
// portable set-ups never touch the user's real folders:
// - CRENZEL_USER_DATA_DIR replaces the per-user data root ($XDG_DATA_HOME, else ~/.local/share);
// - CRENZEL_COMMON_DATA_DIR replaces the all-users data root (the install prefix's data folder);
// - CRENZEL_CONFIG_DIR replaces the configuration root ($XDG_CONFIG_HOME, else ~/.config).
// Nothing here creates a folder.
class LoadSaveLocations
{
public:
    static juce::File getUserDataRoot();
    static juce::File getCommonDataRoot();
    static juce::File getConfigRoot();

    // Address of the text file whose first line is the latest released version; CRENZEL_UPDATE_URL
    // replaces it.
    static juce::String getUpdateCheckUrl();

    // An environment variable's value, empty when unset.
    static juce::String getEnvironment(const char* name);

private:
    // The folder named by an environment variable, or an invalid file when it is unset or empty.
    // A relative path counts from the working folder, except for the XDG variables, which must be
    // absolute to count.
    static juce::File getFolderFromEnvironment(const char* name, bool absoluteOnly);
    static juce::File getHomeDirectory();
};
