#include "hosts/aax/cli/Commands.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <thread>

#include "aax/library/AAX_IEffectGUI.h"
#include "hosts/aax/Instance.h"
#include "hosts/aax/PluginSession.h"
#include "hosts/aax/cli/AudioStreams.h"
#include "hosts/common/ExitCodes.h"
#include "hosts/common/HostFiles.h"
#include "hosts/common/ProgramChoice.h"
#include "hosts/common/RenderSummary.h"
#include "hosts/vst2/AudioFile.h"
#include "hosts/vst2/EditorWindow.h"

namespace aaxhost {
namespace {

constexpr AAX_CTypeID kAllChunk = AAX_FourCC('A', 'l', 'l', ' ');
constexpr AAX_CTypeID kControlsChunk = AAX_FourCC('e', 'l', 'c', 'k');
constexpr int kGuiTimerMs = 20;
// Longer than the three 100 ms ticks between the effect's refresh request and the push of its values.
constexpr int kRefreshWaitMs = 500;
// A state file larger than this is no state of this plug-in's.
constexpr size_t kMostStateBytes = 64 << 20;

using hostcli::kExitFailure;
using hostcli::kExitSuccess;
using hostcli::kExitUsage;

std::string fourChars(int32_t code)
{
    const auto u = static_cast<uint32_t>(code);
    const char text[5] = {char(u >> 24), char(u >> 16), char(u >> 8), char(u), 0};
    return text;
}

std::string hex(uint64_t value, int digits)
{
    char text[24];
    std::snprintf(text, sizeof text, "0x%0*llX", digits, static_cast<unsigned long long>(value));
    return text;
}

std::string quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

std::unique_ptr<aaxkit::PluginSession> openSession(const Options& options, std::ostream& err)
{
    if (options.files.empty())
    {
        err << "aaxhost: no plug-in file given\n";
        return nullptr;
    }
    auto session = std::make_unique<aaxkit::PluginSession>();
    if (!session->open(options.files[0]))
    {
        err << "aaxhost: cannot use " << options.files[0] << ": " << session->error() << "\n";
        return nullptr;
    }
    return session;
}

void printParameters(aaxkit::Instance& instance, std::ostream& out)
{
    for (const auto& line : instance.describeParameters())
    {
        char defaultText[32];
        std::snprintf(defaultText, sizeof defaultText, "%g", line.defaultValue);
        out << "parameter " << line.id << " " << quoted(line.title) << " steps " << line.steps << " default "
            << defaultText << " value " << quoted(line.text) << "\n";
    }
}

// Applies --program and --param to an instance. False with a message on err.
bool applySettings(aaxkit::PluginSession& session, aaxkit::Instance& instance, const Options& options,
                   std::ostream& err)
{
    if (!options.program.empty())
    {
        std::vector<uint8_t> blob;
        std::string error;
        if (instance.saveChunk(kAllChunk, blob) != AAX_SUCCESS || !hostcli::chooseProgram(blob, options.program, error) ||
            instance.loadChunk(kAllChunk, blob) != AAX_SUCCESS)
        {
            err << "aaxhost: cannot select program " << options.program << (error.empty() ? "" : ": " + error)
                << "\n";
            return false;
        }
        // The effect asks for a refresh after the restore; its values reach the host's parameters (and with
        // them the controls-state chunk) three timer ticks on.
        session.runMessageLoop(kRefreshWaitMs);
    }
    for (const auto& parameter : options.parameters)
    {
        const AAX_Result result = instance.parameters().SetParameterNormalised(parameter.first.c_str(),
                                                                               parameter.second);
        if (result != AAX_SUCCESS)
        {
            err << "aaxhost: unknown parameter identifier " << parameter.first << " (" << result << ")\n";
            return false;
        }
    }
    return true;
}

bool chunkIdentifier(const Options& options, AAX_CTypeID& identifier)
{
    identifier = options.chunk == "elck" ? kControlsChunk : kAllChunk;
    return true;
}

bool instanceMade(aaxkit::Instance& instance, std::ostream& err)
{
    if (instance.ok())
        return true;
    err << "aaxhost: no instance: " << instance.error() << "\n";
    return false;
}

// An output file must not replace one the command reads.
bool outputIsAnInput(const std::string& output, const std::vector<std::string>& inputs, std::ostream& err)
{
    std::string error;
    if (!hostcli::outputIsAnInput(output, inputs, error))
        return false;
    err << "aaxhost: " << error << "\n";
    return true;
}

// A file's channels must be those the configuration takes in; a mono file may feed both inputs of a stereo one.
bool channelsFit(const std::string& path, size_t channels, int inputs, int configuration, std::ostream& err)
{
    if (channels == static_cast<size_t>(inputs) || (channels == 1 && inputs == 2))
        return true;
    if (channels > 2)
        err << "aaxhost: '" << path << "' has " << channels << " channels; aaxhost renders mono and stereo files\n";
    else
        err << "aaxhost: '" << path << "' is stereo, but --config " << configuration
            << " takes one channel in: give a mono file, or --config 2\n";
    return false;
}

}  // namespace

int describe(const Options& options, std::ostream& out, std::ostream& err)
{
    std::unique_ptr<aaxkit::PluginSession> session = openSession(options, err);
    if (!session)
        return 1;
    uint64_t version = 0;
    session->file().getSdkVersion(&version);
    const aaxkit::Collection& collection = *session->host().collections().front();
    out << "sdk-version " << hex(version, 16) << "\n";
    out << "manufacturer " << quoted(collection.manufacturer) << "\n";
    for (const std::string& name : collection.packageNames)
        out << "package " << quoted(name) << "\n";
    out << "package-version " << hex(collection.packageVersion, 8) << "\n";
    const aaxkit::EffectDescriptor& effect = *session->effect();
    for (const std::string& name : effect.names)
        out << "name " << quoted(name) << "\n";
    for (uint32_t category : effect.categories)
        out << "category " << category << "\n";
    for (const auto& resource : effect.resources)
        out << "resource " << resource.first << " " << quoted(resource.second) << "\n";
    for (size_t i = 0; i < effect.components.size(); ++i)
    {
        const aaxkit::ComponentDescriptor& component = *effect.components[i];
        if (component.processes.empty() || component.processes[0].properties == nullptr)
            continue;
        const aaxkit::PropertyMap& map = *component.processes[0].properties;
        int32_t in = 0, outStem = 0, native = 0, audioSuite = 0, manufacturer = 0, product = 0;
        map.get(51, &in);
        map.get(52, &outStem);
        map.get(13, &native);
        map.get(14, &audioSuite);
        map.get(11, &manufacturer);
        map.get(12, &product);
        out << "config " << i << " in " << (in == 1 ? 1 : 2) << " out " << (outStem == 1 ? 1 : 2) << " native '"
            << fourChars(native) << "' audiosuite '" << fourChars(audioSuite) << "' manufacturer '"
            << fourChars(manufacturer) << "' product '" << fourChars(product) << "'\n";
    }
    aaxkit::Instance instance(*session, 2);
    if (!instance.ok())
    {
        err << "aaxhost: no instance: " << instance.error() << "\n";
        return 1;
    }
    printParameters(instance, out);
    return 0;
}

int render(const Options& options, std::ostream& out, std::ostream& err)
{
    if (options.files.size() != 3)
    {
        err << "aaxhost: render needs PLUGIN IN OUT\n";
        return kExitUsage;
    }
    if (outputIsAnInput(options.files[2], {options.files[1], options.files[0]}, err))
        return kExitFailure;
    std::string error;
    if (!options.raw && !vst2host::checkAudioFileName(options.files[2], error))
    {
        err << "aaxhost: " << error << "\n";
        return kExitFailure;
    }
    std::unique_ptr<aaxkit::PluginSession> session = openSession(options, err);
    if (!session)
        return kExitFailure;
    aaxkit::Instance instance(*session, options.configuration);
    if (!instanceMade(instance, err) || !applySettings(*session, instance, options, err))
        return kExitFailure;
    if (options.bypass)
        instance.parameters().SetParameterNormalised("MasterBypassID", 1.0);

    Audio input;
    std::string warning;
    if (!readAudio(options.files[1], options.raw, instance.inputs(), options.rate, input, error, warning))
    {
        err << "aaxhost: " << error << "\n";
        return kExitFailure;
    }
    if (!warning.empty())
        err << "aaxhost: warning: " << warning << "\n";
    if (!channelsFit(options.files[1], input.channels.size(), instance.inputs(), options.configuration, err))
        return kExitFailure;
    Audio output;
    output.rate = input.rate;
    output.channels.assign(static_cast<size_t>(instance.outputs()), std::vector<float>(input.frames(), 0.0f));
    for (size_t start = 0; start < input.frames(); start += static_cast<size_t>(options.block))
    {
        const size_t count = std::min(static_cast<size_t>(options.block), input.frames() - start);
        std::vector<std::vector<float>> in(static_cast<size_t>(instance.inputs()));
        for (int c = 0; c < instance.inputs(); ++c)
        {
            const auto& source = input.channels[std::min(static_cast<size_t>(c), input.channels.size() - 1)];
            in[static_cast<size_t>(c)].assign(source.begin() + static_cast<long>(start),
                                              source.begin() + static_cast<long>(start + count));
        }
        std::vector<std::vector<float>> block(static_cast<size_t>(instance.outputs()), std::vector<float>(count));
        instance.render(in, block);
        for (int c = 0; c < instance.outputs(); ++c)
            std::copy(block[static_cast<size_t>(c)].begin(), block[static_cast<size_t>(c)].end(),
                      output.channels[static_cast<size_t>(c)].begin() + static_cast<long>(start));
    }
    if (!writeAudio(options.files[2], options.raw, output, error))
    {
        err << "aaxhost: " << error << "\n";
        return kExitFailure;
    }
    const std::string details = "config " + std::to_string(options.configuration) + ", block " +
                                std::to_string(options.block) + (options.bypass ? ", bypassed" : "");
    out << hostcli::renderSummary(input.frames(), instance.inputs(), instance.outputs(), input.rate, details,
                                  options.files[2])
        << "\n";
    return kExitSuccess;
}

int saveState(const Options& options, std::ostream& out, std::ostream& err)
{
    if (options.files.size() != 2)
    {
        err << "aaxhost: save-state needs PLUGIN FILE\n";
        return kExitUsage;
    }
    if (outputIsAnInput(options.files[1], {options.files[0]}, err))
        return kExitFailure;
    std::unique_ptr<aaxkit::PluginSession> session = openSession(options, err);
    if (!session)
        return kExitFailure;
    aaxkit::Instance instance(*session, 2);
    if (!instanceMade(instance, err) || !applySettings(*session, instance, options, err))
        return kExitFailure;
    AAX_CTypeID identifier = 0;
    chunkIdentifier(options, identifier);
    std::vector<uint8_t> bytes;
    const AAX_Result result = instance.saveChunk(identifier, bytes);
    if (result != AAX_SUCCESS)
    {
        err << "aaxhost: the plug-in gave no chunk '" << fourChars(static_cast<int32_t>(identifier)) << "' ("
            << result << ")\n";
        return 1;
    }
    std::string error;
    if (!hostcli::writeWholeFile(options.files[1], bytes, error))
    {
        err << "aaxhost: " << error << "\n";
        return kExitFailure;
    }
    out << "saved " << bytes.size() << " bytes\n";
    return kExitSuccess;
}

int loadState(const Options& options, std::ostream& out, std::ostream& err)
{
    if (options.files.size() != 2)
    {
        err << "aaxhost: load-state needs PLUGIN FILE\n";
        return kExitUsage;
    }
    std::vector<uint8_t> bytes;
    std::string error;
    if (!hostcli::readWholeFile(options.files[1], kMostStateBytes, bytes, error))
    {
        err << "aaxhost: " << error << "\n";
        return kExitFailure;
    }
    std::unique_ptr<aaxkit::PluginSession> session = openSession(options, err);
    if (!session)
        return kExitFailure;
    aaxkit::Instance instance(*session, 2);
    if (!instanceMade(instance, err))
        return kExitFailure;
    AAX_CTypeID identifier = 0;
    chunkIdentifier(options, identifier);
    const AAX_Result result = instance.loadChunk(identifier, bytes);
    if (result != AAX_SUCCESS)
    {
        err << "aaxhost: the plug-in refused the chunk (" << result << ")\n";
        return 1;
    }
    // The effect asks for a refresh after a restore; its values reach the host's parameters three timer ticks on.
    session->runMessageLoop(kRefreshWaitMs);
    printParameters(instance, out);
    return 0;
}

int edit(const Options& options, std::ostream& out, std::ostream& err)
{
    std::unique_ptr<aaxkit::PluginSession> session = openSession(options, err);
    if (!session)
        return 1;
    aaxkit::Instance instance(*session, 2);
    if (!instanceMade(instance, err) || !applySettings(*session, instance, options, err))
        return kExitFailure;
    acf::FactoryFunction factory = session->effect()->factory(acf::kProcEffectGui);
    void* unknown = factory != nullptr ? factory() : nullptr;
    void* iface = nullptr;
    if (unknown == nullptr ||
        acf::tableOf<acf::UnknownTable>(unknown).query(unknown, &acf::kIidEffectGui, &iface) != 0)
    {
        err << "aaxhost: the plug-in made no GUI object\n";
        return 1;
    }
    auto* gui = static_cast<AAX_IEffectGUI*>(iface);
    aaxkit::InstanceContext& context = instance.context();
    context.answer(acf::kIidEffectParameters, static_cast<AAX_IEffectParameters*>(&instance.parameters()));
    int status = 0;
    if (gui->Initialise(static_cast<IACFUnknown*>(context.context())) != AAX_SUCCESS)
    {
        err << "aaxhost: the GUI object did not initialise\n";
        status = 1;
    }
    acf::ViewSize size{300.0f, 400.0f};
    if (status == 0 && gui->QueryViewSize(&size) != AAX_SUCCESS)
    {
        err << "aaxhost: the GUI object has no view size (no effect?)\n";
        status = 1;
    }
    std::string error;
    std::unique_ptr<vst2host::EditorWindow> window;
    if (status == 0)
    {
        window = vst2host::EditorWindow::create(static_cast<int>(size.horizontal), static_cast<int>(size.vertical),
                                                "Qor Kalvenor (aaxhost)", error);
        if (!window)
        {
            err << "aaxhost: no window: " << error << "\n";
            status = 1;
        }
    }
    if (status == 0)
    {
        context.views().view = window->parentHandle();
        gui->AttachViewContainer(static_cast<IACFUnknown*>(context.viewContainer()));
        out << "view " << size.horizontal << " x " << size.vertical << "\n";
        const auto start = std::chrono::steady_clock::now();
        bool shot = options.screenshot.empty();
        for (;;)
        {
            const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
                                     std::chrono::steady_clock::now() - start)
                                     .count();
            if (!window->pumpEvents() || elapsed >= options.durationMs)
                break;
            gui->OnTimer();
            session->runMessageLoop(kGuiTimerMs);
            if (!shot && elapsed >= 1000)
            {
                shot = true;
                if (!window->saveScreenshot(options.screenshot, error))
                {
                    err << "aaxhost: no screenshot: " << error << "\n";
                    status = 1;
                }
            }
        }
        gui->AttachViewContainer(nullptr);
    }
    gui->Shutdown();
    gui->Release();
    // What the session leaves, the settings of the command line among it.
    printParameters(instance, out);
    return status;
}

}  // namespace aaxhost
