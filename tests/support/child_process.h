#pragma once
// Runs a piece of a test in a forked child process: as the unprivileged user "nobody" where root
// would hide a fault (root may write any file), and with a time limit where a fault would hang.
#include <functional>
#include <string>

namespace wertan::test {

struct ChildResult {
    bool finished = false; // exited by itself (not killed, not out of time)
    int exitCode = -1;
    std::string output; // what the body returned
};

// The user a child drops to.
struct ChildUser {
    bool dropToNobody = false;
    // Extra group the child keeps (for files shared through a group); -1 for none.
    long extraGroup = -1;
    // Run as root before the drop (say, to mount a small file system in a private namespace);
    // the child ends with exit code 91 when it returns false.
    std::function<bool()> asRoot;
};

// Runs `body` in a child and returns its text. The child ends with exit code 0 after the body;
// it is killed after `seconds`.
ChildResult runInChild(const std::function<std::string()>& body, ChildUser user = {}, int seconds = 30);

// True when this process may drop to another user (it runs as root).
bool canDropToNobody();

// The user and group ids of "nobody" and "nogroup".
unsigned nobodyUid();
unsigned nobodyGid();

} // namespace wertan::test
