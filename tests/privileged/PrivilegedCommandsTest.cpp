#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "files/Files.h"
#include "system/UtilsOsx.h"
#include "tests/support/Eventually.h"
#include "tests/support/RecordedLines.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/TempFolder.h"

namespace {

struct stat statusOf(const std::string& path)
{
    struct stat status {};
    ::lstat(path.c_str(), &status);
    return status;
}

// An emulated startup volume in a temporary folder holding an extensions
// folder with one driver bundle; the administrator right is granted unless a
// test says otherwise, and every start goes to the transcript.
class PrivilegedCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        env.set("PLATFORM_ROOT", folder.path);
        env.set("PLATFORM_TRANSCRIPT", folder / "transcript");
        env.set("PLATFORM_AUTH", "grant");
        std::filesystem::create_directories(plist().substr(0, plist().rfind('/')));
        std::ofstream(plist()) << "<plist/>";
        ASSERT_EQ(platform::locateFolder(extensions(), &vRefNum, &dirID), noErr);
    }

    std::string extensions() const { return folder / "Extensions"; }
    std::string driver() const { return extensions() + "/Driver.kext"; }
    std::string plist() const { return driver() + "/Contents/Info.plist"; }

    std::vector<std::string> events() const { return transcriptEvents(folder / "transcript"); }
    std::vector<std::string> log() const { return logLines(folder.path); }

    static std::string quoted(const std::vector<std::string>& words)
    {
        std::string line = "exec";
        for (const std::string& word : words)
            line += " \"" + word + "\"";
        return line;
    }

    TempFolder folder;
    ScopedEnv env;
    short vRefNum = 0;
    long dirID = 0;
};

} // namespace

TEST_F(PrivilegedCommandsTest, SetPermissionsStartsChmodThenChownOnTheWholeTree)
{
    for (const std::string& path : {driver(), driver() + "/Contents", plist()}) {
        ASSERT_EQ(::chmod(path.c_str(), 0700), 0);
        ASSERT_EQ(::lchown(path.c_str(), 1, 1), 0) << "tests of the privileged commands run as root";
    }

    EXPECT_FALSE(setPermissions(vRefNum, dirID, "Driver.kext", "755", "root:wheel"));

    EXPECT_EQ(events(), (std::vector<std::string>{quoted({"/bin/chmod", "-R", "755", driver()}),
                                                  quoted({"/usr/sbin/chown", "-R", "root:wheel", driver()})}));
    EXPECT_EQ(log(), (std::vector<std::string>{"UtilsOsx->UnixCmd: /bin/chmod -R 755  " + driver(),
                                               "UtilsOsx->UnixCmd: /usr/sbin/chown -R root:wheel  " + driver()}));
    // The tools really ran, recursively; the Mac's group wheel is group 0 here.
    EXPECT_TRUE(eventually([&] {
        struct stat status = statusOf(plist());
        return (status.st_mode & 07777) == 0755 && status.st_uid == 0 && status.st_gid == 0;
    }));
    int ignored;
    EXPECT_EQ(::waitpid(-1, &ignored, WNOHANG), -1) << "a started tool was left to be reaped";
}

TEST_F(PrivilegedCommandsTest, CommandsPutTheirArgumentsBeforeTheTargetPath)
{
    struct Case {
        const char* what;
        std::function<bool()> command;
        std::vector<std::string> exec;
        std::string logLine;
        std::function<bool()> done; // the tool's effect, once it has run
    } cases[] = {
        {"mode only", [&] { return setPermissions(vRefNum, dirID, "Driver.kext", "777", nullptr); },
         {"/bin/chmod", "-R", "777", driver()}, "UtilsOsx->UnixCmd: /bin/chmod -R 777  " + driver(),
         [&] { return (statusOf(plist()).st_mode & 07777) == 0777; }},
        {"no arguments, the folder itself",
         [&] { return unixCommand(vRefNum, dirID, nullptr, "/usr/bin/touch", nullptr, 0); },
         {"/usr/bin/touch", extensions()}, "UtilsOsx->UnixCmd: /usr/bin/touch  " + extensions(),
         [&] { return statusOf(extensions()).st_mtime > 1000000000; }},
        {"a partial path",
         [&] {
             const char* arguments[] = {"-d", "@1234"};
             return unixCommand(vRefNum, dirID, ":Driver.kext:Contents:Info.plist", "/usr/bin/touch", arguments, 2);
         },
         {"/usr/bin/touch", "-d", "@1234", plist()}, "UtilsOsx->UnixCmd: /usr/bin/touch -d @1234  " + plist(),
         [&] { return statusOf(plist()).st_mtime == 1234; }},
    };
    struct timeval longAgo[2] = {{1000, 0}, {1000, 0}};
    ASSERT_EQ(::utimes(extensions().c_str(), longAgo), 0);
    for (const Case& c : cases) {
        std::filesystem::remove(folder / "transcript");
        std::filesystem::remove(folder / "DSL Installer Log File");
        EXPECT_FALSE(c.command()) << c.what;
        EXPECT_EQ(events(), std::vector<std::string>{quoted(c.exec)}) << c.what;
        EXPECT_EQ(log(), std::vector<std::string>{c.logLine}) << c.what;
        EXPECT_TRUE(eventually(c.done)) << c.what;
    }
}

TEST_F(PrivilegedCommandsTest, MissingTargetStartsNothing)
{
    EXPECT_TRUE(setPermissions(vRefNum, dirID, "Missing.kext", "755", "root:wheel"));

    EXPECT_TRUE(events().empty());
    EXPECT_EQ(log(), (std::vector<std::string>{"UtilsOsx->UnixCmd: /bin/chmod -R 755  ",
                                               "UtilsOsx->UnixCmd: Can't get path"}));
}

TEST_F(PrivilegedCommandsTest, RefusedRightStartsNothingAndSkipsChown)
{
    env.set("PLATFORM_AUTH", "deny");
    ASSERT_EQ(::chmod(plist().c_str(), 0600), 0);

    EXPECT_TRUE(setPermissions(vRefNum, dirID, "Driver.kext", "755", "root:wheel"));
    std::string target = plist();
    const char* arguments[] = {target.c_str(), nullptr};
    EXPECT_TRUE(authorizeAndExecute("/bin/rm", arguments, false));

    EXPECT_EQ(events(), (std::vector<std::string>{"auth-denied", "auth-denied"}));
    EXPECT_EQ(log(), (std::vector<std::string>{"UtilsOsx->UnixCmd: /bin/chmod -R 755  " + driver()}));
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_EQ(statusOf(plist()).st_mode & 07777, 0600u);
}

TEST_F(PrivilegedCommandsTest, AuthorizeAndExecuteStartsTheProgramWithItsArguments)
{
    std::string made = folder / "made by the tool";
    const char* arguments[] = {"-m", "750", made.c_str(), nullptr};

    EXPECT_FALSE(authorizeAndExecute("/bin/mkdir", arguments, false));

    EXPECT_EQ(events(), (std::vector<std::string>{quoted({"/bin/mkdir", "-m", "750", made})}));
    EXPECT_TRUE(eventually([&] { return std::filesystem::is_directory(made); }));
    EXPECT_TRUE(log().empty());
}

TEST_F(PrivilegedCommandsTest, GetPathNamesExistingItemsOnly)
{
    struct Case {
        const char* name;
        std::string expected;
    } cases[] = {
        {nullptr, extensions()},
        {"Driver.kext", driver()},
        {":Driver.kext:Contents:Info.plist", plist()},
        {"Missing.kext", ""},
        {":Driver.kext:Missing", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(std::string(getPath(vRefNum, dirID, c.name)), c.expected) << (c.name ? c.name : "(null)");

    // A name longer than a length-prefixed string holds must not be cut to one
    // that names another item.
    std::string longName(300, 'a');
    std::filesystem::create_directory(extensions() + "/" + longName.substr(0, 255));
    EXPECT_EQ(std::string(getPath(vRefNum, dirID, longName.c_str())), "");
}
