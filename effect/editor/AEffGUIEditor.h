// Editor base bound to the graphics layer's frame: idle pacing, knob mode, begin and end edit, resizing of the host
// window, and the notice of parameter changes the effect sends. GUI thread, except setParameter (see the derived
// editors).
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

#include "effect/editor/AEffEditor.h"
#include "gui/IPlatformFrame.h"
#include "gui/VSTGUIEditorInterface.h"

class CFrame;

class AEffGUIEditor : public AEffEditor, public VSTGUIEditorInterface
{
public:
    // Makes the window a frame opens in, in place of the platform's own (tests open editors without a desktop).
    using FrameWindowFactory =
        std::function<std::unique_ptr<IPlatformFrame>(IPlatformFrameCallback* frame, void* parent, const CRect& size)>;

    // Registers itself as the effect's editor (which sets the record's has-editor flag).
    explicit AEffGUIEditor(AudioEffect* effect);
    ~AEffGUIEditor() override;

    bool getRect(EditorRect** rect) override;
    void idle() override;
    bool onKeyDown(KeyRecord& key) override;
    bool onKeyUp(KeyRecord& key) override;
    bool onWheel(float distance) override;

    // Notice of a parameter change made anywhere (host, automation, program load).
    virtual void setParameter(int32_t index, float value) {}
    virtual void redraw() {}
    // The editor's own choice of knob mode, shared by every editor of the module. Named apart from the host's
    // request: on 32-bit builds intptr_t and int32_t are one type, and an overload would override the refusal.
    virtual bool selectKnobMode(int32_t mode);

    // VSTGUIEditorInterface.
    void doIdleStuff() override;
    int32_t getKnobMode() const override;
    void beginEdit(int32_t index) override;
    void endEdit(int32_t index) override;
    bool beforeSizeChange(const CRect& newSize, const CRect& oldSize) override;

    const EditorRect& rect() const { return rect_; }
    CFrame* getFrame() const { return frame_; }

    // An empty function restores the platform's window. Set it before any editor opens.
    static void setFrameWindowFactory(FrameWindowFactory factory);

protected:
    // Gives the frame its window inside `parent`; false when none could be made.
    bool openFrameWindow(CFrame* frame, void* parent);
    // Remembers the calling thread as the one that runs the editor's window.
    void takeGuiThread() { guiThread_.store(std::this_thread::get_id(), std::memory_order_relaxed); }
    // True on the thread that opened the window last: the only one that may touch the frame's views.
    bool onGuiThread() const { return guiThread_.load(std::memory_order_relaxed) == std::this_thread::get_id(); }

    // The idle pacing's clock; tests replace it.
    virtual uint32_t currentTime();
    virtual void pause(uint32_t ms);

    CFrame* frame_ = nullptr;
    // Every use of the frame and its views holds this, and close holds it while it destroys them: no thread ever
    // uses a frame that is going away. Recursive, since the GUI thread comes back in through the controls' callbacks.
    std::recursive_mutex frameUse_;
    // True while the frame is being destroyed (set and read with frameUse_ held).
    bool frameClosing_ = false;
    EditorRect rect_{0, 0, 0, 0};
    uint32_t nextIdleTime_;
    bool inIdle_ = false;

private:
    // Hands a host key to the frame; true when a view took it.
    bool forwardKey(const KeyRecord& key, bool down);

    std::atomic<std::thread::id> guiThread_{};
};
