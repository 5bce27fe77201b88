#include "gui/patches/LoadSaveLocations.h"

#include <cstdlib>

#ifndef CRENZEL_INSTALL_DATA_DIR
#define CRENZEL_INSTALL_DATA_DIR "/usr/local/share"
#endif

juce::String LoadSaveLocations::getEnvironment(const char* name)
{
    const char* value = std::getenv(name);
    return value == nullptr ? juce::String() : juce::String::fromUTF8(value);
}

juce::File LoadSaveLocations::getFolderFromEnvironment(const char* name, bool absoluteOnly)
{
    const juce::String path = getEnvironment(name);
    if (path.isEmpty())
        return {};
    if (juce::File::isAbsolutePath(path))
        return juce::File(path);
    if (absoluteOnly)
        return {};
    return juce::File::getCurrentWorkingDirectory().getChildFile(path);
}

juce::File LoadSaveLocations::getHomeDirectory()
{
    return juce::File::getSpecialLocation(juce::File::userHomeDirectory);
}

juce::File LoadSaveLocations::getUserDataRoot()
{
    const juce::File redirected = getFolderFromEnvironment("CRENZEL_USER_DATA_DIR", false);
    if (redirected != juce::File())
        return redirected;
#if JUCE_LINUX || JUCE_BSD
    const juce::File xdg = getFolderFromEnvironment("XDG_DATA_HOME", true);
    if (xdg != juce::File())
        return xdg;
    return getHomeDirectory().getChildFile(".local/share");
#else
    return juce::File::getSpecialLocation(juce::File::userApplicationDataDirectory);
#endif
}

juce::File LoadSaveLocations::getCommonDataRoot()
{
    const juce::File redirected = getFolderFromEnvironment("CRENZEL_COMMON_DATA_DIR", false);
    if (redirected != juce::File())
        return redirected;
#if JUCE_LINUX || JUCE_BSD
    return juce::File(CRENZEL_INSTALL_DATA_DIR);
#else
    return juce::File::getSpecialLocation(juce::File::commonApplicationDataDirectory);
#endif
}

juce::File LoadSaveLocations::getConfigRoot()
{
    const juce::File redirected = getFolderFromEnvironment("CRENZEL_CONFIG_DIR", false);
    if (redirected != juce::File())
        return redirected;
#if JUCE_LINUX || JUCE_BSD
    const juce::File xdg = getFolderFromEnvironment("XDG_CONFIG_HOME", true);
    if (xdg != juce::File())
        return xdg;
    return getHomeDirectory().getChildFile(".config");
#elif JUCE_MAC
    return juce::File::getSpecialLocation(juce::File::userApplicationDataDirectory)
        .getChildFile("Application Support");
#else
    return juce::File::getSpecialLocation(juce::File::userApplicationDataDirectory);
#endif
}

juce::String LoadSaveLocations::getUpdateCheckUrl()
{
    const juce::String redirected = getEnvironment("CRENZEL_UPDATE_URL");
    if (redirected.isNotEmpty())
        return redirected;
    return "https://zundor.audio/downloads/crenzel/latest-version.txt";
}
