#pragma once

namespace zun
{
namespace piapi
{

enum ParamCateg
{
    ParamCateg_GLOBAL = 0, // parameters of the whole block
    ParamCateg_NOTE,       // per-note parameters; kept in the types, always empty here

    ParamCateg_NBR_ELT
};

} // namespace piapi
} // namespace zun
