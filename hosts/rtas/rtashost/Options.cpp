#include "hosts/rtas/rtashost/Options.h"

#include "hosts/common/NumberArguments.h"
#include "hosts/common/OptionParser.h"

namespace rtashost {

const char kUsage[] =
    "usage: rtashost info PLUGIN [--type ID]\n"
    "       rtashost render PLUGIN IN OUT [--type Kvmm|Kvms|Kvss|Kvas|Kvam] [--quantum N] [--buffer N] [--bypass]\n"
    "                       [--control ID=VALUE ...] [--program NAME|NUMBER]\n"
    "       rtashost save-state PLUGIN FILE [--elck] [--type ID] [--control ID=VALUE ...] [--program NAME|NUMBER]\n"
    "       rtashost load-state PLUGIN FILE [--elck] [--type ID]\n"
    "       rtashost --help\n"
    "\n"
    "IN and OUT: raw little-endian 32-bit floats, channels interleaved, 44100 Hz: IN with the type's input\n"
    "channels (Kvmm, Kvms and Kvas: 1; Kvss and Kvam: 2), OUT with its output channels (Kvmm and Kvas: 1;\n"
    "the others: 2). ID: a control's number (1 is \"Master Bypass\", parameter i is control i+2). VALUE: a number\n"
    "from 0 to 1.\n"
    "Exit codes: 0 done, 1 failed (one line says why), 2 malformed command line.\n";

namespace {

const std::vector<std::string> kCommands = {"info", "render", "save-state", "load-state"};

}  // namespace

bool parseOptions(const std::vector<std::string>& arguments, Options& options, std::string& error)
{
    options = Options{};
    const std::vector<std::string> render = {"render"};
    const std::vector<std::string> settings = {"render", "save-state"};
    const std::vector<std::string> state = {"save-state", "load-state"};
    // The plug-in's rows hold 65536 samples.
    const auto samples = [](const std::string& option, const std::string& value, int& target, std::string& e) {
        long number = 0;
        if (!hostcli::toWholeNumber(option, value, 1, 65536, number, e))
            return false;
        target = static_cast<int>(number);
        return true;
    };
    const std::vector<hostcli::OptionRule> rules = {
        {"--type", true, {},
         [&](const std::string& value, std::string& e) {
             if (value.size() != 4) {
                 e = "--type takes a four-character type ID, not '" + value + "'";
                 return false;
             }
             options.type = value;
             return true;
         }},
        {"--quantum", true, render,
         [&](const std::string& value, std::string& e) { return samples("--quantum", value, options.quantum, e); }},
        {"--buffer", true, render,
         [&](const std::string& value, std::string& e) { return samples("--buffer", value, options.buffer, e); }},
        hostcli::flagRule("--bypass", render, options.bypass),
        hostcli::flagRule("--elck", state, options.elck),
        {"--control", true, settings,
         [&](const std::string& value, std::string& e) {
             std::string key;
             double normalised = 0.0;
             int id = 0;
             if (!hostcli::toSetting("--control", "ID", value, key, normalised, e))
                 return false;
             if (!hostcli::toInt(key, id)) {
                 e = "--control wants ID=VALUE with ID a control's number, not '" + value + "'";
                 return false;
             }
             options.controls.emplace_back(id, normalised);
             return true;
         }},
        {"--program", true, settings,
         [&](const std::string& value, std::string& e) { return hostcli::toProgram("--program", value, options.program, e); }},
    };
    hostcli::ParsedArguments parsed;
    if (!hostcli::parseArguments(arguments, kCommands, rules, parsed, error))
        return false;
    options.help = parsed.help;
    options.command = parsed.command;
    options.files = parsed.files;
    return true;
}

}  // namespace rtashost
