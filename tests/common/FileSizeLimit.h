#pragma once
// Runs code in a child process whose files cannot grow past a limit, so its
// writes fail part-way the way they do on a full disk.

#include <functional>
#include <optional>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

// What `work` returned in the child; nothing when the child did not finish.
inline std::optional<bool> RunWithFileSizeLimit(rlim_t bytes, const std::function<bool()>& work)
{
    const pid_t child = fork();
    if (child < 0) return std::nullopt;
    if (child == 0) {
        signal(SIGXFSZ, SIG_IGN); // the write then fails with EFBIG instead of killing the child
        const rlimit limit{bytes, bytes};
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(3);
        _exit(work() ? 0 : 1);
    }
    int status = 0;
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) > 1) return std::nullopt;
    return WEXITSTATUS(status) == 0;
}
