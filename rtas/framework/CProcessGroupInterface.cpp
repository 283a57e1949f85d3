#include "rtas/framework/CProcessGroupInterface.h"

#include "rtas/framework/HostRequests.h"
#include "rtas/framework/ModuleState.h"
#include "rtas/framework/ResultCodes.h"
#include "rtas/framework/host/EngineServices.h"
#include "rtas/framework/host/ToolboxServices.h"

#include <cstring>

namespace {

constexpr int32_t kDefaultHostInterfaceLevel = 99;

}  // namespace

CProcessGroupInterface::CProcessGroupInterface() { SetHostInterfaceLevel(kDefaultHostInterfaceLevel); }

bool CProcessGroupInterface::IsSelectorSupported(int16_t selector) const
{
    return (selector >= 0 && selector <= 173) || (selector >= -6 && selector <= -1);
}

int32_t CProcessGroupInterface::SetHostCallback(HostComponentCallback callback)
{
    rtas::SetHostCallback(callback);
    return 0;
}

int32_t CProcessGroupInterface::SetHostToken(int32_t token)
{
    fHostToken = token;
    return 0;
}

void CProcessGroupInterface::SetHostInterfaceLevel(int32_t level) { rtas::SetHostInterfaceLevelValue(level); }

int32_t CProcessGroupInterface::SendRequest(int16_t request, int32_t size, const int32_t* words, int32_t count)
{
    HostComponentCallback callback = rtas::GetHostCallback();
    if (callback == nullptr)
        return rtas::kNoHostCallback;
    HostHandle block = NewHandle(size);
    if (block == nullptr)
        return rtas::kNoHostMemory;
    HLock(block);
    std::memset(*block, 0, size_t(size));
    std::memcpy(*block, words, size_t(count) * sizeof(int32_t));
    const int16_t result = callback(request, reinterpret_cast<ComponentRecord*>(*block), block);
    HUnlock(block);
    DisposeHandle(block);
    return result;
}

int32_t CProcessGroupInterface::RequestHost10(int32_t a, int32_t b, int32_t c, int32_t d)
{
    HostWord extended = 0;
    if (FicGestalt(kGestaltHostRequest17, &extended) == 0 && extended != 0) {
        // A host that understands request 17 gets the further words as four 16-bit words.
        const int32_t words[] = {a, b, fHostToken, int32_t((uint32_t(uint16_t(c)) << 16) | uint16_t(c >> 16)),
                                 int32_t((uint32_t(uint16_t(d)) << 16) | uint16_t(d >> 16))};
        return SendRequest(17, 20, words, 5);
    }
    const int32_t words[] = {a, b, fHostToken, c, d};
    return SendRequest(10, 20, words, 5);
}

int32_t CProcessGroupInterface::RequestHost11(int32_t a, int32_t b)
{
    const int32_t words[] = {a, b, fHostToken};
    return SendRequest(11, 12, words, 3);
}

int32_t CProcessGroupInterface::RequestHost12(int32_t a, int32_t b, int32_t c)
{
    const int32_t words[] = {a, b, fHostToken, c};
    return SendRequest(12, 16, words, 4);
}

int32_t CProcessGroupInterface::RequestHost14(int32_t a, int32_t b, int32_t c)
{
    const int32_t words[] = {a, b, fHostToken, c};
    return SendRequest(14, 16, words, 4);
}

int32_t CProcessGroupInterface::GroupQueryB() { return rtas::kGroupQueryRefused; }

int32_t CProcessGroupInterface::HostServiceA(int32_t a, int32_t b, int32_t c)
{
    return rtas::SendHostThreeArgumentRequest(rtas::GetHostCallback(), a, b, c);
}

int32_t CProcessGroupInterface::HostServiceB(int32_t a, int32_t b)
{
    return rtas::SendHostTwoArgumentRequest(rtas::GetHostCallback(), a, b);
}

int32_t CProcessGroupInterface::HostServiceC(int32_t a, int32_t* result)
{
    return rtas::SendHostQuery(rtas::GetHostCallback(), a, result);
}

int32_t CProcessGroupInterface::DeleteProcessOf(const SProcessSpecifier& instance)
{
    return DeleteProcess(uint32_t(int32_t(instance.typeNumber)), instance.index);
}

int32_t CProcessGroupInterface::GetControlValueOf(const SControlSpecifier& control, int32_t* value)
{
    return GetControlValue(uint32_t(int32_t(control.typeNumber)), control.index, control.control, value);
}

int32_t CProcessGroupInterface::SetControlValueOf(const SParamSpecifier& parameter)
{
    return SetControlValue(uint32_t(int32_t(parameter.typeNumber)), parameter.index, parameter.control,
                           parameter.value);
}

int32_t CProcessGroupInterface::GetStemNameOf(const SStemSpecifier& stem, int32_t maxLength, unsigned char* name)
{
    return GetStemName(uint32_t(int32_t(stem.typeNumber)), stem.index, stem.kind, maxLength, name);
}
