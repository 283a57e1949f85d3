// Linux only. Nothing on Linux pumps JUCE's message thread the way a Windows host's GUI thread pumps its window
// messages, so the plug-in exports one function of its own that runs JUCE's message loop for a while. The host
// calls it on the thread that registered the plug-in (JUCE's message thread).
#include <cstdint>

#include <juce_events/juce_events.h>

extern "C" __attribute__((visibility("default"))) void QorAaxRunMessageLoop(int32_t milliseconds)
{
    if (juce::MessageManager::getInstanceWithoutCreating() != nullptr && milliseconds > 0)
        juce::MessageManager::getInstance()->runDispatchLoopUntil(milliseconds);
}
