// The one object through which the host reaches the plug-in: an operation for every host routine, each with its
// default answer, the group-wide settings and the context-lock protocol. Every operation runs on a host thread; the
// dispatcher holds the context lock around all but a few (see the routine table).
#pragma once

#include "rtas/framework/RoutineDefaults.h"
#include "rtas/framework/host/PlugInRoutines.h"

#include <cstddef>
#include <cstdint>

class CProcessGroupInterface
{
public:
    // Records some callers use to name an instance (and a control, parameter or stem of it) in one argument. Their
    // adapters below widen the 16-bit fields and call the operation.
    struct SProcessSpecifier
    {
        int16_t typeNumber;
        int16_t index;
    };
    struct SControlSpecifier
    {
        int16_t typeNumber;
        int16_t index;
        int32_t control;
    };
    struct SParamSpecifier
    {
        int16_t typeNumber;
        int16_t index;
        int32_t control;
        int32_t value;
    };
    struct SStemSpecifier
    {
        int16_t typeNumber;
        int16_t index;
        int32_t kind;
    };

    CProcessGroupInterface();
    virtual ~CProcessGroupInterface() = default;

    virtual int32_t Initialize() { return 0; }
    // True for selectors 0 to 173 and -6 to -1.
    virtual bool IsSelectorSupported(int16_t selector) const;
    virtual int32_t GetVersion() const { return 1; }

#define QOR_GROUP_INSTANCE_OPERATION(sel, name, lock, params, names)                                                 \
    virtual int32_t name(uint32_t typeNumber, int32_t index QOR_ROUTINE_TAIL params)                                 \
    {                                                                                                                \
        return rtas::GroupDefault<sel>(typeNumber, index QOR_ROUTINE_TAIL names);                                    \
    }
#define QOR_GROUP_OWN_OPERATION(sel, name, lock, params, names)                                                      \
    virtual int32_t name params { return rtas::GroupDefault<sel> names; }
#define QOR_GROUP_SKIP(...)
    QOR_PLUGIN_ROUTINES(QOR_GROUP_INSTANCE_OPERATION, QOR_GROUP_INSTANCE_OPERATION, QOR_GROUP_INSTANCE_OPERATION,
                        QOR_GROUP_INSTANCE_OPERATION, QOR_GROUP_OWN_OPERATION, QOR_GROUP_SKIP)
#undef QOR_GROUP_INSTANCE_OPERATION
#undef QOR_GROUP_OWN_OPERATION
#undef QOR_GROUP_SKIP

    // Routine 14: keeps the host's component callback for the whole module.
    virtual int32_t SetHostCallback(HostComponentCallback callback);
    // Routine 38: the word sent as the third word of every request to the host.
    int32_t SetHostToken(int32_t token);
    int32_t GetHostToken() const { return fHostToken; }
    const int32_t* GetHostTokenAddress() const { return &fHostToken; }

    // The context lock, counted by nesting level. Lock answers the new level; TryLock enters only when the lock is
    // free; Unlock answers the new level.
    virtual int32_t Lock() { return 0; }
    virtual bool TryLock() { return true; }
    virtual int32_t Unlock() { return 0; }
    // Leaves the lock completely while the host idles, then enters it as often as before.
    virtual void IdleWithLockReleased() {}
    virtual void SetHostInterfaceLevel(int32_t level);

    // Requests to the host through its callback (request codes 10, 11, 12, 14): a host memory block holds the two
    // arguments, the host token and the further words. -7175 without a callback, -7176 without memory.
    int32_t RequestHost10(int32_t a, int32_t b, int32_t c, int32_t d);
    int32_t RequestHost11(int32_t a, int32_t b);
    int32_t RequestHost12(int32_t a, int32_t b, int32_t c);
    int32_t RequestHost14(int32_t a, int32_t b, int32_t c);

    // Hooks and queries no routine reaches: the hooks and the first and third query answer 0, the second -7102.
    virtual int32_t GroupHookA() { return 0; }
    virtual int32_t GroupHookB() { return 0; }
    virtual int32_t GroupHookC() { return 0; }
    virtual int32_t GroupQueryA() { return 0; }
    virtual int32_t GroupQueryB();
    virtual int32_t GroupQueryC() { return 0; }
    // Requests to the host through the callback of routine 14 (-7175 without one): three and two words, and a query
    // whose answer the host writes into *result.
    virtual int32_t HostServiceA(int32_t a, int32_t b, int32_t c);
    virtual int32_t HostServiceB(int32_t a, int32_t b);
    virtual int32_t HostServiceC(int32_t a, int32_t* result);

    // The adapters of the specifier records. Same thread and lock as the operation they call.
    int32_t DeleteProcessOf(const SProcessSpecifier& instance);
    int32_t GetControlValueOf(const SControlSpecifier& control, int32_t* value);
    int32_t SetControlValueOf(const SParamSpecifier& parameter);
    int32_t GetStemNameOf(const SStemSpecifier& stem, int32_t maxLength, unsigned char* name);

    virtual int32_t GetEngineSettingA() const { return fEngineSettingA; }
    virtual int32_t GetEngineSettingB() const { return fEngineSettingB; }
    virtual int32_t GetSampleRate() const { return fSampleRate; }

protected:
    int32_t fRoutine122Value = 0;
    int32_t fSampleRate = 44100;
    int32_t fEngineSettingA = 5;
    int32_t fEngineSettingB = 0;

private:
    int32_t SendRequest(int16_t request, int32_t size, const int32_t* words, int32_t count);

    int32_t fHostToken = 0;
};

static_assert(sizeof(CProcessGroupInterface::SProcessSpecifier) == 4, "type number and index, 16 bits each");
static_assert(sizeof(CProcessGroupInterface::SControlSpecifier) == 8 &&
                  offsetof(CProcessGroupInterface::SControlSpecifier, control) == 4,
              "the control after type number and index");
static_assert(sizeof(CProcessGroupInterface::SParamSpecifier) == 12 &&
                  offsetof(CProcessGroupInterface::SParamSpecifier, value) == 8,
              "the value after the control");
static_assert(sizeof(CProcessGroupInterface::SStemSpecifier) == 8 &&
                  offsetof(CProcessGroupInterface::SStemSpecifier, kind) == 4,
              "the stem kind after type number and index");
