#include "platform/os/InstanceLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace platform {

InstanceLock::~InstanceLock() {
    if (fd_ >= 0) ::close(fd_);
}

std::unique_ptr<InstanceLock> InstanceLock::Acquire(const std::string& path, Result& result,
                                                    std::string& error) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) {
        result = Result::Failed;
        error = "Cannot open the lock file " + path + ": " + std::strerror(errno);
        return nullptr;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int err = errno;
        ::close(fd);
        if (err == EWOULDBLOCK) {
            result = Result::HeldElsewhere;
            return nullptr;
        }
        result = Result::Failed;
        error = "Cannot lock " + path + ": " + std::strerror(err);
        return nullptr;
    }
    result = Result::Acquired;
    return std::unique_ptr<InstanceLock>(new InstanceLock(fd));
}

}  // namespace platform
