#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "core/Transcript.h"
#include "process/AppleEvents.h"
#include "process/Gestalt.h"
#include "process/Processes.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/TempFolder.h"
#include "tests/support/VolumeProcess.h"

namespace {

std::string nameOf(const ProcessSerialNumber& psn)
{
    Str31 name{};
    ProcessInfoRec info{};
    info.processInfoLength = sizeof info;
    info.processName = name;
    if (GetProcessInformation(&psn, &info) != noErr)
        return "";
    return std::string(reinterpret_cast<char*>(name + 1), name[0]);
}

std::vector<std::string> runningNames()
{
    std::vector<std::string> names;
    ProcessSerialNumber psn{0, kNoProcess};
    while (GetNextProcess(&psn) == noErr)
        names.push_back(nameOf(psn));
    return names;
}

bool contains(const std::vector<std::string>& names, const std::string& name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

class ProcessesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        env.set("PLATFORM_ROOT", root.path);
        env.set("PLATFORM_TRANSCRIPT", root / "transcript");
        env.unset("PLATFORM_RESTART_COMMAND");
    }

    void send(AEEventClass eventClass, AEEventID eventID, DescType type, const void* data, Size size)
    {
        AEAddressDesc target;
        ASSERT_EQ(AECreateDesc(type, data, size, &target), noErr);
        AppleEvent event, reply;
        ASSERT_EQ(AECreateAppleEvent(eventClass, eventID, &target, kAutoGenerateReturnID, kAnyTransactionID, &event),
                  noErr);
        ASSERT_EQ(AESend(&event, &reply, kAENoReply | kAEAlwaysInteract | kAECanSwitchLayer, kAENormalPriority,
                         kAEDefaultTimeout, nullptr, nullptr),
                  noErr);
        AEDisposeDesc(&event);
        AEDisposeDesc(&target);
    }

    TempFolder root;
    ScopedEnv env;
};

} // namespace

TEST_F(ProcessesTest, GestaltAnswersTheEmulatedSystemVersion)
{
    struct Case {
        const char* setting;
        SInt32 version;
    } cases[] = {{"10.2.8", 0x1028}, {"9.2.2", 0x0922}, {"0x1015", 0x1015}};
    for (const Case& c : cases) {
        env.set("PLATFORM_SYSTEM_VERSION", c.setting);
        SInt32 response = 0;
        EXPECT_EQ(Gestalt(gestaltSystemVersion, &response), noErr);
        EXPECT_EQ(response, c.version) << c.setting;
    }
    SInt32 memory = 0;
    EXPECT_EQ(Gestalt(gestaltPhysicalRAMSize, &memory), noErr);
    EXPECT_GT(memory, 0);
}

TEST_F(ProcessesTest, ListsOnlyProcessesOfTheEmulatedVolumeAndTheSystemOnes)
{
    VolumeProcess control(root.path, "DSL Control Panel");
    env.set("PLATFORM_SYSTEM_VERSION", "10.2.8");
    std::vector<std::string> names = runningNames();
    EXPECT_TRUE(contains(names, "DSL Control Panel"));
    EXPECT_TRUE(contains(names, "loginwindow"));
    EXPECT_FALSE(contains(names, "Finder"));
    EXPECT_FALSE(contains(names, "process_tests")); // the host's own programs stay out of reach

    env.set("PLATFORM_SYSTEM_VERSION", "9.2.2");
    names = runningNames();
    EXPECT_TRUE(contains(names, "Finder"));
    EXPECT_FALSE(contains(names, "loginwindow"));
}

TEST_F(ProcessesTest, CurrentProcessReportsItsExecutable)
{
    ProcessSerialNumber psn;
    ASSERT_EQ(GetCurrentProcess(&psn), noErr);
    FSSpec spec{};
    ProcessInfoRec info{};
    info.processInfoLength = sizeof info;
    info.processAppSpec = &spec;
    ASSERT_EQ(GetProcessInformation(&psn, &info), noErr);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(spec.name + 1), spec.name[0]), "process_tests");
}

TEST_F(ProcessesTest, QuitEventEndsTheNamedProcess)
{
    VolumeProcess control(root.path, "Control");
    ProcessSerialNumber psn{0, UInt32(control.pid)};
    send(kCoreEventClass, kAEQuitApplication, typeProcessSerialNumber, &psn, sizeof psn);
    EXPECT_EQ(control.endingSignal(), SIGTERM);
    EXPECT_NE(root.read("transcript").find("appleevent aevt quit \"Control\""), std::string::npos);
}

TEST_F(ProcessesTest, RestartEventRunsTheRestartCommand)
{
    env.set("PLATFORM_RESTART_COMMAND", "touch '" + (root / "restarted") + "'");
    env.set("PLATFORM_SYSTEM_VERSION", "9.2.2");
    OSType finder = FOUR_CHAR('M', 'A', 'C', 'S');
    send(kAEFinderEvents, kAERestart, typeApplSignature, &finder, sizeof finder);
    for (int i = 0; i < 50 && !std::filesystem::exists(root / "restarted"); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_TRUE(std::filesystem::exists(root / "restarted"));
    EXPECT_NE(root.read("transcript").find("appleevent FNDR rest \"Finder\""), std::string::npos);
}
