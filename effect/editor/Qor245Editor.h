// The compressor's editor: 811 x 286 pixels of knobs with value displays, on/off buttons, the channel switch, the
// gain-reduction meter with its power lamp, the About box and the preset strip.
//
// Threads. Open, close and idle come from the host's GUI thread and take the editor mutex (open and close wait at
// most 500 ms, idle without limit). setParameter comes from any thread, with the effect mutex held, and never waits:
// it stores the value in a lock-free slot per parameter and marks it pending (ParameterNotices). The GUI thread
// shows pending values at idle, and at once when the notice arrives on the GUI thread itself (a knob turned in the
// editor, a program chosen in the strip) and the frame is free. No other thread ever touches a control or the
// frame. The editor's own uses of the frame (idle, keys, wheel, notices, open, close) hold frameUse_, and close
// destroys the frame holding it: an idle that a host runs on another thread while close goes on without the editor
// mutex (after its 500 ms) is either finished before the frame goes or finds no frame. The window's own events
// arrive on the GUI thread, the thread that destroys the frame, and the frame keeps itself alive while it handles one.
#pragma once

#include <cstdint>
#include <memory>

#include "effect/editor/CPresetSystemEditor.h"
#include "effect/editor/ParameterNotices.h"
#include "platform/Mutex.h"

class CAbout;
class CAnimKnob3;
class CBitmap;
class COldVuMeter2;
class CParamDisplay;
class CQorHorizontalSwitch;
class QorFETcomp;
class QorOnOffButton;

class Qor245Editor : public CPresetSystemEditor
{
public:
    static constexpr int16_t kWidth = 811;
    static constexpr int16_t kHeight = 286;
    // Parameters with a control (the rest, 3, 7, 14 and 15, have none).
    static constexpr int32_t kControlledParameters = 14;
    static constexpr int32_t kMeterTag = 18;
    static constexpr int32_t kAboutTag = 19;

    explicit Qor245Editor(QorFETcomp* effect);
    // Waits for the editor mutex without limit and closes a window the host left open.
    ~Qor245Editor() override;

    // GUI thread.
    bool open(void* parent) override;
    void close() override;
    void idle() override;
    void valueChanged(CControl* control) override;

    // Any thread, with the effect mutex held: must not take that mutex, and never waits.
    void setParameter(int32_t index, float value) override;

    // The controls, for the host stand-in and tests; null while closed.
    CAnimKnob3* knob(int32_t parameter) const;
    CParamDisplay* display(int32_t parameter) const;
    CControl* switchControl(int32_t parameter) const;
    COldVuMeter2* meter() const { return meter_; }
    CAbout* about() const { return about_; }

private:
    bool buildControls();
    // Shows the pending parameter values. GUI thread, frameUse_ held.
    void applyParameterNotices();
    void showParameter(int32_t index, float value);
    void moveMeter();
    // Releases the frame and forgets every control. GUI thread, frameUse_ held.
    void destroyFrame();

    std::unique_ptr<platform::Mutex> mutex_;
    CBitmap* background_ = nullptr;
    CAnimKnob3* knobs_[kControlledParameters] = {};
    CParamDisplay* displays_[kControlledParameters] = {};
    CControl* switches_[kControlledParameters] = {};
    COldVuMeter2* meter_ = nullptr;
    CAbout* about_ = nullptr;
    ParameterNotices notices_;
};
