#include "zun/param/Simple.h"

namespace zun
{
namespace param
{

Simple::Simple(const char* name) : TplLin(0, 1, name, "%", 0, "%5.1f")
{
    use_disp_num().set_preset(HelperDispNum::Preset_FLOAT_PERCENT);
}

} // namespace param
} // namespace zun
