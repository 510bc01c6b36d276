#include <gtest/gtest.h>

#include "WizardBundle.h"
#include "app/Options.h"
#include "app/PanelFactory.h"
#include "log/XPel.h"

namespace {

struct Flow {
    const char* name;
    const char* systemVersion;
    std::vector<std::string> arguments;
    const char* script;
    InstallState finalState;
    bool reboot;
    std::vector<std::string> alerts;
};

const char* const osx = "10.2.8";
const char* const os9 = "9.2.2";
// Rights refused at the relaunch for the installation end the run silently;
// a removal cannot even stage its uninstaller, since nothing is installed.
const std::string removeAlert = "\"Could not copy uninstaller to tmp folder\"";

void PrintTo(const Flow& flow, std::ostream* out)
{
    *out << flow.name;
}

class StateMachine : public ::testing::TestWithParam<Flow> {};

} // namespace

TEST_P(StateMachine, EndsInTheStateTheButtonsAndKeysLeadTo)
{
    const Flow& flow = GetParam();
    WizardBundle bundle(flow.systemVersion);
    bundle.writeScript(flow.script);
    bundle.run(flow.arguments);
    EXPECT_EQ(int(Options.state), int(flow.finalState));
    EXPECT_EQ(Options.reboot, flow.reboot);
    EXPECT_EQ(bundle.alerts(), flow.alerts);
    EXPECT_EQ(bundle.script(), "") << "the run stopped before the script's end";
}

INSTANTIATE_TEST_SUITE_P(
    Wizard, StateMachine,
    ::testing::Values(
        Flow{"WelcomeNextOnMacOsXAsksForRights", osx, {}, "click 1051\n", STATE_AUTHORIZE_INSTALL, false, {}},
        Flow{"WelcomeNextOnMacOs9ShowsTheLicence", os9, {}, "click 1051\n", STATE_LICENSE, false, {}},
        Flow{"WelcomeCancel", osx, {}, "click 1050\n", STATE_QUIT, false, {}},
        Flow{"LicenceCancel", osx, {"2", "INSTALL"}, "click 1050\n", STATE_QUIT, false, {}},
        Flow{"InstallRebootNowThenNext", osx, {"4", "INSTALL"}, "click 1005\nclick 1051\n", STATE_QUIT, true, {}},
        Flow{"InstallRebootNowThenCancel", osx, {"4", "INSTALL"}, "click 1005\nclick 1050\n", STATE_QUIT, false, {}},
        Flow{"InstallRebootLaterIsTheDefault", osx, {"4", "INSTALL"}, "click 1051\n", STATE_QUIT, false, {}},
        Flow{"RemoveRebootNow", osx, {"10", "REMOVE"}, "click 1005\nclick 1051\n", STATE_QUIT, true, {}},
        Flow{"FinishNext", os9, {"5", "INSTALL"}, "click 1051\n", STATE_QUIT, false, {}},
        Flow{"ErrorPanelsNext", osx, {"6", "INSTALL"}, "click 1051\n", STATE_QUIT, false, {}},
        Flow{"RemoveErrorCancel", osx, {"11", "REMOVE"}, "click 1050\n", STATE_QUIT, false, {}},
        Flow{"ConfirmedRemovalAsksForRights", osx, {"7", "REMOVE"}, "click 1051\n", STATE_AUTHORIZE_REMOVE, false,
             {removeAlert}},
        Flow{"DeclinedRemovalQuits", osx, {"7", "REMOVE"}, "click 1009\nclick 1051\n", STATE_QUIT, false, {}},
        Flow{"ReturnIsNextWhenNextIsDefault", osx, {"7", "REMOVE"}, "key return\n", STATE_AUTHORIZE_REMOVE, false,
             {removeAlert}},
        Flow{"EnterIsNextWhenNextIsDefault", osx, {"7", "REMOVE"}, "key enter\n", STATE_AUTHORIZE_REMOVE, false,
             {removeAlert}},
        Flow{"TabMovesTheDefaultToCancel", osx, {"7", "REMOVE"}, "key tab\nkey return\n", STATE_QUIT, false, {}},
        Flow{"SecondTabMovesItBack", osx, {"7", "REMOVE"}, "key tab\nkey tab\nkey enter\n", STATE_AUTHORIZE_REMOVE,
             false, {removeAlert}},
        Flow{"DefaultMarkIsKeptAcrossPanels", os9, {}, "key tab\nclick 1051\nkey return\n", STATE_QUIT, false, {}},
        Flow{"EscapeIsCancel", osx, {"7", "REMOVE"}, "key escape\n", STATE_QUIT, false, {}},
        Flow{"CloseBoxQuitsInTheStateItIsIn", osx, {"7", "REMOVE"}, "command 4\n", STATE_REMOVE_CONFIRM, false, {}},
        Flow{"QuitCommandQuitsInTheStateItIsIn", osx, {"2", "INSTALL"}, "quit\n", STATE_LICENSE, false, {}},
        Flow{"CommandTwoDoesNothing", osx, {"7", "REMOVE"}, "command 2\nclick 1050\n", STATE_QUIT, false, {}},
        Flow{"StateWithoutPanelAtStartQuitsAtOnce", osx, {"12", "REMOVE"}, "", STATE_QUIT, false, {}},
        Flow{"UnknownStartStateShowsNoWindowAndNoMessage", osx, {"-1", "REMOVE"}, "key return\n", InstallState(255),
             false, {}}),
    [](const ::testing::TestParamInfo<Flow>& info) { return std::string(info.param.name); });

TEST(StateMachineEvents, TheCloseBoxDoesNotCancelAndClosingHappensOnce)
{
    WizardBundle bundle;
    bundle.writeScript("command 4\n");
    bundle.run({"7", "REMOVE"});
    std::vector<std::string> events = bundle.events();
    EXPECT_EQ(std::count(events.begin(), events.end(), "window-close 128"), 1);
    EXPECT_TRUE(containsInOrder(events, {"window-open 128", "quit", "window-close 128"}));
}

TEST(StateMachineEvents, FinalStateClosesTheWindowBeforeTheApplicationQuits)
{
    WizardBundle bundle;
    bundle.writeScript("click 1050\nclick 1051\n");
    bundle.run({"2", "INSTALL"});
    std::vector<std::string> events = bundle.events();
    EXPECT_TRUE(containsInOrder(events, {"window-close 128", "quit"}));
    EXPECT_EQ(bundle.script(), "click 1051\n") << "an action was taken after the wizard had ended";
}

TEST(StateMachineEvents, ProgressStateNotBuiltKeepsTheLicenceAndThenHasNoPanel)
{
    setProgressPanelMakers([](CMainWnd&) -> CPanel* { throw XPel("Installing is not available"); }, nullptr);
    WizardBundle bundle;
    bundle.writeScript("click 1051\nkey return\nkey escape\nclick 1050\ncommand 4\n");
    bundle.run({"2", "INSTALL"});
    setProgressPanelMakers(nullptr, nullptr);
    EXPECT_EQ(int(Options.state), int(STATE_LICENSE));
    EXPECT_EQ(bundle.alerts(), (std::vector<std::string>{"\"Installing is not available\"", "\"NULL panel\"",
                                                         "\"NULL panel\"", "\"NULL panel\""}));
    EXPECT_EQ(bundle.script(), "");
}
