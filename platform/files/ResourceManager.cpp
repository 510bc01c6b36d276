// Resource Manager calls over the process's open resource files.

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "files/FinderMetadata.h"
#include "files/HostErrors.h"
#include "files/ItemLocator.h"
#include "files/MacNames.h"
#include "files/OpenResourceFiles.h"
#include "files/ResourceFork.h"
#include "files/Resources.h"

using namespace platform;

namespace {

OSErr setError(OSErr err)
{
    OpenResourceFiles::shared().lastError = err;
    return err;
}

std::optional<std::string> readDataFork(const std::string& path, OSErr* err)
{
    int descriptor = open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (descriptor < 0) {
        *err = macErrorOf(errno, HostOperation::open);
        return std::nullopt;
    }
    std::string bytes;
    char buffer[8192];
    ssize_t got = 0;
    while ((got = read(descriptor, buffer, sizeof buffer)) > 0 || (got < 0 && errno == EINTR)) {
        if (got > 0)
            bytes.append(buffer, size_t(got));
    }
    *err = got < 0 ? macErrorOf(errno) : OSErr(noErr);
    close(descriptor);
    return got < 0 ? std::nullopt : std::optional<std::string>(bytes);
}

// Writes the whole data fork anew; the file keeps its other forks.
OSErr writeDataFork(const std::string& path, const std::string& bytes)
{
    int descriptor = open(path.c_str(), O_WRONLY | O_TRUNC | O_NOFOLLOW | O_CLOEXEC);
    if (descriptor < 0)
        return macErrorOf(errno, HostOperation::open);
    OSErr err = noErr;
    for (size_t done = 0; done < bytes.size() && err == noErr;) {
        ssize_t put = write(descriptor, bytes.data() + done, bytes.size() - done);
        if (put > 0)
            done += size_t(put);
        else if (!(put < 0 && errno == EINTR))
            err = put < 0 ? macErrorOf(errno) : OSErr(ioErr);
    }
    close(descriptor);
    return err;
}

SInt16 openResourceFile(const Item& item, bool dataFork, SInt8 permission)
{
    OpenResourceFiles& files = OpenResourceFiles::shared();
    if (SInt16 open = files.refNumOf(item.path, dataFork)) {
        files.current = open;
        setError(noErr);
        return open;
    }
    OSErr err = noErr;
    std::optional<std::string> bytes =
        dataFork ? readDataFork(item.path, &err) : readAttribute(item.path, kResourceForkAttribute);
    if (!bytes) {
        setError(err != noErr ? err : OSErr(resFNotFound));
        return -1;
    }
    std::optional<ResourceFork> fork = ResourceFork::parse(*bytes);
    if (!fork) {
        setError(bytes->empty() ? OSErr(resFNotFound) : OSErr(mapReadErr));
        return -1;
    }
    OpenResourceFile file;
    file.path = item.path;
    file.dataFork = dataFork;
    file.writable = permission != fsRdPerm && !isLocked(item.path);
    file.fork = std::move(*fork);
    files.current = files.add(std::move(file));
    setError(noErr);
    return files.current;
}

// The current resource file; null and resFNotFound when none is open.
OpenResourceFile* currentFile()
{
    OpenResourceFiles& files = OpenResourceFiles::shared();
    OpenResourceFile* file = files.find(files.current);
    if (!file)
        setError(resFNotFound);
    return file;
}

Handle loadedHandle(OpenResourceFile& file, const Resource* resource)
{
    if (!resource) {
        setError(resNotFound);
        return nullptr;
    }
    Handle handle = NewHandle(Size(resource->data.size()));
    if (!handle) {
        setError(memFullErr);
        return nullptr;
    }
    std::memcpy(*handle, resource->data.data(), resource->data.size());
    file.loaded.push_back(handle);
    setError(noErr);
    return handle;
}

} // namespace

void FSpCreateResFile(const FSSpec* spec, OSType creator, OSType fileType, SInt16 scriptTag)
{
    Item item;
    OSErr err = spec ? locateItem(spec->vRefNum, spec->parID, spec->name, &item) : OSErr(paramErr);
    if (err == fnfErr)
        err = FSpCreate(spec, creator, fileType, scriptTag);
    else if (err == noErr && (item.isFolder() || item.isLink()))
        err = dupFNErr;
    else if (err == noErr && readAttribute(item.path, kResourceForkAttribute))
        err = dupFNErr;
    if (err == noErr && locateItem(spec->vRefNum, spec->parID, spec->name, &item) == noErr) {
        int hostError = writeAttribute(item.path, kResourceForkAttribute, *ResourceFork().serialize());
        err = hostError ? macErrorOf(hostError) : OSErr(noErr);
    }
    setError(err);
}

SInt16 FSpOpenResFile(const FSSpec* spec, SInt8 permission)
{
    Item item;
    OSErr err = spec ? locateItem(spec->vRefNum, spec->parID, spec->name, &item) : OSErr(paramErr);
    if (err != noErr) {
        setError(err);
        return -1;
    }
    return openResourceFile(item, false, permission);
}

OSErr FSOpenResourceFile(const FSRef* ref, UniCharCount forkNameLength, const UniChar*, SInt8 permissions,
                         ResFileRefNum* refNum)
{
    Item item;
    OSErr err = ref ? locateItem(ref->vRefNum, ref->parID, ref->name, &item) : OSErr(paramErr);
    if (err != noErr)
        return setError(err);
    SInt16 opened = openResourceFile(item, forkNameLength == 0, permissions);
    if (opened < 0)
        return ResError();
    if (refNum)
        *refNum = opened;
    return noErr;
}

void AddResource(Handle theData, ResType theType, SInt16 theID, ConstStr255Param name)
{
    OpenResourceFiles& files = OpenResourceFiles::shared();
    OpenResourceFile* file = files.find(files.current);
    if (!file || !theData) {
        setError(addResFailed);
        return;
    }
    if (!file->writable) {
        setError(resAttrErr);
        return;
    }
    Resource resource;
    resource.type = theType;
    resource.id = theID;
    resource.hasName = name != nullptr;
    resource.name = pascalText(name);
    resource.data.assign(*theData, size_t(GetHandleSize(theData)));
    file->fork.add(std::move(resource));
    file->changed = true;
    setError(noErr);
}

// Writes a changed file back, then lets go of it and of its resource handles.
void CloseResFile(SInt16 refNum)
{
    OpenResourceFiles& files = OpenResourceFiles::shared();
    OpenResourceFile* file = files.find(refNum);
    if (!file) {
        setError(refNum == 0 ? OSErr(noErr) : OSErr(rfNumErr));
        return;
    }
    OSErr err = noErr;
    if (file->changed) {
        std::optional<std::string> bytes = file->fork.serialize();
        if (!bytes)
            err = addResFailed;
        else if (file->dataFork)
            err = writeDataFork(file->path, *bytes);
        else if (int hostError = writeAttribute(file->path, kResourceForkAttribute, *bytes))
            err = macErrorOf(hostError);
    }
    for (Handle handle : file->loaded)
        DisposeHandle(handle);
    files.remove(refNum);
    setError(err);
}

SInt16 CurResFile()
{
    return OpenResourceFiles::shared().current;
}

void UseResFile(SInt16 refNum)
{
    OpenResourceFiles& files = OpenResourceFiles::shared();
    if (files.find(refNum)) {
        files.current = refNum;
        setError(noErr);
    } else {
        setError(resFNotFound);
    }
}

OSErr ResError()
{
    return OpenResourceFiles::shared().lastError;
}

Handle Get1Resource(ResType theType, SInt16 theID)
{
    OpenResourceFile* file = currentFile();
    return file ? loadedHandle(*file, file->fork.find(theType, theID)) : nullptr;
}

Handle Get1NamedResource(ResType theType, ConstStr255Param name)
{
    OpenResourceFile* file = currentFile();
    return file ? loadedHandle(*file, file->fork.findNamed(theType, pascalText(name))) : nullptr;
}

void ReleaseResource(Handle theResource)
{
    setError(OpenResourceFiles::shared().release(theResource) ? OSErr(noErr) : OSErr(resNotFound));
}
