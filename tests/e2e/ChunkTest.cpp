// The effect's chunk: what hosts save and restore, and the way this host selects one of the 48 programs.
#include "E2eSupport.h"

#include "effect/vst2/Opcodes.h"
#include "hosts/vst2/EffectChunk.h"
#include "hosts/vst2/ProgramSelection.h"

#include <cstring>
#include <vector>

#if defined(__unix__)
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace {

using e2e::firstDifference;
using e2e::LoadedEffect;
using e2e::renderOrFail;
using e2e::testSignal;
using vst2host::AudioBuffer;
using vst2host::HostedEffect;

// A bank stream of 48 programs, each a name record and 12 parameter records, behind the format word and ID.
constexpr size_t kChunkSize = 8 + 26537;

int32_t wordAt(const std::vector<uint8_t>& bytes, size_t offset)
{
    int32_t word = 0;
    std::memcpy(&word, bytes.data() + offset, sizeof word);
    return word;
}

std::vector<float> parameters(HostedEffect& effect)
{
    std::vector<float> values;
    for (int32_t index = 0; index < 16; ++index)
        values.push_back(effect.getParameter(index));
    return values;
}

std::vector<std::string> displays(HostedEffect& effect)
{
    std::vector<std::string> texts;
    for (int32_t index = 0; index < 16; ++index)
        texts.push_back(effect.parameterDisplay(index));
    return texts;
}

TEST_F(LoadedEffect, ChunkIsABankStreamBehindFormatWordAndId)
{
    const std::vector<uint8_t> chunk = effect.getChunk();
    ASSERT_EQ(chunk.size(), kChunkSize);
    const int32_t id = fourCharCode('Q', 'K', 'v', 'p');
    EXPECT_EQ(wordAt(chunk, 0), vst2host::kChunkFormatBankStream);
    EXPECT_EQ(wordAt(chunk, 4), id);
    EXPECT_EQ(wordAt(chunk, 8), id);
    EXPECT_EQ(chunk[12], '8');
    EXPECT_EQ(wordAt(chunk, 13), 0x01000000);
    EXPECT_EQ(wordAt(chunk, 17), 16) << "parameter count";
    EXPECT_EQ(wordAt(chunk, 21), 624) << "record count";
    EXPECT_EQ(vst2host::chunkCurrentProgram(chunk), 0);
    EXPECT_EQ(wordAt(chunk, 29), 26496) << "payload size";
}

TEST_F(LoadedEffect, ChunkRestoresParametersAndSoundInAFreshInstance)
{
    std::string error;
    ASSERT_TRUE(vst2host::selectProgram(effect, "Squeezer", error)) << error;
    effect.setParameter(8, 0.3f);
    effect.setParameter(13, 0.6f);
    const std::vector<uint8_t> chunk = effect.getChunk();
    ASSERT_EQ(chunk.size(), kChunkSize);
    const AudioBuffer input = testSignal(2);
    const AudioBuffer expected = renderOrFail(effect, input, 256, true);

    HostedEffect restored;
    ASSERT_TRUE(restored.load(e2e::kPluginPath)) << restored.error();
    ASSERT_NE(displays(restored), displays(effect)) << "the fresh instance must start elsewhere to prove anything";
    ASSERT_EQ(restored.setChunk(chunk), 0);
    EXPECT_EQ(restored.programName(), "Squeezer");
    EXPECT_EQ(parameters(restored), parameters(effect));
    EXPECT_EQ(displays(restored), displays(effect));
    EXPECT_EQ(firstDifference(renderOrFail(restored, input, 256, true), expected), "");
    EXPECT_EQ(restored.getChunk(), chunk) << "saving the restored state gives the same bytes";
}

TEST_F(LoadedEffect, SelectingAProgramThroughTheChunkAppliesItsValues)
{
    const struct
    {
        const char* request;
        int32_t program;
        const char* name;
        float attack, release, ratio, threshold, makeup, link, blend;
        const char* thresholdText;
        const char* linkText;
    } cases[] = {
        {"Squeezer", 15, "Squeezer", 0.25f, 0.125f, 1.0f, 0.375f, 0.4375f, 0.0f, 1.0f, "-18.0", "Unlnkd"},
        {"16", 16, "Destructor", 0.0f, 0.0f, 1.0f, 0.5f, 0.5f, 0.0f, 1.0f, "-12.0", "Unlnkd"},
        {"47", 47, "Init", 0.5f, 0.5f, 0.5f, 0.625f, 0.375f, 1.0f, 1.0f, "-6.0", "Linked"},
        {"Default", 0, "Default", 0.5f, 0.5f, 0.5f, 0.625f, 0.375f, 1.0f, 0.75f, "-6.0", "Linked"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.request);
        std::string error;
        ASSERT_TRUE(vst2host::selectProgram(effect, c.request, error)) << error;
        EXPECT_EQ(effect.programName(), c.name);
        EXPECT_EQ(vst2host::chunkCurrentProgram(effect.getChunk()), c.program);
        EXPECT_EQ(effect.getParameter(1), c.attack);
        EXPECT_EQ(effect.getParameter(2), c.release);
        EXPECT_EQ(effect.getParameter(6), c.ratio);
        EXPECT_EQ(effect.getParameter(8), c.threshold);
        EXPECT_EQ(effect.getParameter(10), c.makeup);
        EXPECT_EQ(effect.getParameter(11), c.link);
        EXPECT_EQ(effect.getParameter(13), c.blend);
        EXPECT_EQ(effect.parameterDisplay(8), c.thresholdText);
        EXPECT_EQ(effect.parameterDisplay(11), c.linkText);
    }
    std::string error;
    EXPECT_FALSE(vst2host::selectProgram(effect, "No Such Program", error));
    EXPECT_FALSE(vst2host::selectProgram(effect, "48", error));
    EXPECT_EQ(effect.programName(), "Default") << "a failed selection changes nothing";
}

TEST_F(LoadedEffect, ForeignChunksAreRefusedAndChangeNothing)
{
    std::string error;
    ASSERT_TRUE(vst2host::selectProgram(effect, "Squeezer", error)) << error;
    const std::vector<float> before = parameters(effect);
    const std::vector<uint8_t> good = effect.getChunk();
    ASSERT_EQ(good.size(), kChunkSize);

    std::vector<uint8_t> unknownFormat = good;
    const int32_t format = 0x03000000;
    std::memcpy(unknownFormat.data(), &format, sizeof format);
    std::vector<uint8_t> otherEffect = good;
    const int32_t otherId = fourCharCode('N', 'o', 'E', 'f');
    std::memcpy(otherEffect.data() + 4, &otherId, sizeof otherId);

    const struct
    {
        const char* what;
        std::vector<uint8_t> chunk;
    } cases[] = {{"unknown format word", unknownFormat}, {"another effect's ID", otherEffect}, {"no data", {}}};
    for (const auto& c : cases) {
        EXPECT_EQ(effect.setChunk(c.chunk), -1) << c.what;
        EXPECT_EQ(parameters(effect), before) << c.what;
        EXPECT_EQ(effect.programName(), "Squeezer") << c.what;
    }
}

#if defined(__unix__)
// Bytes that end exactly where an unreadable page begins, so reading one byte too far faults at once.
class GuardedBytes
{
public:
    explicit GuardedBytes(const std::vector<uint8_t>& bytes)
    {
        const size_t page = static_cast<size_t>(sysconf(_SC_PAGESIZE));
        length_ = ((bytes.size() + page - 1) / page + 1) * page;
        void* mapping = mmap(nullptr, length_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        base_ = mapping == MAP_FAILED ? nullptr : static_cast<uint8_t*>(mapping);
        if (base_ == nullptr)
            return;
        mprotect(base_ + length_ - page, page, PROT_NONE);
        data_ = base_ + length_ - page - bytes.size();
        std::memcpy(data_, bytes.data(), bytes.size());
    }
    ~GuardedBytes()
    {
        if (base_ != nullptr)
            munmap(base_, length_);
    }
    GuardedBytes(const GuardedBytes&) = delete;
    GuardedBytes& operator=(const GuardedBytes&) = delete;

    uint8_t* data() const { return data_; }

private:
    size_t length_ = 0;
    uint8_t* base_ = nullptr;
    uint8_t* data_ = nullptr;
};

// The stream header promises far more than the chunk holds; the effect must go by the size it was given.
TEST_F(LoadedEffect, TruncatedChunkIsNeverReadPastItsEnd)
{
    const std::vector<uint8_t> good = effect.getChunk();
    ASSERT_EQ(good.size(), kChunkSize);
    for (size_t size : {size_t{8}, size_t{30}, size_t{49}, size_t{49 + 100}, kChunkSize - 1}) {
        SCOPED_TRACE(size);
        const std::vector<uint8_t> truncated(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(size));
        GuardedBytes guarded(truncated);
        ASSERT_NE(guarded.data(), nullptr);
        effect.dispatch(effSetChunk, 0, static_cast<intptr_t>(size), guarded.data());
        EXPECT_EQ(effect.parameterName(8), "Threshold") << "the effect still answers";
    }
    ASSERT_EQ(effect.setChunk(good), 0) << "and a whole chunk still loads";
}
#endif

}  // namespace
