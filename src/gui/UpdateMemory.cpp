#include "gui/UpdateMemory.h"

#include "gui/patches/LoadSave.h"
#include "gui/patches/LoadSaveLocations.h"

#ifndef CRENZEL_VERSION_STRING
#define CRENZEL_VERSION_STRING "1.0.0"
#endif

namespace
{
// The version sits on the first line; anything past this is not worth waiting for.
constexpr size_t MAX_RESPONSE_BYTES = 4096;
} // namespace

UpdateMemory::UpdateMemory()
{
    int statusCode = 0;
    const auto options = juce::URL::InputStreamOptions(juce::URL::ParameterHandling::inAddress)
                             .withConnectionTimeoutMs(400)
                             .withNumRedirectsToFollow(5)
                             .withStatusCode(&statusCode);
    std::unique_ptr<juce::InputStream> stream =
        juce::URL(LoadSaveLocations::getUpdateCheckUrl()).createInputStream(options);
    if (stream == nullptr)
        return;
    // An error page is not a version file.
    if (statusCode != 0 && (statusCode < 200 || statusCode >= 300))
        return;

    juce::MemoryBlock data;
    stream->readIntoMemoryBlock(data, (ssize_t)MAX_RESPONSE_BYTES);
    const juce::String text =
        juce::String::fromUTF8(static_cast<const char*>(data.getData()), (int)data.getSize());
    // Trimmed so that a file with CR LF line ends or a trailing space still compares as a version.
    latestVersion = text.upToFirstOccurrenceOf("\n", false, false).trim();
    newerVersionAvailable = latestVersion.isNotEmpty() &&
                            LoadSave::compareVersionStrings(CRENZEL_VERSION_STRING, latestVersion) < 0;
}
