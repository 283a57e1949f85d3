#include "hosts/common/OptionParser.h"

#include "hosts/common/NumberArguments.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace hostcli {
namespace {

bool isHelp(const std::string& argument)
{
    return argument == "--help" || argument == "-h";
}

const OptionRule* findRule(const std::vector<OptionRule>& rules, const std::string& name)
{
    for (const OptionRule& rule : rules)
        if (rule.name == name)
            return &rule;
    return nullptr;
}

bool takenBy(const OptionRule& rule, const std::string& command)
{
    return rule.commands.empty() || std::find(rule.commands.begin(), rule.commands.end(), command) != rule.commands.end();
}

}  // namespace

OptionRule flagRule(const std::string& name, std::vector<std::string> commands, bool& target)
{
    return {name, false, std::move(commands), [&target](const std::string&, std::string&) {
                target = true;
                return true;
            }};
}

bool parseArguments(const std::vector<std::string>& arguments, const std::vector<std::string>& commands,
                    const std::vector<OptionRule>& rules, ParsedArguments& parsed, std::string& error)
{
    parsed = ParsedArguments{};
    // Help wins over everything else on the line, so "render --help" never tries to render.
    if (std::any_of(arguments.begin(), arguments.end(), isHelp)) {
        parsed.help = true;
        return true;
    }
    if (arguments.empty()) {
        error = "no command given";
        return false;
    }
    parsed.command = arguments[0];
    if (std::find(commands.begin(), commands.end(), parsed.command) == commands.end()) {
        error = "unknown command '" + parsed.command + "'";
        return false;
    }
    for (size_t at = 1; at < arguments.size(); ++at) {
        const std::string& argument = arguments[at];
        if (argument.size() < 2 || argument.compare(0, 2, "--") != 0) {
            parsed.files.push_back(argument);
            continue;
        }
        std::string name = argument;
        std::optional<std::string> inlineValue;
        if (const size_t equals = argument.find('='); equals != std::string::npos) {
            name = argument.substr(0, equals);
            inlineValue = argument.substr(equals + 1);
        }
        const OptionRule* rule = findRule(rules, name);
        if (rule == nullptr) {
            error = "unknown option '" + name + "'";
            return false;
        }
        if (!takenBy(*rule, parsed.command)) {
            error = parsed.command + " does not take " + name;
            return false;
        }
        std::string value;
        if (rule->takesValue) {
            if (inlineValue) {
                value = *inlineValue;
            } else if (at + 1 < arguments.size()) {
                value = arguments[++at];
            } else {
                error = name + " needs a value";
                return false;
            }
        } else if (inlineValue) {
            error = name + " takes no value";
            return false;
        }
        if (!rule->take(value, error))
            return false;
    }
    return true;
}

bool toNormalised(const std::string& text, double& value)
{
    double number = 0.0;
    if (!toNumber(text, number) || number < 0.0 || number > 1.0)
        return false;
    value = number;
    return true;
}

bool toSetting(const std::string& option, const std::string& keyName, const std::string& text, std::string& key,
               double& value, std::string& error)
{
    const size_t equals = text.find('=');
    if (equals == std::string::npos || equals == 0 || !toNormalised(text.substr(equals + 1), value)) {
        error = option + " wants " + keyName + "=VALUE with VALUE a number from 0 to 1, not '" + text + "'";
        return false;
    }
    key = text.substr(0, equals);
    return true;
}

bool toProgram(const std::string& option, const std::string& text, std::string& program, std::string& error)
{
    if (text.empty()) {
        error = option + " needs a name or a number";
        return false;
    }
    program = text;
    return true;
}

bool toWholeNumber(const std::string& option, const std::string& text, long low, long high, long& value,
                   std::string& error)
{
    double number = 0.0;
    if (!toNumber(text, number) || number < static_cast<double>(low) || number > static_cast<double>(high) ||
        number != static_cast<double>(static_cast<long>(number))) {
        error = option + " wants a whole number from " + std::to_string(low) + " to " + std::to_string(high) +
                ", not '" + text + "'";
        return false;
    }
    value = static_cast<long>(number);
    return true;
}

bool toPositive(const std::string& option, const std::string& text, double& value, std::string& error)
{
    double number = 0.0;
    if (!toNumber(text, number) || number <= 0.0) {
        error = option + " wants a number above 0, not '" + text + "'";
        return false;
    }
    value = number;
    return true;
}

}  // namespace hostcli
