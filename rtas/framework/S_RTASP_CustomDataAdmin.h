// The adaptor's data block, shared with the host's engine: which instance to render and where its connection
// records are. Its seven 32-bit fields are declared in this order, so their offsets are those of SAdaptorBlockView,
// the view the render callbacks read on the audio thread.
#pragma once

#include "rtas/framework/AudioSuiteSupport.h"
#include "rtas/framework/CPlugInData.h"

#include <cstddef>
#include <cstdint>

class CProcess;

struct SAdaptorBlockView
{
    CProcess* process;
    rtas::SConnectionRecord** inputSlots;
    rtas::SConnectionRecord** outputSlots;
    int32_t inputCount;
    int32_t outputCount;
    int32_t keyInput;         // 1-based input number of the key (side-chain) input; 0 when there is none
    int32_t variableQuantum;  // non-zero: render the host's current quantum, else 32 samples
};
#if defined(__i386__)
static_assert(sizeof(SAdaptorBlockView) == 28, "seven 32-bit fields");
static_assert(offsetof(SAdaptorBlockView, inputSlots) == 4 && offsetof(SAdaptorBlockView, outputSlots) == 8,
              "the slot arrays at 4 and 8");
static_assert(offsetof(SAdaptorBlockView, inputCount) == 12 && offsetof(SAdaptorBlockView, outputCount) == 16,
              "the counts at 12 and 16");
static_assert(offsetof(SAdaptorBlockView, keyInput) == 20 && offsetof(SAdaptorBlockView, variableQuantum) == 24,
              "key input at 20, variable-quantum flag at 24");
#endif

class S_RTASP_CustomDataAdmin : public CPlugInData
{
public:
    S_RTASP_CustomDataAdmin();

    // Writes all seven fields (local block, and the shared block once there is one).
    void SetFields(const SAdaptorBlockView& fields);
    SAdaptorBlockView GetFields();

    const CSmartField fProcess{&CSmartStructure::DeclarePointer};
    const CSmartField fInputSlots{&CSmartStructure::DeclarePointer};
    const CSmartField fOutputSlots{&CSmartStructure::DeclarePointer};
    const CSmartField fInputCount{&CSmartStructure::DeclareInt32};
    const CSmartField fOutputCount{&CSmartStructure::DeclareInt32};
    const CSmartField fKeyInput{&CSmartStructure::DeclareInt32};
    const CSmartField fVariableQuantum{&CSmartStructure::DeclareInt32};
};
