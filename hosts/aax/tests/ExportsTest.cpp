// The seven exports, driven through the kit's host unknown (the library linked in; the plug-in file's own exports
// are the same code and have their end-to-end tests).
#include <gtest/gtest.h>

#include <stdexcept>

#include "aax/library/ACFExports.h"
#include "aax/library/AAX_VHostServices.h"
#include "aax/library/CACFUnknown.h"
#include "hosts/aax/DescriptionHost.h"

namespace {

enum class Describe
{
    Succeed,
    Fail,
    Throw,
};
Describe gDescribe = Describe::Succeed;

}  // namespace

AAX_Result DescribeEffects(AAX_ICollection* collection)
{
    switch (gDescribe)
    {
    case Describe::Fail:
        return -20004;
    case Describe::Throw:
        throw std::runtime_error("describe");
    case Describe::Succeed:
        break;
    }
    AAX_IEffectDescriptor* effect = collection->NewEffectDescriptor();
    effect->AddName("Sample");
    return collection->AddEffect("\"com.example.sample\"", effect);
}

namespace {

struct RegisterCase
{
    const char* name;
    Describe describe;
    aaxkit::DescriptionOptions options;
    acf::Result expected;
    bool definitionGiven;
};

TEST(Exports, RegisterPluginCases)
{
    aaxkit::DescriptionOptions noDefinition;
    noDefinition.pluginDefinition = false;
    aaxkit::DescriptionOptions nullFactory;
    nullFactory.factoryWithoutPointer = true;
    const RegisterCase cases[] = {
        {"described", Describe::Succeed, {}, 0, true},
        {"no plug-in definition", Describe::Succeed, noDefinition, -20004, false},
        {"description fails", Describe::Fail, {}, -20004, false},
        {"description throws", Describe::Throw, {}, acf::kUnexpected, false},
        {"factory query without factory", Describe::Succeed, nullFactory, acf::kUnexpected, false},
    };
    for (const RegisterCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        gDescribe = c.describe;
        aaxkit::DescriptionHost host(c.options);
        void* definition = nullptr;
        EXPECT_EQ(ACFRegisterPlugin(host.unknown(), &definition), c.expected);
        EXPECT_EQ(definition != nullptr, c.definitionGiven);
        if (definition != nullptr)
        {
            EXPECT_EQ(definition, &host.pluginDefinition());
            acf::tableOf<acf::UnknownTable>(definition).release(definition);
        }
        // The collection proxy and everything it made are gone: every reference given back, and the objects the
        // factory made hold only the one each was created with... which the proxies released.
        EXPECT_EQ(host.referencesHeld(), 0);
    }
    gDescribe = Describe::Succeed;
}

TEST(Exports, RegisterPluginDescribesThroughTheCollection)
{
    aaxkit::DescriptionHost host;
    void* definition = nullptr;
    ASSERT_EQ(ACFRegisterPlugin(host.unknown(), &definition), 0);
    ASSERT_EQ(host.collections().size(), 1u);
    const aaxkit::Collection& collection = *host.collections()[0];
    ASSERT_EQ(collection.effects.size(), 1u);
    EXPECT_EQ(collection.effects[0].bundleIdentifier, "\"com.example.sample\"");
    ASSERT_NE(collection.effects[0].descriptor, nullptr);
    EXPECT_EQ(collection.effects[0].descriptor->names, std::vector<std::string>{"Sample"});
    acf::tableOf<acf::UnknownTable>(definition).release(definition);
}

TEST(Exports, FixedAnswers)
{
    aaxkit::DescriptionHost host;
    void* out = &host;
    EXPECT_EQ(ACFGetClassFactory(host.unknown(), &acf::kClsCollection, &acf::kIidCollection, &out), -20009);
    EXPECT_EQ(out, nullptr);
    out = &host;
    EXPECT_EQ(ACFRegisterComponent(host.unknown(), 0, &out), 0);
    EXPECT_EQ(out, nullptr);
    uint64_t version = 0;
    EXPECT_EQ(ACFGetSDKVersion(&version), 0);
    EXPECT_EQ(version, 0x00000201007756BFull);
}

// A plug-in object as a factory makes it.
class Counted final : public CACFUnknown
{
};

TEST(Exports, CanUnloadNowOnlyOnceTheHostReleasedEverything)
{
    aaxkit::DescriptionHost host;
    ASSERT_EQ(ACFStartup(host.unknown()), 0);
    void* definition = nullptr;
    ASSERT_EQ(ACFRegisterPlugin(host.unknown(), &definition), 0);
    acf::tableOf<acf::UnknownTable>(definition).release(definition);

    // The host holds a plug-in object: the file must stay.
    void* object = (new Counted())->GetPrivateUnknown();
    acf::tableOf<acf::UnknownTable>(object).addReference(object);
    EXPECT_NE(ACFCanUnloadNow(host.unknown()), 0);
    acf::tableOf<acf::UnknownTable>(object).release(object);

    ASSERT_EQ(ACFShutdown(host.unknown()), 0);
    EXPECT_EQ(ACFCanUnloadNow(host.unknown()), 0);
    EXPECT_EQ(host.referencesHeld(), 0);
}

TEST(Exports, StartupMakesOneHostServicesProxyAndShutdownDeletesIt)
{
    aaxkit::DescriptionHost host;
    EXPECT_EQ(ACFShutdown(host.unknown()), 0);  // none yet: nothing to do
    EXPECT_EQ(ACFStartup(host.unknown()), 0);
    EXPECT_EQ(ACFStartup(host.unknown()), 0);
    EXPECT_EQ(host.hostServices().size(), 1u);
    ASSERT_NE(AAX_VHostServices::Global(), nullptr);

    EXPECT_EQ(AAX_Log(kAAXLogError, "AAX_CChunkDataParser::GetChunkData ERROR: %s", "overflow"), 0);
    ASSERT_EQ(host.hostServices()[0]->logLines.size(), 1u);
    EXPECT_EQ(host.hostServices()[0]->logLines[0].first, 0x08000000);
    EXPECT_EQ(host.hostServices()[0]->logLines[0].second, "AAX_CChunkDataParser::GetChunkData ERROR: overflow");

    EXPECT_EQ(ACFShutdown(host.unknown()), 0);
    EXPECT_EQ(AAX_VHostServices::Global(), nullptr);
    EXPECT_EQ(host.referencesHeld(), 0);
    // Without host services the log sends nothing and succeeds.
    EXPECT_EQ(AAX_Log(kAAXLogError, "%s", "dropped"), 0);
    EXPECT_EQ(host.hostServices()[0]->logLines.size(), 1u);
}

TEST(Exports, LogTextIsCutToItsBuffer)
{
    aaxkit::DescriptionHost host;
    ASSERT_EQ(ACFStartup(host.unknown()), 0);
    const std::string longText(2000, 'x');
    AAX_Log(1, "%s", longText.c_str());
    ASSERT_EQ(host.hostServices()[0]->logLines.size(), 1u);
    EXPECT_EQ(host.hostServices()[0]->logLines[0].second.size(), 511u);
    ACFShutdown(host.unknown());
}

TEST(Exports, StartupWithoutFactoryKeepsAProxyThatAnswersMissing)
{
    aaxkit::DescriptionOptions options;
    options.factory = false;
    aaxkit::DescriptionHost host(options);
    EXPECT_EQ(ACFStartup(host.unknown()), 0);
    ASSERT_NE(AAX_VHostServices::Global(), nullptr);
    EXPECT_EQ(AAX_VHostServices::Global()->Log(1, "x"), -20004);
    EXPECT_EQ(ACFShutdown(host.unknown()), 0);
}

}  // namespace
