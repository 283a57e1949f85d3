// The editor base: idle pacing by the tick count, the host's idle request made outside the frame's idle, and the
// two ways of making room for a resized editor (the host's own resize, or the walk up the host's windows).
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "effect/editor/AEffGUIEditor.h"
#include "effect/vst2/AudioEffect.h"
#include "gui/CFrame.h"
#include "platform/Clock.h"
#include "platform/WindowChainResize.h"
#include "tests/editor/EditorTestSupport.h"

namespace {

// A host that answers "sizeWindow" and the resize as scripted, and lets the editor idle from inside its idle request.
struct ScriptedHost
{
    static ScriptedHost* current;
    intptr_t canSizeWindow = 0;
    intptr_t resizeAnswer = 0;
    std::vector<std::string> calls;
    AEffGUIEditor* editor = nullptr;

    static intptr_t callback(EffectRecord*, int32_t opcode, int32_t index, intptr_t value, void* ptr, float)
    {
        ScriptedHost& host = *current;
        if (opcode == 37)
            return std::string(static_cast<const char*>(ptr)) == "sizeWindow" ? host.canSizeWindow : 0;
        host.calls.push_back(std::to_string(opcode) + " " + std::to_string(index) + " " + std::to_string(value));
        if (opcode == 3 && host.editor)
            host.editor->idle();  // a host that idles its editors from its own idle
        if (opcode == 15)
            return host.resizeAnswer;
        return 0;
    }
};
ScriptedHost* ScriptedHost::current = nullptr;

// The editor base with the clock in the test's hand.
class PacedEditor : public AEffGUIEditor
{
public:
    explicit PacedEditor(AudioEffect* effect) : AEffGUIEditor(effect) {}

    void openFrame()
    {
        frame_ = new CFrame(CRect(0, 0, 811, 286), this);
        ASSERT_TRUE(openFrameWindow(frame_, editortest::fakeParent()));
    }
    void closeFrame()
    {
        frame_->forget();
        frame_ = nullptr;
    }
    void idle() override
    {
        ++idles;
        AEffGUIEditor::idle();
    }

    uint32_t now = 0;
    std::vector<uint32_t> pauses;
    int idles = 0;

protected:
    uint32_t currentTime() override { return now; }
    void pause(uint32_t ms) override { pauses.push_back(ms); }
};

class EditorBaseTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ScriptedHost::current = &host;
        effect = new AudioEffect(&ScriptedHost::callback, 1, 1);
        editor = new PacedEditor(effect);  // the effect owns it
    }
    void TearDown() override
    {
        host.editor = nullptr;
        delete effect;
        ScriptedHost::current = nullptr;
    }

    editortest::HeadlessWindows windows;
    ScriptedHost host;
    AudioEffect* effect = nullptr;
    PacedEditor* editor = nullptr;
};

TEST_F(EditorBaseTest, IdlesAtMost10TimesASecondAllowingUpTo54MsEarly)
{
    struct Case
    {
        uint32_t after;  // ms after an idle
        bool paused, idled;
    };
    const std::vector<Case> cases = {{30, true, false}, {45, true, false}, {46, true, true},  {60, true, true},
                                     {99, true, true},  {100, false, true}, {500, false, true}};
    editor->now = platform::tickCount();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.after);
        // A time well past the last idle idles at once and sets the next time 100 ms later.
        editor->now += 100000;
        editor->doIdleStuff();
        ASSERT_EQ(editor->idles, 1);
        editor->pauses.clear();
        editor->now += c.after;
        editor->doIdleStuff();
        EXPECT_EQ(editor->pauses, c.paused ? std::vector<uint32_t>{4} : std::vector<uint32_t>{});
        EXPECT_EQ(editor->idles, c.idled ? 2 : 1);
        editor->idles = 0;
    }
}

TEST_F(EditorBaseTest, HostIdleRequestFollowsTheIdleAndKeepsTheFrameIdleOut)
{
    host.editor = editor;
    editor->openFrame();
    editor->now = platform::tickCount() + 100000;
    const int before = windows.state().processed.load();
    editor->doIdleStuff();
    // The host's idle request called the editor's idle again: that one did not run the frame.
    EXPECT_EQ(editor->idles, 2);
    EXPECT_EQ(windows.state().processed.load() - before, 1);
    ASSERT_FALSE(host.calls.empty());
    EXPECT_EQ(host.calls.back(), "3 0 0");
    // Outside the host's idle request the frame idles again.
    editor->idle();
    EXPECT_EQ(windows.state().processed.load() - before, 2);
    editor->closeFrame();
}

TEST_F(EditorBaseTest, PacingHoldsAcrossTheTickCountWrap)
{
    // Idle at times ever later (by less than half the counter's range each) until 0xffffffd0: the next idle time
    // then lies past the wrap, at 0x34.
    editor->now = platform::tickCount() + 100000;
    editor->doIdleStuff();
    while (0xffffffd0u - editor->now > 0x40000000u) {
        editor->now += 0x40000000u;
        editor->doIdleStuff();
    }
    editor->now = 0xffffffd0u;
    editor->doIdleStuff();
    const int idles = editor->idles;
    editor->pauses.clear();
    editor->now += 30;
    editor->doIdleStuff();
    EXPECT_EQ(editor->idles, idles) << "30 ms after the last idle, across the wrap";
    EXPECT_EQ(editor->pauses, std::vector<uint32_t>{4});
    editor->now += 70;
    editor->doIdleStuff();
    EXPECT_EQ(editor->idles, idles + 1);
}

TEST_F(EditorBaseTest, ResizeGoesThroughTheHostWhenItCan)
{
    struct Case
    {
        intptr_t canSizeWindow, resizeAnswer;
        bool withFrame, result;
        std::vector<std::string> calls;
    };
    const std::vector<Case> cases = {
        {1, 1, false, true, {"15 900 300"}},
        {1, 0, true, false, {"15 900 300"}},
        {0, 1, false, true, {}},  // no frame: nothing to resize
        {0, 0, true, true, {}},   // the walk up the host's windows, which has nothing to do here
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.canSizeWindow) + " " + std::to_string(c.withFrame));
        host.canSizeWindow = c.canSizeWindow;
        host.resizeAnswer = c.resizeAnswer;
        host.calls.clear();
        if (c.withFrame)
            editor->openFrame();
        EXPECT_EQ(editor->beforeSizeChange(CRect(10, 10, 910, 310), CRect(0, 0, 811, 286)), c.result);
        EXPECT_EQ(host.calls, c.calls);
        if (c.withFrame)
            editor->closeFrame();
    }
}

TEST_F(EditorBaseTest, RectangleIsTheEditorsOwnAndHostKnobModeIsRefused)
{
    EditorRect* rect = nullptr;
    EXPECT_TRUE(editor->getRect(&rect));
    EXPECT_EQ(rect, &editor->rect());
    const int32_t before = editor->getKnobMode();
    EXPECT_FALSE(editor->setKnobMode(before + 1));
    EXPECT_EQ(editor->getKnobMode(), before);
    EXPECT_TRUE(editor->selectKnobMode(2));
    EXPECT_EQ(editor->getKnobMode(), 2);
    editor->selectKnobMode(before);
}

// A desktop of windows for the walk: each with a box, a parent and a class.
class FakeTree : public platform::WindowTree
{
public:
    struct Window
    {
        platform::WindowBox box;
        int parent;  // index, -1 for none
        std::string className;
    };
    FakeTree(std::vector<Window> windows, int dialogFrame) : windows_(std::move(windows)), frame_(dialogFrame) {}

    void* parentOf(void* window) override
    {
        const int parent = windows_[index(window)].parent;
        return parent < 0 ? nullptr : handle(parent);
    }
    std::string classNameOf(void* window) override { return windows_[index(window)].className; }
    platform::WindowBox boxOf(void* window) override { return windows_[index(window)].box; }
    void resize(void* window, int width, int height) override
    {
        resized[index(window)] = std::to_string(width) + "x" + std::to_string(height);
    }
    int dialogFrameHeight() override { return frame_; }

    void* handle(int i) { return &windows_[size_t(i)]; }
    std::map<int, std::string> resized;

private:
    int index(void* window) const { return int(static_cast<Window*>(window) - windows_.data()); }
    std::vector<Window> windows_;
    int frame_;
};

TEST(HostWindowWalk, ResizesEachWindowUpToTheTopByTheBordersBelowIt)
{
    using W = FakeTree::Window;
    struct Case
    {
        const char* name;
        std::vector<W> windows;  // 0 is the editor's window
        int dialogFrame;
        std::map<int, std::string> resized;
    };
    const std::vector<Case> cases = {
        {"host child inside a framed top-level window",
         {{{0, 0, 811, 286}, 1, "Editor"}, {{0, 0, 811, 286}, 2, "HostChild"}, {{-4, -26, 815, 290}, -1, "Top"}},
         3,
         {{0, "900x300"}, {1, "900x300"}, {2, "908x330"}}},
        {"an MDI client area ends the walk below it",
         {{{0, 0, 811, 286}, 1, "Editor"}, {{0, 0, 815, 300}, 2, "HostChild"}, {{0, 0, 1000, 800}, -1, "MDIClient"}},
         3,
         {{0, "900x300"}, {1, "904x314"}}},
        {"a border wider than 80 pixels is no host frame",
         {{{0, 0, 811, 286}, 1, "Editor"}, {{0, 0, 911, 290}, 2, "Panel"}, {{0, 0, 2000, 2000}, -1, "Top"}},
         3,
         {{0, "900x300"}}},
        {"a border higher than 80 pixels is no host frame",
         {{{0, 0, 811, 286}, 1, "Editor"}, {{0, 0, 815, 400}, 2, "Panel"}, {{0, 0, 2000, 2000}, -1, "Top"}},
         3,
         {{0, "900x300"}}},
        {"borders of twice the dialog frame end the walk on the window reached",
         {{{0, 0, 811, 286}, 1, "Editor"}, {{0, 0, 819, 316}, 2, "Dialog"}, {{0, 0, 2000, 2000}, -1, "Top"}},
         4,
         {{0, "900x300"}, {1, "908x330"}}},
        {"a negative border counts as none",
         {{{0, 0, 811, 286}, 1, "Editor"}, {{0, 0, 800, 280}, -1, "Top"}},
         3,
         {{0, "900x300"}, {1, "900x300"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeTree tree(c.windows, c.dialogFrame);
        EXPECT_TRUE(platform::resizeWindowChain(tree, tree.handle(0), 900, 300));
        EXPECT_EQ(tree.resized, c.resized);
    }
    FakeTree none({}, 3);
    EXPECT_TRUE(platform::resizeWindowChain(none, nullptr, 900, 300));
    EXPECT_TRUE(none.resized.empty());
}

}  // namespace
