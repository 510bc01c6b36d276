#include "files/FinderMetadata.h"

#include <fcntl.h>
#include <sys/xattr.h>

#include <cerrno>
#include <string_view>

#include "files/AttributeCalls.h"

namespace platform {

namespace {

// Reads a value whose size is not known beforehand: a first try into a small
// buffer, else the size asked for and a try into a buffer of that size (again
// if the value grew in between). read(buffer, size) works like getxattr.
template <typename Read>
std::optional<std::string> readGrowing(Read read)
{
    constexpr size_t kFirstTry = 256;
    std::string value(kFirstTry, '\0');
    for (int attempt = 0; attempt < 4; ++attempt) {
        ssize_t got = read(value.data(), value.size());
        if (got >= 0) {
            value.resize(size_t(got));
            return value;
        }
        if (errno != ERANGE)
            return std::nullopt;
        ssize_t size = read(nullptr, 0);
        if (size < 0)
            return std::nullopt;
        value.assign(size_t(size) + 1, '\0');
    }
    return std::nullopt;
}

MacAttributes attributesNamedIn(const std::optional<std::string>& names)
{
    if (!names) {
        if (errno == ENOTSUP)
            return MacAttributes{};
        return MacAttributes{true, true, true, true};
    }
    MacAttributes found;
    for (size_t at = 0; at < names->size();) {
        size_t end = names->find('\0', at);
        if (end == std::string::npos)
            end = names->size();
        std::string_view name(names->data() + at, end - at);
        found.resourceFork |= name == kResourceForkAttribute;
        found.finderInfo |= name == kFinderInfoAttribute;
        found.comment |= name == kFinderCommentAttribute;
        found.locked |= name == kLockedAttribute;
        at = end + 1;
    }
    return found;
}

} // namespace

MacAttributes macAttributesOf(int folder, const char* name)
{
    return attributesNamedIn(
        readGrowing([&](char* buffer, size_t size) { return listAttributesAt(folder, name, buffer, size); }));
}

MacAttributes macAttributesOf(int descriptor)
{
    return attributesNamedIn(
        readGrowing([&](char* buffer, size_t size) { return flistxattr(descriptor, buffer, size); }));
}

std::optional<std::string> readAttribute(int folder, const char* name, const char* attribute)
{
    return readGrowing(
        [&](char* buffer, size_t size) { return getAttributeAt(folder, name, attribute, buffer, size); });
}

std::optional<std::string> readAttribute(const std::string& path, const char* name)
{
    return readAttribute(AT_FDCWD, path.c_str(), name);
}

std::optional<std::string> readAttribute(int descriptor, const char* name)
{
    return readGrowing([&](char* buffer, size_t size) { return fgetxattr(descriptor, name, buffer, size); });
}

int writeAttribute(int folder, const char* name, const char* attribute, const std::string& value)
{
    return setAttributeAt(folder, name, attribute, value.data(), value.size()) == 0 ? 0 : errno;
}

int writeAttribute(const std::string& path, const char* name, const std::string& value)
{
    return writeAttribute(AT_FDCWD, path.c_str(), name, value);
}

int removeAttribute(int folder, const char* name, const char* attribute)
{
    if (removeAttributeAt(folder, name, attribute) == 0 || errno == ENODATA)
        return 0;
    return errno;
}

SInt64 attributeSize(int folder, const char* name, const char* attribute)
{
    ssize_t size = getAttributeAt(folder, name, attribute, nullptr, 0);
    return size < 0 ? 0 : SInt64(size);
}

std::string finderInfoBytes(int folder, const char* name)
{
    std::string bytes = readAttribute(folder, name, kFinderInfoAttribute).value_or(std::string());
    bytes.resize(kFinderInfoSize, '\0');
    return bytes;
}

bool isLocked(int folder, const char* name)
{
    return readAttribute(folder, name, kLockedAttribute).has_value();
}

bool isLocked(const std::string& path)
{
    return isLocked(AT_FDCWD, path.c_str());
}

int setLocked(int folder, const char* name, bool locked)
{
    if (locked)
        return writeAttribute(folder, name, kLockedAttribute, "1");
    return removeAttribute(folder, name, kLockedAttribute);
}

namespace {

class BigEndianWriter {
public:
    void u8(UInt8 value) { bytes_.push_back(char(value)); }
    void u16(UInt16 value)
    {
        u8(UInt8(value >> 8));
        u8(UInt8(value));
    }
    void u32(UInt32 value)
    {
        u16(UInt16(value >> 16));
        u16(UInt16(value));
    }
    void point(Point p)
    {
        u16(UInt16(p.v));
        u16(UInt16(p.h));
    }
    std::string take()
    {
        bytes_.resize(kFinderInfoSize, '\0');
        return bytes_;
    }

private:
    std::string bytes_;
};

class BigEndianReader {
public:
    explicit BigEndianReader(const std::string& bytes) : bytes_(bytes) { bytes_.resize(kFinderInfoSize, '\0'); }
    UInt8 u8() { return UInt8(bytes_[at_++]); }
    UInt16 u16()
    {
        UInt16 high = u8();
        return UInt16((high << 8) | u8());
    }
    UInt32 u32()
    {
        UInt32 high = u16();
        return (high << 16) | u16();
    }
    Point point()
    {
        Point p{};
        p.v = SInt16(u16());
        p.h = SInt16(u16());
        return p;
    }

private:
    std::string bytes_;
    size_t at_ = 0;
};

} // namespace

std::string encodeFileInfo(const FInfo& info, const FXInfo& extended)
{
    BigEndianWriter out;
    out.u32(info.fdType);
    out.u32(info.fdCreator);
    out.u16(info.fdFlags);
    out.point(info.fdLocation);
    out.u16(UInt16(info.fdFldr));
    out.u16(UInt16(extended.fdIconID));
    for (SInt16 reserved : extended.fdReserved)
        out.u16(UInt16(reserved));
    out.u8(UInt8(extended.fdScript));
    out.u8(UInt8(extended.fdXFlags));
    out.u16(UInt16(extended.fdComment));
    out.u32(UInt32(extended.fdPutAway));
    return out.take();
}

void decodeFileInfo(const std::string& bytes, FInfo* info, FXInfo* extended)
{
    BigEndianReader in(bytes);
    info->fdType = in.u32();
    info->fdCreator = in.u32();
    info->fdFlags = in.u16();
    info->fdLocation = in.point();
    info->fdFldr = SInt16(in.u16());
    extended->fdIconID = SInt16(in.u16());
    for (SInt16& reserved : extended->fdReserved)
        reserved = SInt16(in.u16());
    extended->fdScript = SInt8(in.u8());
    extended->fdXFlags = SInt8(in.u8());
    extended->fdComment = SInt16(in.u16());
    extended->fdPutAway = SInt32(in.u32());
}

std::string encodeFolderInfo(const DInfo& info, const DXInfo& extended)
{
    BigEndianWriter out;
    out.u16(UInt16(info.frRect.top));
    out.u16(UInt16(info.frRect.left));
    out.u16(UInt16(info.frRect.bottom));
    out.u16(UInt16(info.frRect.right));
    out.u16(info.frFlags);
    out.point(info.frLocation);
    out.u16(UInt16(info.frView));
    out.point(extended.frScroll);
    out.u32(UInt32(extended.frOpenChain));
    out.u8(UInt8(extended.frScript));
    out.u8(UInt8(extended.frXFlags));
    out.u16(UInt16(extended.frComment));
    out.u32(UInt32(extended.frPutAway));
    return out.take();
}

void decodeFolderInfo(const std::string& bytes, DInfo* info, DXInfo* extended)
{
    BigEndianReader in(bytes);
    info->frRect.top = SInt16(in.u16());
    info->frRect.left = SInt16(in.u16());
    info->frRect.bottom = SInt16(in.u16());
    info->frRect.right = SInt16(in.u16());
    info->frFlags = in.u16();
    info->frLocation = in.point();
    info->frView = SInt16(in.u16());
    extended->frScroll = in.point();
    extended->frOpenChain = SInt32(in.u32());
    extended->frScript = SInt8(in.u8());
    extended->frXFlags = SInt8(in.u8());
    extended->frComment = SInt16(in.u16());
    extended->frPutAway = SInt32(in.u32());
}

} // namespace platform
