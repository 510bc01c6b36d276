#pragma once
// The Mac error number for a host errno, by the kind of operation that failed:
// an access refusal means permErr when opening, afpAccessDenied when creating
// or deleting.

#include "core/MacTypes.h"

namespace platform {

enum class HostOperation { open, create, remove, other };

OSErr macErrorOf(int hostErrno, HostOperation operation = HostOperation::other);

} // namespace platform
