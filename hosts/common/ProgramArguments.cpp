#include "hosts/common/ProgramArguments.h"

#ifdef _WIN32
#include "platform/win32/WideText.h"

#include <cwchar>

#include <windows.h>
#include <shellapi.h>
#endif

namespace hostcli {

#ifdef _WIN32

std::vector<std::string> programArguments(int argc, char** argv)
{
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide == nullptr)
        return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
    std::vector<std::string> arguments;
    for (int i = 1; i < count; ++i) {
        std::string argument;
        platform::fromWide(wide[i], std::wcslen(wide[i]), argument);
        arguments.push_back(argument);
    }
    LocalFree(wide);
    return arguments;
}

#else

std::vector<std::string> programArguments(int argc, char** argv)
{
    return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
}

#endif

}  // namespace hostcli
