// The host state: arbitrary bytes into setStateInformation, then blocks. A state that the
// processor accepted must come back unchanged through getStateInformation.
#include "FuzzSupport.h"

#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    PluginProcessor& p = crenzel_fuzz::processor();
    p.setStateInformation(size > 0 ? data : nullptr, int(size));
    // The loaded controls reach the audio side at the start of the next block.
    crenzel_fuzz::runBlocks(p, 1);
    crenzel_fuzz::checkControls(p);

    // The round trip only where the load did something: saving is the costly step.
    juce::var doc;
    const juce::String text = juce::String::fromUTF8(reinterpret_cast<const char*>(data), int(size));
    if (juce::JSON::parse(text, doc).failed() || doc.getDynamicObject() == nullptr)
        return 0;
    std::vector<double> before;
    for (const auto& [id, control] : p.getControls())
        before.push_back(control->value());
    juce::MemoryBlock saved;
    p.getStateInformation(saved);
    p.setStateInformation(saved.getData(), int(saved.getSize()));
    crenzel_fuzz::runBlocks(p, 1);
    const auto* params = p.getEngine().getParameters();
    size_t k = 0;
    for (const auto& [id, control] : p.getControls())
    {
        const ParameterDetails* d = params->getDetails(id);
        const double was = before[k++];
        if (d == nullptr || d->desc == nullptr)
            continue;
        // Host parameters carry values as normalised floats: allow for that rounding.
        const double tolerance = 1e-5 * std::abs(d->desc->get_nat_max() - d->desc->get_nat_min());
        if (!(std::abs(control->value() - was) <= tolerance))
            crenzel_fuzz::fail("saved state does not load back to the same control", id, control->value());
    }
    return 0;
}
