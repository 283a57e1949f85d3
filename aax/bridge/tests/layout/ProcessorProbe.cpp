// A module of the processor alone, for tests that copy it into folder layouts of their own: the processor finds
// the effect beside the module that holds its code, so the code must live in a file the test can place. Exports a
// few C functions to make, ask and drop one processor.
#include <cstdint>
#include <cstring>
#include <vector>

#include "aax/bridge/PellixAudioProcessor.h"

#if defined(_WIN32)
#define PROBE_EXPORT extern "C" __declspec(dllexport)
#else
#define PROBE_EXPORT extern "C" __attribute__((visibility("default")))
#endif

// JUCE's GUI support is started once and stays up while the module is loaded (the tests keep it for their whole
// run): shutting it down would unload the system libraries it loaded, and their allocations with them.
PROBE_EXPORT void* qorProbeCreate()
{
    static const bool started = (juce::initialiseJuce_GUI(), true);
    (void)started;
    return new PellixAudioProcessor();
}

PROBE_EXPORT int qorProbeHasEffect(void* processor)
{
    return static_cast<PellixAudioProcessor*>(processor)->effectRecord() != nullptr ? 1 : 0;
}

// The saved state's size; its bytes when they fit into capacity.
PROBE_EXPORT int qorProbeSaveState(void* processor, uint8_t* bytes, int capacity)
{
    juce::MemoryBlock block;
    static_cast<PellixAudioProcessor*>(processor)->getStateInformation(block);
    if (static_cast<int>(block.getSize()) <= capacity)
        std::memcpy(bytes, block.getData(), block.getSize());
    return static_cast<int>(block.getSize());
}

PROBE_EXPORT void qorProbeRestoreState(void* processor, const uint8_t* bytes, int size)
{
    static_cast<PellixAudioProcessor*>(processor)->setStateInformation(bytes, size);
}

PROBE_EXPORT int qorProbeParameterSteps(void* processor, int index)
{
    return static_cast<PellixAudioProcessor*>(processor)->getParameterNumSteps(index);
}

PROBE_EXPORT void qorProbeDestroy(void* processor)
{
    delete static_cast<PellixAudioProcessor*>(processor);
}
