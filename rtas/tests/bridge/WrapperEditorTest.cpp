// The effect's editor in its child window: sizes, placement in the host's window, the requests in their order,
// closing from the window, and the window class shared by the live wrappers.
#include "rtas/tests/bridge/WrapperFixture.h"

#include "effect/vst2/Opcodes.h"

namespace {

class WrapperEditor : public WrapperFixture
{
protected:
    void TearDown() override
    {
        wrapper.reset();
        if (parent != nullptr)
            platform::destroyWindow(parent);
        WrapperFixture::TearDown();
    }
    void* parent = platform::createTestParentWindow(800, 600);
};

TEST_F(WrapperEditor, AnEffectWithoutAnEditorGetsRowsOfSixParameters)
{
    struct Case
    {
        int32_t parameters;
        int width, height;
    };
    for (const Case c : {Case{16, 480, 180}, Case{6, 480, 60}, Case{7, 480, 120}, Case{1, 480, 60},
                         Case{0, 480, 60}}) {
        RecordingEffectConfig config;
        config.flags = kFlagCanReplacing;
        config.numParams = c.parameters;
        int width = 0, height = 0;
        load(config).GetEditorSize(&width, &height);
        EXPECT_EQ(width, c.width) << c.parameters << " parameters";
        EXPECT_EQ(height, c.height) << c.parameters << " parameters";
        EXPECT_EQ(wrapper->editorRect().bottom, c.height);
        EXPECT_TRUE(opcodes().empty());
    }
}

TEST_F(WrapperEditor, SizeIsAskedInATemporaryWindowBeforeTheEditorIsOpen)
{
    CPluginWrapper& w = load();  // editor 300 x 200
    int width = 0, height = 0;
    w.GetEditorSize(&width, &height);
    EXPECT_EQ(width, 300);
    EXPECT_EQ(height, 200);
    EXPECT_EQ(opcodes(), (std::vector<int32_t>{effEditOpen, effEditGetRect, effEditClose}));
    EXPECT_NE(effect()->editorParent, nullptr);
    EXPECT_EQ(w.childWindow(), nullptr);

    w.OpenEditorWindow(parent);
    log().callCount = 0;
    w.GetEditorSize(&width, &height);
    EXPECT_EQ(opcodes(), std::vector<int32_t>{effEditGetRect}) << "with the editor open, only its size is asked";
}

TEST_F(WrapperEditor, OpensCentredAtTheBottomOfTheHostsWindow)
{
    CPluginWrapper& w = load();
    w.OpenEditorWindow(parent);
    ASSERT_TRUE(w.isEditorOpen());
    EXPECT_EQ(opcodes(), (std::vector<int32_t>{effEditOpen, effEditGetRect, effEditIdle}));
    EXPECT_EQ(effect()->editorParent, w.childWindow());
    EXPECT_TRUE(platform::isWindowVisible(w.childWindow()));
    // x = (800 - 300) / 2, y = 600 - 200; the window is w + x wide, as the placement has always made it.
    const platform::WindowRect placed = platform::windowRectInParent(w.childWindow());
    EXPECT_EQ(placed.left, 250);
    EXPECT_EQ(placed.top, 400);
    EXPECT_EQ(placed.right - placed.left, 550);
    EXPECT_EQ(placed.bottom - placed.top, 200);

    log().callCount = 0;
    w.OpenEditorWindow(parent);
    EXPECT_TRUE(opcodes().empty()) << "a second open while open does nothing";
    w.Idle();
    EXPECT_EQ(opcodes(), std::vector<int32_t>{effEditIdle});
}

TEST_F(WrapperEditor, AnOfflineInstancesEditorSits32PixelsHigherEachTime)
{
    owner.audioSuite = true;
    RecordingEffectConfig wide;
    wide.editorRect = EditorRect{0, 0, 200, 900};  // wider than the parent: x = 0
    CPluginWrapper& w = load(wide);
    for (int time = 0; time < 2; ++time) {
        w.OpenEditorWindow(parent);
        const platform::WindowRect placed = platform::windowRectInParent(w.childWindow());
        EXPECT_EQ(placed.left, 0);
        EXPECT_EQ(placed.top, 600 - 232) << "open number " << time + 1;
        EXPECT_EQ(placed.bottom - placed.top, 200);
        EXPECT_EQ(w.editorRect().bottom, 200) << "the kept rectangle is the effect's own";
        EXPECT_TRUE(w.CloseEditorWindow());
    }
}

TEST_F(WrapperEditor, ClosingFromTheWindowClosesTheEditor)
{
    CPluginWrapper& w = load();
    w.OpenEditorWindow(parent);
    void* child = w.childWindow();
    log().callCount = 0;
    platform::requestWindowClose(child);
    EXPECT_FALSE(w.isEditorOpen());
    EXPECT_EQ(opcodes(), std::vector<int32_t>{effEditClose});
    EXPECT_FALSE(effect()->editorOpen);
    log().callCount = 0;
    w.Idle();
    EXPECT_FALSE(w.CloseEditorWindow());
    EXPECT_TRUE(opcodes().empty()) << "no idle and no second close once closed";
}

TEST_F(WrapperEditor, WithoutAnEffectOnlyTheParentIsKept)
{
    CPluginWrapper w(&owner);
    w.OpenEditorWindow(parent);
    EXPECT_FALSE(w.isEditorOpen());
    EXPECT_EQ(w.childWindow(), nullptr);
}

TEST_F(WrapperEditor, TheFirstLiveWrapperRegistersTheWindowClassAndTheLastRemovesIt)
{
    ASSERT_EQ(CPluginWrapper::liveCount(), 0);
    EXPECT_FALSE(platform::isChildWindowClassRegistered(kWrapperWindowClass));
    auto first = std::make_unique<CPluginWrapper>(&owner);
    EXPECT_TRUE(platform::isChildWindowClassRegistered(kWrapperWindowClass));
    auto second = std::make_unique<CPluginWrapper>(&owner);
    first.reset();
    EXPECT_TRUE(platform::isChildWindowClassRegistered(kWrapperWindowClass));
    second.reset();
    EXPECT_FALSE(platform::isChildWindowClassRegistered(kWrapperWindowClass));
}

}  // namespace
