// Catalog information: PBGetCatInfoSync and PBSetCatInfoSync.

#include "files/FinderMetadata.h"
#include "files/FolderListing.h"
#include "files/ItemLocator.h"
#include "files/MacDates.h"
#include "files/MacNames.h"
#include "files/VolumeTable.h"
#include "files/HostErrors.h"

#include <cerrno>
#include <cstring>

using namespace platform;

namespace {

constexpr OSType kSymbolicLinkType = FOUR_CHAR('s', 'l', 'n', 'k');
constexpr OSType kSymbolicLinkCreator = FOUR_CHAR('r', 'h', 'a', 'p');

// The index-th item of the folder (vRefNum, dirID). Past the end of the kept
// listing, or at a name of it that has gone since, the folder is read afresh.
OSErr locateIndexedItem(SInt16 vRefNum, long dirID, SInt16 index, Item* item)
{
    VolumeTable& table = VolumeTable::shared();
    OpenFolder folder;
    OSErr err = table.openFolder(vRefNum, dirID, &folder);
    if (err != noErr)
        return err;
    for (bool fresh = index == 1;; fresh = true) {
        std::string diskName;
        err = folderItemName(folder, index, fresh, &diskName);
        if (err == fnfErr && !fresh)
            continue;
        if (err != noErr)
            return table.stillExists(folder) ? err : OSErr(dirNFErr);
        int hostError = itemInFolder(folder, diskName, item);
        if (hostError == ENOENT && !fresh)
            continue;
        if (hostError == 0)
            return noErr;
        return table.stillExists(folder) ? macErrorOf(hostError) : OSErr(dirNFErr);
    }
}

std::string finderInfoOf(const Item& item, const MacAttributes& attributes)
{
    if (!attributes.finderInfo)
        return std::string(kFinderInfoSize, '\0');
    return finderInfoBytes(item.atFolder(), item.atName());
}

void fillFileInfo(const Item& item, const MacAttributes& attributes, CInfoPBRec* pb)
{
    decodeFileInfo(finderInfoOf(item, attributes), &pb->ioFlFndrInfo, &pb->ioFlXFndrInfo);
    if (item.isLink() && pb->ioFlFndrInfo.fdType == 0) {
        pb->ioFlFndrInfo.fdType = kSymbolicLinkType;
        pb->ioFlFndrInfo.fdCreator = kSymbolicLinkCreator;
    }
    pb->ioFlLgLen = SInt64(item.info.st_size);
    pb->ioFlRLgLen =
        attributes.resourceFork ? attributeSize(item.atFolder(), item.atName(), kResourceForkAttribute) : 0;
    pb->ioFlCrDat = creationDateOf(item.birth, item.info);
    pb->ioFlMdDat = modificationDateOf(item.info);
    pb->ioFlBkDat = 0;
    pb->ioFlParID = item.parID;
    pb->ioDirID = item.parID;
}

void fillFolderInfo(const Item& item, const MacAttributes& attributes, CInfoPBRec* pb)
{
    decodeFolderInfo(finderInfoOf(item, attributes), &pb->ioDrUsrWds, &pb->ioDrFndrInfo);
    pb->ioDrNmFls = folderItemCount(item.atFolder(), item.atName());
    pb->ioDrDirID = folderIdOf(item);
    pb->ioDrParID = item.parID;
    pb->ioDrCrDat = creationDateOf(item.birth, item.info);
    pb->ioDrMdDat = modificationDateOf(item.info);
    pb->ioDrBkDat = 0;
    pb->ioDirID = pb->ioDrDirID;
}

} // namespace

OSErr PBGetCatInfoSync(CInfoPBPtr pb)
{
    if (!pb)
        return paramErr;
    Item item;
    OSErr err = noErr;
    if (pb->ioFDirIndex > 0)
        err = locateIndexedItem(pb->ioVRefNum, pb->ioDirID, pb->ioFDirIndex, &item);
    else if (pb->ioFDirIndex < 0)
        err = locateItem(pb->ioVRefNum, pb->ioDirID, std::string(), &item);
    else
        err = locateItem(pb->ioVRefNum, pb->ioDirID, pb->ioNamePtr, &item);
    pb->ioResult = err;
    if (err != noErr)
        return err;

    if (pb->ioFDirIndex != 0 && pb->ioNamePtr)
        setPascalText(pb->ioNamePtr, item.macName);
    MacAttributes attributes = macAttributesOf(item.atFolder(), item.atName());
    bool locked = !item.isLink() && attributes.locked && isLocked(item.atFolder(), item.atName());
    pb->ioFlAttrib = UInt8((item.isFolder() ? kioFlAttribDirMask : 0) | (locked ? kioFlAttribLockedMask : 0));
    if (item.isFolder())
        fillFolderInfo(item, attributes, pb);
    else
        fillFileInfo(item, attributes, pb);
    return noErr;
}

// Writes the Finder information and the modification date of the item named
// by ioNamePtr in ioDirID. Finder information of all zeros is written only
// where the item already has some.
OSErr PBSetCatInfoSync(CInfoPBPtr pb)
{
    if (!pb)
        return paramErr;
    Item item;
    OSErr err = locateItem(pb->ioVRefNum, pb->ioDirID, pb->ioNamePtr, &item);
    pb->ioResult = err;
    if (err != noErr)
        return err;
    bool folder = item.isFolder();
    std::string bytes = folder ? encodeFolderInfo(pb->ioDrUsrWds, pb->ioDrFndrInfo)
                               : encodeFileInfo(pb->ioFlFndrInfo, pb->ioFlXFndrInfo);
    bool empty = bytes.find_first_not_of('\0') == std::string::npos;
    if (!empty || readAttribute(item.atFolder(), item.atName(), kFinderInfoAttribute))
        writeAttribute(item.atFolder(), item.atName(), kFinderInfoAttribute, bytes);
    int hostError = setModificationDate(item.atFolder(), item.atName(), folder ? pb->ioDrMdDat : pb->ioFlMdDat);
    err = hostError ? macErrorOf(hostError) : OSErr(noErr);
    pb->ioResult = err;
    return err;
}
