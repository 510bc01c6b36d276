// The Folder Manager's system folders by system generation, and the rules of
// the temporary items folder.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "FileTestSupport.h"
#include "files/Folders.h"

using filetest::TempFolder;

namespace {

class FolderManagerTest : public ::testing::Test {
protected:
    void SetUp() override { setenv("PLATFORM_ROOT", root.path().c_str(), 1); }
    void TearDown() override
    {
        unsetenv("PLATFORM_ROOT");
        unsetenv("PLATFORM_SYSTEM_VERSION");
    }

    std::string temporaryItems() const { return root / ("private/tmp/" + std::to_string(geteuid()) + "/Temporary Items"); }

    TempFolder root;
};

struct FolderCase {
    const char* systemVersion;
    OSType type;
    const char* path; // null: the type has no folder on this system
};

class SystemFolderTest : public FolderManagerTest, public ::testing::WithParamInterface<FolderCase> {};

TEST_P(SystemFolderTest, FoundOnlyOnceCreated)
{
    const FolderCase& c = GetParam();
    setenv("PLATFORM_SYSTEM_VERSION", c.systemVersion, 1);
    SInt16 vRefNum = 0;
    long dirID = 0;
    EXPECT_EQ(FindFolder(kOnSystemDisk, c.type, kDontCreateFolder, &vRefNum, &dirID), fnfErr);
    if (!c.path) {
        EXPECT_EQ(FindFolder(kOnSystemDisk, c.type, kCreateFolder, &vRefNum, &dirID), fnfErr);
        return;
    }
    ASSERT_EQ(FindFolder(kOnSystemDisk, c.type, kCreateFolder, &vRefNum, &dirID), noErr);
    EXPECT_EQ(vRefNum, -1);
    EXPECT_EQ(platform::folderPath(vRefNum, dirID), root / c.path);
    for (SInt16 selector : {kOnAppropriateDisk, kLocalDomain, kOnSystemDisk}) {
        long again = 0;
        EXPECT_EQ(FindFolder(selector, c.type, kDontCreateFolder, &vRefNum, &again), noErr) << selector;
        EXPECT_EQ(again, dirID) << selector;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Generations, SystemFolderTest,
    ::testing::Values(FolderCase{"10.2.8", kApplicationsFolderType, "Applications"},
                      FolderCase{"10.2.8", kKernelExtensionsFolderType, "System/Library/Extensions"},
                      FolderCase{"10.2.8", kExtensionFolderType, nullptr},
                      FolderCase{"10.2.8", kModemScriptsFolderType, "Library/Modem Scripts"},
                      FolderCase{"10.2.8", kPreferencesFolderType, "Library/Preferences"},
                      FolderCase{"10.2.8", kControlPanelFolderType, nullptr},
                      FolderCase{"10.2.8", kSystemControlPanelFolderType, nullptr},
                      FolderCase{"9.2.2", kApplicationsFolderType, "Applications"},
                      FolderCase{"9.2.2", kKernelExtensionsFolderType, nullptr},
                      FolderCase{"9.2.2", kExtensionFolderType, "System Folder/Extensions"},
                      FolderCase{"9.2.2", kModemScriptsFolderType, "System Folder/Extensions/Modem Scripts"},
                      FolderCase{"9.2.2", kPreferencesFolderType, "System Folder/Preferences"},
                      FolderCase{"9.2.2", kControlPanelFolderType, "System Folder/Control Panels"},
                      FolderCase{"9.2.2", kSystemControlPanelFolderType, "System Folder/System Control Panels"},
                      FolderCase{"0x1000", kKernelExtensionsFolderType, "System/Library/Extensions"},
                      FolderCase{"0x0FFF", kKernelExtensionsFolderType, nullptr},
                      FolderCase{"10.2.8", FOUR_CHAR('x', 'x', 'x', 'x'), nullptr}));

TEST_F(FolderManagerTest, TemporaryItemsIsCreatedPrivate)
{
    for (const char* version : {"10.2.8", "9.2.2"}) {
        setenv("PLATFORM_SYSTEM_VERSION", version, 1);
        SInt16 vRefNum = 0;
        long dirID = 0;
        ASSERT_EQ(FindFolder(kOnSystemDisk, kTemporaryFolderType, kCreateFolder, &vRefNum, &dirID), noErr);
        EXPECT_EQ(platform::folderPath(vRefNum, dirID), temporaryItems());
        struct stat info {};
        ASSERT_EQ(lstat(temporaryItems().c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 07777, 0700u);
        EXPECT_EQ(info.st_uid, geteuid());
    }
}

// Each case spoils a freshly created temporary items folder.
struct UnsafeCase {
    const char* what;
    void (*spoil)(const std::string& temporaryItems);
};

class UnsafeTemporaryItemsTest : public FolderManagerTest, public ::testing::WithParamInterface<UnsafeCase> {};

TEST_P(UnsafeTemporaryItemsTest, IsRefusedEvenWithTheCreateFlag)
{
    SInt16 vRefNum = 0;
    long dirID = 0;
    ASSERT_EQ(FindFolder(kOnSystemDisk, kTemporaryFolderType, kCreateFolder, &vRefNum, &dirID), noErr);
    GetParam().spoil(temporaryItems());
    if (testing::Test::IsSkipped())
        return;
    EXPECT_NE(FindFolder(kOnSystemDisk, kTemporaryFolderType, kDontCreateFolder, &vRefNum, &dirID), noErr);
    EXPECT_NE(FindFolder(kOnSystemDisk, kTemporaryFolderType, kCreateFolder, &vRefNum, &dirID), noErr);
}

INSTANTIATE_TEST_SUITE_P(
    Spoiled, UnsafeTemporaryItemsTest,
    ::testing::Values(
        UnsafeCase{"mode 0755", [](const std::string& folder) { ASSERT_EQ(chmod(folder.c_str(), 0755), 0); }},
        UnsafeCase{"user folder writable by all",
                   [](const std::string& folder) {
                       std::string parent = folder.substr(0, folder.rfind('/'));
                       ASSERT_EQ(chmod(parent.c_str(), 0777), 0);
                   }},
        UnsafeCase{"planted link",
                   [](const std::string& folder) {
                       std::string elsewhere = folder + " elsewhere";
                       ASSERT_EQ(rename(folder.c_str(), elsewhere.c_str()), 0);
                       ASSERT_EQ(symlink(elsewhere.c_str(), folder.c_str()), 0);
                   }},
        UnsafeCase{"another owner",
                   [](const std::string& folder) {
                       if (geteuid() != 0)
                           GTEST_SKIP() << "only root can give a folder away";
                       ASSERT_EQ(chown(folder.c_str(), 65534, 65534), 0);
                   }}),
    [](const testing::TestParamInfo<UnsafeCase>& info) {
        std::string name = info.param.what;
        for (char& c : name)
            c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    });

} // namespace
