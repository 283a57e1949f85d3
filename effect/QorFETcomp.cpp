#include "effect/QorFETcomp.h"

#include <cstdio>
#include <cstring>
#include <new>

#include "effect/NormalisedValue.h"
#include "effect/ParameterText.h"
#include "effect/editor/Qor245Editor.h"
#include "effect/vst2/Opcodes.h"
#include "platform/Clock.h"
#include "platform/MutexScope.h"

namespace {

constexpr uint32_t kParameterWaitMs = 500;
constexpr int32_t kVendorVersion = 1000;
constexpr const char* kEffectName = "Qor Kalvenor";
constexpr const char* kVendor = "qor-velmont.com";
constexpr const char* kProduct = "Qor Kalvenor - FET type compressor";
// The identity texts' buffers (opcodes 45, 47, 48), terminator included.
constexpr size_t kIdentityTextSize = 64;
const char* const kCapabilities[] = {"offline", "plugAsChannelInsert", "mixDryWet", "1in1out", "1in2out", "2in2out"};

struct StepSet
{
    int32_t flags;
    float step, smallStep, largeStep;
};

bool isSwitch(int32_t index) { return index == kPower || index == kScHpfOn || index == kLink || index == kBlendOn; }

bool isPlaceholder(int32_t index)
{
    return index == kUnused3 || index == kUnused7 || index == kUnused14 || index == kUnused15;
}

}  // namespace

QorFETcomp::QorFETcomp(HostCallback hostCallback) : CPresetSystemEffect(hostCallback)
{
    mutex_.reset(new (std::nothrow) platform::Mutex);
    if (mutex_ && !mutex_->valid())
        mutex_.reset();
    core_.reset(new CompressorCore);
    values_[kUnused14].store(0.0f);
    values_[kUnused15].store(0.0f);

    setNumInputs(2);
    setNumOutputs(2);
    canProcessReplacing(true);
    canDoubleReplacing(true);
    setUniqueID(fourCharCode('Q', 'K', 'v', 'p'));
    setInitialDelay(0);
    outputStereo_ = true;

    fillFactoryBank();
    takeTemplate();
    // The host does not hold the record yet: the callbacks this sends arrive with its reserved words still 0.
    setCurrentProgram(0);

    try {
        ownedEditor_.reset(new (std::nothrow) Qor245Editor(this));
        setEditor(ownedEditor_.get());

        suspend();
        resume();
        suspend();

        // The user's stored default bank and preset (and the remembered file locations) come back with every new
        // instance; a host restoring a session replaces them through setChunk afterwards.
        if (ownedEditor_)
            ownedEditor_->loadStartupDefaults();
    } catch (...) {
        // The editor registered itself with the effect as it was built: ownedEditor_ frees it (or it is already
        // gone, when its own construction threw), so the base teardown must not free it again.
        setEditor(nullptr);
        throw;
    }
}

QorFETcomp::~QorFETcomp()
{
    // The editor is freed here, after its window (if the host left it open) is closed; it is detached first so the
    // base teardown does not free it again.
    if (ownedEditor_ && ownedEditor_->isOpen())
        ownedEditor_->close();
    setEditor(nullptr);
    ownedEditor_.reset();
    core_.reset();
    mutex_.reset();
}

bool QorFETcomp::isExcludedFromPreset(int32_t index) { return index < 0 || isPlaceholder(index) || index > kBlend; }

bool QorFETcomp::isExcludedOnLoad(int32_t index) { return isExcludedFromPreset(index); }

void QorFETcomp::applyToCore(int32_t index, float v)
{
    CompressorCore& core = *core_;
    switch (index) {
    case kPower: {
        if (ProgramRecord* programs = bank())
            for (int32_t p = 0; p < kBankPrograms; ++p)
                programs[p].values[kPower] = v;  // power is common to all programs
        int32_t on = switchState(v);
        core.setPower(on < 0 ? 0 : on > 1 ? 1 : on);
        break;
    }
    case kAttack: core.setAttack(v); break;
    case kRelease: core.setRelease(v); break;
    case kScHpfOn: core.setSideChainFilterOn(v); break;
    case kScHpf: core.setSideChainFilter(v); break;
    case kRatio: core.setRatio(v); break;
    case kThreshold: core.setThreshold(v); break;
    case kChannel: core.setChannel(v); break;
    case kMakeup: core.setMakeup(v); break;
    case kLink: core.setLink(v); break;
    case kBlendOn: core.setBlendOn(v); break;
    case kBlend: core.setBlend(v); break;
    default: break;
    }
}

void QorFETcomp::setParameter(int32_t index, float value)
{
    const float v = clampNormalised(value);
    // One wait of at most 500 ms in all: the bank lock first (the order every holder of both takes them in), then
    // the effect mutex with what is left.
    const uint32_t started = platform::tickCount();
    platform::MutexScope bankLock(bankMutex(), kParameterWaitMs);
    if (bankMutex() && !bankLock.held())
        return;
    const uint32_t waited = platform::tickCount() - started;
    platform::MutexScope effectLock(mutex_.get(), waited < kParameterWaitMs ? kParameterWaitMs - waited : 0);
    if (mutex_ && !effectLock.held())
        return;

    if (index >= 0 && index < kProgramParams) {
        values_[index].store(v, std::memory_order_relaxed);
        applyToCore(index, v);
        if (!isLoading())
            if (ProgramRecord* current = program(getCurrentProgramIndex()))
                current->values[index] = v;
    }
    if (ownedEditor_ && editor_)
        ownedEditor_->setParameter(index, v);
}

float QorFETcomp::getParameter(int32_t index)
{
    if (index >= 0 && index < kProgramParams) {
        const float v = values_[index].load(std::memory_order_relaxed);
        return isPlaceholder(index) ? v : clampNormalised(v);
    }
    if (index == kMeterParameter)
        return static_cast<float>(core_->meterValue());
    return 0.0f;
}

void QorFETcomp::suspend()
{
    platform::MutexScope lock(mutex_.get());
    core_->reset();
}

void QorFETcomp::resume()
{
    CPresetSystemEffect::resume();
    platform::MutexScope lock(mutex_.get());
    core_->setSampleRate(getSampleRate());
    core_->prepare();
}

template <typename Sample>
void QorFETcomp::processBlock(Sample** inputs, Sample** outputs, int32_t sampleFrames)
{
    if (!inputs || !outputs || !inputs[0] || !outputs[0])
        return;
    platform::MutexScope lock(mutex_.get());
    const bool stereo =
        inputs[1] != nullptr && inputs[1] != inputs[0] && outputStereo_.load(std::memory_order_relaxed);
    if (core_->power())
        core_->process(inputs, outputs, sampleFrames, stereo);
    else
        core_->copy(inputs, outputs, sampleFrames);
}

void QorFETcomp::processReplacing(float** inputs, float** outputs, int32_t sampleFrames)
{
    processBlock(inputs, outputs, sampleFrames);
}

void QorFETcomp::processDoubleReplacing(double** inputs, double** outputs, int32_t sampleFrames)
{
    processBlock(inputs, outputs, sampleFrames);
}

void QorFETcomp::getParameterLabel(int32_t index, char* text) { std::snprintf(text, kParameterTextSize, "  "); }

void QorFETcomp::getParameterDisplay(int32_t index, char* text)
{
    int32_t tag = 0;
    std::memcpy(&tag, text, 4);
    float v;
    if (tag == kDisplayValueTag) {
        std::memcpy(&v, text + 4, 4);
        v = clampNormalised(v);
    } else {
        v = index >= 0 && index < kProgramParams ? values_[index].load(std::memory_order_relaxed) : 0.0f;
    }
    parameterDisplay(index, v, text, kParameterTextSize);
}

void QorFETcomp::getParameterName(int32_t index, char* text)
{
    std::snprintf(text, kParameterNameSize, "%s", parameterName(index));
}

bool QorFETcomp::getParameterProperties(int32_t index, ParameterProperties* properties)
{
    StepSet steps;
    if (isSwitch(index))
        steps = {kParameterIsSwitch | kParameterUsesFloatStep, 0.5f, 0.5f, 0.5f};
    else if (index == kChannel)
        steps = {kParameterUsesFloatStep, 1.0f / 3.0f, 1.0f / 6.0f, 1.0f / 3.0f};
    else if (index == kThreshold || index == kMakeup)
        steps = {kParameterUsesFloatStep, 1.0f / 48.0f, 1.0f / 192.0f, 1.0f / 48.0f};
    else if (index == kAttack || index == kRelease || index == kScHpf || index == kRatio || index == kBlend)
        steps = {kParameterUsesFloatStep, 1.0f / 16.0f, 1.0f / 96.0f, 1.0f / 24.0f};
    else
        return false;
    properties->stepFloat = steps.step;
    properties->smallStepFloat = steps.smallStep;
    properties->largeStepFloat = steps.largeStep;
    properties->flags = steps.flags;
    const char* name = parameterName(index);
    std::snprintf(properties->label, sizeof properties->label, "%s", name);
    std::snprintf(properties->shortLabel, sizeof properties->shortLabel, "%.7s", name);
    return true;
}

bool QorFETcomp::canParameterBeAutomated(int32_t index) { return index >= 0 && index <= kBlend && !isPlaceholder(index); }

bool QorFETcomp::getInputProperties(int32_t index, PinProperties* properties)
{
    if (index < 0 || index > 1)
        return false;
    std::snprintf(properties->label, sizeof properties->label, "Qor Kalvenor %1d In", index + 1);
    properties->flags = kPinIsActive | kPinIsStereo;
    return true;
}

bool QorFETcomp::getOutputProperties(int32_t index, PinProperties* properties)
{
    if (index < 0 || index > 1)
        return false;
    std::snprintf(properties->label, sizeof properties->label, "Qor Kalvenor %1d Out", index + 1);
    properties->flags = kPinIsActive | kPinIsStereo;
    return true;
}

int32_t QorFETcomp::getPlugCategory() { return static_cast<int32_t>(kPlugCategoryMastering); }

bool QorFETcomp::getEffectName(char* name)
{
    std::snprintf(name, kIdentityTextSize, "%s", kEffectName);
    return true;
}

bool QorFETcomp::getVendorString(char* text)
{
    std::snprintf(text, kIdentityTextSize, "%s", kVendor);
    return true;
}

bool QorFETcomp::getProductString(char* text)
{
    std::snprintf(text, kIdentityTextSize, "%s", kProduct);
    return true;
}

int32_t QorFETcomp::getVendorVersion() { return kVendorVersion; }

int32_t QorFETcomp::canDo(char* text)
{
    for (const char* capability : kCapabilities)
        if (std::strcmp(text, capability) == 0)
            return 1;
    return 0;
}

bool QorFETcomp::setSpeakerArrangement(SpeakerArrangement* input, SpeakerArrangement* output)
{
    const int32_t in = input ? input->numChannels : 0;
    const int32_t out = output ? output->numChannels : 0;
    if (in == 1 && out == 1) {
        outputStereo_ = false;
        return true;
    }
    outputStereo_ = true;
    return (in == 1 || in == 2) && out == 2;
}
