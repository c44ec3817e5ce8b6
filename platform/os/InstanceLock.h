#pragma once

#include <memory>
#include <string>

namespace platform {

// One running copy at a time: an advisory lock on a file, held for the life of the object and released
// by the system when the process ends, however it ends.
class InstanceLock {
public:
    enum class Result { Acquired, HeldElsewhere, Failed };
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // Creates the lock file when missing (its folder must exist).
    static std::unique_ptr<InstanceLock> Acquire(const std::string& path, Result& result, std::string& error);

private:
    explicit InstanceLock(int fd) : fd_(fd) {}
    int fd_;
};

}  // namespace platform
