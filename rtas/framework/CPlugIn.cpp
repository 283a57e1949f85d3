#include "rtas/framework/CPlugIn.h"

#include "rtas/framework/CDAEError.h"
#include "rtas/framework/CPlugInData.h"
#include "rtas/framework/CPlugInPort.h"
#include "rtas/framework/CPlugInWorker.h"
#include "rtas/framework/HostObjectRecords.h"
#include "rtas/framework/HostObjectRegistry.h"
#include "rtas/framework/ResultCodes.h"

#include <cstring>
#include <new>

namespace {

constexpr int32_t kDefaultUnknownQuery = -7026;
constexpr int32_t kDefaultNoChunk = -7157;
constexpr uint32_t kFourBlanks = 0x20202020;
constexpr size_t kIdentityRecordOffset = 32;

}  // namespace

CPlugIn::CPlugIn(const SPlugInIdentity& identity, CPlugIn* owningType) : fIdentity(identity), fOwningType(owningType)
{
    rtas::RegisterHostObject(this, rtas::kHostObjectPlugIn);
}

CPlugIn::~CPlugIn() { rtas::UnregisterHostObject(this); }

int32_t CPlugIn::GetIdentity(SPlugInIdentity* identity)
{
    if (identity != nullptr)
        *identity = fIdentity;
    return 0;
}

int32_t CPlugIn::CountInputs() { return fInputs.Count(); }
int32_t CPlugIn::CountOutputs() { return fOutputs.Count(); }
int32_t CPlugIn::SetNumInputs(int32_t n) { return SetPortCount(n, true); }
int32_t CPlugIn::SetNumOutputs(int32_t n) { return SetPortCount(n, false); }

int32_t CPlugIn::SetPortCount(int32_t n, bool inputs)
{
    if (n < 0)
        return 0;
    CObjectList& list = inputs ? fInputs : fOutputs;
    if (n != list.Count() && !(inputs ? CanChangeInputs() : CanChangeOutputs()))
        return inputs ? kInputsFixed : kOutputsFixed;
    while (list.Count() < n) {
        const int32_t number = list.Count() + 1;
        if ((inputs ? NewInput(number) : NewOutput(number)) == nullptr)
            return kNoPort;
    }
    // Each port leaves the list as it goes.
    while (list.Count() > n)
        delete static_cast<CPlugInPort*>(list.Last());
    PublishPlugIn();
    return 0;
}

CPlugInPort* CPlugIn::GetInput(int32_t number)
{
    if (void* port = fInputs.Get(number))
        return static_cast<CPlugInPort*>(port);
    if (fOwningType == nullptr)
        throw CDAEError(kNoOwningType);
    return fOwningType->GetDefaultPort();
}

CPlugInPort* CPlugIn::GetOutput(int32_t number)
{
    if (void* port = fOutputs.Get(number))
        return static_cast<CPlugInPort*>(port);
    if (fOwningType == nullptr)
        throw CDAEError(kNoOwningType);
    return fOwningType->GetDefaultPort();
}

int32_t CPlugIn::CountControls() { return fControls.Count(); }

void* CPlugIn::GetControl(int32_t number)
{
    if (void* control = fControls.Get(number))
        return control;
    if (fOwningType == nullptr)
        throw CDAEError(kNoOwningType);
    return fOwningType->GetDefaultControl();
}

void* CPlugIn::GetUserInterface()
{
    if (fUserInterface != nullptr)
        return fUserInterface;
    if (fOwningType == nullptr)
        throw CDAEError(kNoOwningType);
    return fOwningType->GetDefaultUserInterface();
}

static int32_t EmptyText(unsigned char* text)
{
    if (text != nullptr)
        text[0] = 0;
    return 0;
}

int32_t CPlugIn::HostQuery01() { return 0; }
int32_t CPlugIn::HostQuery02() { return 0; }
int32_t CPlugIn::HostQuery03(unsigned char* text) { return EmptyText(text); }
int32_t CPlugIn::HostQuery04(int32_t* answer)
{
    if (answer != nullptr)
        *answer = 0;
    return 0;
}
int32_t CPlugIn::HostQuery05() { return 0; }
int32_t CPlugIn::HostQuery06() { return 0; }
bool CPlugIn::HostQuery07() { return false; }
void CPlugIn::HostQuery08() {}
void CPlugIn::HostQuery09() {}
void CPlugIn::HostQuery10() {}
void CPlugIn::HostQuery11() {}
void CPlugIn::HostQuery12() {}
void CPlugIn::HostQuery13() {}
int32_t CPlugIn::HostQuery14() { return 0; }
int32_t CPlugIn::HostQuery15() { return rtas::kNoRoutine; }
bool CPlugIn::HostQuery16() { return false; }
int32_t CPlugIn::HostQuery17() { return rtas::kNoRoutine; }
bool CPlugIn::HostQuery18() { return false; }
int32_t CPlugIn::HostQuery19() { return rtas::kNoRoutine; }
int32_t CPlugIn::HostQuery20() { return rtas::kNoRoutine; }
HostWord CPlugIn::HostQuery21(HostWord, HostWord second) { return second; }
int32_t CPlugIn::HostQuery22() { return rtas::kNoRoutine; }
int32_t CPlugIn::HostQuery23() { return rtas::kNoRoutine; }
int32_t CPlugIn::HostQuery24() { return rtas::kNoRoutine; }
int32_t CPlugIn::HostQuery25(unsigned char* text) { return EmptyText(text); }
int32_t CPlugIn::HostQuery26() { return 0; }
int32_t CPlugIn::HostQuery27() { return 0; }
int32_t CPlugIn::HostQuery28() { return 0; }
int32_t CPlugIn::HostQuery29() { return 0; }
void CPlugIn::HostQuery30() {}
int32_t CPlugIn::HostQuery31() { return 0; }
uint32_t CPlugIn::HostQuery32() { return kFourBlanks; }
int32_t CPlugIn::HostQuery33(unsigned char* text) { return EmptyText(text); }
int32_t CPlugIn::HostQuery34() { return 0; }
int32_t CPlugIn::HostQuery35() { return kDefaultNoChunk; }
int32_t CPlugIn::HostQuery36() { return kDefaultNoChunk; }
bool CPlugIn::HostQuery37() { return false; }
int32_t CPlugIn::HostQuery38() { return 0; }
int32_t CPlugIn::HostQuery39() { return 0; }
int32_t CPlugIn::HostQuery40() { return 0; }
int32_t CPlugIn::HostQuery41() { return 0; }
int32_t CPlugIn::HostQuery42() { return 0; }
int32_t CPlugIn::HostQuery43() { return 0; }
int32_t CPlugIn::HostQuery44() { return 0; }

int32_t CPlugIn::PublishPlugIn()
{
    CObjectList data;
    fWorkers.ForEach([&data](void* worker) {
        static_cast<CPlugInWorker*>(worker)->DataList().ForEach([&data](void* block) { data.Append(block); });
    });
    NotifyPublishing(true);
    fInputs.ForEach([](void* port) { static_cast<CPlugInPort*>(port)->Describe(); });
    fOutputs.ForEach([](void* port) { static_cast<CPlugInPort*>(port)->Describe(); });
    fWorkers.ForEach([](void* worker) { static_cast<CPlugInWorker*>(worker)->Describe(); });
    data.ForEach([](void* block) { static_cast<CPlugInData*>(block)->Describe(); });
    DescribeSelf();
    NotifyPublishing(false);
    return 0;
}

int32_t CPlugIn::NotifyPublishing(bool starts)
{
    HostRecordBuilder builder;
    builder.AppendWord(starts ? rtas::kRecordPublishingStarts : rtas::kRecordPublishingEnds);
    return rtas::DescribeToHost(this, builder);
}

int16_t CPlugIn::DescribeSelf()
{
    HostRecordBuilder builder;
    builder.AppendWord(rtas::kRecordDescription);
    builder.AppendWord(int32_t(fIdentity.manufacturerID));
    builder.AppendWord(int32_t(fIdentity.productID));
    builder.AppendWord(int32_t(fIdentity.typeID));
    builder.AppendWord(int32_t(fIdentity.groupWord));
    builder.AppendWord(fIdentity.instanceIndex);
    rtas::AppendObjectList(builder, fInputs);
    rtas::AppendObjectList(builder, fOutputs);
    rtas::AppendObjectList(builder, fWorkers);
    return rtas::DescribeToHost(this, builder);
}

int32_t CPlugIn::HostQuery45(HostWord, HostWord, int32_t* answer) { return HostQuery04(answer); }
int32_t CPlugIn::HostQuery46(HostWord, HostWord, int32_t* answer) { return HostQuery04(answer); }
int32_t CPlugIn::HostQuery47() { return 0; }

int32_t CPlugIn::ClearIdentityRecord(uint8_t* record)
{
    if (record != nullptr)
        std::memset(record + kIdentityRecordOffset, 0, 5 * sizeof(int32_t));
    return 0;
}

int32_t CPlugIn::HostQuery48(int32_t* answer)
{
    HostQuery04(answer);
    return kDefaultUnknownQuery;
}

CPlugInPort* CPlugIn::GetDefaultPort() { return nullptr; }
void* CPlugIn::GetDefaultControl() { return nullptr; }
void* CPlugIn::GetDefaultUserInterface() { return nullptr; }
bool CPlugIn::CanChangeInputs() { return false; }
bool CPlugIn::CanChangeOutputs() { return false; }

CPlugInPort* CPlugIn::NewInput(int32_t number)
{
    try {
        return new (std::nothrow) CPlugInInput(this, number);
    } catch (int16_t) {
        return nullptr;
    }
}

CPlugInPort* CPlugIn::NewOutput(int32_t number)
{
    try {
        return new (std::nothrow) CPlugInOutput(this, number);
    } catch (int16_t) {
        return nullptr;
    }
}
