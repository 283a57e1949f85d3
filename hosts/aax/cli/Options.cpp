#include "hosts/aax/cli/Options.h"

#include "hosts/common/OptionParser.h"

namespace aaxhost {

const char kUsage[] =
    "usage: aaxhost describe PLUGIN\n"
    "       aaxhost render PLUGIN IN OUT [--config 0|1|2] [--block N] [--bypass] [--param ID=VALUE ...]\n"
    "                      [--program NAME|NUMBER] [--raw [--rate R]]\n"
    "       aaxhost save-state PLUGIN FILE [--chunk All|elck] [--param ID=VALUE ...] [--program NAME|NUMBER]\n"
    "       aaxhost load-state PLUGIN FILE [--chunk All|elck]\n"
    "       aaxhost edit PLUGIN [--screenshot FILE.png] [--duration MS] [--param ID=VALUE ...]\n"
    "                    [--program NAME|NUMBER]\n"
    "       aaxhost --help\n"
    "\n"
    "--config: 0 mono (1 channel in, 1 out), 1 mono in and stereo out (1 in, 2 out), 2 stereo (2 in, 2 out; the\n"
    "default). IN is an audio file libsndfile reads with as many channels as the configuration takes in (a mono\n"
    "file feeds both inputs of --config 2); OUT's extension names its format (.wav, ...), written with 32-bit float\n"
    "samples where the format has them. With --raw, IN and OUT are raw little-endian 32-bit floats, channels\n"
    "interleaved, as many as the configuration takes in and gives out, at --rate R (default 44100).\n"
    "ID is a parameter's identifier (0 to 15, or MasterBypassID); VALUE is a number from 0 to 1.\n"
    "Exit codes: 0 done, 1 failed (one line says why), 2 malformed command line.\n";

namespace {

const std::vector<std::string> kCommands = {"describe", "render", "save-state", "load-state", "edit"};

bool takeWhole(const std::string& option, const std::string& value, long low, long high, int& target,
               std::string& error)
{
    long number = 0;
    if (!hostcli::toWholeNumber(option, value, low, high, number, error))
        return false;
    target = static_cast<int>(number);
    return true;
}

}  // namespace

bool parseOptions(const std::vector<std::string>& arguments, Options& options, std::string& error)
{
    options = Options{};
    const std::vector<std::string> render = {"render"};
    const std::vector<std::string> settings = {"render", "save-state", "edit"};
    const std::vector<std::string> state = {"save-state", "load-state"};
    const std::vector<std::string> edit = {"edit"};
    bool rateGiven = false;
    const std::vector<hostcli::OptionRule> rules = {
        {"--config", true, render,
         [&](const std::string& value, std::string& e) {
             return takeWhole("--config", value, 0, 2, options.configuration, e);
         }},
        {"--block", true, render,
         [&](const std::string& value, std::string& e) { return takeWhole("--block", value, 1, 65536, options.block, e); }},
        {"--rate", true, render,
         [&](const std::string& value, std::string& e) {
             rateGiven = true;
             return hostcli::toPositive("--rate", value, options.rate, e);
         }},
        hostcli::flagRule("--bypass", render, options.bypass),
        hostcli::flagRule("--raw", render, options.raw),
        {"--param", true, settings,
         [&](const std::string& value, std::string& e) {
             std::string id;
             double normalised = 0.0;
             if (!hostcli::toSetting("--param", "ID", value, id, normalised, e))
                 return false;
             options.parameters.emplace_back(id, normalised);
             return true;
         }},
        {"--program", true, settings,
         [&](const std::string& value, std::string& e) { return hostcli::toProgram("--program", value, options.program, e); }},
        {"--chunk", true, state,
         [&](const std::string& value, std::string& e) {
             if (value != "All" && value != "elck") {
                 e = "--chunk takes All or elck, not '" + value + "'";
                 return false;
             }
             options.chunk = value;
             return true;
         }},
        {"--screenshot", true, edit,
         [&](const std::string& value, std::string& e) {
             if (value.empty()) {
                 e = "--screenshot needs a file name";
                 return false;
             }
             options.screenshot = value;
             return true;
         }},
        {"--duration", true, edit,
         [&](const std::string& value, std::string& e) {
             return takeWhole("--duration", value, 0, 24L * 60 * 60 * 1000, options.durationMs, e);
         }},
    };
    hostcli::ParsedArguments parsed;
    if (!hostcli::parseArguments(arguments, kCommands, rules, parsed, error))
        return false;
    options.help = parsed.help;
    options.command = parsed.command;
    options.files = parsed.files;
    // A WAV file carries its own rate; only a raw file needs to be told one.
    if (rateGiven && !options.raw) {
        error = "--rate is for --raw files: a WAV file's own rate is used";
        return false;
    }
    return true;
}

}  // namespace aaxhost
