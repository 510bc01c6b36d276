#include "files/HostStatus.h"

#include <fcntl.h>
#include <sys/sysmacros.h>

#include <cerrno>

namespace platform {

namespace {

struct timespec timeOf(const struct statx_timestamp& stamp)
{
    struct timespec time {};
    time.tv_sec = time_t(stamp.tv_sec);
    time.tv_nsec = long(stamp.tv_nsec);
    return time;
}

int statusOf(int folder, const char* path, int flags, HostStatus* status)
{
    struct statx found {};
    if (statx(folder, path, flags | AT_SYMLINK_NOFOLLOW, STATX_BASIC_STATS | STATX_BTIME, &found) != 0)
        return errno;
    struct stat& info = status->info;
    info = {};
    info.st_dev = makedev(found.stx_dev_major, found.stx_dev_minor);
    info.st_ino = ino_t(found.stx_ino);
    info.st_mode = mode_t(found.stx_mode);
    info.st_nlink = nlink_t(found.stx_nlink);
    info.st_uid = found.stx_uid;
    info.st_gid = found.stx_gid;
    info.st_rdev = makedev(found.stx_rdev_major, found.stx_rdev_minor);
    info.st_size = off_t(found.stx_size);
    info.st_blksize = blksize_t(found.stx_blksize);
    info.st_blocks = blkcnt_t(found.stx_blocks);
    info.st_atim = timeOf(found.stx_atime);
    info.st_mtim = timeOf(found.stx_mtime);
    info.st_ctim = timeOf(found.stx_ctime);
    status->birth.reset();
    if (found.stx_mask & STATX_BTIME)
        status->birth = timeOf(found.stx_btime);
    return 0;
}

} // namespace

int hostStatusOf(int folder, const char* path, HostStatus* status)
{
    return statusOf(folder, path, 0, status);
}

int hostStatusOfHandle(int handle, HostStatus* status)
{
    return statusOf(handle, "", AT_EMPTY_PATH, status);
}

int hostStatusOf(const std::string& path, HostStatus* status)
{
    return hostStatusOf(AT_FDCWD, path.c_str(), status);
}

} // namespace platform
