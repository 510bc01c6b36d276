#include <gtest/gtest.h>

#include "WizardBundle.h"

namespace {

struct PanelCase {
    const char* name;
    const char* systemVersion;
    std::vector<std::string> arguments;
    // What the panel shows, in order, once the window has its caption.
    std::vector<std::string> shown;
};

std::vector<std::string> baseLines(int page, const std::string& titleKey)
{
    return {"page " + std::to_string(page), "text 1003 \"" + titleKey + "\"", "enable 1050", "text 1050 \"CANCEL\"",
            "enable 1051", "text 1051 \"NEXT\""};
}

std::vector<std::string> operator+(std::vector<std::string> lines, const std::vector<std::string>& more)
{
    lines.insert(lines.end(), more.begin(), more.end());
    return lines;
}

const std::vector<std::string> finishButtons = {"enable 1050", "text 1050 \"CANCEL\"", "enable 1051",
                                                "text 1051 \"FINISH\""};

void PrintTo(const PanelCase& panel, std::ostream* out)
{
    *out << panel.name;
}

class Panels : public ::testing::TestWithParam<PanelCase> {};

} // namespace

TEST_P(Panels, ShowTheirPageTitleTextsAndButtons)
{
    const PanelCase& panel = GetParam();
    WizardBundle bundle(panel.systemVersion);
    bundle.run(panel.arguments);
    std::vector<std::string> events = bundle.events();
    std::vector<std::string> expected = {"window-open 128", "caption \"CAPTION\""};
    expected = expected + panel.shown + std::vector<std::string>{"quit", "window-close 128"};
    EXPECT_EQ(events, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Wizard, Panels,
    ::testing::Values(
        PanelCase{"WelcomeOnMacOsX", "10.2.8", {},
                  baseLines(1, "INSTALL_WELCOME_TITLE") +
                      std::vector<std::string>{"text 1011 \"INSTALL_WELCOME_STR1_OSX\"",
                                               "text 1012 \"INSTALL_WELCOME_STR2_OSX\""}},
        PanelCase{"WelcomeOnMacOs9", "9.2.2", {},
                  baseLines(1, "INSTALL_WELCOME_TITLE") +
                      std::vector<std::string>{"text 1011 \"INSTALL_WELCOME_STR1_OS9\"",
                                               "text 1012 \"INSTALL_WELCOME_STR2_OS9\""}},
        PanelCase{"Licence", "10.2.8", {"2", "INSTALL"},
                  baseLines(2, "INSTALL_LICENSE_TITLE") +
                      std::vector<std::string>{"insert 1002 \"Licence\"", "text 1013 \"INSTALL_LICENSE_STR\"",
                                               "enable 1051", "text 1051 \"ACCEPT\""}},
        PanelCase{"InstallReboot", "10.2.8", {"4", "INSTALL"},
                  baseLines(4, "INSTALL_REBOOT_TITLE") +
                      std::vector<std::string>{"text 1015 \"INSTALL_REBOOT_STR\"", "text 1005 \"REBOOT_NOW\"",
                                               "text 1006 \"REBOOT_LATER\""} +
                      finishButtons},
        PanelCase{"InstallFinish", "9.2.2", {"5", "INSTALL"},
                  baseLines(10, "INSTALL_FINISH_TITLE") +
                      std::vector<std::string>{"text 1028 \"INSTALL_FINISH_STR\""} + finishButtons},
        PanelCase{"InstallError", "10.2.8", {"6", "INSTALL"},
                  baseLines(5, "INSTALL_ERR_TITLE") +
                      std::vector<std::string>{"text 1016 \"INSTALL_ERR_STR1\"", "text 1017 \"INSTALL_ERR_STR2\"",
                                               "text 1007 \"\""} +
                      finishButtons},
        PanelCase{"RemoveConfirmOnMacOsX", "10.2.8", {"7", "REMOVE"},
                  baseLines(6, "REMOVE_CONFIRM_TITLE") +
                      std::vector<std::string>{"text 1018 \"REMOVE_CONFIRM_STR1_OSX\"",
                                               "text 1019 \"REMOVE_CONFIRM_STR2_OSX\"",
                                               "text 1008 \"REMOVE_CONFIRM_YES\"", "text 1009 \"REMOVE_CONFIRM_NO\""}},
        PanelCase{"RemoveConfirmOnMacOs9", "9.2.2", {"7", "REMOVE"},
                  baseLines(6, "REMOVE_CONFIRM_TITLE") +
                      std::vector<std::string>{"text 1018 \"REMOVE_CONFIRM_STR1_OS9\"",
                                               "text 1019 \"REMOVE_CONFIRM_STR2_OS9\"",
                                               "text 1008 \"REMOVE_CONFIRM_YES\"", "text 1009 \"REMOVE_CONFIRM_NO\""}},
        PanelCase{"RemoveReboot", "9.2.2", {"10", "REMOVE"},
                  baseLines(8, "REMOVE_REBOOT_TITLE") +
                      std::vector<std::string>{"text 1021 \"REMOVE_REBOOT_STR\"", "text 1005 \"REBOOT_NOW\"",
                                               "text 1006 \"REBOOT_LATER\""} +
                      finishButtons},
        PanelCase{"RemoveError", "10.2.8", {"11", "REMOVE"},
                  baseLines(9, "REMOVE_ERR_TITLE") +
                      std::vector<std::string>{"text 1022 \"REMOVE_ERR_STR1\"", "text 1023 \"REMOVE_ERR_STR2\"",
                                               "text 1007 \"\""} +
                      finishButtons}),
    [](const ::testing::TestParamInfo<PanelCase>& info) { return std::string(info.param.name); });

TEST(LicencePanel, ShowsLineFeedsAsBlanksAndKeepsCarriageReturns)
{
    struct Case {
        std::string bytes;
        std::vector<std::string> inserted;
    };
    const Case cases[] = {
        {std::string("x\ny\rz"), {"insert 1002 \"x y\\rz\""}},
        {std::string(""), {}},
        {std::string("a\0b", 3), {"insert 1002 \"a\\x00b\""}},
    };
    for (const Case& c : cases) {
        WizardBundle bundle;
        bundle.writeFile("InstallerFiles/license.txt", c.bytes);
        bundle.run({"2", "INSTALL"});
        std::vector<std::string> inserts;
        for (const std::string& event : bundle.events()) {
            if (event.rfind("insert ", 0) == 0)
                inserts.push_back(event);
        }
        EXPECT_EQ(inserts, c.inserted);
        EXPECT_TRUE(bundle.alerts().empty());
    }
}

TEST(LicencePanel, WithoutTheLicenceFileSaysSoAndStillLetsTheUserAccept)
{
    WizardBundle bundle;
    bundle.removeFile("InstallerFiles/license.txt");
    bundle.run({"2", "INSTALL"});
    EXPECT_EQ(bundle.alerts(), std::vector<std::string>{"\"Could not load license.txt\""});
    EXPECT_TRUE(containsInOrder(bundle.events(), {"alert \"Could not load license.txt\"", "enable 1051",
                                                  "text 1051 \"ACCEPT\"", "quit"}));
}

TEST(Panels, AMissingTextKeyShowsAnEmptyText)
{
    WizardBundle bundle;
    bundle.writeStrings({"INSTALL_FINISH_STR", "FINISH"});
    bundle.run({"5", "INSTALL"});
    EXPECT_TRUE(containsInOrder(bundle.events(), {"text 1028 \"\"", "text 1051 \"\""}));
}
