#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/Options.h"
#include "files/Folders.h"
#include "install/InstallDirectory.h"
#include "install/TreeTestSupport.h"
#include "support/RecordedLines.h"
#include "support/ScopedEnv.h"
#include "support/TempFolder.h"

using namespace treetest;

namespace {

// An emulated startup volume in a temporary folder with an installer bundle's
// payload under "Bundle" and an applications folder; the log is enabled.
class InstallDirectoryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        env.set("PLATFORM_ROOT", root.path);
        env.set("PLATFORM_SYSTEM_VERSION", "10.2.8");
        Options.failed = false;
        Options.errorText = "";
        makeTree(root / "Bundle/OSX/Apps", {{"Control Panel", "cp"}, {"Docs/Manual", "manual"}});
        makeTree(root / "Bundle/OSX/Drivers", {{"Driver", "driver"}, {"CVS", "cvs"}, {".DS_Store", "ds"}});
        makeTree(root / "Bundle/OSX/Modules", {{"CVS/Entries", "entries"}, {"Module", "module"}});
        std::filesystem::create_directories(applications());
    }
    void TearDown() override
    {
        Options.failed = false;
        Options.errorText = "";
    }

    std::string applications() const { return root / "Applications"; }

    bool install(const char* source, const std::string& into, const char* copyName)
    {
        Location bundle = locate(root / "Bundle");
        Location destination = locate(into);
        return installDirectory(bundle.vRefNum, bundle.dirID, source, destination.vRefNum, destination.dirID,
                                copyName);
    }

    std::vector<std::string> log() const { return logLines(root.path); }

    TempFolder root;
    ScopedEnv env;
};

} // namespace

TEST_F(InstallDirectoryTest, CopiesAPayloadFolderIntoANewFolder)
{
    EXPECT_FALSE(install(":OSX:Apps", applications(), "DSL Modem"));

    EXPECT_EQ(treeOf(applications() + "/DSL Modem"), treeOf(root / "Bundle/OSX/Apps"));
    EXPECT_FALSE(Options.failed);
    EXPECT_EQ(log(), std::vector<std::string>{"Install->InstallDirectory :OSX:Apps"});
}

// A merge tolerates only files named ".DS_Store" and "CVS" that cannot be
// copied; every other failure ends the copy with the installation's error.
TEST_F(InstallDirectoryTest, FailuresEndTheCopyExceptForToleratedFiles)
{
    const std::string drivers = root / "Bundle/OSX/Drivers";
    const std::string extensions = root / "Extensions";
    struct Case {
        const char* what;
        Tree existing;
        const char* source;
        const char* copyName;
        bool failed;
        std::vector<std::string> lines; // after the first line "InstallDirectory <source>"
        Tree afterwards;                // items expected in the destination
    } cases[] = {
        {"tolerated files are skipped",
         {{".DS_Store", "old ds"}, {"CVS", "old cvs"}},
         ":OSX:Drivers",
         nullptr,
         false,
         {"Install->Warning: Can't copy " + drivers + "/.DS_Store to " + extensions + " (-48)",
          "Install->Warning: Can't copy " + drivers + "/CVS to " + extensions + " (-48)"},
         {{".DS_Store", "old ds"}, {"CVS", "old cvs"}, {"Driver", "driver"}}},
        {"any other file ends the merge",
         {{"Driver", "old driver"}},
         ":OSX:Drivers",
         nullptr,
         true,
         {"Install->Warning: Can't copy " + drivers + "/Driver to " + extensions + " (-48)",
          "Install->Can't copy directory (-48)"},
         // Items come by name: ".DS_Store" and "CVS" come before "Driver".
         {{".DS_Store", "ds"}, {"CVS", "cvs"}, {"Driver", "old driver"}}},
        {"a folder named CVS is not tolerated",
         {{"CVS", "/"}},
         ":OSX:Modules",
         nullptr,
         true,
         {"Install->Warning: Can't copy " + root / "Bundle/OSX/Modules/CVS" + " to " + extensions + "/CVS (-48)",
          "Install->Can't copy directory (-48)"},
         {{"CVS", "/"}}},
        {"the new folder exists already",
         {{"DSL Modem", "/"}},
         ":OSX:Apps",
         "DSL Modem",
         true,
         {"Install->Warning: Can't copy " + root / "Bundle/OSX/Apps" + " to " + extensions + "/DSL Modem (-48)",
          "Install->Can't copy directory (-48)"},
         {{"DSL Modem", "/"}}},
        {"a file given as the source folder",
         {},
         ":OSX:Drivers:Driver",
         "DSL Modem",
         true,
         {"Install->Can't copy directory (-120)"},
         {}},
        {"a missing source folder", {}, ":OSX:Missing", nullptr, true, {"Install->Can't copy directory (-43)"}, {}},
    };
    for (const Case& c : cases) {
        std::filesystem::remove_all(extensions);
        makeTree(extensions, c.existing);
        std::filesystem::remove(root / "DSL Installer Log File");
        Options.failed = false;
        Options.errorText = "";

        EXPECT_EQ(install(c.source, extensions, c.copyName), c.failed) << c.what;

        EXPECT_EQ(Options.failed, c.failed) << c.what;
        EXPECT_EQ(std::string(Options.errorText), c.failed ? c.lines.back().substr(9) : "") << c.what;
        std::vector<std::string> lines{std::string("Install->InstallDirectory ") + c.source};
        lines.insert(lines.end(), c.lines.begin(), c.lines.end());
        EXPECT_EQ(log(), lines) << c.what;
        EXPECT_EQ(treeOf(extensions), c.afterwards) << c.what;
    }
}

TEST_F(InstallDirectoryTest, TooLittleRoomFailsBeforeAnythingIsCreated)
{
    TmpfsVolume volume(root / "Small", 65536);
    if (!volume.mounted) {
        GTEST_SKIP() << "mounting a tmpfs is not permitted here";
    }
    writeFile(root / "Bundle/OSX/Apps/Large", std::string(70000, 'l'));

    EXPECT_TRUE(install(":OSX:Apps", volume.path, "DSL Modem"));

    EXPECT_TRUE(std::filesystem::is_empty(volume.path));
    EXPECT_EQ(std::string(Options.errorText), "Can't copy directory (-34)");
    EXPECT_EQ(log().back(), "Install->Can't copy directory (-34)");
}

TEST_F(InstallDirectoryTest, GetFilenamesInDirAppendsTheNamesOfFilesAndFolders)
{
    makeTree(root / "Payload/Drivers", {{"a.kext", "/"}, {"b", "b"}, {"c", "c"}, {"d", "d"}});
    Location payload = locate(root / "Payload");
    Location drivers = locate(root / "Payload/Drivers");
    const std::vector<String> four{"a.kext", "b", "c", "d"};
    struct Case {
        const char* what;
        long dirID;
        const char* name;
        int calls;
        std::vector<String> expected;
    } cases[] = {
        {"a named folder", payload.dirID, "Drivers", 1, four},
        {"the folder itself", drivers.dirID, nullptr, 1, four},
        {"twice", payload.dirID, "Drivers", 2, {}},
        {"a missing name", payload.dirID, "Missing", 1, {}},
        {"a file", drivers.dirID, "b", 1, {}},
    };
    cases[2].expected = four;
    cases[2].expected.insert(cases[2].expected.end(), four.begin(), four.end());
    for (const Case& c : cases) {
        std::vector<String> names{"kept"};
        for (int i = 0; i < c.calls; ++i)
            getFilenamesInDir(names, payload.vRefNum, c.dirID, c.name);
        std::vector<std::string> got(names.begin() + 1, names.end());
        std::vector<std::string> expected(c.expected.begin(), c.expected.end());
        EXPECT_EQ(std::string(names.front()), "kept") << c.what;
        EXPECT_EQ(got, expected) << c.what;
    }
}

TEST_F(InstallDirectoryTest, GetSystemFolderFindsExistingFoldersOnly)
{
    std::filesystem::create_directories(root / "Library/Modem Scripts");
    struct Case {
        const char* version;
        OSType type;
        std::string folder; // empty: not found
        const char* typeText;
    } cases[] = {
        {"10.2.8", kApplicationsFolderType, "Applications", "apps"},
        {"10.2.8", kModemScriptsFolderType, "Library/Modem Scripts", "\xC4mod"},
        {"10.2.8", kKernelExtensionsFolderType, "", "kext"},
        {"9.2.2", kKernelExtensionsFolderType, "", "kext"},
        {"10.2.8", kExtensionFolderType, "", "extn"},
    };
    for (const Case& c : cases) {
        env.set("PLATFORM_SYSTEM_VERSION", c.version);
        std::filesystem::remove(root / "DSL Installer Log File");
        Options.failed = false;
        Options.errorText = "";
        short vRefNum = 0;
        long dirID = 0;

        bool failed = getSystemFolder(&vRefNum, &dirID, c.type);

        EXPECT_EQ(failed, c.folder.empty()) << c.typeText;
        EXPECT_EQ(Options.failed, c.folder.empty()) << c.typeText;
        if (c.folder.empty()) {
            EXPECT_EQ(std::string(Options.errorText), "Can't find destination folder (-43)") << c.typeText;
            EXPECT_EQ(log(), std::vector<std::string>{std::string("Install->Can't find destination folder ") +
                                                      c.typeText});
        } else {
            Location expected = locate(root / c.folder);
            EXPECT_EQ(vRefNum, expected.vRefNum) << c.typeText;
            EXPECT_EQ(dirID, expected.dirID) << c.typeText;
            EXPECT_TRUE(log().empty()) << c.typeText;
        }
    }
}
