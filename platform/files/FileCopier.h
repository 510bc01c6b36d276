#pragma once
// Copies one item, a file or a symbolic link, into a folder under a disk
// name, all or nothing: a copy that fails is removed again, and a copy never
// takes the place of an existing item.

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

private:
    int openSource() const;
    OSErr fill(int from, int to);
    void removeCopy(int copy);
    OSErr copyLink();

    const Item& source_;
    const OpenFolder& folder_;
    std::string diskName_;
    char* buffer_;
    size_t bufferSize_;
};

} // namespace platform
