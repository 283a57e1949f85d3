#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gui/CFrame.h"
#include "gui/controls/CTextEdit.h"
#include "tests/gui/GuiTestSupport.h"

namespace
{

VstKeyCode character(int32_t c) { return VstKeyCode{c, 0, 0}; }
VstKeyCode virtualKey(uint8_t v) { return VstKeyCode{0, v, 0}; }

class TextEditFixture : public testing::Test
{
protected:
    void SetUp() override
    {
        frame = new CFrame(CRect(0, 0, 200, 50), nullptr);
        edit = new CTextEdit(CRect(10, 10, 110, 24), &listener, 20, "old");
        frame->addView(edit);
        other = new CView(CRect(150, 0, 200, 50));
        frame->addView(other);
    }
    void TearDown() override { frame->forget(); }

    void click(CCoord x, CCoord y)
    {
        CPoint p(x, y);
        frame->onMouseDown(p, kLButton);
        frame->onMouseUp(p, 0);
    }
    int32_t type(std::vector<VstKeyCode> keys)
    {
        int32_t last = 0;
        for (VstKeyCode& key : keys)
            last = frame->onKeyDown(key);
        return last;
    }

    guitest::RecordingListener listener;
    CFrame* frame = nullptr;
    CTextEdit* edit = nullptr;
    CView* other = nullptr;
};

TEST_F(TextEditFixture, KeysEditTheTextAndReturnOrEscapeEndTheEdit)
{
    struct Case
    {
        const char* name;
        std::vector<VstKeyCode> keys;
        std::string text;
        size_t notices;
    };
    const Case cases[] = {
        {"type, backspace, return",
         {character('A'), character('b'), virtualKey(VKEY_BACK), character('c'), virtualKey(VKEY_RETURN)},
         "oldAc",
         1},
        {"escape cancels", {character('x'), virtualKey(VKEY_ESCAPE)}, "old", 0},
        {"cursor keys",
         {virtualKey(VKEY_HOME), character('Z'), virtualKey(VKEY_RIGHT), virtualKey(VKEY_DELETE),
          virtualKey(VKEY_END), VstKeyCode{0, VKEY_SPACE, 0}, character('!'), virtualKey(VKEY_ENTER)},
         "Zod !",
         1},
        {"two-byte character and its removal",
         {character(0xe9), character(0xe9), virtualKey(VKEY_BACK), virtualKey(VKEY_LEFT), character('-'),
          virtualKey(VKEY_RETURN)},
         "old-\xc3\xa9",
         1},
        {"backspace at the start", {virtualKey(VKEY_HOME), virtualKey(VKEY_BACK), virtualKey(VKEY_RETURN)}, "old", 1},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        edit->setText("old");
        listener.values.clear();
        click(20, 15);
        EXPECT_TRUE(edit->isEditing());
        EXPECT_EQ(frame->getFocusView(), edit);
        EXPECT_EQ(type(c.keys), 1);
        EXPECT_FALSE(edit->isEditing());
        EXPECT_EQ(frame->getFocusView(), nullptr);
        EXPECT_EQ(std::string(edit->getText()), c.text);
        EXPECT_EQ(listener.values.size(), c.notices);
    }
    VstKeyCode key = character('q');
    EXPECT_EQ(frame->onKeyDown(key), -1) << "keys are not taken while not editing";
}

TEST_F(TextEditFixture, ClickingElsewhereCommitsAndTheLengthIsLimited)
{
    edit->setMaxLength(5);
    click(20, 15);
    type({character('1'), character('2'), character('3')});
    EXPECT_EQ(edit->getEditText(), "old12") << "the sixth byte is refused";
    EXPECT_STREQ(edit->getText(), "old") << "the text changes only when the edit ends";
    click(160, 10);
    EXPECT_FALSE(edit->isEditing());
    EXPECT_STREQ(edit->getText(), "old12");
    EXPECT_EQ(listener.values.size(), 1u);
    char buffer[4];
    edit->getText(buffer, sizeof(buffer));
    EXPECT_STREQ(buffer, "old");

    // Ctrl shortcuts go to the host.
    click(20, 15);
    VstKeyCode copy{'c', 0, MODIFIER_CONTROL};
    EXPECT_EQ(frame->onKeyDown(copy), -1);
    edit->setMaxLength(255);
    type({character('x')});
    edit->endTextEdit(true);
    EXPECT_STREQ(edit->getText(), "old12x");
    EXPECT_EQ(frame->getFocusView(), nullptr);
}

} // namespace
