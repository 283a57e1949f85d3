#include "rtas/bridge/CPluginWrapper.h"

#include "effect/vst2/Opcodes.h"
#include "platform/MessageBox.h"

#include <algorithm>
#include <cstring>

namespace {

// GUI thread only, like the window class it governs.
int gLiveWrappers = 0;

constexpr float kDefaultSampleRate = 44100.0f;
constexpr float kLowestSampleRate = 15000.0f;
constexpr float kHighestSampleRate = 200000.0f;
// Time-info flags: tempo and musical position are valid.
constexpr int32_t kTimeInfoValidFlags = 0x600;
constexpr int32_t kTimeInfoChanged = 0x1;
constexpr int32_t kTimeInfoPlaying = 0x2;

}  // namespace

CPluginWrapper::CPluginWrapper(CPluginWrapperOwner* owner) : owner_(owner)
{
    timeInfo_.sampleRate = kDefaultSampleRate;
    timeInfo_.tempo = 120.0;
    timeInfo_.ppqPos = 0.0;
    timeInfo_.timeSigNumerator = 4;
    timeInfo_.timeSigDenominator = 4;
    timeInfo_.flags = kTimeInfoValidFlags;
    if (gLiveWrappers++ == 0)
        platform::registerChildWindowClass(kWrapperWindowClass);
}

CPluginWrapper::~CPluginWrapper()
{
    if (editorOpen_)
        CloseEditorWindow();
    if (loaded_)
        UnloadEffectLibrary();
    FreeScratch();
    if (--gLiveWrappers == 0)
        platform::unregisterChildWindowClass(kWrapperWindowClass);
}

int CPluginWrapper::liveCount()
{
    return gLiveWrappers;
}

void CPluginWrapper::SetCallback(CPluginWrapperCallback* callback)
{
    callback_ = callback;
}

void CPluginWrapper::LoadEffectLibrary(const char* fileName)
{
    if (loaded_)
        UnloadEffectLibrary();
    if (fileName == nullptr || !library_.openByName(fileName)) {
        platform::showMessage("", kEffectLoadFailedMessage);
        return;
    }
    void* symbol = library_.symbol("main");
    if (symbol == nullptr)
        symbol = library_.symbol("Main");
    if (symbol == nullptr) {
        library_.close();
        platform::showMessage("", kEffectLoadFailedMessage);
        return;
    }
    entry_ = reinterpret_cast<EntryFunction>(symbol);
    EffectRecord* record = entry_(EffectHostCallback);
    if (record == nullptr) {
        // Nothing to talk to; the library holds nothing of ours.
        library_.close();
        platform::showMessage("", kEffectLoadFailedMessage);
        return;
    }
    if (record->dispatcher != nullptr) {
        // Before anything else, so every callback from here on finds this wrapper.
        record->resvd1 = reinterpret_cast<intptr_t>(this);
        if (record->magic == kEffectMagic) {
            effect_ = record;
            dispatcher_ = record->dispatcher;
            processReplacing_ = record->processReplacing;
            setParameter_ = record->setParameter;
            getParameter_ = record->getParameter;
            Dispatch(effOpen, 0, 0, nullptr, 0.0f);
            Dispatch(effSetSampleRate, 0, 0, nullptr, kDefaultSampleRate);
            loaded_ = true;
            uniqueId_ = record->uniqueID;
            numInputs_ = record->numInputs;
            numOutputs_ = record->numOutputs;
            numChannels_ = std::max({numInputs_, numOutputs_, 2});
        }
    }
    ready_ = true;
}

void CPluginWrapper::UnloadEffectLibrary()
{
    if (editorOpen_)
        CloseEditorWindow();
    // No new block may start on the effect, and one in progress must end before the effect goes.
    bankBusy_.set();
    inBlock_.waitUntilClear();
    Dispatch(effClose, 0, 0, nullptr, 0.0f);
    effect_ = nullptr;
    dispatcher_ = nullptr;
    processReplacing_ = nullptr;
    setParameter_ = nullptr;
    getParameter_ = nullptr;
    loaded_ = false;
    ready_ = false;
    library_.close();
    bankBusy_.clear();
}

intptr_t CPluginWrapper::Dispatch(int32_t opcode, int32_t index, intptr_t value, void* pointer, float option)
{
    return dispatcher_ != nullptr ? dispatcher_(effect_, opcode, index, value, pointer, option) : 0;
}

void CPluginWrapper::GetNumChannels(int* channels)
{
    if (channels != nullptr)
        *channels = numChannels_;
}

void CPluginWrapper::SetSampleRate(float rate)
{
    if (!(rate >= kLowestSampleRate && rate <= kHighestSampleRate))
        rate = kDefaultSampleRate;
    timeInfo_.sampleRate = rate;
    sampleRateHz_ = int(rate);
    if (loaded_)
        Dispatch(effSetSampleRate, 0, 0, nullptr, rate);
}

void CPluginWrapper::SetBlockSize(int size)
{
    FreeScratch();
    blockSize_ = size;
    if (loaded_)
        Dispatch(effSetBlockSize, size, size, nullptr, 0.0f);
    AllocateScratch();
}

int CPluginWrapper::GetBlockSize()
{
    return blockSize_;
}

void CPluginWrapper::AllocateScratch()
{
    scratch_.assign(size_t(numChannels_), std::vector<float>(size_t(std::max(blockSize_, 0)), 0.0f));
}

void CPluginWrapper::FreeScratch()
{
    scratch_.clear();
}

bool CPluginWrapper::validIndex(int index) const
{
    return loaded_ && effect_ != nullptr && index >= 0 && index < effect_->numParams;
}

int CPluginWrapper::GetNumParams()
{
    return loaded_ && effect_ != nullptr ? effect_->numParams : 0;
}

float CPluginWrapper::GetParameter(int index)
{
    return validIndex(index) ? EffectGetParameter(index) : 0.0f;
}

void CPluginWrapper::GetParamDisplay(int index, char* text)
{
    if (!validIndex(index) || text == nullptr)
        return;
    // Bytes 0 to 7 may hold a "1EAD" request for a value's text; the ninth ends them as a text.
    text[8] = 0;
    Dispatch(effGetParamDisplay, index, 0, text, 0.0f);
}

void CPluginWrapper::SetParameter(int index, float value)
{
    if (!validIndex(index))
        return;
    if (EffectGetParameter(index) != value)
        EffectSetParameter(index, value);
}

void CPluginWrapper::GetParamName(int index, char* text)
{
    if (!validIndex(index) || text == nullptr)
        return;
    text[0] = 0;
    Dispatch(effGetParamName, index, 0, text, 0.0f);
}

void CPluginWrapper::GetParamLabel(int index, char* text)
{
    if (!validIndex(index) || text == nullptr)
        return;
    text[0] = 0;
    Dispatch(effGetParamLabel, index, 0, text, 0.0f);
}

void CPluginWrapper::GetParamDisplayText(int index, char* text)
{
    if (!validIndex(index) || text == nullptr)
        return;
    text[0] = 0;
    Dispatch(effGetParamDisplay, index, 0, text, 0.0f);
}

bool CPluginWrapper::GetParamProperties(int index, ParameterProperties* properties)
{
    if (!validIndex(index))
        return false;
    return Dispatch(effGetParameterProperties, index, 0, properties, 0.0f) != 0;
}

bool CPluginWrapper::CanBeAutomated(int index)
{
    if (!validIndex(index))
        return false;
    return Dispatch(effCanBeAutomated, index, 0, nullptr, 0.0f) != 0;
}

void CPluginWrapper::Resume()
{
    Dispatch(effMainsChanged, 1, 1, nullptr, 0.0f);
}

void CPluginWrapper::Suspend()
{
    Dispatch(effMainsChanged, 0, 0, nullptr, 0.0f);
}

void CPluginWrapper::QueueMidiEvent(unsigned char byte0, unsigned char byte1, unsigned char byte2,
                                    unsigned char byte3, int deltaFrames)
{
    midi_.queue(byte0, byte1, byte2, byte3, deltaFrames);
}

void CPluginWrapper::ProcessEffectBlock(float** inputs, float** outputs, int sampleCount,
                                        const CPluginWrapperTransport* transport)
{
    // In-block is set before bank-busy is read, and bank work sets bank-busy before it waits for in-block to
    // clear: of a block and bank work starting together, one always sees the other.
    inBlock_.set();
    if (bankBusy_.isSet() || !loaded_) {
        if (loaded_)
            passDryInput(inputs, outputs, sampleCount);
        inBlock_.clear();
        return;
    }
    if (transport != nullptr) {
        timeInfo_.tempo = transport->tempo;
        timeInfo_.ppqPos = double(transport->positionTicks) / kTransportTicksPerQuarterNote;
        const bool wasPlaying = (timeInfo_.flags & kTimeInfoPlaying) != 0;
        if (transport->playing != wasPlaying) {
            timeInfo_.flags |= kTimeInfoChanged;
            if (transport->playing)
                timeInfo_.flags |= kTimeInfoPlaying;
            else
                timeInfo_.flags &= ~kTimeInfoPlaying;
        }
    }
    if (WrapperMidiEventBlock* events = midi_.takePending())
        Dispatch(effProcessEvents, 0, 0, events, 0.0f);
    EffectProcessReplacing(inputs, outputs, sampleCount);
    timeInfo_.flags &= ~kTimeInfoChanged;
    midi_.finishSending();
    inBlock_.clear();
}

// A block the effect cannot take while its bank is rewritten still reaches the host: as the dry input, never as
// whatever the output rows held before.
void CPluginWrapper::passDryInput(float** inputs, float** outputs, int sampleCount) const
{
    // The effect's own counts may claim more rows than the arrays a block brings.
    const int sources = std::min(numInputs_, kWrapperInputRows);
    const int destinations = std::min(numOutputs_, kWrapperOutputRows);
    if (inputs == nullptr || outputs == nullptr || sampleCount <= 0 || sources <= 0)
        return;
    for (int channel = 0; channel < destinations; ++channel) {
        const float* source = inputs[std::min(channel, sources - 1)];
        float* destination = outputs[channel];
        if (source != nullptr && destination != nullptr && source != destination)
            std::memmove(destination, source, size_t(sampleCount) * sizeof(float));
    }
}

float CPluginWrapper::EffectGetParameter(int index)
{
    return getParameter_ != nullptr ? getParameter_(effect_, index) : 0.0f;
}

void CPluginWrapper::EffectSetParameter(int index, float value)
{
    if (setParameter_ != nullptr)
        setParameter_(effect_, index, value);
}

void CPluginWrapper::EffectProcessReplacing(float** inputs, float** outputs, int sampleCount)
{
    if (processReplacing_ != nullptr)
        processReplacing_(effect_, inputs, outputs, sampleCount);
}

void CPluginWrapper::beginBankWork()
{
    bankBusy_.acquire();
    inBlock_.waitUntilClear();
}

void CPluginWrapper::endBankWork()
{
    bankBusy_.clear();
}

void CPluginWrapper::Idle()
{
    if (editorOpen_)
        Dispatch(effEditIdle, 0, 0, nullptr, 0.0f);
}

void CPluginWrapper::ForwardMidi(int, int) {}

bool CPluginWrapper::IsSynth()
{
    return effect_ != nullptr && (effect_->flags & kFlagIsSynth) != 0;
}

int CPluginWrapper::GetLatency()
{
    return effect_ != nullptr ? effect_->initialDelay : 0;
}
