#include "effect/editor/Qor245Editor.h"

#include <new>

#include "effect/QorFETcomp.h"
#include "effect/editor/EditorImage.h"
#include "effect/editor/ValueDisplays.h"
#include "effect/editor/controls/CAbout.h"
#include "effect/editor/controls/CAnimKnob3.h"
#include "effect/editor/controls/COldVuMeter2.h"
#include "effect/editor/controls/CQorHorizontalSwitch.h"
#include "effect/editor/controls/MyFrame.h"
#include "effect/editor/controls/QorOnOffButton.h"
#include "gui/controls/CParamDisplay.h"

namespace {

constexpr uint32_t kOpenCloseWaitMs = 500;
constexpr int32_t kImageBackground = 12102;
constexpr int32_t kImageAbout = 12200;
constexpr int32_t kImageMeterLit = 15022;
constexpr int32_t kImageMeterLayer = 15024;
constexpr int32_t kImageMeterDark = 15020;
constexpr int32_t kMeterParameter = 17;
constexpr int32_t kPowerParameter = 0;
constexpr float kMeterLowest = -0.1f;
constexpr float kMeterHighest = 1.1f;

struct KnobSettings
{
    float rangeFactor, fineFactor, wheelStep, fineWheelFactor;
};
constexpr KnobSettings kLargeKnob{0.375f, 10.0f, 0.0625f, 1.0f / 6.0f};
constexpr KnobSettings kSmallKnob{0.25f, 10.0f, 0.125f, 0.5f};

struct KnobLayout
{
    int32_t parameter;
    int32_t image;
    int32_t frames;
    CPoint position;
    float defaultValue;
    const KnobSettings* settings;
};

// In the order they are created.
const KnobLayout kKnobs[] = {
    {8, 15000, 193, {246, 44}, 0.75f, &kLargeKnob},  // Threshold
    {10, 15002, 193, {576, 45}, 0.25f, &kLargeKnob},  // Makeup
    {1, 15004, 97, {49, 48}, 0.5f, &kSmallKnob},      // Attack
    {2, 15006, 97, {150, 48}, 0.5f, &kSmallKnob},     // Release
    {5, 15008, 97, {49, 182}, 0.5f, &kSmallKnob},     // ScHpf
    {6, 15010, 97, {150, 182}, 0.5f, &kSmallKnob},    // Ratio
    {13, 15012, 97, {712, 182}, 0.5f, &kSmallKnob},   // Blend
};

using NumberOf = float (*)(float);
using TextOf = void (*)(float, char*);

struct DisplayLayout
{
    int32_t parameter;
    CRect size;
    // The point of the panel drawn behind the display: its own top-left, except for the Release display.
    CPoint panelOffset;
    const CFontDesc* font;
    NumberOf number;
    NumberOf openingNumber;
    TextOf text;
};

constexpr float kDisplayLowest = -200.0f;
constexpr float kDisplayHighest = 2000.0f;
constexpr CColor kDisplayText{180, 180, 180};

// In the order they are created.
const DisplayLayout kDisplays[] = {
    {13, {720, 242, 755, 256}, {720, 242}, &kNormalFontSmall, valuedisplay::blend, valuedisplay::blend,
     valuedisplay::oneDecimalText},
    {5, {57, 242, 92, 256}, {57, 242}, &kNormalFontSmall, valuedisplay::scHpf, valuedisplay::scHpf,
     valuedisplay::wholeText},
    {6, {157, 242, 188, 256}, {157, 242}, &kNormalFontSmall, valuedisplay::ratio, valuedisplay::openingRatio,
     valuedisplay::ratioText},
    {1, {57, 110, 88, 124}, {57, 110}, &kNormalFontSmall, valuedisplay::attack, valuedisplay::attack,
     valuedisplay::oneDecimalText},
    {2, {156, 110, 191, 124}, {158, 110}, &kNormalFontSmall, valuedisplay::release, valuedisplay::release,
     valuedisplay::oneDecimalText},
    {8, {280, 155, 311, 169}, {280, 155}, &kNormalFont, valuedisplay::threshold, valuedisplay::threshold,
     valuedisplay::levelText},
    {10, {613, 155, 644, 169}, {613, 155}, &kNormalFont, valuedisplay::makeup, valuedisplay::makeup,
     valuedisplay::levelText},
};

const DisplayLayout* displayLayoutOf(int32_t parameter)
{
    for (const DisplayLayout& entry : kDisplays)
        if (entry.parameter == parameter)
            return &entry;
    return nullptr;
}

struct ButtonLayout
{
    int32_t parameter;
    int32_t image;
    CPoint position;
};

// Power, Link, BlndSt, ScHpfSt. A button is its image's width by half its height.
const ButtonLayout kButtons[] = {
    {0, 15014, {710, 3}},
    {11, 15018, {600, 180}},
    {12, 15030, {704, 141}},
    {4, 15032, {47, 141}},
};

constexpr int32_t kChannelParameter = 9;
constexpr int32_t kChannelImage = 15016;
constexpr int32_t kChannelPositions = 3;
constexpr CRect kChannelSize{261, 186, 334, 252};

constexpr CRect kMeterSize{392, 34, 537, 179};
constexpr CPoint kMeterPivot{463, 143};
constexpr CCoord kNeedleInner = 3;
constexpr CCoord kNeedleOuter = 76;
constexpr float kMeterMax = 1.2f;

constexpr CRect kAboutSize{370, 210, 558, 239};
constexpr CPoint kVersionPosition{508, 64};

int32_t lampStateOf(float power) { return static_cast<int32_t>(power + 0.5f); }

// Holds the editor mutex for a scope when it could be had; the operation goes on either way.
class EditorLock
{
public:
    EditorLock(platform::Mutex* mutex, bool limited)
    {
        if (mutex && (limited ? mutex->lockFor(kOpenCloseWaitMs) : mutex->lock()))
            mutex_ = mutex;
    }
    ~EditorLock()
    {
        if (mutex_)
            mutex_->unlock();
    }
    EditorLock(const EditorLock&) = delete;
    EditorLock& operator=(const EditorLock&) = delete;

private:
    platform::Mutex* mutex_ = nullptr;
};

}  // namespace

Qor245Editor::Qor245Editor(QorFETcomp* effect) : CPresetSystemEditor(effect)
{
    mutex_.reset(new (std::nothrow) platform::Mutex);
    if (mutex_ && !mutex_->valid())
        mutex_.reset();
    background_ = new (std::nothrow) CQorBitmap(kImageBackground);
    const int16_t height = background_ ? static_cast<int16_t>(background_->getHeight()) : kHeight;
    const int16_t width = background_ ? static_cast<int16_t>(background_->getWidth()) : kWidth;
    rect_ = EditorRect{0, 0, height, width};
}

Qor245Editor::~Qor245Editor()
{
    {
        EditorLock lock(mutex_.get(), false);
        std::lock_guard<std::recursive_mutex> frameLock(frameUse_);
        if (frame_)
            destroyFrame();
    }
    mutex_.reset();
    if (background_)
        background_->forget();
}

CAnimKnob3* Qor245Editor::knob(int32_t parameter) const
{
    return parameter >= 0 && parameter < kControlledParameters ? knobs_[parameter] : nullptr;
}

CParamDisplay* Qor245Editor::display(int32_t parameter) const
{
    return parameter >= 0 && parameter < kControlledParameters ? displays_[parameter] : nullptr;
}

CControl* Qor245Editor::switchControl(int32_t parameter) const
{
    return parameter >= 0 && parameter < kControlledParameters ? switches_[parameter] : nullptr;
}

bool Qor245Editor::open(void* parent)
{
    EditorLock lock(mutex_.get(), true);
    if (!background_ || !background_->isLoaded() || !parent)
        return false;
    std::lock_guard<std::recursive_mutex> frameLock(frameUse_);
    if (frame_)
        destroyFrame();
    takeGuiThread();
    // Before the controls read the effect: a change after this point is pending and shown at the next idle.
    notices_.clear();

    EditorRect* rect = nullptr;
    getRect(&rect);
    const CRect size(CPoint(rect->left, rect->top), CPoint(background_->getWidth(), background_->getHeight()));
    frame_ = new (std::nothrow) MyFrame(size, this);
    if (!frame_)
        return false;
    frame_->setBackground(background_);
    selectKnobMode(2);

    // The window opens last, so that its first paint has every control.
    if (!buildControls() || !CPresetSystemEditor::open(parent) || !openFrameWindow(frame_, parent)) {
        destroyFrame();
        return false;
    }
    parent_ = parent;
    return true;
}

bool Qor245Editor::buildControls()
{
    if (!effect_)
        return false;
    AudioEffect& effect = *effect_;

    for (const KnobLayout& entry : kKnobs) {
        EditorImage image(entry.image);
        if (!image.loaded())
            return false;
        const CCoord frameHeight = image.height() / entry.frames;
        const CRect size(entry.position, CPoint(image.width(), frameHeight));
        auto* knob = new (std::nothrow) CAnimKnob3(size, this, entry.parameter, entry.frames, frameHeight, image.get());
        if (!knob || !frame_->addView(knob))
            return false;
        knob->setDefaultValue(entry.defaultValue);
        knob->setValue(effect.getParameter(entry.parameter));
        knob->setKnobSettings(entry.settings->rangeFactor, entry.settings->fineFactor, entry.settings->wheelStep,
                              entry.settings->fineWheelFactor);
        knobs_[entry.parameter] = knob;
    }

    for (const DisplayLayout& entry : kDisplays) {
        auto* display = new (std::nothrow) CParamDisplay(entry.size, background_, kNoFrame);
        if (!display || !frame_->addView(display))
            return false;
        display->setBackOffset(entry.panelOffset);
        display->setMin(kDisplayLowest);
        display->setMax(kDisplayHighest);
        display->setHoriAlign(kCenterText);
        display->setFontColor(kDisplayText);
        display->setFont(*entry.font);
        display->setValue(entry.openingNumber(effect.getParameter(entry.parameter)));
        display->setStringConvert(entry.text);
        displays_[entry.parameter] = display;
    }

    for (const ButtonLayout& entry : kButtons) {
        EditorImage image(entry.image);
        if (!image.loaded())
            return false;
        const CRect size(entry.position, CPoint(image.width(), image.height() / 2));
        auto* button = new (std::nothrow) QorOnOffButton(size, this, entry.parameter, image.get());
        if (!button || !frame_->addView(button))
            return false;
        button->setValue(effect.getParameter(entry.parameter));
        switches_[entry.parameter] = button;
    }
    {
        EditorImage image(kChannelImage);
        if (!image.loaded())
            return false;
        auto* channel = new (std::nothrow) CQorHorizontalSwitch(
            kChannelSize, this, kChannelParameter, kChannelPositions, image.height() / kChannelPositions, image.get());
        if (!channel || !frame_->addView(channel))
            return false;
        channel->setValue(effect.getParameter(kChannelParameter));
        switches_[kChannelParameter] = channel;
    }

    {
        EditorImage lit(kImageMeterLit);
        EditorImage layer(kImageMeterLayer);
        EditorImage dark(kImageMeterDark);
        if (!lit.loaded() || !layer.loaded() || !dark.loaded())
            return false;
        meter_ = new (std::nothrow) COldVuMeter2(kMeterSize, this, kMeterTag, lit.get(), layer.get(), dark.get(),
                                                 kMeterPivot, kNeedleInner, kNeedleOuter);
    }
    if (!meter_ || !frame_->addView(meter_))
        return false;
    meter_->setDefaultValue(1.0f);
    meter_->setValue(1.0f);
    meter_->setMin(kMeterLowest);
    meter_->setMax(kMeterMax);
    meter_->setLampState(lampStateOf(effect.getParameter(kPowerParameter)));

    {
        EditorImage image(kImageAbout);
        if (!image.loaded())
            return false;
        about_ = new (std::nothrow) CAbout(kAboutSize, this, kAboutTag, image.get(),
                                           CRect(0, 0, image.width(), image.height()), CPoint(0, 0), kVersionPosition);
    }
    return about_ && frame_->addView(about_);
}

void Qor245Editor::destroyFrame()
{
    frameClosing_ = true;
    for (int32_t i = 0; i < kControlledParameters; ++i) {
        knobs_[i] = nullptr;
        displays_[i] = nullptr;
        switches_[i] = nullptr;
    }
    meter_ = nullptr;
    about_ = nullptr;
    CPresetSystemEditor::close();
    // Nothing reaches the frame through the editor from here on; a handler of this thread that is still running
    // keeps it alive until it returns.
    CFrame* frame = frame_;
    frame_ = nullptr;
    if (frame)
        frame->forget();
    frameClosing_ = false;
}

void Qor245Editor::close()
{
    // Goes on without the mutex after 500 ms; frameUse_ then keeps every other user off the frame it destroys.
    EditorLock lock(mutex_.get(), true);
    std::lock_guard<std::recursive_mutex> frameLock(frameUse_);
    if (frame_)
        destroyFrame();
    parent_ = nullptr;
}

void Qor245Editor::idle()
{
    if (!effect_)
        return;
    AEffGUIEditor::idle();
    EditorLock lock(mutex_.get(), false);
    std::lock_guard<std::recursive_mutex> frameLock(frameUse_);
    if (!frame_ || frameClosing_)
        return;
    applyParameterNotices();
    applyStripUpdates();
    AEffGUIEditor::idle();
    moveMeter();
}

void Qor245Editor::moveMeter()
{
    // An idle run by a handler of the frame's own idle may find the frame gone.
    if (!frame_ || !meter_ || !about_ || about_->getValue() != 0.0f)
        return;
    float value = effect_->getParameter(kMeterParameter);
    if (!(value >= kMeterLowest))
        value = kMeterLowest;
    if (value > kMeterHighest)
        value = kMeterHighest;
    const int32_t lamp = lampStateOf(effect_->getParameter(kPowerParameter));
    if (lamp != meter_->getLampState()) {
        meter_->setLampState(lamp);
        meter_->invalid();
    }
    meter_->setValue(value);
}

void Qor245Editor::setParameter(int32_t index, float value)
{
    if (index < 0 || index >= kControlledParameters)
        return;
    notices_.post(index, value);
    if (!onGuiThread())
        return;
    // On the GUI thread the controls follow at once, unless another thread uses the frame right now.
    std::unique_lock<std::recursive_mutex> frameLock(frameUse_, std::try_to_lock);
    if (frameLock.owns_lock())
        applyParameterNotices();
}

void Qor245Editor::applyParameterNotices()
{
    const uint32_t pending = notices_.take();
    if (!frame_ || frameClosing_)
        return;
    for (int32_t index = 0; index < kControlledParameters; ++index)
        if (pending & (1u << index))
            showParameter(index, notices_.value(index));
}

void Qor245Editor::showParameter(int32_t index, float value)
{
    if (CControl* control = switches_[index])
        control->setValue(value);
    if (CAnimKnob3* control = knobs_[index])
        control->setValue(value);
    if (CParamDisplay* control = displays_[index])
        if (const DisplayLayout* entry = displayLayoutOf(index))
            control->setValue(entry->number(value));
}

void Qor245Editor::valueChanged(CControl* control)
{
    if (!control)
        return;
    CPresetSystemEditor::valueChanged(control);
    const int32_t tag = control->getTag();
    if (effect_ && tag >= 0 && tag <= 15)
        effect_->setParameterAutomated(tag, control->getValue());
}
