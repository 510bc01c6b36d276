#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files/MoreFiles.h"
#include "install/DirectoryCopy.h"
#include "install/TreeTestSupport.h"
#include "support/ScopedEnv.h"
#include "support/TempFolder.h"

using namespace treetest;

namespace {

struct Call {
    OSErr error;
    SInt16 operation;
    long srcDirID;
    std::string srcName;
    long dstDirID;
    std::string dstName;

    bool operator==(const Call&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Call& call)
{
    return out << "{" << call.error << ", op " << call.operation << ", src " << call.srcDirID << " "
               << call.srcName << ", dst " << call.dstDirID << " " << call.dstName << "}";
}

std::vector<Call> calls;
Boolean answer = false;

Boolean recordingCallback(OSErr error, SInt16 operation, SInt16, long srcDirID, ConstStr255Param srcName, SInt16,
                          long dstDirID, ConstStr255Param dstName)
{
    calls.push_back({error, operation, srcDirID, text(srcName), dstDirID, text(dstName)});
    return answer;
}

// A source tree "Payload" and a destination folder "Dest" in a temporary folder.
class DirectoryCopyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        calls.clear();
        answer = false;
        makeTree(source(), payload);
        std::filesystem::create_directories(destination());
    }

    std::string source() const { return folder / "Payload"; }
    std::string destination() const { return folder / "Dest"; }

    OSErr copy(const char* copyName, Boolean preflight = true, const std::string& from = "Payload",
               const std::string& into = "")
    {
        Location top = locate(folder.path);
        Location dst = locate(into.empty() ? destination() : into);
        Pascal sourceName(from);
        Pascal copy(copyName ? copyName : "");
        return DirectoryCopy(top.vRefNum, top.dirID, sourceName, dst.vRefNum, dst.dirID, nullptr,
                             copyName ? static_cast<ConstStr255Param>(copy) : nullptr, nullptr, 0, preflight,
                             recordingCallback);
    }

    TempFolder folder;
    const Tree payload{{"ReadMe", "read me"},
                       {"App", "/"},
                       {"App/Binary", std::string(40000, 'b')},
                       {"App/Empty", "/"},
                       {"App/Resources/Icon", "icon"},
                       {"Zero", ""}};
};

} // namespace

TEST_F(DirectoryCopyTest, CopyNameMakesANewFolderWithTheWholeTreeAndItsAttributes)
{
    CInfoPBRec info = catalogInfo(folder.path, "Payload");
    info.ioDrUsrWds.frFlags = 0x0400;
    info.ioDrUsrWds.frLocation = {12, 34};
    info.ioDrMdDat = 3000000000u;
    ASSERT_EQ(setCatalogInfo(folder.path, "Payload", info), noErr);
    ASSERT_EQ(::setxattr((source() + "/ReadMe").c_str(), "user.com.apple.ResourceFork", "fork", 4, 0), 0);

    EXPECT_EQ(copy("Program"), noErr);

    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(destination()), {}), 1);
    EXPECT_EQ(treeOf(destination() + "/Program"), treeOf(source()));
    EXPECT_EQ(attribute(destination() + "/Program/ReadMe", "user.com.apple.ResourceFork"), "fork");
    CInfoPBRec copied = catalogInfo(destination(), "Program");
    EXPECT_EQ(copied.ioDrUsrWds.frFlags, 0x0400);
    EXPECT_EQ(copied.ioDrUsrWds.frLocation.h, 34);
    EXPECT_EQ(copied.ioDrMdDat, 3000000000u);
}

TEST_F(DirectoryCopyTest, MergeKeepsWhatIsThereAndCarriesTheFolderAttributes)
{
    writeFile(destination() + "/Other", "other");
    CInfoPBRec info = catalogInfo(folder.path, "Payload");
    info.ioDrUsrWds.frFlags = 0x4000;
    info.ioDrMdDat = 2900000000u;
    ASSERT_EQ(setCatalogInfo(folder.path, "Payload", info), noErr);

    EXPECT_EQ(copy(nullptr), noErr);

    Tree expected = treeOf(source());
    expected["Other"] = "other";
    EXPECT_EQ(treeOf(destination()), expected);
    CInfoPBRec merged = catalogInfo(folder.path, "Dest");
    EXPECT_EQ(merged.ioDrUsrWds.frFlags, 0x4000);
    EXPECT_EQ(merged.ioDrMdDat, 2900000000u);
}

TEST_F(DirectoryCopyTest, NameConflictsGoToTheCallback)
{
    struct Case {
        const char* what;
        Tree existing;
        const char* copyName;
        Boolean answer;
        OSErr result;
        SInt16 operation;
        std::string failedSourceFolder; // relative to the temporary folder
        std::string srcName;
        std::string dstName;
        Tree kept;          // existing items that must stay as they were
        bool payloadCopied; // whether the rest of the payload arrived
    } cases[] = {
        {"file skipped", {{"ReadMe", "mine"}}, nullptr, false, noErr, fileCopyOp, "Payload", "ReadMe", "(none)",
         {{"ReadMe", "mine"}}, true},
        {"file stops the copy", {{"ReadMe", "mine"}}, nullptr, true, dupFNErr, fileCopyOp, "Payload", "ReadMe",
         "(none)", {{"ReadMe", "mine"}}, false},
        {"folder skipped with its subtree", {{"App", "/"}, {"App/Keep", "keep"}}, nullptr, false, noErr, dirCreateOp,
         "Payload/App", "(none)", "App", {{"App", "/"}, {"App/Keep", "keep"}}, true},
        {"copy-name folder exists", {{"Program", "/"}}, "Program", true, dupFNErr, dirCreateOp, "Payload", "(none)",
         "Program", {{"Program", "/"}}, false},
        {"copy-name folder exists, the copy goes into the destination itself", {{"Program", "/"}}, "Program", false,
         noErr, dirCreateOp, "Payload", "(none)", "Program", {{"Program", "/"}}, true},
    };
    for (const Case& c : cases) {
        std::filesystem::remove_all(destination());
        makeTree(destination(), c.existing);
        calls.clear();
        answer = c.answer;

        EXPECT_EQ(copy(c.copyName), c.result) << c.what;

        long failedFolder = locate(folder / c.failedSourceFolder).dirID;
        long parent = locate(destination()).dirID;
        EXPECT_EQ(calls, (std::vector<Call>{{dupFNErr, c.operation, failedFolder, c.srcName, parent, c.dstName}}))
            << c.what;
        Tree tree = treeOf(destination());
        for (const auto& [relative, contents] : c.kept)
            EXPECT_EQ(tree[relative], contents) << c.what << ": " << relative;
        if (c.payloadCopied) {
            EXPECT_EQ(tree.count("Zero"), 1u) << c.what;
        }
        // Items come by name: "Zero" is the last of the payload's.
        if (c.answer) {
            EXPECT_EQ(tree.count("Zero"), 0u) << c.what << ": the copy went on after the callback said stop";
        }
        if (c.operation == dirCreateOp && !c.copyName) {
            EXPECT_EQ(tree.count("App/Binary"), 0u) << c.what << ": the skipped subtree was copied";
        }
    }
}

TEST_F(DirectoryCopyTest, BadSourceOrDestinationIsRefusedBeforeAnythingIsCreated)
{
    writeFile(folder / "AFile", "x");
    struct Case {
        const char* from;
        const char* into;
        OSErr result;
    } cases[] = {
        {"AFile", "Dest", dirNFErr},
        {"Missing", "Dest", fnfErr},
        {"Payload", "AFile", dirNFErr},
        {"Payload", "Missing", fnfErr},
    };
    Location top = locate(folder.path);
    for (const Case& c : cases) {
        EXPECT_EQ(DirectoryCopy(top.vRefNum, top.dirID, Pascal(c.from), top.vRefNum, top.dirID, Pascal(c.into),
                                Pascal("Program"), nullptr, 0, true, recordingCallback),
                  c.result)
            << c.from << " into " << c.into;
        EXPECT_TRUE(calls.empty()) << c.from;
        EXPECT_TRUE(std::filesystem::is_empty(destination())) << c.from;
        EXPECT_FALSE(std::filesystem::exists(folder / "Program")) << c.from;
    }
}

// Each case is a source tree against a fresh volume of sixteen 4096-byte
// allocation blocks: every fork counts whole allocation blocks, empty forks
// count nothing, and a need equal to the free space fits.
TEST_F(DirectoryCopyTest, RoomCheckCountsAllocationBlocksOfBothForks)
{
    struct File {
        std::string name;
        long dataLength;
        long resourceLength;
    };
    auto many = [](int count, long length) {
        std::vector<File> files;
        for (int i = 0; i < count; ++i)
            files.push_back({"f" + std::to_string(i), length, 0});
        return files;
    };
    std::vector<File> emptyFilesAndAFullOne = many(50, 0);
    emptyFilesAndAFullOne.push_back({"whole", 65536, 0});
    struct Case {
        const char* what;
        std::vector<File> files;
        bool fits;
    } cases[] = {
        {"sixteen 1-byte files", many(16, 1), true},
        {"seventeen 1-byte files", many(17, 1), false},
        {"sixteen 1024-byte files", many(16, 1024), true},
        {"seventeen 1024-byte files", many(17, 1024), false},
        {"exactly the free space", {{"whole", 65536, 0}}, true},
        {"one byte more", {{"whole", 65537, 0}}, false},
        {"empty forks count nothing", emptyFilesAndAFullOne, true},
        {"resource fork fills the last block", {{"forked", 61440, 1}}, true},
        {"resource fork needs a block more", {{"forked", 61441, 1}}, false},
        {"subfolders count too", {{"a", 32768, 0}, {"Sub/b", 32768, 0}, {"Sub/Deeper/c", 1, 0}}, false},
    };
    for (const Case& c : cases) {
        TempFolder scratch;
        TmpfsVolume volume(scratch / "volume", 65536);
        if (!volume.mounted) {
            GTEST_SKIP() << "mounting a tmpfs is not permitted here";
        }
        std::string tree = scratch / "Tree";
        std::filesystem::create_directories(tree);
        for (const File& file : c.files) {
            std::string path = tree + "/" + file.name;
            writeFile(path, "");
            std::filesystem::resize_file(path, file.dataLength);
            std::string fork(file.resourceLength, 'r');
            if (!fork.empty()) {
                ASSERT_EQ(::setxattr(path.c_str(), "user.com.apple.ResourceFork", fork.data(), fork.size(), 0), 0);
            }
        }
        Location src = locate(tree);
        Location dst = locate(volume.path);

        Boolean spaceOK = !c.fits;
        EXPECT_EQ(PreflightDirectoryCopySpace(src.vRefNum, src.dirID, dst.vRefNum, &spaceOK), noErr) << c.what;
        EXPECT_EQ(spaceOK, c.fits) << c.what;
        if (!c.fits) {
            EXPECT_EQ(DirectoryCopy(src.vRefNum, src.dirID, nullptr, dst.vRefNum, dst.dirID, nullptr,
                                    Pascal("Program"), nullptr, 0, true, recordingCallback),
                      dskFulErr)
                << c.what;
            EXPECT_TRUE(std::filesystem::is_empty(volume.path)) << c.what;
            EXPECT_TRUE(calls.empty()) << c.what;
        }
    }
}

TEST_F(DirectoryCopyTest, DiskFullHalfwayThroughAFileLeavesNoPartOfIt)
{
    TmpfsVolume volume(folder / "volume", 65536);
    if (!volume.mounted) {
        GTEST_SKIP() << "mounting a tmpfs is not permitted here";
    }
    makeTree(folder / "Big", {{"Huge", std::string(1 << 20, 'h')}, {"Small", "small"}});
    Location top = locate(folder.path);
    Location dst = locate(volume.path);

    // Without the room check the copy runs into the full disk inside "Huge".
    OSErr result = DirectoryCopy(top.vRefNum, top.dirID, Pascal("Big"), dst.vRefNum, dst.dirID, nullptr, nullptr,
                                 nullptr, 0, false, recordingCallback);

    EXPECT_EQ(result, noErr);
    EXPECT_EQ(calls, (std::vector<Call>{{dskFulErr, fileCopyOp, locate(folder / "Big").dirID, "Huge", dst.dirID,
                                         "(none)"}}));
    EXPECT_EQ(treeOf(volume.path), (Tree{{"Small", "small"}}));
    UInt32 blockSize = 0;
    UInt64 freeBytes = 0;
    ASSERT_EQ(XGetVolumeInfoNoName(nullptr, dst.vRefNum, &blockSize, &freeBytes), noErr);
    EXPECT_GE(freeBytes, 65536u - blockSize) << "the space of the failed copy was not given back";
}

// Four terabytes free is 2^33 blocks of 512 bytes, which a 32-bit count of
// free blocks would see as none.
TEST_F(DirectoryCopyTest, RoomCheckSeesFreeSpaceBeyondThirtyTwoBitsOfBlocks)
{
    TmpfsVolume volume(folder / "huge", 4ul << 40);
    if (!volume.mounted) {
        GTEST_SKIP() << "mounting a tmpfs is not permitted here";
    }
    Location top = locate(folder.path);
    Location dst = locate(volume.path);
    long payloadID = locate(source()).dirID;

    Boolean spaceOK = false;
    EXPECT_EQ(PreflightDirectoryCopySpace(top.vRefNum, payloadID, dst.vRefNum, &spaceOK), noErr);
    EXPECT_TRUE(spaceOK);
}
