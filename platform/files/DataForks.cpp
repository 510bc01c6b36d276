// Data fork access: FSpOpenDF and the calls on an open file reference number.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "files/Files.h"
#include "files/FinderMetadata.h"
#include "files/HostErrors.h"
#include "files/ItemLocator.h"
#include "files/OpenForkTable.h"

using namespace platform;

namespace {

OSErr openDescriptor(const Item& item, int flags, int* descriptor)
{
    do {
        *descriptor = openat(item.atFolder(), item.atName(), flags | O_NOFOLLOW | O_CLOEXEC);
    } while (*descriptor < 0 && errno == EINTR);
    return *descriptor < 0 ? macErrorOf(errno, HostOperation::open) : OSErr(noErr);
}

} // namespace

OSErr FSpOpenDF(const FSSpec* spec, SInt8 permission, SInt16* refNum)
{
    if (!spec || !refNum)
        return paramErr;
    Item item;
    OSErr err = locateItem(spec->vRefNum, spec->parID, spec->name, &item);
    if (err != noErr)
        return err;
    if (item.isFolder())
        return fnfErr;
    bool wantsWrite = permission == fsWrPerm || permission == fsRdWrPerm;
    bool locked = isLocked(item.atFolder(), item.atName());
    if (wantsWrite && locked)
        return fLckdErr;

    OpenFork fork;
    if (permission == fsRdPerm || (permission == fsCurPerm && locked)) {
        err = openDescriptor(item, O_RDONLY, &fork.descriptor);
    } else {
        err = openDescriptor(item, O_RDWR, &fork.descriptor);
        fork.writable = err == noErr;
        if (permission == fsCurPerm && (err == permErr || err == wPrErr))
            err = openDescriptor(item, O_RDONLY, &fork.descriptor);
    }
    if (err != noErr)
        return err;
    *refNum = OpenForkTable::shared().add(fork);
    return noErr;
}

OSErr FSRead(SInt16 refNum, long* count, void* buffer)
{
    OpenFork* fork = OpenForkTable::shared().find(refNum);
    if (!fork)
        return rfNumErr;
    if (!count || *count < 0 || (!buffer && *count > 0))
        return paramErr;
    long wanted = *count;
    long done = 0;
    while (done < wanted) {
        ssize_t got = read(fork->descriptor, static_cast<char*>(buffer) + done, size_t(wanted - done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            *count = done;
            return macErrorOf(errno);
        }
        if (got == 0)
            break;
        done += got;
    }
    *count = done;
    return done < wanted ? OSErr(eofErr) : OSErr(noErr);
}

OSErr FSWrite(SInt16 refNum, long* count, const void* buffer)
{
    OpenFork* fork = OpenForkTable::shared().find(refNum);
    if (!fork)
        return rfNumErr;
    if (!count || *count < 0 || (!buffer && *count > 0))
        return paramErr;
    if (!fork->writable) {
        *count = 0;
        return wrPermErr;
    }
    long wanted = *count;
    long done = 0;
    while (done < wanted) {
        ssize_t put = write(fork->descriptor, static_cast<const char*>(buffer) + done, size_t(wanted - done));
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0) {
            *count = done;
            return put < 0 ? macErrorOf(errno) : OSErr(ioErr);
        }
        done += put;
    }
    *count = done;
    return noErr;
}

OSErr GetEOF(SInt16 refNum, long* logEOF)
{
    OpenFork* fork = OpenForkTable::shared().find(refNum);
    if (!fork)
        return rfNumErr;
    struct stat info {};
    if (fstat(fork->descriptor, &info) != 0)
        return macErrorOf(errno);
    if (logEOF)
        *logEOF = long(info.st_size);
    return noErr;
}

OSErr SetEOF(SInt16 refNum, long logEOF)
{
    OpenFork* fork = OpenForkTable::shared().find(refNum);
    if (!fork)
        return rfNumErr;
    if (logEOF < 0)
        return paramErr;
    if (!fork->writable)
        return wrPermErr;
    if (ftruncate(fork->descriptor, off_t(logEOF)) != 0)
        return macErrorOf(errno);
    if (lseek(fork->descriptor, 0, SEEK_CUR) > off_t(logEOF))
        lseek(fork->descriptor, off_t(logEOF), SEEK_SET);
    return noErr;
}

OSErr GetFPos(SInt16 refNum, long* filePos)
{
    OpenFork* fork = OpenForkTable::shared().find(refNum);
    if (!fork)
        return rfNumErr;
    off_t position = lseek(fork->descriptor, 0, SEEK_CUR);
    if (position < 0)
        return macErrorOf(errno);
    if (filePos)
        *filePos = long(position);
    return noErr;
}

// Positions beyond the end of the file leave the mark at the end (eofErr);
// positions before its start are refused (posErr).
OSErr SetFPos(SInt16 refNum, SInt16 posMode, long posOff)
{
    OpenFork* fork = OpenForkTable::shared().find(refNum);
    if (!fork)
        return rfNumErr;
    long endOfFile = 0;
    long mark = 0;
    OSErr err = GetEOF(refNum, &endOfFile);
    if (err == noErr)
        err = GetFPos(refNum, &mark);
    if (err != noErr)
        return err;
    long target = 0;
    switch (posMode) {
    case fsAtMark:
        return noErr;
    case fsFromStart:
        target = posOff;
        break;
    case fsFromLEOF:
        target = endOfFile + posOff;
        break;
    case fsFromMark:
        target = mark + posOff;
        break;
    default:
        return paramErr;
    }
    if (target < 0)
        return posErr;
    err = target > endOfFile ? OSErr(eofErr) : OSErr(noErr);
    if (target > endOfFile)
        target = endOfFile;
    if (lseek(fork->descriptor, off_t(target), SEEK_SET) < 0)
        return macErrorOf(errno);
    return err;
}

OSErr FSClose(SInt16 refNum)
{
    int descriptor = OpenForkTable::shared().remove(refNum);
    if (descriptor < 0)
        return rfNumErr;
    return close(descriptor) == 0 || errno == EINTR ? OSErr(noErr) : macErrorOf(errno);
}
