#include <gtest/gtest.h>

#include "ui/LayoutParser.h"

TEST(Layout, ReadsResourcesPanesPagesAndTexts)
{
    std::vector<LayoutNode> resources = LayoutParser::parse(R"(# a comment
window 128 'Cpel' {
    frame 10 20 300 200
    text "Say \"hi\"\x0D\\"
    pane 1001 'mpvw' {
        page 2 {
            pane 7 'capt' {
                text "on page 2"
            }
        }
    }
}

alert 130 'dlog' {
}
)");
    ASSERT_EQ(resources.size(), 2u);
    const LayoutNode& window = resources[0];
    EXPECT_EQ(window.kind, "window");
    EXPECT_EQ(window.id, 128);
    EXPECT_EQ(window.classID, FOUR_CHAR('C', 'p', 'e', 'l'));
    EXPECT_EQ(window.attributes.at("frame"), (std::vector<std::string>{"10", "20", "300", "200"}));
    EXPECT_EQ(window.attributes.at("text").at(0), "\"Say \"hi\"\r\\");
    const LayoutNode& page = window.children.at(0).children.at(0);
    EXPECT_EQ(page.kind, "page");
    EXPECT_EQ(page.id, 2);
    EXPECT_EQ(page.children.at(0).id, 7);
    EXPECT_EQ(resources[1].kind, "alert");
}

TEST(Layout, RejectsMalformedTextNamingTheLine)
{
    struct Case {
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"window 128 'Cpel' {\n", "line 1: window block not closed"},
        {"}\n", "line 1: \"}\" without an open block"},
        {"window 128 'Cp' {\n}\n", "line 1: bad class ID 'Cp'"},
        {"frame 1 2 3 4\n", "line 1: attribute outside a block"},
        {"pane 5 'capt' {\n}\n", "line 1: pane outside a window"},
        {"window 128 'Cpel' {\n  window 129 'Cpel' {\n", "line 2: window inside a block"},
        {"window x 'Cpel' {\n}\n", "line 1: expected a number, found \"x\""},
        {"window 128 'Cpel' {\n  text \"open\n}\n", "line 2: text without closing quote"},
    };
    for (const Case& c : cases) {
        try {
            LayoutParser::parse(c.text);
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const LayoutError& error) {
            EXPECT_EQ(std::string(error.what()), std::string("layout ") + c.message) << c.text;
        }
    }
}
