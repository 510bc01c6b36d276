#include "core/LibSystem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "core/Environment.h"

namespace platform {

std::string hostPathOfVolumePath(const char* volumePath)
{
    std::string relative = volumePath ? volumePath : "";
    while (!relative.empty() && relative.front() == '/')
        relative.erase(0, 1);
    return Environment::rootPath(relative);
}

namespace {

int writeAll(int fd, const std::string& text)
{
    size_t done = 0;
    while (done < text.size()) {
        ssize_t written = ::write(fd, text.data() + done, text.size() - done);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        done += size_t(written);
    }
    return 0;
}

} // namespace

int appendToVolumeFile(const char* volumePath, const std::string& text, unsigned mode)
{
    std::string path = hostPathOfVolumePath(volumePath);
    // O_NONBLOCK keeps a FIFO planted at the path from blocking the open.
    int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0666);
    if (fd < 0)
        return errno;
    struct stat status {};
    int result = 0;
    if (::fstat(fd, &status) != 0)
        result = errno;
    else if (!S_ISREG(status.st_mode) || status.st_nlink != 1)
        result = EPERM;
    if (result == 0)
        result = writeAll(fd, text);
    if (result == 0 && ::fchmod(fd, mode_t(mode)) != 0)
        result = errno;
    ::close(fd);
    return result;
}

} // namespace platform
