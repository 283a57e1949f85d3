#include "rtas/framework/CPlugInPort.h"

#include "rtas/framework/CPlugIn.h"
#include "rtas/framework/HostObjectRecords.h"
#include "rtas/framework/HostObjectRegistry.h"
#include "rtas/framework/ResultCodes.h"

CPlugInPort::CPlugInPort(CPlugIn* owner, int32_t number, int32_t kind) : fOwner(owner), fNumber(number)
{
    rtas::RegisterHostObject(this, kind);
    if (fOwner == nullptr)
        return;
    try {
        (kind == rtas::kHostObjectInput ? fOwner->InputList() : fOwner->OutputList()).Append(this);
    } catch (...) {
        rtas::UnregisterHostObject(this);
        throw;
    }
}

CPlugInPort::~CPlugInPort()
{
    if (fOwner != nullptr) {
        fOwner->InputList().Remove(this);
        fOwner->OutputList().Remove(this);
    }
    rtas::UnregisterHostObject(this);
}

bool CPlugInPort::IsConnected() { return fConnection != 0; }
bool CPlugInPort::HostQueryTrue() { return true; }

int32_t CPlugInPort::Connect(int32_t value)
{
    fConnection = value;
    return 0;
}

int32_t CPlugInPort::Disconnect()
{
    fConnection = 0;
    return 0;
}

int32_t CPlugInPort::HostQueryPair(int32_t* first, int32_t* second)
{
    if (first != nullptr)
        *first = 0;
    if (second != nullptr)
        *second = 0;
    return rtas::kNoRoutine;
}

int32_t CPlugInPort::HostQueryZeroA() { return 0; }
int32_t CPlugInPort::HostQuery1() { return rtas::kNoRoutine; }
int32_t CPlugInPort::HostQuery2() { return rtas::kNoRoutine; }
int32_t CPlugInPort::HostQuery3() { return rtas::kNoRoutine; }
int32_t CPlugInPort::HostQuery4() { return rtas::kNoRoutine; }
int32_t CPlugInPort::HostQuery5() { return rtas::kNoRoutine; }
int32_t CPlugInPort::HostQuery6() { return rtas::kNoRoutine; }
int32_t CPlugInPort::HostQuery7() { return rtas::kNoRoutine; }
int32_t CPlugInPort::HostQueryZeroB() { return 0; }
void CPlugInPort::HostNoOp() {}

int32_t CPlugInPort::Describe()
{
    HostRecordBuilder builder;
    builder.AppendWord(rtas::kRecordDescription);
    builder.AppendPointer(fOwner);
    builder.AppendWord(fNumber);
    return rtas::DescribeToHost(this, builder);
}

CPlugInInput::CPlugInInput(CPlugIn* owner, int32_t number) : CPlugInPort(owner, number, rtas::kHostObjectInput) {}

CPlugInOutput::CPlugInOutput(CPlugIn* owner, int32_t number) : CPlugInPort(owner, number, rtas::kHostObjectOutput)
{
}
