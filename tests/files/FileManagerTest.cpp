// The File Manager over real host folders: names and partial paths, data
// forks, creation and deletion, catalog information.

#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <vector>

#include "FileTestSupport.h"
#include "files/Files.h"

using filetest::Pascal;
using filetest::TempFolder;

namespace {

class FileManagerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("PLATFORM_ROOT", root.path().c_str(), 1);
        ASSERT_EQ(mkdir((root / "Contents").c_str(), 0777), 0);
        ASSERT_EQ(mkdir((root / "Contents/MacOS").c_str(), 0777), 0);
        filetest::writeFile(root / "Contents/PkgInfo", "APPL????");
        ASSERT_EQ(platform::locateFolder(root / "Contents/MacOS", &vRefNum, &macOSDir), noErr);
    }
    void TearDown() override { unsetenv("PLATFORM_ROOT"); }

    long dirIDOf(const std::string& hostPath)
    {
        SInt16 ignored = 0;
        long dirID = 0;
        EXPECT_EQ(platform::locateFolder(hostPath, &ignored, &dirID), noErr);
        return dirID;
    }

    // A parameter block for the item given by index (0: by name) in dirID.
    CInfoPBRec catInfo(StringPtr name, long dirID, SInt16 index = 0)
    {
        CInfoPBRec pb{};
        pb.ioNamePtr = name;
        pb.ioVRefNum = vRefNum;
        pb.ioDirID = dirID;
        pb.ioFDirIndex = index;
        return pb;
    }

    TempFolder root;
    SInt16 vRefNum = 0;
    long macOSDir = 0;
};

TEST_F(FileManagerTest, StartupVolumeIsRootedAtPlatformRoot)
{
    SInt16 rootVolume = 0;
    long rootDir = 0;
    ASSERT_EQ(platform::locateFolder(root.path(), &rootVolume, &rootDir), noErr);
    EXPECT_EQ(rootVolume, -1);
    EXPECT_EQ(rootDir, fsRtDirID);
    EXPECT_EQ(vRefNum, -1);
    EXPECT_GT(macOSDir, 2);
    EXPECT_EQ(platform::folderPath(-1, macOSDir), root / "Contents/MacOS");
    EXPECT_EQ(dirIDOf(root / "Contents/MacOS/."), macOSDir) << "the same folder keeps its ID";
}

TEST_F(FileManagerTest, WithoutPlatformRootTheHostRootIsTheStartupVolume)
{
    unsetenv("PLATFORM_ROOT");
    SInt16 volume = 0;
    long dirID = 0;
    ASSERT_EQ(platform::locateFolder("/", &volume, &dirID), noErr);
    EXPECT_EQ(volume, -1);
    EXPECT_EQ(dirID, fsRtDirID);
    FSSpec spec{};
    EXPECT_EQ(FSMakeFSSpec(-1, fsRtDirID, Pascal("::"), &spec), dirNFErr) << "nothing lies above a volume's root";
    ASSERT_EQ(platform::locateFolder(root.path(), &volume, &dirID), noErr);
    EXPECT_EQ(platform::folderPath(volume, dirID), root.path());
}

struct SpecCase {
    const char* partialPath;
    OSErr result;
    const char* hostPathOfParent; // relative to the root; null: no spec expected
    const char* name;
};

class FSMakeFSSpecTest : public FileManagerTest, public ::testing::WithParamInterface<SpecCase> {};

TEST_P(FSMakeFSSpecTest, ResolvesPartialPathsFromTheMacOSFolder)
{
    const SpecCase& c = GetParam();
    FSSpec spec{};
    EXPECT_EQ(FSMakeFSSpec(vRefNum, macOSDir, Pascal(c.partialPath), &spec), c.result) << c.partialPath;
    if (!c.hostPathOfParent)
        return;
    EXPECT_EQ(spec.vRefNum, vRefNum);
    std::string parent = *c.hostPathOfParent ? root / c.hostPathOfParent : root.path();
    EXPECT_EQ(platform::folderPath(vRefNum, spec.parID), parent) << c.partialPath;
    EXPECT_EQ(filetest::text(spec.name), c.name);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, FSMakeFSSpecTest,
    ::testing::Values(SpecCase{"::PkgInfo", noErr, "Contents", "PkgInfo"},
                      SpecCase{"::Missing", fnfErr, "Contents", "Missing"},
                      SpecCase{"New", fnfErr, "Contents/MacOS", "New"},
                      SpecCase{":::Contents:PkgInfo", noErr, "Contents", "PkgInfo"},
                      SpecCase{"::", noErr, "", "Contents"},
                      SpecCase{":", noErr, "Contents", "MacOS"},
                      SpecCase{"", noErr, "Contents", "MacOS"},
                      SpecCase{"::Nowhere:File", dirNFErr, nullptr, ""},
                      SpecCase{"::PkgInfo:File", dirNFErr, nullptr, ""},
                      SpecCase{"::::::Escape", dirNFErr, nullptr, ""},
                      SpecCase{"..", bdNamErr, nullptr, ""},
                      SpecCase{":.:File", bdNamErr, nullptr, ""},
                      SpecCase{"::..:PkgInfo", bdNamErr, nullptr, ""},
                      SpecCase{"Volume:File", bdNamErr, nullptr, ""},
                      SpecCase{"a/b", fnfErr, "Contents/MacOS", "a/b"},
                      SpecCase{"0123456789012345678901234567890123456789012345678901234567890123", bdNamErr,
                               nullptr, ""}));

TEST_F(FileManagerTest, SlashInAMacNameIsAColonOnDisk)
{
    FSSpec spec{};
    ASSERT_EQ(FSMakeFSSpec(vRefNum, macOSDir, Pascal("Read/Me"), &spec), fnfErr);
    ASSERT_EQ(FSpCreate(&spec, 'ttxt', 'TEXT', 0), noErr);
    EXPECT_TRUE(filetest::exists(root / "Contents/MacOS/Read:Me"));

    Str255 name{};
    CInfoPBRec pb = catInfo(name, macOSDir, 1);
    ASSERT_EQ(PBGetCatInfoSync(&pb), noErr);
    EXPECT_EQ(filetest::text(name), "Read/Me");
    EXPECT_EQ(pb.ioFlFndrInfo.fdType, FOUR_CHAR('T', 'E', 'X', 'T'));
    EXPECT_EQ(pb.ioFlFndrInfo.fdCreator, FOUR_CHAR('t', 't', 'x', 't'));
}

TEST_F(FileManagerTest, DataForkReadWriteSeekAndCut)
{
    FSSpec spec{};
    ASSERT_EQ(FSMakeFSSpec(vRefNum, macOSDir, Pascal("data"), &spec), fnfErr);
    ASSERT_EQ(FSpCreate(&spec, 0, 0, 0), noErr);
    EXPECT_EQ(FSpCreate(&spec, 0, 0, 0), dupFNErr);

    SInt16 refNum = 0;
    ASSERT_EQ(FSpOpenDF(&spec, fsCurPerm, &refNum), noErr);
    long count = 10;
    ASSERT_EQ(FSWrite(refNum, &count, "0123456789"), noErr);
    EXPECT_EQ(count, 10);
    long eof = 0;
    EXPECT_EQ(GetEOF(refNum, &eof), noErr);
    EXPECT_EQ(eof, 10);
    long mark = 0;
    EXPECT_EQ(GetFPos(refNum, &mark), noErr);
    EXPECT_EQ(mark, 10);

    EXPECT_EQ(SetFPos(refNum, fsFromStart, 4), noErr);
    char buffer[16] = {};
    count = 16;
    EXPECT_EQ(FSRead(refNum, &count, buffer), eofErr) << "a short read is an end-of-file error";
    EXPECT_EQ(count, 6);
    EXPECT_EQ(std::string(buffer, 6), "456789");

    EXPECT_EQ(SetFPos(refNum, fsFromLEOF, -3), noErr);
    EXPECT_EQ(GetFPos(refNum, &mark), noErr);
    EXPECT_EQ(mark, 7);
    EXPECT_EQ(SetFPos(refNum, fsFromMark, 100), eofErr);
    EXPECT_EQ(GetFPos(refNum, &mark), noErr);
    EXPECT_EQ(mark, 10) << "a mark past the end stops at the end";
    EXPECT_EQ(SetFPos(refNum, fsFromStart, -1), posErr);

    EXPECT_EQ(SetEOF(refNum, 3), noErr);
    EXPECT_EQ(GetFPos(refNum, &mark), noErr);
    EXPECT_EQ(mark, 3);
    EXPECT_EQ(FSClose(refNum), noErr);
    EXPECT_EQ(FSClose(refNum), rfNumErr);
    EXPECT_EQ(filetest::readFile(root / "Contents/MacOS/data"), "012");

    ASSERT_EQ(FSpOpenDF(&spec, fsRdPerm, &refNum), noErr);
    count = 1;
    EXPECT_EQ(FSWrite(refNum, &count, "x"), wrPermErr);
    EXPECT_EQ(FSClose(refNum), noErr);
}

TEST_F(FileManagerTest, OpeningRefusesFoldersMissingFilesAndLinks)
{
    ASSERT_EQ(symlink((root / "Contents/PkgInfo").c_str(), (root / "Contents/MacOS/link").c_str()), 0);
    FSSpec spec{};
    SInt16 refNum = 0;
    ASSERT_EQ(FSMakeFSSpec(vRefNum, macOSDir, Pascal("absent"), &spec), fnfErr);
    EXPECT_EQ(FSpOpenDF(&spec, fsCurPerm, &refNum), fnfErr);
    ASSERT_EQ(FSMakeFSSpec(vRefNum, macOSDir, Pascal("link"), &spec), noErr);
    EXPECT_NE(FSpOpenDF(&spec, fsCurPerm, &refNum), noErr) << "a link is never followed";
    ASSERT_EQ(FSMakeFSSpec(vRefNum, macOSDir, Pascal("::"), &spec), noErr);
    EXPECT_NE(FSpOpenDF(&spec, fsCurPerm, &refNum), noErr);
}

TEST_F(FileManagerTest, DirCreateAndHDelete)
{
    long created = 0;
    ASSERT_EQ(DirCreate(vRefNum, macOSDir, Pascal("Sub"), &created), noErr);
    EXPECT_EQ(platform::folderPath(vRefNum, created), root / "Contents/MacOS/Sub");
    EXPECT_EQ(DirCreate(vRefNum, macOSDir, Pascal("Sub"), &created), dupFNErr);
    EXPECT_EQ(DirCreate(vRefNum, macOSDir, Pascal(":Gone:Sub"), &created), dirNFErr);

    filetest::writeFile(root / "Contents/MacOS/Sub/file", "x");
    EXPECT_EQ(HDelete(vRefNum, macOSDir, Pascal("Sub")), fBsyErr) << "a folder that is not empty stays";
    EXPECT_EQ(HDelete(vRefNum, created, Pascal("file")), noErr);
    EXPECT_EQ(HDelete(vRefNum, created, Pascal("file")), fnfErr);
    EXPECT_EQ(HDelete(vRefNum, macOSDir, Pascal("Sub")), noErr);
    EXPECT_FALSE(filetest::exists(root / "Contents/MacOS/Sub"));
    EXPECT_EQ(platform::folderPath(vRefNum, created), "") << "the ID of a deleted folder is gone";

    ASSERT_EQ(mkdir((root / "Contents/MacOS/Sub").c_str(), 0777), 0);
    EXPECT_NE(dirIDOf(root / "Contents/MacOS/Sub"), created) << "a new folder of the old name has a new ID";

    ASSERT_EQ(symlink(root.path().c_str(), (root / "Contents/MacOS/up").c_str()), 0);
    EXPECT_EQ(HDelete(vRefNum, macOSDir, Pascal("up")), noErr);
    EXPECT_TRUE(filetest::exists(root / "Contents/PkgInfo"));
}

// Runs a File Manager call in a child process that has given up root for the
// "nobody" user, and gives back its result.
OSErr asAnotherUser(const std::function<OSErr()>& call)
{
    int results[2];
    if (pipe(results) != 0)
        return ioErr;
    pid_t child = fork();
    if (child == 0) {
        close(results[0]);
        OSErr err = setgid(65534) == 0 && setuid(65534) == 0 ? call() : OSErr(1);
        ssize_t ignored = write(results[1], &err, sizeof err);
        (void)ignored;
        _exit(0);
    }
    close(results[1]);
    OSErr err = 1;
    if (read(results[0], &err, sizeof err) != ssize_t(sizeof err))
        err = 1;
    close(results[0]);
    waitpid(child, nullptr, 0);
    return err;
}

TEST_F(FileManagerTest, AccessRefusedOnOpenCreateAndDelete)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "only root can act as another user here";
    ASSERT_EQ(chmod(root.path().c_str(), 0755), 0);
    filetest::writeFile(root / "Contents/MacOS/file", "x");
    ASSERT_EQ(chmod((root / "Contents/MacOS/file").c_str(), 0644), 0);
    SInt16 volume = vRefNum;
    long folder = macOSDir;
    EXPECT_EQ(asAnotherUser([&] { return HDelete(volume, folder, Pascal("file")); }), afpAccessDenied);
    EXPECT_EQ(asAnotherUser([&] {
                  long created = 0;
                  return DirCreate(volume, folder, Pascal("new"), &created);
              }),
              afpAccessDenied);
    EXPECT_EQ(asAnotherUser([&] {
                  FSSpec spec{};
                  SInt16 refNum = 0;
                  FSMakeFSSpec(volume, folder, Pascal("file"), &spec);
                  return FSpOpenDF(&spec, fsRdWrPerm, &refNum);
              }),
              permErr);
    EXPECT_EQ(asAnotherUser([&] {
                  FSSpec spec{};
                  SInt16 refNum = 0;
                  FSMakeFSSpec(volume, folder, Pascal("file"), &spec);
                  OSErr err = FSpOpenDF(&spec, fsCurPerm, &refNum);
                  long count = 1;
                  return err != noErr ? err : FSWrite(refNum, &count, "y");
              }),
              wrPermErr)
        << "the current permission falls back to reading";
    EXPECT_TRUE(filetest::exists(root / "Contents/MacOS/file"));
}

TEST_F(FileManagerTest, CatalogInfoByNameIndexAndOfTheFolderItself)
{
    filetest::writeFile(root / "Contents/MacOS/b-file", "12345");
    ASSERT_EQ(mkdir((root / "Contents/MacOS/a-folder").c_str(), 0777), 0);
    filetest::writeFile(root / "Contents/MacOS/a-folder/inner", "");

    Str255 name{};
    CInfoPBRec pb = catInfo(name, macOSDir, 1);
    ASSERT_EQ(PBGetCatInfoSync(&pb), noErr);
    EXPECT_EQ(filetest::text(name), "a-folder");
    EXPECT_TRUE(pb.ioFlAttrib & kioFlAttribDirMask);
    EXPECT_EQ(pb.ioDrNmFls, 1);
    EXPECT_EQ(pb.ioDirID, dirIDOf(root / "Contents/MacOS/a-folder"));
    EXPECT_EQ(pb.ioDrParID, macOSDir);

    pb.ioDirID = macOSDir;
    pb.ioFDirIndex = 2;
    ASSERT_EQ(PBGetCatInfoSync(&pb), noErr);
    EXPECT_EQ(filetest::text(name), "b-file");
    EXPECT_FALSE(pb.ioFlAttrib & kioFlAttribDirMask);
    EXPECT_EQ(pb.ioFlLgLen, 5);
    EXPECT_EQ(pb.ioFlRLgLen, 0);
    EXPECT_EQ(pb.ioFlParID, macOSDir);
    EXPECT_EQ(pb.ioDirID, macOSDir);
    struct stat info {};
    ASSERT_EQ(stat((root / "Contents/MacOS/b-file").c_str(), &info), 0);
    EXPECT_EQ(pb.ioFlMdDat, UInt32(info.st_mtime + 2082844800));

    ASSERT_EQ(symlink(root.path().c_str(), (root / "Contents/MacOS/c-link").c_str()), 0);
    pb.ioDirID = macOSDir;
    pb.ioFDirIndex = 3;
    ASSERT_EQ(PBGetCatInfoSync(&pb), noErr);
    EXPECT_EQ(filetest::text(name), "c-link");
    EXPECT_FALSE(pb.ioFlAttrib & kioFlAttribDirMask) << "a link to a folder is an item, not a folder";
    EXPECT_EQ(pb.ioFlFndrInfo.fdType, OSType('slnk'));

    pb.ioDirID = macOSDir;
    pb.ioFDirIndex = 4;
    EXPECT_EQ(PBGetCatInfoSync(&pb), fnfErr);

    Str255 fileName = "\x06" "b-file";
    CInfoPBRec byName = catInfo(fileName, macOSDir);
    ASSERT_EQ(PBGetCatInfoSync(&byName), noErr);
    EXPECT_EQ(byName.ioFlLgLen, 5);

    CInfoPBRec self = catInfo(name, macOSDir, -1);
    ASSERT_EQ(PBGetCatInfoSync(&self), noErr);
    EXPECT_EQ(filetest::text(name), "MacOS");
    EXPECT_EQ(self.ioDrDirID, macOSDir);
    EXPECT_EQ(self.ioDrNmFls, 3);
}

// Another program changes a folder while it is read by index.
TEST_F(FileManagerTest, IndexedCatalogInfoFollowsAFolderChangedMeanwhile)
{
    std::string folder = root / "Contents/MacOS";
    filetest::writeFile(folder + "/a", "");
    filetest::writeFile(folder + "/c", "");
    auto nameAt = [&](long dirID, SInt16 index) {
        Str255 name{};
        CInfoPBRec pb = catInfo(name, dirID, index);
        OSErr err = PBGetCatInfoSync(&pb);
        return err == noErr ? filetest::text(name) : "error " + std::to_string(err);
    };
    EXPECT_EQ(nameAt(macOSDir, 1), "a");
    ASSERT_EQ(unlink((folder + "/c").c_str()), 0);
    filetest::writeFile(folder + "/b", "");
    filetest::writeFile(folder + "/d", "");
    EXPECT_EQ(nameAt(macOSDir, 2), "b") << "c has gone: the folder is read again";
    filetest::writeFile(folder + "/e", "");
    EXPECT_EQ(nameAt(macOSDir, 3), "d");
    EXPECT_EQ(nameAt(macOSDir, 4), "e") << "past the end of its listing the folder is read again";
    EXPECT_EQ(nameAt(macOSDir, 5), "error -43");

    ASSERT_EQ(mkdir((folder + "/Sub").c_str(), 0777), 0);
    filetest::writeFile(folder + "/Sub/x", "");
    filetest::writeFile(folder + "/Sub/y", "");
    long sub = dirIDOf(folder + "/Sub");
    EXPECT_EQ(nameAt(sub, 1), "x");
    std::filesystem::remove_all(folder + "/Sub");
    EXPECT_EQ(nameAt(sub, 2), "error -120") << "the folder itself has gone";
    EXPECT_EQ(nameAt(sub, 1), "error -120");
}

// A folder held open that another program renames keeps its ID; once it is
// deleted the ID is gone, even where a new folder takes its old name.
TEST_F(FileManagerTest, AFolderRenamedByAnotherProgramKeepsItsID)
{
    std::string folder = root / "Contents/MacOS";
    ASSERT_EQ(mkdir((folder + "/Old").c_str(), 0777), 0);
    filetest::writeFile(folder + "/Old/inside", "x");
    long id = dirIDOf(folder + "/Old");
    Str255 name{};
    CInfoPBRec pb = catInfo(name, id, 1);
    ASSERT_EQ(PBGetCatInfoSync(&pb), noErr);

    ASSERT_EQ(rename((folder + "/Old").c_str(), (folder + "/New").c_str()), 0);
    EXPECT_EQ(platform::folderPath(vRefNum, id), folder + "/New");
    long created = 0;
    EXPECT_EQ(DirCreate(vRefNum, id, Pascal("Made"), &created), noErr);
    EXPECT_TRUE(filetest::exists(folder + "/New/Made"));
    pb = catInfo(name, id, 1);
    ASSERT_EQ(PBGetCatInfoSync(&pb), noErr);
    EXPECT_EQ(filetest::text(name), "Made");

    std::filesystem::remove_all(folder + "/New");
    ASSERT_EQ(mkdir((folder + "/New").c_str(), 0777), 0);
    EXPECT_EQ(platform::folderPath(vRefNum, id), "");
    EXPECT_EQ(DirCreate(vRefNum, id, Pascal("Made"), &created), dirNFErr);
    EXPECT_NE(dirIDOf(folder + "/New"), id);
}

// More folders in use than are held open: one closed to make room is opened
// again by its path, and only if the folder there is still the same one.
TEST_F(FileManagerTest, FoldersBeyondThoseHeldOpenAreOpenedAgainByPath)
{
    std::string folder = root / "Contents/MacOS";
    std::vector<long> ids;
    for (int i = 0; i < 100; ++i) {
        std::string sub = folder + "/F" + std::to_string(i);
        ASSERT_EQ(mkdir(sub.c_str(), 0777), 0);
        filetest::writeFile(sub + "/file" + std::to_string(i), "");
        ids.push_back(dirIDOf(sub));
    }
    auto firstName = [&](long dirID) {
        Str255 name{};
        CInfoPBRec pb = catInfo(name, dirID, 1);
        OSErr err = PBGetCatInfoSync(&pb);
        return err == noErr ? filetest::text(name) : "error " + std::to_string(err);
    };
    for (int i = 0; i < 100; ++i)
        ASSERT_EQ(firstName(ids[size_t(i)]), "file" + std::to_string(i));

    EXPECT_EQ(firstName(ids[0]), "file0");
    std::filesystem::remove_all(folder + "/F1");
    ASSERT_EQ(mkdir((folder + "/F1").c_str(), 0777), 0);
    EXPECT_EQ(firstName(ids[1]), "error -120") << "a new folder of the old name is not the folder of the ID";
}

TEST_F(FileManagerTest, SetCatInfoWritesFinderInfoAndModificationDate)
{
    filetest::writeFile(root / "Contents/MacOS/file", "x");
    Str255 fileName = "\x04" "file";
    CInfoPBRec pb = catInfo(fileName, macOSDir);
    ASSERT_EQ(PBGetCatInfoSync(&pb), noErr);
    pb.ioFlFndrInfo.fdType = 'adrp';
    pb.ioFlFndrInfo.fdFlags = kIsAlias;
    pb.ioFlMdDat = 3000000000u;
    pb.ioDirID = macOSDir;
    ASSERT_EQ(PBSetCatInfoSync(&pb), noErr);

    CInfoPBRec again = catInfo(fileName, macOSDir);
    ASSERT_EQ(PBGetCatInfoSync(&again), noErr);
    EXPECT_EQ(again.ioFlFndrInfo.fdType, OSType('adrp'));
    EXPECT_EQ(again.ioFlFndrInfo.fdFlags, kIsAlias);
    EXPECT_EQ(again.ioFlMdDat, 3000000000u);
}

} // namespace
