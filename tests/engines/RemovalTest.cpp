#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>

#include "EngineVolume.h"
#include "app/Options.h"
#include "remove/Uninstall.h"
#include "tests/support/VolumeProcess.h"

namespace fs = std::filesystem;
using treetest::Tree;

namespace {

// Items are paths relative to the volume root.
struct RemovalCase {
    const char* name;
    const char* version;
    std::string ini;
    Tree before;
    std::vector<std::string> locked;
    std::vector<std::string> missingFolders;
    std::vector<std::string> gone; // each with everything below it
    bool failed;
    std::vector<std::string> logInOrder;
};

const std::string osxApps = "Applications/";
const std::string osxKext = "System/Library/Extensions/";
const std::string osxScripts = "Library/Modem Scripts/";
const std::string os9Extensions = "System Folder/Extensions/";
const std::string os9Scripts = "System Folder/Extensions/Modem Scripts/";

const RemovalCase removalCases[] = {
    {"OnMacOsXListedItemsGoAsWholeTrees",
     "10.2.8",
     "ProgramFilesDir = DSL Modem\nRemoveDriversOsx = DSLModem.kext,,Missing.kext,\n"
     "RemoveModemScriptsOsx = Script A,, Script B, Script C,\nRemoveDriversOs9 = Keep.kext\n"
     "RemovePreferencesOs9 = DSL Prefs\n",
     {{osxApps + "DSL Modem/Uninstall DSL Modem.app/Contents/PkgInfo", "x"},
      {osxApps + "Other App", "keep"},
      {osxKext + "DSLModem.kext/Contents/Info.plist", "locked"},
      {osxKext + "Keep.kext/Contents/Info.plist", "keep"},
      {osxScripts + "Script A", "a"},
      {osxScripts + "Script B", "not named: the entry is \" Script B\""},
      {osxScripts + " Script C", "c"},
      {"Library/Preferences/DSL Prefs", "keep: no preferences list on Mac OS X"}},
     {osxKext + "DSLModem.kext/Contents/Info.plist"},
     {},
     {osxApps + "DSL Modem", osxKext + "DSLModem.kext", osxScripts + "Script A", osxScripts + " Script C"},
     false,
     {"Install->Removing apps dir", "Install->Removing drivers", "Install->Removing modem scripts"}},
    {"OnMacOs9ListsDeleteFilesAndEmptyFoldersOnly",
     "9.2.2",
     "ProgramFilesDir = DSL Modem\nRemoveDriversOs9 = DSL Ext,Locked Ext,Full Folder,Empty Folder\n"
     "RemoveModemScriptsOs9 = DSL Modem Script\nRemovePreferencesOs9 = DSL Prefs\nRemoveCplOs9 = DSL Control\n"
     "RemoveDriversOsx = Keep Ext\n",
     {{osxApps + "DSL Modem/DSL Modem Control", "x"},
      {os9Extensions + "DSL Ext", "x"},
      {os9Extensions + "Locked Ext", "x"},
      {os9Extensions + "Full Folder/inside", "x"},
      {os9Extensions + "Empty Folder", "/"},
      {os9Extensions + "Keep Ext", "x"},
      {os9Scripts + "DSL Modem Script", "x"},
      {"System Folder/Preferences/DSL Prefs", "x"},
      {"System Folder/System Control Panels/DSL Control", "x"},
      {"System Folder/Control Panels/DSL Control", "keep: system 9 uses the system control panels"}},
     {os9Extensions + "Locked Ext"},
     {},
     {osxApps + "DSL Modem", os9Extensions + "DSL Ext", os9Extensions + "Empty Folder",
      os9Scripts + "DSL Modem Script", "System Folder/Preferences/DSL Prefs",
      "System Folder/System Control Panels/DSL Control"},
     false,
     {"Install->Removing apps dir", "Install->Removing drivers", "Install->Removing modem scripts",
      "Install->Removing preferences", "Install->Removing cpls"}},
    {"BeforeSystem9ControlPanelsAreInTheControlPanelsFolder",
     "0x0860",
     "RemoveCplOs9 = DSL Control\n",
     {{"System Folder/System Control Panels/DSL Control", "keep"}, {"System Folder/Control Panels/DSL Control", "x"}},
     {},
     {},
     {"System Folder/Control Panels/DSL Control"},
     false,
     {}},
    {"AMissingSystemFolderSkipsEachOfItsEntriesAndTheRestGoesOn",
     "10.2.8",
     "RemoveDriversOsx = A.kext,B.kext\nRemoveModemScriptsOsx = Script A\n",
     {{osxScripts + "Script A", "a"}},
     {},
     {"System/Library/Extensions"},
     {osxScripts + "Script A"},
     true,
     {"Install->Removing drivers", "Install->Can't find destination folder kext",
      "Install->Can't find destination folder kext", "Install->Removing modem scripts"}},
    {"EntriesThatAreNotPlainNamesAreSkipped",
     "10.2.8",
     "ProgramFilesDir = ::Library\nRemoveDriversOsx = ::Extensions,..,.,DSLModem.kext:Contents\n"
     "RemoveModemScriptsOsx = ::Preferences:Important,Script A\n",
     {{osxKext + "DSLModem.kext/Contents/Info.plist", "keep"},
      {"Library/Preferences/Important", "keep"},
      {osxScripts + "Script A", "a"}},
     {},
     {},
     {osxScripts + "Script A"},
     false,
     {"Install->Skipping ::Library: not a name inside its folder",
      "Install->Skipping ::Extensions: not a name inside its folder",
      "Install->Skipping ..: not a name inside its folder", "Install->Skipping .: not a name inside its folder",
      "Install->Skipping DSLModem.kext:Contents: not a name inside its folder",
      "Install->Skipping ::Preferences:Important: not a name inside its folder"}},
};

void PrintTo(const RemovalCase& c, std::ostream* out)
{
    *out << c.name;
}

Tree volumeTree(const EngineVolume& volume)
{
    Tree tree = treetest::treeOf(volume.volume());
    tree.erase("DSL Installer Log File");
    return tree;
}

void eraseBelow(Tree& tree, const std::string& root)
{
    for (auto it = tree.begin(); it != tree.end();) {
        if (it->first == root || it->first.rfind(root + "/", 0) == 0)
            it = tree.erase(it);
        else
            ++it;
    }
}

void lock(const std::string& path)
{
    treetest::Location folder = treetest::locate(fs::path(path).parent_path());
    ASSERT_EQ(HSetFLock(folder.vRefNum, folder.dirID, treetest::Pascal(fs::path(path).filename())), noErr) << path;
}

class Removal : public ::testing::TestWithParam<RemovalCase> {};

} // namespace

TEST_P(Removal, RemovesExactlyTheListedItems)
{
    const RemovalCase& c = GetParam();
    EngineVolume volume(c.version);
    volume.writeInstallerIni(c.ini);
    treetest::makeTree(volume.volume(), c.before);
    for (const std::string& path : c.locked)
        lock(volume.volume() + "/" + path);
    for (const std::string& folder : c.missingFolders)
        fs::remove_all(volume.volume() + "/" + folder);
    Tree expected = volumeTree(volume);
    for (const std::string& gone : c.gone) {
        ASSERT_TRUE(expected.count(gone)) << gone;
        eraseBelow(expected, gone);
    }
    Options.failed = false;
    Options.errorText = "";

    uninstall();

    EXPECT_EQ(volumeTree(volume), expected);
    EXPECT_EQ(Options.failed, c.failed);
    EXPECT_STREQ(Options.errorText, c.failed ? "Can't find destination folder (-43)" : "");
    EXPECT_TRUE(containsInOrder(volume.logLines(), c.logInOrder));
}

INSTANTIATE_TEST_SUITE_P(Lists, Removal, ::testing::ValuesIn(removalCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RemovalSteps, WithoutListsEachStepOnlyWritesItsTraceLine)
{
    EngineVolume volume("10.2.8");
    volume.writeInstallerIni("");
    treetest::makeTree(volume.volume(), {{"Applications/DSL Modem/x", "x"}, {osxKext + "DSLModem.kext", "x"}});
    Tree before = volumeTree(volume);
    Options.failed = false;

    uninstall();

    EXPECT_EQ(volumeTree(volume), before);
    EXPECT_FALSE(Options.failed);
    EXPECT_EQ(volume.logLines(), (std::vector<std::string>{"Install->Removing apps dir", "Install->Removing drivers",
                                                            "Install->Removing modem scripts"}));
}

TEST(RemovalSteps, TheControlPanelOfTheSystemGenerationIsAskedToQuitBeforeItsFolderGoes)
{
    struct Case {
        const char* version;
        const char* key;
    } cases[] = {{"10.2.8", "OsxCplName"}, {"9.2.2", "Os9CplName"}};
    for (const Case& c : cases) {
        EngineVolume volume(c.version);
        volume.writeInstallerIni(std::string("ProgramFilesDir = DSL Modem\nOsxCplName = ") +
                                 (volume.osx ? "DSL Modem Control" : "Other") + "\nOs9CplName = " +
                                 (volume.osx ? "Other" : "DSL Modem Control") + "\n");
        VolumeProcess control(volume.applications() + "/DSL Modem", "DSL Modem Control");
        VolumeProcess other(volume.applications(), "Other");

        uninstall();

        EXPECT_EQ(control.endingSignal(), SIGTERM) << c.version;
        EXPECT_TRUE(other.isRunning()) << c.version;
        EXPECT_EQ(countOf(volume.events(), "appleevent aevt quit \"DSL Modem Control\""), 1) << c.version;
        EXPECT_TRUE(containsInOrder(volume.logLines(),
                                    {"Install->Looking for window DSL Modem Control", "Install->Found window DSL Modem Control",
                                     "Install->Closed window DSL Modem Control", "Install->Removing apps dir"}))
            << c.version;
        EXPECT_FALSE(fs::exists(volume.applications() + "/DSL Modem")) << c.version;
    }
}

TEST(RemovalSteps, AnEarlierInstallationIsKnownByItsUninstallerBundle)
{
    struct Case {
        const char* what;
        std::string ini;
        std::string item;
        bool installed;
    } cases[] = {
        {"bundle present", "ProgramFilesDir = DSL Modem\n", "DSL Modem/Uninstall DSL Modem.app/Contents", true},
        {"bundle absent", "ProgramFilesDir = DSL Modem\n", "DSL Modem/DSL Modem Control", false},
        {"program folder missing", "ProgramFilesDir = Other\n", "DSL Modem/Uninstall DSL Modem.app/Contents", false},
        {"no program folder configured", "", "Uninstall DSL Modem.app/Contents", false},
    };
    for (const Case& c : cases) {
        EngineVolume volume("9.2.2");
        volume.writeInstallerIni(c.ini);
        fs::create_directories(volume.applications() + "/" + c.item);
        EXPECT_EQ(isDriverInstalled(), c.installed) << c.what;
    }

    EngineVolume volume("9.2.2");
    fs::remove_all(volume.applications());
    Options.failed = false;
    EXPECT_FALSE(isDriverInstalled());
    EXPECT_TRUE(Options.failed) << "the missing applications folder is reported through the folder lookup";
}

TEST(RemovalSteps, AControlPanelNameLongerThanAProcessNameCanHaveNeverMatches)
{
    EngineVolume volume("10.2.8");
    std::string longName = "DSL Modem Control Panel Application"; // 35 bytes, a process name has at most 31
    volume.writeInstallerIni("OsxCplName = " + longName + "\n");
    VolumeProcess control(volume.applications(), longName);

    uninstall();

    EXPECT_TRUE(control.isRunning());
    EXPECT_EQ(volume.events(), std::vector<std::string>{});
    EXPECT_EQ(countOf(volume.logLines(), "Install->Looking for window " + longName), 1);
    EXPECT_EQ(countOf(volume.logLines(), "Install->Found window " + longName), 0);
}
