#include "files/ResourceFork.h"

#include <map>

namespace platform {

namespace {

constexpr UInt32 kHeaderSize = 16;
constexpr UInt32 kDataStart = 256;
constexpr UInt32 kMapHeaderSize = 28; // header copy, next map, file reference, attributes, two offsets
constexpr UInt32 kTypeEntrySize = 8;
constexpr UInt32 kReferenceSize = 12;
constexpr size_t kLargestDataArea = 0xFFFFFF; // data offsets have 3 bytes

class Reader {
public:
    explicit Reader(const std::string& bytes) : bytes_(bytes) {}
    bool has(size_t at, size_t length) const { return at <= bytes_.size() && length <= bytes_.size() - at; }
    UInt32 read(size_t at, int width) const
    {
        UInt32 value = 0;
        for (int i = 0; i < width; ++i)
            value = (value << 8) | UInt8(bytes_[at + size_t(i)]);
        return value;
    }
    std::string slice(size_t at, size_t length) const { return bytes_.substr(at, length); }

private:
    const std::string& bytes_;
};

void put(std::string& out, UInt32 value, int width)
{
    for (int shift = (width - 1) * 8; shift >= 0; shift -= 8)
        out.push_back(char((value >> shift) & 0xFF));
}

} // namespace

std::optional<ResourceFork> ResourceFork::parse(const std::string& bytes)
{
    Reader in(bytes);
    if (!in.has(0, kHeaderSize))
        return std::nullopt;
    UInt32 dataOffset = in.read(0, 4), mapOffset = in.read(4, 4);
    UInt32 dataLength = in.read(8, 4), mapLength = in.read(12, 4);
    if (!in.has(dataOffset, dataLength) || !in.has(mapOffset, mapLength) || mapLength < kMapHeaderSize + 2)
        return std::nullopt;
    size_t typeList = mapOffset + in.read(mapOffset + 24, 2);
    size_t nameList = mapOffset + in.read(mapOffset + 26, 2);
    if (!in.has(typeList, 2))
        return std::nullopt;
    UInt32 typeCount = (in.read(typeList, 2) + 1) & 0xFFFF;

    // Each reference has bytes of its own in the map and each resource its
    // own data, so a file whose lists overlap cannot make the reading grow
    // beyond its size.
    size_t referenceBudget = mapLength / kReferenceSize;
    size_t dataBudget = dataLength;
    ResourceFork fork;
    for (UInt32 t = 0; t < typeCount; ++t) {
        size_t entry = typeList + 2 + t * kTypeEntrySize;
        if (!in.has(entry, kTypeEntrySize))
            return std::nullopt;
        ResType type = in.read(entry, 4);
        UInt32 count = in.read(entry + 4, 2) + 1;
        size_t references = typeList + in.read(entry + 6, 2);
        for (UInt32 r = 0; r < count; ++r) {
            size_t reference = references + r * kReferenceSize;
            if (!in.has(reference, kReferenceSize) || referenceBudget == 0)
                return std::nullopt;
            --referenceBudget;
            Resource resource;
            resource.type = type;
            resource.id = SInt16(in.read(reference, 2));
            UInt32 nameOffset = in.read(reference + 2, 2);
            resource.attributes = UInt8(in.read(reference + 4, 1));
            size_t data = size_t(dataOffset) + in.read(reference + 5, 3);
            if (!in.has(data, 4) || data + 4 > size_t(dataOffset) + dataLength)
                return std::nullopt;
            UInt32 length = in.read(data, 4);
            if (!in.has(data + 4, length) || data + 4 + length > size_t(dataOffset) + dataLength ||
                length + 4 > dataBudget)
                return std::nullopt;
            dataBudget -= length + 4;
            resource.data = in.slice(data + 4, length);
            if (nameOffset != 0xFFFF) {
                size_t name = nameList + nameOffset;
                if (!in.has(name, 1) || !in.has(name + 1, in.read(name, 1)))
                    return std::nullopt;
                resource.name = in.slice(name + 1, in.read(name, 1));
                resource.hasName = true;
            }
            fork.resources_.push_back(std::move(resource));
        }
    }
    return fork;
}

std::optional<std::string> ResourceFork::serialize() const
{
    std::map<ResType, std::vector<const Resource*>> byType;
    for (const Resource& resource : resources_)
        byType[resource.type].push_back(&resource);

    std::string data;
    std::string names;
    std::string typeList;
    std::string references;
    put(typeList, UInt32(byType.size()) - 1, 2);
    UInt32 referencesStart = 2 + UInt32(byType.size()) * kTypeEntrySize;
    for (const auto& [type, list] : byType) {
        put(typeList, type, 4);
        put(typeList, UInt32(list.size()) - 1, 2);
        put(typeList, referencesStart + UInt32(references.size()), 2);
        for (const Resource* resource : list) {
            put(references, UInt16(resource->id), 2);
            put(references, resource->hasName ? UInt32(names.size()) : 0xFFFFu, 2);
            put(references, resource->attributes, 1);
            put(references, UInt32(data.size()), 3);
            put(references, 0, 4);
            put(data, UInt32(resource->data.size()), 4);
            data += resource->data;
            if (resource->hasName) {
                std::string name = resource->name.substr(0, 255);
                names.push_back(char(name.size()));
                names += name;
            }
        }
    }

    if (data.size() > kLargestDataArea || names.size() > 0xFFFF ||
        kMapHeaderSize + typeList.size() + references.size() > 0xFFFF)
        return std::nullopt;
    UInt32 mapOffset = kDataStart + UInt32(data.size());
    UInt32 mapLength = kMapHeaderSize + UInt32(typeList.size() + references.size() + names.size());
    std::string header;
    put(header, kDataStart, 4);
    put(header, mapOffset, 4);
    put(header, UInt32(data.size()), 4);
    put(header, mapLength, 4);

    std::string out = header;
    out.resize(kDataStart, '\0');
    out += data;
    out += header;
    put(out, 0, 4); // next map
    put(out, 0, 2); // file reference
    put(out, 0, 2); // attributes
    put(out, kMapHeaderSize, 2);
    put(out, kMapHeaderSize + UInt32(typeList.size() + references.size()), 2);
    out += typeList;
    out += references;
    out += names;
    return out;
}

void ResourceFork::add(Resource resource)
{
    for (Resource& existing : resources_) {
        if (existing.type == resource.type && existing.id == resource.id) {
            existing = std::move(resource);
            return;
        }
    }
    resources_.push_back(std::move(resource));
}

const Resource* ResourceFork::find(ResType type, SInt16 id) const
{
    for (const Resource& resource : resources_) {
        if (resource.type == type && resource.id == id)
            return &resource;
    }
    return nullptr;
}

const Resource* ResourceFork::findNamed(ResType type, const std::string& name) const
{
    for (const Resource& resource : resources_) {
        if (resource.type == type && resource.hasName && resource.name == name)
            return &resource;
    }
    return nullptr;
}

} // namespace platform
