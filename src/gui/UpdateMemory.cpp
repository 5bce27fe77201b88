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
    : worker(
          [this]
          {
              check();
              done = true;
          })
{
}

UpdateMemory::~UpdateMemory()
{
    if (worker.joinable())
        worker.join();
}

juce::String UpdateMemory::getLatestVersion() const
{
    const std::lock_guard<std::mutex> guard(lock);
    return latestVersion;
}

bool UpdateMemory::waitUntilDone(int timeoutMs) const
{
    const auto end = juce::Time::getMillisecondCounter() + juce::uint32(timeoutMs);
    while (!done.load())
    {
        if (juce::Time::getMillisecondCounter() >= end)
            return false;
        juce::Thread::sleep(5);
    }
    return true;
}

void UpdateMemory::check()
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
    const juce::String latest = text.upToFirstOccurrenceOf("\n", false, false).trim();
    {
        const std::lock_guard<std::mutex> guard(lock);
        latestVersion = latest;
    }
    newerVersionAvailable =
        latest.isNotEmpty() && LoadSave::compareVersionStrings(CRENZEL_VERSION_STRING, latest) < 0;
}
