#include "zun/odbg/LogMgr.h"

namespace zun
{
namespace odbg
{

LogMgr::LogMgr(size_t history_len) : _history_len(history_len) {}

LogMgr& LogMgr::use_instance()
{
    static LogMgr instance;
    return instance;
}

void LogMgr::print(Level level, const char* txt_0)
{
    if (txt_0 == nullptr)
    {
        txt_0 = "";
    }
    std::lock_guard<std::mutex> lock(_mtx);
    if (level < _min_level)
    {
        return;
    }
    if (_history_len > 0)
    {
        if (_history.size() >= _history_len)
        {
            _history.pop_front();
        }
        _history.push_back(Line{level, txt_0});
    }
    if (_sink_ptr != nullptr)
    {
        _sink_ptr->write(level, txt_0);
    }
}

void LogMgr::set_min_level(Level level)
{
    std::lock_guard<std::mutex> lock(_mtx);
    _min_level = level;
}

void LogMgr::set_sink(Sink* sink_ptr)
{
    std::lock_guard<std::mutex> lock(_mtx);
    _sink_ptr = sink_ptr;
}

std::vector<LogMgr::Line> LogMgr::get_history() const
{
    std::lock_guard<std::mutex> lock(_mtx);
    return std::vector<Line>(_history.begin(), _history.end());
}

} // namespace odbg
} // namespace zun
