// The file selector on Linux: zenity, or kdialog where zenity is missing, run as a child process.
#include <cstdio>

#include "gui/CNewFileSelector.h"
#include "gui/posix/FileSelectorCommand.h"

namespace {

// What a shell answers for a program it could not find or run.
constexpr int kExitNotFound = 127;
constexpr int kExitNotExecutable = 126;

class PosixFileSelector final : public CNewFileSelector
{
public:
    explicit PosixFileSelector(Style style) : CNewFileSelector(style) {}

protected:
    bool runModalInternal(std::vector<std::string>& selected) override
    {
        for (FileDialogTool tool : {FileDialogTool::Zenity, FileDialogTool::KDialog}) {
            const ChildOutput child = runCapturingOutput(fileDialogArguments(tool, *this));
            if (!child.started || (child.exited && (child.exitCode == kExitNotFound ||
                                                    child.exitCode == kExitNotExecutable)))
                continue;
            // Any other end than a clean exit is a cancel (or a dialog that could not show itself).
            if (!child.exited || child.exitCode != 0)
                return false;
            const std::string path = chosenPath(child.output, *this);
            if (path.empty())
                return false;
            selected.push_back(path);
            return true;
        }
        std::fprintf(stderr, "Qor Kalvenor: no file dialog could be shown; install zenity or kdialog to load and "
                             "save preset and bank files.\n");
        return false;
    }
};

}  // namespace

std::unique_ptr<CNewFileSelector> CNewFileSelector::createNative(Style style)
{
    return std::unique_ptr<CNewFileSelector>(new PosixFileSelector(style));
}
