// The library's proxies of the host's services: what reaches the host's tables, and the fixed answers when the host
// lacks an interface.
#include <gtest/gtest.h>

#include "aax/library/AAX_VAutomationDelegate.h"
#include "aax/library/AAX_VCollection.h"
#include "aax/library/AAX_VController.h"
#include "aax/library/AAX_VTransport.h"
#include "aax/library/AAX_VViewContainer.h"
#include "aax/library/HostInterface.h"
#include "hosts/aax/DescriptionHost.h"
#include "hosts/aax/InstanceContext.h"

namespace {

void noRender(acf::RenderContext* const*, const void*) {}
void* noFactory() { return nullptr; }

TEST(DescriptionProxies, PassArgumentsAndReplaceProxiesByTheirHostInterfaces)
{
    aaxkit::DescriptionHost host;
    {
        AAX_VCollection collection(host.unknown());
        AAX_IEffectDescriptor* effect = collection.NewEffectDescriptor();
        AAX_IComponentDescriptor* component = effect->NewComponentDescriptor();
        AAX_IPropertyMap* properties = component->NewPropertyMap();
        EXPECT_EQ(properties->AddProperty(11, 0x516F7261), 0);
        EXPECT_EQ(component->AddAudioIn(0), 0);
        EXPECT_EQ(component->AddAudioOut(1), 0);
        EXPECT_EQ(component->AddAudioBufferLength(2), 0);
        EXPECT_EQ(component->AddDataInPort(3, 4, 1), 0);
        EXPECT_EQ(component->AddPrivateData(4, 8, 0), 0);
        EXPECT_EQ(component->AddProcessProc(&noRender, properties), 0);
        EXPECT_EQ(effect->AddComponent(component), 0);
        EXPECT_EQ(effect->AddName("Qor Kalvenor"), 0);
        EXPECT_EQ(effect->AddCategory(2), 0);
        EXPECT_EQ(effect->AddProcPtr(&noFactory, acf::kProcEffectGui), 0);
        EXPECT_EQ(effect->AddResourceInfo(1, "Qor Kalvenor.dpm.xml"), 0);
        EXPECT_EQ(collection.AddEffect("\"id\"", effect), 0);
        EXPECT_EQ(collection.SetManufacturerName("QorVelmont"), 0);
        EXPECT_EQ(collection.AddPackageName("Qor Kalvenor"), 0);
        EXPECT_EQ(collection.SetPackageVersion(0x10000), 0);

        const aaxkit::Collection& c = *host.collections().at(0);
        ASSERT_EQ(c.effects.size(), 1u);
        const aaxkit::EffectDescriptor& e = *c.effects[0].descriptor;
        EXPECT_EQ(c.manufacturer, "QorVelmont");
        EXPECT_EQ(c.packageNames, std::vector<std::string>{"Qor Kalvenor"});
        EXPECT_EQ(c.packageVersion, 0x10000u);
        EXPECT_EQ(e.names, std::vector<std::string>{"Qor Kalvenor"});
        EXPECT_EQ(e.categories, std::vector<uint32_t>{2});
        EXPECT_EQ(e.factory(acf::kProcEffectGui), &noFactory);
        ASSERT_EQ(e.resources.size(), 1u);
        EXPECT_EQ(e.resources[0].second, "Qor Kalvenor.dpm.xml");
        ASSERT_EQ(e.components.size(), 1u);
        const aaxkit::ComponentDescriptor& d = *e.components[0];
        ASSERT_EQ(d.fields.size(), 5u);
        EXPECT_EQ(d.fields[3].kind, "data-in");
        EXPECT_EQ(d.fields[3].size, 4);
        EXPECT_EQ(d.fields[3].option, 1);
        EXPECT_EQ(d.fields[4].kind, "private-data");
        EXPECT_EQ(d.fields[4].size, 8);
        ASSERT_EQ(d.processes.size(), 1u);
        EXPECT_EQ(d.processes[0].callback, &noRender);
        ASSERT_NE(d.processes[0].properties, nullptr);
        int32_t manufacturer = 0;
        EXPECT_TRUE(d.processes[0].properties->get(11, &manufacturer));
        EXPECT_EQ(manufacturer, 0x516F7261);
    }
    // Destroying the collection destroyed its descriptors and maps, and every host reference went back.
    EXPECT_EQ(host.referencesHeld(), 0);
}

TEST(DescriptionProxies, NullHostUnknownAnswersMissingEverywhereAndStillMakesProxies)
{
    AAX_VCollection collection(nullptr);
    AAX_IEffectDescriptor* effect = collection.NewEffectDescriptor();
    ASSERT_NE(effect, nullptr);
    AAX_IComponentDescriptor* component = effect->NewComponentDescriptor();
    ASSERT_NE(component, nullptr);
    AAX_IPropertyMap* properties = collection.NewPropertyMap();
    ASSERT_NE(properties, nullptr);

    EXPECT_EQ(collection.AddEffect("id", effect), -20004);
    EXPECT_EQ(collection.SetManufacturerName("m"), -20004);
    EXPECT_EQ(collection.AddPackageName("p"), -20004);
    EXPECT_EQ(collection.SetPackageVersion(1), -20004);
    EXPECT_EQ(effect->AddName("n"), -20004);
    EXPECT_EQ(effect->AddCategory(2), -20004);
    EXPECT_EQ(effect->AddProcPtr(&noFactory, 0), -20004);
    EXPECT_EQ(effect->AddResourceInfo(1, "f"), -20004);
    EXPECT_EQ(effect->AddComponent(component), -20004);
    EXPECT_EQ(component->AddAudioIn(0), -20004);
    EXPECT_EQ(component->AddDataInPort(3, 4, 1), -20004);
    EXPECT_EQ(component->AddPrivateData(4, 8, 0), -20004);
    EXPECT_EQ(component->AddProcessProc(&noRender, properties), -20004);
    EXPECT_EQ(properties->AddProperty(11, 1), -20004);
    int32_t value = 7;
    EXPECT_FALSE(properties->GetProperty(11, &value));
    EXPECT_EQ(value, 7);
    void* definition = &value;
    EXPECT_EQ(collection.GetPluginDefinition(&definition), -20004);
}

TEST(DescriptionProxies, AddEffectWithoutDescriptorAnswersMissingWithoutCallingTheHost)
{
    aaxkit::DescriptionHost host;
    AAX_VCollection collection(host.unknown());
    host.log().clear();
    EXPECT_EQ(collection.AddEffect("\"id\"", nullptr), -20004);
    EXPECT_EQ(host.log().count("collection."), 0u);
}

TEST(DescriptionProxies, DuplicatePropertyMapCopiesNumbersTenToThreeHundredFiftyOne)
{
    aaxkit::DescriptionHost host;
    AAX_VCollection collection(host.unknown());
    AAX_IComponentDescriptor* component = collection.NewEffectDescriptor()->NewComponentDescriptor();
    AAX_IPropertyMap* original = component->NewPropertyMap();
    const std::pair<uint32_t, int32_t> held[] = {{9, 1}, {10, 2}, {60, 3}, {351, 4}, {352, 5}};
    for (const auto& property : held)
        original->AddProperty(property.first, property.second);
    AAX_IPropertyMap* copy = component->DuplicatePropertyMap(original);
    ASSERT_NE(copy, original);
    struct Case
    {
        uint32_t number;
        bool copied;
        int32_t value;
    } cases[] = {{9, false, 0}, {10, true, 2}, {60, true, 3}, {351, true, 4}, {352, false, 0}};
    for (const Case& c : cases)
    {
        int32_t value = 0;
        EXPECT_EQ(copy->GetProperty(c.number, &value), c.copied) << c.number;
        EXPECT_EQ(value, c.value) << c.number;
    }
}

TEST(DescriptionProxies, MissingSecondInterfacesLeaveThePrimaryWorking)
{
    aaxkit::DescriptionOptions options;
    options.secondInterfaces = false;
    aaxkit::DescriptionHost host(options);
    {
        AAX_VCollection collection(host.unknown());
        AAX_IPropertyMap* properties = collection.NewPropertyMap();
        EXPECT_EQ(properties->AddProperty(12, 5), 0);
        EXPECT_EQ(host.log().count("properties.query"), 1u);  // the second identifier, refused
    }
    EXPECT_EQ(host.referencesHeld(), 0);
}

TEST(InstanceProxies, ForwardToTheContextsInterfaces)
{
    aaxkit::InstanceContext context;
    context.controller().sampleRate = 48000.0f;
    context.controller().inputStem = 0x00000001;
    context.transport().tempo = 97.5;
    context.transport().frameRateCode = 7;
    context.transport().frameOffset = 23976;
    {
        AAX_VController controller(context.context());
        float rate = 0;
        uint32_t in = 0, out = 0;
        EXPECT_EQ(controller.QuerySampleRate(&rate), 0);
        EXPECT_EQ(rate, 48000.0f);
        EXPECT_EQ(controller.QueryInputStem(&in), 0);
        EXPECT_EQ(controller.QueryOutputStem(&out), 0);
        EXPECT_EQ(in, 0x00000001u);
        EXPECT_EQ(out, 0x00010002u);
        EXPECT_EQ(controller.ReportLatency(12), 0);
        const uint8_t bytes[4] = {1, 0, 0, 0};
        EXPECT_EQ(controller.PostPacket(3, bytes, 4), 0);
        ASSERT_EQ(context.controller().packets.size(), 1u);
        EXPECT_EQ(context.controller().packets[0].bytes, std::vector<uint8_t>(bytes, bytes + 4));
        EXPECT_EQ(context.controller().latencies, std::vector<int32_t>{12});

        AAX_VTransport transport(context.context());
        double tempo = 0;
        int32_t code = 0;
        int64_t offset = 0;
        bool playing = true;
        EXPECT_EQ(transport.QueryTempo(&tempo), 0);
        EXPECT_EQ(tempo, 97.5);
        EXPECT_EQ(transport.QueryPlaying(&playing), 0);
        EXPECT_FALSE(playing);
        EXPECT_EQ(transport.QueryFrameRate(&code, &offset), 0);
        EXPECT_EQ(code, 7);
        EXPECT_EQ(offset, 23976);

        AAX_VAutomationDelegate automation(context.context());
        EXPECT_EQ(automation.RegisterParameter("8"), 0);
        EXPECT_EQ(automation.PostTouchRequest("8"), 0);
        EXPECT_EQ(automation.PostSetValueRequest("8", 0.25), 0);
        EXPECT_EQ(automation.PostReleaseRequest("8"), 0);
        EXPECT_EQ(automation.PostCurrentValue("8", 0.25), 0);
        EXPECT_EQ(automation.UnregisterParameter("8"), 0);
        const char* kinds[] = {"register", "touch", "post", "release", "current", "unregister"};
        ASSERT_EQ(context.automation().events.size(), 6u);
        for (size_t i = 0; i < 6; ++i)
        {
            EXPECT_EQ(context.automation().events[i].kind, kinds[i]);
            EXPECT_EQ(context.automation().events[i].id, "8");
        }
        EXPECT_EQ(context.automation().events[2].value, 0.25);
    }
    EXPECT_EQ(context.referencesHeld(), 0);
}

TEST(InstanceProxies, MissingInterfacesAnswerTheirFixedCodes)
{
    aaxkit::ContextOptions options;
    options.controller = false;
    options.transport = false;
    options.transport2 = false;
    options.automation = false;
    aaxkit::InstanceContext context(options);
    AAX_VController controller(context.context());
    float rate = 1;
    uint32_t stem = 0;
    EXPECT_EQ(controller.QuerySampleRate(&rate), -20004);
    EXPECT_EQ(controller.QueryInputStem(&stem), -20004);
    EXPECT_EQ(controller.QueryOutputStem(&stem), -20004);
    EXPECT_EQ(controller.ReportLatency(1), -20004);
    EXPECT_EQ(controller.PostPacket(3, &stem, 4), -20004);

    AAX_VTransport transport(context.context());
    double tempo = 0;
    int32_t a = 0, b = 0;
    bool flag = false;
    int64_t x = 0, y = 0;
    EXPECT_EQ(transport.QueryTempo(&tempo), -20004);
    EXPECT_EQ(transport.QueryMeter(&a, &b), -20004);
    EXPECT_EQ(transport.QueryPlaying(&flag), -20004);
    EXPECT_EQ(transport.QueryTickPosition(&x), -20004);
    EXPECT_EQ(transport.QueryLoop(&flag, &x, &y), -20004);
    EXPECT_EQ(transport.QuerySamplePosition(&x), -20004);
    EXPECT_EQ(transport.QuerySelectionStart(&x), -20009);
    EXPECT_EQ(transport.QueryFrameRate(&a, &x), -20009);

    AAX_VAutomationDelegate automation(context.context());
    EXPECT_EQ(automation.RegisterParameter("0"), -20004);
    EXPECT_EQ(automation.PostTouchRequest("0"), -20004);
    EXPECT_EQ(automation.PostSetValueRequest("0", 1.0), -20004);
    EXPECT_EQ(automation.PostReleaseRequest("0"), -20004);
    EXPECT_EQ(automation.PostCurrentValue("0", 1.0), -20004);
    EXPECT_EQ(automation.UnregisterParameter("0"), -20004);

    AAX_VViewContainer views;
    EXPECT_EQ(views.GetType(), 0);
    EXPECT_EQ(views.GetPtr(), nullptr);
    EXPECT_EQ(views.SetViewSize({300.0f, 400.0f}), 0);
}

TEST(InstanceProxies, TransportWithoutSecondInterfaceAnswersNotSupportedForItsOperations)
{
    aaxkit::ContextOptions options;
    options.transport2 = false;
    aaxkit::InstanceContext context(options);
    AAX_VTransport transport(context.context());
    int64_t sample = 0;
    int32_t code = 0;
    double tempo = 0;
    EXPECT_EQ(transport.QueryTempo(&tempo), 0);
    EXPECT_EQ(transport.QuerySelectionStart(&sample), -20009);
    EXPECT_EQ(transport.QueryFrameRate(&code, &sample), -20009);
}

TEST(InstanceProxies, ViewContainerFilledByItsCreatorIsReleasedWithTheProxy)
{
    aaxkit::InstanceContext context;
    int window = 0;
    context.views().view = &window;
    {
        AAX_VViewContainer views;
        ASSERT_EQ(hostref::query(context.viewContainer(), acf::kIidViewContainer, views.HostInterfaceSlot()), 0);
        EXPECT_EQ(views.GetType(), acf::kViewNativeWindow);
        EXPECT_EQ(views.GetPtr(), &window);
        EXPECT_EQ(views.SetViewSize({240.0f, 320.0f}), 0);
        ASSERT_EQ(context.views().sizes.size(), 1u);
        EXPECT_EQ(context.views().sizes[0].vertical, 240.0f);
        EXPECT_EQ(context.views().sizes[0].horizontal, 320.0f);
    }
    EXPECT_EQ(context.referencesHeld(), 0);
}

}  // namespace
