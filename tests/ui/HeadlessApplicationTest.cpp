#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <sys/xattr.h>
#include <unistd.h>

#include "ui/LException.h"

#include "WriteFile.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/TempFolder.h"
#include "core/Transcript.h"
#include "process/Processes.h"
#include "ui/LApplication.h"
#include "ui/LCaption.h"
#include "ui/LDialogBox.h"
#include "ui/LMultiPanelView.h"
#include "ui/LPushButton.h"
#include "ui/LRadioButton.h"
#include "ui/LThread.h"
#include "ui/LYieldAttachment.h"
#include "ui/URegistrar.h"
#include "ui/UMainThread.h"

namespace {

const char* layouts = R"(
window 200 'Tdlg' {
    frame 0 0 300 200
    text "Test"
    pane 10 'mpvw' {
        page 1 {
            pane 11 'rdbt' {
                group 1
                value 1
            }
            pane 12 'rdbt' {
                group 1
            }
        }
        page 2 {
            pane 11 'capt' {
            }
        }
    }
    pane 20 'push' {
        message 20
        default
    }
    pane 21 'push' {
        message 21
        disabled
    }
}
)";

// Writes the messages it hears to the transcript, and on message 20 starts
// a worker that sleeps a while and asks for nothing.
class TestDialog : public LDialogBox {
public:
    enum : OSType { class_ID = FOUR_CHAR('T', 'd', 'l', 'g') };
    explicit TestDialog(LStream* stream) : LDialogBox(stream) {}

    void FinishCreateSelf() override
    {
        for (PaneIDT id : {20, 21})
            dynamic_cast<LPushButton*>(FindPaneByID(id))->AddListener(this);
    }
    void ListenToMessage(MessageT message, void*) override
    {
        Str255 text = {5, 'h', 'e', 'a', 'r', 'd'};
        FindPaneByID(21)->SetDescriptor(text);
        if (message == 20)
            dynamic_cast<LMultiPanelView*>(FindPaneByID(10))->SwitchToPanel(2);
    }
};

class TestApp : public LApplication {
public:
    TestApp()
    {
        RegisterClass_<TestDialog>();
        RegisterClass_<LMultiPanelView>();
        RegisterClass_<LRadioButton>();
        RegisterClass_<LCaption>();
        RegisterClass_<LPushButton>();
        AddAttachment(new LYieldAttachment(-1));
        SetSleepTime(1);
    }
    LWindow* window = nullptr;

protected:
    void StartUp() override
    {
        window = LWindow::CreateWindow(200, this);
        window->Show();
    }
};

class Worker : public LThread {
protected:
    void* Run() override
    {
        Sleep(100);
        platform::Transcript::write("worker done");
        return nullptr;
    }
};

class HeadlessApplication : public ::testing::Test {
protected:
    void SetUp() override
    {
        writeFile(folder, "Test.app/Contents/Resources/Test.rsrc", layouts);
        platform::setCurrentExecutableForTesting(folder / "Test.app/Contents/MacOS/Test");
        env.set("PLATFORM_UI", "headless");
        env.set("PLATFORM_TRANSCRIPT", folder / "transcript");
        env.set("PLATFORM_SCRIPT", folder / "script");
    }
    void TearDown() override
    {
        platform::setCurrentExecutableForTesting("");
    }
    // The transcript without the process IDs.
    std::vector<std::string> transcript()
    {
        std::istringstream lines(folder.read("transcript"));
        std::vector<std::string> events;
        std::string prefix = std::to_string(::getpid()) + " ";
        for (std::string line; std::getline(lines, line);)
            events.push_back(line.rfind(prefix, 0) == 0 ? line.substr(prefix.size()) : "?" + line);
        return events;
    }

    TempFolder folder;
    ScopedEnv env;
};

} // namespace

TEST_F(HeadlessApplication, ScriptActionsReachThePanesAndTheEndOfTheScriptQuits)
{
    writeFile(folder, "script", "click 12\nclick 21\nclick 99\nclick 20\ncommand 4\n");
    {
        TestApp app;
        app.Run();
    }
    std::vector<std::string> expected = {
        "window-open 200",
        // click 12: its group's other button goes off
        "value 12 1", "value 11 0",
        // click 21: disabled, nothing; click 99: no such pane, nothing
        "text 21 \"heard\"", "page 2",
        "window-close 200",
        "quit",
    };
    EXPECT_EQ(transcript(), expected);
    EXPECT_EQ(folder.read("script"), "");
}

TEST_F(HeadlessApplication, AQuitWhileAWorkerRunsWaitsForTheWorkerToEnd)
{
    writeFile(folder, "script", "");
    UMainThread mainThread;
    TestApp app;
    app.PostInput(InputEvent::menuCommand(cmd_Quit));
    (new Worker)->Resume();
    app.Run();
    std::vector<std::string> events = transcript();
    ASSERT_GE(events.size(), 3u);
    EXPECT_EQ(events[events.size() - 3], "worker done");
    EXPECT_EQ(events[events.size() - 2], "quit");
    EXPECT_EQ(events.back(), "window-close 200");
}

TEST_F(HeadlessApplication, WithoutAResourceFileTheLayoutsComeFromTheExecutablesResourceFork)
{
    std::filesystem::remove(folder / "Test.app/Contents/Resources/Test.rsrc");
    std::string executable = writeFile(folder, "Test.app/Contents/MacOS/Test", "");
    std::string fork = "window 300 'wind' {\n    pane 5 'capt' {\n        text \"from the fork\"\n    }\n}\n";
    if (::setxattr(executable.c_str(), "user.com.apple.ResourceFork", fork.data(), fork.size(), 0) != 0)
        GTEST_SKIP() << "no user attributes on this file system";
    RegisterClass_<LWindow>();
    RegisterClass_<LCaption>();
    std::unique_ptr<LWindow> window(LWindow::CreateWindow(300, nullptr));
    EXPECT_EQ(window->FindPaneByID(5)->DescriptorText(), "from the fork");
    window->DoClose();
    window.release();
    LWindow::DisposeClosedWindows();
    EXPECT_THROW(LWindow::CreateWindow(301, nullptr), LException);
}
