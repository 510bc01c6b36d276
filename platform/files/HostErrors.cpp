#include "files/HostErrors.h"

#include <cerrno>

namespace platform {

OSErr macErrorOf(int hostErrno, HostOperation operation)
{
    switch (hostErrno) {
    case 0:
        return noErr;
    case ENOENT:
        return fnfErr;
    case ENOTDIR:
        return dirNFErr;
    case EEXIST:
        return dupFNErr;
    case ENOTEMPTY:
    case EBUSY:
    case ETXTBSY:
        return fBsyErr;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return dskFulErr;
    case EROFS:
        return wPrErr;
    case ENAMETOOLONG:
        return bdNamErr;
    case ENOMEM:
        return memFullErr;
    case EMFILE:
    case ENFILE:
        return tmfoErr;
    case ELOOP:
        return permErr;
    case EACCES:
    case EPERM:
        return operation == HostOperation::open || operation == HostOperation::other ? OSErr(permErr) : OSErr(afpAccessDenied);
    default:
        return ioErr;
    }
}

} // namespace platform
