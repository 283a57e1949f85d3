// The per-user store's own files: where they go, how damage reads, and that replacing one is atomic.
#ifndef _WIN32

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <fstream>
#include <functional>
#include <iterator>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/posix/ValueFile.h"
#include "tests/platform/RegistryFixture.h"

namespace registrytest {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

Bytes fileBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void putFile(const fs::path& path, const Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// Every regular file below folder.
std::vector<fs::path> filesBelow(const fs::path& folder)
{
    std::vector<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file())
            files.push_back(entry.path());
    return files;
}

using RegistryStoreTest = RegistryFixture;

// Three values written by the store itself: the file is header (12) + A (17) + B (17) + C (18) bytes.
const Bytes kValueA = {1, 2, 3};
const std::string kValueB = "bee";
const Bytes kValueC = {4, 5, 6, 7};
constexpr size_t kOffsetA = 12, kOffsetB = 29, kOffsetC = 46, kIntactSize = 64;

TEST_F(RegistryStoreTest, DamagedFileReadsAsFarAsItIsIntact)
{
    struct Case
    {
        const char* what;
        std::function<void(Bytes&)> damage;
        const char* readable;  // the values still there, by name
    };
    const std::vector<Case> cases = {
        {"intact", [](Bytes&) {}, "ABC"},
        {"empty file", [](Bytes& b) { b.clear(); }, ""},
        {"header cut short", [](Bytes& b) { b.resize(6); }, ""},
        {"foreign magic", [](Bytes& b) { b[0] = 'X'; }, ""},
        {"other version", [](Bytes& b) { b[4] = 2; }, ""},
        {"no values counted", [](Bytes& b) { b[8] = 0; }, ""},
        {"cut inside the first value", [](Bytes& b) { b.resize(kOffsetA + 8); }, ""},
        {"cut inside the second value's data", [](Bytes& b) { b.resize(kOffsetB + 11); }, "A"},
        {"cut at a value boundary", [](Bytes& b) { b.resize(kOffsetC); }, "AB"},
        {"cut inside the last checksum", [](Bytes& b) { b.resize(kIntactSize - 2); }, "AB"},
        {"flipped bit in a name", [](Bytes& b) { b[kOffsetA + 9] ^= 0x01; }, ""},
        {"flipped bit in the second value's data", [](Bytes& b) { b[kOffsetB + 11] ^= 0x40; }, "A"},
        {"flipped bit in a checksum", [](Bytes& b) { b[kIntactSize - 1] ^= 0x80; }, "AB"},
        {"name size past the end", [](Bytes& b) { std::fill(&b[kOffsetA + 1], &b[kOffsetA + 5], 0xFF); }, ""},
        {"data size past the end", [](Bytes& b) { b[kOffsetB + 8] = 0x7F; }, "A"},
        {"unknown type", [](Bytes& b) { b[kOffsetC] = 9; }, "AB"},
        {"count beyond the values there", [](Bytes& b) { b[8] = 200; }, "ABC"},
        {"count short of the values there", [](Bytes& b) { b[8] = 1; }, "A"},
        {"garbage after the last value", [](Bytes& b) { b.insert(b.end(), 50, 0xAB); }, "ABC"},
        {"garbage throughout",
         [](Bytes& b) {
             b.resize(500);
             for (size_t i = 0; i < b.size(); ++i)
                 b[i] = static_cast<uint8_t>(i * 131 + 7);
         },
         ""},
    };

    {
        auto key = created();
        ASSERT_TRUE(key);
        ASSERT_TRUE(key->writeBinary("A", kValueA.data(), kValueA.size()));
        ASSERT_TRUE(key->writeString("B", kValueB));
        ASSERT_TRUE(key->writeBinary("C", kValueC.data(), kValueC.size()));
    }
    const Bytes intact = fileBytes(valueFile());
    ASSERT_EQ(intact.size(), kIntactSize);

    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Bytes damaged = intact;
        c.damage(damaged);
        putFile(valueFile(), damaged);

        const std::string readable = c.readable;
        auto reader = reopened();
        ASSERT_TRUE(reader);
        Bytes data;
        std::string text;
        const bool hasA = readable.find('A') != std::string::npos;
        const bool hasB = readable.find('B') != std::string::npos;
        const bool hasC = readable.find('C') != std::string::npos;
        EXPECT_EQ(reader->readBinary("A", data), hasA);
        EXPECT_EQ(data, hasA ? kValueA : Bytes());
        EXPECT_EQ(reader->readString("B", text, 256), hasB);
        EXPECT_EQ(text, hasB ? kValueB : std::string());
        data.clear();
        EXPECT_EQ(reader->readBinary("C", data), hasC);
        EXPECT_EQ(data, hasC ? kValueC : Bytes());

        // The next write keeps what could be read and leaves an intact file.
        auto writer = reopened(Access::Write);
        ASSERT_TRUE(writer);
        ASSERT_TRUE(writer->writeString("D", "after"));
        platform::StoredValues values;
        const Bytes rewritten = fileBytes(valueFile());
        EXPECT_TRUE(platform::decodeValueFile(rewritten.data(), rewritten.size(), values));
        EXPECT_EQ(values.size(), readable.size() + 1);
        EXPECT_TRUE(reader->readString("D", text, 256));
    }
}

TEST_F(RegistryStoreTest, OversizedFileReadsAsNoValuesWithoutBeingLoaded)
{
    auto key = created();
    ASSERT_TRUE(key);
    ASSERT_TRUE(key->writeBinary("A", kValueA.data(), kValueA.size()));
    // Sparse: a valid header followed by zeros up to one byte past the limit.
    fs::resize_file(valueFile(), platform::kMaxValueFileSize + 1);
    auto reader = reopened();
    ASSERT_TRUE(reader);
    Bytes data;
    EXPECT_FALSE(reader->readBinary("A", data));
    ASSERT_TRUE(key->writeBinary("C", kValueC.data(), kValueC.size()));
    EXPECT_TRUE(reader->readBinary("C", data));
    EXPECT_LT(fs::file_size(valueFile()), 100u);
}

TEST_F(RegistryStoreTest, WriteReplacesTheFileWholeAndLeavesNoTemporaryFile)
{
    auto key = created();
    ASSERT_TRUE(key);
    ASSERT_TRUE(key->writeBinary("A", kValueA.data(), kValueA.size()));
    const Bytes before = fileBytes(valueFile());
    // A reader that opened the old file keeps seeing it whole: the new one arrives by rename, not by rewriting.
    std::ifstream held(valueFile(), std::ios::binary);
    struct stat oldInfo {};
    ASSERT_EQ(::stat(valueFile().c_str(), &oldInfo), 0);

    ASSERT_TRUE(key->writeBinary("C", kValueC.data(), kValueC.size()));

    struct stat newInfo {};
    ASSERT_EQ(::stat(valueFile().c_str(), &newInfo), 0);
    EXPECT_NE(oldInfo.st_ino, newInfo.st_ino);
    EXPECT_EQ(Bytes(std::istreambuf_iterator<char>(held), std::istreambuf_iterator<char>()), before);
    EXPECT_EQ(filesBelow(configHome_), std::vector<fs::path>{valueFile()});
    // Only the user may read the store.
    EXPECT_EQ(newInfo.st_mode & 077, 0u);
}

TEST_F(RegistryStoreTest, KilledWriterLeavesTheOldOrTheNewValueWhole)
{
    constexpr size_t kBig = 1u << 20;
    {
        auto key = created();
        ASSERT_TRUE(key);
        const Bytes first(kBig, 0);
        ASSERT_TRUE(key->writeBinary("Big", first.data(), first.size()));
    }
    for (int round = 0; round < 6; ++round) {
        SCOPED_TRACE(round);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            // Rewrites one large value over and over, each time filled with a new byte, until killed.
            auto key = RegistryKey::open(path_, Access::Write);
            for (uint8_t fill = 1;; ++fill) {
                const Bytes big(kBig, fill);
                if (!key || !key->writeBinary("Big", big.data(), big.size()))
                    ::_exit(1);
            }
        }
        ::usleep(static_cast<useconds_t>(20000 + round * 15000));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the writer stopped on its own";

        auto reader = reopened();
        ASSERT_TRUE(reader);
        Bytes data;
        ASSERT_TRUE(reader->readBinary("Big", data));
        ASSERT_EQ(data.size(), kBig);
        EXPECT_EQ(std::count(data.begin(), data.end(), data[0]), static_cast<std::ptrdiff_t>(kBig));
        // Temporary files the killed writer left behind stand in no one's way.
        auto writer = reopened(Access::Write);
        ASSERT_TRUE(writer);
        EXPECT_TRUE(writer->writeBinary("A", kValueA.data(), kValueA.size()));
        EXPECT_TRUE(reader->readBinary("A", data));
    }
}

TEST_F(RegistryStoreTest, PathsThatCouldLeaveTheStoreAreRefused)
{
    const std::vector<std::string> paths = {
        "",
        "\\",
        "SOFTWARE\\",
        "\\SOFTWARE",
        "SOFTWARE\\\\Qor-velmont",
        "..",
        ".",
        "SOFTWARE\\..\\..\\..\\escaped",
        "..\\escaped",
        "SOFTWARE\\.hidden",
        "SOFTWARE/../../escaped",
        "SOFTWARE\\a/b",
        "/tmp/escaped",
        "SOFTWARE\\Qor.values",  // would share a name with the value file of key "SOFTWARE\Qor"
        std::string("SOFTWARE\\a\0b", 12),
    };
    for (const auto& path : paths) {
        SCOPED_TRACE(path);
        EXPECT_FALSE(RegistryKey::create(path));
        EXPECT_FALSE(RegistryKey::open(path, Access::Write));
        EXPECT_FALSE(RegistryKey::remove(path));
    }
    EXPECT_TRUE(filesBelow(base_).empty());
    EXPECT_EQ(std::distance(fs::directory_iterator(base_), fs::directory_iterator()), 1);
}

TEST_F(RegistryStoreTest, StoreFollowsXdgConfigHomeElseHomeConfig)
{
    const fs::path home = base_ / "home";
    const fs::path other = base_ / "other";
    const fs::path relative = "relative-config";
    ScopedEnv homeEnv("HOME", home.c_str());
    const fs::path keyFile = fs::path("qor-registry") / "SOFTWARE" / "Qor-velmont" / ("Test-" + suffix_ + ".values");
    struct Case
    {
        const char* xdg;  // null: unset
        fs::path expected;
    };
    const std::vector<Case> cases = {
        {configHome_.c_str(), configHome_ / keyFile},
        {other.c_str(), other / keyFile},         // a folder that is not there yet is made
        {relative.c_str(), home / ".config" / keyFile},  // relative: ignored
        {"", home / ".config" / keyFile},
        {nullptr, home / ".config" / keyFile},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.xdg ? c.xdg : "(unset)");
        xdg_->set(c.xdg);
        auto key = RegistryKey::create(path_);
        ASSERT_TRUE(key);
        ASSERT_TRUE(key->writeString("CurrDir", c.expected.string()));
        EXPECT_TRUE(fs::is_regular_file(c.expected));
        EXPECT_FALSE(fs::exists(relative));
        auto reader = RegistryKey::open(path_, Access::QueryValue);
        ASSERT_TRUE(reader);
        std::string text;
        EXPECT_TRUE(reader->readString("CurrDir", text, 1024));
        EXPECT_EQ(text, c.expected.string());
        EXPECT_TRUE(RegistryKey::remove(path_));
        EXPECT_FALSE(fs::exists(c.expected));
    }
}

}  // namespace
}  // namespace registrytest

#endif  // _WIN32
