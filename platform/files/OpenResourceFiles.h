#pragma once
// The resource files a process has open, by reference number, with the
// current one and the result of the last Resource Manager call.

#include <map>
#include <string>
#include <vector>

#include "core/MacTypes.h"
#include "files/ResourceFork.h"

namespace platform {

struct OpenResourceFile {
    std::string path;
    bool dataFork = false;
    bool writable = false;
    bool changed = false;
    ResourceFork fork;
    std::vector<Handle> loaded; // resource handles given out, disposed of on close
};

class OpenResourceFiles {
public:
    static OpenResourceFiles& shared();

    OSErr lastError = noErr;
    SInt16 current = 0;

    // The reference number of an open file, 0 when it is not open.
    SInt16 refNumOf(const std::string& path, bool dataFork) const;
    SInt16 add(OpenResourceFile file);
    OpenResourceFile* find(SInt16 refNum);
    // Forgets a file; the most recently opened of the others becomes current.
    void remove(SInt16 refNum);
    // Disposes of a resource handle of any open file; false when unknown.
    bool release(Handle handle);

private:
    std::map<SInt16, OpenResourceFile> files_;
    SInt16 nextRefNum_ = 1000;
};

} // namespace platform
