#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/StartState.h"
#include "log/XPel.h"
#include "tests/system/InstallerBundle.h"

namespace {

InstallState startStateOf(std::vector<const char*> arguments)
{
    arguments.insert(arguments.begin(), "/Applications/Installer.app/Contents/MacOS/Installer");
    return chooseStartState(int(arguments.size()), arguments.data());
}

} // namespace

TEST(StartState, ARelaunchCommandLineNamesTheState)
{
    InstallerBundle bundle;
    bundle.writeInstallerFile("Installer.ini", "[SystemInfo]\nNextState = 7\n");
    struct Case {
        std::vector<const char*> arguments;
        int state;
    } cases[] = {
        {{"9", "REMOVE"}, 9},        {{"2", "INSTALL"}, 2},   {{"INSTALL"}, 0},      {{"3", "other", "INSTALL"}, 3},
        {{"258", "REMOVE"}, 2},      {{"-1", "REMOVE"}, 255}, {{" +4x", "REMOVE"}, 4}, {{"nine", "INSTALL"}, 0},
        {{"99999999999", "REMOVE"}, 255},
    };
    for (const Case& c : cases)
        EXPECT_EQ(int(startStateOf(c.arguments)), c.state) << c.arguments.front();
}

TEST(StartState, WithoutAMarkerNextStateDecides)
{
    InstallerBundle bundle;
    struct Case {
        std::vector<const char*> arguments;
        const char* ini;
        int state;
    } cases[] = {
        {{}, "[SystemInfo]\nNextState = 7\n", 7},
        {{"5", "install"}, "[SystemInfo]\nNextState = 9\n", 9},
        {{"5", "INSTALL "}, "[SystemInfo]\nNextState = 9\n", 9},
        {{}, "[SystemInfo]\nNextState = 0\n", 0},
        {{}, "[SystemInfo]\nDebug = TRACE\n", 0},
        {{}, "[SystemInfo]\nNextState = 264\n", 8},
        {{}, "[SystemInfo]\nNextState = soon\n", 0},
    };
    for (const Case& c : cases) {
        bundle.writeInstallerFile("Installer.ini", c.ini);
        EXPECT_EQ(int(startStateOf(c.arguments)), c.state) << c.ini;
    }
}

TEST(StartState, AnUnreadableConfigurationIsReported)
{
    InstallerBundle bundle;
    try {
        startStateOf({});
        ADD_FAILURE() << "no exception";
    } catch (const XPel& error) {
        EXPECT_STREQ(error.getMessage(), "Can't open Installer.ini");
    }
    EXPECT_EQ(int(startStateOf({"2", "INSTALL"})), 2) << "a relaunch does not read the configuration";
}
