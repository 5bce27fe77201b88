#include "zun/odbg/LogMgr.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

namespace
{

class SinkRecorder : public zun::odbg::LogMgr::Sink
{
public:
    std::vector<std::string> _lines;

protected:
    void do_write(zun::odbg::LogMgr::Level level, const char* txt_0) override
    {
        _lines.push_back(std::to_string(int(level)) + ":" + txt_0);
    }
};

} // namespace

using zun::odbg::LogMgr;

TEST(LogMgr, KeepsRecentLinesInOrderWithTheirLevel)
{
    LogMgr log(3);
    log.print(LogMgr::Level_INFO, "a");
    log.print(LogMgr::Level_ERROR, "b");
    log.print(LogMgr::Level_DEBUG, nullptr);
    log.print(LogMgr::Level_WARNING, "d");
    const auto hist = log.get_history();
    ASSERT_EQ(hist.size(), 3u);
    EXPECT_EQ(hist[0]._txt, "b");
    EXPECT_EQ(hist[0]._level, LogMgr::Level_ERROR);
    EXPECT_EQ(hist[1]._txt, "");
    EXPECT_EQ(hist[2]._txt, "d");
    EXPECT_EQ(hist[2]._level, LogMgr::Level_WARNING);
}

TEST(LogMgr, MinLevelFiltersHistoryAndSink)
{
    LogMgr log;
    SinkRecorder sink;
    log.set_sink(&sink);
    log.set_min_level(LogMgr::Level_INFO);
    log.print(LogMgr::Level_DEBUG, "hidden");
    log.print(LogMgr::Level_INFO, "shown");
    log.set_sink(nullptr);
    log.print(LogMgr::Level_ERROR, "after detach");
    EXPECT_EQ(sink._lines, std::vector<std::string>{"1:shown"});
    const auto hist = log.get_history();
    ASSERT_EQ(hist.size(), 2u);
    EXPECT_EQ(hist[0]._txt, "shown");
    EXPECT_EQ(hist[1]._txt, "after detach");
}

TEST(LogMgr, ConcurrentPrintsLoseNothing)
{
    LogMgr log(4000);
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
    {
        threads.emplace_back(
            [&log, t]()
            {
                for (int k = 0; k < 500; ++k)
                {
                    log.print(LogMgr::Level_INFO, std::to_string(t * 1000 + k).c_str());
                }
            });
    }
    for (auto& th : threads)
    {
        th.join();
    }
    const auto hist = log.get_history();
    ASSERT_EQ(hist.size(), 2000u);
    // Each thread's lines keep their own order.
    std::vector<int> last(4, -1);
    for (const auto& line : hist)
    {
        const int v = std::stoi(line._txt);
        EXPECT_GT(v % 1000, last[size_t(v / 1000)]);
        last[size_t(v / 1000)] = v % 1000;
    }
}
