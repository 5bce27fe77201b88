// The host state: arbitrary bytes into setStateInformation, then blocks.
#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    PluginProcessor& p = crenzel_fuzz::processor();
    p.setStateInformation(data, int(size));
    // The loaded controls reach the audio side at the start of the next block.
    crenzel_fuzz::runBlocks(p, 2);
    crenzel_fuzz::checkControls(p);
    juce::MemoryBlock saved;
    p.getStateInformation(saved);
    return 0;
}
