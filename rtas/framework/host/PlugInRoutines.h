// The plug-in's routines as the RTAS host calls them: for every selector from 0 to 173, its argument list, whether
// the plug-in runs it under the host's context lock, and which of its objects answers it. One table, read by the
// plug-in (which builds its routines and its group, type and instance operations from it) and by the host kit
// (which calls each routine through the pointer type of its selector), so the two sides cannot disagree.
//
// Calling convention: every routine, and _PI_GetRoutineDescriptor itself, is a C function with the caller-cleans
// convention (cdecl). A host that passes a routine more words than it reads cannot unbalance the stack that way,
// and the constant routines read no arguments at all.
//
// Argument lists: a routine that reaches an instance takes the type number (unsigned 32-bit, the type's 1-based
// position in the group) and the instance index (signed 32-bit) first, then the words of the table row. Every
// argument is one 32-bit word; answers are written through pointers the host passes; 16-bit and byte arguments
// arrive widened in a 32-bit word, as the x86 convention passes them.
#pragma once

#include "rtas/framework/host/HostCall.h"
#include "rtas/framework/host/PlugInRecords.h"

#include <cstdint>

#if defined(__i386__)
#define QOR_ROUTINE_CALL __attribute__((cdecl))
#else
#define QOR_ROUTINE_CALL
#endif

// A 16-byte interface identifier.
struct HostGUID
{
    uint32_t data1;
    uint16_t data2;
    uint16_t data3;
    uint8_t data4[8];
};
static_assert(sizeof(HostGUID) == 16, "an interface identifier is 16 bytes");

// How a routine runs:
//   L     under the context lock
//   L98   under the lock when the host interface level is above 98
//   L100  under the lock when the level is 100 or more
// Who answers it:
//   FWD(sel, name, lock, (arguments), (names))   the instance, through group and type, unchanged on the way
//   FWT(...)   the group forwards to the type, which answers itself or adds its own checks
//   FWG(...)   the group adds a step of its own before or after forwarding
//   VAL(...)   forwarded like FWD; the routine answers the value the operation wrote, not a result code
//   GRP(sel, name, lock, (arguments), (names))   the group itself; the arguments are the routine's whole list
//   ZERO(sel)  answers 0 at once, touching nothing
// Selectors 14, 38 and 98 are not in the table: 14 hands the group the host's callback, 38 sets the group's host
// token, 98 writes 0 into its answer word; their lists are given below the table.
#define QOR_PLUGIN_ROUTINES(FWD, FWT, FWG, VAL, GRP, ZERO)                                                           \
    FWD(0, UpdateRect, L98, (const Rect* rect), (rect))                                                              \
    FWD(1, HandleEvent, L, (const EventRecord* event), (event))                                                      \
    FWD(2, HandleEventWithReply, L, (const EventRecord* event, uint8_t* taken), (event, taken))                      \
    FWD(3, HandleIdleEvent, L, (), ())                                                                               \
    FWG(4, GetViewRect, L, (Rect* rect), (rect))                                                                     \
    GRP(5, GetTypeName, L, (uint32_t typeNumber, int32_t maxLength, unsigned char* name), (typeNumber, maxLength, name)) \
    GRP(6, GetTypeIDs, L, (uint32_t typeNumber, uint32_t* manufacturerID, uint32_t* typeID, SFicTypeIdentity* identity), \
        (typeNumber, manufacturerID, typeID, identity))                                                              \
    GRP(7, SetSampleRate, L, (int32_t rate), (rate))                                                                 \
    FWD(8, Routine8, L, (), ())                                                                                      \
    FWD(9, Routine9, L, (), ())                                                                                      \
    FWT(10, Routine10, L, (int16_t* inputs), (inputs))                                                               \
    GRP(12, GetManufacturerName, L, (int32_t maxLength, unsigned char* name), (maxLength, name))                     \
    FWT(15, Routine15, L, (HostWord argument), (argument))                                                           \
    GRP(16, Routine16, L, (HostWord argument), (argument))                                                           \
    FWT(17, Routine17, L, (int16_t* outputs), (outputs))                                                             \
    GRP(18, Routine18, L, (HostWord argument), (argument))                                                           \
    GRP(19, CreateProcess, L, (uint32_t typeNumber, int32_t* index), (typeNumber, index))                            \
    GRP(20, DeleteProcess, L, (uint32_t typeNumber, int32_t index), (typeNumber, index))                             \
    GRP(22, CountTypes, L, (int16_t* count), (count))                                                                \
    FWD(23, Routine23, L, (int32_t word), (word))                                                                    \
    FWD(24, Routine24, L, (int32_t word), (word))                                                                    \
    FWT(25, Routine25, L, (int32_t* answer), (answer))                                                               \
    FWD(27, Routine27, L, (int32_t connection, uint8_t* answer), (connection, answer))                               \
    FWD(28, Routine28, L, (int32_t connection, uint8_t* answer), (connection, answer))                               \
    FWD(29, Routine29, L, (int32_t connection, uint8_t* answer), (connection, answer))                               \
    FWD(30, Routine30, L, (int32_t connection, void* record), (connection, record))                                  \
    FWD(31, Routine31, L, (int32_t connection), (connection))                                                        \
    FWD(32, Routine32, L, (int32_t connection, void* record), (connection, record))                                  \
    FWD(33, Routine33, L, (int32_t connection), (connection))                                                        \
    GRP(35, HostQuery35, L, (int32_t question, int32_t* answer), (question, answer))                                 \
    GRP(36, Routine36, L, (int32_t* kind, int32_t* word, uint32_t typeNumber, int32_t index), (kind, word, typeNumber, index)) \
    GRP(37, Routine37, L, (HostWord argument), (argument))                                                           \
    FWT(39, SetBypass, L, (int32_t bypass), (bypass))                                                                \
    FWD(40, GetNumControls, L, (int32_t* count), (count))                                                            \
    FWD(41, GetControlAutomatable, L, (int32_t control, int16_t* automatable), (control, automatable))               \
    FWD(42, GetControlNumSteps, L, (int32_t control, int32_t* steps), (control, steps))                              \
    ZERO(43)                                                                                                         \
    FWD(44, GetControlName, L, (int32_t control, unsigned char* name), (control, name))                              \
    FWD(45, GetControlValue, L, (int32_t control, int32_t* value), (control, value))                                 \
    FWD(46, SetControlValue, L, (int32_t control, int32_t value), (control, value))                                  \
    FWG(47, SetViewPort, L98, (OpaqueGrafPtr port), (port))                                                          \
    FWG(48, Routine48, L, (int32_t point), (point))                                                                  \
    FWD(49, Routine49, L, (), ())                                                                                    \
    FWD(50, Routine50, L, (HostWord argument), (argument))                                                           \
    FWD(51, GetBypass, L, (uint8_t* bypassed), (bypassed))                                                           \
    FWD(52, Routine52, L, (int32_t* answer), (answer))                                                               \
    FWD(53, GetNumMeters, L, (int32_t* count), (count))                                                              \
    FWD(54, GetMeterValues, L, (int32_t which, int32_t* value), (which, value))                                      \
    FWD(55, Routine55, L, (HostWord argument), (argument))                                                           \
    ZERO(56)                                                                                                         \
    ZERO(57)                                                                                                         \
    ZERO(58)                                                                                                         \
    FWT(59, Routine59, L, (), ())                                                                                    \
    FWD(62, GetChunkCount, L, (int32_t* count), (count))                                                             \
    FWD(63, GetChunkID, L, (int32_t position, uint32_t* chunkID), (position, chunkID))                               \
    FWD(64, GetChunkName, L, (uint32_t chunkID, unsigned char* name), (chunkID, name))                               \
    FWD(65, GetChunkSize, L, (uint32_t chunkID, int32_t* size), (chunkID, size))                                     \
    FWT(66, GetChunk, L, (uint32_t chunkID, SFicPlugInChunk* chunk), (chunkID, chunk))                               \
    FWT(67, SetChunk, L, (uint32_t chunkID, const SFicPlugInChunk* chunk), (chunkID, chunk))                         \
    GRP(68, FindTypeForSpec, L, (SFicPlugInSpec* spec), (spec))                                                      \
    GRP(69, Routine69, L, (int32_t flag), (flag))                                                                    \
    GRP(70, Routine70, L, (HostWord argument), (argument))                                                           \
    FWT(71, Routine71, L, (int32_t flag), (flag))                                                                    \
    GRP(72, Routine72, L, (int32_t flag), (flag))                                                                    \
    VAL(73, Routine73, L, (int32_t* value), (value))                                                                 \
    VAL(74, Routine74, L, (int32_t* value), (value))                                                                 \
    GRP(75, Routine75, L100, (), ())                                                                                 \
    ZERO(76)                                                                                                         \
    ZERO(77)                                                                                                         \
    ZERO(78)                                                                                                         \
    FWT(79, Routine79, L, (int16_t* answer), (answer))                                                               \
    FWD(80, GetDelaySamplesShort, L, (int16_t* delay), (delay))                                                      \
    FWD(81, NudgeControlValue, L, (int32_t control, int32_t delta), (control, delta))                                \
    FWD(82, GetControlAttributeA, L, (int32_t control, int32_t* answer), (control, answer))                          \
    ZERO(83)                                                                                                         \
    ZERO(84)                                                                                                         \
    FWD(85, GetInstanceNameID, L, (int32_t* nameID), (nameID))                                                       \
    FWD(86, GetControlNameID, L, (int32_t control, int32_t* nameID), (control, nameID))                              \
    FWD(87, GetFocusedControl, L, (HostWord view, int32_t* control), (view, control))                                \
    FWD(88, GetControlAttributeB, L, (int32_t control, int32_t* answer), (control, answer))                          \
    FWD(89, GetControlAttributeC, L, (int32_t control, int32_t* answer), (control, answer))                          \
    FWD(90, GetControlTextForSurface, L, (int32_t control, int32_t value, int32_t maxLength, unsigned char* text),   \
        (control, value, maxLength, text))                                                                           \
    GRP(91, MarkType, L, (uint32_t typeID), (typeID))                                                                \
    FWT(92, Routine92, L, (int32_t* kind), (kind))                                                                   \
    GRP(93, GetGestalt, L, (uint32_t typeNumber, int32_t code, int32_t* answer), (typeNumber, code, answer))         \
    FWD(94, Routine94, L, (HostWord argument), (argument))                                                           \
    FWD(95, Routine95, L, (HostWord argument), (argument))                                                           \
    FWD(96, Routine96, L, (HostWord argument), (argument))                                                           \
    FWD(97, Routine97, L, (HostWord argument), (argument))                                                           \
    FWD(99, UpdateControlValue, L, (int32_t control, int32_t value), (control, value))                               \
    FWD(100, IncrementControlValue, L, (int32_t control, int32_t delta), (control, delta))                           \
    FWD(101, PropagateConnectionInfo, L, (HostWord record), (record))                                                \
    FWD(102, Routine102, L, (HostWord argument), (argument))                                                         \
    FWD(103, Routine103, L, (HostWord argument), (argument))                                                         \
    FWD(104, Routine104, L, (int32_t* runningSum), (runningSum))                                                     \
    FWD(105, Routine105, L100, (int32_t* runningSum), (runningSum))                                                  \
    FWG(108, GetStemName, L, (int32_t kind, int32_t maxLength, unsigned char* name), (kind, maxLength, name))        \
    FWD(109, GetControlDefaultValue, L, (int32_t control, int32_t* value), (control, value))                         \
    FWD(110, GetControlChangeCount, L, (int32_t* count), (count))                                                    \
    GRP(111, SetEngineSettings, L, (const int32_t* settings), (settings))                                            \
    ZERO(112)                                                                                                        \
    ZERO(113)                                                                                                        \
    ZERO(114)                                                                                                        \
    ZERO(115)                                                                                                        \
    ZERO(116)                                                                                                        \
    ZERO(117)                                                                                                        \
    ZERO(118)                                                                                                        \
    ZERO(119)                                                                                                        \
    FWT(120, GetPageTableEntryCount, L, (uint32_t tableType, int32_t kind, int32_t* count), (tableType, kind, count)) \
    FWT(121, GetPageTableEntry, L, (uint32_t tableType, int32_t kind, int32_t page, int32_t slot, int32_t* value),    \
        (tableType, kind, page, slot, value))                                                                        \
    GRP(122, Routine122, L, (HostWord first, int32_t second), (first, second))                                       \
    GRP(123, Routine123, L, (HostWord argument), (argument))                                                         \
    GRP(124, Routine124, L, (HostWord argument), (argument))                                                         \
    GRP(125, Routine125, L, (int32_t value), (value))                                                                \
    FWD(126, GetControlHighlight, L, (int32_t control, uint8_t* on, int32_t* colour), (control, on, colour))         \
    FWD(127, SetControlHighlightColour, L, (int32_t control, int32_t on, int32_t colour), (control, on, colour))     \
    FWT(128, CompareChunk, L, (uint32_t chunkID, const SFicPlugInChunk* chunk, uint8_t* equal), (chunkID, chunk, equal)) \
    FWT(129, HasPageTable, L, (uint32_t tableType, int32_t kind, uint8_t* has), (tableType, kind, has))              \
    FWD(130, SetRoutine130Value, L, (int32_t value), (value))                                                        \
    FWD(131, GetControlNameOfLength, L, (int32_t control, int32_t maxLength, unsigned char* name), (control, maxLength, name)) \
    FWD(132, GetMasterBypassControl, L, (int32_t* control), (control))                                               \
    FWT(133, Routine133, L, (HostWord argument, int32_t* answer), (argument, answer))                                \
    FWT(134, Routine134, L, (int32_t* setting), (setting))                                                           \
    FWD(135, GetFlaggedBypassControl, L, (int32_t flags, int32_t* control), (flags, control))                        \
    GRP(136, HostQuery136, L, (int32_t kind, int32_t count, int32_t* first, int32_t* second), (kind, count, first, second)) \
    FWT(137, Routine137, L, (int32_t* stems), (stems))                                                               \
    GRP(138, FindTypeForStems, L, (SFicPlugInSpec* spec, int32_t kind, int32_t inputStem, int32_t outputStem,         \
        int32_t inputFlag, int32_t outputFlag), (spec, kind, inputStem, outputStem, inputFlag, outputFlag))          \
    FWD(139, SetPlugInSpec, L, (const SFicPlugInSpec* spec), (spec))                                                 \
    FWD(140, GetPlugInSpec, L, (SFicPlugInSpec* spec), (spec))                                                       \
    FWD(141, Routine141, L, (HostWord argument), (argument))                                                         \
    FWD(142, Routine142, L, (int16_t* first, int16_t* second), (first, second))                                     \
    FWD(143, Routine143, L, (HostWord argument), (argument))                                                         \
    FWD(144, Routine144, L100, (), ())                                                                               \
    FWD(145, GetDelaySamples, L, (int32_t* delay), (delay))                                                          \
    FWD(146, GetMeterOrientation, L, (int32_t meter, int32_t* orientation), (meter, orientation))                    \
    FWD(147, CountMetersOfType, L, (int32_t meterType, int32_t* count), (meterType, count))                          \
    FWD(148, FindMeterOfType, L, (int32_t meterType, int32_t n, int32_t* position), (meterType, n, position))        \
    FWD(149, GetClip, L, (uint8_t* clip), (clip))                                                                    \
    FWD(150, ClearClip, L, (), ())                                                                                   \
    FWD(151, Routine151, L, (HostWord argument), (argument))                                                         \
    FWD(152, Routine152, L, (HostWord argument), (argument))                                                         \
    FWD(153, Routine153, L, (HostWord argument), (argument))                                                         \
    FWD(154, Routine154, L, (HostWord argument), (argument))                                                         \
    FWD(155, Routine155, L, (HostWord argument), (argument))                                                         \
    FWD(156, Routine156, L, (), ())                                                                                  \
    FWD(157, Routine157, L, (HostWord argument), (argument))                                                         \
    FWD(158, CountOwnConnections, L, (int32_t* count), (count))                                                      \
    FWD(159, GetOwnConnection, L, (int32_t position, int32_t* connection), (position, connection))                   \
    FWD(160, Routine160, L, (HostWord argument), (argument))                                                         \
    FWD(161, Routine161, L, (HostWord argument), (argument))                                                         \
    FWD(162, Routine162, L, (HostWord argument), (argument))                                                         \
    FWD(163, Routine163, L, (HostWord argument), (argument))                                                         \
    FWD(164, Routine164, L, (HostWord argument), (argument))                                                         \
    FWD(165, Routine165, L, (HostWord argument), (argument))                                                         \
    FWT(166, Routine166, L, (int32_t* first, int32_t* second), (first, second))                                      \
    FWT(167, Routine167, L, (int32_t* answer), (answer))                                                             \
    FWD(168, Routine168, L, (HostWord argument), (argument))                                                         \
    FWD(169, Routine169, L, (HostWord argument), (argument))                                                         \
    FWD(170, Routine170, L, (HostWord argument), (argument))                                                         \
    FWD(171, Routine171, L, (HostWord argument), (argument))                                                         \
    FWT(172, Routine172, L, (const HostGUID* iid, void** object), (iid, object))                                     \
    FWD(173, Routine173, L, (HostWord argument), (argument))

// The highest selector that has a routine; every selector above it answers "no routine".
constexpr uint32_t kLastRoutineSelector = 173;

// Pointer types of the routines, by selector: PlugInRoutine<selector>::Type.
template <int Selector>
struct PlugInRoutine;

#define QOR_ROUTINE_UNPACK(...) __VA_ARGS__
#define QOR_ROUTINE_TYPE_INSTANCE(sel, name, lock, params, names)                                                    \
    template <>                                                                                                      \
    struct PlugInRoutine<sel>                                                                                        \
    {                                                                                                                \
        using Type = int32_t(QOR_ROUTINE_CALL*)(uint32_t typeNumber, int32_t index QOR_ROUTINE_TAIL params);          \
    };
#define QOR_ROUTINE_TAIL(...) __VA_OPT__(, ) __VA_ARGS__
// Routines 73 and 74 take only the type number and the instance index, and answer the value itself.
#define QOR_ROUTINE_TYPE_VALUE(sel, name, lock, params, names)                                                       \
    template <>                                                                                                      \
    struct PlugInRoutine<sel>                                                                                        \
    {                                                                                                                \
        using Type = int32_t(QOR_ROUTINE_CALL*)(uint32_t typeNumber, int32_t index);                                 \
    };
#define QOR_ROUTINE_TYPE_GROUP(sel, name, lock, params, names)                                                       \
    template <>                                                                                                      \
    struct PlugInRoutine<sel>                                                                                        \
    {                                                                                                                \
        using Type = int32_t(QOR_ROUTINE_CALL*) params;                                                              \
    };
#define QOR_ROUTINE_TYPE_ZERO(sel)                                                                                   \
    template <>                                                                                                      \
    struct PlugInRoutine<sel>                                                                                        \
    {                                                                                                                \
        using Type = int32_t(QOR_ROUTINE_CALL*)(void);                                                               \
    };
QOR_PLUGIN_ROUTINES(QOR_ROUTINE_TYPE_INSTANCE, QOR_ROUTINE_TYPE_INSTANCE, QOR_ROUTINE_TYPE_INSTANCE,
                    QOR_ROUTINE_TYPE_VALUE, QOR_ROUTINE_TYPE_GROUP, QOR_ROUTINE_TYPE_ZERO)
template <>
struct PlugInRoutine<14>
{
    // Hands the group the host's component callback.
    using Type = int32_t(QOR_ROUTINE_CALL*)(HostComponentCallback callback);
};
template <>
struct PlugInRoutine<38>
{
    // The word the group sends as the third word of every request to the host.
    using Type = int32_t(QOR_ROUTINE_CALL*)(int32_t token);
};
template <>
struct PlugInRoutine<98>
{
    using Type = int32_t(QOR_ROUTINE_CALL*)(int32_t* answer);
};

// Any routine as the descriptor hands it out; cast it to PlugInRoutine<selector>::Type before calling.
using PlugInRoutinePointer = void(QOR_ROUTINE_CALL*)(void);

extern "C" {
// Stores the routine of selector in *routine and answers 0, or stores null and answers -9007 when the selector has
// no routine. Any host thread.
int32_t QOR_ROUTINE_CALL _PI_GetRoutineDescriptor(uint32_t selector, PlugInRoutinePointer* routine);
}
