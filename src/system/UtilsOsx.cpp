#include "system/UtilsOsx.h"

#include <cstring>
#include <vector>

#include "files/Files.h"
#include "files/Resources.h"
#include "log/ModuleLoggers.h"
#include "log/XPel.h"
#include "security/Authorization.h"
#include "system/SystemInfo.h"

MODULE_LOGGERS("UtilsOsx")

namespace {

constexpr size_t kMaxNameLength = 255;
constexpr UInt32 kMaxPathSize = 512;

const char* const kChmodTool = "/bin/chmod";
const char* const kChownTool = "/usr/sbin/chown";

// Frees the authorization reference on every way out.
class AuthorizationScope {
public:
    AuthorizationScope()
    {
        if (AuthorizationCreate(nullptr, nullptr, kAuthorizationFlagDefaults, &ref) != errAuthorizationSuccess)
            throw XPel("Can't create authorization rec");
    }
    ~AuthorizationScope() { AuthorizationFree(ref, kAuthorizationFlagDefaults); }
    AuthorizationScope(const AuthorizationScope&) = delete;
    AuthorizationScope& operator=(const AuthorizationScope&) = delete;

    AuthorizationRef ref = nullptr;
};

bool obtainAdminRight(AuthorizationRef ref)
{
    AuthorizationItem right{kAuthorizationRightExecute, 0, nullptr, 0};
    AuthorizationRights rights{1, &right};
    AuthorizationFlags flags =
        kAuthorizationFlagInteractionAllowed | kAuthorizationFlagExtendRights | kAuthorizationFlagPreAuthorize;
    return AuthorizationCopyRights(ref, &rights, nullptr, flags, nullptr) == errAuthorizationSuccess;
}

} // namespace

bool authorizeAndExecute(const char* path, const char* const* arguments, bool closeResourceFileFirst)
{
    AuthorizationScope authorization;
    if (!obtainAdminRight(authorization.ref))
        return true;

    if (closeResourceFileFirst) {
        CloseResFile(CurResFile());
        FlushVol(nullptr, getAppVolume());
    }

    // The tool runs on its own: its result and its output are nobody's concern here.
    FILE* communicationsPipe = nullptr;
    (void)AuthorizationExecuteWithPrivileges(authorization.ref, path, kAuthorizationFlagDefaults,
                                             const_cast<char* const*>(arguments), &communicationsPipe);
    return false;
}

bool unixCommand(short vRefNum, long dirID, const char* name, const char* tool, const char* const* arguments,
                 int count)
{
    String joinedArguments;
    for (int i = 0; i < count; ++i) {
        joinedArguments += arguments[i];
        joinedArguments += " ";
    }
    String path = getPath(vRefNum, dirID, name);
    TraceLogger.log("UnixCmd: %s %s %s", tool, static_cast<const char*>(joinedArguments),
                    static_cast<const char*>(path));
    if (path.isEmpty()) {
        ErrorLogger.log("UnixCmd: Can't get path");
        return true;
    }

    std::vector<const char*> list(arguments, arguments + count);
    list.push_back(path);
    list.push_back(nullptr);
    return authorizeAndExecute(tool, list.data(), false);
}

bool setPermissions(short vRefNum, long dirID, const char* name, const char* mode, const char* owner)
{
    const char* chmodArguments[] = {"-R", mode};
    if (unixCommand(vRefNum, dirID, name, kChmodTool, chmodArguments, 2))
        return true;
    if (!owner)
        return false;
    const char* chownArguments[] = {"-R", owner};
    return unixCommand(vRefNum, dirID, name, kChownTool, chownArguments, 2);
}

String getPath(short vRefNum, long dirID, const char* name)
{
    // A longer name would be cut to 255 bytes and could name another item.
    if (name && std::strlen(name) > kMaxNameLength)
        return String();
    String itemName(name);
    FSSpec spec;
    if (FSMakeFSSpec(vRefNum, dirID, name ? itemName.getPascalStr() : nullptr, &spec) != noErr)
        return String();
    FSRef ref;
    FSCatalogInfo info;
    UInt8 path[kMaxPathSize];
    if (FSpMakeFSRef(&spec, &ref) != noErr ||
        FSGetCatalogInfo(&ref, kFSCatInfoPermissions, &info, nullptr, nullptr, nullptr) != noErr ||
        FSRefMakePath(&ref, path, sizeof path) != noErr)
        return String();
    return String(reinterpret_cast<const char*>(path));
}
