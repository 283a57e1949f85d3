// The effect library beside the test program stays loaded for the whole run, as it would in a host that keeps more
// than one instance: each processor still loads and unloads it, but the effect's process-wide caches (its fonts and
// images) are not torn from under the leak checker by the unloading of the last instance.
#include <gtest/gtest.h>

#include <juce_gui_basics/juce_gui_basics.h>

#include "platform/Library.h"
#include "platform/ModulePath.h"

namespace {

class KeepEffectLoaded : public ::testing::Environment
{
public:
    void SetUp() override
    {
        // JUCE's GUI support likewise stays up for the whole run (each test's own initialiser nests inside it):
        // shutting it down unloads the system libraries it loaded, and their allocations with them.
        juce::initialiseJuce_GUI();
        std::string path;
        int error = 0;
        if (platform::modulePathOf(reinterpret_cast<const void*>(&anchor), path, error))
            library_.open(path.substr(0, path.rfind(platform::pathSeparator()) + 1) +
                          platform::Library::fileName("Qor Kalvenor"));
    }

private:
    static void anchor() {}
    platform::Library library_;
};

const ::testing::Environment* const kKeepEffectLoaded = ::testing::AddGlobalTestEnvironment(new KeepEffectLoaded);

}  // namespace
