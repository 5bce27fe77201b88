// Patch documents: arbitrary text parsed as JSON and loaded as a patch (varToState), then blocks
// and a save of the loaded state.
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
    const juce::var saved = p.saveToVar("fuzz", "");
    if (saved.getDynamicObject() == nullptr)
        crenzel_fuzz::fail("saving the loaded patch gave no document", 0, 0.0);
    return 0;
}
