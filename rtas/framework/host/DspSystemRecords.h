// The host's DSP card, DSP and shell records and a DSP's host-port register block, as the host lays them out in its
// own memory on 32-bit x86. The plug-in reads them directly when it does not go through the DSI functions; the kit
// builds them so both ways can be tested against the same host. Byte offsets are fixed by the host: the records are
// packed, and the tests check every offset.
#pragma once

#include <cstddef>
#include <cstdint>

// Words in these records are 32 bits wide; a record that holds an address holds it in one such word.
using DspRecordWord = uint32_t;

#pragma pack(push, 1)

// The information record of a DSP: 80 bytes, copied whole. Its first word is the address of the DSP's host-port
// register block; the words at 0x20, 0x2C and 0x38 are the ones the plug-in keeps.
struct DspInfoRecord
{
    DspRecordWord registerBlock;    // 0x00
    uint8_t reserved04[0x1C];       // 0x04
    DspRecordWord keptWordA;        // 0x20
    uint8_t reserved24[0x08];       // 0x24
    DspRecordWord keptWordB;        // 0x2C
    uint8_t reserved30[0x08];       // 0x30
    DspRecordWord keptWordC;        // 0x38
    uint8_t reserved3C[0x14];       // 0x3C
};

struct DspRecord
{
    DspRecordWord nextDsp;          // 0x00  next in the host's DSP list (0 at the end)
    DspRecordWord client;           // 0x04  current client (0 = free)
    DspRecordWord clientValue;      // 0x08
    DspRecordWord card;             // 0x0C  card record of the DSP's card
    DspRecordWord cardRevision;     // 0x10
    uint8_t reserved14[0x24];       // 0x14
    DspInfoRecord info;             // 0x38
    DspRecordWord shell;            // 0x88  the shell loaded into the DSP
    DspRecordWord flags;            // 0x8C  bit 9: a 321 DSP
};

struct DspCardRecord
{
    DspRecordWord nextCard;         // 0x00
    DspRecordWord client;           // 0x04
    DspRecordWord clientValue;      // 0x08
    DspRecordWord cardType;         // 0x0C
    DspRecordWord revision;         // 0x10
    DspRecordWord furtherWord;      // 0x14
    uint8_t reserved18[0x0C];       // 0x18
    DspRecordWord syncAddress;      // 0x24  read to order port accesses (0 = none)
};

// A DSP shell: 286 bytes. The last four fields are unaligned in the host's layout.
struct DspShellRecord
{
    DspRecordWord nextShell;        // 0x00
    DspRecordWord client;           // 0x04
    DspRecordWord clientValue;      // 0x08
    DspRecordWord identifier;       // 0x0C
    uint8_t reserved10[0x100];      // 0x10
    uint8_t isStandard;             // 0x110
    uint8_t reserved111;            // 0x111
    DspRecordWord dspCode;          // 0x112  handle of the code array
    DspRecordWord hostCodeHandler;  // 0x116
    DspRecordWord maxLocation;      // 0x11A
};

// The memory-mapped host port of a DSP. Registers are single bytes at the last byte of each 32-bit slot.
struct DspRegisterBlock
{
    uint8_t pad00[3];
    uint8_t control;                // 0x03  bit 0 cleared at attach; bits 3, 4: host flags 0, 1
    uint8_t pad04[3];
    uint8_t command;                // 0x07  write vector + base + 0x80; bit 7 reads set while pending
    uint8_t pad08[3];
    uint8_t status;                 // 0x0B  bit 0 receive full, 1 transmit empty, 2 port empty; 3, 4: flags 2, 3
    uint8_t pad0C[3];
    uint8_t dummy;                  // 0x0F  read to order accesses when there is no synchronising address
    uint8_t pad10[7];
    uint8_t dataHigh;               // 0x17
    uint8_t pad18[3];
    uint8_t dataMiddle;             // 0x1B
    uint8_t pad1C[3];
    uint8_t dataLow;                // 0x1F
};

#pragma pack(pop)

static_assert(sizeof(DspInfoRecord) == 80, "information record");
static_assert(offsetof(DspInfoRecord, keptWordA) == 0x20 && offsetof(DspInfoRecord, keptWordB) == 0x2C &&
                  offsetof(DspInfoRecord, keptWordC) == 0x38,
              "kept information words");
static_assert(offsetof(DspRecord, client) == 0x04 && offsetof(DspRecord, card) == 0x0C &&
                  offsetof(DspRecord, cardRevision) == 0x10 && offsetof(DspRecord, info) == 0x38 &&
                  offsetof(DspRecord, flags) == 0x8C && sizeof(DspRecord) == 0x90,
              "DSP record");
static_assert(offsetof(DspCardRecord, cardType) == 0x0C && offsetof(DspCardRecord, syncAddress) == 0x24 &&
                  sizeof(DspCardRecord) == 0x28,
              "card record");
static_assert(offsetof(DspShellRecord, client) == 0x04 && offsetof(DspShellRecord, clientValue) == 0x08 &&
                  offsetof(DspShellRecord, identifier) == 0x0C && offsetof(DspShellRecord, isStandard) == 0x110 &&
                  offsetof(DspShellRecord, dspCode) == 0x112 && offsetof(DspShellRecord, hostCodeHandler) == 0x116 &&
                  offsetof(DspShellRecord, maxLocation) == 0x11A && sizeof(DspShellRecord) == 286,
              "shell record");
static_assert(offsetof(DspRegisterBlock, control) == 0x03 && offsetof(DspRegisterBlock, command) == 0x07 &&
                  offsetof(DspRegisterBlock, status) == 0x0B && offsetof(DspRegisterBlock, dummy) == 0x0F &&
                  offsetof(DspRegisterBlock, dataHigh) == 0x17 && offsetof(DspRegisterBlock, dataMiddle) == 0x1B &&
                  offsetof(DspRegisterBlock, dataLow) == 0x1F && sizeof(DspRegisterBlock) == 0x20,
              "host-port register block");

// Card types the plug-in tells apart.
constexpr int32_t kCardTypeProcess = 18;
constexpr int32_t kCardTypeOnyx = 21;
constexpr int32_t kCardTypeTDM2Probe = 29;
// DSP record flag of a 321 DSP.
constexpr DspRecordWord kDsp321Flag = 1u << 9;
// The shell identifier the plug-in gives its shells: 'Digi'.
constexpr DspRecordWord kDspShellIdentifier = 0x44696769;
