#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>

#include "tests/support/RecordedLines.h"
#include "tests/support/TempFolder.h"

namespace fs = std::filesystem;

namespace {

// Runs a copy of the assembled example bundle's program, headless, without
// a display; returns its exit status.
int runExampleBundle(const TempFolder& folder, const std::string& arguments, const std::string& script)
{
    fs::copy(std::string(DSL_BINARY_DIR) + "/Installer.app", folder / "Installer.app", fs::copy_options::recursive);
    fs::create_directories(folder / "volume");
    std::ofstream(folder / "script") << script;
    std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u PLATFORM_UI PLATFORM_ROOT='" + (folder / "volume") +
                          "' PLATFORM_SCRIPT='" + (folder / "script") + "' PLATFORM_TRANSCRIPT='" +
                          (folder / "transcript") + "' '" + (folder / "Installer.app/Contents/MacOS/Installer") +
                          "' " + arguments + " >/dev/null 2>&1";
    int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

TEST(ExampleBundle, RunsHeadlessFromItsOwnBundleAndLogsTheInstallError)
{
    TempFolder folder;
    ASSERT_EQ(runExampleBundle(folder, "6 INSTALL", "key tab\nkey return\n"), 0);
    std::vector<std::string> events = transcriptEvents(folder / "transcript");
    std::vector<std::string> expected = {"page 5", "text 1003 \"Installation Failed\"", "default 1051 off",
                                         "default 1050 on", "window-close 128", "quit"};
    auto at = events.begin();
    for (const std::string& wanted : expected) {
        at = std::find(at, events.end(), wanted);
        ASSERT_NE(at, events.end()) << "missing: " << wanted;
    }
    std::vector<std::string> log = logLines(folder / "volume");
    EXPECT_EQ(std::count(log.begin(), log.end(), "Panel->Install error: "), 1);
    EXPECT_EQ(folder.read("script"), "");
}
