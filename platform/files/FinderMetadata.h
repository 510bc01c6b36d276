#pragma once
// The Mac metadata that Linux lacks, kept in extended attributes under the
// names the Mac uses on foreign volumes. Attributes are read and written
// without following a symbolic link. A file system without user attributes
// simply has none: reads give nothing, writes fail quietly for the caller to
// ignore.

#include <optional>
#include <string>

#include "core/MacTypes.h"
#include "files/Files.h"

namespace platform {

inline constexpr const char* kResourceForkAttribute = "user.com.apple.ResourceFork";
inline constexpr const char* kFinderInfoAttribute = "user.com.apple.FinderInfo";
inline constexpr const char* kFinderCommentAttribute = "user.com.apple.FinderComment";
inline constexpr const char* kLockedAttribute = "user.com.apple.Locked";
inline constexpr size_t kFinderInfoSize = 32;

// Which of the Mac's attributes an item has, learned from one listing of its
// attribute names, so that an item without any costs one call, not one per
// attribute. Where the names cannot be listed every attribute counts as
// present and is then looked for one by one.
struct MacAttributes {
    bool resourceFork = false;
    bool finderInfo = false;
    bool comment = false;
    bool locked = false;
};
MacAttributes macAttributesOf(int folder, const char* name);
MacAttributes macAttributesOf(int descriptor);

std::optional<std::string> readAttribute(int folder, const char* name, const char* attribute);
std::optional<std::string> readAttribute(const std::string& path, const char* name);
std::optional<std::string> readAttribute(int descriptor, const char* name);
// 0 or an errno.
int writeAttribute(int folder, const char* name, const char* attribute, const std::string& value);
int writeAttribute(const std::string& path, const char* name, const std::string& value);
int removeAttribute(int folder, const char* name, const char* attribute);
// The size of an attribute, 0 when absent.
SInt64 attributeSize(int folder, const char* name, const char* attribute);

// The 32 bytes of Finder information, zeros when absent.
std::string finderInfoBytes(int folder, const char* name);

bool isLocked(int folder, const char* name);
bool isLocked(const std::string& path);
// 0 or an errno.
int setLocked(int folder, const char* name, bool locked);

// The big-endian 32-byte forms of FInfo+FXInfo and DInfo+DXInfo.
std::string encodeFileInfo(const FInfo& info, const FXInfo& extended);
void decodeFileInfo(const std::string& bytes, FInfo* info, FXInfo* extended);
std::string encodeFolderInfo(const DInfo& info, const DXInfo& extended);
void decodeFolderInfo(const std::string& bytes, DInfo* info, DXInfo* extended);

} // namespace platform
