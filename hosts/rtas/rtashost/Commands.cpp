#include "hosts/rtas/rtashost/Commands.h"

#include "hosts/rtas/rtashost/Instance.h"
#include "hosts/rtas/rtashost/PlugInSession.h"
#include "hosts/rtas/rtashost/RawAudio.h"
#include "hosts/rtas/rtashost/Render.h"

#include "hosts/common/HostFiles.h"
#include "hosts/common/RenderSummary.h"
#include "hosts/rtas/KitControl.h"

namespace rtashost {
namespace {

constexpr int32_t kKindRealTime = 3;
// A state file larger than this is no state of this plug-in's.
constexpr size_t kMostStateBytes = 64 << 20;

std::string stemName(int32_t stem)
{
    if (stem == 0)
        return "mono";
    if (stem == 1)
        return "stereo";
    return "stem" + std::to_string(stem);
}

int channelsOf(int32_t stem)
{
    return stem == 1 ? 2 : 1;
}

// A command line with the wrong files: exit code 2, like any other malformed command line.
class UsageError : public HostError
{
public:
    using HostError::HostError;
};

void needFiles(const Options& options, size_t count, const char* usage)
{
    if (options.files.size() != count)
        throw UsageError(std::string("usage: rtashost ") + usage);
}

// The program first, then the controls, so that a control named on the command line wins over the program's value.
void applySettings(const Options& options, Instance& instance)
{
    if (!options.program.empty())
        instance.chooseProgram(options.program);
    for (const auto& [id, value] : options.controls)
        instance.setControl(id, value);
}

void setBypass(Instance& instance)
{
    int32_t bypass = 0;
    check(instance.session().routine<132>()(instance.type().number, instance.index(), &bypass),
          "finding the master bypass");
    instance.setControl(bypass, 1.0);
}

// An output file must not replace one the command reads.
void refuseOutputOverInputs(const std::string& output, const std::vector<std::string>& inputs)
{
    std::string error;
    if (hostcli::outputIsAnInput(output, inputs, error))
        throw HostError(error);
}

uint32_t chunkIDOf(const Options& options)
{
    return options.elck ? kControlsStateChunk : kCompleteStateChunk;
}

// Runs a command body, turning a HostError into its one-line message and exit code 1.
template <typename Body>
int run(std::ostream& err, Body body)
{
    try {
        body();
        return 0;
    } catch (const UsageError& error) {
        err << "rtashost: " << error.what() << "\n";
        return 2;
    } catch (const HostError& error) {
        err << "rtashost: " << error.what() << "\n";
    } catch (const std::exception& error) {
        err << "rtashost: " << error.what() << "\n";
    }
    return 1;
}

}  // namespace

int info(const Options& options, std::ostream& out, std::ostream& err)
{
    return run(err, [&] {
        needFiles(options, 1, "info PLUGIN");
        PlugInSession session(options.files[0]);
        const PlugInType& kvss = session.type(options.type);
        out << "group manufacturer \"" << session.manufacturerName() << "\" ('" << fourCCText(session.manufacturerID())
            << "') product '" << fourCCText(kvss.productID) << "' effect \"" << session.effectName() << "\"\n";
        for (const PlugInType& type : session.types())
            out << "type " << fourCCText(type.typeID) << " " << (type.kind == kKindRealTime ? "real-time" : "AudioSuite")
                << " " << stemName(type.inputStem) << " " << stemName(type.outputStem) << "\n";
        Instance instance(session, kvss);
        instance.printControls(out);
    });
}

int render(const Options& options, std::ostream& out, std::ostream& err)
{
    return run(err, [&] {
        needFiles(options, 3, "render PLUGIN IN OUT [options]");
        refuseOutputOverInputs(options.files[2], {options.files[1], options.files[0]});
        // The engine's largest real-time block: the instance reads it when it is made.
        QorKitSetMaximumQuantum(options.quantum);
        PlugInSession session(options.files[0]);
        const PlugInType& type = session.type(options.type);
        const Channels input = readRawAudio(options.files[1], channelsOf(type.inputStem));
        Instance instance(session, type);
        applySettings(options, instance);
        if (options.bypass)
            setBypass(instance);
        const int outputs = channelsOf(type.outputStem);
        const Channels output = type.kind == kKindRealTime
                                    ? renderRealTime(instance, input, outputs, options.buffer)
                                    : renderAudioSuite(instance, input, outputs, options.buffer);
        writeRawAudio(options.files[2], output);
        const std::string details = "type '" + options.type + "', " +
                                    (type.kind == kKindRealTime ? "real-time, quantum " + std::to_string(options.quantum) + ", "
                                                                : std::string("AudioSuite, ")) +
                                    "buffer " + std::to_string(options.buffer) + (options.bypass ? ", bypassed" : "");
        out << hostcli::renderSummary(input.empty() ? 0 : input[0].size(), int(input.size()), outputs,
                                      kRawAudioRate, details, options.files[2])
            << "\n";
    });
}

int saveState(const Options& options, std::ostream& out, std::ostream& err)
{
    return run(err, [&] {
        needFiles(options, 2, "save-state PLUGIN FILE [--elck] [options]");
        refuseOutputOverInputs(options.files[1], {options.files[0]});
        PlugInSession session(options.files[0]);
        Instance instance(session, session.type(options.type));
        applySettings(options, instance);
        const std::vector<uint8_t> chunk = instance.chunk(chunkIDOf(options));
        std::string error;
        if (!hostcli::writeWholeFile(options.files[1], chunk, error))
            throw HostError(error);
        out << "saved " << chunk.size() << " bytes of chunk '" << fourCCText(chunkIDOf(options)) << "' to "
            << options.files[1] << "\n";
    });
}

int loadState(const Options& options, std::ostream& out, std::ostream& err)
{
    return run(err, [&] {
        needFiles(options, 2, "load-state PLUGIN FILE [--elck]");
        std::vector<uint8_t> chunk;
        std::string error;
        if (!hostcli::readWholeFile(options.files[1], kMostStateBytes, chunk, error))
            throw HostError(error);
        PlugInSession session(options.files[0]);
        Instance instance(session, session.type(options.type));
        instance.setChunk(chunkIDOf(options), std::move(chunk));
        instance.printControls(out);
    });
}

}  // namespace rtashost
