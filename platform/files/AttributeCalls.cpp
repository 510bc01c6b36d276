#include "files/AttributeCalls.h"

#include <fcntl.h>
#include <linux/types.h>
#include <sys/syscall.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>

namespace platform {

namespace {

// The call numbers are the same on every architecture.
constexpr long kSetXattrAt = 463;
constexpr long kGetXattrAt = 464;
constexpr long kListXattrAt = 465;
constexpr long kRemoveXattrAt = 466;

struct XattrArguments {
    __aligned_u64 value;
    __u32 size;
    __u32 flags;
};

bool atCallsMissing = false;

// Runs the call taking the folder unless the kernel has shown that it lacks
// it, else the call on the item's path. A sandbox that forbids calls it does
// not know refuses them with EPERM; the path call then tells whether the
// refusal was the item's own.
template <typename AtCall, typename PathCall>
long callAt(AtCall atCall, PathCall pathCall)
{
    if (!atCallsMissing) {
        long result = atCall();
        if (result >= 0 || (errno != ENOSYS && errno != EPERM))
            return result;
        if (errno == EPERM) {
            long viaPath = pathCall();
            atCallsMissing = viaPath >= 0 || errno != EPERM;
            return viaPath;
        }
        atCallsMissing = true;
    }
    return pathCall();
}

// The path that reaches the item without the calls taking a folder.
std::string pathOf(int folder, const char* name)
{
    if (folder == AT_FDCWD)
        return name;
    char prefix[48];
    std::snprintf(prefix, sizeof prefix, "/proc/self/fd/%d/", folder);
    return prefix + std::string(name);
}

} // namespace

ssize_t listAttributesAt(int folder, const char* name, char* list, size_t size)
{
    return callAt([&] { return syscall(kListXattrAt, folder, name, AT_SYMLINK_NOFOLLOW, list, size); },
                  [&] { return llistxattr(pathOf(folder, name).c_str(), list, size); });
}

ssize_t getAttributeAt(int folder, const char* name, const char* attribute, void* value, size_t size)
{
    XattrArguments arguments{reinterpret_cast<__u64>(value), __u32(size), 0};
    return callAt(
        [&] {
            return syscall(kGetXattrAt, folder, name, AT_SYMLINK_NOFOLLOW, attribute, &arguments, sizeof arguments);
        },
        [&] { return lgetxattr(pathOf(folder, name).c_str(), attribute, value, size); });
}

int setAttributeAt(int folder, const char* name, const char* attribute, const void* value, size_t size)
{
    XattrArguments arguments{reinterpret_cast<__u64>(value), __u32(size), 0};
    return int(callAt(
        [&] {
            return syscall(kSetXattrAt, folder, name, AT_SYMLINK_NOFOLLOW, attribute, &arguments, sizeof arguments);
        },
        [&] { return lsetxattr(pathOf(folder, name).c_str(), attribute, value, size, 0); }));
}

int removeAttributeAt(int folder, const char* name, const char* attribute)
{
    return int(callAt([&] { return syscall(kRemoveXattrAt, folder, name, AT_SYMLINK_NOFOLLOW, attribute); },
                      [&] { return lremovexattr(pathOf(folder, name).c_str(), attribute); }));
}

void tryAttributeCallsAt(bool tried)
{
    atCallsMissing = !tried;
}

} // namespace platform
