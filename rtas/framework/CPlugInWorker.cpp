#include "rtas/framework/CPlugInWorker.h"

#include "rtas/framework/CPlugIn.h"
#include "rtas/framework/HostObjectRecords.h"
#include "rtas/framework/HostObjectRegistry.h"

namespace {

// The number of lists that follow in the worker's record.
constexpr int32_t kWorkerListCount = 4;

}  // namespace

CPlugInWorker::CPlugInWorker(CPlugIn* owner, RenderCallback callback, const char* name)
    : fOwner(owner), fCallback(callback), fName(name)
{
    rtas::RegisterHostObject(this, rtas::kHostObjectWorker);
    if (fOwner == nullptr)
        return;
    try {
        fOwner->WorkerList().Append(this);
    } catch (...) {
        rtas::UnregisterHostObject(this);
        throw;
    }
}

CPlugInWorker::~CPlugInWorker()
{
    if (fOwner != nullptr)
        fOwner->WorkerList().Remove(this);
    rtas::UnregisterHostObject(this);
}

int32_t CPlugInWorker::Describe()
{
    HostRecordBuilder builder;
    builder.AppendWord(rtas::kRecordDescription);
    builder.AppendPointer(reinterpret_cast<const void*>(fCallback));
    builder.AppendWord(kWorkerListCount);
    rtas::AppendObjectList(builder, fData);
    rtas::AppendObjectList(builder, fInputs);
    rtas::AppendObjectList(builder, fOutputs);
    rtas::AppendObjectList(builder, fFourth);
    builder.AppendPointer(fName);
    builder.AppendWord(fFlags);
    return rtas::DescribeToHost(this, builder);
}
