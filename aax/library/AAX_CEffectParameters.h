// The base of the object an AAX host creates for each plug-in instance to hold its parameters and state: a table
// of AAX parameters answered by identifier, the controls-state chunk 'elck' ("Complete Controls State") that saves
// and restores their values, the packet dispatcher that carries changed values to the audio side, and proxies of
// the host's controller, transport and automation delegate. A derived class creates its parameters in SetUp.
//
// Host threads (main, GUI, automation) call every operation; none runs on the audio thread. The table has no lock:
// parameters are created during initialisation and only read afterwards. The dispatcher's own mutex guards the
// packets.
#pragma once

#include <cstdint>
#include <memory>
#include <set>
#include <string>

#include "aax/library/AAX_CChunkDataParser.h"
#include "aax/library/AAX_CPacketDispatcher.h"
#include "aax/library/AAX_CParameterTable.h"
#include "aax/library/AAX_IEffectParameters.h"
#include "aax/library/CACFUnknown.h"

class AAX_VController;
class AAX_VTransport;
class AAX_VAutomationDelegate;

// Identifiers with a fixed meaning.
constexpr const char* kAAXMasterBypassID = "MasterBypassID";
constexpr const char* kAAXPreviewID = "PreviewID";
// The controls-state chunk and its display name.
constexpr AAX_CTypeID kAAXControlsChunkID = AAX_FourCC('e', 'l', 'c', 'k');
constexpr const char* kAAXControlsChunkName = "Complete Controls State";
// Notification that sets the preview parameter.
constexpr AAX_CTypeID kAAXNotificationPreview = AAX_FourCC('A', 'S', 'P', 'v');

class AAX_CEffectParameters : public AAX_IACFEffectParameters_V2, public CACFUnknown
{
public:
    AAX_CEffectParameters();
    ~AAX_CEffectParameters() override;

    ACF_FORWARD_UNKNOWN_TO_CONTROLLING()
    // Answers both versions of the effect-parameters interface with this object.
    acf::Result InternalQueryInterface(const acf::Uid& iid, void** out) override;

    // Host main thread: proxies on the host context, SetUp, then the master bypass is kept out of the chunk.
    AAX_Result Initialise(IACFUnknown* hostContext) override;
    // Host main thread, before the last release: deletes the parameters and the proxies.
    AAX_Result Shutdown() override;
    AAX_Result OnNotification(AAX_CTypeID type, const void* data, uint32_t size) override;

    AAX_Result GetParameterCount(int32_t* count) const override;
    AAX_Result GetMasterBypassID(AAX_IString* identifier) const override;
    AAX_Result IsParameterAutomatable(AAX_CParamID identifier, AAX_CBoolean* automatable) const override;
    AAX_Result GetParameterStepCount(AAX_CParamID identifier, int32_t* steps) const override;
    AAX_Result GetParameterTitle(AAX_CParamID identifier, AAX_IString* title) const override;
    AAX_Result GetParameterShortTitle(AAX_CParamID identifier, AAX_IString* title, int32_t length) const override;
    AAX_Result GetParameterDefault(AAX_CParamID identifier, AAX_CParamValue* value) const override;
    AAX_Result SetParameterDefault(AAX_CParamID identifier, AAX_CParamValue value) override;
    AAX_Result GetParameterKind(AAX_CParamID identifier, AAX_EParameterType* kind) const override;
    AAX_Result GetParameterOrientation(AAX_CParamID identifier, int32_t* orientation) const override;
    AAX_Result GetParameterObject(AAX_CParamID identifier, AAX_IParameter** parameter) override;
    AAX_Result GetParameterIndex(AAX_CParamID identifier, int32_t* index) const override;
    AAX_Result GetParameterIDAt(int32_t index, AAX_IString* identifier) const override;
    AAX_Result GetParameterValueInfo(AAX_CParamID identifier, int32_t selector, int32_t* value) const override;
    AAX_Result ParameterTextToValue(AAX_CParamID identifier, AAX_CParamValue* value,
                                    const AAX_IString& text) const override;
    AAX_Result ParameterValueToText(AAX_CParamID identifier, AAX_CParamValue value, AAX_IString* text,
                                    int32_t maxLength) const override;
    AAX_Result GetParameterValueText(AAX_CParamID identifier, AAX_IString* text, int32_t maxLength) const override;
    AAX_Result GetParameterNormalised(AAX_CParamID identifier, AAX_CParamValue* value) const override;
    AAX_Result SetParameterNormalised(AAX_CParamID identifier, AAX_CParamValue value) override;
    AAX_Result NudgeParameter(AAX_CParamID identifier, AAX_CParamValue delta) override;
    AAX_Result BeginParameterTouch(AAX_CParamID identifier) override;
    AAX_Result EndParameterTouch(AAX_CParamID identifier) override;
    AAX_Result NoteParameterTouch(AAX_CParamID identifier, AAX_CBoolean touched) override;
    // The host applies a value: the parameter takes it, its packets are marked dirty, the change count goes up.
    AAX_Result ApplyHostParameterValue(AAX_CParamID identifier, AAX_CParamValue value) override;
    AAX_Result NudgeHostParameter(AAX_CParamID identifier, AAX_CParamValue delta) override;
    AAX_Result SendDirtyPackets() override;
    AAX_Result ResetPrivateData(AAX_CFieldIndex field, void* data, uint32_t size) override;

    AAX_Result GetChunkCount(int32_t* count) const override;
    AAX_Result GetChunkID(int32_t index, AAX_CTypeID* identifier) const override;
    AAX_Result ChunkByteCount(AAX_CTypeID identifier, int32_t* size) override;
    AAX_Result WriteChunk(AAX_CTypeID identifier, AAX_HostChunk* chunk) override;
    AAX_Result ReadChunk(AAX_CTypeID identifier, const AAX_HostChunk* chunk) override;
    AAX_Result CompareChunk(const AAX_HostChunk* chunk, AAX_CBoolean* equal) override;
    AAX_Result GetChangeCount(int32_t* count) const override;

    AAX_Result FurtherOperation1() override { return AAX_SUCCESS; }
    AAX_Result FurtherOperation2() override { return AAX_ERROR_UNIMPLEMENTED; }
    AAX_Result FurtherOperation3(int32_t* value) const override;
    AAX_Result FurtherOperation4() override { return AAX_SUCCESS; }
    AAX_Result FurtherOperation5() override { return AAX_SUCCESS; }
    AAX_Result FurtherOperation6() override { return AAX_ERROR_UNIMPLEMENTED; }
    AAX_Result FurtherOperation7() override { return AAX_SUCCESS; }
    AAX_Result FurtherOperation8() override { return AAX_SUCCESS; }
    // Called by Initialise once the proxies exist: the derived class creates its parameters here.
    AAX_Result SetUp() override { return AAX_SUCCESS; }

protected:
    AAX_CParameterTable& Parameters() { return parameters_; }
    AAX_CPacketDispatcher& PacketDispatcher() { return dispatcher_; }
    AAX_VController* Controller() const { return controller_.get(); }
    AAX_VTransport* Transport() const { return transport_.get(); }
    AAX_VAutomationDelegate* AutomationDelegate() const { return automation_.get(); }
    void IncrementChangeCount() { changeCount_ = int32_t(uint32_t(changeCount_) + 1u); }

private:
    // The parser's entries for every saved parameter, in table order, from a fresh start.
    void BuildControlsState();
    bool Excluded(const AAX_IParameter& parameter) const;

    int32_t changeCount_ = 0;  // wraps to negative after 2^31 updates; reported only while not negative
    int32_t lastChunkSize_ = 0;
    AAX_CChunkDataParser parser_;
    AAX_CPacketDispatcher dispatcher_;
    AAX_CParameterTable parameters_;
    std::set<std::string> excludedFromChunk_;
    std::unique_ptr<AAX_VController> controller_;
    std::unique_ptr<AAX_VTransport> transport_;
    std::unique_ptr<AAX_VAutomationDelegate> automation_;
};
