// Resource files in the Mac's format, in resource forks and data forks, and
// alias records stored in them.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/xattr.h>

#include <cstdlib>
#include <cstring>

#include "FileTestSupport.h"
#include "files/Aliases.h"
#include "files/Resources.h"

using filetest::Pascal;
using filetest::TempFolder;

namespace {

std::string resourceForkOf(const std::string& path)
{
    char bytes[4096];
    ssize_t size = lgetxattr(path.c_str(), "user.com.apple.ResourceFork", bytes, sizeof bytes);
    return size < 0 ? std::string() : std::string(bytes, size_t(size));
}

std::string bytesOf(std::initializer_list<int> values)
{
    std::string bytes;
    for (int value : values)
        bytes.push_back(char(value));
    return bytes;
}

Handle handleOf(const std::string& bytes)
{
    Handle handle = NewHandle(Size(bytes.size()));
    std::memcpy(*handle, bytes.data(), bytes.size());
    return handle;
}

class ResourceManagerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("PLATFORM_ROOT", root.path().c_str(), 1);
        ASSERT_EQ(platform::locateFolder(root.path(), &vRefNum, &dirID), noErr);
    }
    void TearDown() override { unsetenv("PLATFORM_ROOT"); }

    FSSpec specOf(const char* name)
    {
        FSSpec spec{};
        OSErr err = FSMakeFSSpec(vRefNum, dirID, Pascal(name), &spec);
        EXPECT_TRUE(err == noErr || err == fnfErr) << err;
        return spec;
    }

    // A file whose resource fork holds 'TEST' 128 named "n" with data "abc".
    FSSpec fileWithOneResource(const char* name)
    {
        FSSpec spec = specOf(name);
        FSpCreateResFile(&spec, 'ttxt', 'TEXT', -1);
        EXPECT_EQ(ResError(), noErr);
        SInt16 refNum = FSpOpenResFile(&spec, fsRdWrPermResource);
        EXPECT_GT(refNum, 0);
        EXPECT_EQ(CurResFile(), refNum);
        Handle data = handleOf("abc");
        AddResource(data, 'TEST', 128, Pascal("n"));
        EXPECT_EQ(ResError(), noErr);
        DisposeHandle(data);
        CloseResFile(refNum);
        EXPECT_EQ(ResError(), noErr);
        return spec;
    }

    TempFolder root;
    SInt16 vRefNum = 0;
    long dirID = 0;
};

TEST_F(ResourceManagerTest, ForkIsWrittenInTheResourceFileFormat)
{
    FSSpec spec = specOf("empty");
    FSpCreateResFile(&spec, 'ttxt', 'TEXT', -1);
    ASSERT_EQ(ResError(), noErr);
    std::string empty = resourceForkOf(root / "empty");
    ASSERT_EQ(empty.size(), 286u) << "256 bytes before the data, a map of 30";
    EXPECT_EQ(empty.substr(0, 16), bytesOf({0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 30}));
    EXPECT_EQ(empty.substr(256 + 24), bytesOf({0, 28, 0, 30, 0xFF, 0xFF}));

    fileWithOneResource("one");
    std::string fork = resourceForkOf(root / "one");
    std::string expected = bytesOf({0, 0, 1, 0, 0, 0, 1, 7, 0, 0, 0, 7, 0, 0, 0, 52});
    std::string header = expected;
    expected.resize(256, '\0');
    expected += bytesOf({0, 0, 0, 3, 'a', 'b', 'c'});
    expected += header;
    expected += bytesOf({0, 0, 0, 0, 0, 0, 0, 0, 0, 28, 0, 50});              // next map, ref, attrs, offsets
    expected += bytesOf({0, 0, 'T', 'E', 'S', 'T', 0, 0, 0, 10});              // one type, one resource
    expected += bytesOf({0, 128, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});               // ID 128, name 0, data 0
    expected += bytesOf({1, 'n'});
    EXPECT_EQ(fork, expected);
}

TEST_F(ResourceManagerTest, ResourcesAreReadBackByIDAndName)
{
    FSSpec spec = fileWithOneResource("file");
    CInfoPBRec pb{};
    Str255 name = "\x04" "file";
    pb.ioNamePtr = name;
    pb.ioVRefNum = vRefNum;
    pb.ioDirID = dirID;
    ASSERT_EQ(PBGetCatInfoSync(&pb), noErr);
    EXPECT_EQ(pb.ioFlFndrInfo.fdType, OSType('TEXT'));
    EXPECT_EQ(pb.ioFlFndrInfo.fdCreator, OSType('ttxt'));
    EXPECT_EQ(pb.ioFlLgLen, 0);
    EXPECT_EQ(pb.ioFlRLgLen, SInt64(resourceForkOf(root / "file").size()));

    SInt16 refNum = FSpOpenResFile(&spec, fsRdPerm);
    ASSERT_GT(refNum, 0) << ResError();
    Handle byID = Get1Resource('TEST', 128);
    ASSERT_NE(byID, nullptr);
    EXPECT_EQ(std::string(*byID, size_t(GetHandleSize(byID))), "abc");
    Handle byName = Get1NamedResource('TEST', Pascal("n"));
    ASSERT_NE(byName, nullptr);
    EXPECT_EQ(std::string(*byName, size_t(GetHandleSize(byName))), "abc");
    EXPECT_EQ(Get1Resource('TEST', 129), nullptr);
    EXPECT_EQ(ResError(), resNotFound);

    Handle more = handleOf("x");
    AddResource(more, 'MORE', 1, nullptr);
    EXPECT_NE(ResError(), noErr) << "a file opened to read takes no resources";
    DisposeHandle(more);
    CloseResFile(refNum);
    EXPECT_EQ(Get1Resource('TEST', 128), nullptr) << "nothing is current after the last close";
}

TEST_F(ResourceManagerTest, CreateAndOpenFailures)
{
    FSSpec spec = fileWithOneResource("forked");
    FSpCreateResFile(&spec, 'ttxt', 'TEXT', -1);
    EXPECT_EQ(ResError(), dupFNErr) << "a file that has a resource fork already";

    filetest::writeFile(root / "plain", "data");
    FSSpec plain = specOf("plain");
    EXPECT_EQ(FSpOpenResFile(&plain, fsRdPerm), -1);
    EXPECT_EQ(ResError(), resFNotFound);
    FSpCreateResFile(&plain, 'ttxt', 'TEXT', -1);
    EXPECT_EQ(ResError(), noErr) << "an existing file without a fork gets one";
    EXPECT_EQ(filetest::readFile(root / "plain"), "data");

    FSSpec missing = specOf("missing");
    EXPECT_EQ(FSpOpenResFile(&missing, fsRdPerm), -1);
    EXPECT_EQ(ResError(), fnfErr);
}

// A file of one resource, "abcd" of type 'AAAA' with ID 1; with a second
// type 'BBBB' its map lists that same reference again, so that two resources
// would share one block of data.
std::string forkOfOneResource(bool secondTypeSharingIt)
{
    int types = secondTypeSharingIt ? 2 : 1;
    int referenceList = 2 + 8 * types;
    int mapLength = 28 + referenceList + 12;
    std::string header = bytesOf({0, 0, 1, 0, 0, 0, 1, 8, 0, 0, 0, 8, 0, 0, 0, mapLength});
    std::string fork = header;
    fork.resize(256, '\0');
    fork += bytesOf({0, 0, 0, 4, 'a', 'b', 'c', 'd'});
    fork += header;
    fork += bytesOf({0, 0, 0, 0, 0, 0, 0, 0, 0, 28, 0, mapLength});
    fork += bytesOf({0, types - 1, 'A', 'A', 'A', 'A', 0, 0, 0, referenceList});
    if (secondTypeSharingIt)
        fork += bytesOf({'B', 'B', 'B', 'B', 0, 0, 0, referenceList});
    fork += bytesOf({0, 1, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0, 0, 0});
    return fork;
}

TEST_F(ResourceManagerTest, MalformedForksAreRefused)
{
    struct Case {
        const char* what;
        std::string fork;
        OSErr result;
    };
    for (const Case& c : {Case{"well formed", forkOfOneResource(false), noErr}, Case{"empty", "", resFNotFound},
                          Case{"short header", bytesOf({0, 0, 1}), mapReadErr},
                          Case{"map beyond the end", bytesOf({0, 0, 1, 0, 0x7F, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 30}),
                               mapReadErr},
                          Case{"lists sharing data", forkOfOneResource(true), mapReadErr}}) {
        filetest::writeFile(root / "broken", "");
        ASSERT_EQ(lsetxattr((root / "broken").c_str(), "user.com.apple.ResourceFork", c.fork.data(), c.fork.size(), 0),
                  0);
        FSSpec broken = specOf("broken");
        SInt16 refNum = FSpOpenResFile(&broken, fsRdPerm);
        EXPECT_EQ(ResError(), c.result) << c.what;
        if (refNum > 0)
            CloseResFile(refNum);
    }
}

TEST_F(ResourceManagerTest, ResourceFileInADataFork)
{
    fileWithOneResource("forked");
    filetest::writeFile(root / "Installer.rsrc", resourceForkOf(root / "forked"));
    FSSpec spec = specOf("Installer.rsrc");
    FSRef ref{};
    ASSERT_EQ(FSpMakeFSRef(&spec, &ref), noErr);
    ResFileRefNum refNum = 0;
    ASSERT_EQ(FSOpenResourceFile(&ref, 0, nullptr, fsRdPerm, &refNum), noErr);
    Handle data = Get1Resource('TEST', 128);
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(std::string(*data, size_t(GetHandleSize(data))), "abc");
    CloseResFile(refNum);
}

TEST_F(ResourceManagerTest, AliasRecordNamesTheTargetsVolumeFolderAndName)
{
    ASSERT_EQ(mkdir((root / "Applications").c_str(), 0777), 0);
    ASSERT_EQ(mkdir((root / "Applications/DSL").c_str(), 0777), 0);
    filetest::writeFile(root / "Applications/DSL/Uninstall", "");
    FSSpec target{};
    ASSERT_EQ(FSMakeFSSpec(vRefNum, dirID, Pascal(":Applications:DSL:Uninstall"), &target), noErr);
    AliasHandle alias = nullptr;
    ASSERT_EQ(NewAlias(nullptr, &target, &alias), noErr);
    ASSERT_NE(alias, nullptr);
    std::string record(reinterpret_cast<const char*>(*alias), size_t(GetHandleSize(reinterpret_cast<Handle>(alias))));
    EXPECT_EQ((*alias)->aliasSize, record.size());
    std::string body = record.substr(sizeof(AliasRecord));
    std::string expected = bytesOf({1, 0, 12}) + "Macintosh HD";
    expected += bytesOf({0, int(root.path().size())}) + root.path();
    expected += bytesOf({0, 16}) + "Applications/DSL";
    expected += bytesOf({9}) + "Uninstall";
    EXPECT_EQ(body, expected);
    DisposeHandle(reinterpret_cast<Handle>(alias));

    FSSpec missing{};
    ASSERT_EQ(FSMakeFSSpec(vRefNum, dirID, Pascal("missing"), &missing), fnfErr);
    EXPECT_EQ(NewAlias(nullptr, &missing, &alias), fnfErr);
}

} // namespace
