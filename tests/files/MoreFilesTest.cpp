// The file-system utilities: copying one file, deleting a tree, lookups.

#include <gtest/gtest.h>
#include <dirent.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <vector>

#include "FileTestSupport.h"
#include "files/Files.h"
#include "files/Folders.h"
#include "files/MoreFiles.h"

using filetest::Pascal;
using filetest::TempFolder;

namespace {

std::string attribute(const std::string& path, const char* name)
{
    char value[256];
    ssize_t size = lgetxattr(path.c_str(), name, value, sizeof value);
    return size < 0 ? "<none>" : std::string(value, size_t(size));
}

void setAttribute(const std::string& path, const char* name, const std::string& value)
{
    ASSERT_EQ(lsetxattr(path.c_str(), name, value.data(), value.size(), 0), 0) << name;
}

std::vector<std::string> namesIn(const std::string& folder)
{
    std::vector<std::string> names;
    DIR* listing = opendir(folder.c_str());
    while (dirent* entry = listing ? readdir(listing) : nullptr) {
        if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
            names.emplace_back(entry->d_name);
    }
    if (listing)
        closedir(listing);
    return names;
}

class MoreFilesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("PLATFORM_ROOT", root.path().c_str(), 1);
        ASSERT_EQ(mkdir((root / "src").c_str(), 0777), 0);
        ASSERT_EQ(mkdir((root / "dst").c_str(), 0777), 0);
        srcDir = dirIDOf(root / "src");
        dstDir = dirIDOf(root / "dst");
    }
    void TearDown() override { unsetenv("PLATFORM_ROOT"); }

    long dirIDOf(const std::string& hostPath)
    {
        SInt16 vRefNum = 0;
        long dirID = 0;
        EXPECT_EQ(platform::locateFolder(hostPath, &vRefNum, &dirID), noErr) << hostPath;
        return dirID;
    }

    OSErr copy(const char* name, long toDir, const char* copyName = nullptr, bool preflight = true,
               SInt16 toVolume = -1)
    {
        Pascal copyAs(copyName ? copyName : "");
        return FileCopy(-1, srcDir, Pascal(name), toVolume, toDir, nullptr, copyName ? static_cast<ConstStr255Param>(copyAs) : nullptr, nullptr, 0,
                        preflight);
    }

    TempFolder root;
    long srcDir = 0;
    long dstDir = 0;
};

TEST_F(MoreFilesTest, FileCopyCarriesForksFinderInfoCommentAndDateButNotTheMode)
{
    std::string source = root / "src/tool";
    filetest::writeFile(source, std::string(100000, 'd'));
    // A fork larger than a first guess at an attribute's size.
    setAttribute(source, "user.com.apple.ResourceFork", std::string(1000, 'r'));
    setAttribute(source, "user.com.apple.FinderInfo", std::string("APPLdslx") + std::string(24, '\0'));
    setAttribute(source, "user.com.apple.FinderComment", "a comment");
    ASSERT_EQ(chmod(source.c_str(), 0751), 0);
    struct timespec times[2] = {{0, UTIME_OMIT}, {1000000000, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, source.c_str(), times, 0), 0);

    ASSERT_EQ(copy("tool", dstDir, "copy"), noErr);
    std::string copied = root / "dst/copy";
    EXPECT_EQ(filetest::readFile(copied), filetest::readFile(source));
    for (const char* name : {"user.com.apple.ResourceFork", "user.com.apple.FinderInfo", "user.com.apple.FinderComment"})
        EXPECT_EQ(attribute(copied, name), attribute(source, name)) << name;
    struct stat info {};
    ASSERT_EQ(stat(copied.c_str(), &info), 0);
    EXPECT_EQ(info.st_mtim.tv_sec, 1000000000);
    mode_t mask = umask(0);
    umask(mask);
    EXPECT_EQ(info.st_mode & 07777, 0666 & ~mask) << "a copy gets the default mode";
    EXPECT_EQ(namesIn(root / "dst"), std::vector<std::string>{"copy"}) << "no temporary file is left";

    Str255 name = "\x04" "copy";
    CInfoPBRec pb{};
    pb.ioNamePtr = name;
    pb.ioVRefNum = -1;
    pb.ioDirID = dstDir;
    ASSERT_EQ(PBGetCatInfoSync(&pb), noErr);
    EXPECT_EQ(pb.ioFlRLgLen, 1000);
    EXPECT_EQ(pb.ioFlFndrInfo.fdType, OSType('APPL'));
    EXPECT_EQ(pb.ioFlFndrInfo.fdCreator, OSType('dslx'));
    EXPECT_FALSE(pb.ioFlAttrib & kioFlAttribLockedMask);
}

TEST_F(MoreFilesTest, FileCopyNeverReplacesAnExistingItem)
{
    filetest::writeFile(root / "src/file", "new");
    ASSERT_EQ(symlink("target", (root / "src/link").c_str()), 0);
    filetest::writeFile(root / "dst/file", "old");
    filetest::writeFile(root / "dst/link", "old");
    ASSERT_EQ(symlink("/nonexistent", (root / "dst/dangling").c_str()), 0);
    for (bool preflight : {true, false}) {
        EXPECT_EQ(copy("file", dstDir, nullptr, preflight), dupFNErr) << preflight;
        EXPECT_EQ(copy("link", dstDir, nullptr, preflight), dupFNErr) << "a link onto an item, " << preflight;
        EXPECT_EQ(copy("file", dstDir, "dangling", preflight), dupFNErr) << "not even a dangling link is replaced";
    }
    EXPECT_EQ(filetest::readFile(root / "dst/file"), "old");
    EXPECT_EQ(filetest::readFile(root / "dst/link"), "old");
    EXPECT_FALSE(filetest::exists("/nonexistent"));
    EXPECT_EQ(namesIn(root / "dst").size(), 3u) << "no unfinished copy is left";
}

TEST_F(MoreFilesTest, FileCopyErrors)
{
    filetest::writeFile(root / "src/file", "x");
    filetest::writeFile(root / "dst/plain", "x");
    EXPECT_EQ(copy("missing", dstDir), fnfErr);
    EXPECT_EQ(FileCopy(-1, srcDir, Pascal("file"), -1, dstDir, Pascal("plain"), nullptr, nullptr, 0, true), dirNFErr)
        << "the destination must be a folder";
    EXPECT_EQ(FileCopy(-1, srcDir, Pascal("file"), -1, dstDir, Pascal("absent"), nullptr, nullptr, 0, true), dirNFErr);
    EXPECT_EQ(copy("file", dstDir, ".."), bdNamErr);
}

TEST_F(MoreFilesTest, FileCopyRecreatesASymbolicLink)
{
    ASSERT_EQ(symlink("../elsewhere/target", (root / "src/link").c_str()), 0);
    ASSERT_EQ(copy("link", dstDir), noErr);
    char target[64] = {};
    ASSERT_GT(readlink((root / "dst/link").c_str(), target, sizeof target - 1), 0);
    EXPECT_STREQ(target, "../elsewhere/target");
}

// A host file system of its own, mounted in the root for one test: another
// volume of the emulated machine.
class MountedVolumeTest : public MoreFilesTest {
protected:
    void mountVolume(const char* type, const char* options, const char* folder = "small")
    {
        small = root / folder;
        ASSERT_EQ(mkdir(small.c_str(), 0777), 0);
        if (mount(type, small.c_str(), type, 0, options) != 0)
            GTEST_SKIP() << "mounting a " << type << " is not permitted here";
        mounted = true;
        ASSERT_EQ(platform::locateFolder(small, &smallVolume, &smallDir), noErr);
    }
    void TearDown() override
    {
        if (mounted)
            umount2(small.c_str(), MNT_DETACH);
        MoreFilesTest::TearDown();
    }

    std::string small;
    bool mounted = false;
    SInt16 smallVolume = 0;
    long smallDir = 0;
};

// A small tmpfs that a copy fills up halfway through.
class FullDiskTest : public MountedVolumeTest {
protected:
    void SetUp() override
    {
        MountedVolumeTest::SetUp();
        mountVolume("tmpfs", "size=256k");
    }
};

// ramfs keeps no user attributes.
class NoAttributesTest : public MountedVolumeTest {
protected:
    void SetUp() override
    {
        MountedVolumeTest::SetUp();
        mountVolume("ramfs", "");
    }
};

// The applications folder on a file system of its own.
class ApplicationsVolumeTest : public MountedVolumeTest {
protected:
    void SetUp() override
    {
        MountedVolumeTest::SetUp();
        mountVolume("tmpfs", "size=256k", "Applications");
    }
};

TEST_F(ApplicationsVolumeTest, SystemFolderOnAMountIsThatVolumesRoot)
{
    SInt16 vRefNum = 0;
    long dirID = 0;
    ASSERT_EQ(FindFolder(kOnAppropriateDisk, kApplicationsFolderType, kDontCreateFolder, &vRefNum, &dirID), noErr);
    EXPECT_EQ(vRefNum, smallVolume);
    EXPECT_EQ(dirID, fsRtDirID);
    UInt32 blockSize = 0;
    UInt64 freeBytes = 0;
    ASSERT_EQ(XGetVolumeInfoNoName(nullptr, vRefNum, &blockSize, &freeBytes), noErr);
    EXPECT_LE(freeBytes, 256u * 1024u) << "the room of the mounted file system, not of the root's";
}

TEST_F(NoAttributesTest, CopyKeepsTheDataAndLosesOnlyTheMetadata)
{
    filetest::writeFile(root / "src/file", "data");
    setAttribute(root / "src/file", "user.com.apple.FinderInfo", std::string("TEXTttxt") + std::string(24, '\0'));
    setAttribute(root / "src/file", "user.com.apple.ResourceFork", "fork");
    ASSERT_EQ(copy("file", smallDir, nullptr, true, smallVolume), noErr);
    EXPECT_EQ(filetest::readFile(small + "/file"), "data");
    EXPECT_EQ(attribute(small + "/file", "user.com.apple.FinderInfo"), "<none>");
}

TEST_F(FullDiskTest, NoPartialFileWhenTheDiskFillsUp)
{
    filetest::writeFile(root / "src/big", std::string(1024 * 1024, 'b'));
    EXPECT_EQ(copy("big", smallDir, nullptr, true, smallVolume), dskFulErr) << "the room check refuses before writing";
    EXPECT_TRUE(namesIn(small).empty());
    EXPECT_EQ(copy("big", smallDir, nullptr, false, smallVolume), dskFulErr) << "the write itself runs out of room";
    EXPECT_TRUE(namesIn(small).empty()) << "nothing of the failed copy is left";

    filetest::writeFile(root / "src/little", "fits");
    EXPECT_EQ(copy("little", smallDir, nullptr, true, smallVolume), noErr);
    EXPECT_EQ(filetest::readFile(small + "/little"), "fits");

    UInt32 blockSize = 0;
    UInt64 freeBytes = 0;
    EXPECT_NE(smallVolume, -1) << "another host file system is another volume";
    ASSERT_EQ(XGetVolumeInfoNoName(nullptr, smallVolume, &blockSize, &freeBytes), noErr);
    struct statvfs info {};
    ASSERT_EQ(statvfs(small.c_str(), &info), 0);
    EXPECT_EQ(blockSize, info.f_frsize);
    EXPECT_EQ(freeBytes, UInt64(info.f_bavail) * info.f_frsize);
}

TEST_F(MoreFilesTest, DeleteDirectoryRemovesLockedItemsAndLinksButNothingOutside)
{
    ASSERT_EQ(mkdir((root / "outside").c_str(), 0777), 0);
    filetest::writeFile(root / "outside/keep", "keep");
    ASSERT_EQ(mkdir((root / "src/tree").c_str(), 0777), 0);
    ASSERT_EQ(mkdir((root / "src/tree/inner").c_str(), 0777), 0);
    filetest::writeFile(root / "src/tree/inner/locked", "x");
    long inner = dirIDOf(root / "src/tree/inner");
    ASSERT_EQ(HSetFLock(-1, inner, Pascal("locked")), noErr);
    EXPECT_EQ(HDelete(-1, inner, Pascal("locked")), fLckdErr);
    ASSERT_EQ(symlink((root / "outside").c_str(), (root / "src/tree/inner/to-outside").c_str()), 0);
    ASSERT_EQ(symlink((root / "outside").c_str(), (root / "src/link-to-outside").c_str()), 0);

    EXPECT_EQ(DeleteDirectory(-1, srcDir, Pascal("link-to-outside")), dirNFErr) << "a link is not a folder";
    EXPECT_TRUE(filetest::exists(root / "src/link-to-outside"));
    filetest::writeFile(root / "src/file", "x");
    EXPECT_EQ(DeleteDirectory(-1, srcDir, Pascal("file")), dirNFErr);
    EXPECT_TRUE(filetest::exists(root / "src/file"));
    EXPECT_EQ(DeleteDirectory(-1, srcDir, Pascal("missing")), fnfErr);

    EXPECT_EQ(DeleteDirectory(-1, srcDir, Pascal("tree")), noErr);
    EXPECT_FALSE(filetest::exists(root / "src/tree"));
    EXPECT_EQ(filetest::readFile(root / "outside/keep"), "keep");
}

TEST_F(MoreFilesTest, LookupsOfItemsAndFolders)
{
    filetest::writeFile(root / "src/file", "x");
    long dirID = 0;
    Boolean isDirectory = true;
    ASSERT_EQ(GetDirectoryID(-1, srcDir, Pascal("file"), &dirID, &isDirectory), noErr);
    EXPECT_EQ(dirID, srcDir) << "a file gives its folder's ID";
    EXPECT_FALSE(isDirectory);
    ASSERT_EQ(GetDirectoryID(-1, fsRtDirID, Pascal("dst"), &dirID, &isDirectory), noErr);
    EXPECT_EQ(dirID, dstDir);
    EXPECT_TRUE(isDirectory);
    dirID = 77;
    EXPECT_EQ(GetDirectoryID(-1, srcDir, Pascal("missing"), &dirID, &isDirectory), fnfErr);
    EXPECT_EQ(dirID, 77) << "outputs untouched on an error";

    Str31 name{};
    ASSERT_EQ(GetDirName(-1, dstDir, name), noErr);
    EXPECT_EQ(filetest::text(name), "dst");
    SInt16 real = 0;
    EXPECT_EQ(DetermineVRefNum(nullptr, 0, &real), noErr);
    EXPECT_EQ(real, -1);
    EXPECT_EQ(DetermineVRefNum(nullptr, -99, &real), nsvErr);
}

TEST_F(MoreFilesTest, FinderAttributesCommentAndLockCarriedFromItemToItem)
{
    filetest::writeFile(root / "src/from", "x");
    filetest::writeFile(root / "dst/to", "y");
    setAttribute(root / "src/from", "user.com.apple.FinderInfo", std::string("TEXTttxt") + std::string(24, '\0'));
    setAttribute(root / "src/from", "user.com.apple.FinderComment", "note");
    setAttribute(root / "dst/to", "user.com.apple.FinderComment", "old note");
    struct timespec times[2] = {{0, UTIME_OMIT}, {1200000000, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, (root / "src/from").c_str(), times, 0), 0);
    ASSERT_EQ(HSetFLock(-1, srcDir, Pascal("from")), noErr);

    EXPECT_EQ(DTCopyComment(-1, srcDir, Pascal("from"), -1, dstDir, Pascal("to")), noErr);
    EXPECT_EQ(attribute(root / "dst/to", "user.com.apple.FinderComment"), "note");
    ASSERT_EQ(CopyFileMgrAttributes(-1, srcDir, Pascal("from"), -1, dstDir, Pascal("to"), true), noErr);

    Str255 name = "\x02" "to";
    CInfoPBRec pb{};
    pb.ioNamePtr = name;
    pb.ioVRefNum = -1;
    pb.ioDirID = dstDir;
    ASSERT_EQ(PBGetCatInfoSync(&pb), noErr);
    EXPECT_EQ(pb.ioFlFndrInfo.fdType, OSType('TEXT'));
    EXPECT_EQ(pb.ioFlMdDat, UInt32(1200000000u + 2082844800u));
    EXPECT_TRUE(pb.ioFlAttrib & kioFlAttribLockedMask);

    SInt16 refNum = 0;
    FSSpec spec{};
    ASSERT_EQ(FSMakeFSSpec(-1, dstDir, Pascal("to"), &spec), noErr);
    EXPECT_EQ(FSpOpenDF(&spec, fsRdWrPerm, &refNum), fLckdErr);
    ASSERT_EQ(FSpOpenDF(&spec, fsCurPerm, &refNum), noErr) << "the current permission opens a locked file to read";
    long count = 1;
    EXPECT_EQ(FSWrite(refNum, &count, "z"), wrPermErr);
    FSClose(refNum);
}

} // namespace
