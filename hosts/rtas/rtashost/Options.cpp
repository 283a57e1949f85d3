#include "hosts/rtas/rtashost/Options.h"

#include <cstdlib>

namespace rtashost {
namespace {

bool toNumber(const std::string& text, double& value)
{
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return !text.empty() && end != nullptr && *end == '\0';
}

bool toInt(const std::string& text, int& value)
{
    double number = 0;
    if (!toNumber(text, number) || number < -2147483648.0 || number > 2147483647.0 || number != int(number))
        return false;
    value = int(number);
    return true;
}

}  // namespace

bool parseOptions(int argc, char** argv, Options& options, std::string& error)
{
    if (argc < 2) {
        error = "no command";
        return false;
    }
    options.command = argv[1];
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        std::string text;
        auto value = [&]() {
            if (i + 1 >= argc) {
                error = arg + " needs a value";
                return false;
            }
            text = argv[++i];
            return true;
        };
        if (arg == "--type") {
            if (!value())
                return false;
            if (text.size() != 4) {
                error = "--type takes a four-character type ID";
                return false;
            }
            options.type = text;
        } else if (arg == "--quantum" || arg == "--buffer") {
            int& target = arg == "--quantum" ? options.quantum : options.buffer;
            if (!value())
                return false;
            // The plug-in's rows hold 65536 samples.
            if (!toInt(text, target) || target < 1 || target > 65536) {
                error = arg + " takes 1 to 65536";
                return false;
            }
        } else if (arg == "--bypass") {
            options.bypass = true;
        } else if (arg == "--elck") {
            options.elck = true;
        } else if (arg == "--control") {
            if (!value())
                return false;
            const size_t equals = text.find('=');
            int id = 0;
            double number = 0;
            if (equals == std::string::npos || !toInt(text.substr(0, equals), id) ||
                !toNumber(text.substr(equals + 1), number) || number < 0.0 || number > 1.0) {
                error = "--control takes ID=VALUE with VALUE from 0 to 1";
                return false;
            }
            options.controls.emplace_back(id, number);
        } else if (arg == "--program") {
            if (!value())
                return false;
            options.program = text;
        } else if (arg.size() > 2 && arg.compare(0, 2, "--") == 0) {
            error = "unknown option " + arg;
            return false;
        } else {
            options.files.push_back(arg);
        }
    }
    return true;
}

}  // namespace rtashost
