// What the editor tests share: a window that needs no desktop, a listener and an editor interface that record what
// controls tell them, scripted mouse events, and film-strip images whose frames tell apart by colour.
#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "effect/editor/AEffGUIEditor.h"
#include "tests/support/PngBytes.h"
#include "gui/CBitmap.h"
#include "gui/CControl.h"
#include "gui/CControlListener.h"
#include "gui/CFrame.h"
#include "gui/IOffscreenSurface.h"
#include "gui/IPlatformFrame.h"
#include "gui/RgbaImage.h"
#include "gui/VSTGUIEditorInterface.h"

namespace editortest {

// A window without a desktop: remembers what the frame asks of it; its pointer is wherever the test puts it.
class HeadlessWindow : public IPlatformFrame
{
public:
    struct State
    {
        std::atomic<int> focusRequests{0};
        std::atomic<int> processed{0};
        std::atomic<int> destroyed{0};
        // Windows destroyed while they were handling their events: must stay 0.
        std::atomic<int> destroyedWhileBusy{0};
        std::atomic<int> busy{0};
        // How long handling the events takes (a slow host or a modal loop).
        std::atomic<int> processingDelayMs{0};
    };

    // `nativeHandle` stands for the window's system handle (none by default: nothing may reach the system with it).
    explicit HeadlessWindow(std::shared_ptr<State> state, void* nativeHandle = nullptr)
        : state_(std::move(state)), nativeHandle_(nativeHandle)
    {
    }
    ~HeadlessWindow() override
    {
        if (state_->busy.load() > 0)
            ++state_->destroyedWhileBusy;
        ++state_->destroyed;
    }

    void invalidRect(const CRect&) override {}
    void processEvents() override
    {
        ++state_->busy;
        ++state_->processed;
        if (const int delay = state_->processingDelayMs.load())
            std::this_thread::sleep_for(std::chrono::milliseconds(delay));
        --state_->busy;
    }
    bool getCurrentMousePosition(CPoint& where) const override
    {
        where = CPoint(0, 0);
        return true;
    }
    bool getCurrentMouseButtons(CButtonState& buttons) const override
    {
        buttons = CButtonState();
        return true;
    }
    void takeFocus() override { ++state_->focusRequests; }
    bool getSize(CRect& size) const override
    {
        size = CRect(0, 0, 811, 286);
        return true;
    }
    bool setSize(const CRect&) override { return true; }
    void* getNativeHandle() const override { return nativeHandle_; }

private:
    std::shared_ptr<State> state_;
    void* nativeHandle_;
};

// Makes every editor open in headless windows for the scope; the state is shared by all windows it made.
class HeadlessWindows
{
public:
    HeadlessWindows() : state_(std::make_shared<HeadlessWindow::State>())
    {
        std::shared_ptr<HeadlessWindow::State> state = state_;
        AEffGUIEditor::setFrameWindowFactory([state](IPlatformFrameCallback*, void*, const CRect&) {
            return std::unique_ptr<IPlatformFrame>(new HeadlessWindow(state));
        });
    }
    ~HeadlessWindows() { AEffGUIEditor::setFrameWindowFactory(nullptr); }
    HeadlessWindows(const HeadlessWindows&) = delete;
    HeadlessWindows& operator=(const HeadlessWindows&) = delete;

    HeadlessWindow::State& state() { return *state_; }

private:
    std::shared_ptr<HeadlessWindow::State> state_;
};

// A parent window handle for editors that open in headless windows.
inline void* fakeParent()
{
    static int parent = 0;
    return &parent;
}

struct RecordingListener : CControlListener
{
    std::vector<float> values;  // the control's value at each notice
    void valueChanged(CControl* control) override { values.push_back(control->getValue()); }
};

struct RecordingEditor : VSTGUIEditorInterface
{
    std::vector<std::string> calls;  // "begin 8", "end 8"
    void beginEdit(int32_t index) override { calls.push_back("begin " + std::to_string(index)); }
    void endEdit(int32_t index) override { calls.push_back("end " + std::to_string(index)); }
};

// A frame with one control in it, the control's listener and the frame's editor recording.
template <typename Control>
struct Rig
{
    RecordingEditor editor;
    RecordingListener listener;
    CFrame* frame;
    Control* control = nullptr;

    explicit Rig(const CRect& frameSize = CRect(0, 0, 811, 286)) : frame(new CFrame(frameSize, &editor)) {}
    ~Rig() { frame->forget(); }
    Rig(const Rig&) = delete;
    Rig& operator=(const Rig&) = delete;

    Control* add(Control* made)
    {
        control = made;
        frame->addView(made);
        return made;
    }
    // Mouse events through the frame, as the window delivers them.
    CMouseEventResult press(CPoint where, int32_t buttons) { return frame->onMouseDown(where, CButtonState(buttons)); }
    CMouseEventResult move(CPoint where, int32_t buttons) { return frame->onMouseMoved(where, CButtonState(buttons)); }
    CMouseEventResult release(CPoint where, int32_t buttons = 0)
    {
        return frame->onMouseUp(where, CButtonState(buttons));
    }
    bool wheel(CPoint where, float distance, int32_t buttons = 0)
    {
        return frame->onWheel(where, distance, CButtonState(buttons));
    }
};

using testsupport::pngBytes;

inline RgbaImage blankImage(int32_t width, int32_t height)
{
    RgbaImage image;
    image.width = width;
    image.height = height;
    image.pixels.assign(static_cast<size_t>(width) * height * 4, 0);
    return image;
}

inline void fill(RgbaImage& image, int32_t top, int32_t bottom, const CColor& color)
{
    for (int32_t y = top; y < bottom; ++y)
        for (int32_t x = 0; x < image.width; ++x) {
            uint8_t* p = &image.pixels[(static_cast<size_t>(y) * image.width + x) * 4];
            p[0] = color.red;
            p[1] = color.green;
            p[2] = color.blue;
            p[3] = color.alpha;
        }
}

// Opaque images stacked vertically, image i of colour (i, 41 i mod 256, 200): neighbours differ by 41 in green, and
// no two of the first 256 are alike.
inline CColor frameColour(int32_t i) { return CColor(uint8_t(i % 256), uint8_t((i * 41) % 256), 200); }

inline CBitmap* filmStrip(int32_t width, int32_t frameHeight, int32_t frames, const std::string& name)
{
    RgbaImage image = blankImage(width, frameHeight * frames);
    for (int32_t i = 0; i < frames; ++i)
        fill(image, i * frameHeight, (i + 1) * frameHeight, frameColour(i));
    const std::vector<uint8_t> bytes = pngBytes(image, name);
    return new CBitmap(bytes.data(), bytes.size());
}

inline CBitmap* solidBitmap(int32_t width, int32_t height, const CColor& color, const std::string& name)
{
    RgbaImage image = blankImage(width, height);
    fill(image, 0, height, color);
    const std::vector<uint8_t> bytes = pngBytes(image, name);
    return new CBitmap(bytes.data(), bytes.size());
}

inline bool near(const CColor& a, const CColor& b, int tolerance = 3)
{
    const auto close = [tolerance](int x, int y) { return x - y <= tolerance && y - x <= tolerance; };
    return close(a.red, b.red) && close(a.green, b.green) && close(a.blue, b.blue) && close(a.alpha, b.alpha);
}

inline std::string describe(const CColor& c)
{
    char text[64];
    std::snprintf(text, sizeof text, "(%d, %d, %d, %d)", c.red, c.green, c.blue, c.alpha);
    return text;
}

}  // namespace editortest
