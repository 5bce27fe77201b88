#pragma once

#include <juce_core/juce_core.h>

#include <atomic>
#include <mutex>
#include <thread>

// Asks the web location of the version file for the latest released version, once, on a
// background thread started by the constructor, so that opening the editor never waits for the
// network. Until the answer is in, the latest version reads "0.0.0" and no newer one is known.
class UpdateMemory
{
public:
    UpdateMemory();
    UpdateMemory(const UpdateMemory&) = delete;
    UpdateMemory& operator=(const UpdateMemory&) = delete;
    // Waits for the request, which its own time-outs bound.
    virtual ~UpdateMemory();

    // "0.0.0" when the check failed or has not finished.
    juce::String getLatestVersion() const;
    bool isNewerVersionAvailable() const { return newerVersionAvailable.load(); }
    bool isDone() const { return done.load(); }
    // True when the check finished within the given time.
    bool waitUntilDone(int timeoutMs) const;

private:
    void check();

    mutable std::mutex lock;
    juce::String latestVersion{"0.0.0"};
    std::atomic<bool> newerVersionAvailable{false};
    std::atomic<bool> done{false};
    std::thread worker;
};
