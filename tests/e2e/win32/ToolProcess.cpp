// CreateProcess with one pipe for standard output and error, and the null device as input. The command line is quoted
// by the rules the C runtime's argument parser undoes, so paths with spaces or quotes arrive unchanged.
#include "tests/e2e/ToolProcess.h"

#include <windows.h>

namespace e2e {
namespace {

std::string quotedArgument(const std::string& text)
{
    std::string quoted = "\"";
    size_t backslashes = 0;
    for (char c : text) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        // Backslashes are literal unless they precede a quote.
        quoted.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
        backslashes = 0;
        quoted += c;
    }
    // Before the closing quote they must be doubled too.
    quoted.append(2 * backslashes, '\\');
    return quoted + "\"";
}

class Handle
{
public:
    explicit Handle(HANDLE handle = nullptr) : handle_(handle) {}
    ~Handle() { reset(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE get() const { return handle_; }
    HANDLE* out() { return &handle_; }
    void reset()
    {
        if (handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE)
            CloseHandle(handle_);
        handle_ = nullptr;
    }

private:
    HANDLE handle_;
};

}  // namespace

ToolRun runTool(const std::string& tool, const std::vector<std::string>& arguments)
{
    ToolRun run;
    std::string commandLine = quotedArgument(tool);
    for (const std::string& argument : arguments)
        commandLine += " " + quotedArgument(argument);

    SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    Handle readEnd;
    Handle writeEnd;
    if (!CreatePipe(readEnd.out(), writeEnd.out(), &inherited, 0))
        return run;
    // The tool inherits the write end and the null device, not our read end.
    SetHandleInformation(readEnd.get(), HANDLE_FLAG_INHERIT, 0);
    Handle nullInput(CreateFileA("NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherited, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = nullInput.get();
    startup.hStdOutput = writeEnd.get();
    startup.hStdError = writeEnd.get();
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process))
        return run;
    Handle processHandle(process.hProcess);
    Handle threadHandle(process.hThread);
    // The tool has its copies now.
    writeEnd.reset();
    nullInput.reset();

    // The end of the output is the tool's exit, not the pipe's end: a process the tool starts in turn (Wine's desktop
    // process, for one) may inherit the pipe and keep it open for as long as it lives.
    const auto readWhatIsThere = [&] {
        char buffer[4096];
        DWORD available = 0;
        DWORD count = 0;
        while (PeekNamedPipe(readEnd.get(), nullptr, 0, nullptr, &available, nullptr) && available > 0 &&
               ReadFile(readEnd.get(), buffer, sizeof buffer, &count, nullptr) && count > 0)
            run.output.append(buffer, count);
    };
    while (WaitForSingleObject(processHandle.get(), 10) == WAIT_TIMEOUT)
        readWhatIsThere();
    readWhatIsThere();
    // The tool writes text mode: its line ends come back as they are written on every other system.
    std::string lines;
    for (size_t i = 0; i < run.output.size(); ++i)
        if (!(run.output[i] == '\r' && i + 1 < run.output.size() && run.output[i + 1] == '\n'))
            lines += run.output[i];
    run.output = lines;
    DWORD exitCode = 0;
    if (GetExitCodeProcess(processHandle.get(), &exitCode))
        run.exitCode = static_cast<int>(exitCode);
    return run;
}

}  // namespace e2e
