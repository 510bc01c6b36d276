#include "install/InstallDirectory.h"

#include <cstring>

#include "app/Options.h"
#include "files/Folders.h"
#include "files/MoreFiles.h"
#include "install/DirectoryCopy.h"
#include "log/ModuleLoggers.h"
#include "system/UtilsOsx.h"

MODULE_LOGGERS("Install")

namespace {

constexpr size_t kMaxNameLength = 255;

// The volume selectors tried in turn when looking for a system folder.
constexpr SInt16 kFolderDomains[] = {kOnAppropriateDisk, kLocalDomain, kOnSystemDisk};

bool isTolerated(const String& name)
{
    return name == ".DS_Store" || name == "CVS";
}

bool tooLong(const char* name)
{
    return name && std::strlen(name) > kMaxNameLength;
}

// The length-prefixed form of name, or null for a null name.
ConstStr255Param prefixedOrNull(const char* name, String& holder)
{
    return name ? holder.getPascalStr() : nullptr;
}

bool reportCopyFailure(OSErr error)
{
    Options.failed = true;
    Options.errorText.format("Can't copy directory (%d)", error);
    ErrorLogger.log("Can't copy directory (%d)", error);
    return true;
}

} // namespace

bool installDirectory(short srcVRefNum, long srcDirID, const char* srcName, short dstVRefNum, long dstDirID,
                      const char* copyName)
{
    TraceLogger.log("InstallDirectory %s", srcName ? srcName : "");
    // A longer name would be cut to 255 bytes and could name another folder.
    if (tooLong(srcName) || tooLong(copyName))
        return reportCopyFailure(bdNamErr);

    String source(srcName);
    String copy(copyName);
    OSErr error = DirectoryCopy(srcVRefNum, srcDirID, prefixedOrNull(srcName, source), dstVRefNum, dstDirID, nullptr,
                                prefixedOrNull(copyName, copy), nullptr, 0, true, dirCopyErrCallback);
    if (error != noErr)
        return reportCopyFailure(error);
    return false;
}

Boolean dirCopyErrCallback(OSErr error, SInt16, SInt16 srcVRefNum, long srcDirID, ConstStr255Param srcName,
                           SInt16 dstVRefNum, long dstDirID, ConstStr255Param dstName)
{
    String sourceName(srcName);
    String destinationName(dstName);
    String sourcePath = getPath(srcVRefNum, srcDirID, sourceName);
    String destinationPath = getPath(dstVRefNum, dstDirID, destinationName);
    const char* format = "Warning: Can't copy %s to %s (%d)";
    if (isTolerated(sourceName)) {
        TraceLogger.log(format, static_cast<const char*>(sourcePath), static_cast<const char*>(destinationPath),
                        error);
        return false;
    }
    ErrorLogger.log(format, static_cast<const char*>(sourcePath), static_cast<const char*>(destinationPath), error);
    return true;
}

void getFilenamesInDir(std::vector<String>& names, short vRefNum, long dirID, const char* name)
{
    if (tooLong(name))
        return;
    String folderName(name);
    long folderID = 0;
    Boolean isDirectory = false;
    if (GetDirectoryID(vRefNum, dirID, prefixedOrNull(name, folderName), &folderID, &isDirectory) != noErr ||
        !isDirectory)
        return;

    Str255 itemName;
    CInfoPBRec pb{};
    for (int index = 1; index <= INT16_MAX; ++index) {
        pb.ioNamePtr = itemName;
        pb.ioVRefNum = vRefNum;
        pb.ioDirID = folderID;
        pb.ioFDirIndex = SInt16(index);
        if (PBGetCatInfoSync(&pb) != noErr)
            return;
        names.push_back(String(itemName));
    }
}

bool getSystemFolder(short* vRefNum, long* dirID, unsigned long folderType)
{
    OSErr error = noErr;
    for (SInt16 domain : kFolderDomains) {
        error = FindFolder(domain, OSType(folderType), kDontCreateFolder, vRefNum, dirID);
        if (error == noErr)
            return false;
    }
    Options.failed = true;
    Options.errorText.format("Can't find destination folder (%d)", error);
    char typeText[5] = {char(folderType >> 24), char(folderType >> 16), char(folderType >> 8), char(folderType), 0};
    ErrorLogger.log("Can't find destination folder %s", typeText);
    return true;
}
