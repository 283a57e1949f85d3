// One inserted copy of the plug-in: the object every per-instance routine reaches through group and type. This base
// answers each of those routines with its default; the instance classes override what they offer.
#pragma once

#include "rtas/framework/CUnknown.h"
#include "rtas/framework/RoutineDefaults.h"
#include "rtas/framework/host/PlugInRoutines.h"

#include <atomic>
#include <cstdint>
#include <tuple>

class CProcessType;

namespace rtas::views {
class CPlugInView;
}

// The words a real-time type hands its new instance so that it can describe itself to the host's engine.
struct SProcessIdentity
{
    uint32_t manufacturerID;
    uint32_t productID;
    uint32_t typeID;
};

class CProcess : public DOA::CUnknown
{
public:
    CProcess();
    ~CProcess() override;

#define QOR_PROCESS_OPERATION(sel, name, lock, params, names)                                                        \
    virtual int32_t name params { return AnswerByDefault<sel> names; }
#define QOR_PROCESS_SKIP(...)
    QOR_PLUGIN_ROUTINES(QOR_PROCESS_OPERATION, QOR_PROCESS_OPERATION, QOR_PROCESS_OPERATION, QOR_PROCESS_OPERATION,
                        QOR_PROCESS_SKIP, QOR_PROCESS_SKIP)
#undef QOR_PROCESS_OPERATION
#undef QOR_PROCESS_SKIP

    // Hooks the library's instances answer with 0.
    virtual int32_t ProcessHookA() { return 0; }
    virtual int32_t ProcessHookD() { return 0; }
    virtual int32_t ProcessHookE() { return 0; }

    // Values the host or the library hands the instance to keep.
    void SetHostValue(uint32_t value) { fHostValue = value; }
    uint32_t GetHostValue() const { return fHostValue; }
    void SetInstanceFlag(uint8_t flag) { fInstanceFlag = flag; }
    uint8_t GetInstanceFlag() const { return fInstanceFlag; }
    int32_t GetRoutine130Value() const { return fRoutine130Value; }

    // Set-up by the owning type, in this order, right after creation; then the sample rate and the value of routine
    // 125. Under the group's context lock.
    virtual void SetProcessType(CProcessType* type) { fType = type; }
    virtual void SetFirstIdentifier(int16_t typeNumber) { fTypeNumber = typeNumber; }
    virtual void SetSecondIdentifier(int16_t index) { fIndex = index; }
    // Builds the instance's root view unless the library's views are off; a failure is thrown with nothing left
    // behind.
    virtual int32_t Initialize();
    // The root view Initialize builds: the library's dialog view, or null while the library's views are off.
    virtual rtas::views::CPlugInView* CreateRootView();
    // Undoes Initialize; the type calls it before it lets the instance go.
    virtual void Uninitialize();
    virtual int32_t SetSampleRate(int32_t rate);
    virtual int32_t SetRoutine125Value(int32_t value);
    virtual int32_t SetEngineSettings(const int32_t* settings);
    virtual int32_t SetRoutine122Value(HostWord first, int32_t second) { return 0; }
    virtual int32_t SetFlag69(int32_t flag) { return 0; }
    virtual int32_t SetFlag72(int32_t flag) { return 0; }
    virtual int32_t SetTypeNumber(int16_t typeNumber) { fTypeNumber = typeNumber; return 0; }

    // The real-time or AudioSuite set-up that a real-time type runs after creating the instance; an instance of
    // neither kind answers -77.
    virtual int32_t SetUpForRealTime(const SProcessIdentity& identity, HostWord groupWord, int32_t index)
    {
        return rtas::kNoTypeAtPosition;
    }

    // Fresh meter values and clip flags, one per meter, into the caller's arrays; the library's instances have none.
    virtual void FetchMeters(int32_t* values, uint8_t* clips) {}
    // Set by the engine's render callback after each render it ran for this instance (audio thread); read on the
    // host's main thread.
    void SetRendered(bool rendered) { fRendered.store(rendered, std::memory_order_release); }
    bool HasRendered() const { return fRendered.load(std::memory_order_acquire); }

    // Set by the side that produces meter data (the render, audio thread), cleared by the meter set when it fetches
    // (main thread, under the context lock).
    bool IsMeterDataReady() const { return fMeterDataReady.load(std::memory_order_acquire); }
    void SetMeterDataReady(bool ready) { fMeterDataReady.store(ready, std::memory_order_release); }

    // Channel counts of the instance's input and output stems (the adaptor plug-in and the connection descriptions
    // use them); the library's own instance has none.
    virtual int32_t GetNumInputs() const { return 0; }
    virtual int32_t GetNumOutputs() const { return 0; }

    // Null while the library's views are off.
    rtas::views::CPlugInView* GetRootView() const { return fRootView; }
    CProcessType* GetProcessType() const { return fType; }
    int16_t GetFirstIdentifier() const { return fTypeNumber; }
    int16_t GetSecondIdentifier() const { return fIndex; }
    int32_t GetIndex() const { return fIndex; }
    int32_t GetSampleRate() const { return fSampleRate; }
    int32_t GetEngineSettingA() const { return fEngineSettingA; }
    int32_t GetEngineSettingB() const { return fEngineSettingB; }
    int32_t GetRoutine125Value() const { return fRoutine125Value; }
    int32_t GetInstanceKind() const { return fInstanceKind; }
    int32_t GetInstanceWord() const { return fInstanceWord; }
    void SetInstanceKind(int32_t kind) { fInstanceKind = kind; }
    void SetInstanceWord(int32_t word) { fInstanceWord = word; }

private:
    // The answer of a routine no class overrides: the defaults, except that routine 130 keeps its value and
    // routine 145 answers routine 80's latency as 32 bits.
    template <int Selector, typename... A>
    int32_t AnswerByDefault(A... args)
    {
        if constexpr (Selector == 130) {
            fRoutine130Value = int32_t(args...);
            return 0;
        } else if constexpr (Selector == 145) {
            int32_t* delay = std::get<0>(std::tie(args...));
            int16_t samples = 0;
            const int32_t result = GetDelaySamplesShort(&samples);
            if (delay != nullptr)
                *delay = samples;
            return result;
        } else {
            return rtas::ProcessDefault<Selector>(args...);
        }
    }

    CProcessType* fType = nullptr;
    int16_t fTypeNumber = -1;
    int16_t fIndex = -1;
    int32_t fInstanceKind = 0;
    int32_t fInstanceWord = 0;
    int32_t fSampleRate;
    int32_t fEngineSettingA;
    int32_t fEngineSettingB;
    int32_t fRoutine125Value = 0;
    int32_t fRoutine130Value = 0;
    uint32_t fHostValue = 0;
    uint8_t fInstanceFlag = 0;
    std::atomic<bool> fMeterDataReady{true};
    std::atomic<bool> fRendered{false};
    rtas::views::CPlugInView* fRootView = nullptr;
};

// Makes a new instance of a type's kind (the bridge hands one to each type); null when it cannot.
using ProcessCreator = CProcess* (*)();
