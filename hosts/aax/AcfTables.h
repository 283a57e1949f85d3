// The binary interface between an AAX host and the plug-in file: interface identifiers, and every table of
// operations either side reaches through an interface pointer. An interface pointer points at an object whose first
// word is the address of its table; operation N is slot N of that table; slots 0..2 of every table of a counted
// object are query, add reference and release. No table has a destructor slot: an object is destroyed by its last
// release (string objects, which are not counted, have an explicit destroy in slot 0).
//
// Both sides use this header: the library's host proxies (aax/library) call the host's tables through it, and the
// stand-in host of hosts/aax fills them. The plug-in's own objects are C++ classes whose virtual tables have the same
// layout (no virtual destructor, query/add/release first); the host reaches them with acf::slot below.
//
// Decided here where the binary interface was open (keep this list when changing anything):
//  - Normalised parameter values cross as doubles (AAX_CParamValue, aax/library/AAX_Types.h); the effect's 32-bit
//    floats widen to doubles and narrow back without change.
//  - Booleans crossing the boundary (out values and results) are 32-bit integers, 0 false, 1 true.
//  - Texts the plug-in hands the host (identifiers, names, the bundle identifier, file names) are zero-terminated
//    8-bit texts. Texts the host asks the plug-in to fill are string objects with StringTable's layout.
//  - The effect-parameters and GUI factories take no arguments and return the new object's private unknown with
//    reference count 0; the host's first query takes the reference it keeps (FactoryFunction).
//  - The render callback gets the first and the end of an array of pointers to instance render contexts
//    (RenderCallback).
//  - Automation delegate operations 3..9: register, unregister, touch, release, post a set request, post the current
//    value, and ask the touch state (which the plug-in only passes through).
//  - Operations the plug-in only passes through for others (it calls none of them itself; see PassThrough) take
//    pointer-sized words: one each, unless the table gives their count. An argument that is a property map is the
//    map's host interface. Controller operation 22 writes an interface pointer through its one argument.
//  - GetParameterShortTitle takes (identifier, text, length), as the effect-parameters base declares it.
//  - The bundle identifier is passed with its enclosing double-quote characters, as the description writes it.
//  - A component's render callback is added with exactly (callback, property map); nothing further.
#pragma once

#include <cstddef>
#include <cstdint>

#include "aax/library/AAX_Types.h"

namespace acf {

using Result = int32_t;
using Bool32 = int32_t;

// 0x8000FFFF: an exception reached an export.
constexpr Result kUnexpected = static_cast<Result>(0x8000FFFFu);
// 0x80000004: query for an interface the object does not have.
constexpr Result kNoInterface = static_cast<Result>(0x80000004u);
// 0x80000005: the host claimed success for a factory query but gave no factory.
constexpr Result kNullFactory = static_cast<Result>(0x80000005u);
constexpr uint64_t kSdkVersion = 0x00000201007756BFull;

// A GUID in the host's binary layout.
struct Uid
{
    uint32_t data1;
    uint16_t data2;
    uint16_t data3;
    uint8_t data4[8];
};
static_assert(sizeof(Uid) == 16, "GUID is 16 bytes");

inline bool operator==(const Uid& a, const Uid& b)
{
    if (a.data1 != b.data1 || a.data2 != b.data2 || a.data3 != b.data3)
        return false;
    for (int i = 0; i < 8; ++i)
        if (a.data4[i] != b.data4[i])
            return false;
    return true;
}
inline bool operator!=(const Uid& a, const Uid& b) { return !(a == b); }

// Interface identifiers the plug-in's objects answer.
constexpr Uid kIidUnknown = {0x00000000, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr Uid kIidEffectParameters = {0x964E333D, 0x334C, 0x533F, {0xC2, 0xC7, 0x38, 0x34, 0xC3, 0xC2, 0x3E, 0x3E}};
constexpr Uid kIidEffectParametersV2 = {0xF1F47D06, 0x308F, 0x4CC5, {0x9C, 0x7C, 0x50, 0xA8, 0x3F, 0x8A, 0xB8, 0x13}};
constexpr Uid kIidEffectGui = {0x964E323D, 0x424C, 0x5E1A, {0x22, 0x27, 0x28, 0x24, 0x23, 0x22, 0x2E, 0x1E}};
// What ACFRegisterPlugin asks the host's collection object for.
constexpr Uid kIidPluginDefinition = {0x00EEF015, 0x7FD0, 0x11D6, {0x84, 0x85, 0x00, 0x30, 0x65, 0x42, 0xA0, 0x24}};

// Identifiers of the host's services.
constexpr Uid kIidComponentFactory = {0x382B6A96, 0x7FD0, 0x11D6, {0xBC, 0xFE, 0x00, 0x30, 0x65, 0x42, 0xA0, 0x24}};
constexpr Uid kClsCollection = {0x89882C2D, 0x77BC, 0x42EF, {0x70, 0x7B, 0x79, 0x81, 0xB7, 0xBD, 0x0C, 0xCA}};
constexpr Uid kIidCollection = {0x96D42C2D, 0xEBBC, 0x41DF, {0xB1, 0xAB, 0x99, 0x91, 0xA2, 0xEE, 0x0C, 0xCA}};
constexpr Uid kClsHostServices = {0x88882C2D, 0xEBBC, 0x42EF, {0xC0, 0xAB, 0x89, 0x81, 0xB0, 0xBD, 0x0C, 0xCA}};
constexpr Uid kIidHostServices = {0x96D42C2D, 0xEBBC, 0x41EF, {0xB0, 0xAB, 0x99, 0x91, 0xA0, 0xED, 0x0C, 0xCA}};
constexpr Uid kClsEffectDescriptor = {0x89872C2D, 0x75BC, 0x423F, {0x40, 0x1B, 0xF9, 0xA1, 0xBA, 0xAD, 0x0C, 0xCA}};
constexpr Uid kIidEffectDescriptor = {0x96D42C2D, 0xEBBC, 0x41EF, {0xD1, 0xCB, 0x49, 0x94, 0x42, 0xE4, 0x0F, 0xDA}};
constexpr Uid kIidEffectDescriptor2 = {0x41ECCC52, 0x416B, 0x4072, {0x84, 0xBD, 0x40, 0xB0, 0x52, 0x10, 0xA7, 0x4C}};
constexpr Uid kClsComponentDescriptor = {0x94872C3D, 0x95BC, 0x413D, {0xD0, 0xDB, 0xD9, 0xB1, 0x2A, 0xAD, 0x0C, 0xCA}};
constexpr Uid kIidComponentDescriptor = {0x96E42C2D, 0xE2BC, 0x51EF, {0x61, 0xC7, 0x48, 0x99, 0x4A, 0xEB, 0x0C, 0xDA}};
constexpr Uid kIidComponentDescriptor2 = {0x1895259E, 0xAAA9, 0x4F0F, {0xA9, 0x85, 0x14, 0x98, 0x37, 0xB7, 0x6F, 0x89}};
constexpr Uid kClsPropertyMap = {0xA587AD3D, 0xD53C, 0x4ADC, {0xD0, 0xDD, 0xD9, 0xD1, 0x2D, 0xDD, 0xDC, 0xDA}};
constexpr Uid kIidPropertyMap = {0x96EE2C2D, 0xEECC, 0x5EFF, {0xE2, 0xD7, 0xE8, 0x49, 0xE3, 0xE2, 0xEE, 0xEE}};
constexpr Uid kIidPropertyMap2 = {0x7177DF80, 0x7C9C, 0x11E2, {0xB9, 0x2A, 0x08, 0x00, 0x20, 0x0C, 0x9A, 0x66}};
constexpr Uid kIidController = {0x9D5E3E3D, 0x52DC, 0x5EFB, {0x20, 0x18, 0xDE, 0x1D, 0xE2, 0xE6, 0x3F, 0x4E}};
constexpr Uid kIidController2 = {0x4C59AA0E, 0xD7C0, 0x4205, {0x8B, 0x6C, 0x32, 0x46, 0x8D, 0x42, 0xD2, 0x02}};
constexpr Uid kIidTransport = {0x5CEE4EF4, 0x6337, 0x4359, {0xB6, 0x3B, 0xFE, 0x58, 0xDC, 0x36, 0x54, 0x3A}};
constexpr Uid kIidTransport2 = {0x203CBD9F, 0x982C, 0x4FE6, {0xA8, 0x27, 0x07, 0x48, 0x02, 0x57, 0xAE, 0xC3}};
constexpr Uid kIidAutomationDelegate = {0x9D5E3D3D, 0x42DC, 0x5EFA, {0x22, 0x17, 0xEE, 0xE2, 0xE8, 0xE5, 0x3E, 0x2E}};
constexpr Uid kIidViewContainer = {0x22DA0BBC, 0xD550, 0x4D5E, {0x8C, 0xC6, 0x73, 0x44, 0x83, 0xB8, 0x83, 0x7F}};

// Any interface pointer: an object whose first word is its table.
struct Object
{
    const void* table;
};

// Slots 0..2 of every counted object's table.
struct UnknownTable
{
    Result (*query)(void* self, const Uid* iid, void** out);
    uint32_t (*addReference)(void* self);
    uint32_t (*release)(void* self);
};

// A slot the plug-in never calls: its arguments are the host's business. Kept so later slots keep their numbers.
using ReservedSlot = void*;

// Operations the plug-in's proxies only pass through: their words go to the host unchanged, and the host's result
// comes back unchanged. The number says how many words an operation takes.
using PassThrough = Result (*)(void* self, void* a);
using PassThrough3 = Result (*)(void* self, void* a, void* b, void* c);
using PassThrough4 = Result (*)(void* self, void* a, void* b, void* c, void* d);
using PassThrough5 = Result (*)(void* self, void* a, void* b, void* c, void* d, void* e);
using PassThrough6 = Result (*)(void* self, void* a, void* b, void* c, void* d, void* e, void* f);

struct ComponentFactoryTable
{
    UnknownTable unknown;
    Result (*createInstance)(void* self, const Uid* classId, void* outer, const Uid* iid, void** out);  // 3
};

struct CollectionTable
{
    UnknownTable unknown;
    ReservedSlot reserved3, reserved4, reserved5, reserved6;
    Result (*addEffect)(void* self, const char* bundleIdentifier, void* effectDescriptor);  // 7
    Result (*setManufacturerName)(void* self, const char* name);                          // 8
    Result (*addPackageName)(void* self, const char* name);                               // 9
    Result (*setPackageVersion)(void* self, uint32_t version);                            // 10
    Result (*setProperties)(void* self, void* propertyMap);                               // 11
};

struct EffectDescriptorTable
{
    UnknownTable unknown;
    Result (*addComponent)(void* self, void* componentDescriptor);                          // 3
    Result (*addName)(void* self, const char* name);                                        // 4
    Result (*addCategory)(void* self, uint32_t categoryBits);                               // 5
    PassThrough operation6;                                                                 // 6
    Result (*addProcPtr)(void* self, void* factory, uint32_t kind);                         // 7
    Result (*setProperties)(void* self, void* propertyMap);                                 // 8
    Result (*addResourceInfo)(void* self, uint32_t kind, const char* fileName);             // 9
    PassThrough3 operation10;  // 10: the third word is a property map
    PassThrough4 operation11;  // 11, on the second interface
};

// Kinds of AddProcPtr.
constexpr uint32_t kProcEffectParameters = 0;
constexpr uint32_t kProcEffectGui = 1;

struct ComponentDescriptorTable
{
    UnknownTable unknown;
    PassThrough operation3;                                                                  // 3
    PassThrough operation4;                                                                  // 4
    Result (*addAudioIn)(void* self, int32_t field);                                         // 5
    Result (*addAudioOut)(void* self, int32_t field);                                        // 6
    Result (*addAudioBufferLength)(void* self, int32_t field);                               // 7
    PassThrough operation8, operation9, operation10;                                         // 8..10
    Result (*addDataInPort)(void* self, int32_t field, uint32_t packetSize, int32_t kind);  // 11
    PassThrough operation12;                                                                 // 12
    Result (*addPrivateData)(void* self, int32_t field, int32_t size, int32_t options);      // 13
    PassThrough operation14;                                                                 // 14
    PassThrough4 operation15;                                                                // 15
    Result (*addProcessProc)(void* self, void* renderCallback, void* propertyMap);          // 16
    PassThrough6 operation17;  // 17: the third word is a property map
    PassThrough operation18;   // 18
    PassThrough operation19;   // 19, on the second interface
};

struct PropertyMapTable
{
    UnknownTable unknown;
    Bool32 (*getProperty)(void* self, uint32_t number, int32_t* value);  // 3: 1 when held
    Result (*addProperty)(void* self, uint32_t number, int32_t value);   // 4
    PassThrough operation5;                                              // 5
    // On the second interface:
    PassThrough operation6;                 // 6
    Bool32 (*operation7)(void* self, void* a);  // 7: a yes or no
};

// Property numbers the description uses (10..351 is the range a duplicate copies).
constexpr uint32_t kPropertyFirst = 10;
constexpr uint32_t kPropertyLast = 351;

struct ControllerTable
{
    UnknownTable unknown;
    PassThrough operation3;                                                         // 3
    Result (*getSampleRate)(void* self, float* rate);                               // 4
    Result (*getInputStem)(void* self, uint32_t* stem);                             // 5
    Result (*getOutputStem)(void* self, uint32_t* stem);                            // 6
    PassThrough operation7, operation8, operation9;                                 // 7..9
    Result (*setSignalLatency)(void* self, int32_t samples);                        // 10
    PassThrough operation11;                                                        // 11
    Result (*postPacket)(void* self, int32_t port, const void* data, uint32_t size);  // 12
    PassThrough operation13, operation14, operation15, operation16, operation17, operation18,
        operation19;  // 13..19
    // On the second interface:
    PassThrough operation20, operation21;        // 20, 21
    Result (*operation22)(void* self, void** out);  // 22: an interface pointer through out
    PassThrough operation23;                     // 23
};

struct TransportTable
{
    UnknownTable unknown;
    Result (*getTempo)(void* self, double* beatsPerMinute);                              // 3
    Result (*getMeter)(void* self, int32_t* numerator, int32_t* denominator);            // 4
    Result (*isPlaying)(void* self, Bool32* playing);                                    // 5
    Result (*getTickPosition)(void* self, int64_t* ticks);                               // 6
    Result (*getLoop)(void* self, Bool32* looping, int64_t* startTick, int64_t* endTick);  // 7
    Result (*getSamplePosition)(void* self, int64_t* sample);                            // 8
    PassThrough operation9;                                                              // 9
    PassThrough5 operation10;                                                            // 10
    PassThrough operation11, operation12;                                                // 11, 12
    // On the second interface:
    Result (*getSelectionStart)(void* self, int64_t* sample);                   // 13
    Result (*getFrameRate)(void* self, int32_t* rateCode, int64_t* offset);     // 14
    PassThrough operation15, operation16;                                       // 15, 16
};

struct AutomationDelegateTable
{
    UnknownTable unknown;
    Result (*registerParameter)(void* self, AAX_CParamID id);                       // 3
    Result (*unregisterParameter)(void* self, AAX_CParamID id);                     // 4
    Result (*touch)(void* self, AAX_CParamID id);                                   // 5
    Result (*release)(void* self, AAX_CParamID id);                                 // 6
    Result (*postSetValueRequest)(void* self, AAX_CParamID id, AAX_CParamValue n);  // 7
    Result (*postCurrentValue)(void* self, AAX_CParamID id, AAX_CParamValue n);     // 8
    PassThrough operation9;                                                         // 9: touch state
};

// The size record of a view: two floats, vertical first.
struct ViewSize
{
    float vertical;
    float horizontal;
};

// Kind of the view a container holds; 3 is a native window (an HWND on Windows, an X11 Window on Linux).
constexpr int32_t kViewNativeWindow = 3;

struct ViewContainerTable
{
    UnknownTable unknown;
    int32_t (*getType)(void* self);                              // 3
    void* (*getView)(void* self);                                // 4
    PassThrough operation5;                                      // 5
    Result (*setViewSize)(void* self, const ViewSize* size);     // 6
    PassThrough operation7, operation8, operation9;              // 7..9
};

struct HostServicesTable
{
    UnknownTable unknown;
    PassThrough operation3;                                      // 3
    Result (*log)(void* self, int32_t level, const char* text);  // 4
};

// A string object the plug-in fills (not counted: slot 0 destroys it).
struct StringTable
{
    void (*destroy)(void* self);                             // 0
    uint32_t (*length)(const void* self);                    // 1
    uint32_t (*maxLength)(const void* self);                 // 2
    const char* (*text)(const void* self);                   // 3
    void (*set)(void* self, const char* text);               // 4
    void* (*assignText)(void* self, const char* text);       // 5: returns self
    void* (*assignString)(void* self, const void* other);    // 6: returns self
};

// The instance's render context as the host lays it out from the fields the description registers.
struct RenderContext
{
    float** inputs;         // field 0
    float** outputs;        // field 1
    int32_t* bufferLength;  // field 2
    int32_t* bypass;        // field 3: data port of packet port 3
    void** privateData;     // field 4: 8 bytes, the instance's own
};

using RenderCallback = void (*)(RenderContext* const* first, const void* end);
using FactoryFunction = void* (*)();

// The seven exports of the plug-in file.
using RegisterPluginFunction = Result (*)(void* hostUnknown, void** pluginDefinition);
using RegisterComponentFunction = Result (*)(void* hostUnknown, uint32_t index, void** componentDefinition);
using GetClassFactoryFunction = Result (*)(void* hostUnknown, const Uid* classId, const Uid* iid, void** out);
using CanUnloadNowFunction = Result (*)(void* hostUnknown);
using StartupFunction = Result (*)(void* hostUnknown);
using ShutdownFunction = Result (*)(void* hostUnknown);
using GetSdkVersionFunction = Result (*)(uint64_t* version);

// Operation n of the object's table, as a function of type Fn (whose first argument is the object).
template <typename Fn>
Fn slot(const void* object, int n)
{
    const void* const* table = *static_cast<const void* const* const*>(object);
    return reinterpret_cast<Fn>(const_cast<void*>(table[n]));
}

// The table of an interface pointer, typed.
template <typename Table>
const Table& tableOf(const void* object)
{
    return **static_cast<const Table* const*>(object);
}

}  // namespace acf

#define ACF_SLOT_AT(Table, member, n) \
    static_assert(offsetof(acf::Table, member) == (n) * sizeof(void*), #Table " operation " #n " is " #member)

ACF_SLOT_AT(UnknownTable, query, 0);
ACF_SLOT_AT(UnknownTable, addReference, 1);
ACF_SLOT_AT(UnknownTable, release, 2);
ACF_SLOT_AT(ComponentFactoryTable, createInstance, 3);
ACF_SLOT_AT(CollectionTable, addEffect, 7);
ACF_SLOT_AT(CollectionTable, setProperties, 11);
ACF_SLOT_AT(EffectDescriptorTable, addComponent, 3);
ACF_SLOT_AT(EffectDescriptorTable, addProcPtr, 7);
ACF_SLOT_AT(EffectDescriptorTable, addResourceInfo, 9);
ACF_SLOT_AT(EffectDescriptorTable, operation6, 6);
ACF_SLOT_AT(EffectDescriptorTable, operation10, 10);
ACF_SLOT_AT(EffectDescriptorTable, operation11, 11);
ACF_SLOT_AT(ComponentDescriptorTable, addAudioIn, 5);
ACF_SLOT_AT(ComponentDescriptorTable, addDataInPort, 11);
ACF_SLOT_AT(ComponentDescriptorTable, addPrivateData, 13);
ACF_SLOT_AT(ComponentDescriptorTable, addProcessProc, 16);
ACF_SLOT_AT(ComponentDescriptorTable, operation3, 3);
ACF_SLOT_AT(ComponentDescriptorTable, operation8, 8);
ACF_SLOT_AT(ComponentDescriptorTable, operation14, 14);
ACF_SLOT_AT(ComponentDescriptorTable, operation15, 15);
ACF_SLOT_AT(ComponentDescriptorTable, operation17, 17);
ACF_SLOT_AT(ComponentDescriptorTable, operation19, 19);
ACF_SLOT_AT(PropertyMapTable, getProperty, 3);
ACF_SLOT_AT(PropertyMapTable, addProperty, 4);
ACF_SLOT_AT(PropertyMapTable, operation5, 5);
ACF_SLOT_AT(PropertyMapTable, operation7, 7);
ACF_SLOT_AT(ControllerTable, getSampleRate, 4);
ACF_SLOT_AT(ControllerTable, setSignalLatency, 10);
ACF_SLOT_AT(ControllerTable, postPacket, 12);
ACF_SLOT_AT(ControllerTable, operation3, 3);
ACF_SLOT_AT(ControllerTable, operation11, 11);
ACF_SLOT_AT(ControllerTable, operation13, 13);
ACF_SLOT_AT(ControllerTable, operation19, 19);
ACF_SLOT_AT(ControllerTable, operation20, 20);
ACF_SLOT_AT(ControllerTable, operation22, 22);
ACF_SLOT_AT(ControllerTable, operation23, 23);
ACF_SLOT_AT(TransportTable, getTempo, 3);
ACF_SLOT_AT(TransportTable, getSamplePosition, 8);
ACF_SLOT_AT(TransportTable, operation9, 9);
ACF_SLOT_AT(TransportTable, operation10, 10);
ACF_SLOT_AT(TransportTable, operation12, 12);
ACF_SLOT_AT(TransportTable, getSelectionStart, 13);
ACF_SLOT_AT(TransportTable, getFrameRate, 14);
ACF_SLOT_AT(TransportTable, operation16, 16);
ACF_SLOT_AT(AutomationDelegateTable, registerParameter, 3);
ACF_SLOT_AT(AutomationDelegateTable, postCurrentValue, 8);
ACF_SLOT_AT(AutomationDelegateTable, operation9, 9);
ACF_SLOT_AT(ViewContainerTable, getType, 3);
ACF_SLOT_AT(ViewContainerTable, operation5, 5);
ACF_SLOT_AT(ViewContainerTable, setViewSize, 6);
ACF_SLOT_AT(ViewContainerTable, operation9, 9);
ACF_SLOT_AT(HostServicesTable, operation3, 3);
ACF_SLOT_AT(HostServicesTable, log, 4);
ACF_SLOT_AT(StringTable, assignString, 6);

// The render context's fields are 8 bytes each on the 64-bit host.
#if UINTPTR_MAX == 0xFFFFFFFFFFFFFFFFu
static_assert(offsetof(acf::RenderContext, inputs) == 0 && offsetof(acf::RenderContext, outputs) == 8 &&
                  offsetof(acf::RenderContext, bufferLength) == 16 && offsetof(acf::RenderContext, bypass) == 24 &&
                  offsetof(acf::RenderContext, privateData) == 32 && sizeof(acf::RenderContext) == 40,
              "render context fields");
#endif
