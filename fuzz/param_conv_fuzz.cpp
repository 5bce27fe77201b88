// Every control's text conversions: arbitrary text into conv_str_to_nat, arbitrary doubles and
// lengths into conv_nat_to_str.
//
// Input: bytes 0-1 pick the description (little-endian), bytes 2-9 are the double, byte 10 the
// length (-8..247), the rest is the text.
#include "FuzzSupport.h"
#include "dsp/plugin_engine.h"
#include "zun/param/Tools.h"

#include <cstring>
#include <string>
#include <vector>

namespace
{

// Each description once, in ascending id of its first control: the slots share theirs.
const std::vector<const zun::param::ParamDescInterface*>& descriptions()
{
    static const std::vector<const zun::param::ParamDescInterface*> all = []
    {
        static PluginEngine engine;
        std::vector<const zun::param::ParamDescInterface*> v;
        for (const auto& [id, d] : engine.getParameters()->getAllDetails())
            if (d.desc != nullptr && std::find(v.begin(), v.end(), d.desc) == v.end())
                v.push_back(d.desc);
        return v;
    }();
    return all;
}

void checkShown(const std::string& shown, int len, int which, double nat)
{
    if (shown.size() > size_t(zun::param::Tools::limit_text_len(len)))
        crenzel_fuzz::fail("conv_nat_to_str text longer than its length", which, nat);
    if (!juce::CharPointer_UTF8::isValidString(shown.c_str(), int(shown.size())))
        crenzel_fuzz::fail("conv_nat_to_str text is not UTF-8", which, nat);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto& all = descriptions();
    if (size < 11 || all.empty())
        return 0;
    const int which = int((size_t(data[0]) | (size_t(data[1]) << 8)) % all.size());
    const auto& desc = *all[size_t(which)];
    double nat = 0.0;
    std::memcpy(&nat, data + 2, sizeof(nat));
    const int len = int(data[10]) - 8;
    const std::string text(reinterpret_cast<const char*>(data + 11), size - 11);

    // The text conversions need not limit the value, but a number they accept must be one.
    const std::string shown = desc.conv_nat_to_str(nat, len);
    checkShown(shown, len, which, nat);
    double back = 0.0;
    if (desc.conv_str_to_nat(back, shown) && std::isnan(back))
        crenzel_fuzz::fail("conv_str_to_nat read NaN from a shown value", which, back);

    double parsed = 0.0;
    if (desc.conv_str_to_nat(parsed, text))
    {
        if (std::isnan(parsed))
            crenzel_fuzz::fail("conv_str_to_nat accepted text as NaN", which, parsed);
        checkShown(desc.conv_nat_to_str(parsed, len), len, which, parsed);
    }
    return 0;
}
