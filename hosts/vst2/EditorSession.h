// Opens an effect's editor in a window of the host's own and keeps it alive as a host's GUI thread would: idle
// calls about every 20 ms with the window's events pumped between them.
#pragma once

#include "hosts/vst2/HostedEffect.h"

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

namespace vst2host {

// How often a host calls the editor's idle.
constexpr int32_t kEditorIdleIntervalMs = 20;

struct EditorSessionSettings
{
    std::optional<std::string> screenshotPath;
    int32_t screenshotAfterMs = 1000;
    int32_t durationMs = 5000;
    // Prints automation (opcode 0) and the edit brackets (43, 44) on out as they arrive.
    bool logAutomation = false;
};

// The line printed for a logged callback, without the newline; empty for callbacks that are not logged.
std::string automationLine(const HostCall& call);

// Runs the session on the calling thread and closes the editor at the end. The effect stays loaded.
// False with a message on err when the effect has no editor, no window can be made, the editor refuses to open
// or the screenshot cannot be written.
bool runEditorSession(HostedEffect& effect, const EditorSessionSettings& settings, std::ostream& out,
                      std::ostream& err);

}  // namespace vst2host
