#include "files/ItemLocator.h"

#include <fcntl.h>

#include <vector>

#include "files/MacNames.h"
#include "files/VolumeTable.h"

namespace platform {

namespace {

// The steps of a partial path: names, and empty texts for climbs. After the
// leading ":" a colon that follows a name only separates; every other colon
// climbs one folder ("::" the parent, ":a::b" b beside a, ":a:" a itself).
std::vector<std::string> stepsOf(const std::string& partialPath, bool* fullPath)
{
    std::vector<std::string> steps;
    *fullPath = false;
    if (partialPath.empty())
        return steps;
    size_t at = 0;
    if (partialPath.front() == ':')
        at = 1;
    else if (partialPath.find(':') != std::string::npos)
        *fullPath = true;
    bool afterName = false;
    while (at < partialPath.size()) {
        if (partialPath[at] == ':') {
            if (!afterName)
                steps.emplace_back();
            afterName = false;
            ++at;
            continue;
        }
        size_t colon = partialPath.find(':', at);
        if (colon == std::string::npos)
            colon = partialPath.size();
        steps.push_back(partialPath.substr(at, colon - at));
        afterName = true;
        at = colon;
    }
    return steps;
}

// The folder being walked: a host folder of the volume, or the root's parent.
struct Position {
    std::string path; // empty at the root's parent
    long dirID = 0;
};

Item folderItem(const Volume& volume, const Position& folder)
{
    Item item;
    item.vRefNum = volume.vRefNum;
    item.path = folder.path;
    item.parID = VolumeTable::shared().parentIdOf(volume, folder.path);
    item.macName = folder.path == volume.root ? volume.name : macNameOf(lastComponentOf(folder.path));
    readStatus(&item);
    return item;
}

// A named item inside the folder dirID, reached through the folder's handle.
OSErr locateInFolder(SInt16 vRefNum, long dirID, const std::string& macName, Item* item)
{
    if (!isValidMacName(macName))
        return bdNamErr;
    VolumeTable& table = VolumeTable::shared();
    OpenFolder folder;
    OSErr err = table.openFolder(vRefNum, dirID, &folder);
    if (err != noErr)
        return err;
    Item found;
    if (itemInFolder(folder, diskNameOf(macName), &found) != 0 && !table.stillExists(folder))
        return dirNFErr;
    *item = std::move(found);
    return item->exists ? OSErr(noErr) : OSErr(fnfErr);
}

} // namespace

OSErr locateItem(SInt16 vRefNum, long dirID, ConstStr255Param name, Item* item)
{
    return locateItem(vRefNum, dirID, pascalText(name), item);
}

OSErr locateItem(SInt16 vRefNum, long dirID, const std::string& partialPath, Item* item)
{
    VolumeTable& table = VolumeTable::shared();
    const Volume* volume = table.volume(vRefNum);
    if (!volume || volume->root.empty())
        return nsvErr;
    bool fullPath = false;
    std::vector<std::string> steps = stepsOf(partialPath, &fullPath);
    if (fullPath)
        return bdNamErr;
    if (steps.size() == 1 && !steps[0].empty() && dirID != fsRtParID)
        return locateInFolder(volume->vRefNum, dirID, steps[0], item);

    Position at;
    if (dirID == fsRtParID) {
        at.dirID = fsRtParID;
    } else {
        OSErr err = table.folderPath(volume->vRefNum, dirID, &at.path);
        if (err != noErr)
            return err;
        at.dirID = dirID == 0 ? long(fsRtDirID) : dirID;
    }

    for (size_t i = 0; i < steps.size(); ++i) {
        const std::string& step = steps[i];
        bool last = i + 1 == steps.size();
        if (step.empty()) {
            if (at.path.empty())
                return dirNFErr;
            if (at.path == volume->root) {
                at = Position{};
                at.dirID = fsRtParID;
            } else {
                at.dirID = table.parentIdOf(*volume, at.path);
                at.path = parentPathOf(at.path);
            }
            continue;
        }
        if (!isValidMacName(step))
            return bdNamErr;
        if (last && !at.path.empty())
            return at.dirID == 0 ? OSErr(dirNFErr) : locateInFolder(volume->vRefNum, at.dirID, step, item);
        std::string child;
        if (at.path.empty()) {
            // Inside the root's parent only the volume itself can be named.
            if (step != volume->name)
                return last ? OSErr(fnfErr) : OSErr(dirNFErr);
            child = volume->root;
        } else {
            child = childPathOf(at.path, diskNameOf(step));
        }
        Item found;
        found.path = child;
        readStatus(&found);
        if (last) {
            found.vRefNum = volume->vRefNum;
            found.parID = fsRtParID;
            found.macName = step;
            *item = std::move(found);
            return item->exists ? OSErr(noErr) : OSErr(fnfErr);
        }
        if (!found.isFolder())
            return dirNFErr;
        at.path = child;
        at.dirID = table.idOf(*volume, child, found.info.st_ino, found.birth);
    }

    if (at.path.empty())
        return dirNFErr;
    *item = folderItem(*volume, at);
    return item->exists ? OSErr(noErr) : OSErr(dirNFErr);
}

int itemInFolder(const OpenFolder& folder, const std::string& diskName, Item* item)
{
    item->vRefNum = folder.vRefNum;
    item->parID = folder.dirID;
    item->macName = macNameOf(diskName);
    item->folderHandle = folder.handle;
    item->diskName = diskName;
    item->path = childPathOf(folder.path, diskName);
    return readStatus(item);
}

int readStatus(Item* item)
{
    HostStatus status;
    int error = hostStatusOf(item->atFolder(), item->atName(), &status);
    item->exists = error == 0;
    item->info = status.info;
    item->birth = status.birth;
    return error;
}

long folderIdOf(const Item& folder)
{
    VolumeTable& table = VolumeTable::shared();
    const Volume* volume = table.volume(folder.vRefNum);
    return volume ? table.idOf(*volume, folder.path, folder.info.st_ino, folder.birth) : 0;
}

} // namespace platform
