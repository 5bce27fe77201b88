// MIDI input: arbitrary bytes cut into messages and fed through processBlock, with MIDI learn
// armed, cancelled and cleared in between, and the program changes' patch loads run the way the
// message thread runs them.
//
// Input: records [op][arg][bytes...]. op % 4 = 1..3: a message of that many bytes at sample
// position arg. op % 4 = 0: an action on the message thread after a block with the messages so
// far; (op / 4) % 4 picks it: 0 arm learn of the control chosen by arg and the next byte, with
// its full range (as the editor does), 1 cancel learn, 2 clear that control's learn, 3 a system
// exclusive message of arg % 64 bytes.
#include "FuzzSupport.h"

#include <vector>

namespace
{

constexpr int kMaxBlocks = 24;

std::vector<int> learnableIds(PluginProcessor& p)
{
    std::vector<int> ids;
    for (const auto& [id, control] : p.getControls())
        if (const ParameterDetails* d = p.getEngine().getParameters()->getDetails(id);
            d != nullptr && d->desc)
            ids.push_back(id);
    return ids;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    PluginProcessor& p = crenzel_fuzz::processor();
    static const std::vector<int> ids = learnableIds(p);
    MidiManager& mm = *p.getMidiManager();
    const auto* params = p.getEngine().getParameters();

    // Each input starts from no learn map and no bank select (arming forgets the bank).
    mm.setMidiLearnMap({});
    mm.armMidiLearn(0, 0.0, 1.0);
    mm.cancelMidiLearn();

    juce::MidiBuffer midi;
    int blocks = 0;
    const auto flush = [&]
    {
        crenzel_fuzz::runBlocks(p, 1, &midi);
        midi.clear();
        mm.handlePendingFileWork();
        ++blocks;
    };

    size_t pos = 0;
    while (pos + 2 <= size && blocks < kMaxBlocks)
    {
        const int op = data[pos];
        const int arg = data[pos + 1];
        pos += 2;
        const int len = op % 4;
        if (len > 0)
        {
            const size_t n = std::min<size_t>(size_t(len), size - pos);
            if (n > 0)
                midi.addEvent(data + pos, int(n), arg * crenzel_fuzz::kBlock / 256);
            pos += n;
            continue;
        }
        const int action = (op / 4) % 4;
        if (action == 3)
        {
            const size_t n = std::min<size_t>(size_t(arg % 64), size - pos);
            std::vector<uint8_t> sysex{0xf0};
            sysex.insert(sysex.end(), data + pos, data + pos + n);
            sysex.push_back(0xf7);
            midi.addEvent(sysex.data(), int(sysex.size()), 0);
            pos += n;
            continue;
        }
        flush();
        const int hi = pos < size ? data[pos++] : 0;
        const int id = ids[size_t(arg | (hi << 8)) % ids.size()];
        const auto* desc = params->getDetails(id)->desc;
        if (action == 0)
            mm.armMidiLearn(id, desc->get_nat_min(), desc->get_nat_max());
        else if (action == 1)
            mm.cancelMidiLearn();
        else
            mm.clearMidiLearn(id);
    }
    flush();
    // A patch loaded by a program change reaches the audio side in the next block.
    crenzel_fuzz::runBlocks(p, 1);
    crenzel_fuzz::checkControls(p);
    return 0;
}
