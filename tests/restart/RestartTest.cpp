#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "app/Options.h"
#include "install/UninstallerStaging.h"
#include "log/XPel.h"
#include "remove/CloseWindow.h"
#include "system/Reboot.h"
#include "system/Relaunch.h"
#include "tests/support/Eventually.h"
#include "tests/support/VolumeProcess.h"
#include "tests/system/InstallerBundle.h"

namespace fs = std::filesystem;

namespace {

size_t countOf(const std::string& text, const std::string& part)
{
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

class RestartTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        bundle.env.set("PLATFORM_TRANSCRIPT", transcriptPath());
        bundle.env.set("PLATFORM_AUTH", "grant");
        bundle.env.set("PLATFORM_SYSTEM_VERSION", "10.2.8");
        bundle.env.unset("PLATFORM_RESTART_COMMAND");
        bundle.writeInstallerFile("Installer.ini", "[SystemInfo]\nProgramFilesDir = DSL Modem\nLanguage = English\n");
        bundle.writeInstallerFile("Strings.ini", "[English]\nUNINSTALL = Uninstall DSL\n");
        fs::create_directories(bundle.root() + "/Applications");
    }

    std::string transcriptPath() const { return bundle.folder / "transcript"; }
    std::string transcript() const { return bundle.folder.read("transcript"); }
    std::string stagedBundle() const
    {
        return bundle.root() + "/private/tmp/" + std::to_string(::getuid()) + "/Temporary Items/Uninstall DSL.app";
    }

    // The uninstaller an installation leaves in the program folder.
    std::string installUninstaller(const std::string& executableFolder = "MacOS")
    {
        std::string contents = bundle.root() + "/Applications/DSL Modem/Uninstall DSL.app/Contents";
        std::string executable = contents + "/" + executableFolder + "/Uninstall DSL";
        fs::create_directories(contents + "/" + executableFolder);
        fs::create_directories(contents + "/InstallerFiles");
        std::ofstream(executable) << "#!/bin/sh\n";
        ::chmod(executable.c_str(), 0754);
        std::ofstream(contents + "/InstallerFiles/Installer.ini")
            << "[SystemInfo]\nProgramFilesDir = DSL Modem\nNextState = 7\nLanguage = English\n";
        std::ofstream(contents + "/InstallerFiles/Strings.ini") << "[English]\nUNINSTALL = Uninstall DSL\n";
        return contents;
    }

    InstallerBundle bundle;
};

} // namespace

TEST_F(RestartTest, RebootAddressesTheLoginWindowOrTheFinder)
{
    struct Case {
        const char* version;
        const char* event;
    } cases[] = {{"10.2.8", "appleevent aevt rest \"loginwindow\""}, {"9.2.2", "appleevent FNDR rest \"Finder\""}};
    for (const Case& c : cases) {
        fs::remove(transcriptPath());
        std::string marker = bundle.folder / (std::string("restarted-") + c.version);
        bundle.env.set("PLATFORM_SYSTEM_VERSION", c.version);
        bundle.env.set("PLATFORM_RESTART_COMMAND", "touch '" + marker + "'");
        reboot();
        EXPECT_EQ(countOf(transcript(), "appleevent"), 1u) << c.version;
        EXPECT_NE(transcript().find(c.event), std::string::npos) << c.version;
        EXPECT_TRUE(eventually([&] { return fs::exists(marker); })) << c.version;
    }
}

TEST_F(RestartTest, CloseWindowAsksEveryProcessOfExactlyThatNameToQuit)
{
    std::string apps = bundle.root() + "/Applications";
    VolumeProcess first(apps, "DSL Control");
    VolumeProcess second(apps, "DSL Control");
    VolumeProcess other(apps, "dsl control");

    closeWindow("");
    closeWindow(nullptr);
    EXPECT_EQ(transcript(), "");

    closeWindow("DSL Control");
    EXPECT_EQ(first.endingSignal(), SIGTERM);
    EXPECT_EQ(second.endingSignal(), SIGTERM);
    EXPECT_EQ(countOf(transcript(), "appleevent aevt quit \"DSL Control\""), 2u);
    EXPECT_TRUE(other.isRunning()); // a name that differs in case only is left alone
}

TEST_F(RestartTest, StagingReplacesAnEarlierCopyAndStartsItInTheRemovalState)
{
    installUninstaller();
    ASSERT_FALSE(copyUninstToTmpDir()); // first staging, creates the private temporary folder
    std::ofstream(stagedBundle() + "/Contents/left over") << "old";

    ASSERT_FALSE(copyUninstToTmpDir());
    EXPECT_FALSE(fs::exists(stagedBundle() + "/Contents/left over"));
    std::string ini = bundle.folder.read(
        fs::relative(stagedBundle() + "/Contents/InstallerFiles/Installer.ini", bundle.folder.path).string());
    EXPECT_EQ(ini, "[SystemInfo]\nProgramFilesDir = DSL Modem\nNextState = 9\nLanguage = English\n");
    struct stat status {};
    ASSERT_EQ(::stat((stagedBundle() + "/Contents/MacOS/Uninstall DSL").c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0755u);

    String path;
    ASSERT_FALSE(getUninstTmpPath(&path));
    EXPECT_EQ(std::string(path), stagedBundle() + "/Contents/MacOS/Uninstall DSL");
}

TEST_F(RestartTest, StagingFailsWhenTheInstalledUninstallerIsMissing)
{
    EXPECT_TRUE(copyUninstToTmpDir());
    String path = "unchanged";
    EXPECT_TRUE(getUninstTmpPath(&path));
    EXPECT_EQ(std::string(path), "unchanged");
}

TEST_F(RestartTest, RelaunchStartsTheProgramWithItsNextStateAndMarker)
{
    std::string program = bundle.folder / "program";
    std::string arguments = bundle.folder / "arguments";
    std::ofstream(program) << "#!/bin/sh\necho \"$@\" > '" << arguments << "'\n";
    ::chmod(program.c_str(), 0755);
    Options.appPath = program.c_str();

    EXPECT_FALSE(authorizeAndRestart(true));
    EXPECT_TRUE(eventually([&] { return bundle.folder.read("arguments") == "2 INSTALL\n"; }));
    EXPECT_NE(transcript().find("exec " + std::string("\"") + program + "\" \"2\" \"INSTALL\""), std::string::npos);

    bundle.env.set("PLATFORM_AUTH", "deny");
    EXPECT_TRUE(authorizeAndRestart(true));
    Options.appPath = nullptr;
}

TEST_F(RestartTest, RelaunchForRemovalRunsTheStagedCopyOrFailsWithoutOne)
{
    EXPECT_THROW(
        {
            try {
                authorizeAndRestart(false);
            } catch (const XPel& error) {
                EXPECT_STREQ(error.getMessage(), "Can't get uninstall tmp path");
                throw;
            }
        },
        XPel);

    installUninstaller();
    ASSERT_FALSE(copyUninstToTmpDir());
    bundle.env.set("PLATFORM_AUTH", "deny");
    EXPECT_TRUE(authorizeAndRestart(false));
    EXPECT_NE(transcript().find("auth-denied"), std::string::npos);
    bundle.env.set("PLATFORM_AUTH", "grant");
    EXPECT_FALSE(authorizeAndRestart(false));
    EXPECT_NE(transcript().find("exec \"" + stagedBundle() + "/Contents/MacOS/Uninstall DSL\" \"9\" \"REMOVE\""),
              std::string::npos);
}

TEST_F(RestartTest, OnMacOs9TheStagedClassicExecutableStartsWithoutAskingForRights)
{
    bundle.env.set("PLATFORM_SYSTEM_VERSION", "9.2.2");
    bundle.env.set("PLATFORM_AUTH", "deny"); // a system without users has no right to refuse
    installUninstaller("MacOSClassic");
    ASSERT_FALSE(copyUninstToTmpDir());
    std::string executable = stagedBundle() + "/Contents/MacOSClassic/Uninstall DSL";
    String path;
    ASSERT_FALSE(getUninstTmpPath(&path));
    EXPECT_EQ(std::string(path), executable);
    EXPECT_FALSE(authorizeAndRestart(false));
    EXPECT_NE(transcript().find("exec \"" + executable + "\" \"9\" \"REMOVE\""), std::string::npos);
    EXPECT_EQ(transcript().find("auth-denied"), std::string::npos);
}
