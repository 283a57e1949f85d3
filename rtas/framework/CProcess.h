// One inserted copy of the plug-in: the object every per-instance routine reaches through group and type. This base
// answers each of those routines with its default; the instance classes override what they offer.
#pragma once

#include "rtas/framework/CUnknown.h"
#include "rtas/framework/RoutineDefaults.h"
#include "rtas/framework/host/PlugInRoutines.h"

#include <cstdint>

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
    virtual int32_t name params { return rtas::ProcessDefault<sel> names; }
#define QOR_PROCESS_SKIP(...)
    QOR_PLUGIN_ROUTINES(QOR_PROCESS_OPERATION, QOR_PROCESS_OPERATION, QOR_PROCESS_OPERATION, QOR_PROCESS_OPERATION,
                        QOR_PROCESS_SKIP, QOR_PROCESS_SKIP)
#undef QOR_PROCESS_OPERATION
#undef QOR_PROCESS_SKIP

    // Set-up by the owning type, in this order, right after creation; then the sample rate and the value of routine
    // 125. Under the group's context lock.
    virtual void SetProcessType(CProcessType* type) { fType = type; }
    virtual void SetFirstIdentifier(int16_t typeNumber) { fTypeNumber = typeNumber; }
    virtual void SetSecondIdentifier(int16_t index) { fIndex = index; }
    // Builds the instance's root view unless the library's views are off; a failure is thrown with nothing left
    // behind.
    virtual int32_t Initialize();
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
    // Set by the engine's render callback after each render it ran for this instance. Audio thread.
    void SetRendered(bool rendered) { fRendered = rendered; }
    bool HasRendered() const { return fRendered; }

    // Set by the side that produces meter data (the render), cleared by the meter set when it fetches.
    bool IsMeterDataReady() const { return fMeterDataReady; }
    void SetMeterDataReady(bool ready) { fMeterDataReady = ready; }

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
    CProcessType* fType = nullptr;
    int16_t fTypeNumber = -1;
    int16_t fIndex = -1;
    int32_t fInstanceKind = 0;
    int32_t fInstanceWord = 0;
    int32_t fSampleRate;
    int32_t fEngineSettingA;
    int32_t fEngineSettingB;
    int32_t fRoutine125Value = 0;
    bool fMeterDataReady = true;
    bool fRendered = false;
    rtas::views::CPlugInView* fRootView = nullptr;
};

// Makes a new instance of a type's kind (the bridge hands one to each type); null when it cannot.
using ProcessCreator = CProcess* (*)();
