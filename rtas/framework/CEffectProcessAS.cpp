#include "rtas/framework/CEffectProcessAS.h"

#include "rtas/framework/CAdaptorPlugIn.h"
#include "rtas/framework/PascalStrings.h"
#include "rtas/framework/ResultCodes.h"

#include <algorithm>
#include <cstring>

using rtas::SConnectionRecord;

namespace {

bool InSlots(int32_t connection) { return connection >= 1 && connection <= CEffectProcessAS::kConnectionSlots; }

}  // namespace

CEffectProcessAS::CEffectProcessAS() = default;

CEffectProcessAS::~CEffectProcessAS() = default;

SConnectionRecord* CEffectProcessAS::GetInputConnection(int32_t i) const
{
    return i >= 0 && i < kConnectionSlots ? fInputs[i] : nullptr;
}

SConnectionRecord* CEffectProcessAS::GetOutputConnection(int32_t i) const
{
    return i >= 0 && i < kConnectionSlots ? fOutputs[i] : nullptr;
}

int32_t CEffectProcessAS::UpdateControlValue(int32_t control, int32_t value)
{
    int32_t bypassControl = 0;
    GetMasterBypassControl(&bypassControl);
    if (control == bypassControl && IsValidControl(control))
        fBypassed.store(value > 0, std::memory_order_relaxed);
    return CEffectProcess::UpdateControlValue(control, value);
}

// ---- Connections ----

int32_t CEffectProcessAS::Routine27(int32_t connection, uint8_t* answer)
{
    if (IsOwnConnection(connection)) {
        if (answer != nullptr)
            *answer = 1;
        return 0;
    }
    return rtas::IsOutputFree(connection, fOutputs, kConnectionSlots, answer);
}

int32_t CEffectProcessAS::Routine28(int32_t connection, uint8_t* answer)
{
    return AnswerConnected(fInputs, connection, answer);
}

int32_t CEffectProcessAS::Routine29(int32_t connection, uint8_t* answer)
{
    return AnswerConnected(fOutputs, connection, answer);
}

int32_t CEffectProcessAS::Routine30(int32_t connection, void* record)
{
    NoteSideChainChange(connection, record != nullptr);
    return SetSlot(fInputs, connection, static_cast<SConnectionRecord*>(record), true, false);
}

int32_t CEffectProcessAS::Routine31(int32_t connection)
{
    NoteSideChainChange(connection, false);
    return SetSlot(fInputs, connection, nullptr, true, true);
}

int32_t CEffectProcessAS::Routine32(int32_t connection, void* record)
{
    return SetSlot(fOutputs, connection, static_cast<SConnectionRecord*>(record), false, false);
}

int32_t CEffectProcessAS::Routine33(int32_t connection) { return SetSlot(fOutputs, connection, nullptr, false, true); }

void CEffectProcessAS::NoteSideChainChange(int32_t connection, bool connected)
{
    const int32_t sideChain = GetSideChainInput();
    if (sideChain >= 0 && connection == sideChain + 1)
        SideChainConnectionChanged(connection, connected);
}

// A connection the instance answers for itself is read and set in its slot directly; any other goes through the
// connection rules.
int32_t CEffectProcessAS::AnswerConnected(SConnectionRecord* const* slots, int32_t connection, uint8_t* answer) const
{
    if (IsOwnConnection(connection) && InSlots(connection)) {
        if (answer != nullptr)
            *answer = slots[connection - 1] != nullptr ? 1 : 0;
        return 0;
    }
    return rtas::IsConnected(connection, slots, kConnectionSlots, answer);
}

int32_t CEffectProcessAS::SetSlot(SConnectionRecord** slots, int32_t connection, SConnectionRecord* record,
                                  bool input, bool clear)
{
    if (IsOwnConnection(connection) && InSlots(connection)) {
        slots[connection - 1] = record;
        return 0;
    }
    // Clearing asks for a connection that exists; setting a null record is the host's way to disconnect quietly.
    if (clear)
        return rtas::Disconnect(connection, slots, kConnectionSlots);
    return input ? rtas::ConnectInput(connection, record, slots, kConnectionSlots)
                 : rtas::ConnectOutput(connection, record, slots, kConnectionSlots);
}

int32_t CEffectProcessAS::PropagateConnectionInfo(HostWord record)
{
    const int32_t outputs = std::clamp<int32_t>(GetNumOutputs(), 0, kConnectionSlots);
    return rtas::PropagateConnectionInfo(reinterpret_cast<const SConnectionRecord*>(record), fOutputs, outputs);
}

// ---- Render ----

int32_t CEffectProcessAS::Routine104(int32_t* runningSum)
{
    if (runningSum == nullptr)
        return rtas::kMissingObject;
    *runningSum += AnswerBeforeRender(IsBypassed());
    return 0;
}

int32_t CEffectProcessAS::Routine105(int32_t* runningSum)
{
    if (runningSum == nullptr)
        return rtas::kMissingObject;
    *runningSum += Render(IsBypassed());
    // Fresh meter data exists only after a render; the meter set fetches once per render for a real-time owner.
    SetMeterDataReady(true);
    return 0;
}

namespace {

rtas::SAudioSuiteFormat* FormatRecord(HostWord word)
{
    return reinterpret_cast<rtas::SAudioSuiteFormat*>(word);
}

}  // namespace

int32_t CEffectProcessAS::Routine94(HostWord format)
{
    if (FormatRecord(format) == nullptr)
        return rtas::kMissingObject;
    return rtas::GetDefaultAudioSuiteFormat(FormatRecord(format));
}

int32_t CEffectProcessAS::Routine95(HostWord format)
{
    if (FormatRecord(format) == nullptr)
        return rtas::kMissingObject;
    return rtas::CheckAudioSuiteFormat(FormatRecord(format));
}

int32_t CEffectProcessAS::GetStemName(int32_t kind, int32_t maxLength, unsigned char* name)
{
    if (name == nullptr)
        return rtas::kMissingObject;
    const int32_t capacity = std::clamp<int32_t>(maxLength, 0, 255);
    if (kind == 5) {
        char text[256] = {};
        std::memcpy(text, name + 1, std::min<size_t>(name[0], size_t(capacity)));
        NameStem(text, capacity + 1);
        text[capacity] = '\0';
        rtas::SetPascalString(capacity, text, name);
        return 0;
    }
    for (const auto& entry : fStemNames)
        if (entry.first == kind) {
            rtas::SetPascalString(capacity, entry.second.c_str(), name);
            return 0;
        }
    // Nothing named: a refusal, so that the group can answer its own name for the kind.
    return rtas::kNotImplemented;
}

void CEffectProcessAS::ReleaseAdaptorPlugIn() { fAdaptor.reset(); }

int32_t CEffectProcessAS::SetUpForRealTime(const SProcessIdentity& identity, HostWord groupWord, int32_t index)
{
    const SPlugInIdentity words{identity.manufacturerID, identity.productID, identity.typeID, groupWord, index};
    CAdaptorPlugIn* adaptor = nullptr;
    const int32_t result = CAdaptorPlugIn::Create(words, GetProcessType(), this, fInputs, fOutputs, GetNumInputs(),
                                                  GetNumOutputs(), &adaptor);
    if (result != 0)
        return result;
    fAdaptor.reset(adaptor);
    fAdaptor->PublishPlugIn();
    return 0;
}
