#include "gui/UpdateMemory.h"

#include "gui/TempLocations.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

using crenzel_test::ScopedEnvironment;

namespace
{

// A one-thread HTTP server on 127.0.0.1 that answers each connection, in turn, with the next
// canned response (nullptr: accept and stay silent), then stops. It never waits more than a few
// seconds for anything.
class CannedServer
{
public:
    explicit CannedServer(std::vector<std::function<juce::String(int port)>> responses)
        : responses(std::move(responses))
    {
        listening = listener.createListener(0, "127.0.0.1");
        port = listener.getBoundPort();
        worker = std::thread([this] { run(); });
    }

    ~CannedServer()
    {
        stop = true;
        worker.join();
        listener.close();
    }

    juce::String url(const juce::String& path) const
    {
        return "http://127.0.0.1:" + juce::String(port) + path;
    }

    bool isListening() const { return listening; }
    int getNbrServed() const { return nbrServed; }
    juce::String getFirstRequest() const { return firstRequest; }

private:
    void run()
    {
        for (const auto& respond : responses)
        {
            std::unique_ptr<juce::StreamingSocket> client;
            const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
            while (!stop && client == nullptr && std::chrono::steady_clock::now() < deadline)
                if (listener.waitUntilReady(true, 50) == 1)
                    client.reset(listener.waitForNextConnection());
            if (client == nullptr)
                return;

            const juce::String request = readRequest(*client);
            if (nbrServed == 0)
                firstRequest = request;
            ++nbrServed;
            if (respond == nullptr)
            {
                // Silent: hold the connection until the client gives up or the test ends.
                for (int i = 0; i < 100 && !stop && client->waitUntilReady(true, 50) == 0; ++i)
                {
                }
                continue;
            }
            const juce::String response = respond(port);
            client->write(response.toRawUTF8(), (int)response.getNumBytesAsUTF8());
            client->close();
        }
    }

    static juce::String readRequest(juce::StreamingSocket& client)
    {
        juce::MemoryBlock data;
        char buffer[1024];
        while (data.getSize() < 16384 && client.waitUntilReady(true, 2000) == 1)
        {
            const int n = client.read(buffer, sizeof(buffer), false);
            if (n <= 0)
                break;
            data.append(buffer, (size_t)n);
            if (data.toString().contains("\r\n\r\n"))
                break;
        }
        return data.toString();
    }

    std::vector<std::function<juce::String(int)>> responses;
    juce::StreamingSocket listener;
    bool listening = false;
    int port = 0;
    std::atomic<bool> stop{false};
    std::atomic<int> nbrServed{0};
    juce::String firstRequest;
    std::thread worker;
};

std::function<juce::String(int)> ok(const juce::String& body)
{
    return [body](int)
    {
        return "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: " +
               juce::String((int)body.getNumBytesAsUTF8()) + "\r\nConnection: close\r\n\r\n" + body;
    };
}

std::function<juce::String(int)> status(int code, const juce::String& body)
{
    return [code, body](int)
    {
        return "HTTP/1.1 " + juce::String(code) +
               " Whatever\r\nContent-Length: " + juce::String((int)body.getNumBytesAsUTF8()) +
               "\r\nConnection: close\r\n\r\n" + body;
    };
}

std::function<juce::String(int)> redirect(const juce::String& path)
{
    return [path](int port)
    {
        return "HTTP/1.1 302 Found\r\nLocation: http://127.0.0.1:" + juce::String(port) + path +
               "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n";
    };
}

class UpdateMemoryTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // Loopback only, whatever proxy the machine may name.
        for (const char* name :
             {"http_proxy", "HTTP_PROXY", "https_proxy", "HTTPS_PROXY", "all_proxy", "ALL_PROXY"})
            env.unset(name);
        env.set("no_proxy", "127.0.0.1,localhost");
    }

    void pointAt(const juce::String& url) { env.set("CRENZEL_UPDATE_URL", url); }

    ScopedEnvironment env;
};

} // namespace

TEST_F(UpdateMemoryTest, FirstLineOfTheVersionFileDecides)
{
    struct Case
    {
        const char* body;
        const char* latest;
        bool newer;
    };
    const Case cases[] = {
        {"1.0.1\nrelease notes", "1.0.1", true},
        {"1.0.1\r\n", "1.0.1", true},
        {"2.0", "2.0", true},
        {"1.0.0\n", "1.0.0", false},
        {"0.9.9\n1.5.0\n", "0.9.9", false},
        {"", "", false},
    };
    for (const Case& c : cases)
    {
        CannedServer server({ok(c.body)});
        ASSERT_TRUE(server.isListening());
        pointAt(server.url("/version.txt"));
        const UpdateMemory memory;
        ASSERT_TRUE(memory.waitUntilDone(5000));
        EXPECT_EQ(memory.getLatestVersion(), c.latest) << c.body;
        EXPECT_EQ(memory.isNewerVersionAvailable(), c.newer) << c.body;
        EXPECT_EQ(server.getNbrServed(), 1);
        EXPECT_TRUE(server.getFirstRequest().startsWith("GET /version.txt ")) << server.getFirstRequest();
    }
}

TEST_F(UpdateMemoryTest, FollowsRedirectsButNotForever)
{
    {
        CannedServer server({redirect("/moved.txt"), ok("1.2.0\n")});
        pointAt(server.url("/version.txt"));
        const UpdateMemory memory;
        ASSERT_TRUE(memory.waitUntilDone(5000));
        EXPECT_EQ(memory.getLatestVersion(), "1.2.0");
        EXPECT_TRUE(memory.isNewerVersionAvailable());
    }
    {
        std::vector<std::function<juce::String(int)>> chain(7, redirect("/again.txt"));
        CannedServer server(chain);
        pointAt(server.url("/version.txt"));
        const UpdateMemory memory;
        ASSERT_TRUE(memory.waitUntilDone(5000));
        EXPECT_FALSE(memory.isNewerVersionAvailable());
        EXPECT_LE(server.getNbrServed(), 6);
    }
}

TEST_F(UpdateMemoryTest, FailuresLeaveNoNewerVersion)
{
    // A closed port: bind one, note it, free it.
    int closedPort = 0;
    {
        juce::StreamingSocket probe;
        ASSERT_TRUE(probe.createListener(0, "127.0.0.1"));
        closedPort = probe.getBoundPort();
    }
    pointAt("http://127.0.0.1:" + juce::String(closedPort) + "/version.txt");
    {
        const UpdateMemory memory;
        ASSERT_TRUE(memory.waitUntilDone(5000));
        EXPECT_EQ(memory.getLatestVersion(), "0.0.0");
        EXPECT_FALSE(memory.isNewerVersionAvailable());
    }

    // An error page is not a version file.
    CannedServer server({status(404, "9.9.9\n")});
    pointAt(server.url("/version.txt"));
    const UpdateMemory memory;
    ASSERT_TRUE(memory.waitUntilDone(5000));
    EXPECT_EQ(memory.getLatestVersion(), "0.0.0");
    EXPECT_FALSE(memory.isNewerVersionAvailable());
}

TEST_F(UpdateMemoryTest, ASilentServerDoesNotHangTheCaller)
{
    CannedServer server({nullptr});
    pointAt(server.url("/version.txt"));
    const auto start = std::chrono::steady_clock::now();
    const UpdateMemory memory;
    // The constructor only starts the request: the caller (the editor) goes on at once.
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(300));
    EXPECT_EQ(memory.getLatestVersion(), "0.0.0");
    EXPECT_FALSE(memory.isNewerVersionAvailable());
    // The server would hold on for 5 s; the client's own limit must end it well before.
    EXPECT_TRUE(memory.waitUntilDone(4500));
    EXPECT_FALSE(memory.isNewerVersionAvailable());
}
