#include <gtest/gtest.h>

#include "WizardBundle.h"
#include "app/CMainWnd.h"
#include "app/CPanel.h"
#include "app/Options.h"
#include "app/PanelFactory.h"
#include "log/XPel.h"
#include "text/IniLookup.h"
#include "ui/LApplication.h"
#include "ui/LPushButton.h"
#include "ui/LThread.h"

namespace {

// A progress panel as the engines build it: both buttons disabled, a worker
// that sleeps and then either presses Next or fails with an exception.
enum class WorkerEnd { PressNext, Raise };
WorkerEnd workerEnd = WorkerEnd::PressNext;
bool closeWhileWorking = false;

class TestWorker : public LThread {
public:
    explicit TestWorker(CMainWnd& wnd) : wnd(wnd) {}

protected:
    void* Run() override
    {
        Sleep(100);
        if (workerEnd == WorkerEnd::Raise)
            throw XPel("Can't open %s", "Installer.ini");
        auto* next = dynamic_cast<LPushButton*>(wnd.FindPaneByID(1051));
        next->Enable();
        next->BroadcastMessage(1051, nullptr);
        return nullptr;
    }

private:
    CMainWnd& wnd;
};

class TestProgressPanel : public CPanel {
public:
    explicit TestProgressPanel(CMainWnd& wnd) : CPanel(wnd, 3, "INSTALL_TITLE"), worker(new TestWorker(wnd))
    {
        wnd.setButton(1050, getResString("CANCEL"), false);
        wnd.setButton(1051, getResString("NEXT"), false);
        setLabel(1014, getResString("INSTALL_STR"));
    }
    void start() override
    {
        worker->Resume();
        if (closeWhileWorking)
            LApplication::GetApplication()->PostInput(InputEvent::menuCommand(cmd_Close));
    }
    InstallState getNextState() override { return Options.failed ? STATE_INSTALL_ERROR : STATE_INSTALL_REBOOT; }

private:
    TestWorker* worker;
};

CPanel* makeTestProgressPanel(CMainWnd& wnd)
{
    return new TestProgressPanel(wnd);
}

class Worker : public ::testing::Test {
protected:
    void SetUp() override { setProgressPanelMakers(&makeTestProgressPanel, &makeTestProgressPanel); }
    void TearDown() override
    {
        setProgressPanelMakers(nullptr, nullptr);
        workerEnd = WorkerEnd::PressNext;
        closeWhileWorking = false;
    }
    WizardBundle bundle;
};

} // namespace

TEST_F(Worker, PressesNextAndTheWizardMovesOnWhileKeysWaitForIt)
{
    bundle.writeScript("click 1051\nkey return\n");
    bundle.run({"2", "INSTALL"});
    EXPECT_EQ(int(Options.state), int(STATE_QUIT)) << "Return was not taken after the worker had ended";
    EXPECT_TRUE(containsInOrder(bundle.events(), {"page 3", "disable 1050", "disable 1051", "enable 1051",
                                                  "page 4", "text 1003 \"INSTALL_REBOOT_TITLE\"", "window-close 128"}));
}

TEST_F(Worker, AnExceptionLeavingTheWorkerEndsAtTheErrorPanelWithItsMessage)
{
    workerEnd = WorkerEnd::Raise;
    bundle.writeScript("click 1051\n");
    bundle.run({"2", "INSTALL"});
    EXPECT_TRUE(Options.failed);
    EXPECT_STREQ(Options.errorText, "Can't open Installer.ini");
    EXPECT_TRUE(containsInOrder(bundle.events(), {"page 3", "page 5", "text 1007 \"Can't open Installer.ini\"",
                                                  "enable 1050", "enable 1051", "quit"}));
}

TEST_F(Worker, AQuitWhileTheWorkerRunsWaitsUntilTheWizardHasMovedOn)
{
    closeWhileWorking = true;
    bundle.writeScript("click 1051\n");
    bundle.run({"2", "INSTALL"});
    EXPECT_EQ(int(Options.state), int(STATE_INSTALL_REBOOT));
    EXPECT_TRUE(containsInOrder(bundle.events(), {"page 3", "page 4", "quit", "window-close 128"}));
}
