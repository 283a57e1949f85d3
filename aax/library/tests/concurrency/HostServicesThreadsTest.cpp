#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "aax/library/AAX_VHostServices.h"
#include "hosts/aax/DescriptionHost.h"

namespace {

// Loggers on several threads while the host starts and shuts the plug-in file down again and again: no log line may
// reach host services that are being deleted.
TEST(HostServicesThreads, LogWhileStartupAndShutdownComeAndGo)
{
    aaxkit::DescriptionHost host;
    std::atomic<bool> stop{false};
    std::atomic<int> sent{0};
    std::vector<std::thread> loggers;
    for (int t = 0; t < 3; ++t)
        loggers.emplace_back([&] {
            while (!stop.load())
                if (AAX_Log(kAAXLogError, "line %d", sent.fetch_add(1)) == AAX_SUCCESS)
                    std::this_thread::yield();
        });
    // At least 300 rounds, and on until the loggers have been at it for a while (a slow scheduler may start them
    // late), within two seconds.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    for (int round = 0; (round < 300 || sent.load() < 1000) && std::chrono::steady_clock::now() < deadline; ++round)
    {
        AAX_VHostServices::CreateGlobal(host.unknown());
        std::this_thread::yield();
        AAX_VHostServices::DeleteGlobal();
    }
    stop = true;
    for (std::thread& logger : loggers)
        logger.join();
    EXPECT_GT(sent.load(), 0);
    EXPECT_EQ(AAX_VHostServices::Global(), nullptr);
    EXPECT_EQ(host.referencesHeld(), 0);
}

}  // namespace
