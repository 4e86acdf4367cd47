#pragma once

#include <string>

// Marks the one running saver of a user: an exclusive lock on a file in the
// user's runtime folder. The system drops the lock when the holder ends, even
// when it crashes, so a stale file never blocks the next saver.
class SingleInstanceLock {
public:
    // Tries to take the lock on the file at path; see Held().
    explicit SingleInstanceLock(const std::string& path = DefaultPath());
    ~SingleInstanceLock();

    SingleInstanceLock(const SingleInstanceLock&) = delete;
    SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

    bool Held() const { return fd_ >= 0; }
    // True only when another process holds the lock. A lock file that cannot
    // be opened at all does not count: that must not keep the saver away.
    bool HeldByAnother() const { return heldByAnother_; }

    // $XDG_RUNTIME_DIR/glintfall-saver<display>.lock, or
    // /tmp/glintfall-<uid><display>.lock when the session has no runtime
    // folder: one saver per user and X display.
    static std::string DefaultPath();

private:
    int fd_ = -1;
    bool heldByAnother_ = false;
};
