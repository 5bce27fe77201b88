// MIDI input: arbitrary bytes cut into messages and fed through processBlock.
//
// Input: a sequence of records [length 0..3][sample position][bytes...]; the last record takes
// what is left.
#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    PluginProcessor& p = crenzel_fuzz::processor();
    juce::MidiBuffer midi;
    size_t pos = 0;
    while (pos + 2 <= size)
    {
        const size_t len = std::min<size_t>(data[pos] % 4u, size - pos - 2);
        const int sample = int(data[pos + 1]) * crenzel_fuzz::kBlock / 256;
        if (len > 0)
            midi.addEvent(data + pos + 2, int(len), sample);
        pos += 2 + len;
    }
    crenzel_fuzz::runBlocks(p, 1, &midi);
    crenzel_fuzz::runBlocks(p, 1);
    return 0;
}
