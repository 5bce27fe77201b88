// Every control's text conversions: arbitrary text into conv_str_to_nat, arbitrary doubles and
// lengths into conv_nat_to_str.
//
// Input: byte 0 picks the control, bytes 1-8 are the double, byte 9 the length (-8..247), the rest
// is the text.
#include "FuzzSupport.h"
#include "dsp/plugin_engine.h"

#include <cstring>
#include <string>
#include <vector>

namespace
{

const std::vector<const zun::param::ParamDescInterface*>& descriptions()
{
    static const std::vector<const zun::param::ParamDescInterface*> all = []
    {
        static PluginEngine engine;
        std::vector<const zun::param::ParamDescInterface*> v;
        for (const auto& [id, d] : engine.getParameters()->getAllDetails())
            if (d.desc != nullptr)
                v.push_back(d.desc);
        return v;
    }();
    return all;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto& all = descriptions();
    if (size < 10 || all.empty())
        return 0;
    const auto& desc = *all[data[0] % all.size()];
    double nat = 0.0;
    std::memcpy(&nat, data + 1, sizeof(nat));
    const int len = int(data[9]) - 8;
    const std::string text(reinterpret_cast<const char*>(data + 10), size - 10);

    // The text conversions need not limit the value, but a number they accept must be one.
    const int which = int(data[0] % all.size());
    const std::string shown = desc.conv_nat_to_str(nat, len);
    double back = 0.0;
    if (desc.conv_str_to_nat(back, shown) && std::isnan(back))
        crenzel_fuzz::fail("conv_str_to_nat read NaN from a shown value", which, back);

    double parsed = 0.0;
    if (desc.conv_str_to_nat(parsed, text))
    {
        if (std::isnan(parsed))
            crenzel_fuzz::fail("conv_str_to_nat accepted text as NaN", which, parsed);
        desc.conv_nat_to_str(parsed, len);
    }
    return 0;
}
