#include "hosts/vst2/ProgramSelection.h"

#include "hosts/vst2/EffectChunk.h"

#include <cctype>
#include <cstdlib>

namespace vst2host {
namespace {

std::optional<int32_t> parseProgramNumber(const std::string& text)
{
    if (text.empty() || text.size() > 9)
        return std::nullopt;
    for (char c : text)
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return std::nullopt;
    return static_cast<int32_t>(std::strtol(text.c_str(), nullptr, 10));
}

}  // namespace

std::optional<int32_t> resolveProgram(HostedEffect& effect, const std::string& nameOrNumber)
{
    if (const std::optional<int32_t> number = parseProgramNumber(nameOrNumber))
        return effect.programNameAt(*number) ? number : std::nullopt;
    const std::vector<std::string> names = effect.programNames();
    for (size_t index = 0; index < names.size(); ++index)
        if (names[index] == nameOrNumber)
            return static_cast<int32_t>(index);
    return std::nullopt;
}

bool selectProgram(HostedEffect& effect, int32_t program, std::string& error)
{
    const std::optional<std::string> name = effect.programNameAt(program);
    if (!name) {
        error = "the effect has no program " + std::to_string(program);
        return false;
    }
    std::vector<uint8_t> chunk = effect.getChunk();
    if (chunk.empty()) {
        error = "the effect gave no chunk to select a program with";
        return false;
    }
    if (!setChunkCurrentProgram(chunk, program, error))
        return false;
    if (const intptr_t reply = effect.setChunk(chunk); reply != 0) {
        error = "the effect refused its own chunk (reply " + std::to_string(reply) + ")";
        return false;
    }
    if (const std::string current = effect.programName(); current != *name) {
        error = "the effect reports program '" + current + "' after selecting '" + *name + "'";
        return false;
    }
    return true;
}

bool selectProgram(HostedEffect& effect, const std::string& nameOrNumber, std::string& error)
{
    const std::optional<int32_t> program = resolveProgram(effect, nameOrNumber);
    if (!program) {
        error = "no program '" + nameOrNumber + "' (give a name or a number the effect lists)";
        return false;
    }
    return selectProgram(effect, *program, error);
}

}  // namespace vst2host
