// Counted objects as the host sees them: through their tables, by slot number.
#include <gtest/gtest.h>

#include "aax/library/AAX_CString.h"
#include "aax/library/CACFUnknown.h"
#include "hosts/aax/AcfTables.h"
#include "hosts/aax/HostString.h"

namespace {

constexpr acf::Uid kIidSample = {0x12345678, 0x1234, 0x5678, {1, 2, 3, 4, 5, 6, 7, 8}};

class ISample : public IACFUnknown
{
public:
    virtual int32_t Answer() = 0;

protected:
    ~ISample() = default;
};

class Sample final : public ISample, public CACFUnknown
{
public:
    explicit Sample(bool* destroyed) : destroyed_(destroyed) {}
    ~Sample() override { *destroyed_ = true; }
    ACF_FORWARD_UNKNOWN_TO_CONTROLLING()
    int32_t Answer() override { return 42; }
    acf::Result InternalQueryInterface(const acf::Uid& iid, void** out) override
    {
        if (iid == kIidSample)
            return ReturnInterface(static_cast<ISample*>(this), out);
        return CACFUnknown::InternalQueryInterface(iid, out);
    }

private:
    bool* destroyed_;
};

using Query = acf::Result (*)(void*, const acf::Uid*, void**);
using Count = uint32_t (*)(void*);

TEST(CountedObject, HostSlotsZeroToTwoAreQueryAddReferenceReleaseOnEveryTable)
{
    bool destroyed = false;
    const int32_t before = CACFUnknown::LiveObjectCount();
    auto* sample = new Sample(&destroyed);
    EXPECT_EQ(CACFUnknown::LiveObjectCount(), before + 1);

    // The private unknown, as a factory hands it out, with count 0: slot 0 must query, not destroy.
    void* privateUnknown = sample->GetPrivateUnknown();
    void* iface = nullptr;
    ASSERT_EQ(acf::slot<Query>(privateUnknown, 0)(privateUnknown, &kIidSample, &iface), 0);
    ASSERT_EQ(iface, static_cast<ISample*>(sample));
    EXPECT_FALSE(destroyed);

    // The interface's own table forwards its first three slots to the controlling unknown.
    void* again = nullptr;
    EXPECT_EQ(acf::slot<Query>(iface, 0)(iface, &acf::kIidUnknown, &again), 0);
    EXPECT_EQ(again, privateUnknown);
    EXPECT_EQ(acf::slot<Count>(iface, 1)(iface), 3u);
    EXPECT_EQ(acf::slot<Count>(iface, 2)(iface), 2u);
    EXPECT_EQ(acf::slot<Count>(again, 2)(again), 1u);
    EXPECT_FALSE(destroyed);
    EXPECT_EQ(acf::slot<Count>(iface, 2)(iface), 0u);
    EXPECT_TRUE(destroyed);
    EXPECT_EQ(CACFUnknown::LiveObjectCount(), before);
}

TEST(CountedObject, UnknownIdentifierAnswersNoInterfaceWithNullOut)
{
    bool destroyed = false;
    auto* sample = new Sample(&destroyed);
    void* privateUnknown = sample->GetPrivateUnknown();
    void* out = &destroyed;
    constexpr acf::Uid kOther = {0xDEADBEEF, 0, 0, {0, 0, 0, 0, 0, 0, 0, 0}};
    EXPECT_EQ(acf::slot<Query>(privateUnknown, 0)(privateUnknown, &kOther, &out), acf::kNoInterface);
    EXPECT_EQ(out, nullptr);
    EXPECT_FALSE(destroyed);
    // Take and give back one reference to end its life.
    sample->GetPrivateUnknown()->AddRef();
    sample->GetPrivateUnknown()->Release();
    EXPECT_TRUE(destroyed);
}

TEST(CountedObject, AggregatedObjectForwardsToItsOuterUnknown)
{
    bool outerDestroyed = false;
    auto* outer = new Sample(&outerDestroyed);
    // Built by hand: an inner object whose controlling unknown is the outer one.
    struct Inner final : CACFUnknown
    {
        explicit Inner(IACFUnknown* o) : CACFUnknown(o) {}
    } aggregated(outer->GetPrivateUnknown());
    EXPECT_EQ(aggregated.GetControllingUnknown(), outer->GetPrivateUnknown());
    EXPECT_NE(aggregated.GetPrivateUnknown(), outer->GetPrivateUnknown());
    // Its references are the outer object's.
    aggregated.GetControllingUnknown()->AddRef();
    EXPECT_EQ(aggregated.GetControllingUnknown()->Release(), 0u);
    EXPECT_TRUE(outerDestroyed);
}

TEST(Strings, PluginStringAnswersThroughTheStringTable)
{
    using Length = uint32_t (*)(const void*);
    using Text = const char* (*)(const void*);
    using Set = void (*)(void*, const char*);
    AAX_CString text("8: Threshold");
    void* object = static_cast<AAX_IString*>(&text);
    EXPECT_EQ(acf::slot<Length>(object, 1)(object), 12u);
    EXPECT_EQ(acf::slot<Length>(object, 2)(object), 0xFFFFFFFEu);
    EXPECT_STREQ(acf::slot<Text>(object, 3)(object), "8: Threshold");
    acf::slot<Set>(object, 4)(object, nullptr);
    EXPECT_STREQ(text.Get(), "");

    // And the plug-in writes into the host's string through the same slots.
    aaxkit::HostString host("old");
    AAX_IString* hostString = &host;
    hostString->AssignString(AAX_CString("Master Bypass"));
    EXPECT_EQ(host.text, "Master Bypass");
    EXPECT_EQ(hostString->Length(), 13u);
    AAX_CString copy;
    copy.AssignString(*hostString);
    EXPECT_EQ(copy.StdString(), "Master Bypass");
}

TEST(Strings, NullTextSubstringAndEquality)
{
    EXPECT_EQ(AAX_CString(static_cast<const char*>(nullptr)).Length(), 0u);
    struct Case
    {
        uint32_t start, count;
        const char* expected;
    } cases[] = {{0, 4, "Mast"}, {7, 100, "Bypass"}, {13, 1, ""}, {50, 2, ""}};
    const AAX_CString name("Master Bypass");
    for (const Case& c : cases)
    {
        AAX_CString out("x");
        name.SubString(c.start, c.count, out);
        EXPECT_EQ(out.StdString(), c.expected) << c.start << "," << c.count;
    }
    EXPECT_TRUE(name == AAX_CString("Master Bypass"));
    EXPECT_FALSE(name == AAX_CString("Master"));
}

}  // namespace
