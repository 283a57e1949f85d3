// The desktop's file dialog programs, run as child processes: what to ask them and how to read their answer.
#pragma once

#include <string>
#include <vector>

class CNewFileSelector;

enum class FileDialogTool
{
    Zenity,
    KDialog,
};

// The argument vector, program name first, that asks the tool for the selector's dialog.
std::vector<std::string> fileDialogArguments(FileDialogTool tool, const CNewFileSelector& selector);

// The path the tool printed without its line end; for a save, a name without an extension gets the default one.
// Empty when nothing usable was printed.
std::string chosenPath(const std::string& output, const CNewFileSelector& selector);

// What a child process did: whether it could be started at all, how it ended, and what it wrote to its stdout.
struct ChildOutput
{
    bool started = false;
    bool exited = false;  // ended by exit (not by a signal); exitCode then holds its code
    int exitCode = -1;
    std::string output;
};

// Runs argv[0], looked up on PATH, with the arguments as they stand (no shell sees them), stdin from /dev/null and
// stdout captured, and waits for it to end.
ChildOutput runCapturingOutput(const std::vector<std::string>& argv);
