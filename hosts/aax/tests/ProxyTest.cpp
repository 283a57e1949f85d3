// The library's proxies of the host's services: what reaches the host's tables, and the fixed answers when the host
// lacks an interface.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "aax/library/AAX_VAutomationDelegate.h"
#include "aax/library/AAX_VCollection.h"
#include "aax/library/AAX_VController.h"
#include "aax/library/AAX_VHostServices.h"
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

namespace {

// Every operation the proxies only pass through: the host's slot of that number gets the words unchanged (a property
// map as its host interface), and its result comes back unchanged.
TEST(ProxyTables, PassThroughOperationsReachTheirHostSlotsUnchanged)
{
    aaxkit::DescriptionHost host;
    aaxkit::InstanceContext context;
    int words[6] = {};
    void* const a = &words[0];
    void* const b = &words[1];
    void* const c = &words[2];
    void* const d = &words[3];
    void* const e = &words[4];
    void* const f = &words[5];
    AAX_VCollection collection(host.unknown());
    auto* effect = static_cast<AAX_VEffectDescriptor*>(collection.NewEffectDescriptor());
    auto* component = static_cast<AAX_VComponentDescriptor*>(effect->NewComponentDescriptor());
    auto* properties = static_cast<AAX_VPropertyMap*>(component->NewPropertyMap());
    AAX_VHostServices services(host.unknown());
    AAX_VController controller(context.context());
    AAX_VTransport transport(context.context());
    AAX_VAutomationDelegate automation(context.context());
    AAX_VViewContainer views;
    ASSERT_EQ(hostref::query(context.viewContainer(), acf::kIidViewContainer, views.HostInterfaceSlot()), 0);
    void* const map = properties->HostInterface();
    auto object = [](void* hostInterface) { return static_cast<aaxkit::HostObject*>(hostInterface); };

    struct Case
    {
        const char* name;
        aaxkit::HostObject* target;
        int operation;
        std::function<AAX_Result()> call;
        std::vector<void*> words;
    };
    const Case cases[] = {
        {"collection 7", host.collections()[0], 11, [&] { return collection.HostOperation11(properties); }, {map}},
        {"effect 5", object(effect->HostInterface()), 6, [&] { return effect->HostOperation6(a); }, {a}},
        {"effect 8", object(effect->HostInterface()), 8, [&] { return effect->HostOperation8(properties); }, {map}},
        {"effect 10", object(effect->HostInterface()), 10, [&] { return effect->HostOperation10(a, b, properties); },
         {a, b, map}},
        {"effect 11", object(effect->HostInterface()), 11, [&] { return effect->HostOperation11(a, b, c, d); },
         {a, b, c, d}},
        {"component 1", object(component->HostInterface()), 3, [&] { return component->HostOperation3(a); }, {a}},
        {"component 5", object(component->HostInterface()), 8, [&] { return component->HostOperation8(b); }, {b}},
        {"component 6", object(component->HostInterface()), 9, [&] { return component->HostOperation9(c); }, {c}},
        {"component 7", object(component->HostInterface()), 10, [&] { return component->HostOperation10(d); }, {d}},
        {"component 9", object(component->HostInterface()), 12, [&] { return component->HostOperation12(e); }, {e}},
        {"component 11", object(component->HostInterface()), 19, [&] { return component->HostOperation19(f); }, {f}},
        {"component 12", object(component->HostInterface()), 14, [&] { return component->HostOperation14(a); }, {a}},
        {"component 13", object(component->HostInterface()), 18, [&] { return component->HostOperation18(b); }, {b}},
        {"component 14", object(component->HostInterface()), 15,
         [&] { return component->HostOperation15(a, b, c, d); }, {a, b, c, d}},
        {"component 15", object(component->HostInterface()), 4, [&] { return component->HostOperation4(c); }, {c}},
        {"component 19", object(component->HostInterface()), 17,
         [&] { return component->HostOperation17(a, b, properties, d, e, f); }, {a, b, map, d, e, f}},
        {"property map 3", object(map), 5, [&] { return properties->HostOperation5(a); }, {a}},
        {"property map 4", object(map), 6, [&] { return properties->HostOperation6(b); }, {b}},
        {"host services 1", host.hostServices().back(), 3, [&] { return services.HostOperation3(a); }, {a}},
        {"controller 1", &context.controller(), 3, [&] { return controller.HostOperation3(a); }, {a}},
        {"controller 5", &context.controller(), 7, [&] { return controller.HostOperation7(b); }, {b}},
        {"controller 6", &context.controller(), 8, [&] { return controller.HostOperation8(c); }, {c}},
        {"controller 7", &context.controller(), 9, [&] { return controller.HostOperation9(d); }, {d}},
        {"controller 9", &context.controller(), 11, [&] { return controller.HostOperation11(e); }, {e}},
        {"controller 11", &context.controller(), 20, [&] { return controller.HostOperation20(f); }, {f}},
        {"controller 12", &context.controller(), 13, [&] { return controller.HostOperation13(a); }, {a}},
        {"controller 13", &context.controller(), 14, [&] { return controller.HostOperation14(b); }, {b}},
        {"controller 14", &context.controller(), 15, [&] { return controller.HostOperation15(c); }, {c}},
        {"controller 15", &context.controller(), 18, [&] { return controller.HostOperation18(d); }, {d}},
        {"controller 16", &context.controller(), 16, [&] { return controller.HostOperation16(e); }, {e}},
        {"controller 17", &context.controller(), 17, [&] { return controller.HostOperation17(f); }, {f}},
        {"controller 18", &context.controller(), 19, [&] { return controller.HostOperation19(a); }, {a}},
        {"controller 19", &context.controller(), 21, [&] { return controller.HostOperation21(b); }, {b}},
        {"controller 21", &context.controller(), 23, [&] { return controller.HostOperation23(c); }, {c}},
        {"transport 7", &context.transport(), 9, [&] { return transport.HostOperation9(a); }, {a}},
        {"transport 8", &context.transport(), 10, [&] { return transport.HostOperation10(a, b, c, d, e); },
         {a, b, c, d, e}},
        {"transport 9", &context.transport(), 11, [&] { return transport.HostOperation11(c); }, {c}},
        {"transport 10", &context.transport(), 12, [&] { return transport.HostOperation12(d); }, {d}},
        {"transport 13", &context.transport(), 15, [&] { return transport.HostOperation15(e); }, {e}},
        {"transport 14", &context.transport(), 16, [&] { return transport.HostOperation16(f); }, {f}},
        {"automation 7", &context.automation(), 9, [&] { return automation.HostOperation9(a); }, {a}},
        {"view 3", &context.views(), 5, [&] { return views.HostOperation5(a); }, {a}},
        {"view 5", &context.views(), 7, [&] { return views.HostOperation7(b); }, {b}},
        {"view 6", &context.views(), 8, [&] { return views.HostOperation8(c); }, {c}},
        {"view 7", &context.views(), 9, [&] { return views.HostOperation9(d); }, {d}},
    };
    for (const Case& k : cases)
    {
        ASSERT_NE(k.target, nullptr) << k.name;
        k.target->passed.clear();
        EXPECT_EQ(k.call(), aaxkit::passedResult(k.operation)) << k.name;
        ASSERT_EQ(k.target->passed.size(), 1u) << k.name;
        EXPECT_EQ(k.target->passed[0].operation, k.operation) << k.name;
        EXPECT_EQ(k.target->passed[0].words, k.words) << k.name;
    }

    // Answers of another shape: a yes or no, and an interface pointer through the caller's out word.
    EXPECT_TRUE(properties->HostOperation7(a));
    ASSERT_FALSE(object(map)->passed.empty());
    EXPECT_EQ(object(map)->passed.back().operation, 7);
    void* answer = nullptr;
    EXPECT_EQ(controller.HostOperation22(&answer), aaxkit::passedResult(22));
    EXPECT_EQ(answer, &context.controller());
}

// Without the host's interfaces: -20004 for the primary one, -20009 for a second one, and the table's own answers
// (false; 0 or -20009 for the view container; a null pointer written through controller operation 20's word).
TEST(ProxyTables, PassThroughOperationsWithoutTheHostsInterfacesAnswerTheirFixedResults)
{
    int word = 0;
    void* const a = &word;
    AAX_VCollection nothing(nullptr);
    AAX_IEffectDescriptor* effect = nothing.NewEffectDescriptor();
    AAX_IComponentDescriptor* component = effect->NewComponentDescriptor();
    AAX_IPropertyMap* properties = component->NewPropertyMap();
    AAX_VHostServices services(nullptr);
    aaxkit::ContextOptions none;
    none.controller = none.controller2 = none.transport = none.transport2 = none.automation = false;
    aaxkit::InstanceContext empty(none);
    AAX_VController controller(empty.context());
    AAX_VTransport transport(empty.context());
    AAX_VAutomationDelegate automation(empty.context());
    AAX_VViewContainer views;

    const struct
    {
        const char* name;
        AAX_Result result;
        AAX_Result expected;
    } cases[] = {
        {"collection 7", nothing.HostOperation11(properties), -20004},
        {"effect 5", effect->HostOperation6(a), -20004},
        {"effect 8", effect->HostOperation8(properties), -20004},
        {"effect 10", effect->HostOperation10(a, a, properties), -20004},
        {"effect 11", effect->HostOperation11(a, a, a, a), -20009},
        {"component 1", component->HostOperation3(a), -20004},
        {"component 11", component->HostOperation19(a), -20009},
        {"component 14", component->HostOperation15(a, a, a, a), -20004},
        {"component 19", component->HostOperation17(a, a, properties, a, a, a), -20004},
        {"property map 3", properties->HostOperation5(a), -20004},
        {"property map 4", properties->HostOperation6(a), -20009},
        {"host services 1", services.HostOperation3(a), -20004},
        {"controller 1", controller.HostOperation3(a), -20004},
        {"controller 18", controller.HostOperation19(a), -20004},
        {"controller 11", controller.HostOperation20(a), -20009},
        {"controller 19", controller.HostOperation21(a), -20009},
        {"controller 21", controller.HostOperation23(a), -20009},
        {"transport 8", transport.HostOperation10(a, a, a, a, a), -20004},
        {"transport 13", transport.HostOperation15(a), -20009},
        {"transport 14", transport.HostOperation16(a), -20009},
        {"automation 7", automation.HostOperation9(a), -20004},
        {"view 3", views.HostOperation5(a), -20009},
        {"view 4", views.SetViewSize({1.0f, 1.0f}), 0},
        {"view 7", views.HostOperation9(a), -20009},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.result, c.expected) << c.name;
    EXPECT_FALSE(properties->HostOperation7(a));
    void* answer = &word;
    EXPECT_EQ(controller.HostOperation22(&answer), -20009);
    EXPECT_EQ(answer, nullptr);

    // A primary interface without its second one: the second's operations alone answer -20009.
    aaxkit::ContextOptions firstOnly;
    firstOnly.controller2 = false;
    aaxkit::InstanceContext context(firstOnly);
    AAX_VController half(context.context());
    EXPECT_EQ(half.HostOperation3(a), aaxkit::passedResult(3));
    answer = &word;
    EXPECT_EQ(half.HostOperation22(&answer), -20009);
    EXPECT_EQ(answer, nullptr);
    EXPECT_EQ(context.controller().passed.size(), 1u);
}

}  // namespace
