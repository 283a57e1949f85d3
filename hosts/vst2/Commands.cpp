#include "hosts/vst2/Commands.h"

#include "hosts/vst2/AudioFile.h"
#include "hosts/vst2/EditorSession.h"
#include "hosts/vst2/EffectChunk.h"
#include "hosts/vst2/HostedEffect.h"
#include "hosts/vst2/ProgramSelection.h"
#include "hosts/vst2/Renderer.h"

#include "hosts/common/HostFiles.h"
#include "hosts/common/RenderSummary.h"

#include <cctype>
#include <iomanip>
#include <sstream>

namespace vst2host {
namespace {

// Chunks larger than this are not something this effect or any sane one writes.
constexpr size_t kMaxChunkFileSize = 64 << 20;

std::string fourCharacters(int32_t code)
{
    std::string text;
    for (int shift = 24; shift >= 0; shift -= 8) {
        const auto c = static_cast<unsigned char>((static_cast<uint32_t>(code) >> shift) & 0xFF);
        text += std::isprint(c) ? static_cast<char>(c) : '.';
    }
    return text;
}

std::string hex(int64_t value, int digits)
{
    std::ostringstream text;
    text << "0x" << std::hex << std::uppercase << std::setw(digits) << std::setfill('0')
         << static_cast<uint64_t>(static_cast<uint32_t>(value));
    return text.str();
}

bool loadEffect(HostedEffect& effect, const std::string& path, std::ostream& err)
{
    if (effect.load(path))
        return true;
    err << "vst2host: " << effect.error() << '\n';
    return false;
}

void printParameters(HostedEffect& effect, std::ostream& out)
{
    out << "parameters:\n";
    for (int32_t index = 0; index < effect.record()->numParams; ++index) {
        out << "  " << std::setw(3) << index << "  " << std::left << std::setw(12) << effect.parameterName(index)
            << std::setw(10) << effect.parameterDisplay(index) << '"' << effect.parameterLabel(index) << '"'
            << std::right << '\n';
    }
}

// Applies --program, then every --param in order, so a parameter given on the command line wins.
bool applySettings(HostedEffect& effect, const CommandLine& commandLine, std::ostream& err)
{
    if (commandLine.program) {
        std::string error;
        if (!selectProgram(effect, *commandLine.program, error)) {
            err << "vst2host: " << error << '\n';
            return false;
        }
    }
    for (const ParameterSetting& setting : commandLine.parameters) {
        if (setting.index >= effect.record()->numParams) {
            err << "vst2host: the effect has no parameter " << setting.index << " (it has "
                << effect.record()->numParams << ")\n";
            return false;
        }
        effect.setParameter(setting.index, setting.value);
    }
    return true;
}

bool readBinaryFile(const std::string& path, std::vector<uint8_t>& bytes, std::ostream& err)
{
    std::string error;
    if (hostcli::readWholeFile(path, kMaxChunkFileSize, bytes, error))
        return true;
    err << "vst2host: " << error << '\n';
    return false;
}

// An output file must not replace one the command reads: the plug-in or the input audio.
bool outputIsAnInput(const std::string& output, const std::vector<std::string>& inputs, std::ostream& err)
{
    std::string error;
    if (!hostcli::outputIsAnInput(output, inputs, error))
        return false;
    err << "vst2host: " << error << '\n';
    return true;
}

}  // namespace

int runInfo(const CommandLine& commandLine, std::ostream& out, std::ostream& err)
{
    HostedEffect effect;
    if (!loadEffect(effect, commandLine.positionals[0], err))
        return kExitFailure;
    const EffectRecord& record = *effect.record();
    out << "magic           " << hex(record.magic, 8) << " (" << fourCharacters(record.magic) << ")\n"
        << "unique ID       " << fourCharacters(record.uniqueID) << " (" << hex(record.uniqueID, 8) << ")\n"
        << "version         " << record.version << '\n'
        << "flags           " << hex(record.flags, 8) << '\n'
        << "programs        " << record.numPrograms << " (the host sees " << record.numPrograms
        << (record.numPrograms == 1 ? " program" : " programs") << "; the bank holds " << effect.programNames().size()
        << ")\n"
        << "parameters      " << record.numParams << '\n'
        << "inputs          " << record.numInputs << '\n'
        << "outputs         " << record.numOutputs << '\n'
        << "initial delay   " << record.initialDelay << '\n'
        << "effect name     " << effect.effectName() << '\n'
        << "vendor          " << effect.vendorString() << '\n'
        << "product         " << effect.productString() << '\n'
        << "vendor version  " << effect.vendorVersion() << '\n'
        << "category        " << effect.category() << '\n'
        << "VST version     " << effect.vstVersion() << '\n'
        << "current program " << effect.programName() << '\n';
    printParameters(effect, out);
    out << "bank programs:\n";
    const std::vector<std::string> names = effect.programNames();
    for (size_t index = 0; index < names.size(); ++index)
        out << "  " << std::setw(3) << index << "  " << names[index] << '\n';
    return kExitSuccess;
}

int runRender(const CommandLine& commandLine, std::ostream& out, std::ostream& err)
{
    const std::string& inputPath = commandLine.positionals[1];
    const std::string& outputPath = commandLine.positionals[2];
    if (outputIsAnInput(outputPath, {inputPath, commandLine.positionals[0]}, err))
        return kExitFailure;
    std::string error;
    // Refused before the render, not after it: a name of no format the render could be written in.
    if (!checkAudioFileName(outputPath, error)) {
        err << "vst2host: " << error << '\n';
        return kExitFailure;
    }
    AudioBuffer input;
    std::string warning;
    if (!readAudioFile(inputPath, input, error, &warning)) {
        err << "vst2host: " << error << '\n';
        return kExitFailure;
    }
    if (!warning.empty())
        err << "vst2host: warning: " << warning << '\n';
    HostedEffect effect;
    if (!loadEffect(effect, commandLine.positionals[0], err) || !applySettings(effect, commandLine, err))
        return kExitFailure;

    RenderSettings settings;
    settings.blockSize = commandLine.blockSize;
    settings.doublePrecision = commandLine.doublePrecision;
    settings.sampleRate = commandLine.sampleRate;
    AudioBuffer output;
    if (!render(effect, input, output, settings, error)) {
        err << "vst2host: " << error << '\n';
        return kExitFailure;
    }
    const SampleFormat format = commandLine.doublePrecision ? SampleFormat::Float64 : SampleFormat::Float32;
    if (!writeAudioFile(outputPath, output, format, error)) {
        err << "vst2host: " << error << '\n';
        return kExitFailure;
    }
    const std::string details = "block " + std::to_string(settings.blockSize) + ", " +
                                (settings.doublePrecision ? "double" : "single") + " precision, program '" +
                                effect.programName() + "'";
    out << hostcli::renderSummary(output.frames(), input.channels, output.channels,
                                  commandLine.sampleRate > 0.0 ? commandLine.sampleRate : input.sampleRate, details,
                                  outputPath)
        << '\n';
    return kExitSuccess;
}

int runSaveChunk(const CommandLine& commandLine, std::ostream& out, std::ostream& err)
{
    if (outputIsAnInput(commandLine.positionals[1], {commandLine.positionals[0]}, err))
        return kExitFailure;
    HostedEffect effect;
    if (!loadEffect(effect, commandLine.positionals[0], err) || !applySettings(effect, commandLine, err))
        return kExitFailure;
    const std::vector<uint8_t> chunk = effect.getChunk();
    if (chunk.empty()) {
        err << "vst2host: the effect gave no chunk\n";
        return kExitFailure;
    }
    std::string error;
    if (!hostcli::writeWholeFile(commandLine.positionals[1], chunk, error)) {
        err << "vst2host: " << error << '\n';
        return kExitFailure;
    }
    out << "wrote " << chunk.size() << " bytes to " << commandLine.positionals[1] << " (program '"
        << effect.programName() << "')\n";
    return kExitSuccess;
}

int runLoadChunk(const CommandLine& commandLine, std::ostream& out, std::ostream& err)
{
    std::vector<uint8_t> chunk;
    if (!readBinaryFile(commandLine.positionals[1], chunk, err))
        return kExitFailure;
    HostedEffect effect;
    if (!loadEffect(effect, commandLine.positionals[0], err))
        return kExitFailure;
    if (const intptr_t reply = effect.setChunk(chunk); reply != 0) {
        err << "vst2host: the effect refused the chunk in '" << commandLine.positionals[1] << "' (reply " << reply
            << ")\n";
        return kExitFailure;
    }
    out << "loaded " << chunk.size() << " bytes from " << commandLine.positionals[1] << '\n';
    if (const std::optional<int32_t> program = chunkCurrentProgram(chunk))
        out << "chunk program   " << *program << '\n';
    out << "current program " << effect.programName() << '\n';
    printParameters(effect, out);
    return kExitSuccess;
}

int runEdit(const CommandLine& commandLine, std::ostream& out, std::ostream& err)
{
    HostedEffect effect;
    if (!loadEffect(effect, commandLine.positionals[0], err) || !applySettings(effect, commandLine, err))
        return kExitFailure;
    EditorSessionSettings settings;
    settings.screenshotPath = commandLine.screenshot;
    settings.screenshotAfterMs = commandLine.screenshotAfterMs;
    settings.durationMs = commandLine.durationMs;
    settings.logAutomation = commandLine.logAutomation;
    return runEditorSession(effect, settings, out, err) ? kExitSuccess : kExitFailure;
}

int runCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    CommandLine commandLine;
    std::string error;
    if (!parseCommandLine(arguments, commandLine, error)) {
        err << "vst2host: " << error << "\n\n" << usageText();
        return kExitUsage;
    }
    if (commandLine.help) {
        out << usageText();
        return kExitSuccess;
    }
    if (commandLine.command == "info")
        return runInfo(commandLine, out, err);
    if (commandLine.command == "render")
        return runRender(commandLine, out, err);
    if (commandLine.command == "save-chunk")
        return runSaveChunk(commandLine, out, err);
    if (commandLine.command == "edit")
        return runEdit(commandLine, out, err);
    return runLoadChunk(commandLine, out, err);
}

}  // namespace vst2host
