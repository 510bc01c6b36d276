#include <gtest/gtest.h>

#include <filesystem>

#include "EngineVolume.h"
#include "app/Options.h"
#include "install/UninstallerBundle.h"
#include "system/SystemInfo.h"

namespace fs = std::filesystem;
using treetest::Tree;

namespace {

const std::string kInfoPlist = "<plist version=\"1.0\">\n<dict>\n"
                               "\t<key>CFBundleExecutable</key>\n\t\t<string>Installer</string>\n"
                               "\t<key>CFBundleIconFile</key>\n\t\t<string>Installer.icns</string>\n"
                               "\t<key>CFBundleName</key>\n\t\t<string>DSL Modem Installer</string>\n"
                               "</dict>\n</plist>\n";
const std::string kRewrittenInfoPlist = "<plist version=\"1.0\">\n<dict>\n"
                                        "\t<key>CFBundleExecutable</key>\n\t<string>Uninstall DSL Modem</string>\n"
                                        "\t<key>CFBundleIconFile</key>\n\t<string>Uninstall.icns</string>\n"
                                        "\t<key>CFBundleName</key>\n\t<string>Uninstall DSL Modem</string>\n"
                                        "</dict>\n</plist>\n";

class UninstallerBundle : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override
    {
        volume.writeBundleFile("Info.plist", kInfoPlist);
        fs::create_directories(programFolder());
        Options.failed = false;
        Options.errorText = "";
    }

    std::string programFolder() const { return volume.applications() + "/DSL Modem"; }
    std::string bundle() const { return programFolder() + "/Uninstall DSL Modem.app"; }

    bool build(const std::string& destination)
    {
        treetest::Location folder = treetest::locate(destination);
        return installUninstaller(getAppVolume(), getAppDir(), folder.vRefNum, folder.dirID);
    }

    // The bundle's InstallerFiles as the uninstaller's copy holds them.
    Tree copiedInstallerFiles(const std::string& installerIni) const
    {
        Tree tree;
        for (const auto& [name, contents] : treetest::treeOf(volume.contents() + "/InstallerFiles"))
            tree["Contents/InstallerFiles/" + name] = contents;
        tree["Contents/InstallerFiles"] = "/";
        tree["Contents/InstallerFiles/Installer.ini"] = treetest::summary(installerIni);
        return tree;
    }

    EngineVolume volume{GetParam()};
};

} // namespace

TEST_P(UninstallerBundle, IsBuiltFromTheInstallersOwnBundleAndStartsAtTheRemovalConfirmation)
{
    // Mac OS X configurations carry NextState, the Mac OS 9 one does not: the key is added.
    volume.writeInstallerIni(volume.osx ? "NextState = 0\nProgramFilesDir = DSL Modem\n" : "ProgramFilesDir = DSL Modem\n");
    std::string copiedIni = volume.osx ? "[SystemInfo]\nLanguage = English\nDebug = TRACE\nNextState = 7\n"
                                         "ProgramFilesDir = DSL Modem\n"
                                       : "[SystemInfo]\nNextState = 7\nLanguage = English\nDebug = TRACE\n"
                                         "ProgramFilesDir = DSL Modem\n";

    EXPECT_FALSE(build(programFolder()));

    Tree expected = copiedInstallerFiles(copiedIni);
    expected["Contents"] = "/";
    expected["Contents/PkgInfo"] = treetest::readFile(volume.contents() + "/PkgInfo");
    expected["Contents/Info.plist"] = treetest::summary(kRewrittenInfoPlist);
    expected["Contents/Resources"] = "/";
    if (volume.osx) {
        expected["Contents/MacOS"] = "/";
        expected["Contents/MacOS/Uninstall DSL Modem"] = "Mac OS X program";
        expected["Contents/Resources/Uninstall DSL Modem.rsrc"] =
            treetest::summary(treetest::readFile(volume.contents() + "/Resources/Installer.rsrc"));
        expected["Contents/Resources/Uninstall.icns"] =
            treetest::summary(treetest::readFile(volume.contents() + "/Resources/Uninstall.icns"));
    } else {
        expected["Contents/MacOSClassic"] = "/";
        expected["Contents/MacOSClassic/Uninstall DSL Modem"] = "Mac OS 9 program";
        expected["Uninstall DSL Modem"] = ""; // the alias file: an empty data fork
    }
    EXPECT_EQ(treetest::treeOf(bundle()), expected);
    if (!volume.osx) {
        CInfoPBRec alias = treetest::catalogInfo(bundle(), "Uninstall DSL Modem");
        EXPECT_EQ(alias.ioFlFndrInfo.fdType, FOUR_CHAR('a', 'd', 'r', 'p'));
        EXPECT_NE(treetest::attribute(bundle() + "/Uninstall DSL Modem", "user.com.apple.ResourceFork"), "");
    }
    EXPECT_FALSE(Options.failed);
}

TEST_P(UninstallerBundle, AnExistingBundleFolderStopsTheBuildWithoutFailingTheInstallation)
{
    treetest::writeFile(bundle() + "/Contents/PkgInfo", "earlier");

    EXPECT_TRUE(build(programFolder()));

    EXPECT_EQ(treetest::treeOf(bundle()), (Tree{{"Contents", "/"}, {"Contents/PkgInfo", "earlier"}}));
    EXPECT_FALSE(Options.failed);
    EXPECT_TRUE(containsInOrder(volume.logLines(),
                                {"Install->Installing uninstaller", "Install->Can't create bundle folder (-48)"}));
}

TEST_P(UninstallerBundle, AConfigurationThatDoesNotFitFailsTheInstallationAndEndsTheBuild)
{
    FullDisk small(volume.folder / "small", 64 * 1024);
    if (!small.mounted)
        GTEST_SKIP() << "mounting a tmpfs is not permitted here";
    volume.writeBundleFile("InstallerFiles/padding", std::string(256 * 1024, 'x'));

    EXPECT_TRUE(build(small.path));

    EXPECT_TRUE(Options.failed);
    EXPECT_STREQ(Options.errorText, "Can't copy directory (-34)");
    std::string contents = small.path + "/Uninstall DSL Modem.app/Contents";
    EXPECT_FALSE(fs::exists(contents + "/InstallerFiles"));
    EXPECT_TRUE(fs::exists(contents + "/Info.plist"));
    EXPECT_FALSE(fs::exists(contents + (volume.osx ? "/MacOS" : "/MacOSClassic") + "/Uninstall DSL Modem"));
    std::vector<std::string> log = volume.logLines();
    EXPECT_TRUE(containsInOrder(log, {"Install->Can't copy directory (-34)", "Install->Can't copy installerFiles (-34)"}));
    EXPECT_EQ(log.back(), "Install->Can't copy installerFiles (-34)");
}

INSTANTIATE_TEST_SUITE_P(BothGenerations, UninstallerBundle, ::testing::Values("10.2.8", "9.2.2"),
                         [](const auto& info) { return info.index == 0 ? "MacOsX" : "MacOs9"; });
