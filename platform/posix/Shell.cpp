#include "platform/Shell.h"

#include <filesystem>
#include <mutex>
#include <system_error>
#include <vector>

#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace platform {

namespace {

// Children started earlier, reaped once they have ended so they do not linger as zombies. No thread waits for them:
// one left running inside a host could outlive the plug-in's code when the host unloads it.
std::mutex gChildrenMutex;
std::vector<pid_t> gChildren;

void reapEndedChildren()
{
    for (size_t i = 0; i < gChildren.size();) {
        const pid_t done = ::waitpid(gChildren[i], nullptr, WNOHANG);
        // 0: still running; otherwise ended and reaped, or no longer ours to reap (the host reaped it).
        if (done == 0) {
            ++i;
        } else {
            gChildren[i] = gChildren.back();
            gChildren.pop_back();
        }
    }
}

// False when no program could be started for it.
bool openDocument(const std::string& path)
{
    // The path goes to the program as one argument of its own; no shell ever sees it.
    std::string program = "xdg-open";
    std::string argument = path;
    char* argv[] = {&program[0], &argument[0], nullptr};
    pid_t child = 0;
    if (::posix_spawnp(&child, "xdg-open", nullptr, nullptr, argv, environ) != 0)
        return false;
    std::lock_guard<std::mutex> lock(gChildrenMutex);
    reapEndedChildren();
    gChildren.push_back(child);
    return true;
}

}  // namespace

// The opener itself finds the program for the document's type, after it has started; what can be told here is a
// missing document and a missing opener (no program to find associations with).
OpenResult openDocumentFrom(void*, const std::string& path)
{
    std::error_code error;
    if (path.empty() || !std::filesystem::exists(std::filesystem::u8path(path), error))
        return OpenResult::Failed;
    return openDocument(path) ? OpenResult::Opened : OpenResult::NoApplication;
}

}  // namespace platform
