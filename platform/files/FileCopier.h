#pragma once
// Copies one item, a file or a symbolic link, into a folder under a disk
// name, all or nothing: the copy appears under its name complete or not at
// all, and never in place of an existing item.

#include <string>

#include "core/MacTypes.h"
#include "files/ItemLocator.h"
#include "files/VolumeTable.h"

namespace platform {

class FileCopier {
public:
    // buffer may be null; then a buffer of the copier's own is used when the
    // data has to pass through memory.
    FileCopier(const Item& source, const OpenFolder& folder, std::string diskName, char* buffer, size_t bufferSize);

    OSErr copy();
    // The way of copy() on file systems without unnamed files: the data goes
    // to a hidden temporary name, which is linked to the copy's name and then
    // removed.
    OSErr copyThroughTemporaryName();

private:
    int openSource() const;
    OSErr fill(int from, int to);
    OSErr linkUnnamed(int descriptor);
    OSErr copyThroughTemporaryName(int from);
    OSErr copyLink();

    const Item& source_;
    const OpenFolder& folder_;
    std::string diskName_;
    char* buffer_;
    size_t bufferSize_;
};

} // namespace platform
