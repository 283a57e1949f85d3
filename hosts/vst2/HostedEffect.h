// One VST 2 effect loaded from a plug-in library and driven through its record, as a host would.
#pragma once

#include "effect/vst2/EffectRecord.h"
#include "effect/vst2/Records.h"
#include "hosts/vst2/HostCallLog.h"
#include "platform/Library.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vst2host {

// Version this host reports for host opcode 1.
constexpr intptr_t kDefaultHostVersion = 2400;

// Entry point names, in the order they are looked up.
constexpr const char* kEntryPointNames[] = {"VSTPluginMain", "main", "Main"};

// Driven from one thread, as a host's main thread would (the tool and the tests do exactly that); only the
// callback and the process calls may come from elsewhere.
class HostedEffect
{
public:
    // Consulted before the built-in answers; an empty optional falls through to them. Tests use it to answer
    // one particular request differently (say, the second version request).
    using CallbackOverride = std::function<std::optional<intptr_t>(const HostCall&)>;

    explicit HostedEffect(intptr_t hostVersion = kDefaultHostVersion);
    // Closes the effect if it is still open.
    ~HostedEffect();
    // The record's resvd1 points at this object, so it never moves.
    HostedEffect(const HostedEffect&) = delete;
    HostedEffect& operator=(const HostedEffect&) = delete;

    // Loads the library, calls its entry point with this host's callback and keeps the record.
    // False with error() when the library, its entry point or its record is missing or wrong.
    bool load(const std::string& path);
    // Close request through the dispatcher, then the library is unloaded. Returns the close reply (0 when
    // nothing was open). The record must not be touched afterwards, so it is forgotten here.
    intptr_t close();

    bool isLoaded() const { return record_ != nullptr; }
    EffectRecord* record() const { return record_; }
    const std::string& error() const { return error_; }
    const std::string& path() const { return path_; }

    void setHostVersion(intptr_t version) { hostVersion_ = version; }
    intptr_t hostVersion() const { return hostVersion_; }
    void setCallbackOverride(CallbackOverride callbackOverride) { override_ = std::move(callbackOverride); }
    HostCallLog& log() { return log_; }
    const HostCallLog& log() const { return log_; }

    // Dispatcher call; 0 when no effect is loaded.
    intptr_t dispatch(int32_t opcode, int32_t index = 0, intptr_t value = 0, void* ptr = nullptr, float opt = 0.0f);

    std::string parameterName(int32_t index);
    std::string parameterLabel(int32_t index);
    // Display text of the parameter's current value.
    std::string parameterDisplay(int32_t index);
    // Display text the effect would show for value, asked with the display-value tag.
    std::string parameterDisplayFor(int32_t index, float value);
    void setParameter(int32_t index, float value);
    float getParameter(int32_t index);

    // Current program name (opcode 5), a program name by index (opcode 29, empty when the effect has none),
    // and every name the effect answers by index from 0 up.
    std::string programName();
    std::optional<std::string> programNameAt(int32_t index);
    std::vector<std::string> programNames();

    std::string effectName();
    std::string vendorString();
    std::string productString();
    intptr_t vendorVersion();
    intptr_t category();
    intptr_t vstVersion();
    // The effect's own can-do answer (opcode 51).
    intptr_t canDo(const char* capability);

    void setSampleRate(float rate);
    void setBlockSize(int32_t frames);
    void resume();
    void suspend();
    void startProcess();
    void stopProcess();
    // Opcode 42 with inChannels/outChannels arrangements; true when the effect accepts the pair.
    bool setSpeakerArrangement(int32_t inChannels, int32_t outChannels);

    // A copy of the effect's chunk (opcode 23); empty when it saves nothing.
    std::vector<uint8_t> getChunk(bool programOnly = false);
    // Opcode 24 with a copy of data (the effect may rewrite the bytes it is given); returns its reply.
    intptr_t setChunk(std::vector<uint8_t> data, bool programOnly = false);

    bool canProcessFloat() const;
    bool canProcessDouble() const;
    // Audio thread. Each call moves the transport on by frames.
    void process(float** inputs, float** outputs, int32_t frames);
    void processDouble(double** inputs, double** outputs, int32_t frames);

    // Host state the callback reports back.
    float sampleRate() const { return sampleRate_; }
    int32_t blockSize() const { return blockSize_; }
    int64_t samplePosition() const { return samplePosition_; }

    // The callback every entry point gets. Any thread. It finds its host through the record's resvd1, or,
    // during the entry point, through the host loading on this thread; a call it cannot place gets the
    // default version for opcode 1 and 0 for anything else.
    static intptr_t hostCallback(EffectRecord* effect, int32_t opcode, int32_t index, intptr_t value, void* ptr,
                                 float opt);

private:
    intptr_t answer(const HostCall& call, void* ptr);
    std::string textRequest(int32_t opcode, int32_t index);

    platform::Library library_;
    EffectRecord* record_ = nullptr;
    std::string path_;
    std::string error_;
    std::atomic<intptr_t> hostVersion_;
    CallbackOverride override_;
    HostCallLog log_;
    std::atomic<float> sampleRate_{44100.0f};
    std::atomic<int32_t> blockSize_{1024};
    std::atomic<int64_t> samplePosition_{0};
    EffectTimeInfo timeInfo_{};
};

}  // namespace vst2host
