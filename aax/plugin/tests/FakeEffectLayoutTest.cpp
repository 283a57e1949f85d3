// The plug-in file copied beside a stand-in effect that logs every request, to see what the render path and the
// objects' teardown send to the effect.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "hosts/aax/Instance.h"
#include "hosts/aax/PluginSession.h"
#include "platform/Library.h"
#include "tests/support/ScratchFolder.h"

namespace {

namespace fs = std::filesystem;

std::vector<std::string> readLines(const fs::path& path)
{
    std::vector<std::string> lines;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

size_t countPrefix(const std::vector<std::string>& lines, const std::string& prefix)
{
    size_t count = 0;
    for (const std::string& line : lines)
        count += line.compare(0, prefix.size(), prefix) == 0 ? 1 : 0;
    return count;
}

TEST(FakeEffectLayout, ShorterBlocksLeaveTheEffectRunningAndALongerOneRestartsItOnce)
{
    scratchtest::ScratchFolder folder;
    const fs::path bundle = folder.path() / "Qor Kalvenor.aaxplugin" / "Contents" / "x64";
    fs::create_directories(bundle);
    const fs::path plugin = bundle / fs::path(QOR_AAXPLUGIN_PATH).filename();
    fs::copy_file(QOR_AAXPLUGIN_PATH, plugin);
    fs::copy_file(QOR_FAKE_MAIN_ONLY_PATH, bundle / platform::Library::fileName("Qor Kalvenor"));
    const fs::path log = folder.path() / "requests.txt";
#if defined(_WIN32)
    _putenv_s("QOR_FAKE_EFFECT_LOG", log.string().c_str());
#else
    setenv("QOR_FAKE_EFFECT_LOG", log.string().c_str(), 1);
#endif

    // Kept for the life of the program, as a host keeps a plug-in file it has registered.
    static aaxkit::PluginSession session;
    ASSERT_TRUE(session.open(plugin.string())) << session.error();
    aaxkit::Instance instance(session, 2);
    ASSERT_TRUE(instance.ok()) << instance.error();
    const size_t restartsAfterSetUp = countPrefix(readLines(log), "11 ");

    for (int length : {512, 256, 1024, 512})
    {
        std::vector<std::vector<float>> in(2, std::vector<float>(static_cast<size_t>(length), 0.25f));
        std::vector<std::vector<float>> out(2, std::vector<float>(static_cast<size_t>(length)));
        instance.render(in, out);
    }
    EXPECT_EQ(countPrefix(readLines(log), "11 "), restartsAfterSetUp) << "no restart up to the prepared length";

    std::vector<std::vector<float>> in(2, std::vector<float>(2048, 0.25f));
    std::vector<std::vector<float>> out(2, std::vector<float>(2048));
    instance.render(in, out);
    instance.render(in, out);
    const std::vector<std::string> lines = readLines(log);
    EXPECT_EQ(countPrefix(lines, "11 "), restartsAfterSetUp + 1);
    EXPECT_EQ(countPrefix(lines, "11 2048 2048"), 1u);
}

}  // namespace
