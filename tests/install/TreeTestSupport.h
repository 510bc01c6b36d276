#pragma once
// Helpers for the tests of the folder tree copy and the directory install:
// host trees written and read back, folder locations, length-prefixed names,
// and a small tmpfs volume for a real full disk.

#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/xattr.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <string>

#include "files/Files.h"

namespace treetest {

struct Location {
    SInt16 vRefNum = 0;
    long dirID = 0;
};

inline Location locate(const std::string& hostFolder)
{
    Location location;
    platform::locateFolder(hostFolder, &location.vRefNum, &location.dirID);
    return location;
}

// A length-prefixed copy of a text, where a ConstStr255Param is asked for.
class Pascal {
public:
    explicit Pascal(const std::string& text)
    {
        bytes[0] = UInt8(text.size());
        text.copy(reinterpret_cast<char*>(bytes + 1), 255);
    }
    operator ConstStr255Param() const { return bytes; }

private:
    unsigned char bytes[256] = {};
};

inline std::string text(ConstStr255Param pascal)
{
    return pascal ? std::string(reinterpret_cast<const char*>(pascal + 1), pascal[0]) : std::string("(none)");
}

inline void writeFile(const std::string& path, const std::string& contents)
{
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << contents;
}

inline std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline std::string attribute(const std::string& path, const char* name)
{
    char value[65536];
    ssize_t size = ::lgetxattr(path.c_str(), name, value, sizeof value);
    return size < 0 ? std::string() : std::string(value, size_t(size));
}

// Every item below root by relative path: a folder as "/", a file as its
// contents (a long one as its size and a hash of its contents).
using Tree = std::map<std::string, std::string>;

inline std::string summary(const std::string& contents)
{
    if (contents.size() <= 64)
        return contents;
    return std::to_string(contents.size()) + " bytes #" + std::to_string(std::hash<std::string>{}(contents));
}

inline Tree treeOf(const std::string& root)
{
    Tree tree;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        std::string relative = std::filesystem::relative(entry.path(), root).string();
        tree[relative] = entry.is_directory() ? "/" : summary(readFile(entry.path()));
    }
    return tree;
}

inline void makeTree(const std::string& root, const Tree& tree)
{
    std::filesystem::create_directories(root);
    for (const auto& [relative, contents] : tree) {
        if (contents == "/")
            std::filesystem::create_directories(root + "/" + relative);
        else
            writeFile(root + "/" + relative, contents);
    }
}

// Catalog information of an item by folder and name.
inline CInfoPBRec catalogInfo(const std::string& hostFolder, const std::string& name)
{
    Location folder = locate(hostFolder);
    Str255 nameBuffer;
    Pascal pascal(name);
    std::copy(static_cast<ConstStr255Param>(pascal), static_cast<ConstStr255Param>(pascal) + 256, nameBuffer);
    CInfoPBRec pb{};
    pb.ioNamePtr = nameBuffer;
    pb.ioVRefNum = folder.vRefNum;
    pb.ioDirID = folder.dirID;
    pb.ioResult = PBGetCatInfoSync(&pb);
    pb.ioNamePtr = nullptr;
    return pb;
}

inline OSErr setCatalogInfo(const std::string& hostFolder, const std::string& name, CInfoPBRec pb)
{
    Location folder = locate(hostFolder);
    Str255 nameBuffer;
    Pascal pascal(name);
    std::copy(static_cast<ConstStr255Param>(pascal), static_cast<ConstStr255Param>(pascal) + 256, nameBuffer);
    pb.ioNamePtr = nameBuffer;
    pb.ioVRefNum = folder.vRefNum;
    pb.ioDirID = folder.dirID;
    pb.ioFDirIndex = 0;
    return PBSetCatInfoSync(&pb);
}

// A tmpfs of a given size mounted on a fresh folder, for a real full disk.
// Mounting needs root; tests skip when it is not permitted.
class TmpfsVolume {
public:
    TmpfsVolume(const std::string& mountPoint, unsigned long bytes) : path(mountPoint)
    {
        std::filesystem::create_directories(path);
        std::string options = "size=" + std::to_string(bytes);
        mounted = ::mount("tmpfs", path.c_str(), "tmpfs", 0, options.c_str()) == 0;
    }
    ~TmpfsVolume()
    {
        if (mounted)
            ::umount2(path.c_str(), MNT_DETACH);
    }
    TmpfsVolume(const TmpfsVolume&) = delete;
    TmpfsVolume& operator=(const TmpfsVolume&) = delete;

    std::string path;
    bool mounted = false;
};

} // namespace treetest
