// The one object through which the host reaches the plug-in: an operation for every host routine, each with its
// default answer, the group-wide settings and the context-lock protocol. Every operation runs on a host thread; the
// dispatcher holds the context lock around all but a few (see the routine table).
#pragma once

#include "rtas/framework/RoutineDefaults.h"
#include "rtas/framework/host/PlugInRoutines.h"

#include <cstdint>

class CProcessGroupInterface
{
public:
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
