#include "platform/SingleInstanceLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

SingleInstanceLock::SingleInstanceLock(const std::string& path) {
    const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) {
        return;
    }
    // A lock belongs to the open file, so a second open of the same file
    // competes for it even within one process.
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        heldByAnother_ = errno == EWOULDBLOCK;
        close(fd);
        return;
    }
    fd_ = fd;
}

SingleInstanceLock::~SingleInstanceLock() {
    if (fd_ >= 0) {
        close(fd_);
    }
}

std::string SingleInstanceLock::DefaultPath() {
    // One saver per user and display: a saver on a virtual display of its
    // own (a screenshot run, a test) does not keep the desktop's away.
    std::string display;
    if (const char* name = std::getenv("DISPLAY")) {
        for (const char c : std::string(name)) {
            display += (c == '/' ? '_' : c);
        }
    }
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && *runtime != '\0') {
        return std::string(runtime) + "/glintfall-saver" + display + ".lock";
    }
    return "/tmp/glintfall-" + std::to_string(getuid()) + display + ".lock";
}
