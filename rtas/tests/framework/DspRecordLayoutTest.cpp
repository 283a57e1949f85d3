// The host's DSP records and register block at the byte offsets the host uses, read and written through the
// plug-in's record types on the 32-bit build.
#include "rtas/framework/host/DspSystemRecords.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

TEST(DspRecordLayout, WordsSitWhereTheHostPutsThem)
{
    static_assert(sizeof(void*) == 4, "the host's records keep addresses in 32-bit words");
    struct Case
    {
        const char* field;
        size_t offset;
        uint32_t (*read)(const uint8_t*);
        size_t recordSize;
    };
    const Case cases[] = {
        {"DSP next", 0x00, [](const uint8_t* p) { return reinterpret_cast<const DspRecord*>(p)->nextDsp; }, sizeof(DspRecord)},
        {"DSP client", 0x04, [](const uint8_t* p) { return reinterpret_cast<const DspRecord*>(p)->client; }, sizeof(DspRecord)},
        {"DSP card", 0x0C, [](const uint8_t* p) { return reinterpret_cast<const DspRecord*>(p)->card; }, sizeof(DspRecord)},
        {"DSP card revision", 0x10, [](const uint8_t* p) { return reinterpret_cast<const DspRecord*>(p)->cardRevision; }, sizeof(DspRecord)},
        {"DSP register block", 0x38, [](const uint8_t* p) { return reinterpret_cast<const DspRecord*>(p)->info.registerBlock; }, sizeof(DspRecord)},
        {"DSP kept word 0x20", 0x38 + 0x20, [](const uint8_t* p) { return reinterpret_cast<const DspRecord*>(p)->info.keptWordA; }, sizeof(DspRecord)},
        {"DSP kept word 0x2C", 0x38 + 0x2C, [](const uint8_t* p) { return reinterpret_cast<const DspRecord*>(p)->info.keptWordB; }, sizeof(DspRecord)},
        {"DSP kept word 0x38", 0x38 + 0x38, [](const uint8_t* p) { return reinterpret_cast<const DspRecord*>(p)->info.keptWordC; }, sizeof(DspRecord)},
        {"DSP flags", 0x8C, [](const uint8_t* p) { return reinterpret_cast<const DspRecord*>(p)->flags; }, sizeof(DspRecord)},
        {"card type", 0x0C, [](const uint8_t* p) { return reinterpret_cast<const DspCardRecord*>(p)->cardType; }, sizeof(DspCardRecord)},
        {"card sync address", 0x24, [](const uint8_t* p) { return reinterpret_cast<const DspCardRecord*>(p)->syncAddress; }, sizeof(DspCardRecord)},
        {"shell client", 0x04, [](const uint8_t* p) { return reinterpret_cast<const DspShellRecord*>(p)->client; }, sizeof(DspShellRecord)},
        {"shell client value", 0x08, [](const uint8_t* p) { return reinterpret_cast<const DspShellRecord*>(p)->clientValue; }, sizeof(DspShellRecord)},
        {"shell identifier", 0x0C, [](const uint8_t* p) { return reinterpret_cast<const DspShellRecord*>(p)->identifier; }, sizeof(DspShellRecord)},
        {"shell DSP code", 0x112, [](const uint8_t* p) { return reinterpret_cast<const DspShellRecord*>(p)->dspCode; }, sizeof(DspShellRecord)},
        {"shell handler", 0x116, [](const uint8_t* p) { return reinterpret_cast<const DspShellRecord*>(p)->hostCodeHandler; }, sizeof(DspShellRecord)},
        {"shell maximum location", 0x11A, [](const uint8_t* p) { return reinterpret_cast<const DspShellRecord*>(p)->maxLocation; }, sizeof(DspShellRecord)},
    };
    for (const Case& c : cases)
    {
        std::vector<uint8_t> bytes(c.recordSize, 0);
        ASSERT_LE(c.offset + 4, c.recordSize) << c.field;
        const uint32_t value = 0x11223344u + uint32_t(c.offset);
        std::memcpy(bytes.data() + c.offset, &value, 4);
        EXPECT_EQ(c.read(bytes.data()), value) << c.field;
    }
    EXPECT_EQ(sizeof(DspInfoRecord), 80u);
    EXPECT_EQ(sizeof(DspShellRecord), 286u);

    std::vector<uint8_t> shell(sizeof(DspShellRecord), 0);
    shell[0x110] = 1;
    const int standard = reinterpret_cast<const DspShellRecord*>(shell.data())->isStandard;
    EXPECT_EQ(standard, 1);
}

TEST(DspRecordLayout, RegisterBlockBytes)
{
    const struct
    {
        const char* name;
        size_t offset;
        size_t member;
    } registers[] = {
        {"control", 0x03, offsetof(DspRegisterBlock, control)},
        {"command", 0x07, offsetof(DspRegisterBlock, command)},
        {"status", 0x0B, offsetof(DspRegisterBlock, status)},
        {"dummy", 0x0F, offsetof(DspRegisterBlock, dummy)},
        {"data high", 0x17, offsetof(DspRegisterBlock, dataHigh)},
        {"data middle", 0x1B, offsetof(DspRegisterBlock, dataMiddle)},
        {"data low", 0x1F, offsetof(DspRegisterBlock, dataLow)},
    };
    for (const auto& r : registers)
        EXPECT_EQ(r.member, r.offset) << r.name;
    EXPECT_EQ(sizeof(DspRegisterBlock), 0x20u) << "nothing beyond the last data byte is touched";
}

}  // namespace
