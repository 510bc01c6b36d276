#include <gtest/gtest.h>

#include "WriteFile.h"
#include "tests/support/TempFolder.h"
#include "ui/ActionScript.h"

TEST(ActionScript, TakesActionsFromTheHeadOfTheFileSkippingCommentsAndBlankLines)
{
    TempFolder folder;
    std::string path = writeFile(folder, "script", "# start\n\nclick 1051\n  key tab  \ncommand 4\n");
    ActionScript script(path);
    EXPECT_EQ(script.takeNext(), "click 1051");
    EXPECT_EQ(folder.read("script"), "  key tab  \ncommand 4\n");
    EXPECT_EQ(script.takeNext(), "key tab");
    EXPECT_EQ(script.takeNext(), "command 4");
    EXPECT_EQ(script.takeNext(), std::nullopt);
    EXPECT_EQ(ActionScript(folder / "missing").takeNext(), std::nullopt);
}

TEST(ActionScript, ParsesEveryActionAndRefusesOthers)
{
    struct Case {
        const char* line;
        InputEvent::Kind kind;
        SInt32 number; // pane ID, character code or command
    };
    const Case actions[] = {
        {"click 1051", InputEvent::Kind::Click, 1051}, {"key return", InputEvent::Kind::Key, 13},
        {"key enter", InputEvent::Kind::Key, 3},       {"key tab", InputEvent::Kind::Key, 9},
        {"key escape", InputEvent::Kind::Key, 27},     {"command 1", InputEvent::Kind::Command, 1},
        {"quit", InputEvent::Kind::Command, cmd_Quit},
    };
    for (const Case& c : actions) {
        std::optional<InputEvent> input = ActionScript::parse(c.line);
        ASSERT_TRUE(input) << c.line;
        EXPECT_EQ(input->kind, c.kind) << c.line;
        SInt32 number = c.kind == InputEvent::Kind::Click ? input->paneID
                        : c.kind == InputEvent::Kind::Key ? SInt32(input->event.message)
                                                          : input->command;
        EXPECT_EQ(number, c.number) << c.line;
        if (c.kind == InputEvent::Kind::Key) {
            EXPECT_EQ(input->event.what, keyDown);
        }
    }
    for (const char* wrong : {"click", "click x", "key space", "press 3", "quit now", "command 1 2"})
        EXPECT_FALSE(ActionScript::parse(wrong)) << wrong;
}
