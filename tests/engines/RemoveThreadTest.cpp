#include <gtest/gtest.h>

#include <filesystem>

#include "EngineVolume.h"
#include "app/Options.h"

namespace fs = std::filesystem;

namespace {

struct RemoveCase {
    const char* version;
    bool kextFolderMissing;
    InstallState finalState;
    std::vector<std::string> events;
};

void PrintTo(const RemoveCase& c, std::ostream* out)
{
    *out << c.version << (c.kextFolderMissing ? " without extensions folder" : "");
}

const std::string kProgress[] = {"page 7", "text 1003 \"Removing\"",
                                 "text 1020 \"The DSL modem software is being removed. Please wait.\"",
                                 "disable 1050", "disable 1051"};
const std::string kUnplug = "alert \"Please unplug the DSL modem now, then click OK.\"";

const RemoveCase removeCases[] = {
    {"10.2.8", false, STATE_REMOVE_REBOOT,
     {kProgress[0], kProgress[1], kProgress[2], kProgress[3], kProgress[4], "enable 1051", "page 8"}},
    {"9.2.2", false, STATE_REMOVE_REBOOT,
     {kProgress[0], kProgress[1], kProgress[2], kProgress[3], kProgress[4], kUnplug, "enable 1051", "page 8"}},
    {"10.2.8", true, STATE_REMOVE_ERROR,
     {kProgress[0], kProgress[2], kProgress[4], "enable 1051", "page 9", "text 1007 \"Can't find destination folder (-43)\""}},
};

class RemoveThread : public ::testing::TestWithParam<RemoveCase> {};

} // namespace

TEST_P(RemoveThread, RemovesThenMovesTheWizardOn)
{
    const RemoveCase& c = GetParam();
    EngineVolume volume(c.version);
    volume.writeInstallerIni("ProgramFilesDir = DSL Modem\nRemoveDriversOsx = DSLModem.kext\n"
                             "RemoveDriversOs9 = DSL Modem Extension\n");
    treetest::writeFile(volume.applications() + "/DSL Modem/Uninstall DSL Modem.app/Contents/PkgInfo", "x");
    std::string driver = volume.drivers() + (volume.osx ? "/DSLModem.kext/Contents/Info.plist" : "/DSL Modem Extension");
    treetest::writeFile(driver, "x");
    if (c.kextFolderMissing)
        fs::remove_all(volume.drivers());

    volume.run({"9", "REMOVE"});

    EXPECT_EQ(int(Options.state), int(c.finalState));
    EXPECT_FALSE(fs::exists(volume.applications() + "/DSL Modem"));
    EXPECT_FALSE(fs::exists(driver));
    std::vector<std::string> events = volume.events();
    EXPECT_TRUE(containsInOrder(events, c.events)) << ::testing::PrintToString(events);
    EXPECT_EQ(countOf(events, kUnplug), volume.osx ? 0 : 1);
    auto disabled = std::find(events.begin(), events.end(), "disable 1050");
    auto nextPanel = std::find(disabled, events.end(), "enable 1051");
    EXPECT_EQ(std::find(disabled, nextPanel, "enable 1050"), nextPanel) << "Cancel was enabled while removing";
}

INSTANTIATE_TEST_SUITE_P(Remove, RemoveThread, ::testing::ValuesIn(removeCases));
