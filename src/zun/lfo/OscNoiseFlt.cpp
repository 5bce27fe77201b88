#include "zun/lfo/OscNoiseFlt.h"

namespace zun
{
namespace lfo
{

// The two pole counts that the LFO uses, compiled once here.
template class OscNoiseFlt<1>;
template class OscNoiseFlt<2>;

} // namespace lfo
} // namespace zun
