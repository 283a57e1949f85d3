#include "hosts/vst2/HostedEffect.h"

#include "effect/vst2/Opcodes.h"
#include "effect/vst2/Records.h"
#include "hosts/vst2/HostCapabilities.h"
#include "hosts/vst2/Transport.h"

#include <cstdio>
#include <cstring>

namespace vst2host {
namespace {

// Text buffers handed to the effect; far larger than any text the standard allows, so a long answer cannot
// run past them.
constexpr size_t kTextBufferSize = 256;
// Size of the text buffers an effect hands to the host (vendor and product requests).
constexpr size_t kHostTextSize = 64;
constexpr const char* kHostVendor = "Qor";
constexpr const char* kHostProduct = "vst2host";
constexpr intptr_t kHostVendorVersion = 1;

using EntryPoint = EffectRecord* (*)(HostCallback);

// The host being loaded on this thread. Calls that arrive during the entry point carry a null record, or a
// record whose resvd1 is still 0, so this is the only way to tell which host they are meant for.
thread_local HostedEffect* tLoading = nullptr;

std::string terminated(const char* buffer, size_t size)
{
    return std::string(buffer, strnlen(buffer, size));
}

void copyText(void* destination, const char* text)
{
    if (destination != nullptr)
        std::snprintf(static_cast<char*>(destination), kHostTextSize, "%s", text);
}

}  // namespace

HostedEffect::HostedEffect(intptr_t hostVersion) : hostVersion_(hostVersion)
{
}

HostedEffect::~HostedEffect()
{
    close();
}

bool HostedEffect::load(const std::string& path)
{
    close();
    error_.clear();
    path_ = path;
    samplePosition_ = 0;
    if (!library_.open(path)) {
        error_ = "cannot load plug-in '" + path + "': " + library_.error();
        return false;
    }
    EntryPoint entry = nullptr;
    for (const char* name : kEntryPointNames) {
        if (void* address = library_.symbol(name)) {
            entry = reinterpret_cast<EntryPoint>(address);
            break;
        }
    }
    if (entry == nullptr) {
        error_ = "'" + path + "' exports no VST 2 entry point (VSTPluginMain, main or Main)";
        library_.close();
        return false;
    }

    HostedEffect* const outer = tLoading;
    tLoading = this;
    EffectRecord* const effect = entry(&HostedEffect::hostCallback);
    tLoading = outer;

    if (effect == nullptr) {
        error_ = "the entry point of '" + path + "' returned no effect";
        library_.close();
        return false;
    }
    if (effect->magic != kEffectMagic || effect->dispatcher == nullptr) {
        // Not a record we can talk to, so it cannot be closed either; unloading is all that is left.
        error_ = "'" + path + "' returned a record without the effect magic or dispatcher";
        library_.close();
        return false;
    }
    // Only now: the effect may call back during the entry point, before this host holds the record.
    effect->resvd1 = reinterpret_cast<intptr_t>(this);
    record_ = effect;
    return true;
}

intptr_t HostedEffect::close()
{
    intptr_t reply = 0;
    if (record_ != nullptr) {
        EffectRecord* const effect = record_;
        record_ = nullptr;
        reply = effect->dispatcher(effect, effClose, 0, 0, nullptr, 0.0f);
    }
    library_.close();
    return reply;
}

intptr_t HostedEffect::dispatch(int32_t opcode, int32_t index, intptr_t value, void* ptr, float opt)
{
    return record_ != nullptr ? record_->dispatcher(record_, opcode, index, value, ptr, opt) : 0;
}

intptr_t HostedEffect::hostCallback(EffectRecord* effect, int32_t opcode, int32_t index, intptr_t value, void* ptr,
                                    float opt)
{
    HostCall call;
    call.opcode = opcode;
    call.index = index;
    call.value = value;
    call.opt = opt;

    HostedEffect* self = nullptr;
    if (effect != nullptr && effect->resvd1 != 0) {
        self = reinterpret_cast<HostedEffect*>(effect->resvd1);
        call.fromHeldRecord = true;
    } else {
        self = tLoading;
    }
    if (self == nullptr)
        return opcode == audioMasterVersion ? kDefaultHostVersion : 0;

    if (opcode == audioMasterCanDo && ptr != nullptr)
        call.text = terminated(static_cast<const char*>(ptr), kTextBufferSize);
    self->log_.add(call);
    if (self->override_) {
        if (const std::optional<intptr_t> overridden = self->override_(call))
            return *overridden;
    }
    return self->answer(call, ptr);
}

intptr_t HostedEffect::answer(const HostCall& call, void* ptr)
{
    switch (call.opcode) {
    case audioMasterVersion:
        return hostVersion_;
    case audioMasterGetTime:
        timeInfo_ = makeTimeInfo(sampleRate_, static_cast<double>(samplePosition_));
        return reinterpret_cast<intptr_t>(&timeInfo_);
    case audioMasterGetSampleRate:
        return static_cast<intptr_t>(sampleRate_);
    case audioMasterGetBlockSize:
        return blockSize_;
    case audioMasterGetVendorString:
        copyText(ptr, kHostVendor);
        return 1;
    case audioMasterGetProductString:
        copyText(ptr, kHostProduct);
        return 1;
    case audioMasterGetVendorVersion:
        return kHostVendorVersion;
    case audioMasterCanDo:
        return hostCanDo(call.text.c_str()) ? 1 : 0;
    default:
        // Automation, edit brackets, display updates and the rest are only logged.
        return 0;
    }
}

std::string HostedEffect::textRequest(int32_t opcode, int32_t index)
{
    char buffer[kTextBufferSize] = {};
    dispatch(opcode, index, 0, buffer);
    return terminated(buffer, sizeof buffer);
}

std::string HostedEffect::parameterName(int32_t index)
{
    return textRequest(effGetParamName, index);
}

std::string HostedEffect::parameterLabel(int32_t index)
{
    return textRequest(effGetParamLabel, index);
}

std::string HostedEffect::parameterDisplay(int32_t index)
{
    return textRequest(effGetParamDisplay, index);
}

std::string HostedEffect::parameterDisplayFor(int32_t index, float value)
{
    char buffer[kTextBufferSize] = {};
    std::memcpy(buffer, &kDisplayValueTag, sizeof kDisplayValueTag);
    std::memcpy(buffer + sizeof kDisplayValueTag, &value, sizeof value);
    dispatch(effGetParamDisplay, index, 0, buffer);
    return terminated(buffer, sizeof buffer);
}

void HostedEffect::setParameter(int32_t index, float value)
{
    if (record_ != nullptr && record_->setParameter != nullptr)
        record_->setParameter(record_, index, value);
}

float HostedEffect::getParameter(int32_t index)
{
    return record_ != nullptr && record_->getParameter != nullptr ? record_->getParameter(record_, index) : 0.0f;
}

std::string HostedEffect::programName()
{
    return textRequest(effGetProgramName, 0);
}

std::optional<std::string> HostedEffect::programNameAt(int32_t index)
{
    char buffer[kTextBufferSize] = {};
    if (dispatch(effGetProgramNameIndexed, index, 0, buffer) == 0)
        return std::nullopt;
    return terminated(buffer, sizeof buffer);
}

std::vector<std::string> HostedEffect::programNames()
{
    // Bounded: an effect that answers every index must not keep the host asking forever.
    constexpr int32_t kMaxPrograms = 1024;
    std::vector<std::string> names;
    for (int32_t index = 0; index < kMaxPrograms; ++index) {
        std::optional<std::string> name = programNameAt(index);
        if (!name)
            break;
        names.push_back(*name);
    }
    return names;
}

std::string HostedEffect::effectName()
{
    return textRequest(effGetEffectName, 0);
}

std::string HostedEffect::vendorString()
{
    return textRequest(effGetVendorString, 0);
}

std::string HostedEffect::productString()
{
    return textRequest(effGetProductString, 0);
}

intptr_t HostedEffect::vendorVersion()
{
    return dispatch(effGetVendorVersion);
}

intptr_t HostedEffect::category()
{
    return dispatch(effGetPlugCategory);
}

intptr_t HostedEffect::vstVersion()
{
    return dispatch(effGetVstVersion);
}

intptr_t HostedEffect::canDo(const char* capability)
{
    return dispatch(effCanDo, 0, 0, const_cast<char*>(capability));
}

void HostedEffect::setSampleRate(float rate)
{
    sampleRate_ = rate;
    dispatch(effSetSampleRate, 0, 0, nullptr, rate);
}

void HostedEffect::setBlockSize(int32_t frames)
{
    blockSize_ = frames;
    dispatch(effSetBlockSize, 0, frames);
}

void HostedEffect::resume()
{
    dispatch(effMainsChanged, 0, 1);
}

void HostedEffect::suspend()
{
    dispatch(effMainsChanged, 0, 0);
}

void HostedEffect::startProcess()
{
    dispatch(effStartProcess);
}

void HostedEffect::stopProcess()
{
    dispatch(effStopProcess);
}

bool HostedEffect::setSpeakerArrangement(int32_t inChannels, int32_t outChannels)
{
    // The effect reads numChannels only; the records still carry one named entry per channel.
    constexpr int32_t kMaxChannels = 8;
    auto arrangement = [](int32_t channels) {
        SpeakerArrangement result{};
        result.numChannels = channels;
        for (int32_t channel = 0; channel < channels && channel < kMaxChannels; ++channel)
            std::snprintf(result.speakers[channel].name, sizeof result.speakers[channel].name, "%s",
                          channels == 1 ? "M" : channel == 0 ? "L" : channel == 1 ? "R" : "-");
        return result;
    };
    SpeakerArrangement input = arrangement(inChannels);
    SpeakerArrangement output = arrangement(outChannels);
    return dispatch(effSetSpeakerArrangement, 0, reinterpret_cast<intptr_t>(&input), &output) != 0;
}

std::vector<uint8_t> HostedEffect::getChunk(bool programOnly)
{
    void* data = nullptr;
    const intptr_t size = dispatch(effGetChunk, programOnly ? 1 : 0, 0, &data);
    if (size <= 0 || data == nullptr)
        return {};
    const auto* bytes = static_cast<const uint8_t*>(data);
    return std::vector<uint8_t>(bytes, bytes + size);
}

intptr_t HostedEffect::setChunk(std::vector<uint8_t> data, bool programOnly)
{
    return dispatch(effSetChunk, programOnly ? 1 : 0, static_cast<intptr_t>(data.size()),
                    data.empty() ? nullptr : data.data());
}

bool HostedEffect::canProcessFloat() const
{
    return record_ != nullptr && (record_->flags & kFlagCanReplacing) != 0 && record_->processReplacing != nullptr;
}

bool HostedEffect::canProcessDouble() const
{
    return record_ != nullptr && (record_->flags & kFlagCanDoubleReplacing) != 0 &&
           record_->processDoubleReplacing != nullptr;
}

void HostedEffect::process(float** inputs, float** outputs, int32_t frames)
{
    if (!canProcessFloat())
        return;
    record_->processReplacing(record_, inputs, outputs, frames);
    samplePosition_ += frames;
}

void HostedEffect::processDouble(double** inputs, double** outputs, int32_t frames)
{
    if (!canProcessDouble())
        return;
    record_->processDoubleReplacing(record_, inputs, outputs, frames);
    samplePosition_ += frames;
}

}  // namespace vst2host
