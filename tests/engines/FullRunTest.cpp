#include <gtest/gtest.h>

#include <sys/wait.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>

#include "EngineVolume.h"
#include "install/UninstallerStaging.h"
#include "text/String.h"
#include "tests/support/VolumeProcess.h"

namespace fs = std::filesystem;
using treetest::Tree;

namespace {

const std::string kBuiltBundle = std::string(DSL_BINARY_DIR) + "/Installer.app";

// A file of the built bundle's Contents folder.
std::string bundleFile(const std::string& relative)
{
    return treetest::readFile(kBuiltBundle + "/Contents/" + relative);
}

std::string replaced(std::string text, const std::string& from, const std::string& to)
{
    size_t at = text.find(from);
    if (at != std::string::npos)
        text.replace(at, from.size(), to);
    return text;
}

// Starts a program of the emulated volume as its own process, headless, with
// the arguments and the action script; returns its exit status.
int start(const EngineVolume& volume, const std::string& program, const std::string& arguments,
          const std::string& script)
{
    std::ofstream(volume.folder / "script") << script;
    std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY '" + program + "' " + arguments + " >/dev/null 2>&1";
    int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

Tree volumeTree(const EngineVolume& volume)
{
    Tree tree = treetest::treeOf(volume.volume());
    tree.erase("DSL Installer Log File");
    return tree;
}

// What an installation of the example bundle adds to a Mac OS X volume.
Tree installedExample()
{
    const std::string program = "Applications/DSL Modem/";
    const std::string uninstaller = program + "Uninstall DSL Modem.app/Contents/";
    const std::string control = "DSL Modem Control.app/Contents/MacOS/DSL Modem Control";
    Tree tree;
    auto add = [&tree](const std::string& path, const std::string& contents) {
        for (fs::path folder = fs::path(path).parent_path(); !folder.empty(); folder = folder.parent_path())
            tree[folder.string()] = "/";
        tree[path] = treetest::summary(contents);
    };
    add(program + control, bundleFile("OSX/Apps/" + control));
    add(uninstaller + "PkgInfo", bundleFile("PkgInfo"));
    add(uninstaller + "Info.plist",
        replaced(replaced(bundleFile("Info.plist"), "    <string>Installer</string>\n",
                          "\t<string>Uninstall DSL Modem</string>\n"),
                 "    <string>DSL Modem Installer</string>\n", "\t<string>Uninstall DSL Modem</string>\n"));
    add(uninstaller + "MacOS/Uninstall DSL Modem", bundleFile("MacOS/Installer"));
    add(uninstaller + "Resources/Uninstall DSL Modem.rsrc", bundleFile("Resources/Installer.rsrc"));
    add(uninstaller + "Resources/Uninstall.icns", bundleFile("Resources/Uninstall.icns"));
    for (const char* file : {"Strings.ini", "license.txt", "logo.pct"})
        add(uninstaller + "InstallerFiles/" + file, bundleFile(std::string("InstallerFiles/") + file));
    add(uninstaller + "InstallerFiles/Installer.ini",
        replaced(bundleFile("InstallerFiles/Installer.ini"), "NextState = 0", "NextState = 7"));
    add("System/Library/Extensions/DSLModem.kext/Contents/Info.plist",
        bundleFile("OSX/Drivers/WAN/DSLModem.kext/Contents/Info.plist"));
    add("Library/Modem Scripts/DSL Modem Script", bundleFile("OSX/ModemScripts/DSL Modem Script"));
    return tree;
}

} // namespace

TEST(FullRun, TheExampleBundleInstallsAndItsUninstallerRemovesEverythingAgain)
{
    if (!fs::exists(kBuiltBundle + "/Contents/MacOS/Installer"))
        GTEST_SKIP() << "the example bundle has not been built";
    EngineVolume volume("10.2.8");
    fs::remove_all(volume.contents());
    fs::copy(kBuiltBundle + "/Contents", volume.contents(), fs::copy_options::recursive);
    Tree empty = volumeTree(volume);

    // The relaunched installer: the licence, then Next into the installation.
    ASSERT_EQ(start(volume, volume.contents() + "/MacOS/Installer", "2 INSTALL", "click 1051\n"), 0);

    Tree expected = empty;
    expected.merge(installedExample());
    EXPECT_EQ(volumeTree(volume), expected);
    std::vector<std::string> events = volume.events();
    EXPECT_TRUE(containsInOrder(events, {"page 2", "page 3", "exec \"/bin/chmod\" \"-R\" \"755\" \"" +
                                                                 volume.applications() + "/DSL Modem\"",
                                         "page 4", "quit"}));
    EXPECT_TRUE(containsInOrder(volume.logLines(), {"InstallPanel->Installing apps", "Install->Installing uninstaller",
                                                    "InstallPanel->Installation complete"}));

    // The removal runs from the uninstaller's copy in the temporary items
    // folder, started straight in the removal state; the control panel, running,
    // is asked to quit first.
    ASSERT_FALSE(copyUninstToTmpDir());
    String staged;
    ASSERT_FALSE(getUninstTmpPath(&staged));
    VolumeProcess control(volume.applications() + "/Utilities", "DSL Modem Control");
    fs::remove(volume.transcriptPath());
    ASSERT_EQ(start(volume, std::string(staged), "9 REMOVE", ""), 0);

    EXPECT_EQ(control.endingSignal(), SIGTERM);
    Tree removed;
    for (const auto& [path, contents] : volumeTree(volume)) {
        if (path.rfind("private", 0) != 0 && path.rfind("Applications/Utilities", 0) != 0)
            removed[path] = contents;
    }
    EXPECT_EQ(removed, empty);
    EXPECT_TRUE(containsInOrder(volume.events(),
                                {"page 7", "appleevent aevt quit \"DSL Modem Control\"", "page 8", "quit"}));
}
