#include "files/MacDates.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>

namespace platform {

namespace {

constexpr SInt64 kSecondsFrom1904To1970 = 2082844800;
constexpr SInt64 kLatestMacDate = 0xFFFFFFFF;

} // namespace

UInt32 macDateOf(const struct timespec& hostTime)
{
    SInt64 seconds = SInt64(hostTime.tv_sec) + kSecondsFrom1904To1970;
    if (seconds < 0)
        return 0;
    return UInt32(seconds > kLatestMacDate ? kLatestMacDate : seconds);
}

struct timespec hostTimeOf(UInt32 macDate)
{
    struct timespec hostTime {};
    hostTime.tv_sec = time_t(SInt64(macDate) - kSecondsFrom1904To1970);
    return hostTime;
}

UInt32 creationDateOf(const std::optional<struct timespec>& birth, const struct stat& info)
{
    return birth ? macDateOf(*birth) : modificationDateOf(info);
}

UInt32 modificationDateOf(const struct stat& info)
{
    return macDateOf(info.st_mtim);
}

int setModificationDate(int folder, const char* name, UInt32 macDate)
{
    struct timespec times[2] = {{0, UTIME_OMIT}, hostTimeOf(macDate)};
    return utimensat(folder, name, times, AT_SYMLINK_NOFOLLOW) == 0 ? 0 : errno;
}

} // namespace platform
