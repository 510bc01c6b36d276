#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

#include "EngineVolume.h"
#include "app/Options.h"
#include "app/PanelFactory.h"
#include "install/InstallPanel.h"
#include "ui/LThread.h"

namespace fs = std::filesystem;
using treetest::Tree;

namespace {

const char* const kProgramIni = "ProgramFilesDir = DSL Modem\n";

// Runs the installation through the wizard: the licence panel, then Next.
void install(const EngineVolume& volume)
{
    volume.run({"2", "INSTALL"}, "click 1051\n");
}


std::string programFolder(const EngineVolume& volume)
{
    return volume.applications() + "/DSL Modem";
}

// Which driver folder of the bundle the system version picks, and whether the
// modem scripts come along.
struct DriverCase {
    const char* name;
    const char* version;
    std::string ini;
    const char* driverItem;
    Tree drivers;
    bool modemScripts;
    InstallState finalState;
};

void PrintTo(const DriverCase& c, std::ostream* out)
{
    *out << c.name;
}

// The example bundle's driver of that type, as it lies in the extensions folder.
Tree exampleDriver(const std::string& type)
{
    std::string plist = std::string(DSL_SOURCE_DIR) + "/bundle/payload/OSX/Drivers/" + type +
                        "/DSLModem.kext/Contents/Info.plist";
    return {{"DSLModem.kext", "/"},
            {"DSLModem.kext/Contents", "/"},
            {"DSLModem.kext/Contents/Info.plist", treetest::summary(treetest::readFile(plist))}};
}

// The Mac OS 9 Extensions folder after the installation: the example's
// extension beside the modem scripts folder, which lies inside it.
Tree os9Extensions()
{
    std::string payload = std::string(DSL_SOURCE_DIR) + "/bundle/payload/OS9/";
    return {{"DSL Modem Extension", treetest::readFile(payload + "Drivers/DSL Modem Extension")},
            {"Modem Scripts", "/"},
            {"Modem Scripts/DSL Modem Script", treetest::readFile(payload + "ModemScripts/DSL Modem Script")}};
}

const std::string kDriverDirs = "Osx1DriverDir = Drv1\nOsx2DriverDir = Drv2\n";

const DriverCase driverCases[] = {
    {"Version1015TakesOsx1DriverDir", "0x1015", kDriverDirs + "DriverType = LAN\n", "one.kext",
     {{"one.kext", "/"}, {"one.kext/Info.plist", "one LAN"}}, false, STATE_INSTALL_REBOOT},
    {"Version1028TakesOsx2DriverDir", "0x1028", kDriverDirs + "DriverType = WAN\n", "two.kext",
     {{"two.kext", "/"}, {"two.kext/Info.plist", "two WAN"}}, true, STATE_INSTALL_REBOOT},
    {"Version1030TakesDrivers", "0x1030", kDriverDirs + "DriverType = LAN\n", "DSLModem.kext",
     exampleDriver("LAN"),
     false, STATE_INSTALL_REBOOT},
    {"Version1004TakesDrivers", "0x1004", kDriverDirs + "DriverType = WAN\n", "DSLModem.kext",
     exampleDriver("WAN"),
     true, STATE_INSTALL_REBOOT},
    {"MacOs9TakesDriversWithoutTheDriverType", "0x0922", kDriverDirs + "DriverType = LAN\n", "DSL Modem Extension",
     os9Extensions(),
     true, STATE_INSTALL_FINISH},
    {"MacOs9WithWanTakesTheSameDrivers", "0x0922", kDriverDirs + "DriverType = WAN\n", "DSL Modem Extension",
     os9Extensions(),
     true, STATE_INSTALL_FINISH},
    // ":OSX::LAN" climbs out of OSX: the driver type's folder in Contents.
    {"MissingOsx1DriverDirClimbsToTheContentsFolder", "0x1015", "Osx2DriverDir = Drv2\nDriverType = LAN\n", "climbed.kext",
     {{"climbed.kext", "/"}, {"climbed.kext/Info.plist", "climbed"}}, false, STATE_INSTALL_REBOOT},
};

class DriverFolder : public ::testing::TestWithParam<DriverCase> {};

} // namespace

TEST_P(DriverFolder, ComesFromTheSystemVersionAndTheDriverType)
{
    const DriverCase& c = GetParam();
    EngineVolume volume(c.version);
    volume.writeInstallerIni(kProgramIni + c.ini);
    for (const char* type : {"LAN", "WAN"}) {
        volume.writeBundleFile(std::string("OSX/Drv1/") + type + "/one.kext/Info.plist", std::string("one ") + type);
        volume.writeBundleFile(std::string("OSX/Drv2/") + type + "/two.kext/Info.plist", std::string("two ") + type);
    }
    volume.writeBundleFile("LAN/climbed.kext/Info.plist", "climbed");
    if (!c.modemScripts) // a lookup of the missing folder would fail the installation
        fs::remove_all(volume.modemScripts());

    install(volume);

    EXPECT_EQ(int(Options.state), int(c.finalState));
    EXPECT_STREQ(Options.errorText, "");
    EXPECT_EQ(treetest::treeOf(volume.drivers()), c.drivers);
    ASSERT_EQ(Options.driverFiles.size(), 1u);
    EXPECT_STREQ(Options.driverFiles.front(), c.driverItem);
    ASSERT_EQ(Options.modemScriptFiles.size(), 1u);
    EXPECT_STREQ(Options.modemScriptFiles.front(), "DSL Modem Script");
    EXPECT_EQ(fs::exists(volume.modemScripts() + "/DSL Modem Script"), c.modemScripts);
    EXPECT_TRUE(fs::exists(programFolder(volume) + (volume.osx ? "/DSL Modem Control.app" : "/DSL Modem Control")));
    EXPECT_TRUE(fs::is_directory(programFolder(volume) + "/Uninstall DSL Modem.app/Contents"));
    char versionLine[64];
    std::snprintf(versionLine, sizeof versionLine, "InstallPanel->osVersion = 0x%x", std::stoi(c.version, nullptr, 16));
    EXPECT_TRUE(containsInOrder(volume.logLines(), {versionLine, "InstallPanel->Installation complete"}));
}

INSTANTIATE_TEST_SUITE_P(Install, DriverFolder, ::testing::ValuesIn(driverCases),
                         [](const auto& info) { return std::string(info.param.name); });

namespace {

const std::string kBaseIni = "ProgramFilesDir = DSL Modem\nOsx1DriverDir = Drivers\nOsx2DriverDir = Drivers\n";

// Replaces the program folder by a file as soon as the payload is in it: the
// install thread yields right after that copy, and this thread runs then.
class ProgramFolderSwapper : public LThread {
public:
    explicit ProgramFolderSwapper(std::string folder) : folder(std::move(folder)) {}

protected:
    void* Run() override
    {
        for (int i = 0; i < 5000 && !fs::exists(folder + "/DSL Modem Control.app"); ++i)
            Sleep(1);
        fs::remove_all(folder);
        treetest::writeFile(folder, "not a folder");
        return nullptr;
    }

private:
    std::string folder;
};

std::string swappedFolder;

CPanel* makeInstallPanelWithSwapper(CMainWnd& wnd)
{
    CPanel* panel = new CInstallPanel(wnd);
    (new ProgramFolderSwapper(swappedFolder))->Resume();
    return panel;
}

struct FailureCase {
    const char* name;
    std::string ini;
    std::function<bool(const EngineVolume&)> prepare; // true when the situation is made
    const char* errorText;
    bool programInstalled;
    bool driversInstalled;
    bool modemScriptsInstalled;
    bool complete; // the sequence went on to its end
    unsigned long applicationsVolumeBytes = 0; // a small volume of its own, if not 0
};

void PrintTo(const FailureCase& c, std::ostream* out)
{
    *out << c.name;
}

std::function<bool(const EngineVolume&)> removing(std::string (EngineVolume::*folder)() const)
{
    return [folder](const EngineVolume& volume) { return fs::remove_all((volume.*folder)()) > 0; };
}

std::function<bool(const EngineVolume&)> writing(std::string (EngineVolume::*folder)() const, std::string name)
{
    return [folder, name](const EngineVolume& volume) {
        treetest::writeFile((volume.*folder)() + "/" + name, "already there");
        return true;
    };
}

const FailureCase failureCases[] = {
    {"AFailedRemovalIsKeptAndTheInstallationGoesOn", kBaseIni + "DriverType = LAN\nRemoveModemScriptsOsx = Old\n",
     removing(&EngineVolume::modemScripts), "Can't find destination folder (-43)", true, true, false, true},
    {"ADriverTypeInLowerCaseStopsAfterTheEarlierInstallationIsGone", kBaseIni + "DriverType = lan\n",
     writing(&EngineVolume::applications, "DSL Modem/Earlier"), "Invalid driver type", false, false, false, false},
    {"AnEmptyProgramFolderNameStops", "ProgramFilesDir =\nDriverType = WAN\nOsx2DriverDir = Drivers\n",
     [](const EngineVolume&) { return true; }, "ProgramFilesDir not found in ini file", false, false, false, false},
    {"AMissingApplicationsFolderStops", kBaseIni + "DriverType = WAN\n", removing(&EngineVolume::applications),
     "Can't find destination folder (-43)", false, false, false, false},
    {"AProgramFolderThatIsAFileStopsThePayloadCopy", kBaseIni + "DriverType = WAN\n",
     writing(&EngineVolume::applications, "DSL Modem"), "Can't copy directory (-48)", false, false, false, false},
    {"AProgramFolderGoneAfterTheCopyStops", kBaseIni + "DriverType = WAN\n",
     [](const EngineVolume& volume) {
         swappedFolder = programFolder(volume);
         setProgressPanelMakers(&makeInstallPanelWithSwapper, nullptr);
         return true;
     },
     "Can't obtain destination apps directory (0)", false, false, false, false},
    {"AnUninstallerConfigurationThatDoesNotFitFailsAndTheInstallationGoesOn", kBaseIni + "DriverType = WAN\n",
     [](const EngineVolume& volume) {
         volume.writeBundleFile("InstallerFiles/padding", std::string(256 * 1024, 'x'));
         return true;
     },
     "Can't copy directory (-34)", true, true, true, true, 64 * 1024},
    {"AMissingKernelExtensionsFolderStops", kBaseIni + "DriverType = WAN\n", removing(&EngineVolume::drivers),
     "Can't find destination folder (-43)", true, false, false, false},
    {"AMissingModemScriptsFolderStops", kBaseIni + "DriverType = WAN\n", removing(&EngineVolume::modemScripts),
     "Can't find destination folder (-43)", true, true, false, false},
    {"AFailedModemScriptCopyGoesOn", kBaseIni + "DriverType = WAN\n",
     writing(&EngineVolume::modemScripts, "DSL Modem Script"), "Can't copy directory (-48)", true, true, false, true},
};

class InstallFailure : public ::testing::TestWithParam<FailureCase> {
protected:
    void TearDown() override { setProgressPanelMakers(nullptr, nullptr); }
};

} // namespace

TEST_P(InstallFailure, EndsInTheErrorPanelWithItsText)
{
    const FailureCase& c = GetParam();
    EngineVolume volume;
    volume.writeInstallerIni(c.ini);
    std::unique_ptr<FullDisk> smallApplications;
    if (c.applicationsVolumeBytes) {
        smallApplications = std::make_unique<FullDisk>(volume.applications(), c.applicationsVolumeBytes);
        if (!smallApplications->mounted)
            GTEST_SKIP() << "mounting a tmpfs is not permitted here";
    }
    ASSERT_TRUE(c.prepare(volume));

    install(volume);

    EXPECT_EQ(int(Options.state), int(STATE_INSTALL_ERROR));
    EXPECT_STREQ(Options.errorText, c.errorText);
    EXPECT_EQ(fs::is_directory(programFolder(volume) + "/DSL Modem Control.app"), c.programInstalled);
    EXPECT_FALSE(fs::exists(programFolder(volume) + "/Earlier"));
    EXPECT_EQ(fs::exists(volume.drivers() + "/DSLModem.kext/Contents/Info.plist"), c.driversInstalled);
    EXPECT_EQ(fs::exists(volume.modemScripts() + "/DSL Modem Script") &&
                  treetest::readFile(volume.modemScripts() + "/DSL Modem Script") != "already there",
              c.modemScriptsInstalled);
    EXPECT_EQ(countOf(volume.logLines(), "InstallPanel->Installation complete"), c.complete ? 1 : 0);
    EXPECT_TRUE(containsInOrder(volume.events(), {"page 3", "disable 1050", "disable 1051", "enable 1051", "page 5",
                                                  std::string("text 1007 \"") + c.errorText + "\""}));
}

INSTANTIATE_TEST_SUITE_P(Install, InstallFailure, ::testing::ValuesIn(failureCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(InstallSequence, AFailedDriverCopyStillSetsPermissionsTouchesTheFolderAndCopiesTheModemScripts)
{
    EngineVolume volume;
    volume.writeInstallerIni(kBaseIni + "DriverType = WAN\n");
    treetest::writeFile(volume.drivers() + "/DSLModem.kext", "a file in the way");

    install(volume);

    EXPECT_EQ(int(Options.state), int(STATE_INSTALL_ERROR));
    EXPECT_STREQ(Options.errorText, "Can't copy directory (-48)");
    std::string driver = volume.drivers() + "/DSLModem.kext";
    EXPECT_TRUE(containsInOrder(
        volume.events(), {"exec \"/bin/chmod\" \"-R\" \"755\" \"" + driver + "\"",
                          "exec \"/usr/sbin/chown\" \"-R\" \"root:wheel\" \"" + driver + "\"",
                          "exec \"/usr/bin/touch\" \"" + volume.drivers() + "\"", "page 5"}));
    EXPECT_TRUE(fs::exists(volume.modemScripts() + "/DSL Modem Script"));
    EXPECT_EQ(countOf(volume.logLines(), "InstallPanel->Installation complete"), 1);
}

TEST(InstallSequence, TheProgramFolderIsClosedToOtherUsersBeforeTheUninstallerInItCanBeStartedWithRights)
{
    EngineVolume volume;
    volume.writeInstallerIni(kBaseIni + "DriverType = LAN\n");

    install(volume);

    EXPECT_EQ(int(Options.state), int(STATE_INSTALL_REBOOT));
    std::vector<std::string> events = volume.events();
    EXPECT_EQ(countOf(events, "exec \"/bin/chmod\" \"-R\" \"755\" \"" + programFolder(volume) + "\""), 1);
    EXPECT_EQ(countOf(events, "exec \"/bin/chmod\" \"-R\" \"777\" \"" + programFolder(volume) + "\""), 0);
    EXPECT_TRUE(containsInOrder(volume.logLines(), {"InstallPanel->Installing uninstaller",
                                                    "InstallPanel->Setting uninstall permissions"}));
    // chmod -R really ran: the files that the copy made with mode 644 now have 755.
    std::string plist = programFolder(volume) + "/Uninstall DSL Modem.app/Contents/Info.plist";
    EXPECT_TRUE(eventually([&] {
        struct stat status {};
        return ::stat(plist.c_str(), &status) == 0 && (status.st_mode & 0777) == 0755;
    }));
    struct stat folder {};
    ASSERT_EQ(::stat(programFolder(volume).c_str(), &folder), 0);
    EXPECT_EQ(folder.st_mode & 0777, 0755u);
}

TEST(InstallSequence, AnEarlierInstallationOnMacOs9AsksToUnplugTheModemFirst)
{
    struct Case {
        const char* version;
        bool earlier;
        bool asked;
    } cases[] = {{"9.2.2", true, true}, {"9.2.2", false, false}, {"10.2.8", true, false}};
    for (const Case& c : cases) {
        EngineVolume volume(c.version);
        volume.writeInstallerIni(kBaseIni + "DriverType = LAN\n");
        if (c.earlier)
            treetest::writeFile(programFolder(volume) + "/Uninstall DSL Modem.app/Contents/PkgInfo", "earlier");

        install(volume);

        std::vector<std::string> unplug = {"alert \"Please unplug the DSL modem now, then click OK.\""};
        std::vector<std::string> alerts;
        for (const std::string& event : volume.events()) {
            if (event.rfind("alert ", 0) == 0)
                alerts.push_back(event);
        }
        EXPECT_EQ(alerts, c.asked ? unplug : std::vector<std::string>{}) << c.version << " " << c.earlier;
        EXPECT_EQ(int(Options.state), int(volume.osx ? STATE_INSTALL_REBOOT : STATE_INSTALL_FINISH)) << c.version;
        EXPECT_EQ(treetest::readFile(programFolder(volume) + "/Uninstall DSL Modem.app/Contents/PkgInfo"), "APPL????")
            << "the earlier installation was replaced";
    }
}
