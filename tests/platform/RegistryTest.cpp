// The registry contract both implementations keep: these run natively and against the Windows registry.
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "tests/platform/RegistryFixture.h"

namespace registrytest {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes pattern(size_t size)
{
    Bytes bytes(size);
    for (size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<uint8_t>(i * 37 + 11);
    return bytes;
}

using RegistryTest = RegistryFixture;

TEST_F(RegistryTest, BinaryValuesSurviveTheKeyThatWroteThem)
{
    const std::vector<std::pair<std::string, Bytes>> cases = {
        {"DefaultBank", Bytes()},  // no bank: an empty value
        {"MemoA", pattern(1)},
        {"MemoB", pattern(5)},
        {"DefaultPreset", pattern(70000)},
        {"Zoë's memo", Bytes{0, 0, 0, 0}},
    };
    {
        auto key = created();
        ASSERT_TRUE(key);
        for (const auto& c : cases)
            EXPECT_TRUE(key->writeBinary(c.first, c.second.data(), c.second.size())) << c.first;
    }
    auto key = reopened();
    ASSERT_TRUE(key);
    for (const auto& c : cases) {
        size_t size = 12345;
        EXPECT_TRUE(key->valueSize(c.first, size)) << c.first;
        EXPECT_EQ(size, c.second.size()) << c.first;
        Bytes data{9, 9, 9};
        EXPECT_TRUE(key->readBinary(c.first, data)) << c.first;
        EXPECT_EQ(data, c.second) << c.first;
    }
}

TEST_F(RegistryTest, TextValuesRoundTripWithinTheirCharacterLimit)
{
    struct Case
    {
        const char* name;
        std::string text;
        size_t chars;  // UTF-16 code units, without the terminating null
    };
    const std::vector<Case> cases = {
        {"Empty", "", 0},
        {"CurrDir", "C:\\Users\\Zo\xc3\xab\\Presets", 20},        // 21 bytes of UTF-8, 20 characters
        {"CurrBank", "\xf0\x9d\x84\x9e clef.qrb", 11},             // U+1D11E takes two code units
        {"CurrPreset", std::string(256, 'p'), 256},                // as long as the editor's buffers take
    };
    {
        auto key = created();
        ASSERT_TRUE(key);
        for (const auto& c : cases)
            EXPECT_TRUE(key->writeString(c.name, c.text)) << c.name;
    }
    auto key = reopened();
    ASSERT_TRUE(key);
    for (const auto& c : cases) {
        std::string text = "untouched";
        EXPECT_TRUE(key->readString(c.name, text, c.chars)) << c.name;
        EXPECT_EQ(text, c.text) << c.name;
        if (c.chars == 0)
            continue;
        // One character short: refused whole, never cut.
        text = "untouched";
        EXPECT_FALSE(key->readString(c.name, text, c.chars - 1)) << c.name;
        EXPECT_EQ(text, "untouched") << c.name;
    }
}

TEST_F(RegistryTest, OverwriteReplacesValueAndTypeAndLeavesOthersAlone)
{
    const Bytes first = pattern(300), second = pattern(7), other = pattern(3);
    auto key = created();
    ASSERT_TRUE(key);
    ASSERT_TRUE(key->writeBinary("DefaultPreset", first.data(), first.size()));
    ASSERT_TRUE(key->writeBinary("MemoA", other.data(), other.size()));
    ASSERT_TRUE(key->writeBinary("DefaultPreset", second.data(), second.size()));

    auto reader = reopened();
    ASSERT_TRUE(reader);
    Bytes data;
    size_t size = 0;
    EXPECT_TRUE(reader->valueSize("DefaultPreset", size));
    EXPECT_EQ(size, second.size());
    EXPECT_TRUE(reader->readBinary("DefaultPreset", data));
    EXPECT_EQ(data, second);

    // Text over binary: the value now answers only as text.
    ASSERT_TRUE(key->writeString("DefaultPreset", "now text"));
    std::string text;
    EXPECT_FALSE(reader->readBinary("DefaultPreset", data));
    EXPECT_TRUE(reader->readString("DefaultPreset", text, 256));
    EXPECT_EQ(text, "now text");
    EXPECT_FALSE(reader->readString("MemoA", text, 256));
    EXPECT_TRUE(reader->readBinary("MemoA", data));
    EXPECT_EQ(data, other);
}

TEST_F(RegistryTest, DeletedValueIsGoneAndDeletingItAgainFails)
{
    const Bytes bytes = pattern(9);
    {
        auto key = created();
        ASSERT_TRUE(key);
        ASSERT_TRUE(key->writeBinary("DefaultBank", bytes.data(), bytes.size()));
        ASSERT_TRUE(key->writeString("CurrDir", "/home/zo\xc3\xab"));
    }
    auto setter = reopened(Access::SetValue);
    ASSERT_TRUE(setter);
    EXPECT_TRUE(setter->deleteValue("DefaultBank"));
    EXPECT_FALSE(setter->deleteValue("DefaultBank"));
    EXPECT_FALSE(setter->deleteValue("DefaultMidi"));

    auto reader = reopened();
    ASSERT_TRUE(reader);
    size_t size = 77;
    Bytes data{1};
    EXPECT_FALSE(reader->valueSize("DefaultBank", size));
    EXPECT_FALSE(reader->readBinary("DefaultBank", data));
    std::string text;
    EXPECT_TRUE(reader->readString("CurrDir", text, 256));
    EXPECT_EQ(text, "/home/zo\xc3\xab");
}

TEST_F(RegistryTest, MissingKeyOpensForNothingAndMissingValueReadsNothing)
{
    for (Access access : {Access::Write, Access::SetValue, Access::QueryValue})
        EXPECT_FALSE(RegistryKey::open(path_, access)) << static_cast<int>(access);
    EXPECT_FALSE(RegistryKey::remove(path_));

    ASSERT_TRUE(created());
    auto reader = reopened();
    ASSERT_TRUE(reader);
    size_t size = 0;
    Bytes data;
    std::string text = "untouched";
    EXPECT_FALSE(reader->valueSize("CurrDir", size));
    EXPECT_FALSE(reader->readBinary("MemoA", data));
    EXPECT_FALSE(reader->readString("CurrDir", text, 256));
    EXPECT_EQ(text, "untouched");
}

TEST_F(RegistryTest, RemovedKeyIsGoneAndCreatedAgainStartsEmpty)
{
    const Bytes bytes = pattern(40);
    {
        auto key = created();
        ASSERT_TRUE(key);
        ASSERT_TRUE(key->writeBinary("MemoB", bytes.data(), bytes.size()));
    }
    EXPECT_TRUE(RegistryKey::remove(path_));
    EXPECT_FALSE(RegistryKey::open(path_, Access::QueryValue));

    auto key = created();
    ASSERT_TRUE(key);
    auto reader = reopened();
    ASSERT_TRUE(reader);
    Bytes data;
    EXPECT_FALSE(reader->readBinary("MemoB", data));
    ASSERT_TRUE(key->writeBinary("MemoB", bytes.data(), 3));
    EXPECT_TRUE(reader->readBinary("MemoB", data));
    EXPECT_EQ(data, Bytes(bytes.begin(), bytes.begin() + 3));
}

TEST_F(RegistryTest, KeyWithSubkeysIsNotRemoved)
{
    const std::string child = remember(path_ + "\\Child");
    ASSERT_TRUE(RegistryKey::create(child));
    // The parent exists as soon as a subkey does.
    EXPECT_TRUE(RegistryKey::open(path_, Access::QueryValue));
    EXPECT_FALSE(RegistryKey::remove(path_));
    EXPECT_TRUE(RegistryKey::open(child, Access::QueryValue));
    EXPECT_TRUE(RegistryKey::remove(child));
    EXPECT_TRUE(RegistryKey::remove(path_));
    EXPECT_FALSE(RegistryKey::open(path_, Access::QueryValue));
}

TEST_F(RegistryTest, KeyAnswersOnlyWhatItWasOpenedFor)
{
    const Bytes bytes = pattern(6);
    {
        auto key = created();
        ASSERT_TRUE(key);
        ASSERT_TRUE(key->writeBinary("MemoA", bytes.data(), bytes.size()));
        // Opened for writing, as create opens it: nothing can be read through it.
        size_t size = 0;
        Bytes data;
        std::string text;
        EXPECT_FALSE(key->valueSize("MemoA", size));
        EXPECT_FALSE(key->readBinary("MemoA", data));
        ASSERT_TRUE(key->writeString("CurrDir", "x"));
        EXPECT_FALSE(key->readString("CurrDir", text, 256));
    }
    auto setter = reopened(Access::SetValue);
    ASSERT_TRUE(setter);
    Bytes data;
    EXPECT_FALSE(setter->readBinary("MemoA", data));
    EXPECT_TRUE(setter->writeBinary("MemoB", bytes.data(), 2));

    auto reader = reopened(Access::QueryValue);
    ASSERT_TRUE(reader);
    EXPECT_FALSE(reader->writeBinary("MemoA", bytes.data(), 1));
    EXPECT_FALSE(reader->writeString("CurrDir", "y"));
    EXPECT_FALSE(reader->deleteValue("MemoA"));
    EXPECT_TRUE(reader->readBinary("MemoA", data));
    EXPECT_EQ(data, bytes);
    EXPECT_TRUE(reader->readBinary("MemoB", data));
    EXPECT_EQ(data, Bytes(bytes.begin(), bytes.begin() + 2));
    std::string text;
    EXPECT_TRUE(reader->readString("CurrDir", text, 256));
    EXPECT_EQ(text, "x");
}

TEST_F(RegistryTest, MalformedTextIsRefusedAndNothingIsStored)
{
    const std::vector<std::pair<const char*, std::string>> cases = {
        {"cut sequence", "abc\xc3"},
        {"overlong null", std::string("a\xc0\x80z")},
        {"surrogate", "\xed\xa0\x80"},
        {"not UTF-8 at all", "\xff\xfe"},
        {"null inside", std::string("a\0b", 3)},
    };
    auto key = created();
    ASSERT_TRUE(key);
    for (const auto& c : cases) {
        EXPECT_FALSE(key->writeString("CurrDir", c.second)) << c.first;
        EXPECT_FALSE(key->writeBinary(c.second, reinterpret_cast<const uint8_t*>("x"), 1)) << c.first;
    }
    auto reader = reopened();
    ASSERT_TRUE(reader);
    size_t size = 0;
    EXPECT_FALSE(reader->valueSize("CurrDir", size));
}

TEST_F(RegistryTest, KeyObjectsShareOneStoreAndLoseNoConcurrentWrite)
{
    auto reader = created();
    ASSERT_TRUE(reader);
    reader = reopened();
    ASSERT_TRUE(reader);

    // Each thread writes its own values through its own key objects; every value must be there at the end.
    constexpr int kThreads = 4;
    constexpr int kWrites = 12;
    std::vector<std::thread> threads;
    std::vector<int> failures(kThreads, 0);
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([this, t, &failures] {
            for (int w = 0; w < kWrites; ++w) {
                auto key = RegistryKey::open(path_, Access::Write);
                const uint8_t bytes[2] = {static_cast<uint8_t>(t), static_cast<uint8_t>(w)};
                if (!key || !key->writeBinary("V" + std::to_string(t) + "-" + std::to_string(w), bytes, 2))
                    ++failures[t];
            }
        });
    }
    for (auto& thread : threads)
        thread.join();
    for (int t = 0; t < kThreads; ++t) {
        EXPECT_EQ(failures[t], 0) << t;
        for (int w = 0; w < kWrites; ++w) {
            Bytes data;
            EXPECT_TRUE(reader->readBinary("V" + std::to_string(t) + "-" + std::to_string(w), data)) << t << " " << w;
            EXPECT_EQ(data, (Bytes{static_cast<uint8_t>(t), static_cast<uint8_t>(w)}));
        }
    }
}

}  // namespace
}  // namespace registrytest
