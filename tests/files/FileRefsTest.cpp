// File references: host paths of items named the Mac way and back, and
// permissions read and written through the catalog.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "FileTestSupport.h"
#include "files/Files.h"

using filetest::Pascal;
using filetest::TempFolder;

namespace {

class FileRefsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("PLATFORM_ROOT", root.path().c_str(), 1);
        ASSERT_EQ(mkdir((root / "Folder").c_str(), 0777), 0);
        filetest::writeFile(root / "Folder/tool", "#!/bin/sh\n");
        ASSERT_EQ(platform::locateFolder(root / "Folder", &vRefNum, &folderID), noErr);
    }
    void TearDown() override { unsetenv("PLATFORM_ROOT"); }

    // The path of an item the way the installer asks for it: FSSpec,
    // reference, catalog information, path.
    std::string pathOf(long dirID, const char* name, UInt32 bufferSize = 512)
    {
        FSSpec spec{};
        FSRef ref{};
        FSCatalogInfo info{};
        UInt8 path[1024] = {};
        if (FSMakeFSSpec(vRefNum, dirID, name ? static_cast<ConstStr255Param>(Pascal(name)) : nullptr, &spec) ||
            FSpMakeFSRef(&spec, &ref) ||
            FSGetCatalogInfo(&ref, kFSCatInfoPermissions, &info, nullptr, nullptr, nullptr) ||
            FSRefMakePath(&ref, path, bufferSize))
            return "";
        return reinterpret_cast<const char*>(path);
    }

    TempFolder root;
    SInt16 vRefNum = 0;
    long folderID = 0;
};

TEST_F(FileRefsTest, PathsOfFilesFoldersAndTheRoot)
{
    EXPECT_EQ(pathOf(folderID, "tool"), root / "Folder/tool");
    EXPECT_EQ(pathOf(folderID, nullptr), root / "Folder") << "no name: the folder itself";
    EXPECT_EQ(pathOf(fsRtDirID, nullptr), root.path());
    EXPECT_EQ(pathOf(folderID, "::Folder:tool"), root / "Folder/tool");
    EXPECT_EQ(pathOf(folderID, "missing"), "");

    std::string tool = root / "Folder/tool";
    EXPECT_EQ(pathOf(folderID, "tool", UInt32(tool.size() + 1)), tool) << "room for the path and its NUL";
    EXPECT_EQ(pathOf(folderID, "tool", UInt32(tool.size())), "") << "a path that does not fit fails";
}

TEST_F(FileRefsTest, HostPathsBecomeReferences)
{
    ASSERT_EQ(symlink("/", (root / "Folder/link").c_str()), 0);
    struct Case {
        std::string path;
        OSErr result;
        bool isDirectory;
    };
    for (const Case& c : {Case{root / "Folder/tool", noErr, false}, Case{root / "Folder", noErr, true},
                          Case{root / "Folder/", noErr, true}, Case{root / "Folder/link", noErr, false},
                          Case{root / "Folder/missing", fnfErr, false}, Case{root / "absent/tool", fnfErr, false}}) {
        FSRef ref{};
        Boolean isDirectory = !c.isDirectory;
        EXPECT_EQ(FSPathMakeRef(reinterpret_cast<const UInt8*>(c.path.c_str()), &ref, &isDirectory), c.result)
            << c.path;
        if (c.result != noErr)
            continue;
        EXPECT_EQ(isDirectory, c.isDirectory) << c.path;
        UInt8 path[512] = {};
        ASSERT_EQ(FSRefMakePath(&ref, path, sizeof path), noErr);
        std::string expected = c.path.back() == '/' ? c.path.substr(0, c.path.size() - 1) : c.path;
        EXPECT_EQ(reinterpret_cast<const char*>(path), expected);
    }
}

TEST_F(FileRefsTest, PermissionsAndNodeIDThroughTheCatalog)
{
    ASSERT_EQ(chmod((root / "Folder/tool").c_str(), 0754), 0);
    FSSpec spec{};
    FSRef ref{};
    ASSERT_EQ(FSMakeFSSpec(vRefNum, folderID, Pascal("tool"), &spec), noErr);
    ASSERT_EQ(FSpMakeFSRef(&spec, &ref), noErr);
    FSCatalogInfo info{};
    ASSERT_EQ(FSGetCatalogInfo(&ref, kFSCatInfoPermissions, &info, nullptr, nullptr, nullptr), noErr);
    EXPECT_EQ(info.permissions.mode & 07777, 0754);
    EXPECT_EQ(info.permissions.userID, geteuid());
    info.permissions.mode |= 0111;
    ASSERT_EQ(FSSetCatalogInfo(&ref, kFSCatInfoPermissions, &info), noErr);
    struct stat host {};
    ASSERT_EQ(stat((root / "Folder/tool").c_str(), &host), 0);
    EXPECT_EQ(host.st_mode & 07777, 0755u);

    FSSpec folderSpec{};
    FSRef folderRef{};
    FSRef parentRef{};
    ASSERT_EQ(FSMakeFSSpec(vRefNum, folderID, nullptr, &folderSpec), noErr);
    ASSERT_EQ(FSpMakeFSRef(&folderSpec, &folderRef), noErr);
    ASSERT_EQ(FSGetCatalogInfo(&folderRef, kFSCatInfoNodeID, &info, nullptr, nullptr, &parentRef), noErr);
    EXPECT_EQ(info.nodeID, folderID);
    UInt8 path[512] = {};
    ASSERT_EQ(FSRefMakePath(&parentRef, path, sizeof path), noErr);
    EXPECT_EQ(reinterpret_cast<const char*>(path), root.path());
}

} // namespace
