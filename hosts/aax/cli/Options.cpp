#include "hosts/aax/cli/Options.h"

#include "hosts/common/NumberArguments.h"

#include <cstdlib>

namespace aaxhost {

using hostcli::toInt;
using hostcli::toNumber;

bool parseOptions(int argc, char** argv, Options& options, std::string& error)
{
    if (argc < 2)
    {
        error = "no command";
        return false;
    }
    options.command = argv[1];
    for (int i = 2; i < argc; ++i)
    {
        const std::string arg = argv[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= argc)
            {
                error = arg + " needs a value";
                return false;
            }
            out = argv[++i];
            return true;
        };
        std::string text;
        if (arg == "--config")
        {
            if (!value(text) || !toInt(text, options.configuration) || options.configuration < 0 ||
                options.configuration > 2)
                return error.empty() ? (error = "--config takes 0, 1 or 2", false) : false;
        }
        else if (arg == "--block")
        {
            if (!value(text) || !toInt(text, options.block) || options.block < 1 || options.block > 65536)
                return error.empty() ? (error = "--block takes 1 to 65536", false) : false;
        }
        else if (arg == "--rate")
        {
            if (!value(text) || !toNumber(text, options.rate) || options.rate <= 0)
                return error.empty() ? (error = "--rate takes a positive number", false) : false;
        }
        else if (arg == "--bypass")
            options.bypass = true;
        else if (arg == "--raw")
            options.raw = true;
        else if (arg == "--param")
        {
            if (!value(text))
                return false;
            const size_t equals = text.find('=');
            double number = 0;
            if (equals == std::string::npos || equals == 0 || !toNumber(text.substr(equals + 1), number))
            {
                error = "--param takes ID=VALUE";
                return false;
            }
            options.parameters.emplace_back(text.substr(0, equals), number);
        }
        else if (arg == "--program")
        {
            if (!value(options.program))
                return false;
        }
        else if (arg == "--chunk")
        {
            if (!value(options.chunk))
                return false;
            if (options.chunk != "All" && options.chunk != "elck")
            {
                error = "--chunk takes All or elck";
                return false;
            }
        }
        else if (arg == "--screenshot")
        {
            if (!value(options.screenshot))
                return false;
        }
        else if (arg == "--duration")
        {
            if (!value(text) || !toInt(text, options.durationMs) || options.durationMs < 0)
                return error.empty() ? (error = "--duration takes milliseconds", false) : false;
        }
        else if (arg.size() > 2 && arg.compare(0, 2, "--") == 0)
        {
            error = "unknown option " + arg;
            return false;
        }
        else
            options.files.push_back(arg);
    }
    return true;
}

}  // namespace aaxhost
