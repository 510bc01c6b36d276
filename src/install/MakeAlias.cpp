#include "install/MakeAlias.h"

#include <cstring>

#include "core/MacMemory.h"
#include "files/Aliases.h"
#include "files/Files.h"
#include "files/Resources.h"
#include "log/ModuleLoggers.h"
#include "text/String.h"

MODULE_LOGGERS("Install")

namespace {

constexpr ResType kAliasResourceType = FOUR_CHAR('a', 'l', 'i', 's');
constexpr SInt16 kAliasResourceID = 0;
constexpr OSType kAliasFileType = FOUR_CHAR('a', 'd', 'r', 'p');
constexpr SInt16 kSystemScript = -1;
constexpr size_t kMaxNameLength = 255;

OSErr readCatalogInfo(CInfoPBRec& pb, SInt16 vRefNum, long dirID, StringPtr name)
{
    pb = CInfoPBRec{};
    pb.ioNamePtr = name;
    pb.ioVRefNum = vRefNum;
    pb.ioDirID = dirID;
    pb.ioFDirIndex = 0;
    return PBGetCatInfoSync(&pb);
}

bool fail(const char* format, OSErr error, AliasHandle alias)
{
    ErrorLogger.log(format, error);
    DisposeHandle(reinterpret_cast<Handle>(alias));
    return true;
}

} // namespace

bool makeAliasToFile(short srcVRefNum, long srcDirID, const char* targetName, short dstVRefNum, long dstDirID,
                     const char* aliasName)
{
    TraceLogger.log("makeAliasToFile: name=%s src=%s", aliasName ? aliasName : "", targetName ? targetName : "");
    // A longer name would be cut to 255 bytes and could name another file.
    if (!targetName || !aliasName || std::strlen(targetName) > kMaxNameLength ||
        std::strlen(aliasName) > kMaxNameLength) {
        ErrorLogger.log("Can't create alias record (%d)", bdNamErr);
        return true;
    }

    String target(targetName);
    String alias(aliasName);
    FSSpec targetSpec{};
    FSSpec aliasSpec{};
    (void)FSMakeFSSpec(srcVRefNum, srcDirID, target.getPascalStr(), &targetSpec);
    (void)FSMakeFSSpec(dstVRefNum, dstDirID, alias.getPascalStr(), &aliasSpec);

    AliasHandle aliasRecord = nullptr;
    OSErr error = NewAlias(nullptr, &targetSpec, &aliasRecord);
    if (error != noErr)
        return fail("Can't create alias record (%d)", error, aliasRecord);

    CInfoPBRec info;
    error = readCatalogInfo(info, srcVRefNum, srcDirID, target.getPascalStr());
    if (error != noErr)
        return fail("Can't get src info for alias (%d)", error, aliasRecord);

    FSpCreateResFile(&aliasSpec, info.ioFlFndrInfo.fdCreator, info.ioFlFndrInfo.fdType, kSystemScript);
    if ((error = ResError()) != noErr)
        return fail("Can't create alias resource (%d)", error, aliasRecord);

    SInt16 resFile = FSpOpenResFile(&aliasSpec, fsRdWrPermResource);
    if ((error = ResError()) != noErr)
        return fail("Can't open alias resource (%d)", error, aliasRecord);

    // The resource file keeps its own copy of the record.
    AddResource(reinterpret_cast<Handle>(aliasRecord), kAliasResourceType, kAliasResourceID, alias.getPascalStr());
    DisposeHandle(reinterpret_cast<Handle>(aliasRecord));
    CloseResFile(resFile);

    info.ioNamePtr = alias.getPascalStr();
    info.ioVRefNum = dstVRefNum;
    info.ioDirID = dstDirID;
    info.ioFDirIndex = 0;
    info.ioFlFndrInfo.fdFlags |= kIsAlias;
    info.ioFlFndrInfo.fdType = kAliasFileType;
    (void)PBSetCatInfoSync(&info);
    return false;
}
