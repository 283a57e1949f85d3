// The host's single door into the plug-in: one routine per selector, each running one group operation under the
// context lock (where the routine table says so) and turning anything thrown into a result code.
#include "rtas/framework/CProcessGroupInterface.h"
#include "rtas/framework/GroupCall.h"
#include "rtas/framework/ModuleState.h"
#include "rtas/framework/ResultCodes.h"
#include "rtas/framework/host/PlugInRoutines.h"

namespace {

enum class LockMode { L, L98, L100 };

template <typename... P, typename... A>
SArgGroupFunc<P...> MakeCall(int32_t (CProcessGroupInterface::*operation)(P...), A... args)
{
    return SArgGroupFunc<P...>(operation, P(args)...);
}

bool RoutineLocks(LockMode mode)
{
    const int32_t level = rtas::GetHostInterfaceLevel();
    switch (mode) {
    case LockMode::L: return level != 0;
    case LockMode::L98: return level > 98;
    case LockMode::L100: return level >= 100;
    }
    return false;
}

// Host thread. Holds the context lock for the call when the routine locks; the lock is left on every path.
int32_t Dispatch(LockMode mode, SGenFuncRetLong& call)
{
    CProcessGroupInterface* group = rtas::GetModuleGroup();
    bool locked = false;
    if (group != nullptr && RoutineLocks(mode)) {
        try {
            group->Lock();
            locked = true;
        } catch (...) {
            return rtas::kUnexpected;
        }
    }
    const int32_t result = RunGroupCall(call);
    if (locked) {
        try {
            group->Unlock();
        } catch (...) {
        }
    }
    return result;
}

#define QOR_ROUTINE_INSTANCE(sel, name, lock, params, names)                                                         \
    int32_t QOR_ROUTINE_CALL Routine##sel(uint32_t typeNumber, int32_t index QOR_ROUTINE_TAIL params)                \
    {                                                                                                                \
        auto call = MakeCall(&CProcessGroupInterface::name, typeNumber, index QOR_ROUTINE_TAIL names);               \
        return Dispatch(LockMode::lock, call);                                                                       \
    }
// These answer the value the operation delivered, or 0 when it failed.
#define QOR_ROUTINE_VALUE(sel, name, lock, params, names)                                                            \
    int32_t QOR_ROUTINE_CALL Routine##sel(uint32_t typeNumber, int32_t index)                                        \
    {                                                                                                                \
        int32_t value = 0;                                                                                           \
        auto call = MakeCall(&CProcessGroupInterface::name, typeNumber, index, &value);                              \
        return Dispatch(LockMode::lock, call) == 0 ? value : 0;                                                      \
    }
#define QOR_ROUTINE_GROUP(sel, name, lock, params, names)                                                            \
    int32_t QOR_ROUTINE_CALL Routine##sel params                                                                     \
    {                                                                                                                \
        auto call = MakeCall(&CProcessGroupInterface::name QOR_ROUTINE_TAIL names);                                  \
        return Dispatch(LockMode::lock, call);                                                                       \
    }
#define QOR_ROUTINE_ZERO(sel)                                                                                        \
    int32_t QOR_ROUTINE_CALL Routine##sel() { return 0; }
QOR_PLUGIN_ROUTINES(QOR_ROUTINE_INSTANCE, QOR_ROUTINE_INSTANCE, QOR_ROUTINE_INSTANCE, QOR_ROUTINE_VALUE,
                    QOR_ROUTINE_GROUP, QOR_ROUTINE_ZERO)

int32_t QOR_ROUTINE_CALL Routine14(HostComponentCallback callback)
{
    auto call = MakeCall(&CProcessGroupInterface::SetHostCallback, callback);
    return Dispatch(LockMode::L, call);
}

int32_t QOR_ROUTINE_CALL Routine38(int32_t token)
{
    auto call = MakeCall(&CProcessGroupInterface::SetHostToken, token);
    return Dispatch(LockMode::L, call);
}

int32_t QOR_ROUTINE_CALL Routine98(int32_t* answer)
{
    if (answer != nullptr)
        *answer = 0;
    return 0;
}

struct RoutineTable
{
    PlugInRoutinePointer routines[kLastRoutineSelector + 1] = {};

    RoutineTable()
    {
#define QOR_ROUTINE_ENTRY(sel, ...) routines[sel] = reinterpret_cast<PlugInRoutinePointer>(&Routine##sel);
        QOR_PLUGIN_ROUTINES(QOR_ROUTINE_ENTRY, QOR_ROUTINE_ENTRY, QOR_ROUTINE_ENTRY, QOR_ROUTINE_ENTRY,
                            QOR_ROUTINE_ENTRY, QOR_ROUTINE_ENTRY)
#undef QOR_ROUTINE_ENTRY
        routines[14] = reinterpret_cast<PlugInRoutinePointer>(&Routine14);
        routines[38] = reinterpret_cast<PlugInRoutinePointer>(&Routine38);
        routines[98] = reinterpret_cast<PlugInRoutinePointer>(&Routine98);
    }
};

}  // namespace

extern "C" int32_t QOR_ROUTINE_CALL _PI_GetRoutineDescriptor(uint32_t selector, PlugInRoutinePointer* routine)
{
    static const RoutineTable table;
    if (routine == nullptr)
        return rtas::kNoRoutine;
    *routine = nullptr;
    if (selector > kLastRoutineSelector || table.routines[selector] == nullptr)
        return rtas::kNoRoutine;
    *routine = table.routines[selector];
    return 0;
}
