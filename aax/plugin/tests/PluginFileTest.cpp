// The plug-in file end to end, as an AAX host drives it through the kit: exports, description, instances in each
// channel configuration, parameters, audio, bypass, saved state, and the live-object count.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "aax/library/AAX_IEffectGUI.h"
#include "aax/library/AAX_Types.h"
#include "effect/vst2/EffectRecord.h"
#include "effect/vst2/Opcodes.h"
#include "hosts/aax/Instance.h"
#include "hosts/aax/PluginSession.h"
#include "platform/Library.h"

namespace {

using aaxkit::Instance;
using aaxkit::PluginSession;

// The effect library stays loaded for the whole run (as in a host with more instances), so the leak checker does
// not lose sight of the effect's process-wide caches when the last instance unloads it.
void keepEffectLoaded()
{
    static platform::Library kept;
    if (!kept.isOpen())
        kept.open(std::string(QOR_AAXPLUGIN_DIR) + "/" + platform::Library::fileName("Qor Kalvenor"));
}

// One session for the whole program: a host registers a plug-in file once.
PluginSession& session()
{
    static PluginSession* s = [] {
        auto* opened = new PluginSession();
        if (!opened->open(QOR_AAXPLUGIN_PATH))
            ADD_FAILURE() << opened->error();
        keepEffectLoaded();
        // One instance lives for the whole run, as in a host session: the plug-in's JUCE GUI support then stays
        // up, and the system libraries it loaded stay with it (their allocations are not lost to the leak checker).
        static Instance* resident = new Instance(*opened, 2);
        (void)resident;
        return opened;
    }();
    return *s;
}

std::vector<std::vector<float>> signal(int channels, int frames, float phase)
{
    std::vector<std::vector<float>> result(static_cast<size_t>(channels), std::vector<float>(static_cast<size_t>(frames)));
    for (int c = 0; c < channels; ++c)
        for (int i = 0; i < frames; ++i)
            result[static_cast<size_t>(c)][static_cast<size_t>(i)] =
                0.8f * std::sin(phase + 0.013f * static_cast<float>(i) * static_cast<float>(c + 1));
    return result;
}

TEST(PluginFile, StartsAndTellsItsVersion)
{
    PluginSession& s = session();
    uint64_t version = 0;
    EXPECT_EQ(s.file().getSdkVersion(&version), 0);
    EXPECT_EQ(version, 0x00000201007756BFull);
}

TEST(PluginFile, DescriptionOfTheEffect)
{
    PluginSession& s = session();
    ASSERT_EQ(s.host().collections().size(), 1u);
    const aaxkit::Collection& collection = *s.host().collections()[0];
    EXPECT_EQ(collection.manufacturer, "QorVelmont");
    EXPECT_EQ(collection.packageNames, (std::vector<std::string>{"Qor Kalvenor", "Qor Kalvenor"}));
    EXPECT_EQ(collection.packageVersion, 0x10000u);
    ASSERT_EQ(collection.effects.size(), 1u);
    EXPECT_EQ(collection.effects[0].bundleIdentifier.front(), '"');
    EXPECT_EQ(collection.effects[0].bundleIdentifier.back(), '"');

    const aaxkit::EffectDescriptor& effect = *s.effect();
    EXPECT_EQ(effect.names, (std::vector<std::string>{"Qor Kalvenor", "Qor Kalvenor"}));
    EXPECT_EQ(effect.categories, std::vector<uint32_t>{2});
    ASSERT_EQ(effect.resources.size(), 1u);
    EXPECT_EQ(effect.resources[0], (std::pair<uint32_t, std::string>{1, "Qor Kalvenor.dpm.xml"}));
    EXPECT_NE(effect.factory(acf::kProcEffectParameters), nullptr);
    EXPECT_NE(effect.factory(acf::kProcEffectGui), nullptr);

    struct Configuration
    {
        int32_t inputStem, outputStem;
        const char* native;
        const char* audioSuite;
    } expected[] = {{1, 1, "Kvmm", "Kvam"}, {1, 0x00010002, "Kvms", "Kvam"}, {0x00010002, 0x00010002, "Kvss", "Kvas"}};
    ASSERT_EQ(effect.components.size(), 3u);
    for (size_t i = 0; i < 3; ++i)
    {
        SCOPED_TRACE(i);
        const aaxkit::ComponentDescriptor& component = *effect.components[i];
        ASSERT_EQ(component.fields.size(), 5u);
        EXPECT_EQ(component.fields[0].kind, "audio-in");
        EXPECT_EQ(component.fields[1].kind, "audio-out");
        EXPECT_EQ(component.fields[2].kind, "buffer-length");
        EXPECT_EQ(component.fields[3].kind, "data-in");
        EXPECT_EQ(component.fields[3].index, 3);
        EXPECT_EQ(component.fields[3].size, 4);
        EXPECT_EQ(component.fields[3].option, 1);
        EXPECT_EQ(component.fields[4].kind, "private-data");
        EXPECT_EQ(component.fields[4].size, 8);
        ASSERT_EQ(component.processes.size(), 1u);
        const aaxkit::PropertyMap& map = *component.processes[0].properties;
        const std::vector<std::pair<uint32_t, int32_t>> properties = {
            {11, static_cast<int32_t>(AAX_FourCC('Q', 'o', 'r', 'a'))},
            {12, static_cast<int32_t>(AAX_FourCC('Q', 'K', 'v', 'p'))},
            {60, 1},
            {51, expected[i].inputStem},
            {52, expected[i].outputStem},
            {13, static_cast<int32_t>(AAX_FourCC(expected[i].native[0], expected[i].native[1], expected[i].native[2],
                                                 expected[i].native[3]))},
            {14, static_cast<int32_t>(AAX_FourCC(expected[i].audioSuite[0], expected[i].audioSuite[1],
                                                 expected[i].audioSuite[2], expected[i].audioSuite[3]))},
            {304, 1},
        };
        EXPECT_EQ(map.properties, properties);
    }
}

TEST(PluginFile, InstanceShowsTheBypassAndTheEffectsSixteenParameters)
{
    Instance instance(session(), 2);
    ASSERT_TRUE(instance.ok()) << instance.error();
    const std::vector<Instance::ParameterLine> lines = instance.describeParameters();
    ASSERT_EQ(lines.size(), 17u);
    EXPECT_EQ(lines[0].id, "MasterBypassID");
    EXPECT_EQ(lines[0].title, "Master Bypass");
    EXPECT_EQ(lines[0].steps, 2);
    EXPECT_EQ(lines[0].text, "bypass");
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(lines[static_cast<size_t>(i) + 1].id, std::to_string(i));
    EXPECT_EQ(lines[9].title, "8: Threshold");
    EXPECT_EQ(lines[9].steps, 100);
    EXPECT_EQ(lines[1].title, "0: Power");
    EXPECT_EQ(lines[1].steps, 2);
    EXPECT_EQ(lines[4].steps, 100);  // a placeholder shows one text throughout: not two-state

    // Identifiers that name no parameter of the effect reach nothing.
    for (const char* id : {"16", "abc", "-1", "8x", ""})
    {
        AAX_CParamValue value = 0.5;
        EXPECT_EQ(instance.parameters().SetParameterNormalised(id, 0.5), AAX_ERROR_INVALID_PARAMETER_ID) << id;
        EXPECT_EQ(instance.parameters().GetParameterNormalised(id, &value), AAX_ERROR_INVALID_PARAMETER_ID) << id;
    }
}

TEST(PluginFile, HostAutomationReachesTheEffect)
{
    Instance instance(session(), 2);
    ASSERT_TRUE(instance.ok());
    EXPECT_EQ(instance.parameters().SetParameterNormalised("8", 0.25), 0);
    AAX_CParamValue value = 0;
    EXPECT_EQ(instance.parameters().GetParameterNormalised("8", &value), 0);
    EXPECT_EQ(value, 0.25);
    // The host heard of it as a touch, a posted value and a release.
    bool posted = false;
    for (const auto& event : instance.context().automation().events)
        posted = posted || (event.kind == "post" && event.id == "8" && event.value == 0.25);
    EXPECT_TRUE(posted);
}

// The effect driven directly, as the plug-in drives it: same requests, same rows.
class DirectEffect
{
public:
    DirectEffect()
    {
        const std::string path = std::string(QOR_AAXPLUGIN_DIR) + "/" + platform::Library::fileName("Qor Kalvenor");
        EXPECT_TRUE(library_.open(path)) << library_.error();
        auto entry = reinterpret_cast<EffectRecord* (*)(HostCallback)>(library_.symbol("main"));
        effect_ = entry(&host);
        dispatch(effMainsChanged, 0, 0);
        effect_->dispatcher(effect_, effSetSampleRate, 0, 0, nullptr, 44100.0f);
        dispatch(effSetBlockSize, 1024, 1024);
        dispatch(effMainsChanged, 1, 1);
    }
    ~DirectEffect() { effect_->dispatcher(effect_, effClose, 0, 0, nullptr, 0.0f); }

    void process(float** inputs, float** outputs, int frames) { effect_->processReplacing(effect_, inputs, outputs, frames); }
    int32_t initialDelay() const { return effect_->initialDelay; }

private:
    static intptr_t host(EffectRecord*, int32_t opcode, int32_t, intptr_t, void*, float) { return opcode == 1 ? 2 : 0; }
    void dispatch(int32_t opcode, int32_t index, intptr_t value)
    {
        effect_->dispatcher(effect_, opcode, index, value, nullptr, 0.0f);
    }
    platform::Library library_;
    EffectRecord* effect_ = nullptr;
};

TEST(PluginFile, RenderEqualsTheEffectDrivenDirectlyInEveryConfiguration)
{
    constexpr int kFrames = 512;
    for (int configuration = 0; configuration < 3; ++configuration)
    {
        SCOPED_TRACE(configuration);
        Instance instance(session(), configuration);
        ASSERT_TRUE(instance.ok());
        DirectEffect direct;
        for (int block = 0; block < 4; ++block)
        {
            const auto in = signal(instance.inputs(), kFrames, static_cast<float>(block));
            std::vector<std::vector<float>> out(static_cast<size_t>(instance.outputs()),
                                                std::vector<float>(kFrames, 99.0f));
            instance.render(in, out);

            // The plug-in's rows: left; right, a copy of left (mono in, stereo out) or left; left twice; outputs 0
            // and 1, or 0 twice.
            std::vector<std::vector<float>> expected(static_cast<size_t>(instance.outputs()));
            for (int c = 0; c < instance.outputs(); ++c)
                expected[static_cast<size_t>(c)] = c < instance.inputs() ? in[static_cast<size_t>(c)]
                                                                         : std::vector<float>(kFrames, 0.0f);
            float* left = expected[0].data();
            float* right = instance.outputs() > 1 ? expected[1].data() : left;
            std::vector<float> copy(in[0]);
            float* second = instance.inputs() > 1 ? right : instance.outputs() > 1 ? copy.data() : left;
            float* inputs[4] = {left, second, left, left};
            float* outputs[2] = {left, right};
            direct.process(inputs, outputs, kFrames);
            for (int c = 0; c < instance.outputs(); ++c)
                for (int i = 0; i < kFrames; ++i)
                    ASSERT_EQ(out[static_cast<size_t>(c)][static_cast<size_t>(i)],
                              expected[static_cast<size_t>(c)][static_cast<size_t>(i)])
                        << "channel " << c << " frame " << i << " block " << block;
        }
    }
}

TEST(PluginFile, MonoInStereoOutGivesBothOutputsTheSameCompressedSignal)
{
    Instance instance(session(), 1);
    ASSERT_TRUE(instance.ok());
    ASSERT_EQ(instance.parameters().SetParameterNormalised("8", 0.1), 0);  // a low threshold: surely compressing
    const auto in = signal(1, 2048, 0.25f);
    std::vector<std::vector<float>> out(2, std::vector<float>(2048, 99.0f));
    instance.render(in, out);
    EXPECT_EQ(out[0], out[1]);
    EXPECT_NE(out[0], in[0]);
}

TEST(PluginFile, BypassPassesTheInputToEveryOutput)
{
    for (int configuration = 0; configuration < 3; ++configuration)
    {
        SCOPED_TRACE(configuration);
        Instance instance(session(), configuration);
        ASSERT_TRUE(instance.ok());
        ASSERT_EQ(instance.parameters().SetParameterNormalised("MasterBypassID", 1.0), 0);
        const auto in = signal(instance.inputs(), 256, 0.5f);
        std::vector<std::vector<float>> out(static_cast<size_t>(instance.outputs()), std::vector<float>(256, 99.0f));
        instance.render(in, out);
        for (int c = 0; c < instance.outputs(); ++c)
            EXPECT_EQ(out[static_cast<size_t>(c)], in[static_cast<size_t>(c < instance.inputs() ? c : 0)]) << c;
    }
}

TEST(PluginFile, SavedStatesRestoreIntoASecondInstance)
{
    Instance first(session(), 2);
    ASSERT_TRUE(first.ok());
    first.parameters().SetParameterNormalised("8", 0.3);
    first.parameters().SetParameterNormalised("10", 0.6);
    std::vector<uint8_t> all, controls;
    ASSERT_EQ(first.saveChunk(AAX_FourCC('A', 'l', 'l', ' '), all), 0);
    ASSERT_EQ(first.saveChunk(AAX_FourCC('e', 'l', 'c', 'k'), controls), 0);
    ASSERT_GE(all.size(), 8u);
    EXPECT_EQ(std::vector<uint8_t>(all.end() - 8, all.end()), (std::vector<uint8_t>{0, 0, 0x30, 0, 0, 0, 0x30, 0}));

    for (AAX_CTypeID chunk : {AAX_FourCC('A', 'l', 'l', ' '), AAX_FourCC('e', 'l', 'c', 'k')})
    {
        Instance second(session(), 2);
        ASSERT_TRUE(second.ok());
        ASSERT_EQ(second.loadChunk(chunk, chunk == AAX_FourCC('e', 'l', 'c', 'k') ? controls : all), 0);
        AAX_CParamValue threshold = 0, makeup = 0;
        second.parameters().GetParameterNormalised("8", &threshold);
        second.parameters().GetParameterNormalised("10", &makeup);
        EXPECT_FLOAT_EQ(static_cast<float>(threshold), 0.3f);
        EXPECT_FLOAT_EQ(static_cast<float>(makeup), 0.6f);
    }
}

TEST(PluginFile, AllChunkTheEffectDoesNotTakeIsReportedAndChangesNothing)
{
    Instance instance(session(), 2);
    ASSERT_TRUE(instance.ok());
    std::vector<uint8_t> saved;
    ASSERT_EQ(instance.saveChunk(AAX_FourCC('A', 'l', 'l', ' '), saved), 0);
    ASSERT_EQ(instance.parameters().SetParameterNormalised("8", 0.42), 0);

    std::vector<uint8_t> noise(300);
    for (size_t i = 0; i < noise.size(); ++i)
        noise[i] = static_cast<uint8_t>(i * 37 + 11);
    const std::string text = "threshold = 0.3\nmakeup = 0.6\n";
    std::vector<uint8_t> foreignChunk(saved);  // the chunk form's trailer around bytes the effect refuses
    std::fill(foreignChunk.begin(), foreignChunk.end() - 8, 0x5A);
    const struct
    {
        const char* name;
        std::vector<uint8_t> bytes;
    } cases[] = {
        {"empty", {}},
        {"random bytes", noise},
        {"text", std::vector<uint8_t>(text.begin(), text.end())},
        {"shorter than a trailer and a word", std::vector<uint8_t>(saved.end() - 11, saved.end())},
        {"chunk the effect refuses", foreignChunk},
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(instance.loadChunk(AAX_FourCC('A', 'l', 'l', ' '), c.bytes), AAX_ERROR_INCORRECT_CHUNK_SIZE)
            << c.name;
        AAX_CParamValue threshold = 0;
        instance.parameters().GetParameterNormalised("8", &threshold);
        EXPECT_FLOAT_EQ(static_cast<float>(threshold), 0.42f) << c.name;
    }
    EXPECT_EQ(instance.loadChunk(AAX_FourCC('A', 'l', 'l', ' '), saved), 0);
}

TEST(PluginFile, AllChunkWrittenWithoutASizeQueryIsRefused)
{
    Instance instance(session(), 2);
    ASSERT_TRUE(instance.ok());
    std::vector<uint8_t> record(56 + 16);
    auto* chunk = reinterpret_cast<AAX_HostChunk*>(record.data());
    chunk->size = 16;
    EXPECT_EQ(instance.parameters().WriteChunk(AAX_FourCC('A', 'l', 'l', ' '), chunk),
              AAX_ERROR_INCORRECT_CHUNK_SIZE);
    EXPECT_EQ(chunk->size, 16);  // the host's record untouched
}

TEST(PluginFile, OneRenderCallRendersEveryContextItIsGiven)
{
    constexpr int kFrames = 256;
    const auto in = signal(2, kFrames, 1.0f);
    // Alone: each instance with its own threshold.
    std::vector<std::vector<float>> alone[2];
    for (int k = 0; k < 2; ++k)
    {
        Instance instance(session(), 2);
        ASSERT_TRUE(instance.ok());
        instance.parameters().SetParameterNormalised("8", k == 0 ? 0.1 : 0.6);
        alone[k].assign(2, std::vector<float>(kFrames));
        instance.render(in, alone[k]);
    }
    ASSERT_NE(alone[0], alone[1]);

    // Together: two contexts in one call.
    Instance a(session(), 2), b(session(), 2);
    ASSERT_TRUE(a.ok() && b.ok());
    a.parameters().SetParameterNormalised("8", 0.1);
    b.parameters().SetParameterNormalised("8", 0.6);
    std::vector<std::vector<float>> inputs[2] = {in, in};
    std::vector<std::vector<float>> outputs[2] = {alone[0], alone[1]};
    float* rows[2][2][2];
    int32_t length = kFrames, bypass = 0;
    acf::RenderContext contexts[2];
    Instance* instances[2] = {&a, &b};
    for (int k = 0; k < 2; ++k)
    {
        std::fill(outputs[k][0].begin(), outputs[k][0].end(), 0.0f);
        std::fill(outputs[k][1].begin(), outputs[k][1].end(), 0.0f);
        for (int c = 0; c < 2; ++c)
        {
            rows[k][0][c] = inputs[k][static_cast<size_t>(c)].data();
            rows[k][1][c] = outputs[k][static_cast<size_t>(c)].data();
        }
        contexts[k] = {rows[k][0], rows[k][1], &length, &bypass, instances[k]->privateData()};
    }
    acf::RenderContext* list[2] = {&contexts[0], &contexts[1]};
    a.renderCallback()(list, list + 2);
    EXPECT_EQ(outputs[0], alone[0]);
    EXPECT_EQ(outputs[1], alone[1]);
}

TEST(PluginFile, RenderTouchesNothingBeyondTheContextsFieldsAndRows)
{
    Instance stereo(session(), 2);
    Instance mono(session(), 0);
    ASSERT_TRUE(stereo.ok() && mono.ok());
    constexpr int kFrames = 64;
    const auto in = signal(1, kFrames, 0.3f);
    // Rows on the heap, exactly as many as the mono configuration has: a read or write of a second row is caught.
    auto inputs = std::make_unique<float*[]>(1);
    auto outputs = std::make_unique<float*[]>(1);
    std::vector<float> input(in[0]), output(kFrames, 7.0f);
    inputs[0] = input.data();
    outputs[0] = output.data();
    int32_t length = kFrames, bypass = 0;
    acf::RenderCallback monoCallback = mono.renderCallback();

    // The stereo instance's context handed to the mono configuration's callback: only its one row each way, dry.
    acf::RenderContext wrongLayout{inputs.get(), outputs.get(), &length, &bypass, stereo.privateData()};
    acf::RenderContext* list[1] = {&wrongLayout};
    monoCallback(list, list + 1);
    EXPECT_EQ(output, input);

    // Contexts with a field missing render nothing and read nothing.
    std::fill(output.begin(), output.end(), 7.0f);
    void* noInstance = nullptr;
    const struct
    {
        const char* name;
        acf::RenderContext context;
    } cases[] = {
        {"no inputs", {nullptr, outputs.get(), &length, &bypass, mono.privateData()}},
        {"no outputs", {inputs.get(), nullptr, &length, &bypass, mono.privateData()}},
        {"no length", {inputs.get(), outputs.get(), nullptr, &bypass, mono.privateData()}},
        {"no private data", {inputs.get(), outputs.get(), &length, &bypass, nullptr}},
        {"private data not reset", {inputs.get(), outputs.get(), &length, &bypass, &noInstance}},
    };
    for (const auto& c : cases)
    {
        acf::RenderContext context = c.context;
        acf::RenderContext* one[1] = {&context};
        monoCallback(one, one + 1);
        EXPECT_EQ(output, std::vector<float>(kFrames, 7.0f)) << c.name;
    }
    acf::RenderContext* none[1] = {nullptr};
    monoCallback(none, none + 1);
    EXPECT_EQ(output, std::vector<float>(kFrames, 7.0f));

    // Without a bypass word the instance renders, not bypassed.
    acf::RenderContext noBypass{inputs.get(), outputs.get(), &length, nullptr, mono.privateData()};
    acf::RenderContext* one[1] = {&noBypass};
    monoCallback(one, one + 1);
    EXPECT_NE(output, std::vector<float>(kFrames, 7.0f));
}

TEST(PluginFile, ChunkListPrivateDataAndTheLatencyTheHostIsTold)
{
    Instance instance(session(), 2);
    ASSERT_TRUE(instance.ok());
    int32_t count = 0;
    EXPECT_EQ(instance.parameters().GetChunkCount(&count), 0);
    EXPECT_EQ(count, 2);
    const struct
    {
        int32_t index;
        AAX_Result result;
        AAX_CTypeID identifier;
    } cases[] = {{0, 0, AAX_FourCC('e', 'l', 'c', 'k')},
                 {1, 0, AAX_FourCC('A', 'l', 'l', ' ')},
                 {2, AAX_ERROR_INVALID_CHUNK_INDEX, 0},
                 {-1, AAX_ERROR_INVALID_CHUNK_INDEX, 0}};
    for (const auto& c : cases)
    {
        AAX_CTypeID identifier = 0x12345678;
        EXPECT_EQ(instance.parameters().GetChunkID(c.index, &identifier), c.result) << c.index;
        EXPECT_EQ(identifier, c.identifier) << c.index;
    }

    // Field 4: every 8-byte word of the block holds the instance's address; other fields are left alone.
    void* block[3] = {nullptr, nullptr, &count};
    EXPECT_EQ(instance.parameters().ResetPrivateData(4, block, 2 * sizeof(void*)), 0);
    EXPECT_EQ(block[0], *instance.privateData());
    EXPECT_EQ(block[1], *instance.privateData());
    EXPECT_EQ(block[2], &count);
    void* other[1] = {nullptr};
    EXPECT_EQ(instance.parameters().ResetPrivateData(3, other, sizeof other), 0);
    EXPECT_EQ(other[0], nullptr);

    // The effect's latency (its initial delay) reaches the controller at set-up.
    const std::vector<int32_t>& latencies = instance.context().controller().latencies;
    ASSERT_FALSE(latencies.empty());
    DirectEffect direct;
    EXPECT_EQ(latencies.back(), direct.initialDelay());
}

TEST(PluginFile, EveryObjectReleasedLeavesNoLiveObject)
{
    // The resident instance of the session is one object; every other one goes with its release.
    const int32_t resident = session().liveObjects();
    {
        Instance a(session(), 0);
        Instance b(session(), 2);
        ASSERT_TRUE(a.ok() && b.ok());
        EXPECT_EQ(session().liveObjects(), resident + 2);
    }
    EXPECT_EQ(session().liveObjects(), resident);
}

}  // namespace

namespace {

TEST(PluginFile, GuiObjectTellsTheEditorsSizeAndOutlivesItsInstanceSafely)
{
    auto instance = std::make_unique<Instance>(session(), 2);
    ASSERT_TRUE(instance->ok());
    acf::FactoryFunction factory = session().effect()->factory(acf::kProcEffectGui);
    ASSERT_NE(factory, nullptr);
    void* unknown = factory();
    void* iface = nullptr;
    ASSERT_EQ(acf::tableOf<acf::UnknownTable>(unknown).query(unknown, &acf::kIidEffectGui, &iface), 0);
    auto* gui = static_cast<AAX_IEffectGUI*>(iface);
    // The window's own host context, which outlives the instance's.
    aaxkit::InstanceContext guiContext;
    guiContext.answer(acf::kIidEffectParameters, static_cast<AAX_IEffectParameters*>(&instance->parameters()));
    ASSERT_EQ(gui->Initialise(static_cast<IACFUnknown*>(guiContext.context())), 0);
    acf::ViewSize size{};
    ASSERT_EQ(gui->QueryViewSize(&size), 0);
    EXPECT_EQ(size.vertical, 286.0f);  // height first
    EXPECT_EQ(size.horizontal, 811.0f);
    EXPECT_EQ(gui->ShowControlHighlight("8", 1, 0), AAX_ERROR_NULL_OBJECT);

    // The host lets the instance go first; the GUI object still holds it, then lets go itself, and its last release
    // must not reach the effect, which went with the instance.
    instance.reset();
    EXPECT_EQ(gui->Shutdown(), 0);
    const int32_t before = session().liveObjects();
    gui->Release();
    EXPECT_EQ(session().liveObjects(), before - 1);
}

}  // namespace

// The page-table file the description names lies in the bundle's resources and lists every identifier as the
// bridges present it: hosts read it to lay the controls out, so a missing or mistitled entry goes unnoticed there.
TEST(PluginFile, PageTableFileNamedByTheDescriptionListsEveryIdentifier)
{
    PluginSession& s = session();
    ASSERT_EQ(s.effect()->resources.size(), 1u);
    const std::string path = std::string(QOR_AAXPLUGIN_DIR) + "/../Resources/" + s.effect()->resources[0].second;
    std::ifstream file(path);
    ASSERT_TRUE(file) << path;
    std::stringstream text;
    text << file.rdbuf();
    const char* names[16] = {"Power", "Attack", "Release", "-", "ScHpfSt", "ScHpf", "Ratio", "-",
                             "Threshold", "Channel", "Makeup", "Link", "BlndSt", "Blend", "-", "-"};
    for (int i = 0; i < 16; ++i)
    {
        const std::string entry = "id=\"" + std::to_string(i) + "\" name=\"" + std::to_string(i) + ": " + names[i] + "\"";
        EXPECT_NE(text.str().find(entry), std::string::npos) << entry;
    }
}
