#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "log/ErrorLogger.h"
#include "log/TraceLogger.h"
#include "tests/system/InstallerBundle.h"

namespace {

void logFromBoth(const char* module)
{
    CErrorLogger errorLogger(module);
    CTraceLogger traceLogger(module);
    errorLogger.log("error %d", 1);
    traceLogger.log("trace %s", "two");
}

} // namespace

TEST(Logger, TheDebugLevelChoosesWhichLoggersWrite)
{
    struct Case {
        const char* ini;
        const char* log;
    } cases[] = {
        {"[SystemInfo]\nDebug = error\n", "M->error 1\n"},
        {"[SystemInfo]\nDebug = Error\n", "M->error 1\n"},
        {"[SystemInfo]\nDebug = Trace\n", "M->error 1\nM->trace two\n"},
        {"[SystemInfo]\nDebug = TRACE\n", "M->error 1\nM->trace two\n"},
        {"[SystemInfo]\nDebug = TRACING\n", ""},
        {"[SystemInfo]\nDebug =\n", ""},
        {"[SystemInfo]\nNextState = 0\n", ""},
        {"[Other]\nDebug = TRACE\n", ""},
    };
    for (const Case& c : cases) {
        InstallerBundle bundle;
        bundle.writeInstallerFile("Installer.ini", c.ini);
        logFromBoth("M");
        EXPECT_EQ(bundle.log(), c.log) << c.ini;
        if (*c.log == '\0') {
            EXPECT_FALSE(std::filesystem::exists(bundle.logPath())) << "no file is made when nothing is logged";
        }
    }
}

TEST(Logger, StaysDisabledWhenTheConfigurationCannotBeRead)
{
    InstallerBundle bundle;
    EXPECT_NO_THROW(logFromBoth("M"));
    EXPECT_FALSE(std::filesystem::exists(bundle.logPath()));
}

TEST(Logger, WritesModuleArrowTextInBoundedLines)
{
    InstallerBundle bundle;
    bundle.setDebug("TRACE");
    CTraceLogger logger("InstApp");
    logger.log("Rebooting");
    logger.log("argc=%d \nargv[0]=%s ", 1, "x");
    std::string huge(3000, 'h');
    logger.log("%s", huge.c_str());
    logger.writeStringToFile("plain % text");
    EXPECT_EQ(bundle.log(), "InstApp->Rebooting\nInstApp->argc=1 \nargv[0]=x \nInstApp->" + std::string(511, 'h') +
                                "\nplain % text\n");
}

TEST(Logger, AppendsAcrossRuns)
{
    InstallerBundle bundle;
    bundle.setDebug("ERROR");
    std::ofstream(bundle.logPath()) << "Earlier->run\n";
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        CErrorLogger("First").log("line");
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    CErrorLogger("Second").log("line");
    EXPECT_EQ(bundle.log(), "Earlier->run\nFirst->line\nSecond->line\n");
}

TEST(Logger, OpensTheFileToEveryone)
{
    InstallerBundle bundle;
    bundle.setDebug("ERROR");
    std::ofstream(bundle.logPath()) << "";
    ASSERT_EQ(chmod(bundle.logPath().c_str(), 0600), 0);
    CErrorLogger("M").log("x");
    struct stat status {};
    ASSERT_EQ(stat(bundle.logPath().c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0666u);

    std::filesystem::remove(bundle.logPath());
    mode_t previous = umask(077);
    CErrorLogger("M").log("y");
    umask(previous);
    ASSERT_EQ(stat(bundle.logPath().c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0666u) << "a new file too, whatever the umask";
}

TEST(Logger, NeverFollowsAPlantedLink)
{
    InstallerBundle bundle;
    bundle.setDebug("ERROR");
    std::string victim = bundle.folder / "victim";
    std::ofstream(victim) << "secret\n";
    ASSERT_EQ(chmod(victim.c_str(), 0600), 0);

    std::filesystem::create_symlink(victim, bundle.logPath());
    CErrorLogger("M").log("through the symbolic link");
    std::filesystem::remove(bundle.logPath());
    std::filesystem::create_hard_link(victim, bundle.logPath());
    CErrorLogger("M").log("through the hard link");

    EXPECT_EQ(bundle.folder.read("victim"), "secret\n");
    struct stat status {};
    ASSERT_EQ(stat(victim.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0600u);
}
