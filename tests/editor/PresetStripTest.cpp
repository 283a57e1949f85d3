// The preset strip in the compressor's editor, driven by scripted mouse and key events: program choice by rocker and
// menu, renaming in the name field, the default and memory buttons, the file buttons' selectors, how the strip
// follows the bank, and the manual button's messages.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "effect/QorFETcomp.h"
#include "effect/editor/Qor245Editor.h"
#include "effect/editor/controls/CAnimKnob3.h"
#include "effect/editor/controls/CQorKickButton.h"
#include "effect/editor/controls/CQorTextEdit.h"
#include "effect/editor/controls/MyFrame.h"
#include "effect/presets/RegistryNames.h"
#include "effect/presets/StreamSupport.h"
#include "gui/controls/COptionMenu.h"
#include "platform/Registry.h"
#include "tests/editor/EditorTestSupport.h"
#include "tests/platform/PlatformTestSupport.h"
#include "tests/presets/StreamTestSupport.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/ScriptedFileSelector.h"
#include "tests/support/TestHost.h"

namespace {

using platform::RegistryKey;

bool storedValueExists(const char* name)
{
    auto key = RegistryKey::open(presetregistry::keyPath(), RegistryKey::Access::QueryValue);
    size_t size = 0;
    return key && key->valueSize(name, size);
}

void removeStoredValue(const char* name)
{
    if (auto key = RegistryKey::open(presetregistry::keyPath(), RegistryKey::Access::SetValue))
        key->deleteValue(name);
}

class PresetStripTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TestHost::instance().reset();
        effect = new QorFETcomp(&TestHost::callback);
        editor = static_cast<Qor245Editor*>(effect->getEditor());
        ASSERT_TRUE(editor->open(editortest::fakeParent()));
    }
    void TearDown() override
    {
        EffectRecord* record = effect->getRecord();
        record->dispatcher(record, 1, 0, 0, nullptr, 0.0f);
        // Later instances load whatever defaults are stored: none of them may outlive the test.
        for (const char* name : {presetregistry::kDefaultBank, presetregistry::kDefaultPreset, presetregistry::kMemoA,
                                 presetregistry::kMemoB})
            removeStoredValue(name);
    }

    CFrame* frame() { return editor->getFrame(); }
    template <typename Control>
    Control* control(int32_t tag)
    {
        for (int32_t i = 0; i < frame()->getNbViews(); ++i) {
            CView* view = frame()->getView(i);
            if (view->isTypeOf("CControl") && static_cast<CControl*>(view)->getTag() == tag)
                return static_cast<Control*>(view);
        }
        return nullptr;
    }
    CQorTextEdit* nameField() { return control<CQorTextEdit>(20); }
    COptionMenu* menu() { return control<COptionMenu>(32); }
    void click(CPoint where, int32_t buttons = kLButton)
    {
        frame()->onMouseDown(where, CButtonState(buttons));
        frame()->onMouseUp(where, CButtonState());
    }
    std::string programName(int32_t index) { return ProgramNameText(*effect->program(index)).c_str(); }
    void typeText(const std::string& text)
    {
        for (const char c : text) {
            VstKeyCode key;
            key.character = c;
            frame()->onKeyDown(key);
        }
    }
    void pressReturn()
    {
        VstKeyCode key;
        key.virt = VKEY_RETURN;
        frame()->onKeyDown(key);
    }

    editortest::HeadlessWindows windows;
    QorFETcomp* effect = nullptr;
    Qor245Editor* editor = nullptr;
};

constexpr CPoint kRockerLeft{315, 276};
constexpr CPoint kRockerRight{340, 276};

TEST_F(PresetStripTest, StripShowsTheCurrentProgram)
{
    effect->setCurrentProgram(3);
    editor->close();
    ASSERT_TRUE(editor->open(editortest::fakeParent()));
    EXPECT_EQ(std::string(nameField()->getText()), programName(3));
    ASSERT_EQ(menu()->getNbEntries(), 48);
    for (int32_t i = 0; i < 48; ++i)
        EXPECT_EQ(std::string(menu()->getEntryTitle(i)), programName(i)) << i;
    EXPECT_EQ(menu()->getCurrent(), 3);
    EXPECT_TRUE(menu()->isCheckEntry(3));
    EXPECT_EQ(menu()->getNbItemsPerColumn(), 8);
    // The field's colours, and its rectangle centred on row 277 with the small font's size plus 4.
    EXPECT_EQ(nameField()->getBackColor(), CColor(209, 227, 238));
    EXPECT_EQ(nameField()->getFontColor(), CColor(36, 36, 32));
    EXPECT_EQ(nameField()->getFrameColor(), CColor(36, 36, 32));
    EXPECT_EQ(nameField()->getFont(), kNormalFontSmall);
    EXPECT_EQ(nameField()->getHoriAlign(), kCenterText);
    // Both stand on image 12128, which the table lacks: the empty 400 x 350 image.
    for (CView* view : {static_cast<CView*>(nameField()), static_cast<CView*>(menu())}) {
        ASSERT_NE(view->getBackground(), nullptr);
        EXPECT_EQ(view->getBackground()->getWidth(), 400);
        EXPECT_EQ(view->getBackground()->getHeight(), 350);
    }
}

TEST_F(PresetStripTest, RockerStepsThroughProgramsAndStopsAtBothEnds)
{
    struct Case
    {
        int32_t from;
        CPoint where;
        int32_t to;
    };
    const std::vector<Case> cases = {{5, kRockerRight, 6}, {5, kRockerLeft, 4}, {47, kRockerRight, 47},
                                     {0, kRockerLeft, 0},  {46, kRockerRight, 47}, {1, kRockerLeft, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.from) + " to " + std::to_string(c.to));
        effect->setCurrentProgram(c.from);
        const std::string name = programName(c.to);
        click(c.where);
        EXPECT_EQ(effect->getCurrentProgramIndex(), c.to);
        EXPECT_EQ(menu()->getCurrent(), c.to);
        EXPECT_EQ(std::string(nameField()->getText()), name);
        EXPECT_EQ(programName(c.to), name) << "renamed with its own name";
    }
}

TEST_F(PresetStripTest, MenuChoiceSelectsTheProgramAndShowsItsName)
{
    ASSERT_TRUE(menu()->openPopup());
    menu()->chooseEntry(12);
    EXPECT_EQ(effect->getCurrentProgramIndex(), 12);
    EXPECT_EQ(std::string(nameField()->getText()), programName(12));
    EXPECT_TRUE(menu()->isCheckEntry(12));
    EXPECT_FALSE(menu()->isCheckEntry(0));
    // A program change from the host: the controls follow the program's values.
    EXPECT_FLOAT_EQ(editor->knob(8)->getValue(), effect->getParameter(8));
}

TEST_F(PresetStripTest, TypedNameKeepsItsFirst23Characters)
{
    click(CPoint(200, 277));
    ASSERT_TRUE(nameField()->isEditing());
    // Select all of the old name's characters away first.
    for (size_t i = 0; i < std::string(nameField()->getText()).size(); ++i) {
        VstKeyCode back;
        back.virt = VKEY_BACK;
        frame()->onKeyDown(back);
    }
    typeText("A very long program name for the strip");
    pressReturn();
    const std::string kept = "A very long program nam";
    EXPECT_EQ(programName(effect->getCurrentProgramIndex()), kept);
    EXPECT_EQ(std::string(nameField()->getText()), kept);
    EXPECT_EQ(std::string(menu()->getEntryTitle(effect->getCurrentProgramIndex())), kept);
}

TEST_F(PresetStripTest, ShortNameIsTakenWhole)
{
    click(CPoint(200, 277));
    typeText(" X");
    pressReturn();
    const std::string expected = std::string(ProgramNameText(*effect->program(0)).c_str());
    EXPECT_EQ(expected.substr(expected.size() - 2), " X");
    EXPECT_EQ(std::string(nameField()->getText()), expected);
}

TEST_F(PresetStripTest, DefaultButtonsStoreOnDoubleClickAndDeleteOnCtrlDoubleClick)
{
    struct Button
    {
        CPoint where;
        const char* value;
    };
    for (const Button& b : {Button{{50, 275}, presetregistry::kDefaultBank},
                            Button{{125, 275}, presetregistry::kDefaultPreset}}) {
        SCOPED_TRACE(b.value);
        click(b.where);
        EXPECT_FALSE(storedValueExists(b.value)) << "a single click does nothing";
        click(b.where, kLButton | kControl);
        EXPECT_FALSE(storedValueExists(b.value)) << "nor does a single Ctrl-click";
        click(b.where, kLButton | kDoubleClick);
        EXPECT_TRUE(storedValueExists(b.value)) << "a double-click stores";
        click(b.where);
        EXPECT_TRUE(storedValueExists(b.value));
        click(b.where, kLButton | kDoubleClick | kControl);
        EXPECT_FALSE(storedValueExists(b.value)) << "a Ctrl-double-click deletes";
    }
}

TEST_F(PresetStripTest, MemoryButtonsStoreAndRecallTheCurrentProgram)
{
    effect->setParameter(8, 0.2f);
    click(CPoint(358, 276));  // store A
    effect->setParameter(8, 0.9f);
    click(CPoint(401, 276));  // store B
    effect->setParameter(8, 0.5f);
    click(CPoint(380, 276));  // recall A
    EXPECT_FLOAT_EQ(effect->getParameter(8), 0.2f);
    EXPECT_FLOAT_EQ(editor->knob(8)->getValue(), 0.2f);
    click(CPoint(423, 276));  // recall B
    EXPECT_FLOAT_EQ(effect->getParameter(8), 0.9f);
    EXPECT_FLOAT_EQ(editor->knob(8)->getValue(), 0.9f);
}

TEST_F(PresetStripTest, FileButtonsOpenSelectorsTitledByButtonAndMouseButton)
{
    struct Case
    {
        CPoint where;
        int32_t buttons;
        const char* title;
    };
    const std::vector<Case> cases = {
        {{76, 276}, kLButton, "Load bank"},
        {{76, 276}, kRButton, "Load bank (endian-reversed)"},
        {{76, 276}, kRButton | kShift, "Load bank"},
        {{26, 276}, kLButton, "Save bank"},
        {{156, 276}, kLButton, "Load preset"},
        {{156, 276}, kRButton, "Load preset (endian-reversed)"},
        {{97, 276}, kLButton, "Save preset"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        selectortest::SelectorScript script;  // every run cancels
        click(c.where, c.buttons);
        ASSERT_EQ(script.runs().size(), 1u);
        EXPECT_EQ(script.runs()[0].title, c.title);
    }
}

TEST_F(PresetStripTest, HostRenameShowsInTheFieldAndTheMenu)
{
    effect->setCurrentProgram(7);
    char name[] = "Renamed by host";
    effect->setProgramName(name);
    EXPECT_EQ(std::string(nameField()->getText()), "Renamed by host");
    EXPECT_EQ(std::string(menu()->getEntryTitle(7)), "Renamed by host");
}

TEST_F(PresetStripTest, ChangesFromAnotherThreadReachTheStripAtIdle)
{
    const std::string before = nameField()->getText();
    std::thread host([this] {
        char name[] = "From the host thread";
        effect->setProgramName(name);
    });
    host.join();
    EXPECT_EQ(std::string(nameField()->getText()), before) << "no other thread touches a control";
    editor->idle();
    EXPECT_EQ(std::string(nameField()->getText()), "From the host thread");
    EXPECT_EQ(std::string(menu()->getEntryTitle(0)), "From the host thread");
}

// Where the manual button is pressed (the frame takes a point it may move).
CPoint manualButton() { return CPoint(794, 276); }

// The strip on its own, over a frame the test makes in a window of its own, with the manual's two outside steps
// recorded (the opener's only when asked to stand in for it).
class ManualEditor : public CPresetSystemEditor
{
public:
    using CPresetSystemEditor::CPresetSystemEditor;

    bool openStrip()
    {
        takeGuiThread();
        frame_ = new MyFrame(CRect(0, 0, 811, 286), this);
        frame_->open(std::make_unique<editortest::HeadlessWindow>(windows, window()));
        return CPresetSystemEditor::open(editortest::fakeParent());
    }
    void closeStrip()
    {
        CPresetSystemEditor::close();
        frame_->forget();
        frame_ = nullptr;
    }
    // The handle of the window the strip's frame stands in.
    void* window() { return &windowHandle_; }
    // Presses the manual button; the command itself releases it.
    void pressManualButton()
    {
        CPoint where = manualButton();
        frame_->onMouseDown(where, CButtonState(kLButton));
    }

    bool standInOpener = true;
    platform::OpenResult answer = platform::OpenResult::Opened;
    std::vector<std::string> opened;
    std::vector<void*> openedOn;
    std::vector<std::string> messages;
    std::vector<void*> messageOwners;

protected:
    platform::OpenResult openManualDocument(void* window, const std::string& path) override
    {
        opened.push_back(path);
        openedOn.push_back(window);
        return standInOpener ? answer : CPresetSystemEditor::openManualDocument(window, path);
    }
    void showStripMessage(void* owner, const char* caption, const char* text) override
    {
        messages.push_back(std::string(caption) + "|" + text);
        messageOwners.push_back(owner);
    }

private:
    std::shared_ptr<editortest::HeadlessWindow::State> windows = std::make_shared<editortest::HeadlessWindow::State>();
    int windowHandle_ = 0;
};

// A strip over an effect of its own (the effect owns the editor), open.
struct ManualStrip
{
    ManualStrip() : effect(new streamtest::StreamTestEffect), editor(new ManualEditor(effect.get()))
    {
        opened = editor->openStrip();
    }
    ~ManualStrip() { editor->closeStrip(); }

    std::unique_ptr<streamtest::StreamTestEffect> effect;
    ManualEditor* editor;
    bool opened;
};


TEST(ManualButton, OpensTheStoredPathAndExplainsFailuresOnTheEditorsWindow)
{
    const std::string path = "C:\\Program Files\\Qor\\Qor Kalvenor Manual.pdf";
    ASSERT_TRUE(RegistryKey::create(presetregistry::keyPath())->writeString(presetregistry::kManualPath, path));
    struct Case
    {
        platform::OpenResult answer;
        std::vector<std::string> messages;
    };
    const std::vector<Case> cases = {
        {platform::OpenResult::Opened, {}},
        {platform::OpenResult::NoApplication, {"Could not open manual file|Make sure Acrobat Reader is installed"}},
        {platform::OpenResult::Failed, {"|Could not open user manual"}},
    };
    for (const Case& c : cases) {
        ManualStrip strip;
        ASSERT_TRUE(strip.opened);
        ManualEditor* editor = strip.editor;
        editor->answer = c.answer;
        CFrame* frame = editor->getFrame();
        editor->pressManualButton();
        EXPECT_EQ(editor->opened, std::vector<std::string>{path});
        EXPECT_EQ(editor->openedOn, std::vector<void*>{editor->window()});
        EXPECT_EQ(editor->messages, c.messages);
        // The boxes belong to the editor's window, not to the desktop.
        EXPECT_EQ(editor->messageOwners, std::vector<void*>(c.messages.size(), editor->window()));
        // Released by the command itself: the message box would have taken the mouse.
        auto* manual = static_cast<CQorKickButton*>(frame->getViewAt(manualButton()));
        EXPECT_FALSE(manual->isPressed());
        EXPECT_FLOAT_EQ(manual->getValue(), 0.0f);
        CPoint where = manualButton();
        frame->onMouseUp(where, CButtonState());
    }
    removeStoredValue(presetregistry::kManualPath);
}

TEST(ManualButton, WithoutAStoredPathNothingOpensAndTheUserIsTold)
{
    removeStoredValue(presetregistry::kManualPath);
    ManualStrip strip;
    ASSERT_TRUE(strip.opened);
    strip.editor->standInOpener = false;
    strip.editor->pressManualButton();
    EXPECT_EQ(strip.editor->opened, std::vector<std::string>{""});
    EXPECT_EQ(strip.editor->messages, std::vector<std::string>{"|Could not open user manual"});
    EXPECT_EQ(strip.editor->messageOwners, std::vector<void*>{strip.editor->window()});
}

#ifndef _WIN32
// The button's whole road: the stored path reaches the desktop's opener as one argument, spaces and all.
TEST(ManualButton, StoredPathReachesTheDesktopsOpener)
{
    scratchtest::ScratchFolder folder;
    const std::string manual = folder.file("Manual ü.pdf");
    std::ofstream(manual) << "manual";
    const std::string record = folder.file("opened-with");
    const std::string opener = folder.file("xdg-open");
    {
        std::ofstream script(opener);
        script << "#!/bin/sh\nprintf '%s' \"$1\" > '" << record << ".part' && mv '" << record << ".part' '" << record
               << "'\n";
    }
    std::filesystem::permissions(opener, std::filesystem::perms::owner_all);
    const char* oldPath = std::getenv("PATH");
    const std::string searchPath = folder.path().string() + (oldPath ? std::string(":") + oldPath : std::string());
    platformtest::ScopedEnv path("PATH", searchPath.c_str());
    ASSERT_TRUE(RegistryKey::create(presetregistry::keyPath())->writeString(presetregistry::kManualPath, manual));

    {
        ManualStrip strip;
        ASSERT_TRUE(strip.opened);
        strip.editor->standInOpener = false;
        strip.editor->pressManualButton();
        EXPECT_TRUE(strip.editor->messages.empty());
    }
    for (int i = 0; i < 500 && !std::filesystem::exists(record); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    const std::vector<uint8_t> opened = scratchtest::readBytes(record);
    EXPECT_EQ(std::string(opened.begin(), opened.end()), manual);
    removeStoredValue(presetregistry::kManualPath);
}
#endif

TEST(PresetStripWithoutEffect, OpensNothingAndCommandsDoNothing)
{
    ManualEditor editor(nullptr);
    EXPECT_FALSE(editor.openStrip());
    EXPECT_EQ(editor.getFrame()->getNbViews(), 0);
    editor.valueChanged(nullptr);
    editor.closeStrip();
}

}  // namespace
