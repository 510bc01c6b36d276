#include "core/Transcript.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdio>

#include "core/Environment.h"

namespace platform {

std::string Transcript::quote(const std::string& text)
{
    std::string quoted = "\"";
    for (unsigned char c : text) {
        switch (c) {
        case '\\': quoted += "\\\\"; break;
        case '"': quoted += "\\\""; break;
        case '\n': quoted += "\\n"; break;
        case '\r': quoted += "\\r"; break;
        case '\t': quoted += "\\t"; break;
        default:
            if (c < 32) {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\x%02X", c);
                quoted += escape;
            } else {
                quoted += char(c);
            }
        }
    }
    return quoted + "\"";
}

void Transcript::write(const std::string& event)
{
    std::string path = Environment::transcript();
    if (path.empty())
        return;
    int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd < 0)
        return;
    std::string line = std::to_string(::getpid()) + " " + event + "\n";
    ::flock(fd, LOCK_EX);
    const char* data = line.data();
    size_t left = line.size();
    while (left > 0) {
        ssize_t written = ::write(fd, data, left);
        if (written <= 0)
            break;
        data += written;
        left -= size_t(written);
    }
    ::flock(fd, LOCK_UN);
    ::close(fd);
}

} // namespace platform
