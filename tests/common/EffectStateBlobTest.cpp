// The bridges' saved state: both forms byte for byte, and a reader that never reads past the blob it is given.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "common/EffectStateBlob.h"
#include "effect/QorFETcomp.h"
#include "effect/vst2/EffectRecord.h"
#include "effect/vst2/Opcodes.h"
#include "tests/support/TestHost.h"

namespace {

using Bytes = std::vector<uint8_t>;

// A small effect of the tests' own: a bank of named programs of plain values, or a chunk of given bytes.
class FakeEffect : public EffectStateTarget
{
public:
    FakeEffect(int32_t params, int32_t programs, bool chunks) : params_(params), chunks_(chunks)
    {
        for (int32_t k = 0; k < programs; ++k)
            programs_.push_back({"Program " + std::to_string(k), std::vector<float>(params, 0.1f * k)});
    }

    int32_t effectFlags() const override { return chunks_ ? kFlagProgramChunks : 0; }
    int32_t parameterCount() const override { return params_; }
    int32_t programCount() const override { return static_cast<int32_t>(programs_.size()); }
    intptr_t dispatch(int32_t opcode, int32_t, intptr_t value, void* ptr, float) override
    {
        switch (opcode)
        {
        case effSetProgram: current = static_cast<int32_t>(value); return 0;
        case effGetProgram: return current;
        case effSetProgramName: programs_[current].name = static_cast<const char*>(ptr); return 0;
        case effGetProgramName: std::strcpy(static_cast<char*>(ptr), programs_[current].name.c_str()); return 0;
        case effGetChunk:
            ++chunkRequests;
            *static_cast<void**>(ptr) = chunk.empty() ? nullptr : chunk.data();
            return static_cast<intptr_t>(chunk.size());
        case effSetChunk:
            received.assign(static_cast<const uint8_t*>(ptr), static_cast<const uint8_t*>(ptr) + value);
            return 1;
        }
        return 0;
    }
    float getParameter(int32_t index) override { return programs_[current].values[index]; }
    void setParameter(int32_t index, float value) override { programs_[current].values[index] = value; }
    void beginBankWork() override { ++bankWork; }
    void endBankWork() override { --bankWork; }

    struct Program
    {
        std::string name;
        std::vector<float> values;
    };
    const Program& program(int32_t k) const { return programs_[k]; }

    int32_t current = 0;
    int bankWork = 0;
    int chunkRequests = 0;
    Bytes chunk;
    Bytes received;

private:
    int32_t params_;
    bool chunks_;
    std::vector<Program> programs_;
};

// The compressor itself, reached only through its record as a bridge reaches it.
class RecordTarget : public EffectStateTarget
{
public:
    explicit RecordTarget(EffectRecord* record) : record_(record) {}
    int32_t effectFlags() const override { return record_->flags; }
    int32_t parameterCount() const override { return record_->numParams; }
    int32_t programCount() const override { return record_->numPrograms; }
    intptr_t dispatch(int32_t opcode, int32_t index, intptr_t value, void* ptr, float opt) override
    {
        return record_->dispatcher(record_, opcode, index, value, ptr, opt);
    }
    float getParameter(int32_t index) override { return record_->getParameter(record_, index); }
    void setParameter(int32_t index, float value) override { record_->setParameter(record_, index, value); }

private:
    EffectRecord* record_;
};

uint32_t bigEndianAt(const Bytes& b, size_t at)
{
    return uint32_t(b[at]) << 24 | uint32_t(b[at + 1]) << 16 | uint32_t(b[at + 2]) << 8 | b[at + 3];
}

Bytes bankBlob(uint32_t params, uint32_t programs, uint32_t marker, uint32_t current)
{
    FakeEffect source(static_cast<int32_t>(params), static_cast<int32_t>(programs), false);
    source.current = static_cast<int32_t>(current);
    Bytes blob = stateblob::write(&source);
    blob[blob.size() - 8 + 2] = uint8_t(marker >> 8);
    blob[blob.size() - 8 + 3] = uint8_t(marker);
    return blob;
}

}  // namespace

TEST(EffectStateBlob, WrittenFormsAndLengths)
{
    EXPECT_EQ(stateblob::write(nullptr).size(), 8u);

    FakeEffect chunked(16, 48, true);
    for (int i = 0; i < 20; ++i)
        chunked.chunk.push_back(uint8_t(i + 1));
    const Bytes chunkBlob = stateblob::write(&chunked);
    ASSERT_EQ(chunkBlob.size(), 28u);
    EXPECT_EQ(Bytes(chunkBlob.begin(), chunkBlob.begin() + 20), chunked.chunk);
    EXPECT_EQ(Bytes(chunkBlob.begin() + 20, chunkBlob.end()), (Bytes{0, 0, 0x30, 0, 0, 0, 0x30, 0}));
    EXPECT_EQ(chunked.chunkRequests, 1);

    FakeEffect empty(16, 48, true);
    EXPECT_EQ(stateblob::write(&empty), (Bytes{0, 0, 0x30, 0, 0, 0, 0x30, 0}));

    FakeEffect banked(3, 2, false);
    banked.current = 1;
    const Bytes bank = stateblob::write(&banked);
    ASSERT_EQ(bank.size(), (3u + 16u) * 2u * 4u + 16u);
    EXPECT_EQ(bigEndianAt(bank, 0), 3u);
    EXPECT_EQ(bigEndianAt(bank, 4), 2u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bank[8 + 76])), "Program 1");
    float value;
    const uint32_t bits = bigEndianAt(bank, 8 + 76 + 64 + 4);
    std::memcpy(&value, &bits, 4);
    EXPECT_FLOAT_EQ(value, 0.1f);
    EXPECT_EQ(Bytes(bank.end() - 8, bank.end()), (Bytes{0, 0, 0x20, 0x01, 0, 0, 0, 1}));
    EXPECT_EQ(banked.current, 1) << "the remembered program is selected again";
    EXPECT_EQ(banked.bankWork, 0);
}

TEST(EffectStateBlob, ShortUnknownAndEffectlessBlobsChangeNothing)
{
    FakeEffect effect(3, 2, false);
    const Bytes good = bankBlob(3, 2, stateblob::kBankMarker, 1);
    EXPECT_EQ(stateblob::read(nullptr, good.data(), good.size()).form, stateblob::ReadForm::Ignored);
    EXPECT_EQ(stateblob::read(&effect, good.data(), 11).form, stateblob::ReadForm::Ignored);

    Bytes unknown = good;
    unknown[unknown.size() - 6] = 0x12;
    unknown[unknown.size() - 5] = 0x34;
    EXPECT_EQ(stateblob::read(&effect, unknown.data(), unknown.size()).form, stateblob::ReadForm::Ignored);
    EXPECT_EQ(effect.program(1).name, "Program 1");
    EXPECT_FLOAT_EQ(effect.program(1).values[0], 0.1f);
}

TEST(EffectStateBlob, TwelveByteChunkBlobHandsOverFourBytes)
{
    FakeEffect effect(16, 48, true);
    const Bytes blob{9, 8, 7, 6, 0, 0, 0x30, 0, 0, 0, 0x30, 0};
    EXPECT_EQ(stateblob::read(&effect, blob.data(), blob.size()).form, stateblob::ReadForm::Chunk);
    EXPECT_EQ(effect.received, (Bytes{9, 8, 7, 6}));
}

TEST(EffectStateBlob, BankFormIsReadWhateverTheMarkerSays)
{
    struct Case
    {
        uint32_t marker;
        bool targetKeepsChunks;
    };
    for (const Case c : {Case{stateblob::kBankMarker, false}, Case{stateblob::kOldBankMarker, false},
                         Case{stateblob::kChunkMarker, false}, Case{stateblob::kBankMarker, true}})
    {
        SCOPED_TRACE(c.marker);
        const Bytes blob = bankBlob(3, 2, c.marker, 1);
        FakeEffect target(3, 2, c.targetKeepsChunks);
        target.setParameter(0, 0.9f);
        const auto result = stateblob::read(&target, blob.data(), blob.size());
        EXPECT_EQ(result.form, stateblob::ReadForm::Bank);
        EXPECT_EQ(result.currentProgram, 1);
        EXPECT_TRUE(result.currentProgramInRange);
        EXPECT_FLOAT_EQ(target.program(0).values[0], 0.0f);
        EXPECT_FLOAT_EQ(target.program(1).values[2], 0.1f);
        EXPECT_EQ(target.bankWork, 0);
        EXPECT_TRUE(target.received.empty());
    }
}

TEST(EffectStateBlob, StoredCountsAreCutToTheEffectsAndNamesStayAligned)
{
    // Written for 20 parameters and 3 programs, read by an effect of 16 and 2.
    const Bytes wide = bankBlob(20, 3, stateblob::kBankMarker, 2);
    FakeEffect narrow(16, 2, false);
    const auto result = stateblob::read(&narrow, wide.data(), wide.size());
    EXPECT_EQ(narrow.program(1).name, "Program 1");
    EXPECT_FLOAT_EQ(narrow.program(1).values[15], 0.1f);
    EXPECT_FALSE(result.currentProgramInRange) << "program 2 is not one of the effect's";

    // Written for 2 parameters: only those are set.
    const Bytes small = bankBlob(2, 2, stateblob::kBankMarker, 0);
    FakeEffect full(3, 2, false);
    full.setParameter(2, 0.7f);
    stateblob::read(&full, small.data(), small.size());
    EXPECT_FLOAT_EQ(full.program(0).values[1], 0.0f);
    EXPECT_FLOAT_EQ(full.program(0).values[2], 0.7f);
}

TEST(EffectStateBlob, EveryTruncationAndEveryAnnouncedCountStaysInsideTheBlob)
{
    const Bytes blob = bankBlob(3, 2, stateblob::kBankMarker, 1);
    for (size_t size = 0; size <= blob.size(); ++size)
    {
        // A copy of exactly size bytes, so that a read past its end is caught by the address sanitizer.
        std::vector<uint8_t> cut(blob.begin(), blob.begin() + static_cast<std::ptrdiff_t>(size));
        if (size >= 8)
        {
            cut[size - 8] = 0;
            cut[size - 7] = 0;
            cut[size - 6] = 0x20;
            cut[size - 5] = 0x01;
        }
        FakeEffect target(3, 2, false);
        stateblob::read(&target, cut.data(), cut.size());
        EXPECT_EQ(target.bankWork, 0);
    }
    Bytes huge = blob;
    huge[0] = huge[1] = huge[4] = huge[5] = 0xFF;  // counts far beyond the bytes given
    FakeEffect target(3, 2, false);
    stateblob::read(&target, huge.data(), huge.size());
}

TEST(EffectStateBlob, TheCompressorsStateComesBackWhole)
{
    TestHost::instance().reset();
    auto* first = new QorFETcomp(&TestHost::callback);
    EffectRecord* a = first->getRecord();
    a->setParameter(a, 8, 0.25f);
    RecordTarget sourceTarget(a);
    const Bytes blob = stateblob::write(&sourceTarget);
    ASSERT_GT(blob.size(), 8u);
    EXPECT_EQ(Bytes(blob.end() - 8, blob.end()), (Bytes{0, 0, 0x30, 0, 0, 0, 0x30, 0}));

    auto* second = new QorFETcomp(&TestHost::callback);
    EffectRecord* b = second->getRecord();
    RecordTarget restoredTarget(b);
    EXPECT_EQ(stateblob::read(&restoredTarget, blob.data(), blob.size()).form, stateblob::ReadForm::Chunk);
    EXPECT_EQ(stateblob::write(&restoredTarget), blob);
    EXPECT_FLOAT_EQ(b->getParameter(b, 8), 0.25f);

    a->dispatcher(a, effClose, 0, 0, nullptr, 0.0f);
    b->dispatcher(b, effClose, 0, 0, nullptr, 0.0f);
}
