// View descriptions: the registry's words, the tokenizer's numbers, texts and groups, what makes a text a valid
// description, function keywords, making a view from an item, and the bounded reading of item lists.
#include "ViewsFixture.h"

#include "rtas/framework/ModuleInformation.h"

#include <cstring>

namespace viewtests {
namespace {

using Descriptions = ViewsTest;

// A node read back while its parser still lives: type, value, and what a text, float or group holds.
struct Decoded
{
    int16_t type;
    int32_t value;
    std::string text;
    float number;
    std::string firstMemberText;
};

std::string TextOf(const DescriptionNode& n)
{
    const unsigned char* t = n.Text();
    return std::string(reinterpret_cast<const char*>(t + 1), t[0]);
}

// The nodes of the first inner group of "!Background((<members>))" after parsing, or nothing when it fails.
struct Parsed
{
    bool ok;
    std::vector<Decoded> nodes;
};

Parsed ParseMembers(const std::string& members)
{
    DescriptionParser parser(Item("!Background((" + members + "))"));
    Parsed out{parser.Parse(), {}};
    if (!out.ok)
        return out;
    for (const DescriptionNode* n = parser.NextGroup()->Members(); n != nullptr; n = n->next) {
        Decoded d{n->type, n->value, "", 0, ""};
        if (n->type == kNodeText)
            d.text = TextOf(*n);
        if (n->type == kNodeFloat)
            d.number = n->FloatValue();
        if (n->type == kNodeGroup && n->Members() != nullptr && n->Members()->type == kNodeText)
            d.firstMemberText = TextOf(*n->Members());
        out.nodes.push_back(d);
    }
    return out;
}

TEST_F(Descriptions, RegistryHoldsTheLibrarysWordsCaseSensitively)
{
    struct Case
    {
        const char* name;
        int16_t type;
        int32_t value;
    };
    const Case cases[] = {
        {"left", kCategoryKeyword, 0},       {"plate", kCategoryKeyword, 8},
        {"inversePlate", kCategoryKeyword, 12}, {"ASCII", kCategoryKeyword, 27},
        {"getList", kCategoryFunction, 0},   {"longVersion", kCategoryFunction, 3},
    };
    for (const Case& c : cases) {
        DescriptionNode node{nullptr, -1, -1};
        ASSERT_TRUE(LookUpName(c.name, &node)) << c.name;
        EXPECT_EQ(node.type, c.type) << c.name;
        EXPECT_EQ(node.value, c.value) << c.name;
    }
    const char* types[] = {"Background", "ItemList", "ProcessControl", "ScrollControl", "Slider", "Dial",
                           "TextEditor", "RadioGroup", "TextPopup", "Button", "CheckBox", "RadioButton",
                           "StaticText", "Picture", "ViewPopup"};
    for (const char* name : types) {
        DescriptionNode node{nullptr, -1, -1};
        ASSERT_TRUE(LookUpName(name, &node)) << name;
        EXPECT_EQ(node.type, kCategoryViewType);
        CPlugInView* made = node.Creator()();
        EXPECT_NE(dynamic_cast<CCustomView*>(made), nullptr) << name;
        delete made;
    }
    DescriptionNode untouched{nullptr, 42, 43};
    EXPECT_FALSE(LookUpName("Plate", &untouched));
    EXPECT_FALSE(LookUpName("DialogView", &untouched)) << "the dialog view has no view-type name";
    EXPECT_EQ(untouched.type, 42);

    // Registering again replaces; the length-prefixed form names the same entry.
    const unsigned char name[] = "\x05" "frob1";
    RegisterKeyword(name, kCategoryKeyword, 7);
    RegisterKeyword("frob1", kCategoryKeyword, 9);
    ASSERT_TRUE(LookUpName("frob1", &untouched));
    EXPECT_EQ(untouched.value, 9);
}

TEST_F(Descriptions, NumbersTextsAndCharacterConstants)
{
    struct Case
    {
        const char* text;
        int16_t type;
        int32_t value;
    };
    const Case integers[] = {
        {"0x1F", kNodeInteger, 31},   {"- 3", kNodeInteger, -3},     {"-0x10", kNodeInteger, -16},
        {"1234", kNodeInteger, 1234}, {"''", kNodeCharacter, 0},     {"'a'", kNodeCharacter, 'a'},
        {"'\\n'", kNodeCharacter, 10}, {"'Knob'", kNodeFourCC, int32_t(FourCC("Knob"))},
        {"plate", kNodeKeyword, kKeyPlate},
    };
    for (const Case& c : integers) {
        const Parsed p = ParseMembers(std::string("'id01' ") + c.text);
        ASSERT_TRUE(p.ok) << c.text;
        ASSERT_EQ(p.nodes.size(), 2u) << c.text;
        EXPECT_EQ(p.nodes[1].type, c.type) << c.text;
        EXPECT_EQ(p.nodes[1].value, c.value) << c.text;
    }
    const Parsed floats = ParseMembers("'id01' -.5 2.25 7.");
    ASSERT_TRUE(floats.ok);
    EXPECT_EQ(floats.nodes[1].type, kNodeFloat);
    EXPECT_FLOAT_EQ(floats.nodes[1].number, -0.5f);
    EXPECT_FLOAT_EQ(floats.nodes[2].number, 2.25f);
    EXPECT_FLOAT_EQ(floats.nodes[3].number, 7.0f);

    const Parsed text = ParseMembers("'id01' \"a\\tb\\\\c\"");
    ASSERT_TRUE(text.ok);
    ASSERT_EQ(text.nodes[1].type, kNodeText);
    EXPECT_EQ(text.nodes[1].text, "a\tb\\c");

    // Commas separate like blanks.
    const Parsed commas = ParseMembers("'id01',1,2");
    const Parsed blanks = ParseMembers("'id01' 1 2");
    ASSERT_TRUE(commas.ok && blanks.ok);
    ASSERT_EQ(commas.nodes.size(), blanks.nodes.size());
    EXPECT_EQ(commas.nodes[2].value, blanks.nodes[2].value);
}

TEST_F(Descriptions, MalformedTextsAreNoDescription)
{
    const char* bad[] = {
        "!Background(('id01' 0X1F))",        // the number ends at 0, then the unregistered name X1F
        "!Background(('id01' 'ab'))",        // two characters
        "!Background(('id01' 'abcde'))",     // more than four
        "!Background(('id01' 1.2.3))",       // a second decimal point
        "!Background(('id01' -x))",          // a minus without a number
        "!Background(('id01' \"open))",      // a text without its closing quote
        "!Background(('id01' \"\\q\"))",     // an unknown escape
        "!Background(('id01' Plate))",       // case matters
        "!Background(('id01' plate)",        // a group left open
        "!Background(('id01' plate)]",       // the wrong closer
        "!Background(('id01')) 3",           // a fourth top-level node
        "!Background()",                     // an empty outer group
        "!Background(('id01') 3)",           // a member that is not a group
        "!Background",                       // no group
        "Background(('id01'))",              // no start mark
        "!plate(('id01'))",                  // not a view type
        "!Background(('id01' getList(1)))",  // getList is not offered
        "!Background(('id01' getString(300 9)))",  // no ninth string
        "!Background(('id01' getString(300 3)))",  // a string of 254 characters
        "!Background(('id01' getString(300)))",    // the group needs two integers
        "!Background(('id01' @))",
        "",
    };
    for (const char* text : bad) {
        DescriptionParser parser(Item(text));
        EXPECT_FALSE(parser.Parse()) << text;
    }
}

TEST_F(Descriptions, FunctionKeywordsAreReplacedByTexts)
{
    const Parsed strings = ParseMembers("'id01' getString(300 2) getString(300 1)");
    ASSERT_TRUE(strings.ok);
    ASSERT_EQ(strings.nodes.size(), 3u) << "each keyword and its group become one text node";
    EXPECT_EQ(strings.nodes[1].text, "tab\tbed") << "escapes honoured";
    EXPECT_EQ(strings.nodes[2].text, "first");

    // Both version keywords become the plug-in module's own version text.
    char moduleVersion[rtas::kVersionTextCapacity] = {};
    rtas::GetPlugInVersionText(moduleVersion, sizeof moduleVersion);
    ASSERT_GT(std::strlen(moduleVersion), 0u);
    const Parsed version = ParseMembers("'id01' (shortVersion) longVersion");
    ASSERT_TRUE(version.ok);
    EXPECT_EQ(version.nodes[2].text, moduleVersion);
    EXPECT_EQ(version.nodes[1].firstMemberText, moduleVersion);
}

TEST_F(Descriptions, AViewIsMadeFromItsItem)
{
    bool ok = false;
    const ItemRecord item = Item("! Background (('bkg1' plate 2))", Rect{5, 6, 25, 46}, kControlItem | 0x80);
    CPlugInView* view = CreateViewFromDescription(item, &ok);
    ASSERT_TRUE(ok);
    auto* custom = dynamic_cast<CCustomView*>(view);
    ASSERT_NE(custom, nullptr);
    EXPECT_EQ(custom->GetViewID(), FourCC("bkg1"));
    EXPECT_TRUE(custom->HasPlate());
    EXPECT_EQ(custom->GetColourIndex(), 2);
    EXPECT_FALSE(custom->IsEnabled()) << "bit 7 of the kind byte disables";
    EXPECT_TRUE(SameRect(custom->Frame(), Rect{5, 6, 25, 46}));
    delete view;

    // A view that cannot read its description is deleted and the item is no description.
    const char* unreadable[] = {
        "!Background((plate))",                    // the view ID is required
        "!Background(('bkg1' \"text\"))",          // a node the group does not take
        "!StaticText(('txt1'))",                   // the static text's own group is missing
        "!Slider(('sld1') ('ctl1') (cyclical))",   // a slider takes only "reverse"
        "!Picture(('pic1') (clicked))",            // a state without its picture
        "!Picture(('pic1') (normal 200 3))",
        "!ProcessControl(('pc01') (\"t\" 3))",     // steps and value both needed
    };
    for (const char* text : unreadable) {
        view = CreateViewFromDescription(Item(text), &ok);
        EXPECT_FALSE(ok) << text;
        EXPECT_EQ(view, nullptr) << text;
    }
    view = CreateViewFromDescription(Item("just a label"), &ok);
    EXPECT_FALSE(ok);
}

TEST_F(Descriptions, ItemListReadsStayInsideTheResource)
{
    const std::vector<uint8_t> list = ItemListBytes({
        {Rect{1, 2, 3, 4}, kStaticTextItem, "odd"},
        {Rect{5, 6, 7, 8}, kPictureItem, std::string("\x00\xC8", 2)},
    });
    ItemListReader reader(list.data(), int32_t(list.size()));
    ItemRecord item{};
    ASSERT_TRUE(reader.Next(&item));
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(item.data), item.length), "odd");
    EXPECT_EQ(item.rect.right, 4);
    ASSERT_TRUE(reader.Next(&item)) << "the odd length was padded";
    EXPECT_EQ(ItemResourceID(item), 200);
    EXPECT_FALSE(reader.Next(&item));

    // Every cut of the list either ends early with -7400 or reads only what it holds.
    for (size_t cut = 0; cut < list.size(); ++cut) {
        std::vector<uint8_t> shorter(list.begin(), list.begin() + long(cut));
        try {
            ItemListReader partial(shorter.data(), int32_t(shorter.size()));
            while (partial.Next(&item)) {
            }
            ADD_FAILURE() << "a list cut at " << cut << " was read whole";
        } catch (const CDAEError& e) {
            EXPECT_EQ(e.GetCode(), -7400);
        }
    }
    const ItemRecord tooShort = Item("x", Rect{0, 0, 1, 1}, kIconItem);
    EXPECT_EQ(ItemResourceID(tooShort), -1);
}

}  // namespace
}  // namespace viewtests
