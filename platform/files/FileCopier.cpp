// The copy is created under its name only where that name is free (O_EXCL),
// so an existing item is never replaced, and it is removed again when
// anything fails, so no partial file is left. (An unnamed O_TMPFILE linked
// into place at the end would hide the copy while it is written, but on ext4
// it made copying many small files several times slower.) Data is cloned where
// the file system can share blocks, else copied in the kernel
// (copy_file_range), else through one buffer, so memory stays flat whatever
// the file's size. The copy gets the default mode of a new file, never the
// source's.

#include "files/FileCopier.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <utility>
#include <vector>

#include "files/FinderMetadata.h"
#include "files/HostErrors.h"
#include "files/MacNames.h"
#include "files/VolumeTable.h"

namespace platform {

namespace {

constexpr size_t kFallbackBufferSize = 64 * 1024;

class Descriptor {
public:
    explicit Descriptor(int descriptor = -1) : descriptor_(descriptor) {}
    ~Descriptor()
    {
        if (descriptor_ >= 0)
            close(descriptor_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return descriptor_; }
    bool valid() const { return descriptor_ >= 0; }

private:
    int descriptor_;
};

OSErr copyThroughBuffer(int from, int to, char* buffer, size_t bufferSize)
{
    std::vector<char> own;
    if (!buffer || bufferSize == 0) {
        own.resize(kFallbackBufferSize);
        buffer = own.data();
        bufferSize = own.size();
    }
    while (true) {
        ssize_t got = read(from, buffer, bufferSize);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return macErrorOf(errno);
        if (got == 0)
            return noErr;
        for (ssize_t done = 0; done < got;) {
            ssize_t put = write(to, buffer + done, size_t(got - done));
            if (put < 0 && errno == EINTR)
                continue;
            if (put <= 0)
                return put < 0 ? macErrorOf(errno) : OSErr(ioErr);
            done += put;
        }
    }
}

// Clones the data where the file systems share blocks. A pair of source
// and destination file systems that refused once is not asked again, so that
// a folder of many files costs one refusal, not one per file.
bool cloneData(int from, int to, dev_t sourceDevice, dev_t destinationDevice)
{
    static std::pair<dev_t, dev_t> refusing{0, 0};
    if (refusing == std::pair(sourceDevice, destinationDevice))
        return false;
    if (ioctl(to, FICLONE, from) == 0)
        return true;
    if (errno == EOPNOTSUPP || errno == EXDEV || errno == EINVAL || errno == ENOTTY)
        refusing = {sourceDevice, destinationDevice};
    return false;
}

// Copies the length the source had when it was looked at. Where the kernel
// stops short (the file shrank, or its file system gives nothing this way)
// the rest is read through the buffer up to the file's end.
OSErr copyData(int from, int to, SInt64 length, char* buffer, size_t bufferSize)
{
    SInt64 copied = 0;
    while (copied < length) {
        ssize_t moved = copy_file_range(from, nullptr, to, nullptr, size_t(length - copied), 0);
        if (moved < 0 && errno == EINTR)
            continue;
        if (moved < 0) {
            if (errno == EXDEV || errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP || errno == EBADF)
                break;
            return macErrorOf(errno);
        }
        if (moved == 0)
            break;
        copied += moved;
    }
    if (copied >= length)
        return noErr;
    if (lseek(from, off_t(copied), SEEK_SET) < 0 || lseek(to, off_t(copied), SEEK_SET) < 0)
        return macErrorOf(errno);
    return copyThroughBuffer(from, to, buffer, bufferSize);
}

// Resource fork, Finder information and comment, from the open source to the
// open copy. A file system without user attributes keeps the data without
// them; running out of room is an error.
OSErr copyMetadata(int from, int to)
{
    MacAttributes present = macAttributesOf(from);
    std::pair<const char*, bool> attributes[] = {{kResourceForkAttribute, present.resourceFork},
                                                 {kFinderInfoAttribute, present.finderInfo},
                                                 {kFinderCommentAttribute, present.comment}};
    for (auto [name, isPresent] : attributes) {
        if (!isPresent)
            continue;
        auto value = readAttribute(from, name);
        if (!value)
            continue;
        if (fsetxattr(to, name, value->data(), value->size(), 0) != 0 && (errno == ENOSPC || errno == EDQUOT))
            return dskFulErr;
    }
    return noErr;
}

} // namespace

FileCopier::FileCopier(const Item& source, const OpenFolder& folder, std::string diskName, char* buffer,
                       size_t bufferSize)
    : source_(source), folder_(folder), diskName_(std::move(diskName)), buffer_(buffer), bufferSize_(bufferSize)
{
}

int FileCopier::openSource() const
{
    return openat(source_.atFolder(), source_.atName(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
}

OSErr FileCopier::copy()
{
    if (source_.isLink())
        return copyLink();
    Descriptor from(openSource());
    if (!from.valid())
        return macErrorOf(errno, HostOperation::open);
    Descriptor to(openat(folder_.handle, diskName_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                         0666));
    if (!to.valid())
        return macErrorOf(errno, HostOperation::create);
    OSErr err = fill(from.get(), to.get());
    if (err != noErr)
        removeCopy(to.get());
    return err;
}

OSErr FileCopier::fill(int from, int to)
{
    SInt64 length = SInt64(source_.info.st_size);
    OSErr err = noErr;
    if (length > 0 && !cloneData(from, to, source_.info.st_dev, folder_.device))
        err = copyData(from, to, length, buffer_, bufferSize_);
    if (err == noErr)
        err = copyMetadata(from, to);
    if (err != noErr)
        return err;
    struct timespec times[2] = {{0, UTIME_OMIT}, source_.info.st_mtim};
    futimens(to, times);
    return noErr;
}

// Removes the name of a failed copy while it still names that copy, never
// an item another program has put in its place meanwhile.
void FileCopier::removeCopy(int copy)
{
    struct stat made {};
    struct stat named {};
    if (fstat(copy, &made) == 0 && fstatat(folder_.handle, diskName_.c_str(), &named, AT_SYMLINK_NOFOLLOW) == 0 &&
        made.st_dev == named.st_dev && made.st_ino == named.st_ino)
        unlinkat(folder_.handle, diskName_.c_str(), 0);
}

OSErr FileCopier::copyLink()
{
    std::vector<char> target(std::max<size_t>(size_t(source_.info.st_size) + 1, PATH_MAX));
    ssize_t length = readlinkat(source_.atFolder(), source_.atName(), target.data(), target.size() - 1);
    if (length < 0)
        return macErrorOf(errno);
    target[size_t(length)] = '\0';
    if (symlinkat(target.data(), folder_.handle, diskName_.c_str()) != 0)
        return macErrorOf(errno, HostOperation::create);
    struct timespec times[2] = {{0, UTIME_OMIT}, source_.info.st_mtim};
    utimensat(folder_.handle, diskName_.c_str(), times, AT_SYMLINK_NOFOLLOW);
    return noErr;
}

} // namespace platform
