// The host-facing interface of an instance's parameters and state. The host reaches it through its table: query,
// add reference and release first, then the operations below in this order. Parameters are named by their
// identifier texts; results are 0 or a negative AAX_EError. Every operation is called on a host thread (the host's
// main or GUI thread, or its automation thread); none is called on the audio thread.
#pragma once

#include <cstdint>

#include "aax/library/AAX_HostChunk.h"
#include "aax/library/AAX_Types.h"
#include "aax/library/IACFUnknown.h"

class AAX_IParameter;
class AAX_IString;

class AAX_IEffectParameters : public IACFUnknown
{
public:
    virtual AAX_Result Initialise(IACFUnknown* hostContext) = 0;
    virtual AAX_Result Shutdown() = 0;
    virtual AAX_Result OnNotification(AAX_CTypeID type, const void* data, uint32_t size) = 0;

    virtual AAX_Result GetParameterCount(int32_t* count) const = 0;
    virtual AAX_Result GetMasterBypassID(AAX_IString* identifier) const = 0;
    virtual AAX_Result IsParameterAutomatable(AAX_CParamID identifier, AAX_CBoolean* automatable) const = 0;
    virtual AAX_Result GetParameterStepCount(AAX_CParamID identifier, int32_t* steps) const = 0;
    virtual AAX_Result GetParameterTitle(AAX_CParamID identifier, AAX_IString* title) const = 0;
    virtual AAX_Result GetParameterShortTitle(AAX_CParamID identifier, AAX_IString* title, int32_t length) const = 0;
    virtual AAX_Result GetParameterDefault(AAX_CParamID identifier, AAX_CParamValue* value) const = 0;
    virtual AAX_Result SetParameterDefault(AAX_CParamID identifier, AAX_CParamValue value) = 0;
    virtual AAX_Result GetParameterKind(AAX_CParamID identifier, AAX_EParameterType* kind) const = 0;
    virtual AAX_Result GetParameterOrientation(AAX_CParamID identifier, int32_t* orientation) const = 0;
    virtual AAX_Result GetParameterObject(AAX_CParamID identifier, AAX_IParameter** parameter) = 0;
    virtual AAX_Result GetParameterIndex(AAX_CParamID identifier, int32_t* index) const = 0;
    virtual AAX_Result GetParameterIDAt(int32_t index, AAX_IString* identifier) const = 0;
    virtual AAX_Result GetParameterValueInfo(AAX_CParamID identifier, int32_t selector, int32_t* value) const = 0;
    virtual AAX_Result ParameterTextToValue(AAX_CParamID identifier, AAX_CParamValue* value,
                                            const AAX_IString& text) const = 0;
    virtual AAX_Result ParameterValueToText(AAX_CParamID identifier, AAX_CParamValue value, AAX_IString* text,
                                            int32_t maxLength) const = 0;
    virtual AAX_Result GetParameterValueText(AAX_CParamID identifier, AAX_IString* text, int32_t maxLength) const = 0;
    virtual AAX_Result GetParameterNormalised(AAX_CParamID identifier, AAX_CParamValue* value) const = 0;
    virtual AAX_Result SetParameterNormalised(AAX_CParamID identifier, AAX_CParamValue value) = 0;
    virtual AAX_Result NudgeParameter(AAX_CParamID identifier, AAX_CParamValue delta) = 0;
    virtual AAX_Result BeginParameterTouch(AAX_CParamID identifier) = 0;
    virtual AAX_Result EndParameterTouch(AAX_CParamID identifier) = 0;
    // The host tells the touch state it recorded; nothing to do here.
    virtual AAX_Result NoteParameterTouch(AAX_CParamID identifier, AAX_CBoolean touched) = 0;
    virtual AAX_Result ApplyHostParameterValue(AAX_CParamID identifier, AAX_CParamValue value) = 0;
    virtual AAX_Result NudgeHostParameter(AAX_CParamID identifier, AAX_CParamValue delta) = 0;
    virtual AAX_Result SendDirtyPackets() = 0;
    virtual AAX_Result ResetPrivateData(AAX_CFieldIndex field, void* data, uint32_t size) = 0;

    virtual AAX_Result GetChunkCount(int32_t* count) const = 0;
    virtual AAX_Result GetChunkID(int32_t index, AAX_CTypeID* identifier) const = 0;
    virtual AAX_Result ChunkByteCount(AAX_CTypeID identifier, int32_t* size) = 0;
    virtual AAX_Result WriteChunk(AAX_CTypeID identifier, AAX_HostChunk* chunk) = 0;
    virtual AAX_Result ReadChunk(AAX_CTypeID identifier, const AAX_HostChunk* chunk) = 0;
    virtual AAX_Result CompareChunk(const AAX_HostChunk* chunk, AAX_CBoolean* equal) = 0;
    virtual AAX_Result GetChangeCount(int32_t* count) const = 0;

protected:
    ~AAX_IEffectParameters() = default;
};

// The second version of the interface: the first one's table followed by these operations, which this plug-in
// answers with fixed results, and SetUp, where a derived class creates its parameters.
class AAX_IACFEffectParameters_V2 : public AAX_IEffectParameters
{
public:
    // Operations whose meaning is the host's; the plug-in gives each a fixed answer and takes no arguments but an
    // out value for the third.
    virtual AAX_Result FurtherOperation1() = 0;
    virtual AAX_Result FurtherOperation2() = 0;
    virtual AAX_Result FurtherOperation3(int32_t* value) const = 0;
    virtual AAX_Result FurtherOperation4() = 0;
    virtual AAX_Result FurtherOperation5() = 0;
    virtual AAX_Result FurtherOperation6() = 0;
    virtual AAX_Result FurtherOperation7() = 0;
    virtual AAX_Result FurtherOperation8() = 0;
    virtual AAX_Result SetUp() = 0;

protected:
    ~AAX_IACFEffectParameters_V2() = default;
};
