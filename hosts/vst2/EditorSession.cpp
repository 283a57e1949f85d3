#include "hosts/vst2/EditorSession.h"

#include "effect/vst2/EffectRecord.h"
#include "effect/vst2/Opcodes.h"
#include "hosts/vst2/EditorWindow.h"

#include <chrono>
#include <cstdio>
#include <mutex>
#include <thread>

namespace vst2host {
namespace {

using Clock = std::chrono::steady_clock;

struct EditorSize
{
    int width = 0;
    int height = 0;
};

// The rectangle the editor asks for, or nothing when it has none or an empty one.
std::optional<EditorSize> editorSize(HostedEffect& effect)
{
    EditorRect* rect = nullptr;
    if (effect.dispatch(effEditGetRect, 0, 0, &rect) == 0 || rect == nullptr)
        return std::nullopt;
    const EditorSize size{rect->right - rect->left, rect->bottom - rect->top};
    if (size.width <= 0 || size.height <= 0)
        return std::nullopt;
    return size;
}

int32_t elapsedMs(Clock::time_point since)
{
    return static_cast<int32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - since).count());
}

}  // namespace

std::string automationLine(const HostCall& call)
{
    char line[96];
    if (call.opcode == audioMasterAutomate) {
        std::snprintf(line, sizeof line, "opcode 0 index %d value %.6f", call.index, call.opt);
        return line;
    }
    if (call.opcode == audioMasterBeginEdit || call.opcode == audioMasterEndEdit) {
        std::snprintf(line, sizeof line, "opcode %d index %d value %lld", call.opcode, call.index,
                      static_cast<long long>(call.value));
        return line;
    }
    return {};
}

bool runEditorSession(HostedEffect& effect, const EditorSessionSettings& settings, std::ostream& out,
                      std::ostream& err)
{
    if ((effect.record()->flags & kFlagHasEditor) == 0) {
        err << "vst2host: the effect has no editor\n";
        return false;
    }
    const std::optional<EditorSize> size = editorSize(effect);
    if (!size) {
        err << "vst2host: the effect gave no editor rectangle\n";
        return false;
    }

    std::mutex outMutex;
    if (settings.logAutomation) {
        // The effect may automate from any thread; lines must not interleave, and a reader of a pipe wants each
        // line as it happens.
        effect.setCallbackOverride([&out, &outMutex](const HostCall& call) -> std::optional<intptr_t> {
            const std::string line = automationLine(call);
            if (!line.empty()) {
                std::lock_guard<std::mutex> lock(outMutex);
                out << line << std::endl;
            }
            return std::nullopt;
        });
    }

    std::string error;
    // The title names the tool first, so scripts find the window (xdotool search --name '^vst2host').
    std::unique_ptr<EditorWindow> window =
        EditorWindow::create(size->width, size->height, "vst2host - " + effect.effectName(), error);
    if (!window) {
        effect.setCallbackOverride(nullptr);
        err << "vst2host: " << error << '\n';
        return false;
    }
    // As a host does before showing an editor: the effect is set up and running (the meter reads its state).
    effect.setSampleRate(44100.0f);
    effect.setBlockSize(512);
    effect.resume();
    if (effect.dispatch(effEditOpen, 0, 0, window->parentHandle()) == 0) {
        effect.suspend();
        effect.setCallbackOverride(nullptr);
        err << "vst2host: the effect's editor did not open\n";
        return false;
    }
    {
        std::lock_guard<std::mutex> lock(outMutex);
        out << "editor open, " << size->width << " x " << size->height << std::endl;
    }

    bool ok = true;
    bool screenshotDone = !settings.screenshotPath;
    const Clock::time_point start = Clock::now();
    while (elapsedMs(start) < settings.durationMs) {
        const Clock::time_point tick = Clock::now();
        if (!window->pumpEvents())
            break;
        effect.dispatch(effEditIdle);
        if (!screenshotDone && elapsedMs(start) >= settings.screenshotAfterMs) {
            screenshotDone = true;
            window->pumpEvents();  // paint whatever the idle asked for first
            if (window->saveScreenshot(*settings.screenshotPath, error)) {
                std::lock_guard<std::mutex> lock(outMutex);
                out << "screenshot " << *settings.screenshotPath << std::endl;
            } else {
                err << "vst2host: " << error << '\n';
                ok = false;
            }
        }
        std::this_thread::sleep_until(tick + std::chrono::milliseconds(kEditorIdleIntervalMs));
    }
    if (!screenshotDone) {
        err << "vst2host: the editor closed before the screenshot was due\n";
        ok = false;
    }

    effect.dispatch(effEditClose);
    window->pumpEvents();
    window.reset();
    effect.suspend();
    effect.setCallbackOverride(nullptr);
    {
        std::lock_guard<std::mutex> lock(outMutex);
        out << "editor closed" << std::endl;
    }
    return ok;
}

}  // namespace vst2host
