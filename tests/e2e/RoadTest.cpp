#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "EmulatedMac.h"
#include "tests/support/Eventually.h"

namespace fs = std::filesystem;

namespace {

using Events = std::vector<std::string>;

// The pages the wizard showed, in order, across every process of the run.
Events pages(const EmulatedMac& mac)
{
    return mac.lines("page ");
}

bool contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

unsigned modeOf(const std::string& path)
{
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 ? status.st_mode & 07777 : 0;
}

// Welcome, relaunch with rights, licence, installation and the reboot panel.
void installOnMacOsX(EmulatedMac& mac, bool restartNow)
{
    mac.run(mac.installer(), {}, std::string("click 1051\nclick 1051\n") + (restartNow ? "click 1005\n" : "") +
                                     "click 1051\n");
}

} // namespace

TEST(Road, MacOsXInstallationFromTheWelcomePanelAcrossTheRelaunch)
{
    EmulatedMac mac("10.2.8");
    installOnMacOsX(mac, true);

    EXPECT_EQ(pages(mac), (Events{"page 1", "page 2", "page 3", "page 4"}));
    EXPECT_EQ(mac.processCount(), 2u);
    EXPECT_EQ(mac.lines("exec \"" + mac.installer()),
              (Events{"exec \"" + mac.installer() + "\" \"2\" \"INSTALL\""}));
    EXPECT_EQ(mac.lines("appleevent"), (Events{"appleevent aevt rest \"loginwindow\""}));
    EXPECT_TRUE(mac.restarted());
    EXPECT_EQ(mac.lines("alert"), Events{});

    EXPECT_TRUE(mac.exists("Applications/DSL Modem/DSL Modem Control.app"));
    EXPECT_TRUE(fs::exists(mac.uninstaller()));
    EXPECT_TRUE(mac.exists("System/Library/Extensions/DSLModem.kext/Contents/Info.plist"));
    EXPECT_TRUE(mac.exists("Library/Modem Scripts/DSL Modem Script"));
    EXPECT_TRUE(eventually([&] { return modeOf(mac.volume() + "/Applications/DSL Modem") == 0755; }));
    EXPECT_TRUE(eventually([&] { return modeOf(mac.volume() + "/System/Library/Extensions/DSLModem.kext") == 0755; }));

    std::string log = mac.log();
    EXPECT_EQ(std::count(log.begin(), log.end(), '*') / 53, 2); // one system report per process
    EXPECT_TRUE(contains(log, "InstApp->Authorizing and restarting, isInstalling=1"));
    EXPECT_TRUE(contains(log, "argv[1]=2 \nargv[2]=INSTALL"));
    EXPECT_TRUE(contains(log, "InstallPanel->Installation complete"));
    EXPECT_TRUE(contains(log, "InstApp->Rebooting"));
}

TEST(Road, MacOsXRemovalFromTheInstalledUninstallerThroughItsStagedCopy)
{
    EmulatedMac mac("10.2.8");
    installOnMacOsX(mac, false);
    ASSERT_TRUE(fs::exists(mac.uninstaller()));
    fs::create_directories(mac.stagedBundle() + "/Contents");
    fs::permissions(fs::path(mac.stagedBundle()).parent_path(), fs::perms::owner_all); // private, as staging made it
    std::ofstream(mac.stagedBundle() + "/Contents/left over") << "from an earlier removal";
    fs::remove(mac.folder / "transcript");

    mac.run(mac.uninstaller(), {}, "click 1051\nclick 1051\n");

    EXPECT_EQ(pages(mac), (Events{"page 6", "page 7", "page 8"}));
    EXPECT_EQ(mac.lines("exec"),
              (Events{"exec \"" + mac.stagedBundle() + "/Contents/MacOS/Uninstall DSL Modem\" \"9\" \"REMOVE\""}));
    EXPECT_EQ(mac.lines("appleevent"), Events{}); // the restart was left for later
    EXPECT_FALSE(mac.exists("Applications/DSL Modem"));
    EXPECT_FALSE(mac.exists("System/Library/Extensions/DSLModem.kext"));
    EXPECT_FALSE(mac.exists("Library/Modem Scripts/DSL Modem Script"));
    EXPECT_FALSE(fs::exists(mac.stagedBundle() + "/Contents/left over"));
    EXPECT_TRUE(contains(mac.log(), "Install->Copying uninstaller to tmp dir"));
    EXPECT_TRUE(contains(mac.log(), "InstApp->Authorizing and restarting, isInstalling=0"));
    EXPECT_TRUE(contains(mac.log(), "Install->Removing apps dir"));
}

TEST(Road, MacOs9InstallationNeedsNoRelaunch)
{
    EmulatedMac mac("9.2.2");
    mac.run(mac.installer(), {}, "click 1051\nclick 1051\nclick 1051\n");

    EXPECT_EQ(pages(mac), (Events{"page 1", "page 2", "page 3", "page 10"}));
    EXPECT_EQ(mac.processCount(), 1u);
    EXPECT_EQ(mac.lines("exec \"" + mac.installer()), Events{});
    EXPECT_TRUE(mac.exists("System Folder/Extensions/DSL Modem Extension"));
    EXPECT_TRUE(mac.exists("System Folder/Extensions/Modem Scripts/DSL Modem Script"));
    EXPECT_TRUE(fs::exists(mac.uninstaller()));
    EXPECT_TRUE(mac.exists("Applications/DSL Modem/Uninstall DSL Modem.app/Uninstall DSL Modem")); // the alias
}

TEST(Road, RightsRefusedAtTheWelcomePanelEndTheRunSilently)
{
    EmulatedMac mac("10.2.8");
    mac.run(mac.installer(), {}, "click 1051\nclick 1051\n", "deny");

    EXPECT_EQ(pages(mac), (Events{"page 1"}));
    EXPECT_EQ(mac.processCount(), 1u);
    EXPECT_EQ(mac.lines("auth-denied"), (Events{"auth-denied"}));
    EXPECT_EQ(mac.lines("alert"), Events{});
    EXPECT_FALSE(mac.exists("Applications/DSL Modem"));
}

TEST(Road, RightsRefusedAtTheRemovalRemoveNothing)
{
    EmulatedMac mac("10.2.8");
    installOnMacOsX(mac, false);
    fs::remove(mac.folder / "transcript");

    mac.run(mac.uninstaller(), {}, "click 1051\n", "deny");

    EXPECT_EQ(mac.lines("alert"), (Events{"alert \"Authorization failed\""}));
    EXPECT_TRUE(contains(mac.log(), "InstApp->Authorization failed"));
    EXPECT_EQ(mac.processCount(), 1u);
    EXPECT_TRUE(fs::exists(mac.uninstaller()));
    EXPECT_TRUE(mac.exists("System/Library/Extensions/DSLModem.kext"));
}

TEST(Road, RemovalWithoutAnInstalledUninstallerCannotStage)
{
    EmulatedMac mac("10.2.8");
    mac.run(mac.installer(), {"7", "REMOVE"}, "click 1051\n");

    EXPECT_EQ(mac.lines("alert"), (Events{"alert \"Could not copy uninstaller to tmp folder\""}));
    EXPECT_TRUE(contains(mac.log(), "InstApp->Could not copy uninstaller to tmp folder"));
    EXPECT_EQ(mac.lines("exec"), Events{});
}

TEST(Road, MacOs9RemovalRunsTheStagedClassicCopyWithoutRights)
{
    EmulatedMac mac("9.2.2");
    mac.run(mac.installer(), {}, "click 1051\nclick 1051\nclick 1051\n");
    ASSERT_TRUE(fs::exists(mac.uninstaller()));
    fs::remove(mac.folder / "transcript");

    mac.run(mac.uninstaller(), {}, "click 1051\nclick 1051\n", "deny");

    EXPECT_EQ(pages(mac), (Events{"page 6", "page 7", "page 8"}));
    EXPECT_EQ(mac.lines("exec"),
              (Events{"exec \"" + mac.stagedBundle() + "/Contents/MacOSClassic/Uninstall DSL Modem\" \"9\" \"REMOVE\""}));
    EXPECT_EQ(mac.lines("alert"), (Events{"alert \"Please unplug the DSL modem now, then click OK.\""}));
    EXPECT_FALSE(mac.exists("Applications/DSL Modem"));
    EXPECT_FALSE(mac.exists("System Folder/Extensions/DSL Modem Extension"));
    EXPECT_FALSE(mac.exists("System Folder/Extensions/Modem Scripts/DSL Modem Script"));
}
