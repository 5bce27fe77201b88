#pragma once

#include "zun/param/ParamDescInterface.h"
#include "zun/piapi/ParamCateg.h"

#include <string>

namespace zun
{
namespace piapi
{

// Describes a DSP block and its parameters. Immutable once constructed; read from any thread.
class PluginDescInterface
{
public:
    PluginDescInterface() = default;
    PluginDescInterface(const PluginDescInterface&) = default;
    PluginDescInterface& operator=(const PluginDescInterface&) = default;
    virtual ~PluginDescInterface() = default;

    std::string get_unique_id() const { return do_get_unique_id(); }
    // Multi-line, long form first.
    std::string get_name() const { return do_get_name(); }
    void get_nbr_io(int& nbr_i, int& nbr_o, int& nbr_s) const { do_get_nbr_io(nbr_i, nbr_o, nbr_s); }
    bool prefer_stereo() const { return do_prefer_stereo(); }
    int get_nbr_param(ParamCateg categ) const { return do_get_nbr_param(categ); }
    const param::ParamDescInterface& get_param_info(ParamCateg categ, int index) const
    {
        return do_get_param_info(categ, index);
    }

protected:
    virtual std::string do_get_unique_id() const = 0;
    virtual std::string do_get_name() const = 0;
    virtual void do_get_nbr_io(int& nbr_i, int& nbr_o, int& nbr_s) const = 0;
    virtual bool do_prefer_stereo() const = 0;
    virtual int do_get_nbr_param(ParamCateg categ) const = 0;
    virtual const param::ParamDescInterface& do_get_param_info(ParamCateg categ, int index) const = 0;
};

} // namespace piapi
} // namespace zun
