#pragma once

#include <deque>
#include <mutex>
#include <string>
#include <vector>

namespace zun
{
namespace odbg
{

// The support library's log: a short history of recent lines in memory, and an optional sink
// that receives every line as it comes. Safe to call from any thread but the audio thread
// (it locks and allocates).
class LogMgr
{
public:
    enum Level
    {
        Level_DEBUG = 0,
        Level_INFO,
        Level_WARNING,
        Level_ERROR,

        Level_NBR_ELT
    };

    class Sink
    {
    public:
        virtual ~Sink() = default;
        void write(Level level, const char* txt_0) { do_write(level, txt_0); }

    protected:
        virtual void do_write(Level level, const char* txt_0) = 0;
    };

    struct Line
    {
        Level _level;
        std::string _txt;
    };

    static constexpr size_t DEF_HISTORY_LEN = 256;

    explicit LogMgr(size_t history_len = DEF_HISTORY_LEN);
    LogMgr(const LogMgr&) = delete;
    LogMgr& operator=(const LogMgr&) = delete;

    // The process-wide log.
    static LogMgr& use_instance();

    void print(Level level, const char* txt_0);

    // Lines below this level are dropped. Level_DEBUG by default.
    void set_min_level(Level level);
    // Not owned; nullptr detaches. The sink is called with the log locked, so it must not log.
    void set_sink(Sink* sink_ptr);

    // Oldest line first.
    std::vector<Line> get_history() const;

private:
    mutable std::mutex _mtx;
    const size_t _history_len;
    std::deque<Line> _history;
    Level _min_level = Level_DEBUG;
    Sink* _sink_ptr = nullptr;
};

} // namespace odbg
} // namespace zun
