// The records the RTAS host and the plug-in pass each other by pointer through the plug-in's routines. Every field
// is a 32-bit word or smaller, so the layouts are the same on both sides of the boundary; the offsets the routines
// rely on are checked below and by the tests.
#pragma once

#include "rtas/framework/host/HostCall.h"

#include <cstddef>
#include <cstdint>

extern "C" {

// View geometry: four signed 16-bit coordinates, and a point with its vertical coordinate first.
struct Rect
{
    int16_t top;
    int16_t left;
    int16_t bottom;
    int16_t right;
};
struct Point
{
    int16_t v;
    int16_t h;
};

// A user-interface event as the host delivers it to a plug-in view.
struct EventRecord
{
    uint16_t what;
    uint32_t message;
    uint32_t when;
    Point where;
    uint16_t modifiers;
};

// The host's drawing port; the plug-in only passes it on to its views.
struct OpaqueGrafPort;
using OpaqueGrafPtr = OpaqueGrafPort*;

// The host's component-framework object; the plug-in only passes it on.
struct IACFUnknown;

// How the host names a plug-in type of a loaded plug-in. The plug-in reads and writes only the stem codes and the
// three identity words; the other words belong to the host.
struct SFicPlugInSpec
{
    int32_t inputStem;      // stem code; -3 asks for the type's own input and output stems
    int32_t outputStem;
    int32_t sideChainStem;
    int32_t hostWords[5];
    uint32_t manufacturerID;
    uint32_t typeID;
    int32_t typeNumber;
    int32_t reserved[2];
};
static_assert(sizeof(SFicPlugInSpec) == 52, "the host's plug-in request record is 52 bytes");
static_assert(offsetof(SFicPlugInSpec, manufacturerID) == 32, "manufacturer ID at byte 32");
static_assert(offsetof(SFicPlugInSpec, typeID) == 36, "type ID at byte 36");
static_assert(offsetof(SFicPlugInSpec, typeNumber) == 40, "type number at byte 40");

// A host chunk: this 56-byte header, then the body. The size counts header and body.
struct SFicPlugInChunk
{
    int32_t size;
    int32_t version;          // the group's version, stamped on get
    uint32_t manufacturerID;  // the group's manufacturer, stamped on get and checked on set and compare
    uint32_t productID;       // stamped by the type on get and checked on set and compare
    uint32_t typeID;
    uint32_t chunkID;         // 'elck', 'All ', ...
    int32_t flags;            // cleared on get
    uint8_t hostName[28];     // the host's label for the chunk; not read by the plug-in
    uint8_t body[1];
};
constexpr int32_t kPlugInChunkHeaderSize = 56;
static_assert(offsetof(SFicPlugInChunk, productID) == 12, "product ID at byte 12");
static_assert(offsetof(SFicPlugInChunk, typeID) == 16, "type ID at byte 16");
static_assert(offsetof(SFicPlugInChunk, chunkID) == 20, "chunk ID at byte 20");
static_assert(offsetof(SFicPlugInChunk, flags) == 24, "the word cleared on get at byte 24");
static_assert(offsetof(SFicPlugInChunk, body) == kPlugInChunkHeaderSize, "the body follows the 56-byte header");

// The records below pass through the plug-in without being read: the plug-in only hands them on or answers them
// with its defaults. Their layouts are this system's own (host/HostRecordChoices.md lists them).

// The three stem codes of a plug-in type: input, output and side chain.
struct SFicPlugInStemFormats
{
    int32_t inputStem;
    int32_t outputStem;
    int32_t sideChainStem;
};
// One stem of an instance: its stem code, the number of its first channel, and whether it is active (non-zero).
struct SFicPlugInStemInfo
{
    int32_t stemCode;
    int32_t firstChannel;
    int32_t active;
};
// A time-code position: the position in samples (high and low word), the frame rate code and flags.
struct SFicTimeCodeInfo
{
    int32_t positionHigh;
    uint32_t positionLow;
    int32_t frameRate;
    int32_t flags;
};
// An automation ramp of one control: first and last sample, and the control values there.
struct SFicAutoTimeRampData
{
    int32_t startSample;
    int32_t endSample;
    int32_t startValue;
    int32_t endValue;
};
// One automation element of the engine: control number, control value and the sample it applies from.
struct SFicTDMAutoElem
{
    int32_t control;
    int32_t value;
    int32_t sampleOffset;
};
// An AudioSuite region: start and end positions in samples (high and low word each) and its channel count.
struct SASPRegion
{
    int32_t startHigh;
    uint32_t startLow;
    int32_t endHigh;
    uint32_t endLow;
    int32_t channels;
};
// A list of files: the number of names and the host's array of length-prefixed names.
struct SFileList
{
    int32_t count;
    const unsigned char* const* names;
};
static_assert(sizeof(SFicPlugInStemFormats) == 12 && sizeof(SFicPlugInStemInfo) == 12, "three words each");
static_assert(sizeof(SFicTimeCodeInfo) == 16 && sizeof(SFicAutoTimeRampData) == 16, "four words each");
static_assert(sizeof(SFicTDMAutoElem) == 12 && sizeof(SASPRegion) == 20, "three and five words");
static_assert(offsetof(SFileList, names) == sizeof(int32_t) || sizeof(void*) != 4, "names after the count");

// The parameter block of a request to the host through its component callback. The plug-in fills the words the
// request needs; the host reads them.
struct ComponentRecord
{
    int32_t words[5];
};

// The host's component callback, handed over by routine 14: a 16-bit request code, a record, and the relocatable
// memory block that holds the request's words. Answers a 16-bit result.
using HostComponentCallback = int16_t(QOR_HOST_CALL*)(int16_t request, ComponentRecord* record, char** block);

// Identity words of a plug-in type beside its type ID: the product and the type's identity tag.
struct SFicTypeIdentity
{
    uint32_t productID;
    uint32_t tag;
};

}  // extern "C"
