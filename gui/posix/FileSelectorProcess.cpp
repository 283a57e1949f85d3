// Starting a file dialog program and reading what it prints.
#include <cerrno>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "gui/posix/FileSelectorCommand.h"

extern char** environ;

namespace {

// More than any path; what goes beyond is read and dropped so the child never blocks on a full pipe.
constexpr size_t kMaxOutput = 1 << 16;

class SpawnActions
{
public:
    SpawnActions() : ok_(::posix_spawn_file_actions_init(&actions_) == 0) {}
    ~SpawnActions()
    {
        if (ok_)
            ::posix_spawn_file_actions_destroy(&actions_);
    }
    SpawnActions(const SpawnActions&) = delete;
    SpawnActions& operator=(const SpawnActions&) = delete;

    bool ok() const { return ok_; }
    posix_spawn_file_actions_t* get() { return &actions_; }

private:
    posix_spawn_file_actions_t actions_;
    bool ok_;
};

}  // namespace

ChildOutput runCapturingOutput(const std::vector<std::string>& argv)
{
    ChildOutput result;
    if (argv.empty())
        return result;
    int pipeEnds[2];
    if (::pipe2(pipeEnds, O_CLOEXEC) != 0)
        return result;

    std::vector<std::string> storage(argv);
    std::vector<char*> args;
    for (std::string& arg : storage)
        args.push_back(&arg[0]);
    args.push_back(nullptr);

    SpawnActions actions;
    pid_t child = 0;
    int spawned = -1;
    // dup2 onto stdout clears close-on-exec there; the pipe's own ends close in the child on exec.
    if (actions.ok() && ::posix_spawn_file_actions_addopen(actions.get(), 0, "/dev/null", O_RDONLY, 0) == 0 &&
        ::posix_spawn_file_actions_adddup2(actions.get(), pipeEnds[1], 1) == 0)
        spawned = ::posix_spawnp(&child, args[0], actions.get(), nullptr, args.data(), environ);
    ::close(pipeEnds[1]);
    if (spawned != 0) {
        ::close(pipeEnds[0]);
        return result;
    }
    result.started = true;

    char buffer[4096];
    for (;;) {
        const ssize_t got = ::read(pipeEnds[0], buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        if (result.output.size() < kMaxOutput)
            result.output.append(buffer, static_cast<size_t>(got));
    }
    ::close(pipeEnds[0]);

    int status = 0;
    pid_t waited;
    do {
        waited = ::waitpid(child, &status, 0);
    } while (waited < 0 && errno == EINTR);
    if (waited == child && WIFEXITED(status)) {
        result.exited = true;
        result.exitCode = WEXITSTATUS(status);
    } else if (waited < 0 && errno == ECHILD) {
        // A host that reaps every child itself took the status; the dialogs print a path only when one was chosen.
        result.exited = true;
        result.exitCode = result.output.empty() ? 1 : 0;
    }
    return result;
}
