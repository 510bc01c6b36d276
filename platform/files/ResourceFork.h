#pragma once
// The Mac's resource-file format, read from and written to bytes.
//
// Header (16 bytes, big-endian like everything here): offset of the resource
// data, offset of the map, length of the data, length of the map. The data
// area holds each resource as a 4-byte length followed by its bytes. The map
// begins with a copy of the header, 4 bytes for the next map's handle, 2 for
// the file reference, 2 of attributes, the offset of the type list and the
// offset of the name list (both from the map's start). The type list is the
// number of types minus one, then per type its code, its number of resources
// minus one and the offset of its reference list (from the type list's
// start). A reference is 12 bytes: ID, offset of the name in the name list
// (-1 for none), 1 byte of attributes, 3 bytes of offset into the data area,
// 4 bytes for a handle. The name list holds length-prefixed names. Data
// begins at offset 256, after the header and the space reserved behind it.

#include <optional>
#include <string>
#include <vector>

#include "core/MacTypes.h"

namespace platform {

struct Resource {
    ResType type = 0;
    SInt16 id = 0;
    std::string name;
    bool hasName = false;
    UInt8 attributes = 0;
    std::string data;
};

class ResourceFork {
public:
    // Nothing when the bytes are not a well-formed resource file.
    static std::optional<ResourceFork> parse(const std::string& bytes);
    // Nothing when the resources do not fit the format's offsets.
    std::optional<std::string> serialize() const;

    const std::vector<Resource>& resources() const { return resources_; }
    // Adds a resource, or replaces the one of the same type and ID.
    void add(Resource resource);
    const Resource* find(ResType type, SInt16 id) const;
    const Resource* findNamed(ResType type, const std::string& name) const;

private:
    std::vector<Resource> resources_;
};

} // namespace platform
