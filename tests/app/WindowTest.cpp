#include <gtest/gtest.h>

#include "WizardBundle.h"
#include "app/CInstApp.h"
#include "app/CMainWnd.h"
#include "app/CPanel.h"
#include "app/Options.h"
#include "log/XPel.h"
#include "ui/LPushButton.h"
#include "ui/LWindow.h"

namespace {

// The wizard window of a CInstApp, built in a state, without running the loop.
class WizardWindow : public ::testing::Test {
protected:
    CMainWnd& open(InstallState state)
    {
        Options.state = state;
        Options.reboot = false;
        Options.failed = false;
        wnd = dynamic_cast<CMainWnd*>(LWindow::CreateWindow(128, &app));
        return *wnd;
    }
    LPushButton& button(PaneIDT id) { return *dynamic_cast<LPushButton*>(wnd->FindPaneByID(id)); }

    WizardBundle bundle;
    CInstApp app;
    CMainWnd* wnd = nullptr;
};

} // namespace

TEST_F(WizardWindow, RejectsStatesOutsideTheTableWithoutChangingAnything)
{
    CMainWnd& window = open(STATE_REMOVE_CONFIRM);
    CPanel* panel = window.getCurrentPanel();
    for (int state : {13, 255}) {
        try {
            window.changeState(InstallState(state));
            ADD_FAILURE() << state << " was entered";
        } catch (const XPel& error) {
            EXPECT_STREQ(error.getMessage(), "Unknown install state");
        }
        EXPECT_EQ(int(Options.state), int(STATE_REMOVE_CONFIRM));
        EXPECT_EQ(window.getCurrentPanel(), panel);
    }
}

TEST_F(WizardWindow, AutoRepeatAndOtherEventsAreNotKeys)
{
    open(STATE_REMOVE_CONFIRM);
    for (UInt16 what : {UInt16(autoKey), UInt16(keyUp)}) {
        EventRecord event;
        event.what = what;
        event.message = 13;
        EXPECT_FALSE(wnd->HandleKeyPress(event));
        event.message = 9;
        wnd->HandleKeyPress(event);
    }
    EXPECT_EQ(int(Options.state), int(STATE_REMOVE_CONFIRM));
    EXPECT_TRUE(button(1051).IsDefaultButton());
    EXPECT_FALSE(button(1050).IsDefaultButton());
}

TEST_F(WizardWindow, TabAndReturnDoNothingWhileAButtonIsDisabled)
{
    open(STATE_REMOVE_CONFIRM);
    wnd->setButton(1051, "Next", false);
    EventRecord key;
    key.what = keyDown;
    for (UInt32 code : {9u, 13u, 3u}) {
        key.message = code;
        EXPECT_FALSE(wnd->HandleKeyPress(key));
    }
    EXPECT_TRUE(button(1051).IsDefaultButton());
    EXPECT_EQ(int(Options.state), int(STATE_REMOVE_CONFIRM));
    EXPECT_NE(wnd->getCurrentPanel(), nullptr);
}

TEST_F(WizardWindow, ErrorPanelsShowTheErrorText)
{
    Options.errorText = "Invalid driver type";
    for (InstallState state : {STATE_INSTALL_ERROR, STATE_REMOVE_ERROR}) {
        CMainWnd& window = open(state);
        EXPECT_EQ(window.FindPaneByID(1007)->DescriptorText(), "Invalid driver type");
        window.DoClose();
        LWindow::DisposeClosedWindows();
    }
    Options.errorText = "";
}

TEST_F(WizardWindow, SetButtonKeepsTheDefaultMarkAndSkipsPanesThatAreNoButtons)
{
    open(STATE_INSTALL_FINISH);
    wnd->setButton(1051, "Go", false);
    EXPECT_FALSE(button(1051).IsEnabled());
    EXPECT_EQ(button(1051).DescriptorText(), "Go");
    EXPECT_TRUE(button(1051).IsDefaultButton());
    wnd->setButton(1003, "not a button", true);
    wnd->setButton(4242, "missing", true);
    EXPECT_EQ(wnd->FindPaneByID(1003)->DescriptorText(), "INSTALL_FINISH_TITLE");
}

TEST(Application, ReportsCommandTwoEnabled)
{
    WizardBundle bundle;
    CInstApp app;
    EXPECT_TRUE(app.IsCommandEnabled(2));
    EXPECT_TRUE(app.IsCommandEnabled(cmd_About));
    EXPECT_FALSE(app.IsCommandEnabled(5));
}
