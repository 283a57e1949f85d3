// Streams that are cut short or lie about their sizes. Each is either refused with nothing changed, or read without
// a byte outside the buffer being touched (every buffer here is exactly as long as the stream claims to be given, so
// the address sanitizer sees any read past it).
#include <gtest/gtest.h>

#include <limits>
#include <random>

#include "StreamTestSupport.h"

using namespace streamtest;

namespace {

constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

// Hands `available` bytes of records (a copy of exactly that size) and the given header to the reader.
bool readRecords(Rig& rig, Stream kind, const std::vector<uint8_t>& stream, size_t available,
                 const StreamHeader& header)
{
    const std::vector<uint8_t> records(stream.begin() + long(kRecordsStart),
                                       stream.begin() + long(kRecordsStart + available));
    switch (kind) {
    case Stream::Bank:
        return rig.editor->readBankStream(records.data(), records.size(), header, false);
    case Stream::Preset:
        return rig.editor->readPresetStream(records.data(), records.size(), header, false);
    case Stream::Aux:
        return rig.editor->readAuxStream(records.data(), records.size(), header, false);
    }
    return false;
}

std::vector<uint8_t> writtenStream(Rig& rig, Stream kind)
{
    rig.effect->setCurrentProgram(6);
    switch (kind) {
    case Stream::Bank:
        return rig.editor->writeBankStream();
    case Stream::Preset:
        return rig.editor->writePresetStream();
    case Stream::Aux:
        return rig.editor->writeAuxStream();
    }
    return {};
}

const char* nameOf(Stream kind) { return kind == Stream::Bank ? "bank" : kind == Stream::Preset ? "preset" : "aux"; }

}  // namespace

TEST(MalformedStream, HeaderCutShortIsNotRead)
{
    Rig rig;
    const std::vector<uint8_t> stream = rig.editor->writeBankStream();
    for (size_t length = 0; length < kStreamHeaderSize; ++length) {
        const std::vector<uint8_t> cut(stream.begin(), stream.begin() + long(length));
        ByteReader reader(cut.data(), cut.size());
        StreamHeader header;
        EXPECT_FALSE(readStreamHeader(reader, header)) << length;
    }
}

// Every length from an empty record area to the whole stream, three ways: with the header as written (its payload
// size then runs past the bytes given), with a payload size that lies to match the cut, and with payload size and
// record count both fitted to the whole records left, which must read.
TEST(MalformedStream, EveryTruncationIsRefusedOrReadWithinBounds)
{
    for (Stream kind : {Stream::Bank, Stream::Preset, Stream::Aux}) {
        Rig source;
        const std::vector<uint8_t> stream = writtenStream(source, kind);
        const StreamHeader written = headerOf(stream);
        const std::vector<size_t> offsets = recordOffsets(stream);
        const size_t full = stream.size() - kRecordsStart;

        Rig rig(0.25f);
        rig.forget();
        for (size_t available = 0; available <= full; ++available) {
            const bool whole = available == full;
            std::vector<uint8_t> before = rig.bankBytes();
            const bool asWritten = readRecords(rig, kind, stream, available, written);
            ASSERT_EQ(asWritten, whole) << nameOf(kind) << " " << available;
            if (!whole) {
                ASSERT_TRUE(rig.untouchedSince(before)) << nameOf(kind) << " " << available;
            }
            rig.forget();

            StreamHeader lying = written;
            lying.payloadSize = int32_t(available);
            before = rig.bankBytes();
            ASSERT_EQ(readRecords(rig, kind, stream, available, lying), whole) << nameOf(kind) << " " << available;
            if (!whole) {
                ASSERT_TRUE(rig.untouchedSince(before)) << nameOf(kind) << " " << available;
            }
            rig.forget();

            // Record i ends where record i + 1 starts, the last one at the end of the stream.
            auto endOf = [&](size_t i) {
                return (i + 1 < offsets.size() ? offsets[i + 1] : stream.size()) - kRecordsStart;
            };
            StreamHeader fitted = lying;
            fitted.recordCount = 0;
            while (size_t(fitted.recordCount) < offsets.size() && endOf(size_t(fitted.recordCount)) <= available)
                ++fitted.recordCount;
            ASSERT_TRUE(readRecords(rig, kind, stream, available, fitted)) << nameOf(kind) << " " << available;
            rig.forget();
        }
    }
}

// Header and record fields that lie, each with what the bank reader must make of it.
TEST(MalformedStream, LyingSizesAndCountsInABankStream)
{
    enum Outcome { Refused, Read };
    struct Case
    {
        const char* what;
        size_t offset;  // of the 32-bit field to overwrite; 0 for a header field handled below
        int32_t value;
        Outcome outcome;
    };
    const size_t first = kRecordsStart;
    const size_t last = 26537 - 32;
    const Case cases[] = {
        {"payload size -1", kPayloadSizeAt, -1, Refused},
        {"payload size most negative", kPayloadSizeAt, kMin, Refused},
        {"payload size one past the bytes", kPayloadSizeAt, 26497, Refused},
        {"payload size largest", kPayloadSizeAt, kMax, Refused},
        {"payload size one short", kPayloadSizeAt, 26495, Refused},
        {"payload size 0", kPayloadSizeAt, 0, Refused},
        {"record count -1", kRecordCountAt, -1, Refused},
        {"record count most negative", kRecordCountAt, kMin, Refused},
        {"record count one more than there are", kRecordCountAt, 625, Refused},
        {"record count largest", kRecordCountAt, kMax, Refused},
        {"first record length -1", first + 4, -1, Refused},
        {"first record length -12", first + 4, -12, Refused},
        {"first record length most negative", first + 4, kMin, Refused},
        {"first record length largest", first + 4, kMax, Refused},
        {"first record length beyond the payload", first + 4, 26496 - 12 + 1, Refused},
        {"last record length one past the end", last + 4, 21, Refused},
        {"last record length a word past the end", last + 4, 24, Refused},
        {"record count one less than there are", kRecordCountAt, 623, Read},
        {"record count 0", kRecordCountAt, 0, Read},
        {"last record shorter than its payload", last + 4, 19, Read},
        {"last record length 0", last + 4, 0, Read},
    };
    Rig source;
    source.effect->setCurrentProgram(6);
    const std::vector<uint8_t> stream = source.editor->writeBankStream();
    for (const Case& c : cases) {
        std::vector<uint8_t> lying = stream;
        putLe32(lying, c.offset, uint32_t(c.value));
        Rig rig(0.25f);
        rig.forget();
        const std::vector<uint8_t> before = rig.bankBytes();
        const bool read = readStream(*rig.editor, Stream::Bank, lying);
        EXPECT_EQ(read, c.outcome == Read) << c.what;
        if (c.outcome == Refused) {
            EXPECT_TRUE(rig.untouchedSince(before)) << c.what;
        } else {
            EXPECT_EQ(rig.effect->selected, std::vector<int32_t>{6}) << c.what;
        }
    }
}

TEST(MalformedStream, PayloadSizeBelowTheBytesGivenReadsOnlyThePayload)
{
    // The payload size says two records; the bytes behind them (a name record for program 1) are not the stream's.
    Rig rig(0.25f);
    std::vector<uint8_t> stream =
        RecordBuilder().name(0, "Inside").parameter(0, 0, 0.5f).name(1, "Outside").stream('8', 0);
    putLe32(stream, kRecordCountAt, 2);
    putLe32(stream, kPayloadSizeAt, 168 + 32);
    ASSERT_TRUE(readStream(*rig.editor, Stream::Bank, stream));
    EXPECT_EQ(nameOf(*rig.effect->program(0)), "Inside");
    EXPECT_EQ(nameOf(*rig.effect->program(1)), "S0.25 Prog 01");

    // One more record than the payload size holds is a lie.
    putLe32(stream, kRecordCountAt, 3);
    Rig refused(0.25f);
    refused.forget();
    const std::vector<uint8_t> before = refused.bankBytes();
    EXPECT_FALSE(readStream(*refused.editor, Stream::Bank, stream));
    EXPECT_TRUE(refused.untouchedSince(before));
}

TEST(MalformedStream, NullRecordsAreRefusedUnlessThereIsNothingToRead)
{
    Rig rig;
    StreamHeader header;
    header.recordCount = 1;
    header.payloadSize = 168;
    EXPECT_FALSE(rig.editor->readBankStream(nullptr, 168, header, false));
    EXPECT_FALSE(rig.editor->readPresetStream(nullptr, 168, header, false));
    EXPECT_FALSE(rig.editor->readAuxStream(nullptr, 168, header, false));
    EXPECT_FALSE(rig.editor->readOldBank(nullptr, 4224, false, 48, 16));
    EXPECT_FALSE(rig.editor->readOldPreset(nullptr, 88, false, 16));
    EXPECT_FALSE(rig.editor->readOldAuxStream(nullptr, 64, false, 16));
    header = StreamHeader();
    EXPECT_TRUE(rig.editor->readBankStream(nullptr, 0, header, false));
}

// Random words overwritten anywhere in the records: whatever the reader makes of them, it stays inside the buffer,
// and a refusal changes nothing.
TEST(MalformedStream, CorruptedRecordsAreRefusedOrReadWithinBounds)
{
    std::mt19937 random(20240611u);
    for (Stream kind : {Stream::Bank, Stream::Preset, Stream::Aux}) {
        Rig source;
        const std::vector<uint8_t> stream = writtenStream(source, kind);
        std::uniform_int_distribution<size_t> word(0, (stream.size() - kRecordsStart) / 4 - 1);
        for (int trial = 0; trial < 1500; ++trial) {
            std::vector<uint8_t> corrupt = stream;
            for (int k = 0; k < 3; ++k) {
                const size_t at = kRecordsStart + 4 * word(random);
                const uint32_t choices[] = {uint32_t(random()), 0u,  0xFFFFFFFFu, 0x80000000u,
                                            uint32_t(random() % 64u), 20u, 156u};
                putLe32(corrupt, at, choices[random() % 7]);
            }
            Rig rig(0.25f);
            rig.forget();
            const std::vector<uint8_t> before = rig.bankBytes();
            testing::internal::CaptureStderr();
            const bool read = readRecords(rig, kind, corrupt, corrupt.size() - kRecordsStart, headerOf(corrupt));
            testing::internal::GetCapturedStderr();
            // A value that cancels the load may have renamed menu entries first; bank and selection stay.
            if (!read) {
                ASSERT_EQ(rig.bankBytes(), before) << nameOf(kind) << " trial " << trial;
                ASSERT_TRUE(rig.effect->selected.empty()) << nameOf(kind) << " trial " << trial;
                ASSERT_TRUE(rig.effect->parameterCalls.empty()) << nameOf(kind) << " trial " << trial;
            }
        }
    }
}

TEST(MalformedStream, OldLayoutsCutShortAreRefused)
{
    // A whole old bank of 16 values per program is 48 * 88 bytes; a preset 88.
    std::vector<uint8_t> bank(48 * 88, 0);
    std::vector<uint8_t> preset(88, 0);
    for (size_t available = 0; available <= bank.size(); ++available) {
        Rig rig(0.25f);
        rig.forget();
        const std::vector<uint8_t> before = rig.bankBytes();
        const std::vector<uint8_t> cut(bank.begin(), bank.begin() + long(available));
        const bool whole = available == bank.size();
        ASSERT_EQ(rig.editor->readOldBank(cut.data(), cut.size(), false, 48, 16), whole) << available;
        if (!whole) {
            ASSERT_TRUE(rig.untouchedSince(before)) << available;
        }

        if (available > preset.size())
            continue;
        Rig one(0.25f);
        one.forget();
        const std::vector<uint8_t> beforeOne = one.bankBytes();
        const std::vector<uint8_t> cutPreset(preset.begin(), preset.begin() + long(available));
        ASSERT_EQ(one.editor->readOldPreset(cutPreset.data(), cutPreset.size(), false, 16), available == 88)
            << available;
        if (available != 88) {
            ASSERT_TRUE(one.untouchedSince(beforeOne)) << available;
        }
    }
}

TEST(MalformedStream, OldLayoutCountsThatCannotFitAreRefused)
{
    struct Case
    {
        int32_t programs;
        int32_t values;
        size_t available;
        bool read;
    };
    const Case cases[] = {
        {48, kMax, 48 * 88, false},        // 4n would wrap a 32-bit size
        {48, 0x40000000, 48 * 88, false},  // 4n is exactly 2^32
        {48, 17, 48 * 88, false},          // blocks of 92 bytes do not fit in 48 * 88
        {kMax, 16, 48 * 88, true},         // capped at the bank
        {kMin, 16, 48 * 88, true},         // no programs at all
        {48, kMin, 48 * 24, true},         // names alone
        {48, kMin, 48 * 24 - 1, false},
    };
    for (const Case& c : cases) {
        Rig rig(0.25f);
        rig.forget();
        const std::vector<uint8_t> before = rig.bankBytes();
        const std::vector<uint8_t> data(c.available, 0);
        EXPECT_EQ(rig.editor->readOldBank(data.data(), data.size(), false, c.programs, c.values), c.read)
            << c.programs << " " << c.values << " " << c.available;
        if (!c.read) {
            EXPECT_TRUE(rig.untouchedSince(before));
        }
    }
    for (int32_t values : {kMax, 0x40000000, 17}) {
        Rig rig(0.25f);
        rig.forget();
        const std::vector<uint8_t> before = rig.bankBytes();
        const std::vector<uint8_t> data(88, 0);
        EXPECT_FALSE(rig.editor->readOldPreset(data.data(), data.size(), false, values)) << values;
        EXPECT_TRUE(rig.untouchedSince(before));
    }
}
