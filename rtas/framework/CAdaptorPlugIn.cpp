#include "rtas/framework/CAdaptorPlugIn.h"

#include "rtas/framework/AdaptorRenderCallbacks.h"
#include "rtas/framework/CDAEError.h"
#include "rtas/framework/CPlugInPort.h"
#include "rtas/framework/CProcessType.h"
#include "rtas/framework/ResultCodes.h"
#include "rtas/framework/StemFormats.h"
#include "rtas/framework/host/EngineServices.h"

#include <cstring>
#include <new>

namespace {

constexpr int32_t kGestaltKeyInput = 5;
constexpr int32_t kGestaltVariableLayout = 38;
constexpr int32_t kGestaltExtraStems = 41;
constexpr int32_t kGestaltVariableQuantum = 48;
constexpr char kUnknownName[] = "<unknown>";

int32_t TypeGestalt(CProcessType* type, int32_t code)
{
    int32_t answer = 0;
    return type->GetGestalt(code, &answer) == 0 ? answer : 0;
}

bool HostOffersQuantum()
{
    HostWord answer = 0;
    return FicGestalt(kGestaltRealTimeQuantum, &answer) == 0 && answer != 0;
}

}  // namespace

CAdaptorPlugIn::CAdaptorPlugIn(const SPlugInIdentity& identity, CProcessType* type, CProcess* process,
                               rtas::SConnectionRecord** inputSlots, rtas::SConnectionRecord** outputSlots,
                               int32_t inputCount, int32_t outputCount, RenderCallback callback)
    : CPlugIn(identity), fWorker(this, callback != nullptr ? callback : rtas::StandardRenderCallback, fName)
{
    if (type == nullptr)
        throw CDAEError(kNoOwningType);

    unsigned char pascalName[256] = {0};
    if (type->GetTypeName(kMaxNameLength, pascalName) == 0) {
        const size_t length = pascalName[0] < kMaxNameLength ? pascalName[0] : kMaxNameLength;
        std::memcpy(fName, pascalName + 1, length);
        fName[length] = '\0';
    } else {
        std::memcpy(fName, kUnknownName, sizeof kUnknownName);
    }

    if (callback == nullptr && TypeGestalt(type, kGestaltVariableLayout) != 0)
        fWorker.SetCallback(rtas::VariableLayoutRenderCallback);

    int32_t inputs = inputCount;
    int32_t outputs = outputCount;
    int32_t inputPorts = inputs;
    const bool extraStems = TypeGestalt(type, kGestaltExtraStems) != 0;
    if (extraStems) {
        // Each active extra stem (a connection word of 0 or more is its stem code) widens inputs and outputs alike.
        const int32_t index = identity.instanceIndex;
        int32_t count = 0;
        if (type->CountOwnConnections(index, &count) != 0)
            count = 0;
        for (int32_t position = 1; position <= count; ++position) {
            int32_t stem = -1;
            if (type->GetOwnConnection(index, position, &stem) != 0 || stem < 0)
                continue;
            const int32_t channels = rtas::ChannelCountForStemFormat(stem);
            outputs += channels;
            inputPorts += channels;
            inputs += channels;
        }
    }
    const int32_t keyInput = TypeGestalt(type, kGestaltKeyInput);
    if (keyInput != 0)
        ++inputPorts;
    const int32_t variableQuantum = HostOffersQuantum() ? TypeGestalt(type, kGestaltVariableQuantum) : 0;
    if (extraStems && inputs < outputs) {
        inputPorts += outputs - inputs;
        inputs = outputs;
    }
    fInputPorts = int16_t(inputPorts);
    fOutputCount = int16_t(outputs);

    try {
        for (int32_t number = 1; number <= inputPorts; ++number) {
            const int32_t portNumber = number == inputPorts && keyInput != 0 ? keyInput : number;
            CPlugInPort* port = new (std::nothrow) CPlugInInput(this, portNumber);
            if (port == nullptr)
                throw CDAEError(rtas::kOutOfMemory);
            fWorker.InputList().Append(port);
        }
        for (int32_t o = 0; o < outputs; ++o) {
            CPlugInPort* port = new (std::nothrow) CPlugInOutput(this, CountOutputs() + 1);
            if (port == nullptr)
                throw CDAEError(rtas::kOutOfMemory);
            fWorker.OutputList().Append(port);
        }
        fWorker.DataList().Append(&fData);
        fData.SetFields({process, inputSlots, outputSlots, inputs, outputs, keyInput, variableQuantum});
    } catch (...) {
        DeletePorts();
        throw;
    }
}

CAdaptorPlugIn::~CAdaptorPlugIn()
{
    DeletePorts();
    fWorker.DataList().RemoveAll();
    fWorker.FourthList().RemoveAll();
    try {
        PublishPlugIn();
    } catch (...) {
        // A record the host could not be handed leaves nothing to undo here.
    }
}

void CAdaptorPlugIn::DeletePorts()
{
    while (InputList().Count() > 0)
        delete static_cast<CPlugInPort*>(InputList().Last());
    while (OutputList().Count() > 0)
        delete static_cast<CPlugInPort*>(OutputList().Last());
    fWorker.InputList().RemoveAll();
    fWorker.OutputList().RemoveAll();
}

int32_t CAdaptorPlugIn::Create(const SPlugInIdentity& identity, CProcessType* type, CProcess* process,
                               rtas::SConnectionRecord** inputSlots, rtas::SConnectionRecord** outputSlots,
                               int32_t inputCount, int32_t outputCount, CAdaptorPlugIn** adaptor,
                               RenderCallback callback)
{
    if (adaptor == nullptr)
        return rtas::kMissingObject;
    *adaptor = nullptr;
    try {
        *adaptor = new CAdaptorPlugIn(identity, type, process, inputSlots, outputSlots, inputCount, outputCount,
                                      callback);
        return 0;
    } catch (const std::bad_alloc&) {
        return rtas::kOutOfMemory;
    } catch (const CDAEError& error) {
        return error.GetCode();
    } catch (int16_t code) {
        return code;
    }
}
