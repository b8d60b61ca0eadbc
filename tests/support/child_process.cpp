#include "support/child_process.h"

#include <cerrno>
#include <csignal>
#include <ctime>
#include <grp.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

namespace wertan::test {

unsigned nobodyUid() {
    const passwd* user = ::getpwnam("nobody");
    return user ? unsigned(user->pw_uid) : 65534u;
}

unsigned nobodyGid() {
    const passwd* user = ::getpwnam("nobody");
    return user ? unsigned(user->pw_gid) : 65534u;
}

bool canDropToNobody() {
    return ::geteuid() == 0;
}

ChildResult runInChild(const std::function<std::string()>& body, ChildUser user, int seconds) {
    ChildResult result;
    int channel[2];
    if (::pipe(channel) != 0) return result;
    const uid_t uid = nobodyUid();
    const gid_t gid = nobodyGid();
    const pid_t pid = ::fork();
    if (pid < 0) return result;
    if (pid == 0) {
        ::close(channel[0]);
        if (user.asRoot && !user.asRoot()) ::_exit(91);
        if (user.dropToNobody) {
            gid_t groups[2] = {gid, gid};
            int count = 1;
            if (user.extraGroup >= 0) groups[count++] = gid_t(user.extraGroup);
            if (::setgroups(std::size_t(count), groups) != 0 || ::setgid(gid) != 0 || ::setuid(uid) != 0)
                ::_exit(90);
        }
        const std::string text = body();
        std::size_t done = 0;
        while (done < text.size()) {
            const ssize_t n = ::write(channel[1], text.data() + done, text.size() - done);
            if (n <= 0) break;
            done += std::size_t(n);
        }
        ::_exit(0);
    }
    ::close(channel[1]);
    // The output is read as it comes, so a large one cannot block the child.
    timespec start{};
    ::clock_gettime(CLOCK_MONOTONIC, &start);
    char buffer[4096];
    for (;;) {
        fd_set set;
        FD_ZERO(&set);
        FD_SET(channel[0], &set);
        timeval wait{1, 0};
        const int ready = ::select(channel[0] + 1, &set, nullptr, nullptr, &wait);
        if (ready > 0) {
            const ssize_t n = ::read(channel[0], buffer, sizeof buffer);
            if (n <= 0) break;
            result.output.append(buffer, std::size_t(n));
        }
        timespec now{};
        ::clock_gettime(CLOCK_MONOTONIC, &now);
        if (now.tv_sec - start.tv_sec > seconds) {
            ::kill(pid, SIGKILL);
            break;
        }
    }
    ::close(channel[0]);
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    result.finished = WIFEXITED(status);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

} // namespace wertan::test
