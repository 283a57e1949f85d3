// The preset strip of CPresetSystemEditor: its controls, its commands, and how it follows the bank.
#include <cstring>
#include <memory>
#include <new>
#include <string>

#include "effect/editor/CPresetSystemEditor.h"
#include "effect/editor/EditorImage.h"
#include "effect/editor/controls/CQorKickButton.h"
#include "effect/editor/controls/CQorRockerSwitch.h"
#include "effect/editor/controls/CQorTextEdit.h"
#include "effect/editor/controls/CSaveLoadButton.h"
#include "effect/presets/CPresetSystemEffect.h"
#include "effect/presets/ProgramName.h"
#include "effect/presets/RegistryNames.h"
#include "effect/presets/StreamSupport.h"
#include "gui/CFrame.h"
#include "gui/controls/COptionMenu.h"
#include "platform/MessageBox.h"
#include "platform/MutexScope.h"
#include "platform/Registry.h"

namespace {

// Images of the strip (numbers of the image table). 12128 is not in the table: its stand-in is an empty image.
constexpr int32_t kImageStripField = 12128;
constexpr int32_t kImageRocker = 19997;
constexpr int32_t kImageLoadBank = 19993;
constexpr int32_t kImageSaveBank = 19994;
constexpr int32_t kImageLoadPreset = 19998;
constexpr int32_t kImageSavePreset = 19999;
constexpr int32_t kImageDefaultBank = 19990;
constexpr int32_t kImageDefaultPreset = 19989;
constexpr int32_t kImageStoreMemoA = 19995;
constexpr int32_t kImageStoreMemoB = 19996;
constexpr int32_t kImageRecallMemoA = 19991;
constexpr int32_t kImageRecallMemoB = 19992;
constexpr int32_t kImageManual = 989;

// The name field keeps its left and right edges and is centred on this line, the font's size plus 4 high.
constexpr CCoord kNameFieldLeft = 175;
constexpr CCoord kNameFieldRight = 292;
constexpr CCoord kNameFieldMiddle = (270 + 284) / 2.0;
constexpr CColor kNameFieldBack{209, 227, 238};
constexpr CColor kNameFieldText{36, 36, 32};

// The program menu's popup: 48 programs in columns of 8.
constexpr int32_t kMenuItemsPerColumn = 8;

// A Ctrl-double-click on a default button notifies 0.5, a plain double-click 1.
constexpr float kDeleteBelow = 0.75f;
// A right-click on a load button notifies 0.5: the endian-reversed load.
constexpr float kEndianReversedValue = 0.5f;

// The manual's path as the installation stores it, in UTF-16 code units without the terminator.
constexpr size_t kMaxManualPathChars = 1024;
constexpr const char* kNoApplicationCaption = "Could not open manual file";
constexpr const char* kNoApplicationText = "Make sure Acrobat Reader is installed";
constexpr const char* kNotOpenedText = "Could not open user manual";

struct ButtonLayout
{
    int32_t tag;
    CRect size;
    int32_t image;
};

constexpr ButtonLayout kFileButtons[] = {
    {kTagLoadBank, {70, 269, 82, 283}, kImageLoadBank},
    {kTagSaveBank, {20, 269, 32, 283}, kImageSaveBank},
    {kTagLoadPreset, {150, 269, 162, 283}, kImageLoadPreset},
    {kTagSavePreset, {91, 269, 103, 283}, kImageSavePreset},
};

struct KickLayout
{
    int32_t tag;
    CRect size;
    int32_t image;
    bool doubleClickOnly;
};

constexpr KickLayout kKickButtons[] = {
    {kTagDefaultBank, {32, 268, 68, 283}, kImageDefaultBank, true},
    {kTagDefaultPreset, {104, 268, 146, 283}, kImageDefaultPreset, true},
    {kTagStoreMemoA, {352, 269, 364, 283}, kImageStoreMemoA, false},
    {kTagStoreMemoB, {395, 269, 407, 283}, kImageStoreMemoB, false},
    {kTagRecallMemoA, {374, 269, 386, 283}, kImageRecallMemoA, false},
    {kTagRecallMemoB, {417, 269, 429, 283}, kImageRecallMemoB, false},
    {kTagManual, {786, 269, 802, 283}, kImageManual, false},
};

constexpr CRect kProgramMenuSize{293, 269, 305, 283};
constexpr CRect kRockerSize{313, 269, 344, 283};

std::string readManualPath()
{
    std::string path;
    if (std::unique_ptr<platform::RegistryKey> key =
            platform::RegistryKey::open(presetregistry::keyPath(), platform::RegistryKey::Access::QueryValue))
        if (!key->readString(presetregistry::kManualPath, path, kMaxManualPathChars))
            path.clear();
    return path;
}

template <typename Control>
bool addToFrame(CFrame* frame, Control* control)
{
    return control && frame->addView(control);
}

}  // namespace

bool CPresetSystemEditor::open(void* parent)
{
    if (!frame_ || !presetEffect_)
        return false;
    CPresetSystemEffect& effect = *presetEffect_;
    const platform::MutexScope bankLock(effect.bankMutex());
    const int32_t current = effect.getCurrentProgramIndex();
    const ProgramRecord* currentProgram = effect.program(current);
    const std::string currentName = currentProgram ? ProgramNameText(*currentProgram).c_str() : "";
    PresetStripControls strip;

    const CCoord half = kNormalFontSmall.size / 2;
    const CRect nameSize(kNameFieldLeft, kNameFieldMiddle - half - 2, kNameFieldRight, kNameFieldMiddle + half + 2);
    {
        EditorImage image(kImageStripField);
        strip.nameField =
            new (std::nothrow) CQorTextEdit(nameSize, this, kTagProgramName, currentName.c_str(), image.get());
    }
    if (!addToFrame(frame_, strip.nameField))
        return false;
    strip.nameField->setFont(kNormalFontSmall);
    strip.nameField->setBackColor(kNameFieldBack);
    strip.nameField->setFontColor(kNameFieldText);
    strip.nameField->setFrameColor(kNameFieldText);
    strip.nameField->setHoriAlign(kCenterText);

    {
        EditorImage image(kImageStripField);
        // The panel prints the menu's button; the control shows no text or frame over it.
        strip.programMenu = new (std::nothrow)
            COptionMenu(kProgramMenuSize, this, kTagProgramMenu, image.get(), nullptr, kNoTextStyle | kNoFrame);
    }
    if (!addToFrame(frame_, strip.programMenu))
        return false;
    strip.programMenu->setNbItemsPerColumn(kMenuItemsPerColumn);
    for (int32_t i = 0; i < kBankPrograms; ++i) {
        const ProgramRecord* program = effect.program(i);
        strip.programMenu->addEntry(program ? ProgramNameText(*program).c_str() : "");
    }
    strip.programMenu->setCurrent(current);
    strip.programMenu->checkEntryAlone(current);

    {
        EditorImage image(kImageRocker);
        if (!image.loaded())
            return false;
        strip.rocker = new (std::nothrow) CQorRockerSwitch(kRockerSize, this, kTagProgramRocker, image.get());
    }
    if (!addToFrame(frame_, strip.rocker))
        return false;

    CSaveLoadButton** fileButtons[] = {&strip.loadBank, &strip.saveBank, &strip.loadPreset, &strip.savePreset};
    for (size_t i = 0; i < sizeof kFileButtons / sizeof kFileButtons[0]; ++i) {
        const ButtonLayout& entry = kFileButtons[i];
        EditorImage image(entry.image);
        if (!image.loaded())
            return false;
        *fileButtons[i] = new (std::nothrow) CSaveLoadButton(entry.size, this, entry.tag, image.get());
        if (!addToFrame(frame_, *fileButtons[i]))
            return false;
    }

    CQorKickButton** kickButtons[] = {&strip.defaultBank, &strip.defaultPreset, &strip.storeMemoA, &strip.storeMemoB,
                                      &strip.recallMemoA, &strip.recallMemoB,   &strip.manual};
    for (size_t i = 0; i < sizeof kKickButtons / sizeof kKickButtons[0]; ++i) {
        const KickLayout& entry = kKickButtons[i];
        EditorImage image(entry.image);
        if (!image.loaded())
            return false;
        *kickButtons[i] =
            new (std::nothrow) CQorKickButton(entry.size, this, entry.tag, image.get(), entry.doubleClickOnly);
        if (!addToFrame(frame_, *kickButtons[i]))
            return false;
    }

    strip_ = strip;
    stripResync_.store(false);
    return true;
}

void CPresetSystemEditor::close() { strip_ = PresetStripControls(); }

void CPresetSystemEditor::idle()
{
    if (!presetEffect_)
        return;
    AEffGUIEditor::idle();
    std::lock_guard<std::recursive_mutex> lock(frameUse_);
    applyStripUpdates();
}

bool CPresetSystemEditor::stripUsable() const { return frame_ && !frameClosing_; }

void CPresetSystemEditor::applyStripUpdates()
{
    if (!stripUsable())
        return;
    if (stripResync_.exchange(false) && presetEffect_) {
        CPresetSystemEffect& effect = *presetEffect_;
        const platform::MutexScope bankLock(effect.bankMutex());
        const int32_t current = effect.getCurrentProgramIndex();
        if (strip_.programMenu) {
            for (int32_t i = 0; i < kBankPrograms; ++i)
                if (const ProgramRecord* program = effect.program(i))
                    strip_.programMenu->setEntryTitle(i, ProgramNameText(*program).c_str());
            strip_.programMenu->setCurrent(current);
            strip_.programMenu->checkEntryAlone(current);
        }
        if (strip_.nameField)
            if (const ProgramRecord* program = effect.program(current))
                strip_.nameField->setText(ProgramNameText(*program).c_str());
    }
    if (refreshPending_.exchange(false)) {
        frame_->setDirty(true);
        frame_->invalid();
    }
}

// The strip is touched at once only on the GUI thread and only when no close is under way; otherwise the next idle
// re-reads the bank into it.
std::unique_lock<std::recursive_mutex> CPresetSystemEditor::enterStripNow()
{
    std::unique_lock<std::recursive_mutex> lock;
    if (onGuiThread())
        lock = std::unique_lock<std::recursive_mutex>(frameUse_, std::try_to_lock);
    if (!lock.owns_lock())
        stripResync_.store(true);
    return lock;
}

void CPresetSystemEditor::programMenuSelect(int32_t index)
{
    std::unique_lock<std::recursive_mutex> lock = enterStripNow();
    if (!lock.owns_lock())
        return;
    if (stripUsable() && strip_.programMenu) {
        strip_.programMenu->setCurrent(index);
        strip_.programMenu->checkEntryAlone(index);
    }
}

void CPresetSystemEditor::programMenuRename(int32_t index, const char* name)
{
    std::unique_lock<std::recursive_mutex> lock = enterStripNow();
    if (!lock.owns_lock())
        return;
    if (stripUsable() && strip_.programMenu)
        strip_.programMenu->setEntryTitle(index, name);
}

void CPresetSystemEditor::showProgramName(const char* name)
{
    std::unique_lock<std::recursive_mutex> lock = enterStripNow();
    if (!lock.owns_lock())
        return;
    if (!stripUsable())
        return;
    if (strip_.nameField) {
        strip_.nameField->setText(name);
        strip_.nameField->invalid();
    }
    if (strip_.programMenu)
        strip_.programMenu->setEntryTitle(strip_.programMenu->getCurrent(), name);
}

// The effect calls this after every program change and rename: the strip then shows the bank as it is, whoever
// changed it.
void CPresetSystemEditor::refreshFrame()
{
    stripResync_.store(true);
    refreshPending_.store(true);
    if (!onGuiThread())
        return;
    std::unique_lock<std::recursive_mutex> lock(frameUse_, std::try_to_lock);
    if (lock.owns_lock())
        applyStripUpdates();
}

void CPresetSystemEditor::valueChanged(CControl* control)
{
    if (!control || !presetEffect_)
        return;
    const int32_t tag = control->getTag();
    if (tag < kFirstStripTag || tag > kLastStripTag)
        return;
    const float value = control->getValue();
    switch (tag) {
    case kTagProgramName:
        renameFromField();
        break;
    case kTagProgramRocker:
        // The release (0) selects nothing and refreshes nothing.
        if (!stepProgram(value))
            return;
        break;
    case kTagLoadBank:
        loadBankFile(value == kEndianReversedValue);
        break;
    case kTagSaveBank:
        saveBankFile();
        break;
    case kTagLoadPreset:
        loadPresetFile(value == kEndianReversedValue);
        break;
    case kTagSavePreset:
        savePresetFile();
        break;
    case kTagProgramMenu:
        chooseFromMenu(value);
        break;
    case kTagDefaultBank:
        if (value < kDeleteBelow)
            deleteDefaultBank();
        else
            storeDefaultBank();
        break;
    case kTagDefaultPreset:
        if (value < kDeleteBelow)
            deleteDefaultPreset();
        else
            storeDefaultPreset();
        break;
    case kTagStoreMemoA:
        storeMemoA();
        break;
    case kTagStoreMemoB:
        storeMemoB();
        break;
    case kTagRecallMemoA:
        recallMemoA();
        break;
    case kTagRecallMemoB:
        recallMemoB();
        break;
    case kTagManual:
        openManualFromStrip();
        break;
    default:
        break;
    }
    refreshFrame();
}

void CPresetSystemEditor::renameFromField()
{
    if (!strip_.nameField)
        return;
    // The field shows what the program got: a typed name is cut by the same rule as every other road in.
    const std::string name = programNameFrom(strip_.nameField->getText());
    strip_.nameField->setText(name.c_str());
    strip_.nameField->invalid();
    if (strip_.programMenu)
        strip_.programMenu->setEntryTitle(strip_.programMenu->getCurrent(), name.c_str());
    presetEffect_->renameCurrentProgram(name.c_str());
}

bool CPresetSystemEditor::stepProgram(float direction)
{
    if (direction == 0.0f)
        return false;
    CPresetSystemEffect& effect = *presetEffect_;
    const platform::MutexScope bankLock(effect.bankMutex());
    int32_t index = effect.getCurrentProgramIndex() + (direction > 0.0f ? 1 : -1);
    if (index < 0)
        index = 0;
    if (index > kBankPrograms - 1)
        index = kBankPrograms - 1;
    const ProgramRecord* program = effect.program(index);
    if (!program)
        return true;
    const ProgramNameText name(*program);
    if (strip_.programMenu) {
        strip_.programMenu->setCurrent(index);
        strip_.programMenu->checkEntryAlone(index);
    }
    if (strip_.nameField) {
        strip_.nameField->setText(name.c_str());
        strip_.nameField->invalid();
    }
    effect.setCurrentProgram(index);
    effect.renameCurrentProgram(name.c_str());
    return true;
}

void CPresetSystemEditor::chooseFromMenu(float value)
{
    COptionMenu* menu = strip_.programMenu;
    if (!menu)
        return;
    const int32_t index = static_cast<int32_t>(value + 0.5f);
    menu->setCurrent(index);
    menu->checkEntryAlone(index);
    presetEffect_->setCurrentProgram(index);
    const char* entryTitle = menu->getEntryTitle(index);
    if (!entryTitle)
        return;
    // A copy: renaming rewrites what the title was read from when the menu follows the bank.
    const std::string title = entryTitle;
    presetEffect_->renameCurrentProgram(title.c_str());
    if (strip_.nameField) {
        strip_.nameField->setText(title.c_str());
        strip_.nameField->invalid();
    }
}

void CPresetSystemEditor::openManualFromStrip()
{
    void* window = frame_ ? frame_->getSystemWindow() : nullptr;
    switch (openManualDocument(window, readManualPath())) {
    case platform::OpenResult::Opened:
        break;
    case platform::OpenResult::NoApplication:
        showStripMessage(window, kNoApplicationCaption, kNoApplicationText);
        break;
    case platform::OpenResult::Failed:
        showStripMessage(window, "", kNotOpenedText);
        break;
    }
    // The message box took the mouse: the button would otherwise stay pressed.
    if (strip_.manual)
        strip_.manual->release();
}

platform::OpenResult CPresetSystemEditor::openManualDocument(void* window, const std::string& path)
{
    return platform::openDocumentFrom(window, path);
}

void CPresetSystemEditor::showStripMessage(void* ownerWindow, const char* caption, const char* text)
{
    platform::showMessage(caption, text, ownerWindow);
}
