#include "rtas/bridge/CWrapperProcess.h"

#include "rtas/bridge/VstBoundControls.h"
#include "rtas/framework/CDAEError.h"
#include "rtas/framework/CProcessGroupInterface.h"
#include "rtas/framework/ControlValueMapping.h"
#include "rtas/framework/LibraryViews.h"
#include "rtas/framework/ModuleState.h"
#include "rtas/framework/ResultCodes.h"
#include "rtas/framework/host/EngineServices.h"
#include "rtas/framework/host/ToolboxServices.h"

#include "platform/Library.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <new>
#include <string>

namespace {

constexpr int32_t kDefaultQuantum = 32;
constexpr int32_t kDefaultSampleRate = 44100;
constexpr int kNameBuffer = 256;  // far more than any name the effect writes
enum Row { kInput0, kInput1, kOutput0, kOutput1, kKey };

// Three lines, each ended by a newline: "8: Threshold", then the first 5 and the first 3 characters of the name.
std::string ParameterControlNames(int index, const char* name)
{
    const std::string full(name);
    return std::to_string(index) + ": " + full + "\n" + full.substr(0, 5) + "\n" + full.substr(0, 3) + "\n";
}

}  // namespace

CWrapperProcess::CWrapperProcess(const char* effectFileName)
{
    try {
        fWrapper = std::make_unique<CPluginWrapper>(this);
        fWrapper->SetCallback(this);
        fWrapper->LoadEffectLibrary(effectFileName);
        int channels = 0;
        fWrapper->GetNumChannels(&channels);
        fChannels = channels;
        const int32_t rate = GetSampleRate();
        fWrapper->SetSampleRate(float(rate != 0 ? rate : kDefaultSampleRate));
        fQuantum = QueryMaxRTASQuantum();
        fWrapper->SetBlockSize(fQuantum);
        fWrapper->Resume();
        AddControls();
        for (std::vector<float>& row : fRows)
            row.assign(size_t(kWrapperRowLength), 0.0f);
        fRingLeft.assign(size_t(kWrapperRowLength), 0.0f);
        fRingRight.assign(size_t(kWrapperRowLength), 0.0f);
        fLatency = std::clamp(fWrapper->GetLatency(), 0, kWrapperRowLength - 1);
        fReadIndex = uint16_t(kWrapperRowLength - fLatency);
        fWriteIndex = 0;
        int stateSize = 0;
        fWrapper->GetStateSize(&stateSize);
        AddChunk(kCompleteStateChunk, kCompleteStateChunkName, stateSize);
    } catch (const std::bad_alloc&) {
        throw CDAEError(rtas::kOutOfMemory);
    }
}

CWrapperProcess::~CWrapperProcess()
{
    // The derived instances shut down in their own destructors, while the object is whole; this covers any other.
    fGate.Stop();
    fWrapper.reset();
}

void CWrapperProcess::Shutdown()
{
    fGate.Stop();
    fWrapper.reset();
    ReleaseAdaptorPlugIn();
}

int32_t CWrapperProcess::QueryMaxRTASQuantum()
{
    HostWord offered = 0;
    if (FicGestalt(kGestaltRealTimeQuantum, &offered) != 0 || offered == 0)
        return kDefaultQuantum;
    platform::Library engine;
    if (!engine.openByName(kEngineLibraryName))
        return kDefaultQuantum;
    auto quantum = reinterpret_cast<FicGetMaximumRTASQuantumProc>(engine.symbol(kFicGetMaximumRTASQuantumName));
    const int32_t answer = quantum != nullptr ? quantum() : 0;
    // Rows hold 65536 samples; a larger quantum would write past them.
    return answer >= 1 ? std::min(answer, kWrapperRowLength) : kDefaultQuantum;
}

void CWrapperProcess::AddControls()
{
    AddControl(new CPluginControl_OnOff(kMasterBypassControl, kMasterBypassNames, false, true));
    SetMasterBypassControl(kMasterBypassControl);
    const int parameters = fWrapper->GetNumParams();
    for (int i = 0; i < parameters; ++i) {
        char name[kNameBuffer] = {};
        fWrapper->GetParamName(i, name);
        name[kNameBuffer - 1] = 0;
        const std::string names = ParameterControlNames(i, name);
        const uint32_t id = kFirstParameterControlID + uint32_t(i);
        ParameterProperties properties{};
        fWrapper->GetParamProperties(i, &properties);
        if ((properties.flags & kParameterUsesIntegerMinMax) != 0)
            AddControl(new CPluginControl_DiscreteVST(id, names.c_str(), fWrapper.get(), properties.minInteger,
                                                     properties.maxInteger));
        else
            AddControl(new CPluginControl_ContinuousVST(id, names.c_str(), fWrapper.get()));
    }
}

void CWrapperProcess::SetUpHook()
{
    // The effect shows its own editor: no instance of this module builds the library's views.
    rtas::SetLibraryViewsOff(true);
    fStereoInput = GetNumInputs() == 2;
}

// ---- Library operations ----

int32_t CWrapperProcess::HandleIdleEvent()
{
    CEffectProcessAS::HandleIdleEvent();
    if (fWrapper)
        fWrapper->Idle();
    return 0;
}

void CWrapperProcess::Idle()
{
    CEffectProcessAS::Idle();
    if (fWrapper)
        fWrapper->Idle();
}

int32_t CWrapperProcess::UpdateRect(const Rect*)
{
    if (fWrapper)
        fWrapper->RedrawEditor();
    return 0;
}

int32_t CWrapperProcess::HandleEvent(const EventRecord* event)
{
    if (event != nullptr && event->what == 1 && fWrapper)
        fWrapper->ForwardMidi(int(event->message), int(event->modifiers));
    return 0;
}

int32_t CWrapperProcess::GetViewRect(Rect* rect)
{
    int width = 0;
    int height = 0;
    if (fWrapper)
        fWrapper->GetEditorSize(&width, &height);
    if (rect != nullptr)
        *rect = Rect{0, 0, int16_t(height), int16_t(width)};
    std::fprintf(stderr, "CWrapperProcess::GetViewRect x=%d y=%d\n", width, height);
    return 0;
}

int32_t CWrapperProcess::SetViewPort(OpaqueGrafPtr port)
{
    CEffectProcessAS::SetViewPort(port);
    if (!fWrapper)
        return 0;
    if (port != nullptr)
        fWrapper->OpenEditorWindow(GetWindowFromPort(port));
    else
        fWrapper->CloseEditorWindow();
    return 0;
}

int32_t CWrapperProcess::SetSampleRate(int32_t rate)
{
    CEffectProcessAS::SetSampleRate(rate);
    if (fWrapper) {
        fWrapper->Suspend();
        fWrapper->SetSampleRate(float(rate != 0 ? rate : kDefaultSampleRate));
        fWrapper->Resume();
    }
    return 0;
}

int32_t CWrapperProcess::GetChunk(uint32_t chunkID, SFicPlugInChunk* chunk)
{
    if (chunkID != kCompleteStateChunk)
        return CEffectProcessAS::GetChunk(chunkID, chunk);
    if (chunk == nullptr)
        return rtas::kMissingObject;
    // The host made the chunk as large as the size it was told; the state is written only when it fits.
    int32_t told = 0;
    GetChunkSize(chunkID, &told);
    const size_t capacity = size_t(std::max<int32_t>(told - kPlugInChunkHeaderSize, 0));
    const size_t written = fWrapper ? fWrapper->SaveEffectState(chunk->body, capacity) : 0;
    if (written == 0 && capacity > 0)
        return rtas::kUnexpected;
    chunk->size = int32_t(written) + kPlugInChunkHeaderSize;
    return 0;
}

int32_t CWrapperProcess::SetChunk(uint32_t chunkID, const SFicPlugInChunk* chunk)
{
    if (chunkID != kCompleteStateChunk)
        return CEffectProcessAS::SetChunk(chunkID, chunk);
    if (chunk == nullptr)
        return rtas::kMissingObject;
    if (chunk->size < kPlugInChunkHeaderSize)
        return rtas::kUnexpected;
    if (fWrapper)
        fWrapper->RestoreEffectState(chunk->body, chunk->size - kPlugInChunkHeaderSize);
    return 0;
}

int32_t CWrapperProcess::GetDelaySamplesShort(int16_t* delay)
{
    // A latency beyond 16 bits would read as a negative delay: the most the routine carries is answered instead.
    if (delay != nullptr)
        *delay = fWrapper ? int16_t(std::min<int32_t>(fLatency, INT16_MAX)) : 0;
    return fWrapper ? 0 : 1;
}

int32_t CWrapperProcess::GetDelaySamples(int32_t* delay)
{
    if (delay != nullptr)
        *delay = fWrapper ? fLatency : 0;
    return fWrapper ? 0 : 1;
}

void CWrapperProcess::UpdateControlValueInAlgorithm(int32_t control)
{
    if (control <= kMasterBypassControl || !fWrapper)
        return;
    const CPluginControl* bound = GetControl(control);
    if (bound == nullptr)
        return;
    fWrapper->SetParameter(int(bound->GetID()) - int(kFirstParameterControlID),
                           float(rtas::ControlValueToDouble(bound->GetValue(), 0.0, 1.0)));
}

// ---- The wrapper's callback ----

void CWrapperProcess::OnIdle()
{
    if (CProcessGroupInterface* group = rtas::GetModuleGroup())
        group->IdleWithLockReleased();
}

void CWrapperProcess::OnParameterAutomated(int index, float value)
{
    if (fWrapper && index >= 0 && index < fWrapper->GetNumParams())
        SetControlValue(index + 2, rtas::DoubleToControlValue(value, 0.0, 1.0));
}

void CWrapperProcess::OnDisplayUpdate()
{
    if (!fWrapper)
        return;
    for (int i = 0; i < fWrapper->GetNumParams(); ++i)
        SetControlValue(i + 2, rtas::DoubleToControlValue(fWrapper->GetParameter(i), 0.0, 1.0));
}

void CWrapperProcess::SendWindowToken()
{
    // A window-resize notice to the host's sharing service; nothing in this plug-in sends one.
    struct
    {
        HostWord words[9];
        int16_t size;
    } token{};
    token.words[0] = reinterpret_cast<HostWord>(this);
    token.words[1] = HostWord(HostFourCC("SETV"));
    token.words[2] = HostWord(HostFourCC("WNRS"));
    token.words[3] = HostWord(HostFourCC("DGDN"));
    token.words[4] = HostWord(HostFourCC("Proc"));
    token.words[5] = reinterpret_cast<HostWord>(this);
    token.size = 38;
    FicSDSDispatchToken(&token, int32_t(sizeof token));
}

// ---- Audio ----

CWrapperProcess::Buffers CWrapperProcess::GatherBuffers() const
{
    Buffers buffers;
    const rtas::SConnectionRecord* in0 = GetInputConnection(0);
    const rtas::SConnectionRecord* in1 = GetInputConnection(1);
    const rtas::SConnectionRecord* out0 = GetOutputConnection(0);
    const rtas::SConnectionRecord* out1 = GetOutputConnection(1);
    if (in0 == nullptr || out0 == nullptr)
        return buffers;
    // Any length: the rows only ever hold one block of the quantum at a time.
    buffers.samples = std::max<int32_t>(in0->sampleCount, 0);
    buffers.in0 = in0->buffer;
    buffers.in1 = fStereoInput && in1 != nullptr && in1->buffer != nullptr ? in1->buffer : in0->buffer;
    const int32_t sideChain = GetSideChainInput();
    const rtas::SConnectionRecord* key = sideChain >= 0 ? GetInputConnection(sideChain) : nullptr;
    if (key != nullptr && key->buffer != nullptr) {
        buffers.key = key->buffer;
        buffers.keySamples = std::max<int32_t>(key->sampleCount, 0);
    }
    buffers.out0 = out0->buffer;
    buffers.out1 = GetNumOutputs() >= 2 && out1 != nullptr && out1->buffer != nullptr ? out1->buffer : out0->buffer;
    if (buffers.in0 == nullptr || buffers.out0 == nullptr)
        buffers.samples = 0;
    return buffers;
}

void CWrapperProcess::SettleCounts(int32_t produced)
{
    for (int32_t i = 0; i < kConnectionSlots; ++i) {
        if (rtas::SConnectionRecord* input = GetInputConnection(i))
            input->sampleCount = 0;
        if (rtas::SConnectionRecord* output = GetOutputConnection(i))
            output->sampleCount = produced;
    }
}

void CWrapperProcess::CopyInputsToOutputs(const Buffers& buffers)
{
    // Missing records leave no samples and null buffers: nothing to copy.
    const size_t bytes = sizeof(float) * size_t(buffers.samples);
    if (bytes == 0)
        return;
    std::memmove(buffers.out0, buffers.in0, bytes);
    if (buffers.out1 != buffers.out0)
        std::memmove(buffers.out1, buffers.in1, bytes);
}

int32_t CWrapperProcess::RenderStopped()
{
    const Buffers buffers = GatherBuffers();
    CopyInputsToOutputs(buffers);
    SettleCounts(buffers.samples);
    return buffers.samples;
}

bool CWrapperProcess::SharesInputRow(const Buffers& buffers) const
{
    // Mono in and mono out runs the effect's mono path. Mono in with stereo out must not: given one row as both
    // inputs the effect would compress only its first output, so its second input is a copy of the first.
    return buffers.in1 == buffers.in0 && GetNumOutputs() < 2;
}

void CWrapperProcess::CopyToRows(const Buffers& buffers, int32_t from, int32_t count)
{
    std::copy_n(buffers.in0 + from, count, fRows[kInput0].data());
    if (!SharesInputRow(buffers))
        std::copy_n(buffers.in1 + from, count, fRows[kInput1].data());
    // The key buffer holds its own count of samples; past it the key rows are silent.
    const int32_t keyed = buffers.key != nullptr ? std::clamp(buffers.keySamples - from, 0, count) : 0;
    std::copy_n(buffers.key + (keyed > 0 ? from : 0), keyed, fRows[kKey].data());
    std::fill_n(fRows[kKey].data() + keyed, count - keyed, 0.0f);
}

void CWrapperProcess::ProcessRows(const Buffers& buffers, int32_t count)
{
    // One host output takes both of the effect's outputs.
    const bool sharedInput = SharesInputRow(buffers);
    float* inputs[kWrapperInputRows] = {fRows[kInput0].data(),
                                        sharedInput ? fRows[kInput0].data() : fRows[kInput1].data(),
                                        fRows[kKey].data(), fRows[kKey].data()};
    const bool monoOut = GetNumOutputs() < 2;
    float* outputs[kWrapperOutputRows] = {fRows[kOutput0].data(),
                                          monoOut ? fRows[kOutput0].data() : fRows[kOutput1].data()};
    fWrapper->ProcessEffectBlock(inputs, outputs, count, nullptr);
}

void CWrapperProcess::DelayThroughRings(const Buffers& buffers, int32_t from, int32_t count, bool toOutputs)
{
    const float* left = fRows[kInput0].data();
    const float* right = buffers.in1 == buffers.in0 ? left : fRows[kInput1].data();
    for (int32_t i = 0; i < count; ++i) {
        fRingLeft[fWriteIndex] = left[i];
        fRingRight[fWriteIndex] = right[i];
        if (toOutputs) {
            // One output buffer gets the right ring's sample last, as it would get the effect's second output.
            buffers.out0[from + i] = fRingLeft[fReadIndex];
            buffers.out1[from + i] = fRingRight[fReadIndex];
        }
        ++fReadIndex;  // both wrap at 65536 by themselves
        ++fWriteIndex;
    }
}

void CWrapperProcess::CopyFromRows(const Buffers& buffers, int32_t from, int32_t count)
{
    const bool monoOut = GetNumOutputs() < 2;
    if (monoOut || buffers.out1 == buffers.out0) {
        std::copy_n(fRows[monoOut ? kOutput0 : kOutput1].data(), count, buffers.out0 + from);
        return;
    }
    std::copy_n(fRows[kOutput0].data(), count, buffers.out0 + from);
    std::copy_n(fRows[kOutput1].data(), count, buffers.out1 + from);
}
