#include "aax/bridge/JuceGuiSupport.h"

#include <mutex>

#include <juce_gui_basics/juce_gui_basics.h>

namespace {

std::mutex gMutex;
int gUsers = 0;

}  // namespace

void acquireJuceGuiSupport()
{
    std::lock_guard<std::mutex> lock(gMutex);
    if (gUsers++ == 0)
        juce::initialiseJuce_GUI();
}

void releaseJuceGuiSupport()
{
    std::lock_guard<std::mutex> lock(gMutex);
    if (--gUsers == 0)
        juce::shutdownJuce_GUI();
}
