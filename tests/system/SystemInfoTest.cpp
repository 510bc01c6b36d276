#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "files/Files.h"
#include "log/ErrorLogger.h"
#include "system/SystemInfo.h"
#include "tests/system/InstallerBundle.h"
#include "text/IniLookup.h"

namespace {

std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

} // namespace

TEST(SystemInfo, TellsTheSystemGenerationByVersion)
{
    struct Case {
        const char* setting;
        bool osx;
        unsigned short version;
    } cases[] = {
        {"10.2.8", true, 0x1028}, {"9.2.2", false, 0x0922}, {"0x1000", true, 0x1000}, {"0x0FFF", false, 0x0FFF},
    };
    ScopedEnv env;
    for (const Case& c : cases) {
        env.set("PLATFORM_SYSTEM_VERSION", c.setting);
        EXPECT_EQ(isOsx(), c.osx) << c.setting;
        EXPECT_EQ(getOsVersion(), c.version) << c.setting;
    }
    env.unset("PLATFORM_SYSTEM_VERSION");
    EXPECT_TRUE(isOsx());
    EXPECT_EQ(getOsVersion(), 0x1028);
}

TEST(SystemInfo, ReportsTheMachineOnePropertyALine)
{
    struct Case {
        const char* setting;
        const char* versionLine;
    } cases[] = {{"10.2.8", "InstApp->OS Version: 10.2.8"}, {"9.2.2", "InstApp->OS Version: 9.2.2"}};
    for (const Case& c : cases) {
        InstallerBundle bundle;
        bundle.setDebug("error");
        bundle.env.set("PLATFORM_SYSTEM_VERSION", c.setting);
        CErrorLogger logger("InstApp");
        logSysInfo(logger);

        std::vector<std::string> lines = linesOf(bundle.log());
        ASSERT_EQ(lines.size(), 9u) << bundle.log();
        EXPECT_EQ(lines[0], "InstApp->" + std::string(53, '*'));
        EXPECT_EQ(lines[1], "InstApp->Installer Version: 1.0.12");
        EXPECT_EQ(lines[2], c.versionLine);
        const char* prefixes[] = {"Processor Type: ", "Processor clock speed: ", "Bus clock speed: ", "Carbon Version: ",
                                  "Physical RAM: ", "Logical RAM: "};
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(lines[3 + i].rfind(std::string("InstApp->") + prefixes[i], 0), 0u) << lines[3 + i];
        EXPECT_TRUE(lines[3] == "InstApp->Processor Type: PowerPC" || lines[3] == "InstApp->Processor Type: 68K" ||
                    lines[3] == "InstApp->Processor Type: Unknown")
            << lines[3];
    }
}

TEST(SystemInfo, AppDirIsTheBundlesContentsFolder)
{
    InstallerBundle bundle;
    EXPECT_EQ(std::filesystem::canonical(platform::folderPath(getAppVolume(), getAppDir())),
              std::filesystem::canonical(bundle.contents()));

    // The configuration is the one inside Contents, not one beside the bundle.
    std::filesystem::create_directories(bundle.folder / "InstallerFiles");
    std::ofstream(bundle.folder / "InstallerFiles/Installer.ini") << "[SystemInfo]\nDriverType = LAN\n";
    bundle.writeInstallerFile("Installer.ini", "[SystemInfo]\nDriverType = WAN\n");
    EXPECT_EQ(getIniString("DriverType", "SystemInfo", "", "Installer.ini"), "WAN");
}
