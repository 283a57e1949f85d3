// The one way the command-line hosts read their arguments: a command, its files and its options. Options are
// written "--name value" or "--name=value"; "--help" or "-h" anywhere asks for the usage. The values every host
// shares (normalised values, settings, programs, whole numbers) are read by the helpers below, so the same text is
// taken or refused alike by vst2host, aaxhost and rtashost.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace hostcli {

struct OptionRule
{
    std::string name;                   // "--block"
    bool takesValue = false;
    std::vector<std::string> commands;  // the commands that take it; empty: every command
    // Stores the option (value is empty for a flag). False with error on a malformed value.
    std::function<bool(const std::string& value, std::string& error)> take;
};

// A rule for an option without a value that sets target.
OptionRule flagRule(const std::string& name, std::vector<std::string> commands, bool& target);

struct ParsedArguments
{
    bool help = false;  // --help or -h: print the usage and exit 0; nothing else was read
    std::string command;
    std::vector<std::string> files;  // the positional arguments, in order
};

// arguments: without the program's name; the first must be one of commands. Every argument that starts with "--"
// must be an option of rules that the command takes. False with error (exit 2) otherwise.
bool parseArguments(const std::vector<std::string>& arguments, const std::vector<std::string>& commands,
                    const std::vector<OptionRule>& rules, ParsedArguments& parsed, std::string& error);

// A normalised value: a finite number from 0 to 1, the whole text.
bool toNormalised(const std::string& text, double& value);
// KEY=VALUE with a non-empty KEY and a normalised VALUE; error names the option and the form, with keyName for KEY.
bool toSetting(const std::string& option, const std::string& keyName, const std::string& text, std::string& key,
               double& value, std::string& error);
// A program's number or name: any text but the empty one.
bool toProgram(const std::string& option, const std::string& text, std::string& program, std::string& error);
// A whole number from low to high.
bool toWholeNumber(const std::string& option, const std::string& text, long low, long high, long& value,
                   std::string& error);
// A finite number above 0.
bool toPositive(const std::string& option, const std::string& text, double& value, std::string& error);

}  // namespace hostcli
