// An effect instance that can render offline (AudioSuite) as well as in real time: the host's connection records for
// its inputs and outputs, the bypassed byte kept in step with the master bypass control, and, for real-time
// instances, the adaptor plug-in through which the host's engine reaches the render. The instances of a plug-in
// derive from it and supply the render. Main thread under the group's context lock, unless said.
#pragma once

#include "rtas/framework/AudioSuiteSupport.h"
#include "rtas/framework/CEffectProcess.h"

#include <atomic>
#include <memory>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

class CAdaptorPlugIn;

class CEffectProcessAS : public CEffectProcess
{
public:
    static constexpr int32_t kConnectionSlots = 48;

    CEffectProcessAS();
    ~CEffectProcessAS() override;

    // Slot i (0-based) of the connection records the host set, or null (also for i outside 0..47). Audio thread
    // too: the host sets the records before it renders and the render only reads them.
    rtas::SConnectionRecord* GetInputConnection(int32_t i) const;
    rtas::SConnectionRecord* GetOutputConnection(int32_t i) const;
    rtas::SConnectionRecord** InputConnections() { return fInputs; }
    rtas::SConnectionRecord** OutputConnections() { return fOutputs; }
    // Set on the main thread with every stored bypass value; read by the render on the audio thread.
    bool IsBypassed() const { return fBypassed.load(std::memory_order_relaxed); }
    // The plug-in object through which the engine renders a real-time instance (null for AudioSuite instances).
    CAdaptorPlugIn* GetAdaptorPlugIn() const { return fAdaptor.get(); }

    int32_t UpdateControlValue(int32_t control, int32_t value) override;

    // ---- Connections (1-based connection numbers) ----
    int32_t Routine27(int32_t connection, uint8_t* answer) override;
    int32_t Routine28(int32_t connection, uint8_t* answer) override;
    int32_t Routine29(int32_t connection, uint8_t* answer) override;
    int32_t Routine30(int32_t connection, void* record) override;
    int32_t Routine31(int32_t connection) override;
    int32_t Routine32(int32_t connection, void* record) override;
    int32_t Routine33(int32_t connection) override;
    // Copies the shared AudioSuite record's two position words into the output records.
    int32_t PropagateConnectionInfo(HostWord record) override;

    // ---- Render: audio thread (real time, through the adaptor's callback) or main thread (AudioSuite) ----
    // Each adds the instance's answer, asked with the bypassed byte, to the caller's running sum.
    int32_t Routine104(int32_t* runningSum) override;
    int32_t Routine105(int32_t* runningSum) override;

    // The AudioSuite format record: 94 fills it with the default format, 95 checks it (-7104 when the instance does
    // not accept it).
    int32_t Routine94(HostWord format) override;
    int32_t Routine95(HostWord format) override;

    // The name stored for the stem kind; -7000 when none is, so that the group may answer its own.
    int32_t GetStemName(int32_t kind, int32_t maxLength, unsigned char* name) override;

    // The real-time type's set-up right after creation: makes and publishes the adaptor plug-in.
    int32_t SetUpForRealTime(const SProcessIdentity& identity, HostWord groupWord, int32_t index) override;

protected:
    // Renders the samples the connection records hold; answers the number of output samples it produced.
    virtual int32_t Render(bool bypassed) = 0;
    // Asked by routine 104 before a render; nothing to report by default.
    virtual int32_t AnswerBeforeRender(bool bypassed) { return 0; }
    // The name of stem kind 5 (a zero-terminated text the instance may change); unchanged by default.
    virtual void NameStem(char* name, int32_t capacity) {}
    // Names answered for other stem kinds, by kind.
    std::vector<std::pair<int32_t, std::string>>& StemNames() { return fStemNames; }
    // Main thread. Withdraws the adaptor plug-in from the host's engine before the instance is destroyed, so that
    // no render callback reaches a half-destroyed instance; an instance calls it from its most derived destructor.
    void ReleaseAdaptorPlugIn();

private:
    int32_t AnswerConnected(rtas::SConnectionRecord* const* slots, int32_t connection, uint8_t* answer) const;
    // Sets a slot, or clears it (clear: a slot that is empty already is refused).
    int32_t SetSlot(rtas::SConnectionRecord** slots, int32_t connection, rtas::SConnectionRecord* record, bool input,
                    bool clear);
    // Tells the own connection list before the side-chain input's slot is set or cleared.
    void NoteSideChainChange(int32_t connection, bool connected);

    rtas::SConnectionRecord* fInputs[kConnectionSlots] = {};
    rtas::SConnectionRecord* fOutputs[kConnectionSlots] = {};
    std::atomic<bool> fBypassed{false};
    std::unique_ptr<CAdaptorPlugIn> fAdaptor;
    std::vector<std::pair<int32_t, std::string>> fStemNames;
};
