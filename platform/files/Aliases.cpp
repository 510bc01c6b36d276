#include "files/Aliases.h"

#include <cstring>

#include "core/MacMemory.h"
#include "files/ItemLocator.h"
#include "files/MacNames.h"
#include "files/VolumeTable.h"

using namespace platform;

namespace {

constexpr UInt8 kAliasVersion = 1;

void putPascal(std::string& out, const std::string& text)
{
    out.push_back(char(text.size()));
    out += text;
}

void putLong(std::string& out, const std::string& text)
{
    out.push_back(char((text.size() >> 8) & 0xFF));
    out.push_back(char(text.size() & 0xFF));
    out += text;
}

} // namespace

OSErr NewAlias(const FSSpec*, const FSSpec* target, AliasHandle* alias)
{
    if (!target || !alias)
        return paramErr;
    *alias = nullptr;
    Item item;
    OSErr err = locateItem(target->vRefNum, target->parID, target->name, &item);
    if (err != noErr)
        return err;
    const Volume* volume = VolumeTable::shared().volume(item.vRefNum);
    if (!volume)
        return nsvErr;

    std::string parent = item.parID == fsRtParID ? std::string() : parentPathOf(item.path);
    std::string relativeParent;
    if (parent.size() > volume->root.size())
        relativeParent = parent.substr(volume->root == "/" ? 1 : volume->root.size() + 1);
    if (item.macName.size() > 255 || volume->name.size() > 255 || volume->root.size() > 0xFFFF ||
        relativeParent.size() > 0xFFFF)
        return bdNamErr;

    std::string body;
    body.push_back(char(kAliasVersion));
    body.push_back(char(item.isFolder() ? 1 : 0));
    putPascal(body, volume->name);
    putLong(body, volume->root);
    putLong(body, relativeParent);
    putPascal(body, item.macName);

    size_t size = sizeof(AliasRecord) + body.size();
    if (size > 0xFFFF)
        return bdNamErr;
    Handle handle = NewHandle(Size(size));
    if (!handle)
        return memFullErr;
    std::memset(*handle, 0, size);
    AliasRecord* header = reinterpret_cast<AliasRecord*>(*handle);
    header->userType = 0;
    header->aliasSize = UInt16(size);
    std::memcpy(*handle + sizeof(AliasRecord), body.data(), body.size());
    *alias = reinterpret_cast<AliasHandle>(handle);
    return noErr;
}
