// Patch documents: arbitrary text parsed as JSON and loaded as a patch, then blocks.
#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    PluginProcessor& p = crenzel_fuzz::processor();
    const juce::String text = juce::String::fromUTF8(reinterpret_cast<const char*>(data), int(size));
    juce::var document;
    if (juce::JSON::parse(text, document).failed())
        return 0;
    p.loadFromVar(document);
    crenzel_fuzz::runBlocks(p, 2);
    crenzel_fuzz::checkControls(p);
    p.saveToVar("fuzz", "");
    return 0;
}
