#include "rtas/framework/dsp/DSPClientEntry.h"

#include "rtas/framework/ResultCodes.h"
#include "rtas/framework/ScopedGroupLock.h"
#include "rtas/framework/dsp/CDSP.h"
#include "rtas/framework/dsp/DsiQueries.h"

#include <exception>

namespace {

constexpr HostWord kFirstSelector = 256;
constexpr HostWord kLastSelector = 273;

// The chip object registered as the DSP's client value. Only a live object answers: a value left behind by an
// object that is gone gives the lookup's error rather than a call through it.
HostWord findObject(HostWord clientRecord, CDSP** object)
{
    *object = nullptr;
    if (clientRecord == 0)
        return rtas::kMissingObject;
    HostWord value = 0;
    const HostWord result = rtas::dsp::GetDSPClientVal(clientRecord, &value);
    if (result != 0)
        return result;
    *object = CDSP::FindLive(value);
    return *object != nullptr ? 0 : rtas::kMissingObject;
}

template <bool kGuarded, typename Call>
HostWord route(HostWord clientRecord, Call call)
{
    CDSP* object = nullptr;
    const HostWord found = findObject(clientRecord, &object);
    if (found != 0)
        return found;
    if (kGuarded)
    {
        ScopedGroupLock lock;
        return call(*object);
    }
    return call(*object);
}

HostWord wordPointer(HostWord a)
{
    return a;
}

#define QOR_ROUTINE(name, guarded, body)                                                    \
    HostWord QOR_HOST_CALL name(HostWord record, HostWord a, HostWord b, HostWord c)       \
    {                                                                                       \
        (void)a;                                                                            \
        (void)b;                                                                            \
        (void)c;                                                                            \
        return route<guarded>(record, [&](CDSP& dsp) -> HostWord { return body; });        \
    }

QOR_ROUTINE(readX, true, dsp.GetXWord(a, reinterpret_cast<HostWord*>(wordPointer(b))))
QOR_ROUTINE(readY, true, dsp.GetYWord(a, reinterpret_cast<HostWord*>(wordPointer(b))))
QOR_ROUTINE(readP, true, dsp.GetPWord(a, reinterpret_cast<HostWord*>(wordPointer(b))))
QOR_ROUTINE(changeX, true, dsp.ChangeXBits(a, b, c))
QOR_ROUTINE(changeY, true, dsp.ChangeYBits(a, b, c))
QOR_ROUTINE(changeP, true, dsp.ChangePBits(a, b, c))
QOR_ROUTINE(execute, false, dsp.Execute(a))
QOR_ROUTINE(setLeftRight, false, dsp.SetLeftRightBit(a))
QOR_ROUTINE(getLatch, false, dsp.GetControlLatch(a))
QOR_ROUTINE(setLatch, false, dsp.SetControlLatch(a))
QOR_ROUTINE(initShell, false, dsp.InitShell())
QOR_ROUTINE(startShell, false, dsp.StartShell())
QOR_ROUTINE(pauseShell, false, dsp.PauseShell())
QOR_ROUTINE(resumeShell, false, dsp.ResumeShell())
QOR_ROUTINE(inputDelay, false, dsp.SetInputDelay(a))
QOR_ROUTINE(outputDelay, false, dsp.SetOutputDelay(a))
QOR_ROUTINE(updatePeripheral, false, dsp.UpdatePeripheral())

#undef QOR_ROUTINE

// No exception may travel back into the DSI.
HostWord QOR_HOST_CALL codeInfo(HostWord record, HostWord a, HostWord b, HostWord)
{
    try
    {
        return route<false>(record, [&](CDSP& dsp) -> HostWord { return dsp.GetCodeInfo(a, b); });
    }
    catch (...)
    {
        return -1;
    }
}

const DSPClientRoutine kRoutines[kLastSelector - kFirstSelector + 1] = {
    readX,       readY,        readP,        changeX,      changeY,    changeP,     execute,
    setLeftRight, getLatch,    setLatch,     initShell,    startShell, pauseShell,  resumeShell,
    inputDelay,  outputDelay,  updatePeripheral, codeInfo,
};

}  // namespace

extern "C" HostWord QOR_HOST_CALL DSPClientEntry(HostWord selector)
{
    if (selector < kFirstSelector || selector > kLastSelector)
        return 0;
    return HostWord(reinterpret_cast<uintptr_t>(kRoutines[selector - kFirstSelector]));
}

namespace rtas::dsp {

void ClientHostCommand(HostWord clientRecord, int32_t vector)
{
    CDSP* object = nullptr;
    if (findObject(clientRecord, &object) == 0)
        object->HostCommand(vector);
}

int32_t ClientReceiveWord(HostWord clientRecord)
{
    CDSP* object = nullptr;
    return findObject(clientRecord, &object) == 0 ? object->ReceiveWord() : 0;
}

void ClientSendWord(HostWord clientRecord, int32_t word)
{
    CDSP* object = nullptr;
    if (findObject(clientRecord, &object) == 0)
        object->SendWord(word);
}

}  // namespace rtas::dsp
